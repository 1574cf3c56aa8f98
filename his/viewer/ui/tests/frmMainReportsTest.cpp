// The main window's print and HTML export commands, through their windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <functional>
#include <string>

#include "FileSizeLimit.h"
#include "HistorySaving.h"
#include "ProtectedTargets.h"
#include "UiTestHistory.h"
#include "WindowAnswer.h"
#include "frmHTML.h"
#include "frmMain.h"
#include "frmPrint.h"
#include "platform/ui/Printer.h"

namespace viewer::ui::test {
namespace {

// Runs answer on the print dialog as soon as it is up.
using PrintDialogAnswer = platform::test::WindowAnswer<reports::ui::frmPrint>;

class MainWindowReports : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Printer::SetCurrent(QString());
        w.PdfFileAsk = [this] {
            ++pdfAsked;
            return pdfPath;
        };
    }
    void TearDown() override { platform::Printer::SetCurrent(QString()); }

    void Open(int count = 30, int16_t direction = 0) {
        HistoryPlan plan;
        plan.direction = direction;
        plan.sd = Letters(count);
        plan.rdEvery = direction == 0 ? 5 : 0;
        const std::string path = f.Folder / "h.ky2";
        ASSERT_TRUE(HistoryWrite(path, plan));
        w.HistoryFileOpen(path);
        ASSERT_TRUE(st.FileLoaded);
    }

    ViewerFixture f;
    frmMain& w = *f.Main;
    ViewerState& st = f.Ctx->State;
    std::string pdfPath = f.Folder / "listing.pdf";
    int pdfAsked = 0;
};

TEST_F(MainWindowReports, TheCommandsFollowTheLoadedHistoryAndTheDisplayCode) {
    EXPECT_EQ(w.mnuPrint->text(), QStringLiteral("印刷(&P)"));
    EXPECT_EQ(w.mnuPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(w.mnuHtml->text(), QStringLiteral("HTMLによる保存(&H)"));
    EXPECT_EQ(w.mnuPrintProp->text(), QStringLiteral("プリンタの設定(&I)"));
    EXPECT_EQ(w.Buttons.Button("Print")->toolTip(), QStringLiteral("印刷"));
    EXPECT_FALSE(w.mnuPrint->isEnabled());
    EXPECT_FALSE(w.mnuHtml->isEnabled());
    EXPECT_FALSE(w.Buttons.Button("Print")->isEnabled());
    EXPECT_TRUE(w.mnuPrintProp->isEnabled());
    Open();
    EXPECT_TRUE(w.mnuPrint->isEnabled());
    EXPECT_TRUE(w.mnuHtml->isEnabled());
    EXPECT_TRUE(w.Buttons.Button("Print")->isEnabled());
    w.DspCodeChoose(kCodeUnicode);
    EXPECT_FALSE(w.mnuPrint->isEnabled());
    EXPECT_FALSE(w.Buttons.Button("Print")->isEnabled());
    EXPECT_TRUE(w.mnuHtml->isEnabled());
    w.DspCodeChoose(kCodeEbcdic);
    EXPECT_TRUE(w.mnuPrint->isEnabled());
}

TEST_F(MainWindowReports, APrinterThatIsGoneIsReportedAndNothingIsShown) {
    Open();
    platform::Printer::SetCurrent(QStringLiteral("a printer that is not installed"));
    BoxAnswerer boxes;
    PrintDialogAnswer dialog([](reports::ui::frmPrint& d) { d.cmdCancel->click(); });
    w.mnuPrint_Click();
    ASSERT_EQ(boxes.Messages.size(), 1u);
    EXPECT_EQ(boxes.Messages[0], "プリンタの設定が正しくありません！");
    EXPECT_EQ(dialog.Shown, 0);
}

TEST_F(MainWindowReports, PrintingTheMarkedRangeWritesTheListingToTheNamedPdf) {
    Open();
    bool rangeOffered = false, allChosen = false, timesOffered = true;
    QString printer;
    PrintDialogAnswer dialog([&](reports::ui::frmPrint& d) {
        rangeOffered = d.optHani0->isEnabled();
        allChosen = d.optHani1->isChecked();
        timesOffered = d.chkTimeDsp->isEnabled();
        printer = d.lblPrinter->text();
        d.optHani0->setChecked(true);
        d.cmdOk->click();
    });
    w.mnuPrint_Click();
    EXPECT_EQ(dialog.Shown, 1);
    EXPECT_TRUE(rangeOffered) << "DUAL with both marks";
    EXPECT_TRUE(allChosen);
    EXPECT_FALSE(timesOffered) << "the history has no character times";
    EXPECT_EQ(printer, QStringLiteral("ﾌﾟﾘﾝﾀ：PDFファイル"));
    EXPECT_TRUE(st.PrintRange);
    EXPECT_EQ(pdfAsked, 1);
    EXPECT_EQ(TempFolder::ReadAll(pdfPath).substr(0, 5), "%PDF-");
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindowReports, ACancelledDialogOrFileChoicePrintsNothing) {
    Open(30, kLineSd);
    {
        bool rangeOffered = true;
        PrintDialogAnswer cancel([&](reports::ui::frmPrint& d) {
            rangeOffered = d.optHani0->isEnabled();
            d.cmdCancel->click();
        });
        w.Toolbar1_ButtonClick(QStringLiteral("Print"));
        EXPECT_EQ(cancel.Shown, 1);
        EXPECT_FALSE(rangeOffered) << "no range in the SD line mode";
        EXPECT_EQ(pdfAsked, 0);
        EXPECT_FALSE(st.PrintRequested);
    }

    pdfPath.clear();
    PrintDialogAnswer ok([](reports::ui::frmPrint& d) { d.cmdOk->click(); });
    w.mnuPrint_Click();
    EXPECT_EQ(pdfAsked, 1);
    EXPECT_EQ(f.Folder.Names(), (std::vector<std::string>{"Rewindo.ini", "h.ky2"}));
}

TEST_F(MainWindowReports, TheHtmlWindowWritesTheChosenFormAndCloses) {
    Open();
    const std::string path = f.Folder / "out.html";
    w.HtmlFileAsk = [&] { return reports::ui::HtmlAnswer{path, 2}; };
    w.mnuHtml_Click();
    QPointer<reports::ui::frmHTML> window = w.HtmlWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("HTML形式で保存"));
    EXPECT_TRUE(window->optHani0->isEnabled());
    EXPECT_TRUE(window->optHani1->isChecked());
    EXPECT_FALSE(window->chkTimeDsp->isEnabled());
    window->cmdOk->click();
    QApplication::processEvents();
    EXPECT_TRUE(window.isNull()) << "the window closes after the export";
    EXPECT_EQ(TempFolder::ReadAll(path).substr(0, 12), "<html><head>");

    w.HtmlFileAsk = [&] { return reports::ui::HtmlAnswer{path, 1}; };
    w.mnuHtml_Click();
    w.HtmlWindow()->cmdOk->click();
    EXPECT_EQ(TempFolder::ReadAll(path).substr(0, 12), "<HTML><HEAD>");

    w.HtmlFileAsk = [] { return reports::ui::HtmlAnswer{}; };
    w.mnuHtml_Click();
    window = w.HtmlWindow();
    window->cmdOk->click();
    QApplication::processEvents();
    EXPECT_TRUE(window.isNull()) << "a cancelled save dialog closes the window too";
}

TEST_F(MainWindowReports, AFailedExportKeepsTheOldFileAndSaysWhy) {
    Open(5000);
    const std::string path = f.Folder / "out.html";
    TempFolder::WriteAll(path, "old");
    w.HtmlFileAsk = [&] { return reports::ui::HtmlAnswer{path, 2}; };
    BoxAnswerer boxes;
    w.mnuHtml_Click();
    {
        const FileSizeLimit full(4096);
        w.HtmlWindow()->cmdOk->click();
    }
    ASSERT_EQ(boxes.Messages.size(), 1u);
    EXPECT_EQ(boxes.Messages[0], FileErrorMessage(path, EFBIG));
    EXPECT_EQ(TempFolder::ReadAll(path), "old");
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(MainWindowReports, ACancelledExportLeavesNoFile) {
    Open(200000);
    const std::string path = f.Folder / "big.html";
    w.HtmlFileAsk = [&] { return reports::ui::HtmlAnswer{path, 2}; };
    BoxAnswerer boxes;
    boxes.CancelProgress = true;
    w.mnuHtml_Click();
    w.HtmlWindow()->cmdOk->click();
    EXPECT_TRUE(f.Ctx->gBar->Cancel());
    EXPECT_TRUE(boxes.Messages.empty());
    EXPECT_EQ(f.Folder.Names(), (std::vector<std::string>{"Rewindo.ini", "h.ky2"}));
    EXPECT_TRUE(w.isEnabled());
}

// Every save of the viewer meets a read-only file with its own message,
// and the file stays as it was.
TEST_F(MainWindowReports, EverySaveThatAReadOnlyFileRefusesSaysSoAndKeepsIt) {
    Open(200);
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> run;
    };
    const Case cases[] = {
        {"all.ky2",
         [&](const std::string& p) {
             w.SaveFileAsk = [p] { return SaveAnswer{p, kSaveFilterKy2}; };
             w.mnuAllSave->trigger();
         }},
        {"all.csv",
         [&](const std::string& p) {
             w.SaveFileAsk = [p] { return SaveAnswer{p, kSaveFilterKy2 + 1}; };
             w.mnuAllSave->trigger();
         }},
        {"standard.html",
         [&](const std::string& p) {
             w.HtmlFileAsk = [p] { return reports::ui::HtmlAnswer{p, 1}; };
             w.mnuHtml_Click();
             w.HtmlWindow()->cmdOk->click();
         }},
        {"detailed.html",
         [&](const std::string& p) {
             w.HtmlFileAsk = [p] { return reports::ui::HtmlAnswer{p, 2}; };
             w.mnuHtml_Click();
             w.HtmlWindow()->cmdOk->click();
         }},
        {"printed.pdf",
         [&](const std::string& p) {
             pdfPath = p;
             PrintDialogAnswer ok([](reports::ui::frmPrint& d) { d.cmdOk->click(); });
             w.mnuPrint_Click();
         }},
    };
    for (const Case& c : cases) {
        const std::string path = f.Folder / c.name;
        protected_targets::WriteReadOnly(path, "protected");
        BoxAnswerer boxes;
        {
            const protected_targets::PlainPermissions plain;
            c.run(path);
        }
        QApplication::processEvents();
        ASSERT_EQ(boxes.Messages.size(), 1u) << c.name;
        EXPECT_EQ(boxes.Messages[0], FileErrorMessage(path, EACCES)) << c.name;
        EXPECT_EQ(f.Ctx->gMsgBox->Icon(), 16) << c.name;
        EXPECT_EQ(TempFolder::ReadAll(path), "protected") << c.name;
        EXPECT_TRUE(w.isEnabled()) << c.name;
    }
}

}  // namespace
}  // namespace viewer::ui::test
