#include "CapturoConsole.h"

#include "Engine.h"
#include "frmSetMonitor.h"
#include "frmSplit.h"

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
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new frmSetMonitor(host_.engine, Table(), &host_.mainWindow, &host_.mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    setMonitor_ = dialog;
    dialog->show();
}

void CapturoConsole::SplitShow() {
    frmSplit dialog(&host_.mainWindow, host_.engine, host_.msgBox, host_.appTitle);
    dialog.exec();
}

void CapturoConsole::SettingsDialogsUnload() {
    if (frmSetMonitor* open = SetMonitorWindow()) open->close();
}

void CapturoConsole::WindowsDelete() { delete setMonitor_.data(); }

frmSetMonitor* CapturoConsole::SetMonitorWindow() const {
    return setMonitor_ != nullptr && setMonitor_->isVisible() ? setMonitor_.data() : nullptr;
}

}  // namespace mon
