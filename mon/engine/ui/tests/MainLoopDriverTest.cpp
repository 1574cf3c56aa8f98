#include "MainLoopDriver.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QSignalSpy>

#include <string>
#include <vector>

#include "CapturoFixture.h"

namespace mon {
namespace {

class MainLoopDriverTest : public test::CapturoFixture {
protected:
    void SetUp() override {
        Start();
        PcDialogCancel();
    }
    void QueueLines(int n) {
        for (int i = 0; i < n; ++i) api_.Queue("A\r\n");
    }
    MainLoopDriver& driver() { return app_.Driver(); }
};

TEST_F(MainLoopDriverTest, ATickRunsPassesWhileLinesArriveThenIdlesAtTheLongInterval) {
    QueueLines(3);
    EXPECT_EQ(driver().Tick(), 4) << "three lines, then one pass that finds none";
    EXPECT_TRUE(api_.ring.empty());
    EXPECT_EQ(driver().Interval(), MainLoopDriver::kIdleIntervalMs);
    EXPECT_EQ(driver().Tick(), 1) << "a quiet line costs one pass a tick";
}

TEST_F(MainLoopDriverTest, ATickIsBoundedAndTheNextComesAtOnceWhenMoreWaits) {
    QueueLines(MainLoopDriver::kMaxPassesPerTick + 50);
    EXPECT_EQ(driver().Tick(), MainLoopDriver::kMaxPassesPerTick);
    EXPECT_EQ(driver().Interval(), 0);
    EXPECT_EQ(driver().Tick(), 51);
    EXPECT_EQ(driver().Interval(), MainLoopDriver::kIdleIntervalMs);
}

TEST_F(MainLoopDriverTest, AQuietLineThinsTheTicksUntilAByteASendOrAStepTimerIsDue) {
    std::vector<int> quiet;
    for (int i = 0; i < 6; ++i) {
        driver().Tick();
        quiet.push_back(driver().Interval());
    }
    EXPECT_EQ(quiet, (std::vector<int>{20, 40, 80, 160, MainLoopDriver::kQuietIntervalMs,
                                       MainLoopDriver::kQuietIntervalMs}));

    // Part of a line is no line, yet it is traffic: quick ticks again.
    api_.Queue("AB");
    EXPECT_EQ(driver().Tick(), 1);
    EXPECT_EQ(driver().Interval(), MainLoopDriver::kIdleIntervalMs);
    driver().Tick();
    EXPECT_EQ(driver().Interval(), 20);

    // A send to the unit cuts a running quiet wait short.
    for (int i = 0; i < 4; ++i) driver().Tick();
    driver().Start();
    driver().Tick();
    ASSERT_EQ(driver().Interval(), MainLoopDriver::kQuietIntervalMs);
    std::string text = "?";
    engine().Io.LineSend(text, 0);
    EXPECT_EQ(driver().Interval(), MainLoopDriver::kIdleIntervalMs);
    driver().Tick();
    EXPECT_EQ(driver().Interval(), MainLoopDriver::kIdleIntervalMs) << "the reply is awaited at once";
    driver().Stop();

    // An armed step timer is looked at when it falls due.
    engine().Io.StepTimerStart(400);
    for (int i = 0; i < 6; ++i) driver().Tick();
    EXPECT_EQ(driver().Interval(), MainLoopDriver::kQuietIntervalMs);
    clock_.ms += 370;
    driver().Tick();
    EXPECT_EQ(driver().Interval(), 30);
    clock_.ms += 30;
    EXPECT_EQ(engine().Io.StepTimeUp(), -1);
}

TEST_F(MainLoopDriverTest, AModalWindowHoldsThePassesBack) {
    QueueLines(2);
    QDialog modal;
    modal.setModal(true);
    modal.show();
    EXPECT_EQ(driver().Tick(), 0);
    EXPECT_EQ(api_.ring.size(), 6u) << "nothing was read";
    modal.hide();
    EXPECT_EQ(driver().Tick(), 3);
}

TEST_F(MainLoopDriverTest, ClosingTheMainWindowStopsTheLoopOnce) {
    QSignalSpy stopped(&driver(), &MainLoopDriver::Stopped);
    driver().Start();
    ASSERT_TRUE(main().close());
    QueueLines(1);
    EXPECT_EQ(driver().Tick(), 0) << "no pass after the exit was asked for";
    EXPECT_FALSE(driver().IsRunning());
    driver().Tick();
    EXPECT_EQ(stopped.count(), 1);
}

}  // namespace
}  // namespace mon
