// The monitor program put together: the message box, the main window, the
// engine and the loop that drives it, with the start-up and exit steps
// around them. main() runs it on the real library and clock; tests give it
// a library and a clock of their own and a program folder of their choice.
#pragma once

#include <QString>

#include <memory>
#include <string>

#include "ConsoleWindows.h"
#include "Engine.h"
#include "MainLoopDriver.h"
#include "clsMsgBox.h"
#include "frmMain.h"

namespace mon {

class CapturoApp {
public:
    static constexpr char kAppTitle[] = "Capturo";

    // programDir holds Capturo.ini and the help file. appTitle decides the
    // model (one with "Pavlor" in it is a model-2 program). console builds
    // the settings windows the menus open; without it they open nothing.
    CapturoApp(PortelloApi& api, EngineClock& clock, std::string programDir,
               std::string appTitle = kAppTitle, const ConsoleFactory& console = {});
    ~CapturoApp();
    CapturoApp(const CapturoApp&) = delete;
    CapturoApp& operator=(const CapturoApp&) = delete;

    // The start-up: the engine with its settings, then the main window and
    // the PC-link dialog, then the loop's timer.
    void Start(bool secondInstance);
    // Runs the windows until the main window is closed, then the exit
    // steps. The program's exit code.
    int Run();
    // The exit steps (appends stopped, port closed, ring freed); once.
    void Finish();

    Engine& engine() { return engine_; }
    frmMain& MainWindow() { return main_; }
    MainLoopDriver& Driver() { return driver_; }
    clsMsgBox& MsgBox() { return gMsgBox_; }

    // The folder of the running program; the environment variable
    // CAPTURO_PROGRAM_DIR stands in for it in tests.
    static std::string ProgramFolder();
    // Where the lock that tells a second running copy lives.
    static QString InstanceLockPath();
    // "major.minor.revision" of this build.
    static std::string Version();

private:
    clsMsgBox gMsgBox_;
    // The window is built before the engine, which needs it as its view;
    // it does not call the engine before Start.
    frmMain main_;
    Engine engine_;
    MainLoopDriver driver_;
    std::string appTitle_;
    std::unique_ptr<ConsoleWindows> console_;
    bool finished_ = false;
};

}  // namespace mon
