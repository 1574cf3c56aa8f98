// The printed listing on the PDF printer, read back with pdftotext.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

#include "HistoryPrinting.h"
#include "ReportTestHistory.h"
#include "TempFolder.h"
#include "frmPrint.h"
#include "platform/ui/Printer.h"
#include "platform/ui/frmPrinting.h"

namespace reports::ui {
namespace {

using reports::test::kRd;
using reports::test::kSd;

// The command's standard output.
std::string Run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// text cut at every separator; what follows the last one is dropped.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    return parts;
}

// The text of each page, as pdftotext lays it out. Its layout mode packs
// words by the text around them; told the listing's character pitch (5
// points: half of the 10-point fixed-pitch font) it keeps every column.
std::vector<std::string> PdfPages(const std::string& path, bool fixedPitch = false) {
    const std::string options = fixedPitch ? "-layout -fixed 5" : "-layout";
    return Split(Run("pdftotext " + options + " '" + path + "' - 2>/dev/null"), '\f');
}

// The line holding text, "" when none does.
std::string LineWith(const std::string& page, const std::string& text) {
    for (const std::string& line : Split(page, '\n')) {
        if (line.find(text) != std::string::npos) return line;
    }
    return {};
}

PrintJob Job(const store::clsCommon& doc, const std::string& pdf, int16_t line, int16_t* cancelled) {
    PrintJob job;
    job.Doc = &doc;
    job.Options.DspLine = line;
    job.Options.DspCode = 1;
    job.FontName = frmPrint::kFontName;
    job.PdfPath = pdf;
    job.DialogCancelled = cancelled;
    return job;
}

class ListingPdfTest : public ::testing::Test {
protected:
    void SetUp() override { platform::Printer::SetCurrent(QString()); }
    TempFolder folder{"reports-pdf"};
};

TEST_F(ListingPdfTest, ASixtyThousandUnitListingKeepsItsColumnsAndPageBudget) {
    auto doc = reports::test::Conditions();
    reports::test::AddLetters(*doc, kSd, 60000);
    const std::string pdf = folder / "listing.pdf";
    int16_t cancelled = 0;
    const PrintOutcome outcome = HistoryPrint(Job(*doc, pdf, 1, &cancelled));
    EXPECT_TRUE(outcome.Started);
    EXPECT_TRUE(outcome.Completed);
    EXPECT_EQ(outcome.Error, 0);

    const std::vector<std::string> pages = PdfPages(pdf);
    // 6,000 lines: 38 on the first page, 57 on each later one.
    ASSERT_EQ(pages.size(), 106u);
    EXPECT_NE(LineWith(pages.front(), "PAGE:0001"), "");
    EXPECT_NE(LineWith(pages.front(), "*MONITOR MODE*"), "");
    const std::string first = PdfPages(pdf, true).front();
    const std::string top = LineWith(first, "[START");
    const size_t left = top.find("[START");
    ASSERT_NE(left, std::string::npos) << first;
    EXPECT_EQ(top.substr(left),
              "[START 2023-03-15 00:00:00]  [STOP  2023-03-15 00:01:40]               PAGE:0001");
    const auto column = [&](const std::string& text) {
        const std::string line = LineWith(first, text);
        return line.empty() ? std::string::npos : line.find(text) - left + 1;
    };
    EXPECT_EQ(column("*FILE*"), 1u);
    EXPECT_EQ(column("BACK -"), 20u);
    EXPECT_EQ(column("PARITY-EVEN"), 20u);
    EXPECT_EQ(column("DATA BIT-8"), 38u);
    EXPECT_EQ(column("BAUD RATE-   9600"), 64u);
    EXPECT_EQ(column("ERROR STOP-OFF"), 63u);
    EXPECT_EQ(column("LENGTH AFTER-0000000"), 61u);
    EXPECT_EQ(column("MONITOR LENGTH-0000000"), 59u);
    EXPECT_EQ(column("START POSITION = 00001"), 59u);
    EXPECT_EQ(column("SD = 60000"), 20u);
    EXPECT_EQ(column("CODE-ASCII"), 66u);
    EXPECT_EQ(column("000001 S: 41 42 43"), 3u);
    EXPECT_EQ(column("000038 S:"), 3u);
    EXPECT_EQ(LineWith(first, "000039 S:"), "") << "line 39 starts page 2";
    EXPECT_NE(LineWith(pages[1], "PAGE:0002"), "");
    EXPECT_NE(LineWith(pages[1], "000039 S:"), "");
    EXPECT_NE(LineWith(pages[1], "000095 S:"), "");
    EXPECT_NE(LineWith(pages.back(), "PAGE:0106"), "");
    EXPECT_NE(LineWith(pages.back(), "006000 S:"), "");
}

TEST_F(ListingPdfTest, CancelEndsTheDocumentWithThePagesPrinted) {
    auto doc = reports::test::Conditions();
    reports::test::AddLetters(*doc, kSd, 30000);
    reports::test::AddLetters(*doc, kRd, 30000);
    const std::string pdf = folder / "cancelled.pdf";
    int16_t cancelled = 0;
    PrintJob job = Job(*doc, pdf, 0, &cancelled);
    QWidget owner;
    owner.show();
    job.Owner = &owner;
    bool ownerWasDisabled = false;
    int pageAtCancel = 0;
    QTimer press;
    press.setInterval(0);
    QObject::connect(&press, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<platform::frmPrinting*>(w);
            if (form == nullptr || !form->isVisible()) continue;
            const QString text = form->lblMsg->text();
            if (!text.startsWith(QStringLiteral("現在 ")) || text.contains(QStringLiteral(" 1 "))) continue;
            pageAtCancel = text.mid(3).section(QLatin1Char(' '), 0, 0).toInt();
            ownerWasDisabled = !owner.isEnabled();
            form->cmdCancel->click();
            press.stop();
        }
    });
    press.start();
    const PrintOutcome outcome = HistoryPrint(job);
    EXPECT_TRUE(outcome.Started);
    EXPECT_FALSE(outcome.Completed);
    EXPECT_EQ(outcome.Error, 0);
    EXPECT_EQ(cancelled, -1);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(owner.isEnabled()) << "the owner comes back when the run ends";
    ASSERT_GE(pageAtCancel, 2);
    const std::vector<std::string> pages = PdfPages(pdf);
    // The page in hand is ended; a line in hand that needed the next
    // page's header may have started it.
    EXPECT_GE(static_cast<int>(pages.size()), pageAtCancel);
    EXPECT_LE(static_cast<int>(pages.size()), pageAtCancel + 1);
    EXPECT_LT(pages.size(), 100u);
    char header[16];
    std::snprintf(header, sizeof header, "PAGE:%04zu", pages.size());
    EXPECT_NE(LineWith(pages.back(), header), "");
}

TEST_F(ListingPdfTest, APdfThatCannotBeStartedPrintsNothing) {
    auto doc = reports::test::Conditions();
    reports::test::AddLetters(*doc, kSd, 10);
    const PrintOutcome outcome = HistoryPrint(Job(*doc, folder / "missing/x.pdf", 1, nullptr));
    EXPECT_FALSE(outcome.Started);
    EXPECT_EQ(outcome.Error, ENOENT);
}

}  // namespace
}  // namespace reports::ui
