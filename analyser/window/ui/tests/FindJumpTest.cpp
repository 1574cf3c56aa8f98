// The find window's three searches, the jump window, the first and last
// rows, the recording conditions window and the version window.
#include <QProcess>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "HexByteRow.h"
#include "WindowFixture.h"
#include "frmAbout.h"
#include "frmFind.h"
#include "frmGoto.h"
#include "frmProp.h"

namespace analyser::ui::test {
namespace {

constexpr char kNotFound[] = "検索項目が見つかりませんでした。";

// Frame i holds the bytes i + 1, 0, i; three of them carry line errors.
std::vector<FrameSpec> Searchable() {
    std::vector<FrameSpec> frames;
    for (int i = 0; i < 6; ++i) {
        FrameSpec f;
        f.Bytes = {static_cast<char>(i + 1), 0, static_cast<char>(i)};
        f.Rd = i % 2 == 1;
        frames.push_back(f);
    }
    frames[1].CommentL = "要求コメント";
    frames[4].CommentR = "右のメモ";
    frames[1].Status = 3 << 4;  // parity and overrun
    frames[2].Status = 7 << 4;  // all three
    frames[3].Status = 4 << 4;  // framing
    return frames;
}

class Finding : public WindowFixture {
protected:
    frmFind& Find() {
        w.RunCommand(w.mnuEditSerch);
        frmFind* find = w.FindWindow();
        EXPECT_NE(find, nullptr);
        return *find;
    }
    void OpenNamed() {
        const std::string link = WriteLink(folder / "names.kyl", "名前表",
                                           {{3, "abcENQdef", 1, 0x0000FF}, {5, "ENQ", 1, 0x0000FF}});
        OpenFrames("find.kyp", Searchable(), link);
    }
    // Runs the find button from row; the row it ends on.
    int32_t Next(frmFind& find, int32_t from, int16_t direction) {
        w.fCurrentFrameChange(from);
        find.cmbDirection->setCurrentIndex(direction);
        find.cmdNext->click();
        return w.CurrentRow();
    }
    size_t NotFoundCount() const { return static_cast<size_t>(std::count(messages.begin(), messages.end(), kNotFound)); }
};

TEST_F(Finding, TextIsFoundInCaptionsAndCommentsBothWays) {
    OpenNamed();
    frmFind& find = Find();
    EXPECT_EQ(find.windowTitle().toStdString(), "検索");
    EXPECT_EQ(find.cmbDirection->currentIndex(), 2) << "全体 at first";
    EXPECT_TRUE(find.chkLinkName->isChecked());
    EXPECT_TRUE(find.isVisible());
    find.txtSerchStr->setText(QStringLiteral("enq"));
    EXPECT_EQ(Next(find, 0, 0), 2) << "lower case finds upper case between other letters";
    EXPECT_EQ(Next(find, 2, 0), 4);
    EXPECT_EQ(Next(find, 4, 0), 4);
    EXPECT_EQ(NotFoundCount(), 1u);
    EXPECT_EQ(Next(find, 5, 1), 4);
    EXPECT_EQ(Next(find, 4, 1), 2);
    EXPECT_EQ(Next(find, 2, 1), 2);
    EXPECT_EQ(NotFoundCount(), 2u);
    EXPECT_EQ(Next(find, 5, 0), 5) << "down on the last row finds nothing at once";
    EXPECT_EQ(Next(find, 0, 1), 0) << "up on the first row finds nothing at once";
    EXPECT_EQ(NotFoundCount(), 4u);
    EXPECT_EQ(Next(find, 4, 2), 2) << "the whole list wraps";

    find.chkAllMatch->setChecked(true);
    EXPECT_EQ(Next(find, 0, 0), 4) << "only the field that is the text";
    EXPECT_EQ(Next(find, 4, 2), 4) << "the current row itself when no other matches";
    find.chkAllMatch->setChecked(false);
    find.txtSerchStr->setText(QString::fromUtf8("ＥＮＱ"));
    EXPECT_EQ(Next(find, 0, 2), 0) << "full-width letters are other characters";
    EXPECT_EQ(NotFoundCount(), 5u);

    find.chkLinkName->setChecked(false);
    find.chkCommentL->setChecked(true);
    find.txtSerchStr->setText(QString::fromUtf8("要求"));
    EXPECT_EQ(Next(find, 3, 2), 1);
    find.txtSerchStr->setText(QString::fromUtf8("メモ"));
    EXPECT_EQ(Next(find, 0, 0), 0) << "the right comments are not ticked";
    find.chkCommentR->setChecked(true);
    EXPECT_EQ(Next(find, 0, 0), 4);
    EXPECT_EQ(Next(find, 5, 1), 4);

    // Nothing to look for: the button does nothing and says nothing.
    const size_t said = messages.size();
    find.txtSerchStr->clear();
    Next(find, 0, 0);
    find.txtSerchStr->setText(QStringLiteral("x"));
    for (QCheckBox* box : {find.chkLinkName, find.chkCommentL, find.chkCommentR}) box->setChecked(false);
    EXPECT_FALSE(w.fFindLinkCaption("x", 2, false));
    EXPECT_EQ(messages.size(), said);
}

TEST_F(Finding, BytesAreFoundInTheDataBothWays) {
    OpenFrames("data.kyp", Searchable());
    frmFind& find = Find();
    find.tabFind->setCurrentIndex(1);
    QWidget* grid = find.fgFindData->Grid;
    for (Qt::Key key : {Qt::Key_0, Qt::Key_0, Qt::Key_Return, Qt::Key_0, Qt::Key_4}) QTest::keyClick(grid, key);
    ASSERT_EQ(find.fgFindData->Bytes(), std::string("\x00\x04", 2));
    EXPECT_EQ(Next(find, 0, 0), 4) << "at an odd offset of the frame";
    EXPECT_EQ(Next(find, 5, 1), 4);
    EXPECT_EQ(Next(find, 4, 0), 4);
    EXPECT_EQ(NotFoundCount(), 1u);
    EXPECT_EQ(Next(find, 3, 2), 4);

    find.fgFindData->SetBytes(std::string("\x03\x00\x02", 3));
    EXPECT_EQ(Next(find, 5, 1), 2);
    find.fgFindData->SetBytes("\xFF");
    EXPECT_EQ(Next(find, 0, 2), 0);
    EXPECT_EQ(NotFoundCount(), 2u);

    // No byte in the grid: nothing happens.
    find.fgFindData->Clear();
    const size_t said = messages.size();
    Next(find, 0, 0);
    EXPECT_EQ(messages.size(), said);
}

TEST_F(Finding, ErrorConditionsAreFoundBothWays) {
    OpenFrames("errors.kyp", Searchable());
    frmFind& find = Find();
    find.tabFind->setCurrentIndex(2);
    EXPECT_TRUE(find.optErrorOr->isChecked());
    find.chkErrorParity->setChecked(true);
    find.chkErrorOverrun->setChecked(true);
    find.optErrorAnd->setChecked(true);
    EXPECT_EQ(Next(find, 0, 0), 1);
    EXPECT_EQ(Next(find, 1, 0), 1) << "AND: a frame with a framing error too does not match";
    EXPECT_EQ(NotFoundCount(), 1u);
    find.optErrorOr->setChecked(true);
    EXPECT_EQ(Next(find, 1, 0), 2);
    find.chkErrorParity->setChecked(false);
    find.chkErrorOverrun->setChecked(false);
    find.chkErrorFraming->setChecked(true);
    EXPECT_EQ(Next(find, 5, 1), 3);
    EXPECT_EQ(Next(find, 2, 1), 2);
    EXPECT_EQ(NotFoundCount(), 2u);
    find.chkErrorFraming->setChecked(false);
    const size_t said = messages.size();
    Next(find, 0, 0);
    EXPECT_EQ(messages.size(), said) << "no condition ticked: nothing happens";
}

TEST_F(Finding, TheSearchesWalkTheFilteredRows) {
    OpenFrames("rows.kyp", Searchable());
    FilterApply(w, {0, 2, 5});
    EXPECT_TRUE(w.fFindData(std::string("\x00\x05", 2)));
    EXPECT_EQ(w.CurrentRow(), 2);
    EXPECT_FALSE(w.fFindData(std::string("\x00\x04", 2))) << "frame 4 is hidden";
    EXPECT_TRUE(w.fFindError(false, false, true, false));
    EXPECT_EQ(w.CurrentRow(), 1) << "frame 2";
}

TEST_F(Finding, TheWindowKeepsItsFieldsUntilClosedAndGoesWithTheFile) {
    OpenFrames("keep.kyp", Searchable());
    frmFind& find = Find();
    find.txtSerchStr->setText(QStringLiteral("abc"));
    find.tabFind->setCurrentIndex(2);
    frmFind& again = Find();
    EXPECT_EQ(&again, &find);
    EXPECT_EQ(again.txtSerchStr->text().toStdString(), "abc");
    EXPECT_EQ(again.tabFind->currentIndex(), 2);
    find.cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.FindWindow(), nullptr);
    frmFind& fresh = Find();
    EXPECT_EQ(fresh.txtSerchStr->text().toStdString(), "");
    EXPECT_EQ(fresh.tabFind->currentIndex(), 0);
    w.fFileOpenFlgChange(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.FindWindow(), nullptr) << "the closed state unloads it";
}

TEST_F(Finding, TheJumpWindowTakesARowNumberAndTheEndsAreOneCommandAway) {
    OpenFrames("jump.kyp", Numbered(50));
    w.fCurrentFrameChange(3);
    std::string shown;
    modal = [&](QDialog& d) {
        auto& jump = static_cast<frmGoto&>(d);
        shown = jump.windowTitle().toStdString() + " " + jump.txtLine->text().toStdString();
        jump.txtLine->clear();
        QTest::keyClicks(jump.txtLine, "x1a7");
        QTest::keyClick(jump.txtLine, Qt::Key_Backspace);  // dropped too
        EXPECT_EQ(jump.txtLine->text().toStdString(), "17");
        QTest::keyClick(jump.txtLine, Qt::Key_Return);
    };
    w.RunCommand(w.mnuEditJump);
    EXPECT_EQ(shown, "フレーム番号指定 4");
    EXPECT_EQ(w.CurrentRow(), 16);

    const auto jumpTo = [&](const char* text) {
        modal = [text](QDialog& d) {
            auto& jump = static_cast<frmGoto&>(d);
            jump.txtLine->setText(QString::fromLatin1(text));
            jump.cmdGo->click();
        };
        w.RunCommand(w.mnuRightJump);
        return w.CurrentRow();
    };
    EXPECT_EQ(jumpTo("0"), 0);
    EXPECT_EQ(jumpTo("999"), 49);
    EXPECT_EQ(jumpTo("99999999999"), 49);
    EXPECT_EQ(jumpTo("25"), 24);

    modal = [](QDialog& d) {
        auto& jump = static_cast<frmGoto&>(d);
        jump.UpDownLine->Up->click();
        jump.UpDownLine->Up->click();
        EXPECT_EQ(jump.txtLine->text().toStdString(), "27");
        jump.txtLine->setText(QStringLiteral("?"));  // no number: the up-down's value
        jump.cmdGo->click();
    };
    w.RunCommand(w.mnuEditJump);
    EXPECT_EQ(w.CurrentRow(), 26);
    modal = [](QDialog& d) {
        auto& jump = static_cast<frmGoto&>(d);
        jump.txtLine->setText(QStringLiteral("1"));
        jump.cmdCancel->click();
    };
    w.RunCommand(w.mnuEditJump);
    EXPECT_EQ(w.CurrentRow(), 26) << "cancelled";

    FilterApply(w, {10, 20, 30});
    modal = [](QDialog& d) {
        auto& jump = static_cast<frmGoto&>(d);
        jump.txtLine->setText(QStringLiteral("2"));
        jump.cmdGo->click();
    };
    w.RunCommand(w.mnuEditJump);
    EXPECT_EQ(w.CurrentRow(), 1) << "rows of the filtered list";

    w.RunCommand(w.mnuRightTail);
    EXPECT_EQ(w.CurrentRow(), 2);
    w.RunCommand(w.mnuRightHead);
    EXPECT_EQ(w.CurrentRow(), 0);
}

// A frame file whose header says what no table holds.
std::string DamagedHeader(const std::string& path, const std::string& config) {
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(config);
    header.monitor.MoniMode = 9;
    header.monitor.MoniDrec = 7;
    header.monitor.MemMode = -1;
    header.monitor.PrtBit = 3;
    header.monitor.TrgStop = 1;
    header.monitor.trigger[0].SdChrAtt = frames::FileText::FromUtf8("11");
    header.monitor.trigger[0].SdChr = frames::FileText::FromUtf8("41G");
    frames::FrameFileWriter writer(path);
    EXPECT_TRUE(writer.Header(header));
    writer.Frame(45000.5, 0x80, 0, "", "", "\x01");
    EXPECT_TRUE(writer.Commit());
    return path;
}

TEST_F(Finding, TheRecordingConditionsWindowShowsDamagedValuesAsTheyStand) {
    Open(DamagedHeader(folder / "damaged.kyp", config));
    w.RunCommand(w.mnuViewHistory);
    frmProp* prop = w.HistoryWindow();
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->windowTitle().toStdString(), "ヒストリ情報");
    EXPECT_TRUE(prop->isVisible());
    EXPECT_EQ(prop->Value("lblDspCode")->text().toStdString(), "9");
    EXPECT_EQ(prop->Value("lblDirection")->text().toStdString(), "7");
    EXPECT_EQ(prop->Value("lblMemoryMode")->text().toStdString(), "-1");
    EXPECT_EQ(prop->Value("lblParity")->text().toStdString(), "3");
    EXPECT_EQ(prop->Value("lblStop")->text().toStdString(), "-");
    EXPECT_EQ(prop->Value("lblTrig1SdChar")->text().toStdString(), " 41 G");
    EXPECT_EQ(prop->Value("lblTrig1SdCharCode")->text().toStdString(), " 41 G") << "code 9 has no table";
    EXPECT_EQ(prop->SSTab1->lblCode(0)->text().toStdString(), "9");
    EXPECT_TRUE(prop->Value("lblTrig1Line")->isEnabled());
    EXPECT_FALSE(prop->Value("lblTrig2Line")->isEnabled());
    EXPECT_FALSE(prop->Value("lblRangeStart")->isEnabled());

    // While it is open the command does nothing; closed, it opens anew.
    w.RunCommand(w.mnuViewHistory);
    EXPECT_EQ(w.HistoryWindow(), prop);
    prop->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.HistoryWindow(), nullptr);
    w.Buttons.Button("Prop")->trigger();
    EXPECT_NE(w.HistoryWindow(), nullptr);
}

TEST_F(Finding, TheVersionWindowStartsTheSystemInformationProgramOrSaysItCannot) {
    const std::string marker = folder / "started";
    const std::string program = folder / "sysinfo";
    std::ofstream(program) << "#!/bin/sh\ntouch '" << marker << "'\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    std::string title, version;
    size_t saidBefore = 0, saidAfterMissing = 0, saidAfterStart = 0;
    modal = [&](QDialog& d) {
        auto& about = static_cast<frmAbout&>(d);
        title = about.windowTitle().toStdString();
        version = about.lblVersion->text().toStdString();
        saidBefore = messages.size();
        about.SystemInfoFind = [] { return std::string(); };
        about.cmdSysInfo->click();
        saidAfterMissing = messages.size();
        about.SystemInfoFind = [&] { return program; };
        about.cmdSysInfo->click();
        saidAfterStart = messages.size();
        about.ProgramStart = [](const std::string&) { return false; };
        about.cmdSysInfo->click();
        about.cmdOK->click();
    };
    w.RunCommand(w.mnuHelpAbout);
    EXPECT_EQ(title, "Nubera Proのバージョン情報");
    EXPECT_EQ(version, "ﾊﾞｰｼﾞｮﾝ 1.0.2");
    EXPECT_EQ(saidAfterMissing, saidBefore + 1);
    EXPECT_EQ(saidAfterStart, saidAfterMissing) << "a program that starts says nothing";
    EXPECT_EQ(LastMessage(), "現時点ではｼｽﾃﾑ情報を使用できません") << "a program that fails to start";
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(std::filesystem::exists(marker)) << "the program ran";
}

}  // namespace
}  // namespace analyser::ui::test
