// The protocol analyser put together: Qt's Japanese texts, the code
// table, the main window and the command-line file, in the start-up's
// order. main() runs it; tests give it a program folder of their choice.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "frmMain.h"

class QCoreApplication;

namespace analyser::ui {

class DissectoApp {
public:
    static constexpr char kAppTitle[] = "Dissecto";

    explicit DissectoApp(std::string programDir);
    ~DissectoApp();
    DissectoApp(const DissectoApp&) = delete;
    DissectoApp& operator=(const DissectoApp&) = delete;

    // The start-up: the window loads, shows, then opens the file the
    // command line names. beforeOpen (tests) sees the window first.
    void Start(const std::string& commandLine,
               const std::function<void(frmMain&)>& beforeOpen = {});
    // Runs the windows until the main window has closed; the exit code.
    int Run();

    frmMain& MainWindow() { return *main_; }

    // The folder of the running program; the environment variable
    // DISSECTO_PROGRAM_DIR stands in for it in tests.
    static std::string ProgramFolder();
    // The arguments as one path: the analyser takes its whole command line
    // as the name of the frame file to open.
    static std::string CommandLineText(int argc, char** argv);
    // Installs Qt's Japanese translation, so that Qt's own dialogs speak
    // like the rest of the program. False when it is not installed.
    static bool QtJapaneseLoad(QCoreApplication& app);

private:
    std::string programDir_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace analyser::ui
