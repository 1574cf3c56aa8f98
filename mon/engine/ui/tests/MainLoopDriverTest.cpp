#include "MainLoopDriver.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QSignalSpy>

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
