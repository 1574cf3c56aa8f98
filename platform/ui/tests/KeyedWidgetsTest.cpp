#include <gtest/gtest.h>

#include <QStatusBar>
#include <QToolBar>

#include "BgrColor.h"
#include "KeyedActions.h"
#include "KeyedPanels.h"

namespace platform {
namespace {

TEST(KeyedPanels, PanelsAreFoundByKeyAcrossBars) {
    QStatusBar first;
    QStatusBar second;
    KeyedPanels panels;
    panels.Add(&first, "Status", "", "", 0);
    QLabel* count = panels.Add(&first, "SdCount", "SD:000000", "ＳＤカウント", 1200);
    panels.Add(&second, "Code", "-", "表示コード", 900);

    EXPECT_EQ(panels.Keys(), QStringList({"Status", "SdCount", "Code"}));
    EXPECT_EQ(panels.Panel("SdCount"), count);
    EXPECT_EQ(count->toolTip(), "ＳＤカウント");
    EXPECT_EQ(panels.Panel("Code")->parentWidget(), &second);
    EXPECT_TRUE(panels.SetText("Code", "ASCII"));
    EXPECT_EQ(panels.Text("Code"), "ASCII");
    EXPECT_EQ(panels.Text("SdCount"), "SD:000000");
}

TEST(KeyedPanels, UnknownKeysChangeNothingAndKeysStayUnique) {
    QStatusBar bar;
    KeyedPanels panels;
    QLabel* status = panels.Add(&bar, "Status", "a", "", 0);
    EXPECT_EQ(panels.Add(&bar, "Status", "b", "", 0), status);
    EXPECT_EQ(panels.Text("Status"), "a");
    EXPECT_FALSE(panels.SetText("status", "x")) << "keys are case-sensitive";
    EXPECT_EQ(panels.Panel("Nothing"), nullptr);
    EXPECT_EQ(panels.Text("Nothing"), "");
}

TEST(KeyedActions, AClickReportsTheButtonsKey) {
    QToolBar bar;
    QStringList clicked;
    KeyedActions buttons([&](const QString& key) { clicked << key; });
    buttons.Add(&bar, "Start", QIcon(), "モニタ開始");
    QAction* stop = buttons.Add(&bar, "Stop", QIcon(), "モニタ終了");

    EXPECT_EQ(stop->toolTip(), "モニタ終了");
    buttons.Button("Start")->trigger();
    stop->trigger();
    EXPECT_EQ(clicked, QStringList({"Start", "Stop"}));
    EXPECT_TRUE(buttons.SetEnabled("Stop", false));
    stop->trigger();
    EXPECT_EQ(clicked.size(), 2) << "a disabled button does not report";
    EXPECT_FALSE(buttons.SetEnabled("Kill", false));
}

TEST(KeyedActions, AnExceptionInTheHandlerStaysInside) {
    QToolBar bar;
    KeyedActions buttons([](const QString&) { throw std::runtime_error("handler failed"); });
    buttons.Add(&bar, "Kill", QIcon(), "強制終了")->trigger();
    SUCCEED() << "trigger returned";
}

TEST(BgrColor, RedIsTheLowByte) {
    EXPECT_EQ(ColorFromBgr(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromBgr(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(ColorFromBgr(0xFF8000), QColor(0, 128, 255));
    EXPECT_EQ(ColorFromBgr(0x7F00FF00), QColor(0, 255, 0)) << "top byte ignored";
    EXPECT_EQ(BgrFromColor(QColor(0, 128, 255)), 0xFF8000u);
    EXPECT_EQ(BgrFromColor(QColor()), 0u);
}

}  // namespace
}  // namespace platform
