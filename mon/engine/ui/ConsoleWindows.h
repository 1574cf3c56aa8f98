// The monitor console's windows as the main window opens them: the device
// settings, the save destination and the maintenance window. The console is
// built above the main window's library; the program hands a factory for it
// to CapturoApp.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace mon {

class Engine;
class clsMsgBox;

class ConsoleWindows {
public:
    virtual ~ConsoleWindows() = default;

    // The device settings dialog, modeless; it keeps the main window
    // disabled while it is up. A second call raises the open dialog.
    virtual void SetMonitorShow() = 0;
    // The save-destination dialog, modal.
    virtual void SplitShow() = 0;
    // The maintenance window, modal: the main loop waits while its own
    // timer runs. It opens on what it read last time. Nothing happens while
    // it is open already; the caller opens it only while the engine leaves
    // the line alone.
    virtual void ExtensionShow() = 0;
    // Closes the device settings dialog (the line was cut).
    virtual void SettingsDialogsUnload() = 0;
    // Deletes every console window without its closing steps, before the
    // engine goes away.
    virtual void WindowsDelete() = 0;
};

// What the console's windows work with.
struct ConsoleHost {
    Engine& engine;
    QWidget& mainWindow;
    clsMsgBox& msgBox;
    QString appTitle;
};

using ConsoleFactory = std::function<std::unique_ptr<ConsoleWindows>(const ConsoleHost&)>;

}  // namespace mon
