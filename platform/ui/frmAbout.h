// The version window: the system's picture, the program's title, its
// version number and a line on what the system is, closed with OK. The
// opener places it against itself before showing it modally.
#ifndef PLATFORM_UI_FRM_ABOUT_H
#define PLATFORM_UI_FRM_ABOUT_H

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QString>

namespace platform {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Design size of the window in twips.
    static constexpr int kWidthTwips = 5400;
    static constexpr int kHeightTwips = 2550;
    // The one line under the version.
    static constexpr const char* kDescription = "KY-N4 / KY-N5 データラインモニタ";

    // version is "major.minor.revision".
    frmAbout(QWidget* owner, const QString& appTitle, const QString& version);

    QLabel* const Image1 = new QLabel(this);
    QLabel* const lblTitle = new QLabel(this);
    QLabel* const lblVersion = new QLabel(this);
    QLabel* const lblDescription = new QLabel(this);
    QPushButton* const cmdOK = new QPushButton(this);

private:
    void Design();
};

// The caption of the version window of a program.
QString AboutCaption(const QString& appTitle);

// The about box's picture, side pixels square: a line with one character
// going each way, the two directions the unit records.
QPixmap AboutPicture(int side);

}  // namespace platform

#endif
