#include "AnalyserBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <cmath>

#include "his/store/ui/frmBar.h"
#include "platform/ui/Twips.h"

namespace frames {
namespace {

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QRect ScreenTwipsRect() { return platform::PixelsToTwips(QGuiApplication::primaryScreen()->geometry()); }

// Within a pixel: twips and whole pixels meet no more exactly.
void ExpectNear(int pixels, int twips) { EXPECT_LE(std::abs(pixels - platform::TwipsToPixels(twips)), 1); }

TEST(AnalyserBar, ATotalBelowOneShowsNothingAndKeepsTheTotal) {
    int asked = 0;
    auto bar = NewAnalyserBar([&asked] {
        ++asked;
        return platform::TwipsRect{1500, 1500, 6000, 4500};
    });
    bar->Show(0, "ファイルの読込");
    EXPECT_EQ(bar->Form(), nullptr);
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(asked, 0);
    bar->PosValue(150);
    EXPECT_EQ(bar->PosValue(), 100) << "the total is still the first one";
    bar->PosValue(-1);
    EXPECT_EQ(bar->PosValue(), 100);
}

TEST(AnalyserBar, CentresOnTheMainWindowRectangleAskedAtEachOpening) {
    int asked = 0;
    platform::TwipsRect main{1500, 1200, 7200, 4800};
    auto bar = NewAnalyserBar([&] {
        ++asked;
        return main;
    });
    bar->Show(1000, "ファイルの読込");
    ASSERT_NE(bar->Form(), nullptr);
    const store::frmBar& form = *bar->Form();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(form.windowTitle().toStdString(), "ファイルの読込");
    EXPECT_EQ(form.cursor().shape(), Qt::BusyCursor);
    const QRect placed = platform::PixelsToTwips(form.geometry());
    ExpectNear(form.geometry().x(), main.left + (main.width - placed.width()) / 2);
    ExpectNear(form.geometry().y(), main.top + (main.height - placed.height()) / 2);

    bar->Show(2000, "");
    EXPECT_EQ(asked, 1) << "a window already open stays where it is";
    bar->Clear();
    DeleteClosedWindows();

    // The main window moved to the bottom edge: the window is pulled up to
    // 500 twips above it.
    const QRect screen = ScreenTwipsRect();
    main = {1500, screen.height() - 1000, 7200, 4800};
    bar->Show(10, "");
    ASSERT_NE(bar->Form(), nullptr);
    EXPECT_EQ(asked, 2);
    const int height = platform::PixelsToTwips(bar->Form()->geometry()).height();
    ExpectNear(bar->Form()->geometry().y(), screen.height() - height - 500);
    bar->Clear();
    DeleteClosedWindows();
}

TEST(AnalyserBar, CancelButtonCancelsAndHides) {
    auto bar = NewAnalyserBar([] { return platform::TwipsRect{0, 0, 6000, 4000}; });
    bar->Show(10, "");
    ASSERT_NE(bar->Form(), nullptr);
    QTest::mouseClick(bar->Form()->cmdCancel, Qt::LeftButton);
    EXPECT_TRUE(bar->Cancel());
    EXPECT_FALSE(bar->Visible());
    bar->Clear();
    EXPECT_TRUE(bar->Cancel());
    DeleteClosedWindows();
}

}  // namespace
}  // namespace frames
