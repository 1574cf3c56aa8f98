#include "CapturoConsole.h"

#include "Engine.h"
#include "SubFormWindow.h"
#include "clsMsgBox.h"
#include "frmExtension.h"
#include "frmSetMonitor.h"
#include "frmSplit.h"
#include "platform/ui/WindowOwner.h"

namespace mon {

CapturoConsole::CapturoConsole(const ConsoleHost& host) : host_(host) {}

CapturoConsole::~CapturoConsole() { WindowsDelete(); }

std::unique_ptr<ConsoleWindows> CapturoConsole::Make(const ConsoleHost& host) {
    return std::make_unique<CapturoConsole>(host);
}

const BaudTable& CapturoConsole::Table() {
    if (!table_) table_ = BaudTable::Read(host_.engine.Api);
    return *table_;
}

void CapturoConsole::SetMonitorShow() {
    if (frmSetMonitor* open = SetMonitorWindow()) {
        platform::ShowActive(open);
        return;
    }
    auto* dialog = new frmSetMonitor(host_.engine, Table(), &host_.mainWindow, &host_.mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setMonitor_ = dialog;
    platform::ShowActive(dialog);
}

void CapturoConsole::SplitShow() {
    frmSplit dialog(&host_.mainWindow, host_.engine, host_.msgBox, host_.appTitle);
    dialog.exec();
}

void CapturoConsole::ExtensionShow() {
    if (extension_ != nullptr) return;
    auto message = [this](QWidget* owner, const std::string& text, int16_t icon, const std::string& title) {
        host_.msgBox.Show(text, 1, owner, icon, title, kMsgModal);
    };
    frmExtension window(host_.engine, message, &host_.mainWindow, extensionAddress_, extensionLength_);
    SubFormPlaceWindow(&window, &host_.mainWindow, "frmExtension");
    extension_ = &window;
    window.exec();
    extensionAddress_ = window.ReadAddress();
    extensionLength_ = window.ReadLength();
}

void CapturoConsole::SettingsDialogsUnload() {
    if (frmSetMonitor* open = SetMonitorWindow()) open->close();
}

void CapturoConsole::WindowsDelete() { delete setMonitor_.data(); }

frmSetMonitor* CapturoConsole::SetMonitorWindow() const {
    return setMonitor_ != nullptr && setMonitor_->isVisible() ? setMonitor_.data() : nullptr;
}

frmExtension* CapturoConsole::ExtensionWindow() const { return extension_.data(); }

}  // namespace mon
