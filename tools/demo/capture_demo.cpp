// Runs a capture the way a user would, without a screen: Capturo's own
// windows on the offscreen platform, the PC-link dialog filled in and
// accepted, Start, a few seconds of monitoring, Stop and the unit's end
// record; then it lists every file the capture left. It reads the windows
// as a user would: the texts of the message boxes and of the step window
// are noted and printed when something goes wrong, and the question about
// history files already in the data folder is answered as a user who
// continues the numbering answers it. The exit code is 0 only for a whole
// capture. With --idle it instead stays connected and idle and reports how
// often its main thread woke and how much processor time the program used
// meanwhile, beside bare event loops with one timer each, measured the same
// way before the program starts.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <sys/resource.h>

#include <fstream>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "CapturoApp.h"
#include "EngineClock.h"
#include "LiveDisplay.h"
#include "MainLoopDriver.h"
#include "PortelloApi.h"
#include "frmMessage.h"
#include "frmMsgBox.h"
#include "frmSetKyPc.h"
#include "his/store/clsCommon.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kExistingFilesQuestion[] = "既存のファイルがあります。継続しますか？";
constexpr int kConnectSeconds = 30;
constexpr int kEndRecordSeconds = 10;
constexpr int kAppendSeconds = 10;
constexpr int kListedUnits = 12;

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

// The main thread's wake-ups (its voluntary context switches: each time it
// slept and was woken) and its processor time, and the whole process's.
struct Usage {
    long long wakeUps = 0;
    double threadCpu = 0;
    double processCpu = 0;
    Clock::time_point at;

    static Usage Now() {
        Usage u;
        std::ifstream status("/proc/thread-self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) u.wakeUps = std::atoll(line.c_str() + 24);
        }
        auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
        rusage r {};
        ::getrusage(RUSAGE_THREAD, &r);
        u.threadCpu = s(r.ru_utime) + s(r.ru_stime);
        u.processCpu = CpuSeconds();
        u.at = Clock::now();
        return u;
    }
};

// Runs the event loop for that long with no timer of its own, and prints
// what the main thread and the process used meanwhile.
void IdleMeasure(const char* what, int seconds, const char* goal) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    const Usage before = Usage::Now();
    loop.exec();
    const Usage after = Usage::Now();
    const double wall = std::chrono::duration<double>(after.at - before.at).count();
    std::printf("%-48s %5.1f s: %6.1f wake-ups/s, main thread %.3f %%, process %.3f %% of one core%s%s\n",
                what, wall, static_cast<double>(after.wakeUps - before.wakeUps) / wall,
                100.0 * (after.threadCpu - before.threadCpu) / wall,
                100.0 * (after.processCpu - before.processCpu) / wall, *goal != 0 ? "  " : "", goal);
}

// A bare event loop, measured as the program is: one timer that ticks and
// does nothing, every 10 ms (what the monitor's quiet tick used to be) and
// as seldom as the monitor's quiet ticks come now.
void BareLoopMeasure(int seconds) {
    for (const int ms : {10, mon::MainLoopDriver::kQuietIntervalMs}) {
        QTimer tick;
        tick.start(ms);
        const std::string what = "bare event loop with a " + std::to_string(ms) + " ms timer";
        IdleMeasure(what.c_str(), seconds, "");
    }
}

// Looks at the program's windows every few milliseconds, in every event
// loop, modal ones included.
class WindowReader : public QObject {
public:
    WindowReader() {
        QObject::connect(&look_, &QTimer::timeout, this, [this] { Look(); });
        look_.start(20);
    }
    // No more looks: the idle measurement counts every wake-up.
    void Stop() { look_.stop(); }

    // What the message boxes and the step window said, in order, up to now.
    void Print() {
        Look();
        if (seen_.empty()) {
            std::fprintf(stderr, "  no message box or step window was shown\n");
            return;
        }
        for (const std::string& text : seen_) std::fprintf(stderr, "  %s\n", text.c_str());
    }

private:
    void Look() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible()) continue;
            if (auto* box = qobject_cast<mon::frmMsgBox*>(w)) {
                BoxRead(*box);
            } else if (auto* step = qobject_cast<mon::frmMessage*>(w)) {
                Note("step window: " + step->lblMessage->text().toStdString());
            }
        }
    }
    void BoxRead(mon::frmMsgBox& box) {
        const std::string text = box.lblMessege->text().toStdString();
        Note("message box \"" + box.windowTitle().toStdString() + "\": " + text);
        if (text == kExistingFilesQuestion && box.cmdOk->isVisible()) {
            std::printf("the data folder holds history files already; continuing their numbering (はい)\n");
            box.cmdOk->click();
        }
    }
    void Note(const std::string& text) {
        if (seen_.empty() || seen_.back() != text) seen_.push_back(text);
    }

    QTimer look_;
    std::vector<std::string> seen_;
};

bool Connect(mon::CapturoApp& app, const Options& o) {
    mon::frmSetKyPc* dialog = app.MainWindow().SetKyPcWindow();
    if (dialog == nullptr) return false;
    dialog->cmbPort->setEditText(QString::fromStdString(o.port));
    dialog->txtDataDirectory->setText(QString::fromStdString(o.dataDir));
    dialog->cmdSetting->click();
    std::printf("connecting to the unit on %s ...\n", o.port.c_str());
    // The dialog stays open when it refuses the settings, and says why.
    auto refused = [&] {
        const mon::frmMsgBox* box = app.MsgBox().Window();
        return app.MainWindow().SetKyPcWindow() != nullptr && box != nullptr && box->isVisible();
    };
    auto connected = [&] {
        return app.engine().EngineState == mon::kStateIdle && app.MainWindow().SetKyPcWindow() == nullptr;
    };
    WaitFor([&] { return connected() || refused(); }, kConnectSeconds);
    return connected() && app.engine().LampState == mon::kLampGreen;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool TemporaryLeft(const std::string& dataDir) {
    return !QDir(QString::fromStdString(dataDir)).entryList({"*.tmp"}, QDir::Files).isEmpty();
}

// A history file: its counts and times, then its first units with their
// character times (the TIME column of the live grid and the viewer).
bool HistoryList(const std::string& path) {
    store::clsCommon doc;
    if (!doc.Read(path)) {
        std::printf("  not readable as a history file\n");
        return false;
    }
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    int32_t timed = 0;
    for (int32_t i = 0; i < total; ++i) timed += doc.Record(i)->TimIndex >= 0 ? 1 : 0;
    std::printf("  %d units (SD %d, RD %d), %d with a character time, character times %s; monitoring %s to %s\n",
                total, sd, rd, timed, doc.CharTime() != 0 ? "on" : "off",
                platform::FormatDateTime(doc.MonitorStart()).c_str(),
                platform::FormatDateTime(doc.MonitorStop()).c_str());
    std::printf("  %6s %2s %4s %-19s %s\n", "TR", "CH", "DATA", "DATE", "TIME");
    for (int32_t i = 0; i < std::min(total, kListedUnits); ++i) {
        const store::HistoryRecord& r = *doc.Record(i);
        const std::string time = doc.CharTime() != 0 && r.TimIndex >= 0 && r.TimValue != 0
                                     ? mon::CharTimeText(r.TimIndex, r.TimValue)
                                     : "";
        std::printf("  %6d %2s   %02X %s %s\n", i + 1, r.Flag(store::kAttrRd) ? "R" : "S", r.Data,
                    platform::FormatDateTime(r.DateTime).c_str(), time.c_str());
    }
    return total > 0;
}

// Every file the capture left: the histories read back, the event log's
// lines, the sizes of the rest. False when a history cannot be read or a
// temporary file was left.
bool FilesList(const std::string& dataDir) {
    const QDir dir(QString::fromStdString(dataDir));
    const QStringList names = dir.entryList({"*.ky2", "*.tmp", "*.k21", "*.k22"}, QDir::Files, QDir::Name);
    std::printf("files in %s:\n", dataDir.c_str());
    bool whole = true;
    int histories = 0;
    for (const QString& name : names) {
        const std::string path = dataDir + "/" + name.toStdString();
        const std::string lower = Lower(name.toStdString());
        std::printf("%s (%lld bytes)\n", path.c_str(), static_cast<long long>(QFileInfo(dir, name).size()));
        if (EndsWith(lower, ".ky2")) {
            ++histories;
            whole = HistoryList(path) && whole;
        } else if (EndsWith(lower, ".tmp")) {
            std::printf("  a temporary file the append did not take up\n");
            whole = false;
        } else if (EndsWith(lower, ".k21")) {
            QFile log(QString::fromStdString(path));
            if (log.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : log.readAll().split('\n')) {
                    const std::string text = platform::Cp932ToUtf8(line.trimmed().toStdString());
                    if (!text.empty()) std::printf("  %s\n", text.c_str());
                }
            }
        }
    }
    if (histories == 0) std::printf("  no history file\n");
    return whole && histories > 0;
}

int Fail(mon::CapturoApp& app, WindowReader& reader, const char* why) {
    std::fflush(stdout);
    std::fprintf(stderr, "capture_demo: %s\n", why);
    reader.Print();
    app.Finish();
    return 1;
}

int Idle(mon::CapturoApp& app, WindowReader& reader, const Options& o) {
    reader.Stop();
    // The connect's last messages and the quick ticks after it settle first.
    Pause(1);
    IdleMeasure("Capturo connected to the unit, idle", o.idleSeconds,
                "goal <= 10 wake-ups/s and < 0.1 % of one core");
    app.Finish();
    return 0;
}

int Run(const Options& o) {
    std::unique_ptr<mon::PortelloApi> library =
        mon::LoadPortello(o.libraryDir + "/libportello.so", [](const std::string& why) {
            std::fprintf(stderr, "capture_demo: %s\n", why.c_str());
            std::exit(2);
        });
    if (o.idleSeconds > 0) BareLoopMeasure(o.idleSeconds);
    mon::SystemClock clock;
    mon::CapturoApp app(*library, clock, o.programDir);
    WindowReader reader;
    app.Start(false);
    if (!Connect(app, o)) return Fail(app, reader, "the unit did not connect");
    std::printf("connected; the monitoring conditions are downloaded\n");
    if (o.idleSeconds > 0) return Idle(app, reader, o);

    mon::Engine& engine = app.engine();
    app.MainWindow().Buttons.Button("Start")->trigger();
    if (engine.EngineState != mon::kStateMonitoring) return Fail(app, reader, "monitoring did not start");
    std::printf("monitoring for %d s ...\n", o.seconds);
    Pause(o.seconds);
    if (engine.EngineState != mon::kStateMonitoring) return Fail(app, reader, "monitoring ended early");
    app.MainWindow().Buttons.Button("Stop")->trigger();
    bool ended = WaitFor([&] { return engine.EngineState == mon::kStateIdle; }, kEndRecordSeconds);
    if (!ended) {
        std::printf("no end record from the unit after %d s; Kill\n", kEndRecordSeconds);
        app.MainWindow().Buttons.Button("Kill")->trigger();
    }
    std::printf("monitoring ended; %s\n", app.MainWindow().Panels.Text("DualCount").toStdString().c_str());
    // The last file goes to the history on the library's own thread.
    WaitFor([&] { return !TemporaryLeft(o.dataDir); }, kAppendSeconds);
    app.Finish();
    const bool whole = FilesList(o.dataDir);
    if (!ended) return Fail(app, reader, "the capture was ended by Kill");
    if (!whole) return Fail(app, reader, "the capture left no whole history");
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
