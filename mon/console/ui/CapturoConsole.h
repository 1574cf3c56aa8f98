// The monitor console's windows as the main window opens them: the device
// settings dialog (with the baud windows and the trigger editor behind it),
// the save-destination dialog and the maintenance window. The KY-N4 baud
// table is read from the device library once, when the settings dialog
// first opens.
#pragma once

#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>

#include "BaudSteps.h"
#include "ConsoleWindows.h"

namespace mon {

class frmExtension;
class frmSetMonitor;

class CapturoConsole : public ConsoleWindows {
public:
    explicit CapturoConsole(const ConsoleHost& host);
    ~CapturoConsole() override;

    // The factory CapturoApp takes.
    static std::unique_ptr<ConsoleWindows> Make(const ConsoleHost& host);

    void SetMonitorShow() override;
    void SplitShow() override;
    void ExtensionShow() override;
    void SettingsDialogsUnload() override;
    void WindowsDelete() override;

    // The device settings dialog while it is shown, else nullptr.
    frmSetMonitor* SetMonitorWindow() const;
    // The maintenance window while it is open, else nullptr.
    frmExtension* ExtensionWindow() const;

private:
    const BaudTable& Table();

    ConsoleHost host_;
    std::optional<BaudTable> table_;
    QPointer<frmSetMonitor> setMonitor_;
    QPointer<frmExtension> extension_;
    // What the maintenance window read last, for its next opening.
    uint32_t extensionAddress_ = 0;
    int16_t extensionLength_ = 0;
};

}  // namespace mon
