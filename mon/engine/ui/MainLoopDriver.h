// Runs the engine's passes from a timer. While lines arrive it runs pass
// after pass in one tick, draws the live display once for all of them and
// ticks again at once; while bytes trickle in it ticks every few
// milliseconds. When nothing arrives the ticks thin out, to four a
// second, so a connected, idle program hardly ever wakes; the first byte,
// anything the engine sends and a step timer falling due bring the quick
// ticks back. A modal window holds the passes back, and once the engine
// asks to exit the driver stops and says so.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace mon {

class Engine;

class MainLoopDriver : public QObject {
    Q_OBJECT

public:
    // A tick runs passes while lines wait, up to this many or for this
    // long (on the engine's clock), so that the windows are served between
    // ticks however fast the unit sends, and a burst of short records is
    // drawn once rather than every few hundred.
    static constexpr int kMaxPassesPerTick = 2000;
    static constexpr int64_t kTickBudgetMs = 8;
    static constexpr int kIdleIntervalMs = 10;
    // The longest wait between two quiet ticks. The ring's 64 KB take well
    // over a second of the fastest line, and a hang-up or a fallen DSR is
    // still seen within this time.
    static constexpr int kQuietIntervalMs = 250;

    explicit MainLoopDriver(Engine& engine, QObject* parent = nullptr);
    ~MainLoopDriver() override;

    void Start();
    void Stop();
    bool IsRunning() const { return timer_.isActive(); }
    int Interval() const { return timer_.interval(); }

    // One tick; the number of passes it ran. Also for tests, which tick by
    // hand instead of starting the timer.
    int Tick();
    // The engine is about to hear from the unit: tick soon.
    void Wake();

signals:
    // The engine asked to exit; the driver has stopped. Sent once.
    void Stopped();

private:
    bool ExitAsked() const;
    int RunPasses();
    // The wait before the next tick after one that took no line.
    int NextInterval(bool bytesArrived);
    void ExitNow();

    Engine& engine_;
    QTimer timer_;
    bool inTick_ = false;
    bool stopReported_ = false;
    bool woken_ = false;
    int quietMs_ = kIdleIntervalMs;
};

}  // namespace mon
