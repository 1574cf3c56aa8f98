// The font dialog with a colour: the system's font choice (face, style,
// size, strike-through, underline) and a text colour in one window, as
// the chart's font command offers them.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include <optional>

class QFontDialog;
class QPushButton;

namespace analyser::ui {

struct FontChoice {
    QFont Font;
    QColor Color;
};

class FontColorDialog : public QDialog {
    Q_OBJECT

public:
    FontColorDialog(const FontChoice& start, QWidget* parent);

    FontChoice Choice() const;

    // Runs the dialog modally; nothing when it was cancelled.
    static std::optional<FontChoice> Ask(const FontChoice& start, QWidget* parent);

private:
    void ColorPick();
    void ColorShow();

    QFontDialog* fonts_;
    QPushButton* color_;
    QColor chosen_;
};

}  // namespace analyser::ui
