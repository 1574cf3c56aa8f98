// The step window: tells what the engine is doing ("ＫＹ－Ｎ４接続中", ...)
// and offers one button that abandons the operation or acknowledges its
// end. The main window stays disabled while it is up.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>

class QCloseEvent;

namespace mon {

class Engine;

class frmMessage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 5400;
    static constexpr int kHeightTwips = 1650;

    // Loads the window over mainWindow with text and the button caption.
    frmMessage(Engine& engine, QWidget* mainWindow, const QString& text, const QString& caption);
    ~frmMessage() override;

    // A new text and caption while the window is up.
    void MessageSet(const QString& text, const QString& caption);

    QLabel* const lblStatus = new QLabel(this);
    QLabel* const lblMessage = new QLabel(this);
    QPushButton* const cmdCancel = new QPushButton(this);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Design();
    void Form_Load(const QString& text, const QString& caption);
    void cmdCancel_Click();
    void Form_QueryUnload();
    void CursorRestore();

    Engine& engine_;
    QPointer<QWidget> main_;
    bool cursorSet_ = false;
    bool unloaded_ = false;
};

}  // namespace mon
