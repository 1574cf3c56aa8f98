#include "frmMain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMimeData>
#include <QTest>
#include <QToolTip>
#include <QUrl>

#include <deque>
#include <set>

#include "ChartSplitter.h"
#include "ChartTestFiles.h"
#include "CommentColumn.h"
#include "DissectoApp.h"
#include "FrameChart.h"
#include "TempFolder.h"
#include "clsProtocol.h"
#include "platform/ui/Twips.h"

namespace analyser::ui::test {
namespace {

std::string Caption(const QWidget& w) { return w.windowTitle().toStdString(); }

// A file dragged over the chart and let go, as the window system delivers it.
void Drop(QWidget* target, const std::vector<std::string>& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
    mime.setUrls(urls);
    const QPoint at(30, 30);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// A double click as the window system delivers it: a click, then the
// second press as a double click, then its release.
void DoubleClick(QWidget* target, Qt::MouseButton button, const QPoint& at) {
    QTest::mouseClick(target, button, {}, at);
    QTest::mouseDClick(target, button, {}, at);
    QTest::mouseRelease(target, button, {}, at);
}

class Dissecto : public ::testing::Test {
protected:
    TempFolder folder{"dissecto-test"};
    std::unique_ptr<frmMain> owned = std::make_unique<frmMain>(folder.path());
    frmMain& w = *owned;
    std::vector<std::string> messages;
    std::vector<std::set<std::string>> popups;  // the visible items of each pop-up
    std::deque<std::string> answers;            // what the open dialog answers
    std::string config = WriteConfig(folder / "test.kyf");
    std::string link = WriteLink(folder / "names.kyl", "名前表",
                                 {{5, "問合せ", 1, 0x0000FF}, {6, "応答", 2, 0x008000}});

    void SetUp() override {
        Seams(w, messages, popups, answers);
        w.Form_Load();
        w.resize(900, 640);
        w.show();
        QApplication::processEvents();
    }

    static void Seams(frmMain& main, std::vector<std::string>& messages,
                      std::vector<std::set<std::string>>& popups, std::deque<std::string>& answers) {
        main.MessageShow = [&messages](const std::string& text, int16_t) { messages.push_back(text); };
        main.OpenFileAsk = [&answers](const QString&, const QString&) {
            if (answers.empty()) return std::string();
            std::string next = answers.front();
            answers.pop_front();
            return next;
        };
        main.PopupRun = [&popups](QMenu* menu, const QPoint&) {
            std::set<std::string> shown;
            for (QAction* a : menu->actions()) {
                if (a->isVisible() && !a->isSeparator()) shown.insert(a->objectName().toStdString());
            }
            popups.push_back(shown);
        };
    }

    std::string Frames(const std::string& name, int count, const std::string& withLink = "") {
        return WriteFrames(folder / name, config, withLink, Numbered(count));
    }
    void Open(const std::string& path) {
        ASSERT_TRUE(w.fFileOpenKYP(path)) << (messages.empty() ? "" : messages.back());
        QApplication::processEvents();
    }
    int32_t Row() const { return w.CurrentRow(); }
    int32_t Top() const { return w.Chart().Paging.SlotRow(0); }
    QPoint SlotPoint(int slot) const { return w.picFrameView->SlotRect(slot).center(); }
    std::string PanelText(const char* key) { return w.Panels.Text(QString::fromLatin1(key)).toStdString(); }
};

// Every later window's command, as it will plug in: a handler that counts.
void AllCommandsPlugIn(frmMain& w, int& runs) {
    for (QAction* a : w.findChildren<QAction*>()) {
        if (!a->isSeparator() && !a->menu() && !w.HasCommand(a)) w.SetCommand(a, [&runs] { ++runs; });
    }
}

TEST_F(Dissecto, StartsClosedWithOnlyItsFileFreeCommands) {
    EXPECT_EQ(Caption(w), "Nubera Pro");
    EXPECT_FALSE(w.State().gFileOpen);
    for (QAction* on : {w.mnuFileOpen, w.mnuFileExit, w.mnuViewArrangement, w.mnuViewWidthL,
                        w.mnuViewWidthM, w.mnuViewWidthS, w.mnuViewFont, w.mnuHelpTopic}) {
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    }
    for (QAction* off : {w.mnuFilePrint, w.mnuFileSaveOver, w.mnuEditJump, w.mnuEditSerch,
                         w.mnuEditFilter, w.mnuViewDetail, w.mnuViewHistory}) {
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    }
    for (QMenu* off : {w.mnuFileSave, w.mnuFileCsv, w.mnuEditRelation, w.mnuEditMarkJump, w.mnuEditMarkSet}) {
        EXPECT_FALSE(off->menuAction()->isEnabled()) << off->objectName().toStdString();
    }
    for (QWidget* off : std::initializer_list<QWidget*>{w.cmdBeforeBegin, w.cmdBeforePage, w.cmdBefore,
                                                        w.cmdNext, w.cmdNextPage, w.cmdNextEnd,
                                                        w.txtCurrentFrame}) {
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    }
    EXPECT_TRUE(w.Buttons.Button("Open")->isEnabled());
    EXPECT_TRUE(w.Buttons.Button("Help")->isEnabled());
    for (const char* key : {"Save", "Print", "Find", "Prop"}) EXPECT_FALSE(w.Buttons.Button(key)->isEnabled()) << key;
    // Commands the dialogs and the editors plug in stay off without them.
    for (QAction* later : {w.mnuToolConvert, w.mnuToolFrameMake, w.mnuToolLink, w.mnuFileOpenWithKYF}) {
        EXPECT_FALSE(later->isEnabled()) << later->objectName().toStdString();
    }
    EXPECT_TRUE(w.mnuHelpAbout->isEnabled()) << "the version window needs no file";
    for (QAction* hidden : {w.mnuViewHex, w.mnuViewAscii, w.mnuViewUnicode, w.mnuViewShiftJIS,
                            w.mnuViewLine3, w.mnuEditMarkJumpLine}) {
        EXPECT_FALSE(hidden->isVisible());
    }
    EXPECT_TRUE(w.mnuViewHex->isChecked());
    EXPECT_TRUE(w.mnuViewWidthS->isChecked());
    EXPECT_FALSE(w.Panels.Panel("FrameConfig")->isVisible());
    EXPECT_FALSE(w.Panels.Panel("LinkTable")->isVisible());
    EXPECT_EQ(w.State().gFrameFileFolder, folder.path());
}

TEST_F(Dissecto, OpenAndClosedStatesSwitchEveryFileCommand) {
    int runs = 0;
    AllCommandsPlugIn(w, runs);
    std::vector<QAction*> fileItems = {w.mnuFilePrint, w.mnuFileSaveOver, w.mnuEditJump, w.mnuEditSerch,
                                       w.mnuEditFilter, w.mnuViewDetail, w.mnuViewHistory};
    for (QMenu* m : {w.mnuFileSave, w.mnuFileCsv, w.mnuEditRelation, w.mnuEditMarkJump, w.mnuEditMarkSet}) {
        fileItems.push_back(m->menuAction());
    }
    for (QAction* a : fileItems) EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* always : {w.mnuToolConvert, w.mnuToolFrameMake, w.mnuToolLink, w.mnuHelpAbout}) {
        EXPECT_TRUE(always->isEnabled()) << "works in both states";
    }

    const std::string path = Frames("a.kyp", 30);
    Open(path);
    EXPECT_EQ(Caption(w), "Nubera Pro - [" + path + "]");
    for (QAction* a : fileItems) EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    for (const char* key : {"Open", "Save", "Print", "Find", "Prop", "Help"}) {
        EXPECT_TRUE(w.Buttons.Button(key)->isEnabled()) << key;
    }
    EXPECT_TRUE(w.cmdNextPage->isEnabled());
    EXPECT_TRUE(w.txtCurrentFrame->isEnabled());
    EXPECT_EQ(PanelText("FrameConfig"), "テスト構成");
    EXPECT_TRUE(w.Panels.Panel("FrameConfig")->isVisible());
    EXPECT_EQ(w.Panels.Panel("FrameConfig")->toolTip().toStdString(), "フレーム構成ファイル");
    EXPECT_EQ(PanelText("LinkTable"), "") << "the file names no link table";

    // The toolbar runs the menu commands it stands for.
    w.Buttons.Button("Find")->trigger();
    EXPECT_NE(w.FindWindow(), nullptr);
}

TEST_F(Dissecto, StartsWithTheCommandLineFile) {
    const std::string path = WriteFrames(folder / "start.kyp", config, link, Numbered(12));
    DissectoApp app(folder.path());
    std::vector<std::string> shown;
    std::vector<std::set<std::string>> pops;
    std::deque<std::string> none;
    app.Start(path, [&](frmMain& m) { Seams(m, shown, pops, none); });
    frmMain& main = app.MainWindow();
    ASSERT_TRUE(main.State().gFileOpen) << (shown.empty() ? "" : shown.back());
    EXPECT_EQ(main.CurrentRow(), 0);
    EXPECT_EQ(main.txtCurrentFrame->text().toStdString(), "1");
    EXPECT_EQ(main.lblFrameMax->text().toStdString(), "/ 12");
    EXPECT_EQ(main.txtDevice[0]->text().toStdString(), "ホスト");
    EXPECT_EQ(main.txtDevice[1]->toolTip().toStdString(), "端末");
    EXPECT_EQ(main.Panels.Text("LinkTable").toStdString(), "名前表");
    EXPECT_EQ(main.Panels.Text("MonitorLine").toStdString(), "SD");
    EXPECT_EQ(main.Panels.Text("FrameTime").toStdString(), "2023/03/15 12:00:00");
    EXPECT_EQ(main.Panels.Text("CutKind").toStdString(), "フレーム");
    EXPECT_EQ(main.TableEntry(0).Caption, "問合せ");
    EXPECT_EQ(main.TableEntry(1).Direction, kDirLeft);
    EXPECT_TRUE(main.mnuEditRelationSet->isChecked());
    EXPECT_FALSE(main.mnuViewHex->isVisible()) << "a link table names the rows";
    main.close();
    EXPECT_EQ(main.State().gProtocol, nullptr) << "closing releases the document";
    EXPECT_EQ(main.State().gFilter, nullptr);

    DissectoApp missing(folder.path());
    missing.Start(folder / "nothing.kyp", [&](frmMain& m) { Seams(m, shown, pops, none); });
    EXPECT_FALSE(missing.MainWindow().State().gFileOpen);
    EXPECT_EQ(Caption(missing.MainWindow()), "Nubera Pro");
    EXPECT_TRUE(shown.empty()) << "a command line naming no file is ignored quietly";
}

TEST_F(Dissecto, KeysPageTheChart) {
    Open(Frames("keys.kyp", 200));
    QWidget* chart = w.picFrameView;
    chart->setFocus();
    const ChartPaging& paging = w.Chart().Paging;
    const int step = paging.PageStep(false);
    ASSERT_GT(paging.FullyVisibleCount(), 3) << "the window shows several rows";
    QTest::keyClick(chart, Qt::Key_PageDown);
    EXPECT_EQ(Row(), step + 1);
    EXPECT_EQ(Top(), step + 1);
    QTest::keyClick(chart, Qt::Key_Down);
    EXPECT_EQ(Row(), step + 2);
    EXPECT_EQ(Top(), step + 1) << "Down moves the highlight within the page";
    QTest::keyClick(chart, Qt::Key_Up);
    QTest::keyClick(chart, Qt::Key_Up);
    EXPECT_EQ(Row(), step);
    EXPECT_EQ(Top(), step) << "a row above the page becomes its top";
    QTest::keyClick(chart, Qt::Key_End);
    EXPECT_EQ(Row(), 199);
    EXPECT_EQ(w.txtCurrentFrame->text().toStdString(), "200");
    QTest::keyClick(chart, Qt::Key_PageUp);
    EXPECT_EQ(Row(), 199 - paging.PageStep(true) - 1);
    QTest::keyClick(chart, Qt::Key_Home);
    EXPECT_EQ(Row(), 0);
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(w.focusWidget(), chart);
    EXPECT_EQ(w.lblFrameMax->text().toStdString(), "/ 200");
}

TEST_F(Dissecto, TheSixButtonsMoveAsTheirCaptionsSay) {
    Open(Frames("buttons.kyp", 100));
    const int32_t visible = w.Chart().Paging.FullyVisibleCount();
    QTest::mouseClick(w.cmdNextEnd, Qt::LeftButton);
    EXPECT_EQ(Row(), 99);
    QTest::mouseClick(w.cmdBeforeBegin, Qt::LeftButton);
    EXPECT_EQ(Row(), 0);
    for (int i = 0; i < visible; ++i) QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    EXPECT_EQ(Row(), visible);
    EXPECT_EQ(Top(), 1) << "the page scrolled by one row at its bottom";
    QTest::mouseClick(w.cmdBefore, Qt::LeftButton);
    EXPECT_EQ(Row(), visible - 1);
    const int32_t top = Top();
    const int down = w.Chart().Paging.PageStep(false);
    QTest::mouseClick(w.cmdNextPage, Qt::LeftButton);
    EXPECT_EQ(Row(), top + down + 1);
    const int up = w.Chart().Paging.PageStep(true);
    QTest::mouseClick(w.cmdBeforePage, Qt::LeftButton);
    EXPECT_EQ(Row(), std::max(0, top + down + 1 - up - 1));
}

TEST_F(Dissecto, TheFrameNumberBoxTakesDigitsOnly) {
    Open(Frames("box.kyp", 100));
    w.txtCurrentFrame->setFocus();
    w.txtCurrentFrame->selectAll();
    QTest::keyClicks(w.txtCurrentFrame, "2x5");
    EXPECT_EQ(w.txtCurrentFrame->text().toStdString(), "25") << "the letter is swallowed";
    QTest::keyClick(w.txtCurrentFrame, Qt::Key_Return);
    EXPECT_EQ(Row(), 24);
    EXPECT_EQ(w.txtCurrentFrame->text().toStdString(), "25");
    w.txtCurrentFrame->setText("9999");
    QTest::keyClick(w.txtCurrentFrame, Qt::Key_Return);
    EXPECT_EQ(Row(), 99);
    for (const char* nothing : {"", ".", "1.2.3"}) {
        w.txtCurrentFrame->setText(QString::fromLatin1(nothing));
        QTest::keyClick(w.txtCurrentFrame, Qt::Key_Return);
        EXPECT_EQ(Row(), 99) << "'" << nothing << "' moves nothing";
    }
}

TEST_F(Dissecto, ClicksAndDoubleClicksLandOnTheirRows) {
    int details = 0;
    w.SetCommand(w.mnuViewDetail, [&] { ++details; });
    Open(Frames("clicks.kyp", 5));
    QTest::mouseClick(w.picFrameView, Qt::LeftButton, {}, SlotPoint(3));
    EXPECT_EQ(Row(), 3);
    EXPECT_TRUE(popups.empty());

    QTest::mouseClick(w.picFrameView, Qt::RightButton, {}, SlotPoint(2));
    EXPECT_EQ(Row(), 2) << "a right click makes the row current first";
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_TRUE(popups[0].count("mnuRightOpen") && popups[0].count("mnuRightsCommentsL") &&
                popups[0].count("mnuRightMarkSet"))
        << "the full pop-up";

    const QPoint empty(w.picFrameView->width() / 2, w.picFrameView->height() - 5);
    ASSERT_LT(w.Chart().Paging.SlotAt(platform::PixelsToTwips(empty.y(), w.picFrameView)), 0);
    QTest::mouseClick(w.picFrameView, Qt::RightButton, {}, empty);
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[1], (std::set<std::string>{"mnuRightHead", "mnuRightJump", "mnuRightMarkJump",
                                                 "mnuRightTail"}));
    EXPECT_EQ(Row(), 2) << "the empty chart changes no row";
    EXPECT_TRUE(w.mnuRightOpen->isVisible()) << "the hidden items come back";

    DoubleClick(w.picFrameView, Qt::LeftButton, SlotPoint(4));
    EXPECT_EQ(Row(), 4);
    EXPECT_EQ(details, 1);
    DoubleClick(w.picFrameView, Qt::RightButton, SlotPoint(1));
    EXPECT_EQ(details, 1) << "a right double click opens no detail window";
    QTest::keyClick(w.picFrameView, Qt::Key_Return);
    EXPECT_EQ(details, 2) << "Enter opens the current row's details";
    EXPECT_EQ(Row(), 1);
}

TEST_F(Dissecto, ADroppedFrameFileOpensAndOtherFilesAreIgnored) {
    const std::string first = Frames("first.kyp", 4);
    const std::string upper = Frames("SECOND.KYP", 7);
    const std::string other = folder / "history.ky2";
    TempFolder::WriteAll(other, "*** KY-Nubera ***\r\n");
    Drop(w.picFrameView, {other});
    EXPECT_FALSE(w.State().gFileOpen);
    Drop(w.picFrameView, {first, upper});
    EXPECT_EQ(w.State().gFrameFile, first) << "only the first file counts";
    Drop(w.picFrameView, {upper});
    EXPECT_EQ(w.State().gFrameFile, upper);
    EXPECT_EQ(w.State().gRowCount, 7);
    EXPECT_TRUE(w.isEnabled());
    Drop(w.picFrameView, {other});
    EXPECT_EQ(w.State().gFrameFile, upper) << "dropping another kind of file changes nothing";
    EXPECT_TRUE(messages.empty());
}

TEST_F(Dissecto, AFailedOpenKeepsTheOpenFile) {
    std::vector<FrameSpec> frames = Numbered(20);
    const std::string good = WriteFrames(folder / "good.kyp", config, "", frames);
    Open(good);
    w.State().gProtocol->FramePostit(0, 3, "未保存のコメント");
    w.fCurrentFrameChange(5);

    const std::string junk = folder / "junk.kyp";
    TempFolder::WriteAll(junk, "not a frame file");
    answers.push_back(junk);
    w.mnuFileOpen->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], junk + "の読込に失敗しました。");

    const std::string orphan = WriteFrames(folder / "orphan.kyp", folder / "gone.kyf", "", frames);
    Drop(w.picFrameView, {orphan});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], "フレーム構成ファイルの読込に失敗しました。");
    EXPECT_FALSE(w.fFileOpenKYP(folder / "absent.kyp"));
    EXPECT_EQ(messages.back(), folder / "absent.kyp" + "の読込に失敗しました。");

    EXPECT_TRUE(w.State().gFileOpen);
    EXPECT_EQ(Caption(w), "Nubera Pro - [" + good + "]");
    EXPECT_EQ(w.State().gFrameFile, good);
    ASSERT_NE(w.State().gFilter, nullptr) << "the rows stay beside the document";
    EXPECT_EQ(w.State().gFilter->FilterMax(), 20);
    EXPECT_EQ(w.State().gProtocol->FramePostit(0, 3), "未保存のコメント");
    EXPECT_EQ(Row(), 5);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(PanelText("Message"), "");

    answers.clear();
    w.mnuFileOpen->trigger();  // cancelled
    EXPECT_EQ(w.State().gFrameFile, good);
}

TEST_F(Dissecto, OpenWithAFrameConfigurationTakesThePickedOne) {
    const std::string other = WriteConfig(folder / "other.kyf", "別の構成");
    const std::string path = WriteFrames(folder / "a.kyp", folder / "gone.kyf", "", Numbered(3));
    std::string picked = other;
    w.FrameConfigPick = [&] { return picked; };
    w.SetCommand(w.mnuFileOpenWithKYF, [this] { w.mnuFileOpenWithKYF_Click(); });
    EXPECT_TRUE(w.mnuFileOpenWithKYF->isEnabled());
    answers.push_back(path);
    w.mnuFileOpenWithKYF->trigger();
    ASSERT_TRUE(w.State().gFileOpen) << (messages.empty() ? "" : messages.back());
    EXPECT_EQ(w.State().gFrameConfigFile, other);
    EXPECT_EQ(PanelText("FrameConfig"), "別の構成");

    picked = folder / "missing.kyf";
    answers.push_back(path);
    w.mnuFileOpenWithKYF->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], picked + "の読込に失敗しました。");
    EXPECT_EQ(w.State().gFrameConfigFile, other) << "the open file stays";

    picked = other;  // then the frame file dialog is cancelled
    w.mnuFileOpenWithKYF->trigger();
    EXPECT_TRUE(w.State().gFileOpen);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Dissecto, EmptyFilesLongCaptionsAndFrameJumps) {
    Open(WriteFrames(folder / "empty.kyp", config, "", {}));
    EXPECT_EQ(w.txtCurrentFrame->text().toStdString(), "0");
    EXPECT_EQ(w.lblFrameMax->text().toStdString(), "/ 0");
    EXPECT_EQ(w.Chart().Paging.Shown(), 0);
    EXPECT_FALSE(w.State().gFileOpen) << "a file without frames leaves the window closed";
    EXPECT_NE(w.State().gFilter, nullptr);

    std::vector<FrameSpec> frames = Numbered(50);
    frames[0].Bytes = std::string(300, 'A');
    Open(WriteFrames(folder / "long.kyp", config, "", frames));
    w.mnuViewAscii->trigger();
    EXPECT_EQ(w.picFrameView->ShownCaption(0).size(), 255);
    QHelpEvent help(QEvent::ToolTip, w.picFrameView->CaptionRect(0).center(),
                    w.picFrameView->mapToGlobal(w.picFrameView->CaptionRect(0).center()));
    QCoreApplication::sendEvent(w.picFrameView, &help);
    EXPECT_EQ(QToolTip::text().size(), 300) << "the tool tip holds the whole caption";

    w.fFrameNoJump(33);
    EXPECT_EQ(Row(), 33);
    EXPECT_TRUE(messages.empty());
    w.fFrameNoJump(50);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "見つかりませんでした");
    EXPECT_EQ(Row(), 33);
}

TEST_F(Dissecto, DisplayCodesRecaptionTheRows) {
    std::vector<FrameSpec> frames(3);
    frames[0].Bytes = "\x0D\x0A\x41";
    frames[1].Bytes = std::string("\x41\x00\x42\x00", 4);
    frames[1].Rd = true;
    frames[2].Bytes = "\x93\xFA\x96\x7B";  // 日本 in Shift-JIS
    Open(WriteFrames(folder / "codes.kyp", config, "", frames));
    EXPECT_TRUE(w.mnuViewHex->isVisible());
    EXPECT_TRUE(w.mnuEditRelationUndo->isChecked());
    EXPECT_EQ(w.TableEntry(0).Caption, "0D 0A 41");
    EXPECT_EQ(w.TableEntry(0).Direction, kDirRight);
    EXPECT_EQ(w.TableEntry(1).Direction, kDirLeft);
    w.fCurrentFrameChange(2);
    w.mnuViewAscii->trigger();
    EXPECT_TRUE(w.mnuViewAscii->isChecked());
    EXPECT_FALSE(w.mnuViewHex->isChecked());
    EXPECT_EQ(w.TableEntry(0).Caption, "A");
    EXPECT_EQ(Row(), 0) << "the first row becomes current";
    w.mnuViewUnicode->trigger();
    EXPECT_EQ(w.TableEntry(1).Caption, "AB");
    w.mnuViewShiftJIS->trigger();
    EXPECT_EQ(w.TableEntry(2).Caption, "日本");
    EXPECT_EQ(w.ViewCode(), FrameViewCode::ShiftJis);
}

TEST_F(Dissecto, SizesFontAndSplittersLayOutThePanes) {
    Open(Frames("layout.kyp", 60));
    w.mnuViewWidthL->trigger();
    EXPECT_EQ(w.Chart().LineWidth, 10);
    EXPECT_EQ(w.Chart().Inset, 50);
    EXPECT_FALSE(w.mnuViewWidthS->isChecked());
    w.mnuViewWidthM->trigger();
    EXPECT_EQ(w.Chart().LineWidth, 5);
    EXPECT_EQ(w.Chart().Paging.Place(1).CommentTop - w.Chart().Paging.Place(1).BoxTop, 240);

    QFont big = w.Chart().CommentFont;
    big.setPointSize(16);
    w.FontAsk = [&](const FontChoice&) { return std::optional<FontChoice>({big, QColor(200, 0, 0)}); };
    const int before = w.Chart().Paging.Place(1).BoxTop;
    w.mnuViewFont->trigger();
    EXPECT_GT(w.Chart().Paging.Place(1).BoxTop, before) << "taller text makes taller rows";
    EXPECT_EQ(w.Chart().CommentColor, QColor(200, 0, 0));
    w.FontAsk = [](const FontChoice&) { return std::optional<FontChoice>(); };
    w.mnuViewFont->trigger();
    EXPECT_EQ(w.Chart().CaptionFont.pointSize(), 16) << "a cancelled font dialog changes nothing";

    const auto tw = [&](int px) { return platform::PixelsToTwips(px, &w); };
    w.resize(platform::TwipsToPixels(3000, &w), platform::TwipsToPixels(3000, &w));
    QApplication::processEvents();
    EXPECT_NEAR(tw(w.frameGeometry().width()), 4000, 15) << "to the pixel";
    EXPECT_NEAR(tw(w.frameGeometry().height()), 4000, 15);

    w.resize(1000, 700);
    QApplication::processEvents();
    w.mnuViewArrangement->trigger();
    const int scale = tw(w.Client->width());
    EXPECT_NEAR(tw(w.imgSplitter[0]->x()), scale / 4, 15);
    EXPECT_NEAR(tw(w.imgSplitter[1]->x()), scale * 3 / 4, 15);

    // Drag the left splitter to the window's left edge: the column is 500 wide.
    ChartSplitter* left = w.imgSplitter[0];
    const QPoint grip(1, left->height() / 2);
    QTest::mousePress(left, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(-left->x() - 50, grip.y()),
                     left->mapToGlobal(QPointF(-left->x() - 50, grip.y())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(left, &move);
    EXPECT_TRUE(w.picSplitter[0]->isVisible());
    EXPECT_NEAR(tw(w.picSplitter[0]->x()), 500, 15);
    QTest::mouseRelease(left, Qt::LeftButton, {}, grip);
    EXPECT_FALSE(w.picSplitter[0]->isVisible());
    EXPECT_NEAR(tw(w.picCommentsL->width()), 500, 15);
    EXPECT_EQ(Row(), 0) << "a layout keeps the current row";
}

TEST_F(Dissecto, ADrawingErrorIsReportedAndTheFileStaysOpen) {
    const std::string path = Frames("bad.kyp", 300);
    Open(path);
    w.RowDrawProbe = [](int32_t row) {
        if (row >= 250) throw std::runtime_error("unreadable frame");
    };
    QTest::keyClick(w.picFrameView, Qt::Key_End);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "kypファイルが不正です\n" + path);
    EXPECT_EQ(Row(), 0) << "the page that could not be drawn leaves the one before";
    EXPECT_EQ(w.Chart().Paging.Shown(), 40);
    EXPECT_TRUE(w.State().gFileOpen);
    ASSERT_NE(w.State().gProtocol, nullptr);
    EXPECT_EQ(w.State().gProtocol->FrameMax(), 300);
    w.RowDrawProbe = nullptr;
    QTest::keyClick(w.picFrameView, Qt::Key_End);
    EXPECT_EQ(Row(), 299);
    EXPECT_EQ(messages.size(), 1u);
}

// The chart on a real file, saved beside the build; its Japanese texts
// must come out as glyphs, not as boxes of a font that lacks them.
TEST_F(Dissecto, TheChartScreenshotShowsJapaneseGlyphs) {
    std::vector<FrameSpec> frames = Numbered(40);
    frames[0].CommentL = "接続要求";
    frames[1].CommentR = "応答あり";
    frames[3].Status = 0x08 | 0x10;
    Open(WriteFrames(folder / "shot.kyp", config, link, frames));
    w.Marks().Numbered[1] = 2;
    w.resize(1000, 700);
    QApplication::processEvents();
    w.mnuViewArrangement->trigger();
    w.fCurrentFrameChange(1);
    QApplication::processEvents();
    const QImage shot = w.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral(KY_BINARY_DIR "/dissecto-main-window.png")));

    // Row 0's caption "問合せ": three distinct glyphs. Boxes would be alike.
    const QImage chart = w.picFrameView->grab().toImage();
    const QRect caption = w.picFrameView->CaptionRect(0);
    const QFontMetrics fm(w.Chart().CaptionFont);
    const QString text = QString::fromUtf8("問合せ");
    for (const QChar c : text) EXPECT_TRUE(fm.inFont(c)) << "the caption font has the glyph";
    const int textLeft = caption.left() + (caption.width() - fm.horizontalAdvance(text)) / 2;
    std::vector<QImage> cells;
    int x = textLeft;
    for (const QChar c : text) {
        const int advance = fm.horizontalAdvance(c);
        cells.push_back(chart.copy(x, caption.top(), advance, caption.height()));
        x += advance;
    }
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_NE(cells[0], cells[1]);
    EXPECT_NE(cells[1], cells[2]);
    EXPECT_NE(cells[0], cells[2]);
    for (const QImage& cell : cells) {
        int ink = 0;
        for (int py = 0; py < cell.height(); ++py) {
            for (int px = 0; px < cell.width(); ++px) ink += cell.pixelColor(px, py) != cell.pixelColor(0, 0);
        }
        EXPECT_GT(ink, 10) << "every glyph leaves ink";
    }
    EXPECT_EQ(w.picCommentsL->Comment(0).toStdString(), "接続要求");
}

}  // namespace
}  // namespace analyser::ui::test

namespace analyser::ui::test {
namespace {

TEST(DissectoStart, QtSpeaksJapanese) {
    ASSERT_TRUE(DissectoApp::QtJapaneseLoad(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open").toStdString(), "開く(&O)");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "キャンセル");
}

}  // namespace
}  // namespace analyser::ui::test
