// The start-up as a whole: model setting, shared objects, colours file,
// main window and the command-line file; and the two small windows it uses.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "PortelloModel.h"
#include "RewindoApp.h"
#include "UiTestHistory.h"
#include "frmOpen.h"

namespace viewer::ui::test {
namespace {

class RecordingModel : public PortelloModel {
public:
    int16_t SetModel(int16_t model) override {
        models.push_back(model);
        return model;
    }
    std::vector<int16_t> models;
};

TEST(Startup, SetsModelOneCreatesRewindoIniAndOpensTheCommandLineFile) {
    TempFolder dir("rewindo-start");
    HistoryPlan plan;
    plan.sd = Letters(10);
    ASSERT_TRUE(HistoryWrite(dir / "cmd.ky2", plan));
    RecordingModel library;
    RewindoApp app(library, dir.path());
    app.Start(dir / "cmd.ky2", false);
    EXPECT_EQ(library.models, std::vector<int16_t>{1});
    EXPECT_EQ(TempFolder::ReadAll(dir / "Rewindo.ini").size(), kColorRecordSize);
    EXPECT_TRUE(app.MainWindow().isVisible());
    EXPECT_TRUE(app.Context().State.FileLoaded);
    EXPECT_EQ(app.MainWindow().windowTitle().toStdString(), "ヒストリ - [" + (dir / "cmd.ky2") + "]");
}

TEST(Startup, ACommandLineNamingNoFileStillShowsItInTheCaption) {
    TempFolder dir("rewindo-start");
    RecordingModel library;
    RewindoApp app(library, dir.path());
    BoxAnswerer answer;
    app.Start("/no/such.ky2", false);
    EXPECT_TRUE(answer.Messages.empty());
    EXPECT_FALSE(app.Context().State.FileLoaded);
    EXPECT_EQ(app.MainWindow().windowTitle().toStdString(), "ヒストリ - [/no/such.ky2]");
}

TEST(Startup, TheColoursOfAnExistingRewindoIniAreUsed) {
    TempFolder dir("rewindo-start");
    ColorRecord custom = DefaultColors();
    custom.EvenFore = 0x00123456;  // painted nowhere, but kept
    custom.OddBack = 0x00000080;
    ASSERT_TRUE(ColorIniWrite(ColorIniPath(dir.path()), custom));
    RecordingModel library;
    RewindoApp app(library, dir.path());
    app.Start("", false);
    EXPECT_EQ(app.Context().State.Colors, custom);
}

TEST(PortelloModel, TheRealLibrarySetsTheModel) {
    bool missing = false;
    auto library = LoadPortelloModel(PORTELLO_LIBRARY_PATH, [&](const std::string&) { missing = true; });
    EXPECT_EQ(library->SetModel(1), 1);
    EXPECT_FALSE(missing);
}

TEST(PortelloModel, AMissingLibraryIsReportedAtTheFirstCall) {
    std::string why;
    auto library = LoadPortelloModel("/no/such/libportello.so", [&](const std::string& w) { why = w; });
    EXPECT_TRUE(why.empty()) << "nothing is bound before the first call";
    EXPECT_EQ(library->SetModel(1), 0);
    EXPECT_NE(why.find("/no/such/libportello.so"), std::string::npos) << why;
}

TEST(frmOpen, AClickOnThePictureClosesTheSplashAtOnce) {
    frmOpen splash(QStringLiteral("Rewindo"));
    EXPECT_EQ(splash.Timer1->interval(), 3000);
    EXPECT_TRUE(splash.Timer1->isActive());
    splash.show();
    QTest::mouseClick(splash.Picture1, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer1->isActive()) << "the timer has nothing left to close";
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST(RewindoApp, TakesTheWholeCommandLineAsOnePath) {
    char prog[] = "rewindo";
    char a[] = "/data/my";
    char b[] = "capture.ky2";
    char* argv[] = {prog, a, b, nullptr};
    EXPECT_EQ(RewindoApp::CommandLineText(3, argv), "/data/my capture.ky2");
    EXPECT_EQ(RewindoApp::CommandLineText(1, argv), "");
}

}  // namespace
}  // namespace viewer::ui::test
