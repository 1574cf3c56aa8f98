// The programs' progress object: a bar with a cancel button in its own
// small window (frmBar), centred on the program's main window, for long
// reads and writes. The store's long operations see it as a ProgressSink.
#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "his/store/Progress.h"
#include "his/store/ui/frmBar.h"
#include "platform/ui/Placement.h"
#include "platform/ui/Yielder.h"

namespace store {

// Where the programs' progress windows differ.
struct BarRules {
    // The rectangle, in twips on the desktop, that the window centres on,
    // asked each time the window opens. Unset: the main window given to
    // clsBar (the screen without one).
    std::function<platform::TwipsRect()> ownerRect;
    // Show with a total below 1 does nothing, not even take the total.
    bool emptyTotalShowsNothing = false;
    // The pointer over the window is the arrow with the hourglass.
    bool busyPointer = false;
};

class clsBar final : public ProgressSink {
public:
    // mainWindow is what the window belongs to and, unless rules say
    // otherwise, centres on; without one, the screen.
    explicit clsBar(QWidget* mainWindow = nullptr, BarRules rules = {});
    // Closes the window, as Clear does.
    ~clsBar() override;

    clsBar(const clsBar&) = delete;
    clsBar& operator=(const clsBar&) = delete;

    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    // Opens the window for a total of aMax (loading it if it is not open)
    // and empties the bar. PosValue keeps its value.
    void Show(int32_t aMax, const std::string& aTitle) override;
    void Clear() override;

    int32_t PosValue() const { return posValue_; }
    // Negative values are ignored; values above the total read as the total.
    void PosValue(int32_t value) override;

    bool Visible() const { return visible_; }
    void Visible(bool value) { visible_ = value; }

    bool Cancel() const override { return cancel_; }
    void Cancel(bool value) { cancel_ = value; }

    void Yield() override;

    // The window while it is loaded, else nullptr.
    frmBar* Form() const { return form_.data(); }
    const BarRules& Rules() const { return rules_; }

private:
    friend class frmBar;
    // Called by the window as it unloads, however that happens.
    void FormUnloaded(const frmBar* form);

    frmBar* LoadedForm();

    QPointer<QWidget> mainWindow_;
    BarRules rules_;
    QPointer<frmBar> form_;
    platform::Yielder yielder_;
    bool visible_ = false;
    bool cancel_ = false;
    int32_t posValue_ = 0;
    int32_t maximum_ = 100;
};

}  // namespace store
