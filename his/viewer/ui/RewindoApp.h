// The history viewer put together: the library's model setting, the
// splash window, the shared objects, the main window and the command-line
// file, in the start-up's order. main() runs it on the real library;
// tests give it a model setter of their own and a program folder of their
// choice.
#pragma once

#include <memory>
#include <string>

#include "PortelloModel.h"
#include "ViewerContext.h"
#include "frmMain.h"

namespace viewer::ui {

class RewindoApp {
public:
    static constexpr char kAppTitle[] = "Rewindo";

    RewindoApp(PortelloModel& library, std::string programDir);
    ~RewindoApp();
    RewindoApp(const RewindoApp&) = delete;
    RewindoApp& operator=(const RewindoApp&) = delete;

    // The start-up. splash false skips the splash window (tests).
    void Start(const std::string& commandLine, bool splash = true);
    // Runs the windows until the main window has closed; the exit code.
    int Run();

    frmMain& MainWindow() { return *main_; }
    ViewerContext& Context() { return ctx_; }

    // The folder of the running program; the environment variable
    // REWINDO_PROGRAM_DIR stands in for it in tests.
    static std::string ProgramFolder();
    // "major.minor.revision" of this build.
    static std::string Version();
    // The arguments as one path: the viewer takes its whole command line as
    // the name of the file to open.
    static std::string CommandLineText(int argc, char** argv);

private:
    PortelloModel& library_;
    ViewerContext ctx_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace viewer::ui
