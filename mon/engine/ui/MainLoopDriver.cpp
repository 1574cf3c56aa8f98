#include "MainLoopDriver.h"

#include <QApplication>

#include "Engine.h"
#include "platform/ui/NoThrow.h"

namespace mon {

MainLoopDriver::MainLoopDriver(Engine& engine, QObject* parent) : QObject(parent), engine_(engine) {
    timer_.setInterval(kIdleIntervalMs);
    connect(&timer_, &QTimer::timeout, this,
            [this] { platform::NoThrow("main loop", [&] { Tick(); }); });
}

void MainLoopDriver::Start() { timer_.start(kIdleIntervalMs); }

void MainLoopDriver::Stop() { timer_.stop(); }

bool MainLoopDriver::ExitAsked() const { return engine_.ExitRequested == -1; }

int MainLoopDriver::Tick() {
    // A window that runs its own event loop inside a pass must not start
    // another pass under the first one's feet.
    if (inTick_) return 0;
    if (ExitAsked()) {
        ExitNow();
        return 0;
    }
    // While a modal window is up the loop waits, as the windows expect.
    if (QApplication::activeModalWidget() != nullptr) return 0;
    inTick_ = true;
    int passes = 0;
    try {
        passes = RunPasses();
    } catch (...) {
        inTick_ = false;
        throw;
    }
    inTick_ = false;
    if (ExitAsked()) ExitNow();
    return passes;
}

int MainLoopDriver::RunPasses() {
    int passes = 0;
    bool lineTaken = false;
    const int64_t until = engine_.Clock.NowMs() + kTickBudgetMs;
    while (passes < kMaxPassesPerTick) {
        lineTaken = engine_.Pass();
        ++passes;
        if (!lineTaken || ExitAsked()) break;
        if (passes % 16 == 0 && engine_.Clock.NowMs() >= until) break;
    }
    // The window is drawn once for all the records of the tick.
    engine_.TickEnd();
    // More may be waiting when the last pass still took a line.
    timer_.setInterval(lineTaken ? 0 : kIdleIntervalMs);
    return passes;
}

void MainLoopDriver::ExitNow() {
    timer_.stop();
    if (stopReported_) return;
    stopReported_ = true;
    emit Stopped();
}

}  // namespace mon
