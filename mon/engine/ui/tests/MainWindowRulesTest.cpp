#include "MainWindowRules.h"

#include <gtest/gtest.h>

#include "Engine.h"
#include "FakePortello.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

TEST(ForcedMainSize, AnIdleWindowIsRaisedToTheMinimumHeightFirstThenWidth) {
    const TwipsSize saved{9000, 6000};
    EXPECT_EQ(ForcedMainSize(kStateIdle, {5000, 3000}, saved), (TwipsSize{5000, 4035}));
    EXPECT_EQ(ForcedMainSize(kStateIdle, {5000, 4035}, saved), (TwipsSize{7800, 4035}));
    EXPECT_EQ(ForcedMainSize(kStateIdle, {7800, 4035}, saved), std::nullopt);
    EXPECT_EQ(ForcedMainSize(kStateIdle, {12000, 9000}, saved), std::nullopt);
}

TEST(ForcedMainSize, ABusyEngineLocksTheSavedSize) {
    const TwipsSize saved{9000, 6000};
    for (int16_t state : {kStateConnecting, kStateMonitoring, kStateParamDownload}) {
        EXPECT_EQ(ForcedMainSize(state, {12000, 9000}, saved), saved) << state;
        EXPECT_EQ(ForcedMainSize(state, saved, saved), std::nullopt) << state;
    }
}

class NoView : public EngineView {
    void LampColorSet(uint32_t) override {}
    void PanelTextSet(const std::string&, const std::string&) override {}
    void DataColorsSet(int32_t, int32_t) override {}
    void StepMessageShow(const std::string&, const std::string&) override {}
    void StepMessageUnload() override {}
    void SettingsDialogsUnload() override {}
};

TEST(MainWindowMayEnable, OnlyWhenNoWindowThatDisablesItIsUp) {
    TempFolder dir;
    test::FakePortello api;
    test::FakeClock clock;
    NoView view;
    Engine engine(api, view, clock, dir.path());
    EXPECT_TRUE(MainWindowMayEnable(engine));
    engine.MessageShown = -1;
    EXPECT_FALSE(MainWindowMayEnable(engine));
    engine.MessageShown = 0;
    engine.PcDialogShown = -1;
    EXPECT_FALSE(MainWindowMayEnable(engine));
    engine.PcDialogShown = 0;
    engine.MonitorDialogShown = -1;
    EXPECT_FALSE(MainWindowMayEnable(engine));
}

}  // namespace
}  // namespace mon
