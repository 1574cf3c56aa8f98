// Sizes that show a text whole in a control's own font and style: the
// design sizes in twips were made for another font, and where ours needs
// more room the control must grow rather than cut its text.
#ifndef PLATFORM_UI_TEXT_FIT_H
#define PLATFORM_UI_TEXT_FIT_H

#include <QString>
#include <QStringList>

class QAbstractItemView;
class QLabel;
class QLineEdit;

namespace platform {

// Pixels a cell of view needs across to show the widest of texts, and down
// to show one line, margins and grid line included.
int CellWidthFor(const QAbstractItemView* view, const QStringList& texts);
int CellHeightFor(const QAbstractItemView* view);

// Pixels a line edit needs across to show the widest of texts.
int LineEditWidthFor(const QLineEdit* edit, const QStringList& texts);

// Pixels a framed label needs across to show the widest of texts.
int LabelWidthFor(const QLabel* label, const QStringList& texts);

// The texts a pattern stands for when any digit can stand where it has a
// 0 ("00:00" for every time of day): digits need not be equally wide.
QStringList WithEveryDigit(const QStringList& patterns);

}  // namespace platform

#endif
