#include "FrameMakeDoc.h"

#include <gtest/gtest.h>

#include <deque>

#include "AnswerQueue.h"

#include "FrameTestFiles.h"
#include "clsFrameConfig.h"
#include "platform/file/tests/TempFolder.h"

namespace analyser::editors {
namespace {

using Answer = FrameMakeView::Answer;

class FakeView : public FrameMakeView {
public:
    void Warn(const std::string& text) override { shown.push_back("!" + text); }
    void Inform(const std::string& text) override { shown.push_back("i" + text); }
    Answer AskSave(const std::string& text) override {
        shown.push_back("?" + text);
        return answer;
    }
    std::string SaveAsk(const std::string& title) override {
        titles.push_back(title);
        return test::NextAnswer(savePaths);
    }
    std::string ConfigPick() override {
        ++picks;
        return test::NextAnswer(pickPaths);
    }
    void Refresh() override { ++refreshes; }
    void CheckFocus(const ItemsCheckResult& result) override { focus = result.focus; }


    Answer answer = Answer::Yes;
    std::deque<std::string> savePaths, pickPaths;
    std::vector<std::string> shown, titles;
    int picks = 0, refreshes = 0;
    ItemsCheckResult::Focus focus = ItemsCheckResult::Focus::None;
};

ItemPanel Panel(const char* name, const char* type, const char* size, const char* unit) {
    ItemPanel p;
    p.name = name;
    p.type = type;
    p.size = size;
    p.unit = unit;
    return p;
}

// A length item of 2 bytes counting (in 2-byte units) a variable item and
// a code item, between a code item and an FCS, entered as a user does:
// through the panel and the span list, and one in-cell edit.
void Enter(FrameMakeDoc& doc) {
    doc.NameChange("長さ付きフレーム");
    doc.Update(1, Panel("種別", kTypeCode, "1", kUnitByte));
    ItemPanel length = Panel("長さ", kTypeLength, "2", kUnitByte);
    length.lengthUnit = "2バイト";
    doc.RowAdd();
    doc.Update(2, length);
    doc.RowAdd();
    doc.Update(3, Panel("本文", kTypeData, "0", kUnitVariable));
    doc.RowAdd();
    doc.Update(4, Panel("命令", kTypeCode, "12", kUnitBit));
    doc.RowAdd();
    doc.Update(5, Panel("ＦＣＳ", kTypeData, "2", kUnitBit));
    doc.CellEdit(5, kColSize, "4");
    length.spans = {SpanEntry(3, "本文"), SpanEntry(4, "命令")};
    doc.Update(2, length);
}

frames::clsFrameConfig Expected() {
    using frames::test::ItemSpec;
    return frames::test::Config({{"種別", 0, 8},
                                 {"長さ", 1, 16, 0, 2},
                                 {"本文", 2, 0, 2},
                                 {"命令", 0, 12, 2},
                                 {"ＦＣＳ", 2, 4}},
                                0, "長さ付きフレーム");
}

TEST(FrameMakeDoc, SavesWhatWasEnteredAndReadsItBack) {
    TempFolder dir;
    FakeView view;
    std::string folder = "/";
    FrameMakeDoc doc(view, &folder);
    EXPECT_EQ(doc.Caption(), "フレーム構成作成 - 無題");
    Enter(doc);
    EXPECT_TRUE(doc.Dirty());
    EXPECT_EQ(doc.Items().CountedBy(2), std::vector<int>({3, 4}));

    view.savePaths = {dir / "span.kyf"};
    ASSERT_TRUE(doc.Save()) << "an untitled configuration saves as";
    EXPECT_EQ(view.titles, std::vector<std::string>({""}));
    EXPECT_FALSE(doc.Dirty());
    EXPECT_EQ(doc.FileName(), dir / "span.kyf");
    EXPECT_EQ(folder, dir.path());
    EXPECT_TRUE(view.shown.empty()) << view.shown.front();

    frames::clsFrameConfig read;
    ASSERT_TRUE(read.FrameRead(dir / "span.kyf"));
    EXPECT_EQ(read, Expected());

    // Loading it shows its items and one empty row; saving drops that row.
    FrameMakeDoc other(view);
    ASSERT_TRUE(other.Load(dir / "span.kyf"));
    EXPECT_EQ(other.Items().Count(), 6);
    EXPECT_EQ(other.Name(), "長さ付きフレーム");
    EXPECT_EQ(other.Caption(), "フレーム構成作成 - " + dir / "span.kyf");
    EXPECT_FALSE(other.Dirty());
    ASSERT_TRUE(other.Save());
    EXPECT_EQ(other.Items().Count(), 5);
    ASSERT_TRUE(read.FrameRead(dir / "span.kyf"));
    EXPECT_EQ(read, Expected());
}

TEST(FrameMakeDoc, ThePppDefinition) {
    TempFolder dir;
    FakeView view;
    std::string folder = "/";
    FrameMakeDoc doc(view, &folder);
    view.savePaths = {dir / "ppp.kyf"};
    doc.PppCreate();
    EXPECT_EQ(view.titles, std::vector<std::string>({kPppSaveTitle}));
    EXPECT_EQ(folder, "/") << "the PPP save keeps the remembered folder";
    ASSERT_TRUE(frames::clsFrameConfig().FramePPPWrite(dir / "direct.kyf"));
    EXPECT_EQ(frames::test::ReadFile(dir / "ppp.kyf"), frames::test::ReadFile(dir / "direct.kyf"));

    EXPECT_EQ(view.shown, std::vector<std::string>({std::string("i") + kMsgPppNoSave}));
    EXPECT_TRUE(doc.SaveLocked());
    ASSERT_EQ(doc.Items().Count(), 8);
    EXPECT_EQ(doc.Items().Row(4), (ItemRow{"プロトコル", kTypeCode, "2", kUnitByte, "", ""}));
    EXPECT_EQ(doc.Items().Row(5), (ItemRow{"情報", kTypeData, "0", kUnitVariable, "", ""}));
    EXPECT_EQ(doc.Name(), "ＰＰＰプロトコル");
    EXPECT_FALSE(doc.Save());
    EXPECT_FALSE(doc.SaveAs());

    // A PPP definition cannot be saved, so an edit of it is never asked
    // about: closing, New and Open go on at once.
    doc.CellEdit(1, kColName, "変えた");
    EXPECT_TRUE(doc.Dirty());
    view.shown.clear();
    view.answer = Answer::Cancel;
    EXPECT_TRUE(doc.ChangesResolved());
    EXPECT_TRUE(view.shown.empty());

    // New gives saving back.
    EXPECT_TRUE(doc.New());
    EXPECT_FALSE(doc.SaveLocked());
    doc.NameChange("x");
    doc.Update(1, Panel("a", kTypeCode, "1", kUnitByte));
    view.savePaths = {dir / "after.kyf"};
    EXPECT_TRUE(doc.Save());

    // A PPP write that fails is reported and loads nothing.
    view.shown.clear();
    view.savePaths = {dir / "no/such/folder.kyf"};
    doc.PppCreate();
    EXPECT_EQ(view.shown, std::vector<std::string>({"!" + dir / "no/such/folder.kyf" + "\nファイルの保存に失敗しました"}));
    EXPECT_FALSE(doc.SaveLocked());
}

TEST(FrameMakeDoc, AskingAboutChanges) {
    TempFolder dir;
    FakeView view;
    FrameMakeDoc doc(view);
    Enter(doc);
    const ItemTable entered = doc.Items();

    // New while changed: Cancel keeps everything.
    view.answer = Answer::Cancel;
    EXPECT_FALSE(doc.New());
    EXPECT_EQ(view.shown.back(), "?\"無題\"は変更されています。保存しますか?");
    EXPECT_EQ(doc.Items(), entered);

    // Yes with the save dialog cancelled keeps the items too.
    view.answer = Answer::Yes;
    EXPECT_FALSE(doc.New());
    EXPECT_EQ(doc.Items(), entered);

    // Open while changed, Yes, and a save that fails its check: the
    // picker does not open and the edits stay.
    doc.NameChange("");
    view.shown.clear();
    doc.Open();
    EXPECT_EQ(view.picks, 0);
    EXPECT_EQ(view.shown, std::vector<std::string>({"?\"無題\"は変更されています。保存しますか?",
                                                    std::string("!") + kMsgNameRequired}));
    EXPECT_EQ(view.focus, ItemsCheckResult::Focus::NameBox);
    EXPECT_TRUE(doc.Dirty());

    // No: the picker opens; a cancelled pick changes nothing.
    view.answer = Answer::No;
    doc.Open();
    EXPECT_EQ(view.picks, 1);
    EXPECT_TRUE(doc.Dirty());

    // No to New resets to one empty untitled row.
    EXPECT_TRUE(doc.New());
    EXPECT_EQ(doc.Items().Count(), 1);
    EXPECT_EQ(doc.Name(), "");
    EXPECT_EQ(doc.FileName(), kUntitled);
    EXPECT_FALSE(doc.Dirty());
}

TEST(FrameMakeDoc, UnreadableFilesAndFailedWrites) {
    TempFolder dir;
    FakeView view;
    std::string folder = "/";
    FrameMakeDoc doc(view, &folder);
    Enter(doc);
    view.savePaths = {dir / "good.kyf"};
    ASSERT_TRUE(doc.Save());
    doc.CellEdit(1, kColName, "変更");
    const ItemTable edited = doc.Items();

    // A file that is no frame configuration is reported and not taken.
    frames::test::WriteFile(dir / "bad.kyf", "not a configuration");
    view.answer = Answer::No;
    view.pickPaths = {dir / "bad.kyf"};
    view.shown.clear();
    doc.Open();
    EXPECT_EQ(view.shown.back(), "!" + dir / "bad.kyf" + "の読込に失敗しました");
    EXPECT_EQ(doc.FileName(), dir / "good.kyf");
    EXPECT_EQ(doc.Items(), edited);
    EXPECT_TRUE(doc.Dirty());

    // A write that fails is reported; the configuration stays changed and
    // keeps the file it was saved to.
    view.shown.clear();
    view.savePaths = {dir / "missing/x.kyf"};
    EXPECT_FALSE(doc.SaveAs());
    EXPECT_EQ(view.shown, std::vector<std::string>({"!" + dir / "missing/x.kyf" + "\nファイルの保存に失敗しました"}));
    EXPECT_TRUE(doc.Dirty());
    EXPECT_EQ(doc.FileName(), dir / "good.kyf");
    frames::clsFrameConfig read;
    ASSERT_TRUE(read.FrameRead(dir / "good.kyf"));
    EXPECT_EQ(read, Expected()) << "the earlier file is untouched";
}

TEST(FrameMakeDoc, WhatMarksTheConfigurationChanged) {
    FakeView view;
    FrameMakeDoc doc(view);
    doc.Update(1, ItemPanel());
    EXPECT_FALSE(doc.Dirty()) << "an update that changes nothing";
    doc.Update(1, Panel("a", kTypeCode, "1", kUnitByte));
    EXPECT_TRUE(doc.Dirty());

    FrameMakeDoc fresh(view);
    fresh.RowInsert(1);
    fresh.RowDelete(1);
    EXPECT_FALSE(fresh.Dirty()) << "empty rows hold nothing";
    fresh.RowDelete(1);
    EXPECT_EQ(fresh.Items().Count(), 1) << "the last row deleted leaves an empty one";
    fresh.NameChange("名");
    EXPECT_TRUE(fresh.Dirty());
    EXPECT_EQ(fresh.NameChange(std::string(300, 'a')).size(), 256u);

    FrameMakeDoc cell(view);
    cell.CellEdit(1, kColNumber, "5");
    EXPECT_FALSE(cell.Dirty()) << "the number column is never edited";
    cell.CellEdit(1, kColSize, "2");
    EXPECT_TRUE(cell.Dirty());

    FrameMakeDoc del(view);
    del.Update(1, Panel("a", kTypeCode, "1", kUnitByte));
    del.Save();  // untitled, dialog cancelled
    EXPECT_TRUE(del.Dirty());
}

}  // namespace
}  // namespace analyser::editors
