#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <string>
#include <vector>

#include "Ky2TestFiles.h"
#include "clsCommon.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/time/VbDate.h"

namespace store {
namespace {

using test::DataLine;
using test::FakeProgress;
using test::Header;

class Ky2ReaderTest : public ::testing::Test {
protected:
    bool ReadBytes(const std::string& bytes, const DataReadSplit& split = {}) {
        test::WriteFile(path_, bytes);
        doc_ = clsCommon();
        return doc_.Read(path_, &bar_, split);
    }
    struct Flags {
        int16_t data, same, ch, jis7, trig, parity, over, flam;
    };
    Flags At(int32_t i) {
        Flags f {};
        EXPECT_TRUE(doc_.GetDataAtInf(i, f.data, f.same, f.ch, f.jis7, f.trig, f.parity, f.over,
                                      f.flam));
        return f;
    }
    using TimePair = std::pair<int16_t, int16_t>;
    TimePair Time(int32_t i) {
        int16_t index = 0, value = 0;
        EXPECT_TRUE(doc_.GetDataTimInf(i, index, value));
        return {index, value};
    }

    TempFolder dir_;
    std::string path_ = dir_ / "h.ky2";
    clsCommon doc_;
    FakeProgress bar_;
};

TEST_F(Ky2ReaderTest, OnlyFilesWhoseFirstFieldHoldsTheMagicTextAreRead) {
    EXPECT_FALSE(ReadBytes(""));
    EXPECT_FALSE(ReadBytes("*** KY-Nubera **"));
    EXPECT_FALSE(ReadBytes("," + Header() + DataLine("2024/05/06 07:08:09", {0x80, 'A', 0})));
    EXPECT_FALSE(ReadBytes("*** ky-nubera ***\r\n" + Header().substr(19)));
    EXPECT_FALSE(doc_.Read(dir_ / "missing.ky2", &bar_));
    EXPECT_EQ(bar_.shows, 0) << "no progress for a file that is not a history";

    EXPECT_TRUE(ReadBytes("  KY2 of line 7 *** KY-Nubera *** 2024" + Header().substr(17) +
                          DataLine("2024/05/06 07:08:09", {0x80, 'A', 0})));
    EXPECT_EQ(bar_.shows, 1);
    EXPECT_EQ(bar_.title, "ファイルの読込");
    EXPECT_EQ(bar_.clears, 1);
    EXPECT_EQ(doc_.BaudRate(), 9600);

    // A comma on line 1 leaves its tail to be read as line 2, shifting the
    // header by one line; the data still loads.
    EXPECT_TRUE(ReadBytes("*** KY-Nubera ***,tail" + Header().substr(17) +
                          DataLine("2024/05/06 07:08:09", {0x80, 'A', 0})));
    EXPECT_EQ(doc_.DspMode(), 0) << "line 3 landed on the settings line";
}

TEST_F(Ky2ReaderTest, HeaderFieldsGoThroughTheirSetters) {
    std::string header = Header();
    header.replace(header.find("1,9600,1"), 8, "9,9600,1");  // DspMode out of range
    ASSERT_TRUE(ReadBytes(header + DataLine("2024/05/06 07:08:09", {0x80, 'A', 0})));
    EXPECT_EQ(doc_.DspMode(), 0);
    EXPECT_EQ(doc_.BaudRate(), 9600);
    EXPECT_EQ(doc_.Parity(), 2);
    EXPECT_EQ(doc_.CharTime(), 1);
    EXPECT_EQ(platform::FormatDateTime(doc_.MonitorStart()), "2024/05/06 07:08:09");
    EXPECT_EQ(doc_.TrigLine(0), 1);
    EXPECT_EQ(doc_.SdChar(0), "41");
    EXPECT_EQ(doc_.SdCharAt(0), "00001");
    EXPECT_EQ(doc_.SdCount(0), 3);
    EXPECT_EQ(doc_.AfterLength(0), 100);
    EXPECT_EQ(doc_.SdChar(1), "414243");
    EXPECT_EQ(doc_.RdCount(1), 1);
    EXPECT_EQ(doc_.AfterLength(1), 5000);

    // Missing fields and lines read as empty text and change nothing;
    // monitoring stop may be empty and then is 0.
    ASSERT_TRUE(ReadBytes("*** KY-Nubera ***\r\n,\r\n2024/05/06 07:08:09\r\n2,4800\r\n\r\n\r\n\r\n" +
                          DataLine("2024/05/06 07:08:10", {0x80, 'A', 0})));
    EXPECT_EQ(doc_.MonitorStop(), 0.0);
    EXPECT_EQ(doc_.DspMode(), 2);
    EXPECT_EQ(doc_.BaudRate(), 4800);
    EXPECT_EQ(doc_.Parity(), 0);
}

TEST_F(Ky2ReaderTest, DataUnitsBecomeRecordsWithFlagsStampsAndRunningCounts) {
    const std::string bytes = Header() +
                              DataLine("2024/05/06 07:08:09", {0xC1, 0x31, 0x82, 0x32, 0x80, 0x33, 0x00, 0x01}) +
                              DataLine("2024/05/06 07:08:10", {}) +  // lead bytes only
                              "2024/05/06 07:08:11\r\n" +           // 19 bytes: new stamp only
                              DataLine("not a time stamp!!!", {0xFD, 0x34, 0x0D}) + "short\r\n";
    ASSERT_TRUE(ReadBytes(bytes));
    int32_t tr = 0, sd = 0, rd = 0;
    doc_.IsCounterInf(tr, sd, rd);
    EXPECT_EQ(tr, 4);
    EXPECT_EQ(sd, 3);
    EXPECT_EQ(rd, 1);

    const Flags first = At(0);
    EXPECT_EQ(first.data, 0x31);
    EXPECT_EQ(first.same, 1);
    EXPECT_EQ(first.flam, 1);
    EXPECT_EQ(first.ch, 0);
    const Flags second = At(1);
    EXPECT_EQ(second.ch, 1);
    EXPECT_EQ(second.same + second.jis7 + second.trig + second.parity + second.over + second.flam, 0);
    const Flags fourth = At(3);
    EXPECT_EQ(fourth.same + fourth.ch + fourth.jis7 + fourth.trig + fourth.parity + fourth.over + fourth.flam, 6);

    const int32_t expected[3][3] = {{1, 1, 0}, {2, 1, 1}, {3, 2, 1}};
    for (int i = 0; i < 3; ++i) {
        double when = 0;
        int32_t dual = 0;
        ASSERT_TRUE(doc_.GetDataOtherInf(i, when, dual, sd, rd));
        EXPECT_EQ(dual, expected[i][0]);
        EXPECT_EQ(sd, expected[i][1]);
        EXPECT_EQ(rd, expected[i][2]);
        EXPECT_EQ(platform::FormatDateTime(when), "2024/05/06 07:08:09");
    }
    double when = 1;
    int32_t dual = 0;
    ASSERT_TRUE(doc_.GetDataOtherInf(3, when, dual, sd, rd));
    EXPECT_EQ(when, 0.0) << "an invalid stamp is the date value 0";
    EXPECT_EQ(doc_.GetSdCharB(), "\x31\x33\x34");
    EXPECT_EQ(doc_.GetRdCharB(), "\x32");
}

TEST_F(Ky2ReaderTest, EveryLineStampReadsAsTheStampParsedOnItsOwn) {
    // Same day, next second, next day, a time or a day that is no time,
    // back to a good one, and days before day zero.
    const std::vector<std::string> stamps = {
        "2024/05/06 07:08:09", "2024/05/06 07:08:10", "2024/05/06 23:59:59", "2024/05/07 00:00:00",
        "2024/05/07 24:00:00", "2024/05/07 00:00:01", "2024/05/07 0a:00:01", "2024/05/07 00:60:01",
        "2024/05/07 00:00:60", "2024/05/07 12:34:56", "2024/02/30 12:34:56", "2024/02/30 12:34:57",
        "2024/02/29 12:34:57", "1899/12/30 00:00:01", "1899/12/30 00:00:02", "1899/12/29 23:59:58",
        "1899/12/29 23:59:59", "1800/01/01 06:00:00", "2024/05/07-12:34:56", "2024/05/07 12:34:57"};
    std::string bytes = Header();
    for (const std::string& stamp : stamps) bytes += DataLine(stamp, {0x80, 'A', 0});
    ASSERT_TRUE(ReadBytes(bytes));
    ASSERT_EQ(doc_.RecordCount(), static_cast<int32_t>(stamps.size()));
    for (size_t i = 0; i < stamps.size(); ++i) {
        double got = -1;
        int32_t dual = 0, sd = 0, rd = 0;
        ASSERT_TRUE(doc_.GetDataOtherInf(static_cast<int32_t>(i), got, dual, sd, rd));
        const double want = platform::ParseDateTime(stamps[i]).value_or(0.0);
        EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(want)) << stamps[i];
    }
}

TEST_F(Ky2ReaderTest, CharacterTimesBelongToTheLastUnitReadAcrossLines) {
    const std::string bytes = Header() +
                              DataLine("2024/05/06 07:08:09", {0x4C, 0x7F, 0x80, 'A', 0x58, 0x05, 0x80, 'B', 0}) +
                              DataLine("2024/05/06 07:08:09", {0x5C, 0x10, 0x80, 'C', 0x4C, 0x7F, 0x6C, 0x01, 0});
    ASSERT_TRUE(ReadBytes(bytes));
    EXPECT_EQ(Time(0), TimePair(5, 5)) << "the word before it is ignored";
    EXPECT_EQ(Time(1), TimePair(5, 16)) << "code 7 on the next line";
    EXPECT_EQ(Time(2), TimePair(3, 1)) << "a second word replaces the first";
}

TEST_F(Ky2ReaderTest, TheLastTriggerWinsAndNoDataMeansFailure) {
    EXPECT_FALSE(ReadBytes(Header()));
    EXPECT_FALSE(ReadBytes(Header() + DataLine("2024/05/06 07:08:09", {0x00})));

    ASSERT_TRUE(ReadBytes(Header() + DataLine("2024/05/06 07:08:09",
                                              {0x88, 'A', 0x80, 'B', 0x8A, 'C', 0x80, 'D', 0})));
    EXPECT_EQ(doc_.GetTrigPos(), 2);
}

TEST_F(Ky2ReaderTest, ALastLineCutShortKeepsEveryWholeUnitBeforeTheCut) {
    const std::string head = Header() + DataLine("2024/05/06 07:08:09", {0x80, 'A', 0});
    ASSERT_TRUE(ReadBytes(head + DataLine("2024/05/06 07:08:10", {0x80, 'B', 0x82, 'C', 0}, false)));
    EXPECT_EQ(doc_.GetSdCharB(), "AB");
    EXPECT_EQ(doc_.GetRdCharB(), "C");

    ASSERT_TRUE(ReadBytes(head + DataLine("2024/05/06 07:08:10", {0x80, 'B', 0x82}, false)));
    EXPECT_EQ(doc_.GetSdCharB(), "AB") << "the unit cut in half is dropped";
    EXPECT_EQ(doc_.GetRdCharB(), "");

    ASSERT_TRUE(ReadBytes(head + "2024/05/06 07:"));
    EXPECT_EQ(doc_.GetSdCharB(), "A");
}

TEST_F(Ky2ReaderTest, CancelStopsAfterTheCurrentLineAndStillReportsRecords) {
    std::string bytes = Header();
    for (int i = 0; i < 10; ++i) bytes += DataLine("2024/05/06 07:08:09", {0x80, 'x', 0});
    bar_.cancelAfter = 4;  // the header's position, then three lines
    ASSERT_TRUE(ReadBytes(bytes));
    EXPECT_TRUE(bar_.Cancel());
    int32_t tr = 0, sd = 0, rd = 0;
    doc_.IsCounterInf(tr, sd, rd);
    EXPECT_EQ(tr, 3);
    EXPECT_EQ(bar_.clears, 1);
    EXPECT_EQ(bar_.max, static_cast<int32_t>(bytes.size()));

    bar_.cancelAfter = -1;
    ASSERT_TRUE(ReadBytes(bytes));
    EXPECT_FALSE(bar_.Cancel());
    EXPECT_EQ(bar_.last, static_cast<int32_t>(bytes.size()) + 1) << "the next byte, counted from 1";
}

// Read line by line on this thread; a read in stretches moves the bar from
// the window thread while they run (Ky2StretchReadTest).
TEST_F(Ky2ReaderTest, TheBarMovesAFewHundredTimesWhateverTheFileLength) {
    const DataReadSplit lineByLine{std::numeric_limits<int64_t>::max(), 0};
    std::string bytes = Header();
    for (int i = 0; i < 50000; ++i) bytes += DataLine("2024/05/06 07:08:09", {0x80, 'x', 0x82, 'y', 0});
    ASSERT_TRUE(ReadBytes(bytes, lineByLine));
    EXPECT_LE(bar_.positions, 300) << "not once a line";
    EXPECT_GE(bar_.positions, 100) << "but often enough to be seen moving";
    EXPECT_EQ(bar_.last, static_cast<int32_t>(bytes.size()) + 1) << "and full at the end";
    EXPECT_GT(bar_.yields, 1000) << "the window system still gets its turns";
    EXPECT_EQ(doc_.RecordCount(), 100000);

    bar_.positions = 0;
    bar_.cancelAfter = 50;  // a cancel stops the read soon after it
    ASSERT_TRUE(ReadBytes(bytes, lineByLine));
    EXPECT_GT(doc_.RecordCount(), 0);
    EXPECT_LT(doc_.RecordCount(), 100000 / 4);
}

TEST_F(Ky2ReaderTest, TheChainIsResolvedAgainstExistingFiles) {
    TempFolder::WriteAll(dir_ / "Cap_01_b.ky2", "x");
    TempFolder::WriteAll(dir_ / "Cap_02_te.ky2", "x");
    const std::string header = Header();
    const std::string chain = " " + (dir_ / "Cap_01_b.ky2") + " ," + (dir_ / "Cap_02.ky2");
    const std::string bytes = header.substr(0, 19) + chain + header.substr(20) +
                              DataLine("2024/05/06 07:08:09", {0x80, 'A', 0});
    ASSERT_TRUE(ReadBytes(bytes));
    EXPECT_EQ(doc_.PrecedFile(), dir_ / "Cap_01_b.ky2");
    EXPECT_EQ(doc_.FollowFile(), dir_ / "Cap_02_te.ky2");
}

}  // namespace
}  // namespace store
