#include "CapturoApp.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <utility>

#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowPlacement.h"

#ifndef KY_VERSION
#define KY_VERSION "0.0.0"
#endif

namespace mon {

CapturoApp::CapturoApp(PortelloApi& api, EngineClock& clock, std::string programDir,
                       std::string appTitle, const ConsoleFactory& console)
    : main_(engine_, gMsgBox_, appTitle, Version()),
      engine_(api, main_, clock, std::move(programDir)),
      driver_(engine_),
      appTitle_(std::move(appTitle)) {
    engine_.Monitor = &main_;
    if (console) {
        console_ = console(ConsoleHost{engine_, main_, gMsgBox_, QString::fromStdString(appTitle_)});
        main_.ConsoleSet(console_.get());
    }
}

CapturoApp::~CapturoApp() {
    driver_.Stop();
    // The sub-windows hold the engine; they go before it does.
    main_.SubWindowsDelete();
    main_.ConsoleSet(nullptr);
    console_.reset();
}

void CapturoApp::Start(bool secondInstance) {
    {
        const platform::WaitCursor hourglass;
        engine_.Startup(appTitle_, secondInstance);
    }
    main_.Form_Load();
    main_.show();
    // The PC-link dialog goes against the main window where it appeared.
    platform::AwaitShown(&main_);
    main_.mnuSetKyPc_Click();
    driver_.Start();
}

int CapturoApp::Run() {
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&driver_, &MainLoopDriver::Stopped, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (driver_.IsRunning()) QApplication::exec();
    Finish();
    return 0;
}

void CapturoApp::Finish() {
    if (finished_) return;
    finished_ = true;
    driver_.Stop();
    main_.SubWindowsDelete();
    engine_.Shutdown();
}

std::string CapturoApp::ProgramFolder() {
    const QString overridden = qEnvironmentVariable("CAPTURO_PROGRAM_DIR");
    if (!overridden.isEmpty()) return QDir::cleanPath(overridden).toStdString();
    return QCoreApplication::applicationDirPath().toStdString();
}

QString CapturoApp::InstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/capturo.lock");
}

std::string CapturoApp::Version() { return KY_VERSION; }

}  // namespace mon
