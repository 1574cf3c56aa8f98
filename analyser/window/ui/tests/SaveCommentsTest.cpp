// Saving, CSV export, comments and marks in the main window.
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include <fstream>
#include <iterator>

#include "CommentColumn.h"
#include "CommentEditor.h"
#include "FileSizeLimit.h"
#include "ProtectedTargets.h"
#include "FrameChart.h"
#include "WindowFixture.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"
#include "platform/text/Cp932.h"

namespace analyser::ui::test {
namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The frame file as a fresh document reads it.
std::unique_ptr<frames::clsProtocol> Reread(const std::string& path) {
    auto doc = std::make_unique<frames::clsProtocol>();
    EXPECT_EQ(doc->FileRead(path), frames::clsProtocol::kReadDone) << path;
    return doc;
}

void TypeText(QWidget* target, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

void Key(QWidget* target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

class Annotating : public WindowFixture {
protected:
    CommentEditor* Editor(int side) const { return w.txtEditComments[side]; }
    CommentColumn* Column(int side) const { return side == 0 ? w.picCommentsL : w.picCommentsR; }
    // A left click on the comment of a chart slot.
    void ClickComment(int side, int slot) {
        QTest::mouseClick(Column(side), Qt::LeftButton, {}, Column(side)->CommentRect(slot).center());
        QApplication::processEvents();
    }
    void EditEnd() {
        w.picFrameView->setFocus();
        QApplication::processEvents();
    }
    std::string Comment(int side, int32_t frame) const { return w.State().gProtocol->FramePostit(side, frame); }
};

TEST_F(Annotating, CommentsEditedInBothColumnsAreStoredAsOneLine) {
    OpenFrames("c.kyp", Numbered(20));
    ClickComment(0, 3);
    ASSERT_TRUE(Editor(0)->isVisible());
    EXPECT_TRUE(Editor(0)->hasFocus());
    EXPECT_EQ(Editor(0)->textCursor().selectedText().toStdString(), "") << "row 3 has no comment yet";
    TypeText(Editor(0), QString::fromUtf8("要求"));
    Key(Editor(0), Qt::Key_Return);  // takes no line break
    TypeText(Editor(0), QStringLiteral("A"));
    EditEnd();
    EXPECT_FALSE(Editor(0)->isVisible());
    EXPECT_EQ(Comment(0, 3), "要求A");
    EXPECT_EQ(w.CurrentRow(), 3) << "the edited row becomes current";
    EXPECT_EQ(Column(0)->Comment(w.Chart().Paging.CurrentSlot()).toStdString(), "要求A");

    // The right column, from the pop-up's item on the current row; a
    // pasted line break becomes a blank.
    w.fCurrentFrameChange(5);
    w.RunCommand(w.mnuRightsCommentsR);
    ASSERT_TRUE(Editor(1)->isVisible());
    QGuiApplication::clipboard()->setText(QStringLiteral("一行目\r\n二行目\n三"));
    Editor(1)->paste();
    EditEnd();
    EXPECT_EQ(Comment(1, 5), "一行目 二行目 三");

    // Esc leaves the comment as it was, whatever was typed.
    ClickComment(1, w.Chart().Paging.CurrentSlot());
    EXPECT_EQ(Editor(1)->textCursor().selectedText().toStdString(), "一行目 二行目 三") << "all selected";
    TypeText(Editor(1), QStringLiteral("x"));
    Key(Editor(1), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(Editor(1)->isVisible());
    EXPECT_EQ(Comment(1, 5), "一行目 二行目 三");

    // Clearing the text stores an empty comment; row 10's comment was "コメント10".
    ASSERT_EQ(Comment(0, 10), "コメント10");
    w.fCurrentFrameChange(10);
    w.picFrameView_KeyDown(37);  // Left: the first comment of the current row
    ASSERT_TRUE(Editor(0)->isVisible());
    Key(Editor(0), Qt::Key_Delete);
    EditEnd();
    EXPECT_EQ(Comment(0, 10), "");
}

TEST_F(Annotating, CommentsDeviceNamesAndMarksSurviveASaveAndComeBackOnReopening) {
    const std::string path = OpenFrames("keep.kyp", Numbered(12));
    ClickComment(0, 1);
    TypeText(Editor(0), QString::fromUtf8("左の注記"));
    EditEnd();
    w.fCurrentFrameChange(2);
    w.RunCommand(w.mnuRightsCommentsR);
    TypeText(Editor(1), QString::fromUtf8("右の注記"));
    w.txtDevice[0]->setText(QString::fromUtf8("制御盤"));
    w.txtDevice[1]->setText(QString::fromUtf8("端末Ｂ"));
    w.fCurrentFrameChange(4);  // the right edit is still open: saving stores it first
    w.RunCommand(w.mnuEditMarkSetBegin);
    w.fCurrentFrameChange(9);
    w.RunCommand(w.mnuEditMarkSetEnd);
    w.RunCommand(w.mnuEditMarkSetMark[3]);

    w.RunCommand(w.mnuFileSaveOver);
    EXPECT_TRUE(messages.empty()) << LastMessage();
    EXPECT_EQ(w.Marks().Begin, 4) << "saving keeps the marks";
    EXPECT_EQ(w.Marks().End, 9);
    EXPECT_EQ(w.Marks().NumberedFrame(3), 9);
    EXPECT_FALSE(Editor(1)->isVisible());

    const auto doc = Reread(path);
    EXPECT_EQ(doc->FrameMax(), 12);
    EXPECT_EQ(doc->FramePostit(0, 1), "左の注記");
    EXPECT_EQ(doc->FramePostit(1, 2), "右の注記");
    EXPECT_EQ(doc->FramePostit(0, 10), "コメント10");
    EXPECT_EQ(doc->SpotA(), "制御盤");
    EXPECT_EQ(doc->SpotB(), "端末Ｂ");

    // The marks stay usable after the save: the range save writes 4 to 9.
    saves = {folder / "range.kyp"};
    w.RunCommand(w.mnuFileSaveLimit);
    EXPECT_EQ(Reread(folder / "range.kyp")->FrameMax(), 6);

    Open(path);
    EXPECT_EQ(w.txtDevice[0]->text().toStdString(), "制御盤");
    EXPECT_EQ(w.txtDevice[1]->text().toStdString(), "端末Ｂ");
    EXPECT_EQ(Comment(0, 1), "左の注記");
    EXPECT_EQ(Comment(1, 2), "右の注記");
    EXPECT_EQ(w.Marks().Begin, 0) << "a new open starts the marks anew";
    EXPECT_EQ(w.Marks().NumberedFrame(3), -1);
}

TEST_F(Annotating, SavingOverTheFileKeepsTheFramesAFilterHides) {
    const std::string path = OpenFrames("filtered.kyp", Numbered(10));
    w.State().gProtocol->FramePostit(0, 3, "隠れた行");
    FilterApply(w, {1, 2, 5});
    ASSERT_EQ(w.State().gRowCount, 3);
    w.RunCommand(w.mnuFileSaveOver);
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const auto doc = Reread(path);
    ASSERT_EQ(doc->FrameMax(), 10) << "no frame leaves the user's file";
    EXPECT_EQ(doc->FramePostit(0, 3), "隠れた行");
    for (int32_t f = 0; f < 10; ++f) EXPECT_EQ(doc->FrameDataOrg(f), Numbered(10)[f].Bytes) << f;

    // Under a new name the rows of the filter are written, and saving over
    // goes to the new file from then on.
    saves = {folder / "rows.kyp"};
    w.RunCommand(w.mnuFileSaveAll);
    EXPECT_EQ(saveTitles.back(), "保存");
    const auto rows = Reread(folder / "rows.kyp");
    ASSERT_EQ(rows->FrameMax(), 3);
    EXPECT_EQ(rows->FrameDataOrg(2), Numbered(10)[5].Bytes);
    EXPECT_EQ(w.State().gFrameFile, folder / "rows.kyp");
    EXPECT_EQ(w.State().gFrameFileFolder, folder.path());
    w.RunCommand(w.mnuFileSaveOver);
    EXPECT_EQ(Reread(folder / "rows.kyp")->FrameMax(), 10);
}

TEST_F(Annotating, ARangeSaveHoldsExactlyTheRowsBetweenTheMarks) {
    OpenFrames("range.kyp", Numbered(30));
    FilterApply(w, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20});
    w.fCurrentFrameChange(2);  // frame 4
    w.RunCommand(w.mnuEditMarkSetBegin);
    w.fCurrentFrameChange(6);  // frame 12
    w.RunCommand(w.mnuRightMarkSetEnd);
    ASSERT_TRUE(messages.empty()) << LastMessage();
    saves = {folder / "between.kyp"};
    w.RunCommand(w.mnuFileSaveLimit);
    const auto doc = Reread(folder / "between.kyp");
    ASSERT_EQ(doc->FrameMax(), 5);
    const int32_t frames[] = {4, 6, 8, 10, 12};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(doc->FrameDataOrg(i), Numbered(30)[frames[i]].Bytes) << i;

    // A mark on a frame the filter hides: no range, and no dialog either.
    FilterApply(w, {0, 1, 2, 3, 5, 6});
    saves = {folder / "never.kyp"};
    w.RunCommand(w.mnuFileSaveLimit);
    EXPECT_EQ(LastMessage(), "範囲が設定されていません");
    w.RunCommand(w.mnuFileCsvLimit);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(saves.size(), 1u) << "no save dialog was shown";
    EXPECT_FALSE(std::filesystem::exists(folder / "never.kyp"));
}

TEST_F(Annotating, AFailedSaveKeepsTheOldFileAndNamesIt) {
    const std::string path = OpenFrames("old.kyp", Numbered(400));
    const std::string before = FileBytes(path);
    w.State().gProtocol->FramePostit(0, 1, "変更");
    {
        const FileSizeLimit full(1024);
        w.RunCommand(w.mnuFileSaveOver);
    }
    EXPECT_EQ(LastMessage(), path + "ファイルが開けません");
    EXPECT_EQ(FileBytes(path), before);

    const std::string nowhere = folder / "missing/new.kyp";
    saves = {nowhere, folder / "x.csv"};
    w.RunCommand(w.mnuFileSaveAll);
    EXPECT_EQ(LastMessage(), nowhere + "ファイルが開けません");
    EXPECT_EQ(w.State().gFrameFile, path) << "saving over still writes the open file";
    {
        const FileSizeLimit full(64);
        w.RunCommand(w.mnuFileCsvAll);
    }
    EXPECT_EQ(LastMessage(), folder / "x.csv" + "ファイルが開けません");
    EXPECT_FALSE(std::filesystem::exists(folder / "x.csv"));

    // A cancelled dialog writes nothing and says nothing.
    const size_t said = messages.size();
    w.RunCommand(w.mnuFileSaveAll);
    w.RunCommand(w.mnuFileCsvAll);
    EXPECT_EQ(messages.size(), said);
}

// A read-only file refuses every save of the window with its message, and
// stays as it was; a refused save under a new name is not taken as the
// file to save to.
TEST_F(Annotating, AReadOnlyFileRefusesEverySaveAndIsNamed) {
    const std::string path = OpenFrames("open.kyp", Numbered(12));
    const std::string copy = folder / "copy.kyp";
    const std::string csv = folder / "rows.csv";
    for (const std::string& locked : {copy, csv}) protected_targets::WriteReadOnly(locked, "protected");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const std::string before = FileBytes(path);
    w.State().gProtocol->FramePostit(0, 1, "変更");
    {
        const protected_targets::PlainPermissions plain;
        w.RunCommand(w.mnuFileSaveOver);
        EXPECT_EQ(LastMessage(), path + "ファイルが開けません");
        saves = {copy};
        w.RunCommand(w.mnuFileSaveAll);
        EXPECT_EQ(LastMessage(), copy + "ファイルが開けません");
        saves = {csv};
        w.RunCommand(w.mnuFileCsvAll);
        EXPECT_EQ(LastMessage(), csv + "ファイルが開けません");
    }
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(FileBytes(copy), "protected");
    EXPECT_EQ(FileBytes(csv), "protected");
    EXPECT_EQ(w.State().gFrameFile, path);
}

// Items "コード" (8 bits), "長さ" (8 bits, counting bytes) and "データ" (as
// long as "長さ" says).
std::string LengthConfig(const std::string& path) {
    frames::clsFrameConfig c;
    c.FrameName("長さ付き");
    c.ItemMax(3);
    const char* names[] = {"コード", "長さ", "データ"};
    const int16_t types[] = {frames::kItemCode, frames::kItemLength, frames::kItemData};
    const int16_t sizes[] = {8, 8, 0};
    for (int k = 0; k < 3; ++k) {
        c.ItemName(k, names[k]);
        c.ItemType(k, types[k]);
        c.ItemSize(k, sizes[k]);
        c.ItemUnit(k, 1);
    }
    c.ItemSpan(2, 2);
    EXPECT_TRUE(c.FrameWrite(path));
    return path;
}

TEST_F(Annotating, CsvBytesOfASmallFile) {
    config = LengthConfig(folder / "length.kyf");
    OpenFrames("small.kyp", {{std::string("\x05\x02\x0A\xFF", 4)},
                             {std::string("\x06\x01\x41", 3), true},
                             {std::string("\x05\x00", 2)},
                             {std::string("\x80\x03\x01\x02\x03", 5), true}});
    saves = {folder / "all.csv"};
    w.RunCommand(w.mnuFileCsvAll);
    EXPECT_EQ(saveTitles.back(), "CSVファイルの作成");
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const std::string expected = platform::Utf8ToCp932(
        "長さ付き\r\n"
        "コード,長さ,データ\r\n"
        " 5, 2,0AFF\r\n"
        " 6, 1,41\r\n"
        " 5, 0,\r\n"
        " 128, 3,010203\r\n");
    EXPECT_EQ(FileBytes(folder / "all.csv"), expected);

    // Between the marks, through a filter.
    FilterApply(w, {1, 2, 3});
    w.fCurrentFrameChange(1);
    w.RunCommand(w.mnuEditMarkSetBegin);
    w.RunCommand(w.mnuEditMarkJumpEnd);
    saves = {folder / "range.csv"};
    w.RunCommand(w.mnuFileCsvLimit);
    EXPECT_EQ(FileBytes(folder / "range.csv"),
              platform::Utf8ToCp932("長さ付き\r\nコード,長さ,データ\r\n 5, 0,\r\n 128, 3,010203\r\n"));
}

TEST_F(Annotating, MarksKeepTheirOrderAndShowTheirJumpItems) {
    OpenFrames("marks.kyp", Numbered(10));
    w.fCurrentFrameChange(9);
    w.RunCommand(w.mnuEditMarkSetBegin);
    EXPECT_EQ(LastMessage(), "マークBEGINはマークENDよりも前でなければ設定できません");
    w.fCurrentFrameChange(0);
    w.RunCommand(w.mnuRightMarkSetEnd);
    EXPECT_EQ(LastMessage(), "マークENDはマークBEGINの後ろでなければ設定できません");
    EXPECT_EQ(w.Marks().Begin, 0);
    EXPECT_EQ(w.Marks().End, 9);

    for (int n = 1; n <= 5; ++n) EXPECT_FALSE(w.mnuEditMarkJumpMark[n]->isVisible()) << n;
    w.fCurrentFrameChange(6);
    w.RunCommand(w.mnuEditMarkSetMark[3]);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(w.mnuEditMarkJumpMark[n]->isVisible(), n == 3) << n;
        EXPECT_EQ(w.mnuRightMarkJumpMark[n]->isVisible(), n == 3) << n;
    }
    EXPECT_TRUE(w.mnuEditMarkJumpLine->isVisible());
    EXPECT_TRUE(w.mnuRightMarkJumpLine->isVisible());
    w.RunCommand(w.mnuRightMarkSetMark[1]);  // the same frame carries both

    w.fCurrentFrameChange(0);
    w.RunCommand(w.mnuRightMarkJumpMark[1]);
    EXPECT_EQ(w.CurrentRow(), 6);
    w.RunCommand(w.mnuEditMarkJumpBegin);
    EXPECT_EQ(w.CurrentRow(), 0);
    w.RunCommand(w.mnuEditMarkJumpEnd);
    EXPECT_EQ(w.CurrentRow(), 9);

    // A filter keeps the marks; a mark on a hidden frame cannot be reached.
    FilterApply(w, {0, 1, 2, 9});
    EXPECT_EQ(w.Marks().NumberedFrame(3), 6);
    const size_t said = messages.size();
    w.RunCommand(w.mnuEditMarkJumpMark[3]);
    EXPECT_EQ(messages.size(), said + 1);
    EXPECT_EQ(LastMessage(), "見つかりませんでした");
    w.RunCommand(w.mnuEditMarkJumpEnd);
    EXPECT_EQ(w.CurrentRow(), 3);
}

}  // namespace
}  // namespace analyser::ui::test
