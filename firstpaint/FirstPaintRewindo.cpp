// Rewindo as a user starts it: the real library, the start-up with its
// splash window, a history named on the command line. The first picture of
// the main window shows every text whole, in every display code, and the
// grid takes the keys at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QMimeData>
#include <QDropEvent>

#include <iterator>
#include <memory>
#include <string>

#include "ElisionCheck.h"
#include "FirstPaintSupport.h"
#include "HistoryGrid.h"
#include "MarkPictures.h"
#include "PortelloModel.h"
#include "RewindoApp.h"
#include "his/store/FileSave.h"
#include "his/store/clsCommon.h"
#include "platform/file/tests/TempFolder.h"

namespace firstpaint {
namespace {

using viewer::ui::RewindoApp;

// Both directions, a DUAL history, every error letter with every byte
// value: more than a page at any window size.
std::string HistoryWithEveryErrorFlag(const TempFolder& dir, int16_t displayCode) {
    store::clsCommon doc;
    doc.Direction(0);
    doc.DspMode(displayCode);
    const uint8_t errors[] = {0x00, 0x10, 0x20, 0x40, 0x30, 0x50, 0x60, 0x70};
    for (int i = 0; i < 4096; ++i) {
        const uint8_t way = i % 3 == 0 ? 0x82 : 0x80;
        doc.RecordAdd(45000.0 + i / 86400.0, static_cast<uint8_t>(way | errors[i % 8]),
                      static_cast<uint8_t>((i * 7) % 256));
    }
    const std::string path = dir / ("code" + std::to_string(displayCode) + ".ky2");
    EXPECT_EQ(store::HistorySave(doc, path, {}), 0);
    return path;
}

// What main() does before the viewer starts.
void ProgramSetUp() {
    QApplication::setApplicationName(QString::fromLatin1(RewindoApp::kAppTitle));
    ProgramLanguageSet();
}

class RewindoFirstPaint : public ::testing::Test {
protected:
    void SetUp() override { ProgramSetUp(); }

    // The start-up as main() runs it; the splash window is clicked away as
    // soon as it shows.
    void Start(const std::string& commandLine) {
        library_ = viewer::ui::LoadPortelloModel(PORTELLO_LIBRARY_PATH,
                                                 [](const std::string& why) { FAIL() << why; });
        app_ = std::make_unique<RewindoApp>(*library_, folder_.path());
        QTimer splash;
        QObject::connect(&splash, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        splash.start(10);
        const Desktop desktop;
        app_->Start(commandLine);
        splash.stop();
        ASSERT_TRUE(WaitForFirstPaint(Main().VSFlexGrid1->viewport()));
    }
    viewer::ui::frmMain& Main() { return app_->MainWindow(); }
    const viewer::ViewerState& State() { return app_->Context().State; }

    TempFolder folder_{"first-paint-rewindo"};
    std::unique_ptr<viewer::ui::PortelloModel> library_;
    std::unique_ptr<RewindoApp> app_;
};

// The capture codes a history can carry; UNICODE and Shift-JIS are only
// chosen from the menu.
constexpr int16_t kCaptureCodes[] = {1, 2, 3, 4, 5};

TEST_F(RewindoFirstPaint, EveryDisplayCodeShowsErrorCellsWholeAtTheStartingSize) {
    for (const int16_t code : kCaptureCodes) {
        SCOPED_TRACE("display code " + std::to_string(code));
        Start(HistoryWithEveryErrorFlag(folder_, code));
        ASSERT_TRUE(State().FileLoaded);
        ASSERT_EQ(State().DspCode, code);
        // The page holds error cells of every letter.
        for (const char* letter : {"p", "o", "f", "q", "j", "i", "x"}) {
            bool seen = false;
            for (int r = 1; r <= 2 && !seen; ++r) {
                for (int c = 3; c < State().TextCol && !seen; ++c) {
                    seen = Main().VSFlexGrid1->model()->index(r, c).data().toString().startsWith(letter);
                }
            }
            EXPECT_TRUE(seen) << "an error letter " << letter << " on the first line";
        }
        const auto cut = ElidedTexts(&Main());
        EXPECT_TRUE(cut.empty()) << Lines(cut);
        if (code != kCaptureCodes[std::size(kCaptureCodes) - 1]) app_.reset();
    }
    for (QAction* code : {Main().mnuDspCodeUni, Main().mnuDspCodeShift}) {
        SCOPED_TRACE(code->text().toStdString());
        code->trigger();
        ASSERT_TRUE(WaitForFirstPaint(Main().VSFlexGrid1->viewport()));
        const auto cut = ElidedTexts(&Main());
        EXPECT_TRUE(cut.empty()) << Lines(cut);
    }
}

TEST_F(RewindoFirstPaint, PageDownRightAfterTheOpenMovesThePage) {
    Start(HistoryWithEveryErrorFlag(folder_, 1));
    // The window the desktop made active when it showed is active again
    // now that the read's progress window has gone.
    ASSERT_TRUE(Activate(&Main()));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus, Main().VSFlexGrid1) << "the grid has the keys, not " << WidgetName(focus);
    const int32_t top = State().TopRecord;
    QTest::keyClick(focus, Qt::Key_PageDown);
    EXPECT_GT(Main().VScroll1->value(), 0);
    EXPECT_GT(State().TopRecord, top);
}

TEST_F(RewindoFirstPaint, AHistoryDroppedOnTheGridShowsWholeAndTakesTheKeys) {
    Start("");
    ASSERT_TRUE(Activate(&Main()));
    const std::string path = HistoryWithEveryErrorFlag(folder_, 4);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QWidget* port = Main().VSFlexGrid1->viewport();
    const QPoint at(port->width() / 2, port->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    const Desktop desktop;
    QApplication::sendEvent(port, &drop);
    ASSERT_TRUE(State().FileLoaded);
    ASSERT_TRUE(WaitForFirstPaint(port));
    const auto cut = ElidedTexts(&Main());
    EXPECT_TRUE(cut.empty()) << Lines(cut);
    // The keys go where the desktop sends them: to the active window's
    // focus widget.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &Main(); }, 60000));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget takes the keys";
    EXPECT_EQ(focus, Main().VSFlexGrid1) << WidgetName(focus);
    QTest::keyClick(focus, Qt::Key_PageDown);
    EXPECT_GT(Main().VScroll1->value(), 0);
}

// The Print button shows the printer the analyser's Print button shows,
// not the style's blank page.
TEST_F(RewindoFirstPaint, ThePrintButtonShowsAPrinterLikeTheAnalysersOne) {
    Start("");
    const QAction* print = Main().Buttons.Button("Print");
    ASSERT_NE(print, nullptr);
    const QImage shown = print->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage blank = Main().style()->standardIcon(QStyle::SP_FileIcon).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage analyser = analyser::ui::ToolbarIcon(3).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_FALSE(shown.isNull());
    EXPECT_NE(shown, blank);
    EXPECT_EQ(shown, analyser);
}

TEST_F(RewindoFirstPaint, TheSmallestAndALargeWindowShowEveryCodeWhole) {
    Start(HistoryWithEveryErrorFlag(folder_, 1));
    QAction* codes[] = {Main().mnuDspCodeAscii, Main().mnuDspCodeJis7, Main().mnuDspCodeJis8,
                        Main().mnuDspCodeEbcdic, Main().mnuDspCodeUni, Main().mnuDspCodeShift};
    for (const QSize size : {Main().minimumSize(), QSize(1600, 1000)}) {
        Main().resize(size);
        QApplication::processEvents();
        for (QAction* code : codes) {
            SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()) + " " +
                         code->text().toStdString());
            code->trigger();
            ASSERT_TRUE(WaitForFirstPaint(Main().VSFlexGrid1->viewport()));
            const auto cut = ElidedTexts(&Main());
            EXPECT_TRUE(cut.empty()) << Lines(cut);
        }
    }
}

}  // namespace
}  // namespace firstpaint
