#include "MainLoopDriver.h"

#include <QApplication>

#include <algorithm>

#include "Engine.h"
#include "platform/ui/NoThrow.h"

namespace mon {

MainLoopDriver::MainLoopDriver(Engine& engine, QObject* parent) : QObject(parent), engine_(engine) {
    timer_.setInterval(kIdleIntervalMs);
    connect(&timer_, &QTimer::timeout, this,
            [this] { platform::NoThrow("main loop", [&] { Tick(); }); });
    engine_.Io.Activity = [this] { Wake(); };
}

MainLoopDriver::~MainLoopDriver() { engine_.Io.Activity = nullptr; }

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

void MainLoopDriver::Wake() {
    woken_ = true;
    quietMs_ = kIdleIntervalMs;
    if (inTick_ || !timer_.isActive()) return;
    if (timer_.remainingTime() > kIdleIntervalMs) timer_.start(kIdleIntervalMs);
}

int MainLoopDriver::RunPasses() {
    int passes = 0;
    bool lineTaken = false;
    const uint64_t receivedBefore = engine_.Io.BytesReceived();
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
    timer_.setInterval(lineTaken ? 0 : NextInterval(engine_.Io.BytesReceived() != receivedBefore));
    woken_ = false;
    return passes;
}

int MainLoopDriver::NextInterval(bool bytesArrived) {
    // Connecting and downloading wait on replies and on their own step
    // limits: they keep the quick ticks throughout.
    const bool talking = engine_.EngineState == kStateConnecting || engine_.EngineState == kStateParamDownload;
    if (bytesArrived || woken_ || talking) {
        quietMs_ = kIdleIntervalMs;
    } else {
        quietMs_ = std::min(quietMs_ * 2, kQuietIntervalMs);
    }
    int next = quietMs_;
    // The step timer is seen when it falls due, not a quiet tick later.
    const int64_t due = engine_.Io.StepTimerDueInMs();
    if (due > 0) next = static_cast<int>(std::min<int64_t>(next, due));
    return next;
}

void MainLoopDriver::ExitNow() {
    timer_.stop();
    if (stopReported_) return;
    stopReported_ = true;
    emit Stopped();
}

}  // namespace mon
