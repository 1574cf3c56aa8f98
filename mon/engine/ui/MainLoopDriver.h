// Runs the engine's passes from a timer. While lines arrive it runs pass
// after pass in one tick and ticks again at once; when the line is quiet
// it ticks every few milliseconds, so a connected, idle program hardly
// uses the processor. A modal window holds the passes back, and once the
// engine asks to exit the driver stops and says so.
#pragma once

#include <QObject>
#include <QTimer>

namespace mon {

class Engine;

class MainLoopDriver : public QObject {
    Q_OBJECT

public:
    // Passes in one tick at most, so that the windows are served between
    // ticks however fast the unit sends.
    static constexpr int kMaxPassesPerTick = 200;
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
