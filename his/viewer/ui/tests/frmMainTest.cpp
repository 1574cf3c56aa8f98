#include "frmMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QStyle>
#include <QUrl>

#include "FileSizeLimit.h"
#include "HistoryGrid.h"
#include "HistoryOpen.h"
#include "PageModel.h"
#include "UiTestHistory.h"
#include "bench/PeakMeter.h"
#include "his/store/FileSave.h"
#include "platform/ui/KeyedPanels.h"

namespace viewer::ui::test {
namespace {

std::string Caption(const frmMain& w) { return w.windowTitle().toStdString(); }
std::string Panel(frmMain& w, const char* key) {
    return w.Panels.Text(QString::fromLatin1(key)).toStdString();
}

// A file dragged over the grid and let go, as the window system delivers it.
void DropFile(frmMain& w, const std::string& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QWidget* target = w.VSFlexGrid1->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

class MainWindow : public ::testing::Test {
protected:
    ViewerFixture f;
    frmMain& w = *f.Main;
    ViewerState& st = f.Ctx->State;

    std::string Write(const std::string& name, const HistoryPlan& plan) {
        const std::string path = f.Folder / name;
        EXPECT_TRUE(HistoryWrite(path, plan));
        return path;
    }
    std::string DualFile(const std::string& name, int count = 30) {
        HistoryPlan plan;
        plan.sd = Letters(count);
        plan.rdEvery = 5;
        return Write(name, plan);
    }
};

TEST_F(MainWindow, StartsEmptyWithItsCommandsOff) {
    EXPECT_EQ(Caption(w), "ヒストリ - [無題]");
    EXPECT_FALSE(w.mnuAllSave->isEnabled());
    EXPECT_FALSE(w.mnuTop->isEnabled());
    EXPECT_FALSE(w.Buttons.Button("Save")->isEnabled());
    EXPECT_TRUE(w.mnuRead->isEnabled());
    EXPECT_TRUE(w.mnuColor->isEnabled());
    EXPECT_FALSE(st.FileLoaded);
}

TEST_F(MainWindow, AnOpenedDualFileIsMarkedWholeAndShownInCaptionAndPanels) {
    const std::string path = DualFile("a.ky2");
    w.HistoryFileOpen(path);
    ASSERT_TRUE(st.FileLoaded);
    EXPECT_EQ(Caption(w), "ヒストリ - [" + path + "]");
    EXPECT_EQ(st.MarkBegin, 0);
    EXPECT_EQ(st.MarkEnd, 35);
    EXPECT_FALSE(w.mnuRangeSave->isEnabled()) << "even with both marks set after an open";
    EXPECT_TRUE(w.mnuAllSave->isEnabled());
    EXPECT_EQ(Panel(w, "SdCount"), "SD : 30");
    EXPECT_EQ(Panel(w, "RdCount"), "RD : 6");
    EXPECT_EQ(Panel(w, "TotalCount"), "TR : 36");
    EXPECT_EQ(Panel(w, "Code"), "ASCII");
    EXPECT_EQ(Panel(w, "Line"), "DUAL");
    EXPECT_FALSE(w.mnuPrecedFile->isEnabled());
    EXPECT_FALSE(w.mnuFollowFile->isEnabled());
}

TEST_F(MainWindow, AnSdFileLeavesTheMarksUnsetAndOnlyItsLineModeOn) {
    HistoryPlan plan;
    plan.direction = kLineSd;
    plan.sd = Letters(10);
    w.HistoryFileOpen(Write("sd.ky2", plan));
    EXPECT_EQ(st.MarkBegin, -1);
    EXPECT_EQ(st.MarkEnd, -1);
    EXPECT_TRUE(w.mnuDspLineSd->isEnabled());
    EXPECT_FALSE(w.mnuDspLineDual->isEnabled());
    EXPECT_FALSE(w.mnuDspLineRd->isEnabled());
    EXPECT_FALSE(w.mnuAllSave->isEnabled());
    EXPECT_EQ(Panel(w, "Line"), "SD");
}

TEST_F(MainWindow, AFailedOpenSaysSoAndKeepsThePreviousHistory) {
    const std::string good = DualFile("good.ky2");
    w.HistoryFileOpen(good);
    const store::clsCommon* before = f.Ctx->gCommon.get();
    TempFolder::WriteAll(f.Folder / "bad.ky2", "no history here\r\n");
    BoxAnswerer answer;
    w.HistoryFileOpen(f.Folder / "bad.ky2");
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(f.Ctx->gMsgBox->Messege(), kMsgReadFailed);
    EXPECT_EQ(f.Ctx->gCommon.get(), before);
    EXPECT_EQ(Caption(w), "ヒストリ - [" + good + "]");
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindow, AFailedFirstOpenLeavesTheStartState) {
    BoxAnswerer answer;
    w.HistoryFileOpen(f.Folder / "missing.ky2");
    EXPECT_EQ(answer.Messages.size(), 1u);
    EXPECT_FALSE(st.FileLoaded);
    EXPECT_EQ(Caption(w), "ヒストリ - [無題]");
    EXPECT_FALSE(w.mnuAllSave->isEnabled());
}

TEST_F(MainWindow, ACancelledOpenSaysNothingAndKeepsThePreviousHistory) {
    const std::string first = DualFile("first.ky2");
    w.HistoryFileOpen(first);
    const store::clsCommon* before = f.Ctx->gCommon.get();
    const std::string big = DualFile("big.ky2", 60000);
    BoxAnswerer answer;
    answer.CancelProgress = true;
    w.HistoryFileOpen(big);
    EXPECT_TRUE(f.Ctx->gBar->Cancel()) << "the progress window was cancelled";
    EXPECT_TRUE(answer.Messages.empty());
    EXPECT_EQ(f.Ctx->gCommon.get(), before);
    EXPECT_EQ(Caption(w), "ヒストリ - [" + first + "]");
    EXPECT_EQ(Panel(w, "TotalCount"), "TR : 36");
}

TEST_F(MainWindow, ACancelInsideALongLineGivesTheWindowBackAtOnceWithThePreviousHistory) {
    const std::string first = DualFile("first.ky2");
    w.HistoryFileOpen(first);
    const store::clsCommon* before = f.Ctx->gCommon.get();
    // One line of 16,000,000 units that never ends: no end item, no CR LF.
    const std::string path = f.Folder / "one-line.ky2";
    {
        std::string bytes = store::Ky2HeaderText(store::clsCommon(), "", "") + "2024/05/06 07:08:09,\x44\x01";
        for (int i = 0; i < 16000000; ++i) {
            bytes.push_back(static_cast<char>(kSd));
            bytes.push_back(static_cast<char>('a' + i % 26));
        }
        TempFolder::WriteAll(path, bytes);
    }
    const auto size = static_cast<long long>(std::filesystem::file_size(path));
    BoxAnswerer answer;
    answer.CancelProgress = true;
    answer.CancelProgressAt = 1.0 / 16;
    const long long readBefore = BytesRead();
    w.HistoryFileOpen(path);
    EXPECT_TRUE(f.Ctx->gBar->Cancel()) << "the progress window was cancelled";
    EXPECT_LT(BytesRead() - readBefore, size / 2) << "the line was not read to its end";
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(answer.Messages.empty());
    EXPECT_EQ(f.Ctx->gCommon.get(), before);
    EXPECT_EQ(Caption(w), "ヒストリ - [" + first + "]");
    EXPECT_EQ(Panel(w, "TotalCount"), "TR : 36");
}

TEST_F(MainWindow, AFailedOpenAfterACancelledOneSaysSo) {
    const std::string big = DualFile("big.ky2", 60000);
    TempFolder::WriteAll(f.Folder / "bad.ky2", "no history here\r\n");
    BoxAnswerer answer;
    answer.CancelProgress = true;
    w.HistoryFileOpen(big);
    ASSERT_TRUE(f.Ctx->gBar->Cancel());
    ASSERT_TRUE(answer.Messages.empty());
    answer.CancelProgress = false;
    w.HistoryFileOpen(f.Folder / "bad.ky2");
    ASSERT_EQ(answer.Messages.size(), 1u) << "the earlier cancel does not hide the failure";
    EXPECT_EQ(f.Ctx->gMsgBox->Messege(), kMsgReadFailed);
    EXPECT_FALSE(st.FileLoaded);
}

TEST_F(MainWindow, FindShowsTheMagnifierAndTheDisplayCodeAPictureOfItsOwn) {
    auto image = [&](const QIcon& icon) { return icon.pixmap(QSize(24, 24)).toImage(); };
    const QImage magnifier = image(w.style()->standardIcon(QStyle::SP_FileDialogContentsView));
    const QImage find = image(w.Buttons.Button("Find")->icon());
    const QImage code = image(w.Buttons.Button("Code")->icon());
    EXPECT_EQ(find, magnifier);
    EXPECT_NE(code, magnifier);
    for (const char* other : {"Open", "Save", "Range", "Prop", "Line"}) {
        EXPECT_NE(image(w.Buttons.Button(other)->icon()), code) << other;
        EXPECT_NE(image(w.Buttons.Button(other)->icon()), find) << other;
    }
}

TEST_F(MainWindow, AFileDroppedOnTheGridIsOpened) {
    const std::string path = DualFile("dropped.ky2");
    DropFile(w, path);
    EXPECT_TRUE(st.FileLoaded);
    EXPECT_EQ(Caption(w), "ヒストリ - [" + path + "]");
}

TEST_F(MainWindow, ADropWhileTheFindWindowIsOpenIsIgnored) {
    const std::string path = DualFile("dropped.ky2");
    st.FindOpen = true;
    DropFile(w, path);
    EXPECT_FALSE(st.FileLoaded);
}

TEST_F(MainWindow, PrecedingAndFollowingFilesWalkAChainOfTwo) {
    // The second file exists under its ended name; the first names it as
    // the capture wrote it, before the ending was known.
    const std::string first = f.Folder / "Cap_01_b.ky2";
    const std::string second = f.Folder / "Cap_02_e.ky2";
    HistoryPlan b;
    b.sd = Letters(8);
    b.preced = first;
    Write("Cap_02_e.ky2", b);
    HistoryPlan a;
    a.sd = Letters(12);
    a.follow = f.Folder / "Cap_02.ky2";
    Write("Cap_01_b.ky2", a);

    w.HistoryFileOpen(first);
    EXPECT_FALSE(w.mnuPrecedFile->isEnabled());
    ASSERT_TRUE(w.mnuFollowFile->isEnabled());
    w.mnuFollowFile->trigger();
    EXPECT_EQ(Caption(w), "ヒストリ - [" + second + "]");
    EXPECT_EQ(Panel(w, "SdCount"), "SD : 8");
    EXPECT_TRUE(w.mnuPrecedFile->isEnabled());
    EXPECT_FALSE(w.mnuFollowFile->isEnabled());
    w.mnuPrecedFile->trigger();
    EXPECT_EQ(Caption(w), "ヒストリ - [" + first + "]");
    EXPECT_EQ(Panel(w, "SdCount"), "SD : 12");
}

TEST_F(MainWindow, ASaveThatFailsOverAnExistingFileKeepsItAndSaysWhy) {
    w.HistoryFileOpen(DualFile("a.ky2", 3000));
    const std::string target = f.Folder / "keep.ky2";
    const std::string oldBytes(1000, 'k');
    TempFolder::WriteAll(target, oldBytes);
    w.SaveFileAsk = [&] { return SaveAnswer{target, 1}; };
    BoxAnswerer answer;
    {
        const FileSizeLimit limit(4096);
        w.mnuAllSave->trigger();
    }
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(f.Ctx->gMsgBox->Messege().rfind(target, 0), 0u) << f.Ctx->gMsgBox->Messege();
    EXPECT_EQ(f.Ctx->gMsgBox->Icon(), 16);
    EXPECT_EQ(TempFolder::ReadAll(target), oldBytes);
}

TEST_F(MainWindow, ARangeSaveBetweenTheMarksReadsBackIdentical) {
    w.HistoryFileOpen(DualFile("a.ky2", 40));
    const store::clsCommon& doc = *f.Ctx->gCommon;
    // The marks go where the user puts them: the cursor on a record's cell,
    // then the mark command.
    for (const auto& [record, item] : {std::pair{7, w.mnuMarkSetBegin}, std::pair{19, w.mnuMarkSetEnd}}) {
        const auto cell = CursorToRecord(st, doc, record);
        ASSERT_TRUE(cell);
        w.VSFlexGrid1->CursorSet(cell->Row, cell->Col);
        item->trigger();
    }
    ASSERT_EQ(st.MarkBegin, 7);
    ASSERT_EQ(st.MarkEnd, 19);
    ASSERT_TRUE(w.mnuRangeSave->isEnabled());
    const std::string target = f.Folder / "range.ky2";
    w.SaveFileAsk = [&] { return SaveAnswer{target, 1}; };
    w.mnuRangeSave->trigger();

    store::clsCommon back;
    ASSERT_TRUE(back.Read(target));
    ASSERT_EQ(back.RecordCount(), 13);
    for (int32_t i = 0; i < back.RecordCount(); ++i) {
        const store::HistoryRecord* got = back.Record(i);
        const store::HistoryRecord* want = doc.Record(7 + i);
        ASSERT_NE(got, nullptr);
        EXPECT_EQ(got->Data, want->Data) << "record " << i;
        EXPECT_EQ(got->Attr, want->Attr) << "record " << i;
        EXPECT_DOUBLE_EQ(got->DateTime, want->DateTime) << "record " << i;
    }
}

TEST_F(MainWindow, ACancelledSaveDialogWritesNothing) {
    w.HistoryFileOpen(DualFile("a.ky2"));
    w.SaveFileAsk = [] { return SaveAnswer{}; };
    BoxAnswerer answer;
    w.mnuAllSave->trigger();
    EXPECT_TRUE(answer.Messages.empty());
    EXPECT_EQ(f.Folder.Names(), std::vector<std::string>({"Rewindo.ini", "a.ky2"}));
}

TEST_F(MainWindow, AKy1ConversionFailsUntilAConverterIsThere) {
    TempFolder::WriteAll(f.Folder / "old.ky1", "x");
    BoxAnswerer answer;
    EXPECT_FALSE(w.OldHistoryConvert(f.Folder / "old.ky1"));
    EXPECT_EQ(f.Ctx->gMsgBox->Messege(), kMsgConvertFailed);
    w.CommandLineOpen(f.Folder / "old.ky1");
    EXPECT_EQ(answer.Messages.size(), 2u);
    EXPECT_FALSE(st.FileLoaded);
}

TEST(SiblingProgramMenus, AreEnabledOnlyForProgramsPresentAtLoad) {
    ViewerFixture f;
    EXPECT_FALSE(f.Main->mnuMonitor->isEnabled());
    EXPECT_FALSE(f.Main->mnuProtocol->isEnabled());

    TempFolder::WriteAll(f.Folder / kCapturoFile, "#!/bin/sh\n");
    f.Main->Form_Load("");
    EXPECT_TRUE(f.Main->mnuMonitor->isEnabled());
    EXPECT_FALSE(f.Main->mnuProtocol->isEnabled());

    TempFolder::WriteAll(f.Folder / kDissectoFile, "#!/bin/sh\n");
    std::filesystem::remove(f.Folder / kCapturoFile);
    EXPECT_TRUE(f.Main->mnuMonitor->isEnabled()) << "the answer of the load step stays";
    f.Main->Form_Load("");
    EXPECT_FALSE(f.Main->mnuMonitor->isEnabled());
    EXPECT_TRUE(f.Main->mnuProtocol->isEnabled());
}

// The build puts the analyser beside the viewer; the menu finds it there
// and the program it names starts.
TEST(SiblingProgramMenus, FindTheBuiltAnalyserBesideTheViewer) {
    const SiblingPrograms built = SiblingProgramsFind(KY_BINARY_DIR "/bin");
    ASSERT_TRUE(built.DissectoFound) << built.DissectoPath;
    QProcess analyser;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    analyser.setProcessEnvironment(env);
    analyser.start(QString::fromStdString(built.DissectoPath), QStringList());
    ASSERT_TRUE(analyser.waitForStarted(10000));
    EXPECT_FALSE(analyser.waitForFinished(1500)) << "the analyser runs until its window closes";
    analyser.kill();
    analyser.waitForFinished(5000);
}

TEST_F(MainWindow, TheColourCommandWritesRewindoIniEvenWhenNothingChanged) {
    std::filesystem::remove(f.Folder / "Rewindo.ini");
    w.ColorDialogRun = [] { return false; };
    w.mnuColor->trigger();
    const std::string bytes = TempFolder::ReadAll(f.Folder / "Rewindo.ini");
    ASSERT_EQ(bytes.size(), kColorRecordSize);
    std::array<uint8_t, kColorRecordSize> raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    EXPECT_EQ(ColorRecordFromBytes(raw), DefaultColors());
}

TEST_F(MainWindow, ANewColourIsSavedAndPaintsTheGrid) {
    w.HistoryFileOpen(DualFile("a.ky2"));
    w.ColorDialogRun = [&] {
        st.Colors.OddBack = 0x00336699;
        return true;
    };
    w.mnuColor->trigger();
    ColorRecord saved = DefaultColors();
    ColorIniRead(f.Ctx->IniPath(), saved);
    EXPECT_EQ(saved.OddBack, 0x00336699);
    // Row 1 column 5 is a plain SD cell of the first line.
    EXPECT_EQ(w.Page->CellBack(1, 5), QColor(0x99, 0x66, 0x33));
}

TEST_F(MainWindow, TheCloseIsRefusedWhileTheFindWindowIsOpen) {
    st.FindOpen = true;
    EXPECT_FALSE(w.close());
    EXPECT_NE(f.Ctx->gMsgBox, nullptr);
    st.FindOpen = false;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(f.Ctx->gCommon, nullptr) << "the shared objects are released";
    EXPECT_EQ(f.Ctx->gBar, nullptr);
}

}  // namespace
}  // namespace viewer::ui::test
