// Runs the engine's passes from a timer. While lines arrive it runs pass
// after pass in one tick, draws the live display once for all of them and
// ticks again at once; when the line is quiet it ticks every few
// milliseconds, so a connected, idle program hardly uses the processor.
// A modal window holds the passes back, and once the engine asks to exit
// the driver stops and says so.
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

    explicit MainLoopDriver(Engine& engine, QObject* parent = nullptr);

    void Start();
    void Stop();
    bool IsRunning() const { return timer_.isActive(); }
    int Interval() const { return timer_.interval(); }

    // One tick; the number of passes it ran. Also for tests, which tick by
    // hand instead of starting the timer.
    int Tick();

signals:
    // The engine asked to exit; the driver has stopped. Sent once.
    void Stopped();

private:
    bool ExitAsked() const;
    int RunPasses();
    void ExitNow();

    Engine& engine_;
    QTimer timer_;
    bool inTick_ = false;
    bool stopReported_ = false;
};

}  // namespace mon
