#include "DissectoApp.h"

#include <QApplication>
#include <QDir>

#include <utility>

#include "CodeTable.h"
#include "FrameChart.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/QtTranslation.h"

namespace analyser::ui {

DissectoApp::DissectoApp(std::string programDir) : programDir_(std::move(programDir)) {}

DissectoApp::~DissectoApp() = default;

void DissectoApp::Start(const std::string& commandLine,
                        const std::function<void(frmMain&)>& beforeOpen) {
    store::CodeTableRead();
    main_ = std::make_unique<frmMain>(programDir_);
    main_->Form_Load();
    main_->show();
    main_->picFrameView->setFocus();
    if (beforeOpen) beforeOpen(*main_);
    // A failing open reports itself; the window stays usable.
    platform::NoThrow("command line", [&] { main_->CommandLineOpen(commandLine); });
}

int DissectoApp::Run() { return QApplication::exec(); }

std::string DissectoApp::ProgramFolder() {
    const QString overridden = qEnvironmentVariable("DISSECTO_PROGRAM_DIR");
    if (!overridden.isEmpty()) return QDir::cleanPath(overridden).toStdString();
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string DissectoApp::CommandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

bool DissectoApp::QtJapaneseLoad(QCoreApplication& app) { return platform::QtJapaneseLoad(app) != nullptr; }

}  // namespace analyser::ui
