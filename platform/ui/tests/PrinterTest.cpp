#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QWidget>

#include <cerrno>
#include <string>

#include "FileSizeLimit.h"
#include "FontMap.h"
#include "Printer.h"
#include "ProtectedTargets.h"
#include "TempFolder.h"
#include "frmPrinting.h"

namespace platform {
namespace {

// The pages of a PDF written by the printer: one page object each.
int PdfPageCount(const std::string& bytes) {
    int count = 0;
    for (size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1)) {
        if (bytes.compare(at, 12, "/Type /Pages") != 0) ++count;
    }
    return count;
}

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override { Printer::SetCurrent(QString()); }
    TempFolder folder{"printer"};
};

TEST_F(PrinterTest, WithoutAPrinterTheDeviceIsAPdfFileAndAMissingPrinterIsAnError) {
    EXPECT_TRUE(Printer::PrintsToPdf());
    EXPECT_EQ(Printer::DeviceName(), QString::fromUtf8(Printer::kPdfDeviceName));
    Printer::SetCurrent(QStringLiteral("no such printer"));
    EXPECT_FALSE(Printer::PrintsToPdf());
    EXPECT_FALSE(Printer::DeviceName().has_value());
}

TEST_F(PrinterTest, APdfTakesItsNameOnlyWhenTheDocumentEnds) {
    const std::string path = folder / "out.pdf";
    TempFolder::WriteAll(path, "old");
    Printer printer;
    ASSERT_TRUE(printer.StartDoc(path));
    EXPECT_EQ(printer.Page(), 1);
    printer.Print("first page");
    printer.NewPage();
    EXPECT_EQ(printer.Page(), 2);
    printer.Print("second page");
    EXPECT_EQ(TempFolder::ReadAll(path), "old") << "nothing replaces the file before the end";
    ASSERT_TRUE(printer.EndDoc());
    const std::string pdf = TempFolder::ReadAll(path);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.pdf"});
}

TEST_F(PrinterTest, AKilledDocumentLeavesNoFileAndAFailedOneTheOldFile) {
    const std::string fresh = folder / "fresh.pdf";
    {
        Printer printer;
        ASSERT_TRUE(printer.StartDoc(fresh));
        printer.Print("never seen");
        printer.KillDoc();
        EXPECT_FALSE(printer.Started());
    }
    EXPECT_TRUE(folder.Names().empty());

    const std::string old = folder / "old.pdf";
    TempFolder::WriteAll(old, "old");
    Printer printer;
    ASSERT_TRUE(printer.StartDoc(old));
    for (int i = 0; i < 2000; ++i) printer.Print("a line that fills the disk " + std::to_string(i));
    {
        const FileSizeLimit full(2048);
        EXPECT_FALSE(printer.EndDoc());
    }
    EXPECT_EQ(printer.Error(), EFBIG);
    EXPECT_EQ(TempFolder::ReadAll(old), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.pdf"});

    Printer nowhere;
    EXPECT_FALSE(nowhere.StartDoc(folder / "missing/x.pdf"));
    EXPECT_EQ(nowhere.Error(), ENOENT);
}

TEST_F(PrinterTest, CharacterCellsPlaceTextAndALineNeverRunsPastTheBottom) {
    Printer printer;
    printer.ScaleMode(Printer::Scale::Characters);
    printer.ScaleLeft(-6);
    printer.FontName("ＭＳ 明朝");
    printer.FontSize(10);
    ASSERT_TRUE(printer.StartDoc(folder / "cells.pdf"));
    // A4 less 10 mm margins is about 277 mm high: 65.4 cells of 1/6 inch.
    EXPECT_NEAR(printer.ScaleHeight(), 277 / 25.4 * 6, 0.2);
    EXPECT_NEAR(printer.ScaleWidth(), 190 / 25.4 * 12, 0.2);
    EXPECT_GT(printer.TextHeight(), 0.5);
    EXPECT_LT(printer.TextHeight(), 1.0) << "a 10-point line is less than a 12-point cell";
    printer.CurrentX(3);
    printer.Print("x");
    EXPECT_EQ(printer.CurrentX(), 0) << "each line starts at x = 0";
    const int fit = static_cast<int>(printer.ScaleHeight() / printer.TextHeight());
    for (int i = 1; i < fit; ++i) printer.Print("line");
    EXPECT_EQ(printer.Page(), 1);
    printer.Print("one too many");
    EXPECT_EQ(printer.Page(), 2) << "went to the top of a new page";
    EXPECT_NEAR(printer.CurrentY(), printer.TextHeight(), 1e-9);

    printer.ScaleMode(Printer::Scale::Millimetres);
    printer.ScaleLeft(0);
    EXPECT_NEAR(printer.ScaleHeight(), 277, 0.5);
    // A fixed-pitch 10-point face: 5 points a half-width character.
    EXPECT_EQ(printer.FontSize(), 10);
    EXPECT_NEAR(printer.TextWidth(std::string(96, '0')), 96 * 5 / 72.0 * 25.4, 0.5);
    EXPECT_EQ(printer.TextWidth(""), 0);
    ASSERT_TRUE(printer.EndDoc());
    EXPECT_EQ(PdfPageCount(TempFolder::ReadAll(folder / "cells.pdf")), 2);
}

TEST(FontMap, DesignNamesBecomeTheIpaFacesOfTheSamePitch) {
    EXPECT_EQ(MappedFontFamily("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    EXPECT_EQ(MappedFontFamily("MS GOTHIC"), QStringLiteral("IPAGothic"));
    EXPECT_EQ(MappedFontFamily("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    EXPECT_EQ(MappedFontFamily("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(MappedFontFamily("Some Face"), QStringLiteral("Some Face"));
    const QFont mincho = MappedFont("ＭＳ 明朝", 10);
    EXPECT_EQ(QFontInfo(mincho).family(), QStringLiteral("IPAMincho")) << "fonts-ipafont-mincho";
    // Columns hold: every half-width letter is as wide as any other, and a
    // full-width one is two of them.
    const QFontMetricsF metrics(mincho);
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("i")), metrics.horizontalAdvance(QStringLiteral("W")));
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("Ａ")), 2 * metrics.horizontalAdvance(QStringLiteral("A")));
    EXPECT_DOUBLE_EQ(mincho.pointSizeF(), 10);
}

TEST(frmPrinting, ShowsThePageAndHandsOneCancelBack) {
    QWidget owner;
    owner.show();
    int cancels = 0;
    {
        frmPrinting form(&owner, 1);
        form.OnCancel = [&] { ++cancels; };
        EXPECT_EQ(form.windowTitle(), QStringLiteral("印刷中"));
        EXPECT_EQ(form.lblMsg->text(), QStringLiteral("現在 1 ページ目を出力しています。"));
        EXPECT_EQ(form.cmdCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        EXPECT_FALSE(owner.isEnabled());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        form.show();
        form.PageShow(12);
        EXPECT_EQ(form.lblMsg->text(), QStringLiteral("現在 12 ページ目を出力しています。"));
        form.cmdCancel->click();
        EXPECT_TRUE(form.Cancelled());
        QCloseEvent close;
        QCoreApplication::sendEvent(&form, &close);
        EXPECT_FALSE(close.isAccepted()) << "the run takes the window down itself";
        EXPECT_EQ(cancels, 1);
    }
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PrinterTest, APdfKeepsReadOnlyFilesLinksAndModes) {
    protected_targets::ExpectSaveRespectsTarget("listing.pdf", [](const std::string& p) {
        Printer printer;
        if (!printer.StartDoc(p)) return false;
        printer.Print("a printed line");
        return printer.EndDoc();
    });
}

}  // namespace
}  // namespace platform
