#include "LinkEditDoc.h"

#include <gtest/gtest.h>

#include <deque>

#include "AnswerQueue.h"

#include "FrameTestFiles.h"
#include "platform/file/tests/FileSizeLimit.h"
#include "platform/file/tests/TempFolder.h"

namespace analyser::editors {
namespace {

using Icon = LinkEditView::Icon;

class FakeView : public LinkEditView {
public:
    void Message(const std::string& text, Icon icon) override {
        shown.push_back((icon == Icon::Exclamation ? "!" : "i") + text);
    }
    std::string FilePick(int16_t kind) override {
        kinds.push_back(kind);
        return test::NextAnswer(picks);
    }
    std::string SaveAsk() override {
        ++saveAsks;
        return test::NextAnswer(saves);
    }
    void Refresh() override { ++refreshes; }
    SaveAnswer AskSave(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }

    std::deque<std::string> picks, saves;
    std::vector<std::string> questions;
    SaveAnswer answer = SaveAnswer::Cancel;
    std::vector<std::string> shown;
    std::vector<int16_t> kinds;
    int saveAsks = 0, refreshes = 0;
};

struct Files {
    TempFolder dir;
    std::string ppp = dir / "ppp.kyf";
    std::string noCode = dir / "nocode.kyf";
    std::string empty = dir / "empty.kyf";
    Files() {
        EXPECT_TRUE(frames::clsFrameConfig().FramePPPWrite(ppp));
        frames::test::WriteConfig(noCode, frames::test::Config({{"データ", 2, 8}}));
        frames::test::WriteFile(empty, "");
    }
};

TEST(LinkEditDoc, FromThePppConfigurationToAReadableTable) {
    Files f;
    FakeView view;
    std::string configFolder, linkFolder;
    LinkEditDoc doc(view, {&configFolder, &linkFolder});
    EXPECT_FALSE(doc.TableOpen());
    view.picks = {f.ppp};
    doc.NewFromConfig();
    EXPECT_EQ(view.kinds, std::vector<int16_t>({LinkEditView::kPickConfig}));
    EXPECT_EQ(configFolder, f.dir.path());
    ASSERT_TRUE(doc.TableOpen());
    LinkEditTable& t = doc.Table();
    ASSERT_EQ(t.CodeColumns(), 1);
    EXPECT_EQ(t.Columns()[0], (LinkColumn{"プロトコル", 4, 4}));
    EXPECT_EQ(t.Rows(), 9);

    std::string cell;
    for (char key : {'c', '0', '2', '1'}) cell = CodeKeyed(cell, CodeDigitOfKey(key), t.Columns()[0].digits);
    t.RowUpdate(1, "LCP", kDirRight, 0x0000FF, {cell});
    t.RowUpdate(2, "その他", kDirLeft, 0, {"*"});

    // The name is asked for first.
    doc.Save();
    EXPECT_EQ(view.shown, std::vector<std::string>({std::string("i") + kMsgLinkNameRequired}));
    EXPECT_EQ(view.saveAsks, 0);
    view.shown.clear();
    doc.LinkName("ＰＰＰ関連付け");
    doc.Save();  // cancelled dialog: nothing written, nothing shown
    EXPECT_EQ(view.saveAsks, 1);
    EXPECT_TRUE(f.dir.Names() == std::vector<std::string>({"empty.kyf", "nocode.kyf", "ppp.kyf"}));
    view.saves = {f.dir / "ppp.kyl"};
    doc.Save();
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(linkFolder, f.dir.path());

    frames::clsLink read;
    ASSERT_TRUE(read.LinkRead(f.dir / "ppp.kyl"));
    EXPECT_EQ(read.LinkName(), "ＰＰＰ関連付け");
    EXPECT_EQ(read.LinkMax(), 9);
    EXPECT_EQ(read.ItemMax(), 1);
    EXPECT_EQ(read.Position(0), 4);
    read.ListIndex(0);
    EXPECT_EQ(read.ObjectCode(0), 0xC021);
    EXPECT_EQ(read.ItemName(), "LCP");
    EXPECT_EQ(read.Direction(), 1);
    EXPECT_EQ(read.BackColor(), 255);
    read.ListIndex(1);
    EXPECT_EQ(read.ObjectCode(0), -1);
    read.ListIndex(2);
    EXPECT_EQ(read.ObjectCode(0), 0) << "an empty code saves as 0";
    EXPECT_EQ(read.BackColor(), kLinkBlack);
    EXPECT_EQ(read.SelFind("49185"), "LCP");

    // Opened again: the codes show, the headers wait for a re-link.
    LinkEditDoc again(view);
    ASSERT_TRUE(again.LoadLink(f.dir / "ppp.kyl"));
    EXPECT_EQ(again.LinkName(), "ＰＰＰ関連付け");
    EXPECT_EQ(again.Table().Row(1).codes[0], "C021");
    EXPECT_EQ(again.Table().Columns()[0].header, "");
    view.picks = {f.ppp};
    again.Relink();
    EXPECT_EQ(again.Table().Columns()[0].header, "プロトコル");
    EXPECT_EQ(again.Table().Row(1).codes[0], "C021");
}

TEST(LinkEditDoc, EveryRefusalLeavesTheTable) {
    Files f;
    FakeView view;
    LinkEditDoc doc(view);
    ASSERT_TRUE(doc.BuildFromConfig(f.ppp));
    doc.Table().SetCode(1, 0, "21");
    const LinkEditTable kept = doc.Table();
    const std::string noCodeText = "iフレーム構成ファイル(" + f.noCode +
                                   ")にはタイプ「コード」が含まれていないため、\n"
                                   "このファイルを元に関連付けファイルを作成することはできません。";

    EXPECT_FALSE(doc.BuildFromConfig(f.empty));
    EXPECT_FALSE(doc.BuildFromConfig(f.dir / "missing.kyf"));
    EXPECT_FALSE(doc.BuildFromConfig(f.noCode));
    EXPECT_FALSE(doc.RelinkTo(f.empty));
    EXPECT_FALSE(doc.RelinkTo(f.noCode));
    EXPECT_FALSE(doc.LoadLink(f.ppp));
    EXPECT_EQ(view.shown, std::vector<std::string>({"!ファイルが不正です(ListIndex=0)", "!ファイルが不正です(ListIndex=0)",
                                                    noCodeText, "!ファイルが不正です", noCodeText,
                                                    "!" + f.ppp + "の読込に失敗しました"}));
    EXPECT_EQ(doc.Table(), kept);
    EXPECT_TRUE(doc.TableOpen());

    // A write that fails is reported; the old file stays whole.
    doc.LinkName("名");
    ASSERT_TRUE(doc.fSaveLinkTbl(f.dir / "t.kyl"));
    const std::string before = frames::test::ReadFile(f.dir / "t.kyl");
    view.shown.clear();
    EXPECT_FALSE(doc.fSaveLinkTbl(f.dir / "missing/t.kyl"));
    EXPECT_EQ(view.shown, std::vector<std::string>({"!" + f.dir / "missing/t.kyl" + "\nファイルの保存に失敗しました"}));
    doc.Table().SetCode(1, 0, "99");
    {
        FileSizeLimit full(20);  // the disk fills up halfway through
        EXPECT_FALSE(doc.fSaveLinkTbl(f.dir / "t.kyl"));
    }
    EXPECT_EQ(frames::test::ReadFile(f.dir / "t.kyl"), before);

    // Nothing to re-link or save before a table is open.
    LinkEditDoc closed(view);
    view.kinds.clear();
    closed.Relink();
    closed.Save();
    EXPECT_TRUE(view.kinds.empty());
}

// The changes the window's closing asks about: any difference from what
// was built, opened or saved, in the table or its name.
TEST(LinkEditDoc, ChangesAreWhatDiffersFromTheLastBuildOpenOrSave) {
    Files f;
    FakeView view;
    LinkEditDoc doc(view);
    EXPECT_FALSE(doc.Dirty()) << "no table, nothing to lose";
    EXPECT_TRUE(doc.ChangesResolved());
    ASSERT_TRUE(doc.BuildFromConfig(f.ppp));
    EXPECT_FALSE(doc.Dirty()) << "a new table is as it was built";
    EXPECT_EQ(doc.FileName(), kUntitled);

    doc.Table().SetCode(1, 0, "21");
    EXPECT_TRUE(doc.Dirty());
    doc.Table().SetCode(1, 0, "");
    EXPECT_FALSE(doc.Dirty()) << "typed back as it was";
    doc.LinkName("名");
    EXPECT_TRUE(doc.Dirty());

    // Cancel keeps the table; No lets it go; neither saves.
    view.answer = SaveAnswer::Cancel;
    EXPECT_FALSE(doc.ChangesResolved());
    view.answer = SaveAnswer::No;
    EXPECT_TRUE(doc.ChangesResolved());
    EXPECT_EQ(view.questions, std::vector<std::string>(2, "\"無題\"は変更されています。保存しますか?"));
    EXPECT_EQ(view.saveAsks, 0);

    // Yes runs the save command: a cancelled save dialog keeps the window.
    view.answer = SaveAnswer::Yes;
    EXPECT_FALSE(doc.ChangesResolved());
    EXPECT_EQ(view.saveAsks, 1);
    view.saves = {f.dir / "t.kyl"};
    EXPECT_TRUE(doc.ChangesResolved());
    EXPECT_FALSE(doc.Dirty());
    EXPECT_EQ(doc.FileName(), f.dir / "t.kyl");

    // Opened, the table is unchanged until edited; a re-link changes it.
    LinkEditDoc opened(view);
    ASSERT_TRUE(opened.LoadLink(f.dir / "t.kyl"));
    EXPECT_FALSE(opened.Dirty());
    ASSERT_TRUE(opened.RelinkTo(f.ppp));
    EXPECT_TRUE(opened.Dirty()) << "the code columns took their names";
    view.questions.clear();
    view.answer = SaveAnswer::No;
    EXPECT_TRUE(opened.ChangesResolved());
    EXPECT_EQ(view.questions, std::vector<std::string>{"\"" + f.dir / "t.kyl" + "\"は変更されています。保存しますか?"});
}

}  // namespace
}  // namespace analyser::editors
