#include "RewindoApp.h"

#include <QApplication>
#include <QDir>

#include <utility>

#include "HistoryGrid.h"
#include "HistoryOpen.h"
#include "frmOpen.h"
#include "platform/ui/NoThrow.h"

#ifndef KY_VERSION
#define KY_VERSION "0.0.0"
#endif

namespace viewer::ui {

RewindoApp::RewindoApp(PortelloModel& library, std::string programDir)
    : library_(library), ctx_(std::move(programDir)) {}

RewindoApp::~RewindoApp() = default;

void RewindoApp::Start(const std::string& commandLine, bool splash) {
    library_.SetModel(1);
    if (splash) {
        frmOpen open(QString::fromLatin1(kAppTitle));
        open.exec();
    }
    ctx_.CommonInit();
    main_ = std::make_unique<frmMain>(ctx_, kAppTitle, Version());
    ctx_.MainWindow = main_.get();
    main_->Form_Load(commandLine);
    main_->show();
    main_->VSFlexGrid1->setFocus();
    main_->GridColorSet();
    // From here on a failing step is skipped; the read's own messages are
    // all the user sees.
    platform::NoThrow("command line", [&] { main_->CommandLineOpen(commandLine); });
}

int RewindoApp::Run() { return QApplication::exec(); }

std::string RewindoApp::ProgramFolder() {
    const QString overridden = qEnvironmentVariable("REWINDO_PROGRAM_DIR");
    if (!overridden.isEmpty()) return QDir::cleanPath(overridden).toStdString();
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string RewindoApp::Version() { return KY_VERSION; }

std::string RewindoApp::CommandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

}  // namespace viewer::ui
