#include "Twips.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <ostream>

#include "WindowPlacement.h"

namespace platform {

// Readable failures.
void PrintTo(const TwipsRect& r, std::ostream* os) {
    *os << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

namespace {

// Where a twips rectangle lands once it has been through whole pixels.
TwipsRect Snapped(const TwipsRect& r) {
    const QRect px = TwipsToPixels(QRect(r.left, r.top, r.width, r.height));
    const QRect back = PixelsToTwips(px);
    return {back.x(), back.y(), back.width(), back.height()};
}

// The offscreen screen reports 96 dpi, the classic 15 twips per pixel.
class TwipsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_DOUBLE_EQ(LogicalDpi(), 96.0); }
};

TEST_F(TwipsTest, FifteenTwipsPerPixelRoundingToTheNearest) {
    EXPECT_EQ(TwipsToPixels(1440), 96);
    EXPECT_EQ(TwipsToPixels(22), 1);  // 1.47
    EXPECT_EQ(TwipsToPixels(23), 2);  // 1.53
    EXPECT_EQ(TwipsToPixels(-1500), -100);
    EXPECT_EQ(PixelsToTwips(81), 1215);
    EXPECT_EQ(TwipsToPixels(QRect(150, 300, 1215, 375)), QRect(10, 20, 81, 25));
    EXPECT_EQ(PixelsToTwips(QRect(10, 20, 81, 25)), QRect(150, 300, 1215, 375));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(ScreenTwips(nullptr), QRect(screen.x() * 15, screen.y() * 15,
                                          screen.width() * 15, screen.height() * 15));
}

TEST_F(TwipsTest, WindowsAreCentredOnTheirOwnerOrElseOnTheScreen) {
    const QRect screen = ScreenTwips(nullptr);
    QWidget owner;
    owner.setGeometry(100, 100, 400, 300);  // 1500,1500 6000x4500 twips
    QWidget window;
    CentreWindowOnOwner(&window, &owner, 3000, 1500);
    EXPECT_EQ(WindowTwips(&window), (TwipsRect{1500 + 1500, 1500 + 1500, 3000, 1500}));

    // Off the bottom-right corner: pulled back inside.
    owner.move(TwipsToPixels(screen.width()) - 100, TwipsToPixels(screen.height()) - 100);
    CentreWindowOnOwner(&window, &owner, 3000, 1500);
    EXPECT_EQ(WindowTwips(&window),
              Snapped({screen.width() - 3100, screen.height() - 2000, 3000, 1500}));

    CentreWindowOnOwner(&window, nullptr, 3000, 1500);
    EXPECT_EQ(WindowTwips(&window),
              Snapped({(screen.width() - 3000) / 2, (screen.height() - 1500) / 2, 3000, 1500}));
}

}  // namespace
}  // namespace platform
