// A history read in stretches side by side against the same file read line
// by line on one thread: whatever the cuts, the records must be the same.
#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "Ky2TestFiles.h"
#include "clsCommon.h"
#include "platform/file/tests/TempFolder.h"

namespace store {
namespace {

using test::FakeProgress;
using test::Header;

constexpr DataReadSplit kLineByLine{std::numeric_limits<int64_t>::max(), 0};

// Data lines of every kind the reader meets: stamps that repeat from line
// to line (also across any cut), bad stamps, character times before the
// first unit of a line, CR and LF as data bytes, end items with bytes after
// them, short lines, an odd byte at the end, and a last line cut short.
std::string RandomHistory(std::mt19937& rng, int lines) {
    static const std::vector<std::string> kStamps = {
        "2024/05/06 07:08:09", "2024/05/06 07:08:10", "2024/05/07 23:59:59",
        "2024/13/06 07:08:09", "1899/12/29 12:00:00", "garbage-garbage-gar"};
    std::string out = Header();
    std::string stamp = kStamps[0];
    for (int n = 0; n < lines; ++n) {
        if (rng() % 3 == 0) stamp = kStamps[rng() % kStamps.size()];
        const auto kind = static_cast<unsigned>(rng() % 20);
        if (kind == 0) {
            out += stamp.substr(0, rng() % 19) + "\r\n";  // too short for a stamp
            continue;
        }
        std::string line = stamp + ",\x44\x01";
        const int items = static_cast<int>(rng() % 12);
        for (int i = 0; i < items; ++i) {
            const auto what = static_cast<unsigned>(rng() % 10);
            uint8_t first;
            if (what < 6) {
                first = static_cast<uint8_t>(0x80 | (rng() & 0x7F));  // a unit, any flags
            } else if (what < 9) {
                first = static_cast<uint8_t>(0x40 | (rng() & 0x3F));  // a character time
            } else {
                first = static_cast<uint8_t>(rng() & 0x3F);  // an end
            }
            const uint8_t second = rng() % 4 == 0 ? (rng() % 2 ? '\r' : '\n') : static_cast<uint8_t>(rng());
            line.push_back(static_cast<char>(first));
            line.push_back(static_cast<char>(second));
        }
        if (kind == 1) line.push_back(static_cast<char>(0x80));  // an odd byte
        line += "\x00\x01";
        out += line + "\r\n";
    }
    // A last line cut short in the middle of a unit.
    out += stamp + ",\x44\x01\x80" "A\x82";
    return out;
}

void ExpectSameRecords(const clsCommon& a, const clsCommon& b) {
    ASSERT_EQ(a.RecordCount(), b.RecordCount());
    EXPECT_EQ(a.GetSdCharB(), b.GetSdCharB());
    EXPECT_EQ(a.GetRdCharB(), b.GetRdCharB());
    EXPECT_EQ(a.GetTrigPos(), b.GetTrigPos());
    for (int32_t i = 0; i < a.RecordCount(); ++i) {
        const HistoryRecord x = *a.RecordAt(i), y = *b.RecordAt(i);
        ASSERT_EQ(x.Attr, y.Attr) << i;
        ASSERT_EQ(x.Data, y.Data) << i;
        ASSERT_EQ(x.SdCount, y.SdCount) << i;
        ASSERT_EQ(x.RdCount, y.RdCount) << i;
        ASSERT_EQ(std::bit_cast<uint64_t>(x.DateTime), std::bit_cast<uint64_t>(y.DateTime)) << i;
        ASSERT_EQ(x.TimIndex, y.TimIndex) << i;
        ASSERT_EQ(x.TimValue, y.TimValue) << i;
    }
    // Runs of equal stamps are the same runs, not only the same values.
    RecordStore::Cursor ca(a.Records(), 0), cb(b.Records(), 0);
    for (; !ca.AtEnd(); ca.Next(), cb.Next()) ASSERT_EQ(ca.StampRun(), cb.StampRun()) << ca.Index();
}

TEST(Ky2StretchRead, GivesWhatALineByLineReadGivesWhereverTheCutsFall) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        test::WriteFile(path, RandomHistory(rng, 400));
        clsCommon whole;
        ASSERT_TRUE(whole.Read(path, nullptr, kLineByLine));
        ASSERT_GT(whole.RecordCount(), 100);
        // A short look for the first line start leaves many stretches to the
        // second round, read from where the line before them ends.
        for (const DataReadSplit split : {DataReadSplit{1, 2}, DataReadSplit{7, 64}, DataReadSplit{64, 5},
                                          DataReadSplit{1, 4000}, DataReadSplit{7, 64, 1},
                                          DataReadSplit{64, 5, 3}, DataReadSplit{1, 4000, 2}}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", stretches of " << split.minBytes << ", look "
                                            << split.searchBytes);
            clsCommon cut;
            ASSERT_TRUE(cut.Read(path, nullptr, split));
            ExpectSameRecords(whole, cut);
        }
    }
}

TEST(Ky2StretchRead, ACharacterTimeOpeningAStretchBelongsToTheUnitBeforeIt) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    // Every line opens with the time of the last unit of the line before;
    // with a stretch per line each time crosses a cut, and so does every
    // stamp run, since the stamp never changes.
    std::string bytes = Header();
    for (int i = 0; i < 40; ++i) {
        bytes += test::DataLine("2024/05/06 07:08:09",
                                {static_cast<uint8_t>(0x44 + i % 4), static_cast<uint8_t>(i), 0x80,
                                 static_cast<uint8_t>('a' + i % 26), 0x8A, 'x', 0});
    }
    bytes += test::DataLine("2024/05/06 07:08:09", {0x50, 0x07, 0x4C, 0x01, 0});  // replaced, then kept
    test::WriteFile(path, bytes);
    clsCommon whole, cut;
    ASSERT_TRUE(whole.Read(path, nullptr, kLineByLine));
    ASSERT_TRUE(cut.Read(path, nullptr, DataReadSplit{1, 1000}));
    ExpectSameRecords(whole, cut);
    EXPECT_EQ(cut.RecordAt(1)->TimIndex, 1) << "the time opening line 2";
    EXPECT_EQ(cut.RecordAt(1)->TimValue, 0x101);
    EXPECT_EQ(cut.RecordAt(79)->TimIndex, 3) << "the last of two words on the last line";
    EXPECT_EQ(cut.GetTrigPos(), 79);
    RecordStore::Cursor last(cut.Records(), 79);
    EXPECT_EQ(last.StampRun(), 0U) << "one run over every cut";
}

TEST(Ky2StretchRead, TheBarEndsFullAndACancelKeepsTheLinesBeforeIt) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    std::mt19937 rng(5);
    const std::string bytes = RandomHistory(rng, 60000);
    test::WriteFile(path, bytes);
    clsCommon whole;
    ASSERT_TRUE(whole.Read(path, nullptr, kLineByLine));

    FakeProgress bar;
    clsCommon cut;
    ASSERT_TRUE(cut.Read(path, &bar, DataReadSplit{4096, 16}));
    ExpectSameRecords(whole, cut);
    EXPECT_EQ(bar.last, static_cast<int32_t>(bytes.size()) + 1) << "full at the end";
    EXPECT_GE(bar.yields, 2) << "the window system gets its turn after the header's";
    EXPECT_EQ(bar.clears, 1);

    // Cancelled as soon as the data lines start: what is kept is the
    // history up to some line, never records from further on.
    FakeProgress cancelling;
    cancelling.cancelAfter = 1;
    clsCommon cancelled;
    const bool read = cancelled.Read(path, &cancelling, DataReadSplit{4096, 16});
    EXPECT_TRUE(cancelling.Cancel());
    EXPECT_EQ(read, cancelled.RecordCount() > 0);
    ASSERT_LT(cancelled.RecordCount(), whole.RecordCount());
    for (int32_t i = 0; i < cancelled.RecordCount(); ++i) {
        ASSERT_EQ(cancelled.RecordAt(i)->Data, whole.RecordAt(i)->Data) << i;
        ASSERT_EQ(cancelled.RecordAt(i)->Attr, whole.RecordAt(i)->Attr) << i;
    }
}

}  // namespace
}  // namespace store
