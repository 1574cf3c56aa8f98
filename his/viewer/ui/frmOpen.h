// The splash window shown while the viewer starts: one picture, closed by
// its timer after 3000 ms or at once by a click on it, whichever comes
// first.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

class QMouseEvent;

namespace viewer::ui {

class frmOpen : public QDialog {
    Q_OBJECT

public:
    static constexpr int kShowMs = 3000;

    explicit frmOpen(const QString& appTitle);

    QLabel* const Picture1 = new QLabel(this);
    QTimer* const Timer1 = new QTimer(this);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Picture1_Click();
    void Unload();
};

// The splash picture: the program's title on a plain face.
QPixmap SplashPicture(const QString& appTitle);

}  // namespace viewer::ui
