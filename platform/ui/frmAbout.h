// The version window: the program's title and its version number, closed
// with OK. The opener places it against itself before showing it modally.
#ifndef PLATFORM_UI_FRM_ABOUT_H
#define PLATFORM_UI_FRM_ABOUT_H

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace platform {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Design size of the window in twips.
    static constexpr int kWidthTwips = 5400;
    static constexpr int kHeightTwips = 2250;

    // version is "major.minor.revision".
    frmAbout(QWidget* owner, const QString& appTitle, const QString& version);

    QLabel* const lblTitle = new QLabel(this);
    QLabel* const lblVersion = new QLabel(this);
    QPushButton* const cmdOK = new QPushButton(this);

private:
    void Design();
};

// The caption of the version window of a program.
QString AboutCaption(const QString& appTitle);

}  // namespace platform

#endif
