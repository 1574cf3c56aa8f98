// Runs a capture the way a user would, without a screen: Capturo's own
// windows on the offscreen platform, the PC-link dialog filled in and
// accepted, Start, a few seconds of monitoring, Stop; then it lists the
// history files written. With --idle it instead stays connected and idle
// and reports how much processor time the program used meanwhile.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "CapturoApp.h"
#include "EngineClock.h"
#include "PortelloApi.h"
#include "frmSetKyPc.h"
#include "his/store/clsCommon.h"
#include "platform/time/VbDate.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string libraryDir;  // where libportello.so is: beside this program
    std::string programDir;  // Capturo.ini and the firmware file
    std::string dataDir = QDir::currentPath().toStdString();
    std::string port = "COM1";
    int seconds = 5;
    int idleSeconds = 0;
};

// Runs the event loop, as the program does, until done() or the time is up.
bool WaitFor(const std::function<bool()>& done, int seconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done() || Clock::now() >= deadline) loop.quit();
    });
    check.start(50);
    if (!done()) loop.exec();
    return done();
}

void Pause(int seconds) {
    WaitFor([] { return false; }, seconds);
}

double CpuSeconds() {
    rusage r {};
    ::getrusage(RUSAGE_SELF, &r);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return s(r.ru_utime) + s(r.ru_stime);
}

bool Connect(mon::CapturoApp& app, const Options& o) {
    mon::frmSetKyPc* dialog = app.MainWindow().SetKyPcWindow();
    if (dialog == nullptr) return false;
    dialog->cmbPort->setEditText(QString::fromStdString(o.port));
    dialog->txtDataDirectory->setText(QString::fromStdString(o.dataDir));
    dialog->cmdSetting->click();
    std::printf("connecting to the unit on %s ...\n", o.port.c_str());
    const bool done = WaitFor([&] { return app.engine().EngineState == mon::kStateIdle &&
                                           app.MainWindow().SetKyPcWindow() == nullptr; }, 30);
    return done && app.engine().LampState == mon::kLampGreen;
}

void ListHistories(const std::string& dataDir) {
    const QStringList names = QDir(QString::fromStdString(dataDir)).entryList({"*.ky2"}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const std::string path = dataDir + "/" + name.toStdString();
        store::clsCommon doc;
        if (!doc.Read(path)) {
            std::printf("%s: not readable\n", path.c_str());
            continue;
        }
        int32_t total = 0, sd = 0, rd = 0;
        doc.IsCounterInf(total, sd, rd);
        std::printf("%s\n  %d units (SD %d, RD %d), monitoring %s to %s\n", path.c_str(), total, sd, rd,
                    platform::FormatDateTime(doc.MonitorStart()).c_str(),
                    platform::FormatDateTime(doc.MonitorStop()).c_str());
        std::string first;
        for (int32_t i = 0; i < std::min(total, 16); ++i) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%c%02X ", doc.Record(i)->Flag(store::kAttrRd) ? 'R' : 'S',
                          doc.Record(i)->Data);
            first += hex;
        }
        std::printf("  first units: %s\n", first.c_str());
    }
}

int Run(const Options& o) {
    std::unique_ptr<mon::PortelloApi> library =
        mon::LoadPortello(o.libraryDir + "/libportello.so", [](const std::string& why) {
            std::fprintf(stderr, "capture_demo: %s\n", why.c_str());
            std::exit(2);
        });
    mon::SystemClock clock;
    mon::CapturoApp app(*library, clock, o.programDir);
    app.Start(false);
    if (!Connect(app, o)) {
        std::fprintf(stderr, "capture_demo: the unit did not connect\n");
        app.Finish();
        return 1;
    }
    std::printf("connected; the monitoring conditions are downloaded\n");
    if (o.idleSeconds > 0) {
        const double before = CpuSeconds();
        const auto start = Clock::now();
        Pause(o.idleSeconds);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("connected and idle for %.1f s: %.2f %% of one core\n", wall,
                    100.0 * (CpuSeconds() - before) / wall);
        app.Finish();
        return 0;
    }
    app.MainWindow().Buttons.Button("Start")->trigger();
    std::printf("monitoring for %d s ...\n", o.seconds);
    Pause(o.seconds);
    app.MainWindow().Buttons.Button("Stop")->trigger();
    WaitFor([&] { return app.engine().EngineState == mon::kStateIdle; }, 10);
    app.Finish();  // waits for the append worker
    std::printf("history files in %s:\n", o.dataDir.c_str());
    ListHistories(o.dataDir);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    Options o;
    o.libraryDir = o.programDir = QCoreApplication::applicationDirPath().toStdString();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--program-dir") o.programDir = value;
        else if (key == "--data-dir") o.dataDir = value;
        else if (key == "--port") o.port = value;
        else if (key == "--seconds") o.seconds = std::atoi(value.c_str());
        else if (key == "--idle") o.idleSeconds = std::atoi(value.c_str());
    }
    return Run(o);
}
