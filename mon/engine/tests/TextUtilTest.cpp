#include <gtest/gtest.h>

#include <string>

#include "TextUtil.h"
#include "his/store/CodeTable.h"

namespace mon {
namespace {

using platform::TwipsRect;

// A 1280 x 960 pixel screen at 15 twips per pixel.
constexpr int kScreenWidth = 19200;
constexpr int kScreenHeight = 14400;

SubFormContext Context(TwipsRect owner, TwipsRect main = {0, 0, 12000, 9000}) {
    SubFormContext c;
    c.owner = owner;
    c.main = main;
    c.screenWidth = kScreenWidth;
    c.screenHeight = kScreenHeight;
    return c;
}

SubFormContext PickerContext(float x, float y) {
    SubFormContext c = Context({0, 0, 12000, 9000});
    c.anchorX = x;
    c.anchorY = y;
    return c;
}

// ---- placement ----

TEST(SubFormPlace, OrdinaryWindowsOpenDownAndRightOfTheirOwner) {
    const SubFormContext c = Context({1000, 2000, 6000, 4000});
    EXPECT_EQ(SubFormPlace(c, SubFormKind::Other, 3000, 2000), (TwipsRect{1300, 2300, 3000, 2000}));
    EXPECT_EQ(SubFormPlace(c, "frmTrig", 3000, 2000), (TwipsRect{1300, 2300, 3000, 2000}));
}

TEST(SubFormPlace, OrdinaryWindowsNearTheBottomRightArePulledBack) {
    EXPECT_EQ(SubFormPlace(Context({17000, 13000, 2000, 1000}), "frmSetMonitor", 3000, 2000),
              (TwipsRect{19200 - 3000 - 100, 14400 - 2000 - 500, 3000, 2000}));
    // Exactly touching the right edge still fits; one twip more does not.
    EXPECT_EQ(SubFormPlace(Context({15900, 0, 100, 100}), "frmBaud", 3000, 2000).left, 16200);
    EXPECT_EQ(SubFormPlace(Context({15901, 0, 100, 100}), "frmBaud", 3000, 2000).left, 16100);
    // The bottom keeps 500 twips clear even when the window would fit.
    EXPECT_EQ(SubFormPlace(Context({0, 11601, 100, 100}), "frmBaud", 3000, 2000).top, 11900);
}

TEST(SubFormPlace, TheStepWindowCentresOnTheMainWindowNotItsOwner) {
    const SubFormContext c = Context({5000, 5000, 1000, 1000}, {0, 0, 12000, 9000});
    EXPECT_EQ(SubFormPlace(c, "frmMessage", 4000, 3000), (TwipsRect{4000, 3000, 4000, 3000}));
    // Halves truncate toward zero: -999 / 2 is -499.
    const SubFormContext odd = Context({}, {0, 0, 1001, 1001});
    EXPECT_EQ(SubFormPlace(odd, SubFormKind::Message, 2000, 2000),
              (TwipsRect{-499, -499, 2000, 2000}));
}

TEST(SubFormPlace, TheStepWindowIsPulledBackOnlyWhenItLeavesTheScreen) {
    const SubFormContext low = Context({}, {15000, 12000, 6000, 4000});
    EXPECT_EQ(SubFormPlace(low, "frmMessage", 4000, 3000),
              (TwipsRect{19200 - 4000 - 100, 14400 - 3000 - 500, 4000, 3000}));
    // Its bottom edge on the screen's bottom edge is still inside.
    const SubFormContext flush = Context({}, {0, 11400, 3000, 3000});
    EXPECT_EQ(SubFormPlace(flush, "frmMessage", 3000, 3000).top, 11400);
}

TEST(SubFormPlace, PickersOpenBesideThePointer) {
    EXPECT_EQ(SubFormPlace(PickerContext(5000.4f, 6000.6f), "frmCode", 3000, 2000),
              (TwipsRect{5600, 6001, 3000, 2000}));
    EXPECT_EQ(SubFormPlace(PickerContext(5000, 6000), "frmString", 3000, 2000),
              (TwipsRect{5600, 6000, 3000, 2000}));
}

TEST(SubFormPlace, PickersNearTheEdgesOpenLeftOfThePointerOrHigher) {
    EXPECT_EQ(SubFormPlace(PickerContext(17000, 12000), "frmCode", 3000, 2000),
              (TwipsRect{17000 - 600 - 3000, 14400 - 2000 - 500, 3000, 2000}));
    EXPECT_EQ(SubFormPlace(PickerContext(15600, 0), "frmCode", 3000, 2000).left, 16200);
    EXPECT_EQ(SubFormPlace(PickerContext(15601, 0), "frmCode", 3000, 2000).left, 12001);
}

TEST(SubFormPlace, KindsByFormName) {
    EXPECT_EQ(SubFormKindOf("frmMessage"), SubFormKind::Message);
    EXPECT_EQ(SubFormKindOf("frmCode"), SubFormKind::Picker);
    EXPECT_EQ(SubFormKindOf("frmString"), SubFormKind::Picker);
    EXPECT_EQ(SubFormKindOf("frmcode"), SubFormKind::Other);
    EXPECT_EQ(SubFormKindOf("frmAbout"), SubFormKind::Other);
}

// ---- paths ----

TEST(PathShorten, WindowsPathsKeepTheirBackslash) {
    const std::string path = "C:\\Data\\Monitor\\Files\\Today";
    EXPECT_EQ(PathShorten(path, 27), path);
    EXPECT_EQ(PathShorten(path, 20), "C:\\ ... \\Files\\Today");
    EXPECT_EQ(PathShorten(path, 5), "C:\\ ... \\Today") << "the shortest form, though too long";
}

TEST(PathShorten, LinuxPathsShortenWithSlashes) {
    const std::string path = "/home/u/data/files/today";
    EXPECT_EQ(PathShorten(path, 24), path);
    EXPECT_EQ(PathShorten(path, 23), "/ ... /data/files/today");
    EXPECT_EQ(PathShorten(path, 20), "/ ... /files/today");
    EXPECT_EQ(PathShorten("/srv/a\\b/c/d", 10), "/ ... /c/d");
}

TEST(PathShorten, CountsCharactersNotBytes) {
    const std::string path = "/home/山田/データ/記録";  // 15 characters
    EXPECT_EQ(PathShorten(path, 15), path);
    EXPECT_EQ(PathShorten(path, 14), "/ ... /データ/記録");
}

TEST(PathShorten, TooLongWithFewerThanThreePartsGivesNothing) {
    EXPECT_EQ(PathShorten("C:\\VeryLongFolderName", 5), "");
    EXPECT_EQ(PathShorten("NoSeparatorAtAll", 5), "");
    EXPECT_EQ(PathShorten("C:\\A\\VeryLongName", 5), "C:\\ ... \\VeryLongName");
}

// ---- fields and the code table ----

TEST(DriveNotReadyText, TheDriveUpperCasedWithItsBackslashThenTheTwoLines) {
    const std::string rest = " にアクセスできません。\r\n\r\nデバイスの準備ができていません。";
    EXPECT_EQ(DriveNotReadyText("d:"), "D:\\" + rest);
    EXPECT_EQ(DriveNotReadyText("d:\\"), "D:\\" + rest);
    EXPECT_EQ(DriveNotReadyText("/media/usb-disk/"), "/MEDIA/USB-DISK\\" + rest);
}

TEST(CodeFieldCut, CutsTrimmedFieldsAndKeepsReturningTheLast) {
    std::string text = "20,SP,,SP";
    EXPECT_EQ(CodeFieldCut(text), "20");
    EXPECT_EQ(CodeFieldCut(text), "SP");
    EXPECT_EQ(CodeFieldCut(text), "  ") << "an empty field shows as two blanks";
    EXPECT_EQ(CodeFieldCut(text), "SP");
    EXPECT_EQ(text, "SP") << "the last field is not cut off";

    text = "  AB  , CD ,EF";
    EXPECT_EQ(CodeFieldCut(text), "AB");
    EXPECT_EQ(text, " CD ,EF");
}

TEST(CodeFieldCut, WithoutACommaTakesUpToTheCrUntrimmed) {
    std::string text = " AB\rCD";
    EXPECT_EQ(CodeFieldCut(text), " AB");
    EXPECT_EQ(text, " AB\rCD");
    std::string empty;
    EXPECT_EQ(CodeFieldCut(empty), "  ");
    std::string blanks = "   ,x";
    EXPECT_EQ(CodeFieldCut(blanks), "  ");
    EXPECT_EQ(blanks, "x");
}

TEST(CodeTableBuild, FillsEveryFormOfEveryByte) {
    for (auto& form : store::CodeTable) form.fill("stale");
    CodeTableBuild();
    const auto text = [](int form, int value) {
        return store::CodeTable[static_cast<size_t>(form)][static_cast<size_t>(value)];
    };
    const std::string row41[] = {"41", "Ａ", "Ａ", "チ", "Ａ", "RS"};
    const std::string rowA0[] = {"A0", "SP", "  ", "SP", "  ", "  "};
    for (int form = 0; form < store::kCodeFormCount; ++form) {
        EXPECT_EQ(text(form, 0x41), row41[form]) << form;
        EXPECT_EQ(text(form, 0xA0), rowA0[form]) << form;
        for (int value = 0; value < 256; ++value) {
            ASSERT_NE(text(form, value), "stale") << form << "," << value;
            ASSERT_FALSE(text(form, value).empty()) << form << "," << value;
        }
    }
}

}  // namespace
}  // namespace mon
