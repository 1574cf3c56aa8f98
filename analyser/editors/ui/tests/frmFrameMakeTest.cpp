#include "frmFrameMake.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <deque>

#include "AnswerQueue.h"

#include "FrameTestFiles.h"
#include "frmItemScope.h"
#include "platform/file/tests/ProtectedTargets.h"
#include "platform/file/tests/TempFolder.h"

namespace analyser::editors::ui {
namespace {

class FrameMakeWindow : public ::testing::Test {
protected:
    TempFolder dir{"frame-make"};
    std::string folder = dir.path();
    std::deque<std::string> saves;
    std::deque<std::string> picks;
    std::vector<std::string> messages;
    std::vector<std::pair<QMessageBox::Icon, QMessageBox::StandardButtons>> boxes;  // each message's icon, buttons
    std::deque<QMessageBox::StandardButton> answers;
    // The span picker's rows to move to the right before OK; nothing: Cancel.
    std::optional<std::vector<int>> spanChoice;
    std::unique_ptr<frmFrameMake> w;

    void SetUp() override {
        EditorContext context;
        context.frameConfigFolder = &folder;
        context.FilePick = [this](int16_t kind) {
            EXPECT_EQ(kind, 0);
            return test::NextAnswer(picks);
        };
        w = std::make_unique<frmFrameMake>(context);
        w->MessageAsk = [this](const std::string& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
            messages.push_back(text);
            boxes.emplace_back(icon, buttons);
            if (answers.empty()) return QMessageBox::Ok;
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        };
        w->SaveFileAsk = [this](const QString&) { return test::NextAnswer(saves); };
        w->SpanPickRun = [this](frmItemScope& picker) {
            if (!spanChoice) return false;
            for (int row : *spanChoice) picker.picker->listItemList->item(row)->setSelected(true);
            picker.picker->listItemList->setCurrentRow(spanChoice->front(), QItemSelectionModel::Select);
            picker.picker->cmdAdd_Click();
            picker.cmdOK_Click();
            return true;
        };
        w->show();
        QApplication::processEvents();
    }


    // Fills the panel as a user does and presses 更新.
    void Enter(const QString& name, const QString& type, const char* size, const QString& unit) {
        w->txtItemName->setText(name);
        w->cmbItemType->setCurrentText(type);
        w->cmbItemSize->setCurrentText(unit);
        w->cmbItemSize_Validate();
        if (w->txtItemSize->isEnabled()) {
            w->txtItemSize->clear();
            QTest::keyClicks(w->txtItemSize, size);
        }
        QTest::mouseClick(w->cmdUpdate, Qt::LeftButton);
    }

    std::string Grid(int row, int col) const { return w->fgFrameCreate->TextMatrix(row, col).toStdString(); }
};

TEST_F(FrameMakeWindow, BuildsALengthItemOverAVariableAndACodeItemAndSavesIt) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("フレーム構成作成 - 無題"));
    EXPECT_EQ(w->fgFrameCreate->Rows(), 2);
    EXPECT_EQ(w->fgFrameFormat->Picture().Rows(), 2) << "a new configuration shows only the headings";
    EXPECT_EQ(w->CurrentWidth(), 16);

    QTest::keyClicks(w->txtProtocolName, "LEN-FRAME");
    Enter(QStringLiteral("種別"), QStringLiteral("コード"), "1", QStringLiteral("byte"));
    EXPECT_EQ(w->txtItemNo->text(), QStringLiteral("2")) << "更新 goes on to the next item, appended";
    Enter(QStringLiteral("長さ"), QStringLiteral("レングス"), "2", QStringLiteral("byte"));
    Enter(QStringLiteral("本文"), QStringLiteral("データ"), "", QStringLiteral("可変"));
    Enter(QStringLiteral("命令"), QStringLiteral("コード"), "12", QStringLiteral("bit"));
    Enter(QStringLiteral("ＦＣＳ"), QStringLiteral("データ"), "4", QStringLiteral("bit"));
    EXPECT_EQ(Grid(3, kColSize), "0") << "a variable item's size is 0";

    // Item 2 counts items 3 and 4 in units of 2 bytes.
    QTest::mouseClick(w->cmdTop, Qt::LeftButton);
    QTest::mouseClick(w->cmdNext, Qt::LeftButton);
    EXPECT_EQ(w->txtItemName->text(), QStringLiteral("長さ"));
    EXPECT_TRUE(w->cmdItemSpan->isEnabled());
    w->cmbItemUnit->setCurrentText(QStringLiteral("2バイト"));
    spanChoice = std::vector<int>{2, 3};  // sorted: 1, 2, 3, 4, 5, 6
    QTest::mouseClick(w->cmdItemSpan, Qt::LeftButton);
    ASSERT_EQ(w->lstItemSpan->count(), 2);
    EXPECT_EQ(w->lstItemSpan->item(0)->text(), QStringLiteral("3 - 本文"));
    QTest::mouseClick(w->cmdUpdate, Qt::LeftButton);
    EXPECT_EQ(Grid(3, kColSpan), "2");
    EXPECT_EQ(Grid(4, kColSpan), "2");
    EXPECT_EQ(Grid(2, kColLengthUnit), "2バイト");
    EXPECT_TRUE(w->Doc().Dirty());

    saves = {dir / "len.kyf"};
    w->mnuFileSave->trigger();
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(w->windowTitle(), QString::fromStdString("フレーム構成作成 - " + dir / "len.kyf"));
    EXPECT_EQ(w->fgFrameCreate->Rows(), 6) << "the empty row the last 更新 appended was dropped";

    frames::clsFrameConfig read;
    ASSERT_TRUE(read.FrameRead(dir / "len.kyf"));
    EXPECT_EQ(read, frames::test::Config({{"種別", 0, 8},
                                           {"長さ", 1, 16, 0, 2},
                                           {"本文", 2, 0, 2},
                                           {"命令", 0, 12, 2},
                                           {"ＦＣＳ", 2, 4}},
                                          0, "LEN-FRAME"));
}

TEST_F(FrameMakeWindow, ThePppDefinitionIsShownButNotSaved) {
    saves = {dir / "ppp.kyf"};
    w->mnuFilePPP->trigger();
    ASSERT_TRUE(frames::clsFrameConfig().FramePPPWrite(dir / "direct.kyf"));
    EXPECT_EQ(frames::test::ReadFile(dir / "ppp.kyf"), frames::test::ReadFile(dir / "direct.kyf"));
    EXPECT_EQ(messages, std::vector<std::string>({"PPPフレームは変更保存できません。"}));
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
    EXPECT_FALSE(w->mnuFileSaveAs->isEnabled());
    EXPECT_EQ(w->txtProtocolName->text(), QStringLiteral("ＰＰＰプロトコル"));
    EXPECT_EQ(Grid(4, kColName), "プロトコル");
    EXPECT_EQ(Grid(4, kColSize), "2");
    EXPECT_EQ(Grid(5, kColUnit), "可変");
    EXPECT_EQ(w->fgFrameCreate->Rows(), 9);
    EXPECT_EQ(w->txtItemName->text(), QStringLiteral("フラグ")) << "item 1 shows";

    w->mnuFileNew->trigger();
    EXPECT_TRUE(w->mnuFileSave->isEnabled()) << "New gives saving back";
    EXPECT_EQ(w->fgFrameCreate->Rows(), 2);
    EXPECT_EQ(w->txtProtocolName->text(), QString());
}

TEST_F(FrameMakeWindow, TheBitPictureAtEachWidth) {
    w->txtItemName->setText(QStringLiteral("A"));
    w->cmbItemSize->setCurrentText(QStringLiteral("bit"));
    w->txtItemSize->setText(QStringLiteral("4"));
    w->cmdUpdate_Click();
    w->txtItemName->setText(QStringLiteral("B"));
    w->cmbItemSize->setCurrentText(QStringLiteral("bit"));
    w->txtItemSize->setText(QStringLiteral("12"));
    w->cmdUpdate_Click();

    using Seg = BitPicture::Segment;
    EXPECT_EQ(w->fgFrameFormat->Picture().RowSegments(2), std::vector<Seg>({{0, 4, "A"}, {4, 12, "B"}}));
    w->mnuViewWidth[0]->trigger();
    EXPECT_TRUE(w->mnuViewWidth[0]->isChecked());
    EXPECT_FALSE(w->mnuViewWidth[1]->isChecked());
    EXPECT_EQ(w->fgFrameFormat->Picture().Width(), 8);
    EXPECT_EQ(w->fgFrameFormat->Picture().RowSegments(2), std::vector<Seg>({{0, 4, "A"}, {4, 4, "B"}}));
    EXPECT_EQ(w->fgFrameFormat->Picture().RowSegments(3), std::vector<Seg>({{0, 8, "B"}}));
    w->mnuViewWidth[0]->trigger();
    EXPECT_TRUE(w->mnuViewWidth[0]->isChecked()) << "choosing the checked width keeps it";
    w->mnuViewWidth[2]->trigger();
    EXPECT_EQ(w->fgFrameFormat->Picture().Width(), 32);
    EXPECT_EQ(w->fgFrameFormat->Picture().RowSegments(0).size(), 4u);
    const QImage shot = w->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    shot.save(QStringLiteral(KY_BINARY_DIR "/frame-make-32.png"));
}

TEST_F(FrameMakeWindow, InCellEditsAndTheirRefusals) {
    platform::GridAdapter* g = w->fgFrameCreate;
    w->txtItemName->setText(QStringLiteral("len"));
    w->cmbItemType->setCurrentText(QStringLiteral("レングス"));
    w->txtItemSize->setText(QStringLiteral("1"));
    w->cmdUpdate_Click();

    // A length item in bytes takes at most 7; the cell stays in edit.
    ASSERT_TRUE(g->EditCell(1, kColSize));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "8");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(messages, std::vector<std::string>({"大きさが正しくありません。"}));
    EXPECT_TRUE(g->Editing());
    EXPECT_EQ(Grid(1, kColSize), "1");
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Grid(1, kColSize), "7");

    // The number column is never edited; the length unit only of a length item.
    EXPECT_FALSE(g->EditCell(2, kColNumber));
    EXPECT_FALSE(g->EditCell(2, kColLengthUnit));

    // Choosing the variable unit for a length item is refused at once.
    w->fItemShow(1);
    w->cmbItemSize->setCurrentText(QStringLiteral("可変"));
    w->cmbItemSize_Validate();
    EXPECT_EQ(messages.back(), "タイプがレングスのときは、サイズに可変を設定することはできません。");
    EXPECT_EQ(w->cmbItemSize->currentText(), QStringLiteral("byte"));

    // Up/down steps within the length item's limit.
    w->txtItemSize->setText(QStringLiteral("6"));
    w->udItemSize_Stepped(true);
    w->udItemSize_Stepped(true);
    EXPECT_EQ(w->txtItemSize->text(), QStringLiteral("7"));
    QTest::keyClicks(w->txtItemSize, ".x");
    EXPECT_EQ(w->txtItemSize->text(), QStringLiteral("7")) << "the size box takes digits only";
}

TEST_F(FrameMakeWindow, InsertAndDeleteRenumberSpans) {
    const std::string path = dir / "spans.kyf";
    frames::test::WriteConfig(path, frames::test::Config({{"L", 1, 8}, {"a", 2, 8, 1}, {"M", 1, 8}, {"b", 2, 8, 3}}));
    picks = {path};
    w->mnuFileOpen->trigger();
    ASSERT_EQ(w->fgFrameCreate->Rows(), 6);
    EXPECT_EQ(folder, dir.path());

    w->fgFrameCreate->SetCurrentCell(3, 1);
    QTest::mouseClick(w->cmdInsert, Qt::LeftButton);  // before M
    EXPECT_EQ(Grid(3, kColName), "");
    EXPECT_EQ(Grid(5, kColSpan), "4") << "b follows M down";
    EXPECT_EQ(Grid(2, kColSpan), "1");
    EXPECT_EQ(Grid(5, kColNumber), "5");

    w->fgFrameCreate->SetCurrentCell(1, 1);
    QTest::mouseClick(w->cmdDelete, Qt::LeftButton);  // L goes
    EXPECT_EQ(Grid(1, kColName), "a");
    EXPECT_EQ(Grid(1, kColSpan), "") << "what L counted counts on nothing";
    EXPECT_EQ(Grid(4, kColSpan), "3");
    EXPECT_TRUE(w->Doc().Dirty());

    // New while changed: Cancel keeps everything.
    answers = {QMessageBox::Cancel};
    w->mnuFileNew->trigger();
    EXPECT_EQ(messages.back(), "\"" + path + "\"は変更されています。保存しますか?");
    EXPECT_EQ(Grid(1, kColName), "a");
}

// Closing the window by any of its ways asks about changes as New and
// Open do, and each answer does what it says.
TEST_F(FrameMakeWindow, ClosingWithChangesAsksAndEachAnswerDoesWhatItSays) {
    EXPECT_TRUE(w->close()) << "nothing changed: no question";
    EXPECT_TRUE(messages.empty());

    w->show();
    QTest::keyClicks(w->txtProtocolName, "cmd");
    Enter(QStringLiteral("種別"), QStringLiteral("コード"), "1", QStringLiteral("byte"));
    ASSERT_TRUE(w->Doc().Dirty());

    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(messages, std::vector<std::string>{"\"無題\"は変更されています。保存しますか?"});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, QMessageBox::Warning);
    EXPECT_EQ(boxes[0].second, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);

    // No: closed, nothing written.
    answers = {QMessageBox::No};
    w->mnuFileEnd->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});

    // Yes: the untitled configuration goes through Save As; a cancelled
    // save dialog keeps the window open.
    w->show();
    answers = {QMessageBox::Yes};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    answers = {QMessageBox::Yes};
    saves = {dir / "closed.kyf"};
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    frames::clsFrameConfig read;
    ASSERT_TRUE(read.FrameRead(dir / "closed.kyf"));
    EXPECT_EQ(read.FrameName(), "cmd");
    EXPECT_EQ(read.ItemName(0), "種別");

    // Once titled, the question names the file and Yes saves over it.
    w->show();
    QTest::keyClicks(w->txtProtocolName, "2");
    answers = {QMessageBox::Yes};
    EXPECT_TRUE(w->close());
    EXPECT_EQ(messages.back(), "\"" + dir / "closed.kyf" + "\"は変更されています。保存しますか?");
    ASSERT_TRUE(read.FrameRead(dir / "closed.kyf"));
    EXPECT_EQ(read.FrameName(), "cmd2");

    // A PPP definition is never asked about, edited or not.
    w->show();
    saves = {dir / "ppp.kyf"};
    w->mnuFilePPP->trigger();
    ASSERT_TRUE(w->Doc().SaveLocked());
    w->Doc().CellEdit(1, kColName, "変えた");
    const size_t asked = messages.size();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(messages.size(), asked);
}

TEST_F(FrameMakeWindow, AReadOnlyFileRefusesTheSaveWithItsMessage) {
    const std::string locked = dir / "locked.kyf";
    protected_targets::WriteReadOnly(locked, "protected");
    QTest::keyClicks(w->txtProtocolName, "cmd");
    Enter(QStringLiteral("種別"), QStringLiteral("コード"), "1", QStringLiteral("byte"));
    saves = {locked};
    {
        const protected_targets::PlainPermissions plain;
        w->mnuFileSaveAs->trigger();
    }
    EXPECT_EQ(messages.back(), locked + "\nファイルの保存に失敗しました");
    EXPECT_EQ(TempFolder::ReadAll(locked), "protected");
    EXPECT_TRUE(w->Doc().Dirty());
    EXPECT_EQ(w->windowTitle().toStdString(), "フレーム構成作成 - 無題");
}

}  // namespace
}  // namespace analyser::editors::ui
