// Dissecto as a user first sees it: started the way the program starts,
// with a frame file on the command line, on the offscreen screen at its
// starting size, and looked at after the first paint without any resize.
// Nothing a user opened a window for may be elided or clipped: the chart's
// captions (a frame longer than its row shows its first bytes), the detail
// window of a frame with long item names and values, and the byte rows of
// the conversion, find and filter dialogs after two hex digits were typed,
// and the link table editor's names after one was typed.
// A second test repeats it all at the windows' least size and at 1600x1000.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "ElisionCheck.h"
#include "TempFolder.h"
// By their paths: the other programs' windows have files of the same names.
#include "analyser/editors/ui/EditorsMenu.h"
#include "analyser/editors/ui/frmLink.h"
#include "analyser/frames/clsFrameConfig.h"
#include "analyser/window/ui/DissectoApp.h"
#include "analyser/window/ui/FrameChart.h"
#include "analyser/window/ui/HexByteRow.h"
#include "analyser/window/ui/frmFileConvert.h"
#include "analyser/window/ui/frmFilter.h"
#include "analyser/window/ui/frmFind.h"
#include "analyser/window/ui/frmMain.h"
#include "analyser/window/ui/frmdetails.h"
#include "analyser/window/ui/tests/ChartTestFiles.h"

namespace {

using analyser::ui::DissectoApp;
using analyser::ui::FrameChart;
using analyser::ui::HexByteRow;
using analyser::ui::frmMain;
using analyser::ui::test::FrameSpec;

// The frame's first bytes, the header the user looks for.
constexpr int kHeaderBytes = 4;
constexpr int kLongFrameBytes = 120;

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n  " + line;
    return all;
}

// A configuration whose item names and values are as long as a protocol's
// usually are: a 56-bit item gives the longest value text there is.
std::string WriteLongConfig(const std::string& path) {
    frames::clsFrameConfig config;
    config.FrameName("長い項目名の構成");
    const struct {
        const char* name;
        int16_t type;
        int16_t size;
    } items[] = {
        {"送信元ノードアドレス", 0, 8},
        {"コマンドコード", 0, 16},
        {"シーケンス番号カウンタ", 1, 32},
        {"タイムスタンプ", 1, 56},
        {"受信データ本体", 2, 0},
    };
    config.ItemMax(static_cast<int>(std::size(items)));
    for (int i = 0; i < static_cast<int>(std::size(items)); ++i) {
        config.ItemName(i, items[i].name);
        config.ItemType(i, items[i].type);
        config.ItemSize(i, items[i].size);
    }
    EXPECT_TRUE(config.FrameWrite(path)) << path;
    return path;
}

// Frames longer than a row: 0x10, 0x20, 0x30, 0x40 ... a frame number
// later, so every frame has a header of its own.
std::vector<FrameSpec> LongFrames(int count) {
    std::vector<FrameSpec> frames;
    for (int i = 0; i < count; ++i) {
        FrameSpec f;
        f.Rd = i % 2 == 1;
        for (int b = 0; b < kLongFrameBytes; ++b) f.Bytes.push_back(static_cast<char>(0xFF - b));
        f.Bytes[0] = static_cast<char>(0x10 + i);
        f.Date = 45000.5 + i / 86400.0;
        f.CommentL = "コメント" + std::to_string(i);
        frames.push_back(std::move(f));
    }
    return frames;
}

// The hex text the first n bytes of a frame show as.
std::string HexText(const std::string& bytes, int n) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < n && i < static_cast<int>(bytes.size()); ++i) {
        if (i > 0) text += ' ';
        const auto b = static_cast<unsigned char>(bytes[static_cast<size_t>(i)]);
        text += digits[b >> 4];
        text += digits[b & 0x0F];
    }
    return text;
}

class FirstPaintDissecto : public ::testing::Test {
protected:
    TempFolder folder{"first-paint-dissecto"};
    std::vector<FrameSpec> frames = LongFrames(60);
    std::string frameFile;
    std::unique_ptr<DissectoApp> app;

    void SetUp() override {
        const std::string config = WriteLongConfig(folder / "long.kyf");
        frameFile = analyser::ui::test::WriteFrames(folder / "長いフレーム.kyp", config, "", frames);
        qputenv("DISSECTO_PROGRAM_DIR", folder.path().c_str());
    }
    void TearDown() override {
        app.reset();
        QApplication::processEvents();
    }

    // What main() does with the command line "dissecto <frame file>".
    frmMain& Start() {
        std::string program = "dissecto";
        std::string argument = frameFile;
        char* argv[] = {program.data(), argument.data(), nullptr};
        DissectoApp::QtJapaneseLoad(*QCoreApplication::instance());
        app = std::make_unique<DissectoApp>(DissectoApp::ProgramFolder());
        DissectoApp* started = app.get();
        app->Start(DissectoApp::CommandLineText(2, argv), [started](frmMain& main) {
            analyser::editors::ui::EditorsMenuHookUp(
                main, [started](int16_t kind) { return started->Dialogs().PickFile(kind).Path; });
        });
        frmMain& main = app->MainWindow();
        Painted(&main);
        return main;
    }

    // Waits until the window is on the screen and has painted.
    static void Painted(QWidget* window) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QApplication::processEvents();
        QTest::qWait(20);
    }

    static void Resized(QWidget* window, const QSize& size) {
        window->resize(size);
        QApplication::processEvents();
        QTest::qWait(20);
    }

    static void NothingElided(QWidget* window, const char* what) {
        const std::vector<std::string> elided = firstpaint::ElidedTexts(window);
        EXPECT_TRUE(elided.empty()) << what << ":" << Joined(elided);
    }

    // Every shown row's caption starts right after the mark image with the
    // frame's first bytes, as many whole ones as the row has room for (at
    // least leastBytes), and the chart paints exactly that text there.
    void ChartShowsHeaders(frmMain& main, const char* when, int leastBytes, int leastRows) {
        FrameChart* chart = main.picFrameView;
        const QImage shot = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int rows = 0;
        // The rows wholly inside the chart; those below are scrolled off.
        for (int slot = 0; slot < chart->ShownSlots() && chart->contentsRect().contains(chart->SlotRect(slot));
             ++slot, ++rows) {
            const QString visible = chart->VisibleCaption(slot);
            const std::string& bytes = frames[static_cast<size_t>(chart->SlotFrame(slot))].Bytes;
            const QString caption = QString::fromStdString(HexText(bytes, static_cast<int>(bytes.size())));
            const QString least = QString::fromStdString(HexText(bytes, leastBytes));
            EXPECT_TRUE(visible.startsWith(least) && caption.startsWith(visible))
                << when << ", row " << slot << " shows \"" << visible.toStdString() << "\"";
            EXPECT_TRUE(caption.size() == visible.size() || caption[visible.size()] == u' ')
                << when << ", row " << slot << " ends in half a byte";
            // One byte more would not have fitted.
            const QFontMetrics fm(chart->CaptionFontOf(slot));
            const QString more = caption.left(visible.size() + 3);
            EXPECT_GT(fm.horizontalAdvance(more), chart->CaptionRect(slot).width()) << when << ", row " << slot;
            const QRect text = chart->CaptionTextRect(slot);
            EXPECT_GE(text.left(), chart->MarkRect(slot).right()) << when << ", row " << slot;
            EXPECT_TRUE(chart->contentsRect().contains(text)) << when << ", row " << slot;
            // The same text drawn alone matches what the chart painted.
            QImage alone(text.size(), QImage::Format_RGB32);
            alone.fill(shot.pixelColor(text.topLeft()));
            {
                QPainter p(&alone);
                p.setFont(chart->CaptionFontOf(slot));
                p.setPen(chart->CaptionPenOf(slot));
                p.drawText(QRect(QPoint(0, 0), text.size()), FrameChart::kCaptionFlags, visible);
            }
            EXPECT_EQ(shot.copy(text), alone) << when << ", row " << slot << ": the painted caption differs";
        }
        EXPECT_GE(rows, leastRows) << when;
    }

    analyser::ui::frmdetails* DetailOpened(frmMain& main) {
        // Enter on the chart opens the current frame's detail.
        main.picFrameView->setFocus();
        QTest::keyClick(main.picFrameView, Qt::Key_Return);
        QApplication::processEvents();
        const auto windows = app->Dialogs().DetailWindows();
        if (windows.empty()) return nullptr;
        Painted(windows.back());
        return windows.back();
    }

    // Clicks the first cell of a byte row and types two bytes.
    static void BytesTyped(HexByteRow* row, bool enterMoves) {
        const QRect first = row->Grid->visualRect(row->Grid->model()->index(0, 0));
        QTest::mouseClick(row->Grid->viewport(), Qt::LeftButton, {}, first.center());
        QTest::keyClicks(row->Grid, "0A");
        if (enterMoves) {
            QTest::keyClick(row->Grid, Qt::Key_Return);
        } else {
            QTest::keyClick(row->Grid, Qt::Key_Right);
        }
        QTest::keyClicks(row->Grid, "5A");
        QApplication::processEvents();
        EXPECT_EQ(row->Cell(0, 0).toStdString(), "0A");
        EXPECT_EQ(row->Cell(0, 1).toStdString(), "5A");
    }

    // The find window on its data tab, two bytes typed.
    analyser::ui::frmFind* FindOpenedWithBytes(frmMain& main) {
        main.mnuEditSerch->trigger();
        auto* find = qobject_cast<analyser::ui::frmFind*>(TopLevel("frmFind"));
        if (find == nullptr) return nullptr;
        Painted(find);
        find->tabFind->tabBar()->setCurrentIndex(1);
        BytesTyped(find->fgFindData, true);
        return find;
    }

    // The conversion dialog's cut conditions, a user string typed.
    static void CutConditionsTyped(analyser::ui::frmFileConvert* convert) {
        convert->tabMain->tabBar()->setCurrentIndex(1);
        QApplication::processEvents();
        BytesTyped(convert->fgConditionChar, false);
    }

    static QWidget* TopLevel(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
        }
        return nullptr;
    }

    // The least size a window can be given, and the size given.
    static QSize Least(QWidget* window) { return window->minimumSize().expandedTo(window->minimumSizeHint()); }
};
TEST_F(FirstPaintDissecto, EveryWindowShowsItsTextsWholeAtItsFirstPaint) {
    frmMain& main = Start();
    NothingElided(&main, "main window");
    ChartShowsHeaders(main, "first paint", kHeaderBytes, 5);

    analyser::ui::frmdetails* detail = DetailOpened(main);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->ListView1->topLevelItemCount(), 5);
    NothingElided(detail, "detail window");
    detail->close();

    analyser::ui::frmFind* find = FindOpenedWithBytes(main);
    ASSERT_NE(find, nullptr);
    NothingElided(find, "find window, data tab");
    find->close();

    main.mnuEditFilter->trigger();
    auto* filter = qobject_cast<analyser::ui::frmFilter*>(TopLevel("frmFilter"));
    ASSERT_NE(filter, nullptr);
    Painted(filter);
    NothingElided(filter, "filter dialog");
    filter->tabFilter->tabBar()->setCurrentIndex(1);
    QTest::mouseClick(filter->chkFilData, Qt::LeftButton);
    QApplication::processEvents();
    BytesTyped(filter->fgFilData, true);
    NothingElided(filter, "filter dialog, frame data");
    filter->close();

    main.mnuToolConvert->trigger();
    auto* convert = app->Dialogs().ConvertDialog();
    ASSERT_NE(convert, nullptr);
    Painted(convert);
    NothingElided(convert, "conversion dialog");
    CutConditionsTyped(convert);
    NothingElided(convert, "conversion dialog, cut conditions");
}

// The link table editor as ツール opens it, over a PPP configuration, with
// a short link name typed on a row that is not the last: the name column
// shows it whole at the editor's opening size.
TEST_F(FirstPaintDissecto, TheLinkEditorShowsANameTypedWholeAtItsOpeningSize) {
    frmMain& main = Start();
    const std::string ppp = folder / "ppp.kyf";
    ASSERT_TRUE(frames::clsFrameConfig().FramePPPWrite(ppp));
    app->Dialogs().FilePicker = [&ppp](int16_t, const std::string&) { return analyser::ui::FilePick{ppp}; };
    bool looked = false;
    // The editor runs modally: it is looked at from inside its own loop.
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<analyser::editors::ui::frmLink*>(TopLevel("frmLink"));
        if (editor == nullptr) {
            ADD_FAILURE() << "the link editor did not open";
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            return;
        }
        Painted(editor);
        NothingElided(editor, "link editor, empty");
        editor->mnuFileOpenKYF->trigger();
        QApplication::processEvents();
        editor->fLinkRowShow(1);
        QTest::keyClicks(editor->txtItemName, "REQ");
        QTest::mouseClick(editor->cmdUpdate, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(editor->fgLink->TextMatrix(1, 0).toStdString(), "REQ");
        NothingElided(editor, "link editor, a name typed");
        looked = true;
        // Closed without saving the name.
        editor->MessageAsk = [](const std::string&, QMessageBox::Icon, QMessageBox::StandardButtons) {
            return QMessageBox::No;
        };
        editor->reject();
    });
    main.mnuToolLink->trigger();
    EXPECT_TRUE(looked);
}

TEST_F(FirstPaintDissecto, TheWindowsShowTheirTextsWholeAtTheirLeastSizeAndAtALargeOne) {
    frmMain& main = Start();
    analyser::ui::frmdetails* detail = DetailOpened(main);
    ASSERT_NE(detail, nullptr);
    analyser::ui::frmFind* find = FindOpenedWithBytes(main);
    ASSERT_NE(find, nullptr);
    main.mnuToolConvert->trigger();
    auto* convert = app->Dialogs().ConvertDialog();
    ASSERT_NE(convert, nullptr);
    Painted(convert);
    CutConditionsTyped(convert);

    const QSize large(1600, 1000);
    // The main window's least size leaves its frame panels no room; what
    // counts there is the chart.
    Resized(&main, Least(&main));
    EXPECT_LE(main.width(), 300) << "the least size is small";
    ChartShowsHeaders(main, "least size", 2, 2);
    Resized(&main, large);
    ChartShowsHeaders(main, "1600x1000", 2, 20);
    NothingElided(&main, "main window at 1600x1000");

    for (QWidget* window : std::initializer_list<QWidget*>{detail, find, convert}) {
        const std::string name = window->objectName().toStdString();
        Resized(window, Least(window));
        NothingElided(window, (name + " at its least size").c_str());
        Resized(window, large);
        NothingElided(window, (name + " at 1600x1000").c_str());
    }
    // The item list's columns followed the window.
    EXPECT_GE(detail->ListView1->columnWidth(1), detail->ListView1->width() / 3 - 1);
    EXPECT_GT(detail->ListView1->columnWidth(1), 400);
}

}  // namespace
