// The printing progress window: the page being printed and a cancel
// button, shown without blocking while a print run yields to the window
// system. While it is up the owner window is disabled and the pointer is
// the busy arrow; both come back when it goes, by whatever road.
#ifndef PLATFORM_UI_FRM_PRINTING_H
#define PLATFORM_UI_FRM_PRINTING_H

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

class QCloseEvent;

namespace platform {

class frmPrinting : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFormWidth = 4500;  // twips
    static constexpr int kFormHeight = 1500;

    // "現在 " + page + " ページ目を出力しています。"
    static std::string PageMessage(int page);

    // Loads the window for owner (not shown yet; the caller places and
    // shows it) with the message of page.
    frmPrinting(QWidget* owner, int page);
    ~frmPrinting() override;

    QLabel* const lblMsg = new QLabel(this);
    QPushButton* const cmdCancel = new QPushButton(this);

    // Writes the message of a new page.
    void PageShow(int page);
    // True once cancel was pressed (or the window closed by its frame).
    bool Cancelled() const { return cancelled_; }
    // Called once, when cancel is pressed.
    std::function<void()> OnCancel;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdCancel_Click();
    void Restore();

    QPointer<QWidget> owner_;
    bool cancelled_ = false;
    bool restored_ = false;
};

}  // namespace platform

#endif
