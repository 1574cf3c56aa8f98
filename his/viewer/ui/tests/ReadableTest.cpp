// Nothing the viewer shows is cut short: every cell of the page and of the
// colour sample, the status-bar panels at the window's smallest size, and
// the history times and line numbers of the range and goto windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>

#include "FileSave.h"
#include "GotoRange.h"
#include "HistoryGrid.h"
#include "PageModel.h"
#include "UiTestHistory.h"
#include "frmColor.h"
#include "frmGoto.h"
#include "frmRange.h"
#include "platform/ui/KeyedPanels.h"

namespace viewer::ui::test {
namespace {

// Every shown cell with text gets at least the room its item delegate asks
// for: below that the view elides the text.
std::vector<std::string> CutCells(const QTableView& view) {
    std::vector<std::string> cut;
    const QAbstractItemModel* model = view.model();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (view.isRowHidden(r)) continue;
        for (int c = 0; c < model->columnCount(); ++c) {
            const QModelIndex index = model->index(r, c);
            const QString text = index.data(Qt::DisplayRole).toString();
            if (view.isColumnHidden(c) || text.isEmpty()) continue;
            const QSize needed = view.sizeHintForIndex(index);
            if (needed.width() > view.columnWidth(c) || needed.height() > view.rowHeight(r)) {
                cut.push_back("(" + std::to_string(r) + "," + std::to_string(c) + ") \"" + text.toStdString() +
                              "\" needs " + std::to_string(needed.width()) + "x" + std::to_string(needed.height()) +
                              ", has " + std::to_string(view.columnWidth(c)) + "x" + std::to_string(view.rowHeight(r)));
            }
        }
    }
    return cut;
}

// The room a line edit leaves its text, as the style lays it out.
int TextRoom(const QLineEdit& edit) {
    QStyleOptionFrame opt;
    opt.initFrom(&edit);
    opt.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &edit);
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &opt, &edit);
    const QMargins m = edit.textMargins();
    return contents.width() - m.left() - m.right() - 2 * 2;
}

class Readable : public ::testing::Test {
protected:
    ViewerFixture f;
    frmMain& w = *f.Main;
    ViewerState& st = f.Ctx->State;

    // Both directions, every error letter; two million units number their
    // lines in six digits.
    void OpenWithEveryErrorFlag(int units) {
        store::clsCommon doc;
        doc.Direction(0);
        doc.DspMode(1);
        const uint8_t errors[] = {0x00, 0x10, 0x20, 0x40, 0x30, 0x50, 0x60, 0x70};
        for (int i = 0; i < units; ++i) {
            const uint8_t dir = i % 3 == 0 ? 0x82 : 0x80;
            doc.RecordAdd(kDay0 + i / 6 / 86400.0, static_cast<uint8_t>(dir | errors[i % 8]),
                          static_cast<uint8_t>(0xA0 + i % 0x5F));
        }
        const std::string path = f.Folder / "errors.ky2";
        ASSERT_EQ(store::HistorySave(doc, path, {}), 0);
        w.HistoryFileOpen(path);
        ASSERT_TRUE(st.FileLoaded);
    }
    void ExpectNothingCut(const char* what) {
        QApplication::processEvents();
        const auto cut = CutCells(*w.VSFlexGrid1);
        EXPECT_TRUE(cut.empty()) << what << ": " << cut.size() << " cells cut, first " << cut.front();
    }
};

TEST_F(Readable, EveryCellOfThePageShowsItsTextWhole) {
    OpenWithEveryErrorFlag(2000000);
    w.resize(w.minimumSize());
    w.mnuBottom->trigger();  // line numbers of the last page are the longest
    const std::string lastLine = w.Page->CellText(st.PageLastRow - 1, 1).toStdString();
    EXPECT_GE(lastLine.size(), 6u) << lastLine;
    for (const char* letter : {"p", "o", "f", "q", "j", "i", "x"}) {
        bool seen = false;
        for (int c = 3; c < st.TextCol && !seen; ++c) seen = w.Page->CellText(1, c).startsWith(letter) ||
                                                              w.Page->CellText(2, c).startsWith(letter);
        EXPECT_TRUE(seen) << "the page shows an error letter " << letter;
    }
    ExpectNothingCut("DUAL at the smallest size");
    const QImage shot = w.grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(KY_BINARY_DIR "/rewindo-error-flags.png")));
    for (QAction* code : {w.mnuDspCodeJis8, w.mnuDspCodeUni, w.mnuDspCodeShift, w.mnuDspCodeAscii}) {
        code->trigger();
        ExpectNothingCut(code->text().toStdString().c_str());
    }
    w.mnuDspLineSd->trigger();
    ExpectNothingCut("SD");
    w.resize(1400, 900);
    ExpectNothingCut("SD, larger");
}

TEST_F(Readable, TheStatusBarReadsWholeAtTheSmallestSize) {
    w.resize(w.minimumSize());
    const QString widest[][2] = {{"DateTime", "2009/06/12 07:12:35"}, {"CharTime", "10230"},
                                 {"SecTime", "-23:59:59"},            {"Code", "UNICODE"},
                                 {"Line", "DUAL"},                    {"SdCount", "SD : 2147483647"},
                                 {"RdCount", "RD : 2147483647"},      {"TotalCount", "TR : 2147483647"}};
    for (const auto& [key, text] : widest) w.Panels.SetText(key, text);
    QApplication::processEvents();
    const QStatusBar* bar = w.statusBar();
    for (const auto& [key, text] : widest) {
        const QLabel* panel = w.Panels.Panel(key);
        EXPECT_GE(panel->width(), panel->minimumSizeHint().width()) << key.toStdString();
        EXPECT_LE(panel->geometry().right(), bar->width()) << key.toStdString() << " lies inside the bar";
    }
}

TEST_F(Readable, DialogFieldsShowTheirTextsWhole) {
    OpenWithEveryErrorFlag(2000);
    const GotoLimits limits{1, 9999999, 4567890};
    frmGoto go(&w, limits);
    go.show();
    QApplication::processEvents();
    const QString largest = QString::number(limits.Max);
    go.txtLine->setText(largest);
    EXPECT_GE(TextRoom(*go.txtLine), go.txtLine->fontMetrics().horizontalAdvance(largest));
    EXPECT_GE(go.UpDownLine->width(), go.UpDownLine->sizeHint().width()) << "the up-down is not squashed";

    frmRange range(&w, st, *f.Ctx->gCommon);
    range.show();
    QApplication::processEvents();
    for (const QLineEdit* time : {range.txtHstStart, range.txtHstStop}) {
        ASSERT_EQ(time->text().size(), 19) << time->text().toStdString();
        EXPECT_GE(TextRoom(*time), time->fontMetrics().horizontalAdvance(time->text())) << time->text().toStdString();
    }

    frmColor colours(&w, st.Colors);
    colours.show();
    QApplication::processEvents();
    const auto cut = CutCells(*colours.VSFlexGrid1);
    EXPECT_TRUE(cut.empty()) << cut.size() << " sample cells cut, first " << cut.front();
}

}  // namespace
}  // namespace viewer::ui::test
