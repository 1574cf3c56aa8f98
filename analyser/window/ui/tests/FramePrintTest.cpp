// Printing the frame list from the main window, into PDF files read back
// with pdftotext.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "ChartTestFiles.h"
#include "FramePrinting.h"
#include "PdfText.h"
#include "ListFilter.h"
#include "TempFolder.h"
#include "WindowAnswer.h"
#include "frmMain.h"
#include "frmprint.h"
#include "platform/ui/Printer.h"
#include "platform/ui/frmPrinting.h"

namespace analyser::ui::test {
namespace {

using PrintDialogAnswer = platform::test::WindowAnswer<frmprint>;
using ProgressAnswer = platform::test::WindowAnswer<platform::frmPrinting>;

// The page a progress window shows ("現在 3 ページ目を出力しています。" → 3).
int PageShown(const platform::frmPrinting& form) {
    return form.lblMsg->text().mid(3).section(QLatin1Char(' '), 0, 0).toInt();
}

using analyser::test::ListFilter;

// The running numbers at the start of the page's lines.
std::vector<std::string> RowNumbers(const std::string& page) {
    static const std::regex number(R"(^\s*(\d{6})\s)");
    std::vector<std::string> out;
    for (const std::string& line : pdftext::Split(page, '\n')) {
        std::smatch m;
        if (std::regex_search(line, m, number)) out.push_back(m[1]);
    }
    return out;
}

// Every word inside the printable area: A4 less its 10 mm margins.
void ExpectInsideMargins(const std::string& pdf) {
    constexpr double kMargin = 10 / 25.4 * 72;
    const std::vector<pdftext::WordBox> words = pdftext::Words(pdf);
    ASSERT_FALSE(words.empty());
    for (const pdftext::WordBox& w : words) {
        EXPECT_LE(w.Right, w.PageWidth - kMargin + 0.5) << w.Text << " on page " << w.Page;
        EXPECT_LE(w.Bottom, w.PageHeight - kMargin + 0.5) << w.Text << " on page " << w.Page;
    }
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

class FramePrint : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Printer::SetCurrent(QString());
        w.MessageShow = [this](const std::string& text, int16_t) { messages.push_back(text); };
        w.PdfFileAsk = [this] {
            ++pdfAsked;
            return pdfPath;
        };
        w.PrinterSetupAsk = [this] { return setupAnswer(); };
        w.Form_Load();
        w.resize(900, 640);
        w.show();
        QApplication::processEvents();
    }
    void TearDown() override { platform::Printer::SetCurrent(QString()); }

    void Open(const std::vector<FrameSpec>& frames, const std::string& link = "") {
        const std::string path = WriteFrames(folder / "frames.kyp", config, link, frames);
        ASSERT_TRUE(w.fFileOpenKYP(path)) << (messages.empty() ? "" : messages.back());
        QApplication::processEvents();
    }
    void Filter(std::vector<int32_t> frames) {
        w.State().gFilter = std::make_unique<ListFilter>(std::move(frames));
        w.State().gRowCount = w.State().gFilter->FilterMax();
        w.fCurrentFrameChange(0);
    }
    // Chooses "全て" or "範囲指定" and presses OK.
    void Print(bool range = false) {
        PrintDialogAnswer ok([range](frmprint& d) {
            (range ? d.optSel : d.optNo)->click();
            d.cmdOK->click();
        });
        w.RunCommand(w.mnuFilePrint);
        ASSERT_EQ(ok.Shown, 1);
    }
    bool PdfWritten() const { return std::filesystem::exists(pdfPath); }

    TempFolder folder{"dissecto-print"};
    frmMain w{folder.path()};
    std::string config = WriteConfig(folder / "test.kyf");
    std::string pdfPath = folder / "frames.pdf";
    std::vector<std::string> messages;
    int pdfAsked = 0;
    std::function<bool()> setupAnswer = [] { return false; };
};

TEST_F(FramePrint, OneHundredTwentyFramesGoToTheNamedPdfNumberedInOrder) {
    EXPECT_FALSE(w.mnuFilePrint->isEnabled()) << "nothing to print while no file is open";
    Open(Numbered(120));
    EXPECT_TRUE(w.mnuFilePrint->isEnabled());
    EXPECT_TRUE(w.Buttons.Button("Print")->isEnabled());

    QString printerLabel;
    bool allChosen = false;
    bool rangeOffered = false;
    PrintDialogAnswer ok([&](frmprint& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("印刷"));
        EXPECT_EQ(d.Frame1->title(), QStringLiteral("印刷範囲の選択"));
        EXPECT_EQ(d.cmdPrinterSet->text(), QStringLiteral("プリンタ設定"));
        EXPECT_EQ(d.cmdCanse->text(), QStringLiteral("キャンセル"));
        printerLabel = d.lblPrinter->text();
        allChosen = d.optNo->isChecked();
        rangeOffered = d.optSel->isEnabled();
        d.cmdOK->click();
    });
    w.Buttons.Button("Print")->trigger();
    ASSERT_EQ(ok.Shown, 1);
    EXPECT_EQ(printerLabel, QStringLiteral("ﾌﾟﾘﾝﾀ：PDFファイル"));
    EXPECT_TRUE(allChosen);
    EXPECT_TRUE(rangeOffered) << "BEGIN and END cover the file after an open";
    EXPECT_EQ(pdfAsked, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(w.isEnabled());

    const std::vector<std::string> pages = pdftext::Pages(pdfPath);
    ASSERT_EQ(pages.size(), 3u) << "50 rows, then 49 a page";
    std::vector<std::string> numbers;
    for (const std::string& page : pages) {
        EXPECT_NE(pdftext::LineWith(page, "フレーム構成名:テスト構成"), "");
        EXPECT_NE(pdftext::LineWith(page, "| データ"), "");
        const std::vector<std::string> onPage = RowNumbers(page);
        numbers.insert(numbers.end(), onPage.begin(), onPage.end());
    }
    ASSERT_EQ(numbers.size(), 120u);
    for (int i = 0; i < 120; ++i) {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%06d", i + 1);
        EXPECT_EQ(numbers[static_cast<size_t>(i)], expected);
    }
    EXPECT_EQ(RowNumbers(pages[0]).back(), "000050");
    EXPECT_EQ(RowNumbers(pages[1]).back(), "000099");
    const std::string first = pdftext::LineWith(pages[0], "000001");
    EXPECT_NE(first.find("SD"), std::string::npos) << first;
    EXPECT_NE(first.find("05 00 00"), std::string::npos) << first;
    const std::string last = pdftext::LineWith(pages[2], "000120");
    EXPECT_NE(last.find("RD"), std::string::npos) << last;
    EXPECT_NE(last.find("06 00 77"), std::string::npos) << last;
}

TEST_F(FramePrint, LinkNamesAndTheMarkedRange) {
    const std::string link = WriteLink(folder / "names.kyl", "名前表",
                                       {{5, "問合せ", 1, 0}, {6, "応答", 2, 0}});
    std::vector<FrameSpec> frames = Numbered(60);
    frames[12].Bytes = "\x05" + std::string(29, '\x33');  // 30 bytes: 66 characters, then 24
    Open(frames, link);
    w.Marks().Begin = 10;
    w.Marks().End = 20;
    Print(true);
    const std::vector<std::string> pages = pdftext::Pages(pdfPath);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pdftext::LineWith(pages[0], "フレーム構成名：テスト構成"), "");
    EXPECT_NE(pdftext::LineWith(pages[0], "関連付け項目名"), "");
    const std::vector<std::string> numbers = RowNumbers(pages[0]);
    ASSERT_EQ(numbers.size(), 11u) << "frames 10 to 20";
    EXPECT_EQ(numbers.front(), "000001");
    EXPECT_EQ(numbers.back(), "000011");
    const std::string first = pdftext::LineWith(pages[0], "000001");
    EXPECT_NE(first.find("→"), std::string::npos) << first;
    EXPECT_NE(first.find("問合せ"), std::string::npos) << first;
    EXPECT_NE(first.find("05 00 0A"), std::string::npos) << first;
    const std::string second = pdftext::LineWith(pages[0], "000002");
    EXPECT_NE(second.find("←"), std::string::npos) << second;
    EXPECT_NE(second.find("応答"), std::string::npos) << second;
    EXPECT_NE(pdftext::LineWith(pages[0], "000011").find("05 00 14"), std::string::npos);
    const std::string wrapped = pdftext::LineWith(pages[0], "000003");
    EXPECT_EQ(Count(wrapped, "33"), 21u) << wrapped;
    EXPECT_EQ(Count(pages[0], "33"), 29u);
    ExpectInsideMargins(pdfPath);
}

TEST_F(FramePrint, TheFilterDecidesRowsAndWhetherTheRangeIsOffered) {
    Open(Numbered(30));
    std::vector<int32_t> even;
    for (int32_t f = 0; f < 30; f += 2) even.push_back(f);
    Filter(even);  // mark END stands on frame 29, which the filter hides
    bool rangeOffered = true;
    {
        PrintDialogAnswer ok([&](frmprint& d) {
            rangeOffered = d.optSel->isEnabled();
            d.cmdOK->click();
        });
        w.RunCommand(w.mnuFilePrint);
    }
    EXPECT_FALSE(rangeOffered);
    const std::vector<std::string> pages = pdftext::Pages(pdfPath);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(RowNumbers(pages[0]).size(), 15u);
    EXPECT_NE(pdftext::LineWith(pages[0], "000002").find("05 00 02"), std::string::npos);

    // An empty list: the header page is sent, and the print is reported
    // as failed.
    std::filesystem::remove(pdfPath);
    Filter({});
    Print();
    EXPECT_EQ(pdfAsked, 2);
    ASSERT_TRUE(PdfWritten());
    const std::vector<std::string> header = pdftext::Pages(pdfPath);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_NE(pdftext::LineWith(header[0], "フレーム構成名:テスト構成"), "");
    EXPECT_NE(pdftext::LineWith(header[0], "番号"), "");
    EXPECT_TRUE(RowNumbers(header[0]).empty()) << "no row";
    EXPECT_EQ(messages, (std::vector<std::string>{"エラー"}));
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(FramePrint, AFrameLongerThanThePageGoesOnOnTheNextPage) {
    std::vector<FrameSpec> frames = Numbered(51);
    frames[49].Bytes = std::string(2000, '\x5a');  // 63 lines of data from the first page's last row
    Open(frames);
    Print();
    const std::vector<std::string> pages = pdftext::Pages(pdfPath);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(RowNumbers(pages[0]).back(), "000050");
    EXPECT_EQ(RowNumbers(pages[1]), (std::vector<std::string>{"000051"}));
    EXPECT_NE(pdftext::LineWith(pages[1], "フレーム構成名:テスト構成"), "") << "the header comes first";
    EXPECT_GT(Count(pages[0], "5A "), 0u);
    EXPECT_GT(Count(pages[1], "5A "), Count(pages[0], "5A "));
    EXPECT_EQ(Count(pages[0], "5A") + Count(pages[1], "5A"), 2000u) << "every byte printed once";
    ExpectInsideMargins(pdfPath);
}

TEST_F(FramePrint, CancelOnPageThreeDiscardsTheJob) {
    Open(Numbered(20000));
    int pageAtCancel = 0;
    bool mainWasDisabled = false;
    ProgressAnswer cancel([&](platform::frmPrinting& form) {
        if (pageAtCancel != 0 || PageShown(form) < 3) return;
        pageAtCancel = PageShown(form);
        mainWasDisabled = !w.isEnabled();
        form.cmdCancel->click();
    });
    Print();
    EXPECT_GE(pageAtCancel, 3);
    EXPECT_TRUE(mainWasDisabled);
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(PdfWritten()) << "a cancelled job leaves no file";
    EXPECT_TRUE(messages.empty());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<platform::frmPrinting*>(top), nullptr) << "the progress window is gone";
    }
}

TEST_F(FramePrint, RowsReplacedWhilePrintingEndTheRun) {
    Open(Numbered(20000));
    bool replaced = false;
    ProgressAnswer refilter([&](platform::frmPrinting&) {
        if (replaced) return;
        replaced = true;
        Filter({1, 2, 3});
    });
    Print();
    EXPECT_TRUE(replaced);
    EXPECT_FALSE(PdfWritten());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.State().gFilter->FilterMax(), 3);
}

TEST_F(FramePrint, CancelledChoicesAndFailures) {
    Open(Numbered(10));
    {
        PrintDialogAnswer cancel([](frmprint& d) { d.cmdCanse->click(); });
        w.RunCommand(w.mnuFilePrint);
        EXPECT_EQ(cancel.Shown, 1);
    }
    EXPECT_EQ(pdfAsked, 0);
    pdfPath.clear();  // the file dialog cancelled
    Print();
    EXPECT_EQ(pdfAsked, 1);
    EXPECT_TRUE(messages.empty());

    pdfPath = folder / "missing/frames.pdf";
    Print();
    EXPECT_EQ(messages, (std::vector<std::string>{pdfPath + "ファイルが開けません"}));
    messages.clear();

    // A printer chosen earlier that is no longer installed.
    platform::Printer::SetCurrent(QStringLiteral("a printer that is not installed"));
    QString label;
    PrintDialogAnswer gone([&](frmprint& d) {
        label = d.lblPrinter->text();
        d.cmdOK->click();
    });
    w.RunCommand(w.mnuFilePrint);
    EXPECT_EQ(label, QStringLiteral("ﾌﾟﾘﾝﾀ："));
    EXPECT_EQ(messages, (std::vector<std::string>{"エラー"}));
}

TEST_F(FramePrint, ThePrinterSetUpButtonRewritesTheLabel) {
    Open(Numbered(5));
    platform::Printer::SetCurrent(QStringLiteral("a printer that is not installed"));
    std::vector<QString> labels;
    PrintDialogAnswer answer([&](frmprint& d) {
        labels.push_back(d.lblPrinter->text());
        d.cmdPrinterSet->click();  // cancelled: nothing changes
        labels.push_back(d.lblPrinter->text());
        setupAnswer = [] {
            platform::Printer::SetCurrent(QString());
            return true;
        };
        d.cmdPrinterSet->click();
        labels.push_back(d.lblPrinter->text());
        d.cmdOK->click();
    });
    w.RunCommand(w.mnuFilePrint);
    EXPECT_EQ(labels, (std::vector<QString>{QStringLiteral("ﾌﾟﾘﾝﾀ："), QStringLiteral("ﾌﾟﾘﾝﾀ："),
                                            QStringLiteral("ﾌﾟﾘﾝﾀ：PDFファイル")}));
    EXPECT_EQ(RowNumbers(pdftext::Pages(pdfPath).at(0)).size(), 5u);
}

}  // namespace
}  // namespace analyser::ui::test
