// Capturo, the monitor program: connects to the unit on the PC link, sends
// it the monitoring conditions and records what it captures.
#include <QApplication>
#include <QLockFile>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "CapturoApp.h"
#include "CapturoConsole.h"
#include "EngineClock.h"
#include "PortelloApi.h"
#include "platform/ui/QtTranslation.h"

namespace {

// A copy of the program already running holds the lock; a second copy
// runs fully but leaves Capturo.ini to the first.
bool AnotherCopyRuns(QLockFile& lock) {
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) return false;
    return lock.error() == QLockFile::LockFailedError;
}

int RunCapturo() {
    const std::string folder = mon::CapturoApp::ProgramFolder();
    // Without the library nothing works: its first call, before any window
    // shows, ends the program.
    std::unique_ptr<mon::PortelloApi> library =
        mon::LoadPortello(folder + "/libportello.so", [](const std::string& why) {
            std::fprintf(stderr, "Capturo: the device library cannot be used (%s)\n", why.c_str());
            std::exit(2);
        });
    mon::SystemClock clock;
    QLockFile lock(mon::CapturoApp::InstanceLockPath());
    const bool second = AnotherCopyRuns(lock);
    mon::CapturoApp app(*library, clock, folder, mon::CapturoApp::kAppTitle,
                        mon::CapturoConsole::Make);
    app.Start(second);
    return app.Run();
}

}  // namespace

int main(int argc, char** argv) {
    platform::JapaneseLocaleSet();
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(mon::CapturoApp::kAppTitle));
    platform::QtJapaneseLoad(qt);
    try {
        return RunCapturo();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Capturo: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Capturo: unexpected failure\n");
    }
    return 1;
}
