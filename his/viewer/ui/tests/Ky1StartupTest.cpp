// A KY1 file named on the command line is converted and its first new
// part is shown; the menu command converts without opening.
#include <gtest/gtest.h>

#include "PortelloModel.h"
#include "RewindoApp.h"
#include "UiTestHistory.h"
#include "his/store/tests/FakeKy1Source.h"
#include "Ky1JetFile.h"

namespace viewer::ui::test {
namespace {

class NoModel : public PortelloModel {
public:
    int16_t SetModel(int16_t model) override { return model; }
};

store::Ky1Mst Row(int16_t data, int16_t sdRd) {
    store::Ky1Mst r;
    r.Dtime = 40000.5;
    r.Data = data;
    r.SdRd = sdRd;
    return r;
}

class Ky1CommandLine : public ::testing::Test {
protected:
    Ky1CommandLine() {
        source.trg[0].SdChar = "41";
        source.rows = {Row(0x41, 0), Row(0x42, 1), Row(0x43, 0)};
        app.Context().Ky1SourceMake = [this] {
            return std::make_unique<store::test::FakeKy1Source>(source);
        };
        TempFolder::WriteAll(dir / "cap.ky1", "old");
    }

    TempFolder dir{"rewindo-ky1"};
    NoModel library;
    RewindoApp app{library, dir.path()};
    store::test::FakeKy1Source source;
};

TEST_F(Ky1CommandLine, ConvertsAndShowsTheFirstNewPartNotAnOlderOne) {
    HistoryPlan older;
    older.sd = Letters(10);
    ASSERT_TRUE(HistoryWrite(dir / "cap_01.ky2", older));
    app.Start(dir / "cap.ky1", false);
    EXPECT_EQ(app.Context().ConvertedParts, std::vector<std::string>{dir / "cap_02.ky2"});
    EXPECT_TRUE(app.Context().State.FileLoaded);
    EXPECT_EQ(app.MainWindow().windowTitle().toStdString(),
              "ヒストリ - [" + (dir / "cap_02.ky2") + "]");
    EXPECT_EQ(app.Context().gCommon->RecordCount(), 3);
    EXPECT_TRUE(app.MainWindow().isEnabled());
}

TEST_F(Ky1CommandLine, AFailedConversionSaysSoAndOpensNothing) {
    source.trgReadable = false;
    BoxAnswerer answer;
    app.Start(dir / "cap.ky1", false);
    EXPECT_EQ(answer.Messages, std::vector<std::string>{"変換に失敗しました"});
    EXPECT_FALSE(app.Context().State.FileLoaded);
    EXPECT_TRUE(app.Context().ConvertedParts.empty());
    EXPECT_TRUE(app.MainWindow().isEnabled());
}

TEST_F(Ky1CommandLine, TheMenuCommandConvertsWithoutOpening) {
    app.Start("", false);
    EXPECT_TRUE(app.MainWindow().OldHistoryConvert(dir / "cap.ky1"));
    EXPECT_EQ(app.Context().ConvertedParts, std::vector<std::string>{dir / "cap_01.ky2"});
    EXPECT_EQ(TempFolder::ReadAll(dir / "cap_01.ky2").substr(0, 17), "*** KY-Nubera ***");
    EXPECT_FALSE(app.Context().State.FileLoaded);
}

TEST(Ky1CommandLineRealFile, AnOldDatabaseIsReadThroughTheDatabaseLibraryAndShown) {
    TempFolder dir{"rewindo-ky1.v1.2"};
    store::test::Ky1Content content;
    content.mstCount = 3;
    content.mst = [](int32_t i) { return Row(static_cast<int16_t>(0x61 + i), static_cast<int16_t>(i % 2)); };
    ASSERT_TRUE(store::test::WriteKy1File(dir / "old.ky1", store::test::JetVersion::Jet4, content));
    NoModel library;
    RewindoApp app{library, dir.path()};
    app.Context().Ky1ReaderPath = KY1READ_PATH;  // the reader runs the database library
    app.Start(dir / "old.ky1", false);
    ASSERT_EQ(app.Context().ConvertedParts, std::vector<std::string>{dir / "old_01.ky2"});
    ASSERT_TRUE(app.Context().State.FileLoaded);
    EXPECT_EQ(app.Context().gCommon->GetSdCharB(), "ac");
    EXPECT_EQ(app.Context().gCommon->GetRdCharB(), "b");
}

}  // namespace
}  // namespace viewer::ui::test
