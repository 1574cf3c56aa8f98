#include "frmLink.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <deque>

#include "AnswerQueue.h"

#include "FrameTestFiles.h"
#include "platform/file/tests/ProtectedTargets.h"
#include "platform/file/tests/TempFolder.h"

namespace analyser::editors::ui {
namespace {

class LinkWindow : public ::testing::Test {
protected:
    TempFolder dir{"link-edit"};
    std::string configFolder = "/", linkFolder = "/";
    std::string ppp = dir / "ppp.kyf";
    std::deque<std::string> picks, saves;
    std::vector<int16_t> kinds;
    std::vector<std::string> messages;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<int32_t> colors;
    std::unique_ptr<frmLink> w;

    void SetUp() override {
        ASSERT_TRUE(frames::clsFrameConfig().FramePPPWrite(ppp));
        EditorContext context;
        context.frameConfigFolder = &configFolder;
        context.linkTableFolder = &linkFolder;
        context.FilePick = [this](int16_t kind) {
            kinds.push_back(kind);
            return test::NextAnswer(picks);
        };
        w = std::make_unique<frmLink>(context);
        w->MessageAsk = [this](const std::string& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
            messages.push_back(text);
            if (buttons == (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
                EXPECT_EQ(icon, QMessageBox::Warning);
                if (answers.empty()) {
                    ADD_FAILURE() << "unexpected question: " << text;
                    return QMessageBox::Cancel;
                }
                const auto answer = answers.front();
                answers.pop_front();
                return answer;
            }
            return QMessageBox::Ok;
        };
        w->SaveFileAsk = [this] { return test::NextAnswer(saves); };
        w->ColorAsk = [this](int32_t) -> std::optional<int32_t> {
            if (colors.empty()) return std::nullopt;
            const int32_t c = colors.front();
            colors.pop_front();
            return c;
        };
        w->show();
        QApplication::processEvents();
    }


    std::string Cell(int row, int col) const { return w->fgLink->TextMatrix(row, col).toStdString(); }
    void Keys(QWidget* target, const std::vector<Qt::Key>& keys) {
        for (Qt::Key key : keys) QTest::keyClick(target, key);
    }
};

// Every column of the row grid as wide as the grid itself says its texts
// need, after each way a value gets in.
void ExpectColumnsWhole(const frmLink& w, const char* when) {
    for (int c = 0; c < w.fgLink->Cols(); ++c) {
        const QAbstractItemView* view = w.fgLink;
        EXPECT_GE(w.fgLink->columnWidth(c), view->sizeHintForColumn(c)) << when << ", column " << c;
    }
}

TEST_F(LinkWindow, ANameTypedOrReadShowsWholeAtTheOpeningSize) {
    picks = {ppp};
    w->mnuFileOpenKYF->trigger();
    ExpectColumnsWhole(*w, "the table built");
    // Through the panel, on a row that is not the last.
    w->fLinkRowShow(1);
    QTest::keyClicks(w->txtItemName, "REQ");
    QTest::mouseClick(w->cmdUpdate, Qt::LeftButton);
    EXPECT_EQ(Cell(1, 0), "REQ");
    ExpectColumnsWhole(*w, "the panel's update");
    // Straight into the grid.
    w->fgLink->SetTextMatrix(3, 0, QStringLiteral("RESPONSE-LONG"));
    emit w->fgLink->AfterEdit(3, 0);
    ExpectColumnsWhole(*w, "an edit in the grid");

    // Saved and read into a window just opened.
    saves = {dir / "req.kyl"};
    QTest::keyClicks(w->txtLinkName, "REQ-LINK");
    w->mnuFileSave->trigger();
    EditorContext context;
    context.frameConfigFolder = &configFolder;
    context.linkTableFolder = &linkFolder;
    context.FilePick = [this](int16_t) { return test::NextAnswer(picks); };
    frmLink opened(context);
    opened.show();
    QApplication::processEvents();
    picks = {dir / "req.kyl"};
    opened.mnuFileOpenKYL->trigger();
    QApplication::processEvents();
    EXPECT_EQ(opened.fgLink->TextMatrix(1, 0).toStdString(), "REQ");
    ExpectColumnsWhole(opened, "read from the file");
}

TEST_F(LinkWindow, FromThePppConfigurationWithC021) {
    EXPECT_FALSE(w->fgLink->isEnabled());
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
    EXPECT_FALSE(w->cmdUpdate->isEnabled());
    EXPECT_EQ(w->fgLink->Cols(), 3);

    picks = {ppp};
    w->mnuFileOpenKYF->trigger();
    EXPECT_EQ(kinds, std::vector<int16_t>({0}));
    EXPECT_EQ(configFolder, dir.path());
    ASSERT_EQ(w->fgLink->Cols(), 4);
    EXPECT_EQ(Cell(0, 3), "プロトコル");
    ASSERT_EQ(w->fgLink->Rows(), 10);
    EXPECT_EQ(Cell(1, 1), "－");
    EXPECT_EQ(w->fgLink->CellBackColor(1, 2), QColor(1, 1, 1));
    EXPECT_TRUE(w->fgLink->isEnabled());
    EXPECT_TRUE(w->mnuFileSave->isEnabled());
    EXPECT_EQ(w->fgCode->TextMatrix(1, 0), QStringLiteral("プロトコル"));

    // The code grid of the panel takes four hex digits: a 16-bit code.
    w->fLinkRowShow(1);
    w->fgCode->setFocus();
    Keys(w->fgCode, {Qt::Key_C, Qt::Key_0, Qt::Key_2, Qt::Key_1});
    EXPECT_EQ(w->fgCode->TextMatrix(1, 1), QStringLiteral("C021"));
    QTest::keyClicks(w->txtItemName, "LCP");
    w->cmbAttr->setCurrentText(QStringLiteral("→"));
    colors = {0x0000FF};
    QTest::mouseClick(w->cmdColor, Qt::LeftButton);
    QTest::mouseClick(w->cmdUpdate, Qt::LeftButton);
    EXPECT_EQ(Cell(1, 3), "C021");
    EXPECT_EQ(Cell(1, 0), "LCP");
    EXPECT_EQ(Cell(1, 1), "→");
    EXPECT_EQ(w->fgLink->CellBackColor(1, 2), QColor(255, 0, 0)) << "0x0000FF is red";
    EXPECT_EQ(w->txtItemNo->text(), QStringLiteral("2"));

    // Straight into the row grid: "*" and then a digit leaves the digit.
    w->fgLink->setFocus();
    w->fgLink->SetCurrentCell(2, 3);
    QTest::keyClicks(w->fgLink, "*");
    EXPECT_EQ(Cell(2, 3), "*");
    QTest::keyClick(w->fgLink, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(Cell(2, 3), "7");
    QTest::keyClicks(w->fgLink, "*");

    // Saving asks for the name first.
    saves = {dir / "ppp.kyl"};
    w->mnuFileSave->trigger();
    EXPECT_EQ(messages, std::vector<std::string>({"関連付け構成名を入力してください。"}));
    QTest::keyClicks(w->txtLinkName, "PPP-LINK");
    w->mnuFileSave->trigger();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(linkFolder, dir.path());

    frames::clsLink read;
    ASSERT_TRUE(read.LinkRead(dir / "ppp.kyl"));
    EXPECT_EQ(read.LinkName(), "PPP-LINK");
    EXPECT_EQ(read.LinkMax(), 9);
    EXPECT_EQ(read.Position(0), 4);
    read.ListIndex(0);
    EXPECT_EQ(read.ObjectCode(0), 0xC021);
    EXPECT_EQ(read.ItemName(), "LCP");
    EXPECT_EQ(read.Direction(), 1);
    EXPECT_EQ(read.BackColor(), 0x0000FF);
    read.ListIndex(1);
    EXPECT_EQ(read.ObjectCode(0), -1);

    // Reopened: the code is back, the header waits for a re-link.
    picks = {dir / "ppp.kyl"};
    w->mnuFileOpenKYL->trigger();
    EXPECT_EQ(Cell(1, 3), "C021");
    EXPECT_EQ(Cell(0, 3), "");
    EXPECT_EQ(w->txtLinkName->text(), QStringLiteral("PPP-LINK"));
    picks = {ppp};
    w->mnuEditFrameLink->trigger();
    EXPECT_EQ(Cell(0, 3), "プロトコル");
    const QImage shot = w->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    shot.save(QStringLiteral(KY_BINARY_DIR "/link-edit.png"));
}

TEST_F(LinkWindow, RowsColoursAndRefusals) {
    const std::string noCode = dir / "nocode.kyf";
    frames::test::WriteConfig(noCode, frames::test::Config({{"データ", 2, 8}}));
    picks = {noCode};
    w->mnuFileOpenKYF->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("にはタイプ「コード」が含まれていないため、"), std::string::npos);
    EXPECT_FALSE(w->mnuFileSave->isEnabled());

    const std::string byteCode = dir / "byte.kyf";
    frames::test::WriteConfig(byteCode, frames::test::Config({{"種別", 0, 8}}));
    picks = {byteCode};
    w->mnuFileOpenKYF->trigger();
    ASSERT_EQ(w->fgLink->Rows(), 10);

    // Two hex digits for an 8-bit code: A, B, C leaves BC.
    w->fgLink->setFocus();
    w->fgLink->SetCurrentCell(1, 3);
    Keys(w->fgLink, {Qt::Key_A, Qt::Key_B, Qt::Key_C});
    EXPECT_EQ(Cell(1, 3), "BC");
    QTest::keyClicks(w->fgLink, "g");
    EXPECT_EQ(Cell(1, 3), "BC") << "no other key edits a code";

    // A refused build keeps the table.
    picks = {noCode};
    w->mnuFileOpenKYF->trigger();
    EXPECT_EQ(Cell(1, 3), "BC");
    EXPECT_EQ(w->fgLink->Cols(), 4);

    // ">" on the last row appends one; deleting every row leaves one.
    w->cmdEnd_Click();
    EXPECT_EQ(w->txtItemNo->text(), QStringLiteral("9"));
    w->cmdNext_Click();
    EXPECT_EQ(w->fgLink->Rows(), 11);
    EXPECT_EQ(Cell(10, 1), "－");
    while (w->fgLink->Rows() > 2) {
        w->fgLink->SetCurrentCell(1, 0);
        w->fLinkRowDelete();
    }
    w->fgLink->SetCurrentCell(1, 0);
    w->fLinkRowDelete();
    EXPECT_EQ(w->fgLink->Rows(), 2);
    EXPECT_EQ(Cell(1, 3), "");

    // A colour picked on the colour cell shows as its number.
    colors = {0x00FF00};
    w->fgLink->SetCurrentCell(1, 2);
    QTest::keyClick(w->fgLink, Qt::Key_Space);
    EXPECT_EQ(Cell(1, 2), "65280");
    EXPECT_EQ(w->fgLink->CellBackColor(1, 2), QColor(0, 255, 0));
    w->mnuEditColor->trigger();
    EXPECT_EQ(w->fgLink->CellBackColor(1, 2), QColor(255, 255, 255)) << "one row gets 16777215";
    EXPECT_EQ(Cell(1, 2), "65280") << "only the colour changes";

    // 更新 with a row number outside the table changes no row and keeps
    // the headings.
    w->txtItemNo->setText(QStringLiteral("0"));
    w->txtItemName->setText(QStringLiteral("nowhere"));
    w->cmdUpdate_Click();
    EXPECT_EQ(Cell(0, 0), "名称");
    EXPECT_EQ(Cell(0, 2), "色");
    EXPECT_EQ(Cell(1, 0), "");
}

// Closing the window with an edited table asks; each answer does what it
// says. An empty window and an unchanged table close without a question.
TEST_F(LinkWindow, ClosingWithAnEditedTableAsksAndEachAnswerDoesWhatItSays) {
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(messages.empty());
    w->show();
    picks = {ppp};
    w->mnuFileOpenKYF->trigger();
    EXPECT_TRUE(w->close()) << "a table as built holds nothing typed";
    EXPECT_TRUE(messages.empty());

    w->show();
    w->txtLinkName->setText(QStringLiteral("表"));
    w->fLinkRowShow(1);
    w->txtItemName->setText(QStringLiteral("LCP"));
    w->cmdUpdate_Click();
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(messages, std::vector<std::string>{"\"無題\"は変更されています。保存しますか?"});

    answers = {QMessageBox::No};
    w->mnuFileExit->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(messages.size(), 2u);

    w->show();
    answers = {QMessageBox::Yes};
    saves = {dir / "closed.kyl"};
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(messages.size(), 3u);
    frames::clsLink read;
    ASSERT_TRUE(read.LinkRead(dir / "closed.kyl"));
    EXPECT_EQ(read.LinkName(), "表");
    read.ListIndex(0);
    EXPECT_EQ(read.ItemName(), "LCP");

    // Saved, the table is unchanged again; edited, the question names the file.
    w->show();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(messages.size(), 3u);
    w->show();
    w->fLinkRowShow(2);
    w->txtItemName->setText(QStringLiteral("IPCP"));
    w->cmdUpdate_Click();
    answers = {QMessageBox::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_EQ(messages.back(), "\"" + dir / "closed.kyl" + "\"は変更されています。保存しますか?");
}

TEST_F(LinkWindow, AReadOnlyFileRefusesTheSaveWithItsMessage) {
    const std::string locked = dir / "locked.kyl";
    protected_targets::WriteReadOnly(locked, "protected");
    picks = {ppp};
    w->mnuFileOpenKYF->trigger();
    w->txtLinkName->setText(QStringLiteral("表"));
    saves = {locked};
    {
        const protected_targets::PlainPermissions plain;
        w->mnuFileSave->trigger();
    }
    EXPECT_EQ(messages, std::vector<std::string>{locked + "\nファイルの保存に失敗しました"});
    EXPECT_EQ(TempFolder::ReadAll(locked), "protected");
    EXPECT_TRUE(w->Doc().Dirty()) << "the table is still to be saved";
}

}  // namespace
}  // namespace analyser::editors::ui
