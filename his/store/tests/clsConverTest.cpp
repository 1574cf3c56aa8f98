#include "clsConver.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <utility>

#include "FakeKy1Source.h"
#include "Ky1TestRows.h"
#include "Ky2TestFiles.h"
#include "platform/file/tests/TempFolder.h"
#include "clsCommon.h"
#include "platform/time/VbDate.h"

namespace store {
namespace {

using test::FakeKy1Source;
using test::FakeProgress;

using test::ExpectedAttr;
using test::HeaderLine;
using test::LongRow;
const double kBase = test::kKy1Base;

// A row with no flag and no character time.
Ky1Mst PlainRow(int16_t data) {
    Ky1Mst r;
    r.Dtime = kBase;
    r.Data = data;
    return r;
}

class Conversion : public ::testing::Test {
protected:
    Conversion() {
        src.inf.Band = "9600";
        src.trg[0].SdChar = "41";
        src.trg[1].RdChar = "42";
    }
    bool Convert() {
        clsConver conv(src, bar);
        const bool ok = conv.DBRead(Ky1);
        parts = conv.Parts();
        return ok;
    }
    void UseLongRows(int32_t count) {
        src.maker = LongRow;
        src.makerCount = count;
    }
    void ExpectUnitsMatchRows() { test::ExpectPartsHoldLongRows(parts, src.makerCount); }

    TempFolder dir{"ky1-conv"};
    std::string Ky1 = dir / "cap.ky1";
    FakeKy1Source src;
    FakeProgress bar;
    std::vector<std::string> parts;
};

TEST_F(Conversion, FewerThanSixtyThousandUnitsGiveOnePartNamingTheNextNumber) {
    UseLongRows(59999);
    ASSERT_TRUE(Convert());
    ASSERT_EQ(parts, std::vector<std::string>{dir / "cap_01.ky2"});
    EXPECT_EQ(HeaderLine(parts[0], 2), "," + dir / "cap_02.ky2");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"cap_01.ky2"}));
    ExpectUnitsMatchRows();
}

TEST_F(Conversion, ExactlySixtyThousandUnitsEndInAHeaderOnlyPart) {
    UseLongRows(60000);
    ASSERT_TRUE(Convert());
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(HeaderLine(parts[1], 2), dir / "cap_01.ky2" + "," + dir / "cap_03.ky2");
    EXPECT_EQ(HeaderLine(parts[1], 8), "");
    clsCommon first;
    ASSERT_TRUE(first.Read(parts[0]));
    EXPECT_EQ(first.RecordCount(), 60000);
    EXPECT_EQ(first.FollowFile(), parts[1]);
    ExpectUnitsMatchRows();
}

TEST_F(Conversion, SixtyThousandAndOneUnitsPutTheLastRowInTheSecondPart) {
    UseLongRows(60001);
    ASSERT_TRUE(Convert());
    ASSERT_EQ(parts, (std::vector<std::string>{dir / "cap_01.ky2", dir / "cap_02.ky2"}));
    EXPECT_EQ(HeaderLine(parts[0], 2), "," + parts[1]);
    EXPECT_EQ(HeaderLine(parts[1], 2), parts[0] + "," + dir / "cap_03.ky2");
    clsCommon second;
    ASSERT_TRUE(second.Read(parts[1]));
    EXPECT_EQ(second.RecordCount(), 1);
    EXPECT_EQ(second.PrecedFile(), parts[0]);
    EXPECT_EQ(second.FollowFile(), "");
    ExpectUnitsMatchRows();
}

TEST_F(Conversion, HeaderCarriesTheSettingsAsTheOldFileHoldsThem) {
    src.inf = {kBase, kBase + 1, "4800", 1, 2, true, 1, 3, 1, true, 1, 2, "KY-N4", false, true};
    src.trg[0] = {true, 1, 3, 4, 500, "11000", "4142", "00000", "43", "x"};
    src.trg[1] = {false, 2, 0, 7, 16777215, "", "0D0A", "", "", ""};
    src.rows = {LongRow(1)};
    ASSERT_TRUE(Convert());
    const std::string part = dir / "cap_01.ky2";
    EXPECT_EQ(HeaderLine(part, 1), "*** KY-Nubera ***");
    EXPECT_EQ(HeaderLine(part, 3), "2003/04/05 06:07:08,2003/04/06 06:07:08");
    EXPECT_EQ(HeaderLine(part, 4), "3,4800,1,1,1,1,1,1,2,2,0,1,");
    EXPECT_EQ(HeaderLine(part, 5), ",");
    EXPECT_EQ(HeaderLine(part, 6), "1,4142,11000,3,43,00000,4,500");
    EXPECT_EQ(HeaderLine(part, 7), "2,0D0A,,0,,,7,16777215");
}

TEST_F(Conversion, JapaneseTextGoesIntoTheHeaderInCodePage932) {
    src.trg[0].SdChar = "ｱｲｳ漢字";
    src.rows = {LongRow(1)};
    ASSERT_TRUE(Convert());
    EXPECT_EQ(HeaderLine(dir / "cap_01.ky2", 6), "0,\xB1\xB2\xB3\x8A\xBF\x8E\x9A,,0,,,0,0");
}

TEST_F(Conversion, EqualTimesShareALineAndEveryChangeStartsOne) {
    Ky1Mst a = PlainRow(0), b = PlainRow(1), c = PlainRow(2);
    c.Dtime = a.Dtime + 0.1 / 86400.0;  // under a second later: same printed stamp
    src.rows = {a, b, c};
    ASSERT_TRUE(Convert());
    const std::string stamp = FormatStamp(kBase);
    const char first[] = ",\x44\x01\x80\x00\x80\x01\x00\x01";
    const char second[] = ",\x44\x01\x80\x02\x00\x01";
    EXPECT_EQ(HeaderLine(dir / "cap_01.ky2", 8), stamp + std::string(first, sizeof first - 1));
    EXPECT_EQ(HeaderLine(dir / "cap_01.ky2", 9), stamp + std::string(second, sizeof second - 1));
}

// The word is written as the old file stored it, bit 0x2000 included,
// whatever a reader makes of that bit.
TEST_F(Conversion, CharacterTimeRoundsHalfToEvenAndIsWrittenAsStored) {
    Ky1Mst a = PlainRow(0), b = PlainRow(1), c = PlainRow(2);
    a.ChrTime = 0x7C02 + 0.5F;  // bit 0x2000, range code 7, value 2.5 -> 2
    b.ChrTime = 0x6123;         // bit 0x2000 over range code 0
    c.ChrTime = 0x5FFF;
    src.rows = {a, b, c};
    ASSERT_TRUE(Convert());
    const std::string line = HeaderLine(dir / "cap_01.ky2", 8);
    EXPECT_EQ(line.substr(22), std::string("\x80\x00\x7C\x02\x80\x01\x61\x23\x80\x02\x5F\xFF\x00\x01", 14));
}

TEST_F(Conversion, AnEmptyMessageTableGivesAHeaderOnlyPart) {
    ASSERT_TRUE(Convert());
    ASSERT_EQ(parts.size(), 1U);
    EXPECT_EQ(HeaderLine(parts[0], 8), "");
    EXPECT_EQ(bar.max, 0);
    EXPECT_EQ(bar.title, "ファイルコンバート");
}

TEST_F(Conversion, ADataValueAbove255FailsAndWritesNothing) {
    UseLongRows(3);
    src.maker = [](int32_t i) {
        Ky1Mst r = LongRow(i);
        if (i == 2) r.Data = 256;
        return r;
    };
    EXPECT_FALSE(Convert());
    EXPECT_TRUE(dir.Names().empty());
    EXPECT_EQ(bar.clears, 1);
}

TEST_F(Conversion, ACharacterTimeOutsideTheWordRangeFails) {
    for (float bad : {0x3FFF * 1.0F, 0x8000 * 1.0F, -1.0F, 0.25F}) {
        Ky1Mst r = LongRow(1);
        r.ChrTime = bad;
        src.rows = {r};
        EXPECT_FALSE(Convert()) << bad;
    }
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(Conversion, AFileThatDoesNotOpenFailsWithoutAProgressWindow) {
    src.openable = false;
    EXPECT_FALSE(Convert());
    EXPECT_EQ(bar.shows, 0);
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(Conversion, AMissingTableOrRowFailsAfterTheReadsAndClosesTheFile) {
    src.rows = {LongRow(1)};
    src.trgReadable = false;
    EXPECT_FALSE(Convert());
    EXPECT_FALSE(src.opened);
    src.trgReadable = true;
    src.failAtRow = 0;
    EXPECT_FALSE(Convert());
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(Conversion, CancelWhileReadingWritesNothingAndSucceeds) {
    UseLongRows(5000);
    bar.cancelAfter = 1500;
    EXPECT_TRUE(Convert());
    EXPECT_TRUE(dir.Names().empty());
    EXPECT_EQ(bar.last, 1500);
}

TEST_F(Conversion, CancelWhileWritingKeepsTheFinishedLineAndPart) {
    UseLongRows(70000);
    bar.cancelAfter = 70000 + 60006;  // all reads, then six units into part 2
    EXPECT_TRUE(Convert());
    ASSERT_EQ(parts.size(), 2U);
    clsCommon second;
    ASSERT_TRUE(second.Read(parts[1]));
    EXPECT_EQ(second.RecordCount(), 6);
    EXPECT_EQ(bar.clears, 1);
}

TEST_F(Conversion, TheProgressCoversReadingAndWriting) {
    UseLongRows(2500);
    ASSERT_TRUE(Convert());
    EXPECT_EQ(bar.max, 5000);
    EXPECT_EQ(bar.last, 2500 + 2499);
    EXPECT_EQ(bar.yields, 2 + 3);  // every 1000 rows read, from unit 0 written
}

TEST_F(Conversion, AClaimedRowCountSizesNothingAndOnlyTheProgressIsCut) {
    UseLongRows(3);
    constexpr int64_t kHighest = std::numeric_limits<int64_t>::max();
    constexpr int64_t kLowest = std::numeric_limits<int64_t>::min();
    const std::vector<std::pair<int64_t, int32_t>> claims{
        {0x7FFFFFFF, 0x7FFFFFFF}, {int64_t{1} << 40, 0x7FFFFFFF}, {kHighest, 0x7FFFFFFF},
        {kHighest / 2 + 1, 0x7FFFFFFF}, {1000, 2000}, {-1, 0}, {kLowest, 0}, {kLowest / 2 - 1, 0}};
    for (const auto& [claimed, max] : claims) {
        src.claimedCount = claimed;
        ASSERT_TRUE(Convert()) << claimed;
        EXPECT_EQ(bar.max, max) << claimed;
        ExpectUnitsMatchRows();
        for (const std::string& part : parts) std::remove(part.c_str());
    }
}

TEST_F(Conversion, TheBusyHookIsPairedOnEveryPath) {
    std::vector<bool> calls;
    src.openable = false;
    clsConver conv(src, bar, [&](bool busy) { calls.push_back(busy); });
    EXPECT_FALSE(conv.DBRead(Ky1));
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

TEST_F(Conversion, ConvertingTwiceTakesTheNextFreeNumbers) {
    UseLongRows(60001);
    ASSERT_TRUE(Convert());
    ASSERT_TRUE(Convert());
    EXPECT_EQ(parts, (std::vector<std::string>{dir / "cap_03.ky2", dir / "cap_04.ky2"}));
    EXPECT_EQ(HeaderLine(parts[0], 2), "," + dir / "cap_04.ky2");
}

TEST(ConvNameGet, TakesTheFirstFreeNumberWithAtLeastTwoDigits) {
    TempFolder dir("ky1-name");
    EXPECT_EQ(clsConver::ConvNameGet(dir / "a.ky1"), dir / "a_01.ky2");
    TempFolder::WriteAll(dir / "a_01.ky2", "x");
    TempFolder::WriteAll(dir / "a_03.ky2", "x");
    EXPECT_EQ(clsConver::ConvNameGet(dir / "a.ky1"), dir / "a_02.ky2");
    EXPECT_EQ(clsConver::ConvNameGet(dir / "a.ky1", dir / "a_02.ky2"), dir / "a_04.ky2");
    for (int k = 4; k <= 99; ++k) {
        TempFolder::WriteAll(dir / ((k < 10 ? "a_0" : "a_") + std::to_string(k) + ".ky2"), "");
    }
    TempFolder::WriteAll(dir / "a_02.ky2", "x");
    EXPECT_EQ(clsConver::ConvNameGet(dir / "a.ky1"), dir / "a_100.ky2");
}

TEST(ConvNameGet, ADotInAFolderNameDoesNotMoveTheParts) {
    EXPECT_EQ(clsConver::ConvNameGet("/nowhere/data.old/cap.v2.ky1"),
              "/nowhere/data.old/cap.v2_01.ky2");
    EXPECT_EQ(clsConver::ConvNameGet("/nowhere/data.old/cap"), "/nowhere/data.old/cap_01.ky2");
}

}  // namespace
}  // namespace store
