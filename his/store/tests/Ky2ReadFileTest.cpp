// What a history read reads of the disk and holds in memory: the file it
// opened and nothing else, each byte about once, a long line without
// keeping it whole, and no memory once the history is closed.
#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>

#include "Arena.h"
#include "Ky2TestFiles.h"
#include "bench/PeakMeter.h"
#include "clsCommon.h"
#include "platform/file/tests/TempFolder.h"

namespace store {
namespace {

using test::FakeProgress;
using test::Header;

constexpr DataReadSplit kLineByLine{std::numeric_limits<int64_t>::max(), 0};

double ResidentMegabytes() { return ResidentBytes() / (1024.0 * 1024.0); }

// Data lines of six units with their character times under one stamp,
// the stamp moving on a second every line; unit bytes start at first.
std::string Lines(int lines, uint8_t first) {
    std::string out;
    for (int n = 0; n < lines; ++n) {
        char stamp[24];
        std::snprintf(stamp, sizeof stamp, "2024/05/06 %02d:%02d:%02d", n / 3600 % 24, n / 60 % 60, n % 60);
        out += stamp;
        out += ",\x44\x01";
        for (int u = 0; u < 6; ++u) {
            out.push_back(static_cast<char>(u % 3 == 0 ? 0x82 : 0x80));
            out.push_back(static_cast<char>(first + (n + u) % 90));
            out.push_back(static_cast<char>(0x44));
            out.push_back(static_cast<char>(u));
        }
        out += std::string("\x00\x01", 2) + "\r\n";
    }
    return out;
}

void ExpectSame(const clsCommon& a, const clsCommon& b) {
    ASSERT_EQ(a.RecordCount(), b.RecordCount());
    EXPECT_EQ(a.GetSdCharB(), b.GetSdCharB());
    EXPECT_EQ(a.GetRdCharB(), b.GetRdCharB());
    EXPECT_EQ(a.GetTrigPos(), b.GetTrigPos());
    for (int32_t i = 0; i < a.RecordCount(); i += 97) {
        ASSERT_EQ(a.RecordAt(i)->DateTime, b.RecordAt(i)->DateTime) << i;
        ASSERT_EQ(a.RecordAt(i)->TimValue, b.RecordAt(i)->TimValue) << i;
    }
}

// A sink that does something to the file once, when the read reports the
// end of the header: before any data line is read.
class ActingProgress : public FakeProgress {
public:
    ActingProgress(int64_t dataStart, std::function<void()> act) : dataStart_(dataStart), act_(std::move(act)) {}
    void PosValue(int32_t value) override {
        FakeProgress::PosValue(value);
        if (act_ && value >= dataStart_ + 1) {
            act_();
            act_ = nullptr;
        }
    }

private:
    int64_t dataStart_;
    std::function<void()> act_;
};

TEST(Ky2ReadFile, AHistoryRenamedOverOrUnlinkedWhileItIsReadGivesTheFileThatWasOpened) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    const std::string original = Header() + Lines(40000, 'A');
    const std::string other = Header() + Lines(45000, 'a');
    test::WriteFile(dir / "original.ky2", original);
    clsCommon expected;
    ASSERT_TRUE(expected.Read(dir / "original.ky2", nullptr, kLineByLine));
    const int64_t dataStart = static_cast<int64_t>(Header().size());

    for (const DataReadSplit split : {kLineByLine, DataReadSplit{4096, 16}, DataReadSplit{4096, 16, 8}}) {
        for (const bool unlink : {false, true}) {
            SCOPED_TRACE(testing::Message() << "stretches of " << split.minBytes << (unlink ? ", unlinked" : ", renamed over"));
            test::WriteFile(path, original);
            test::WriteFile(dir / "other.ky2", other);
            ActingProgress bar(dataStart, [&] {
                if (unlink) {
                    ASSERT_EQ(std::remove(path.c_str()), 0);
                } else {
                    ASSERT_EQ(std::rename((dir / "other.ky2").c_str(), path.c_str()), 0);
                }
            });
            clsCommon doc;
            ASSERT_TRUE(doc.Read(path, &bar, split));
            ExpectSame(expected, doc);
        }
    }
}

TEST(Ky2ReadFile, APipeUnderTheNameIsRefusedWithoutWaiting) {
    TempFolder dir;
    const std::string path = dir / "pipe.ky2";
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    clsCommon doc;
    EXPECT_FALSE(doc.Read(path)) << "no writer ever comes";
}

TEST(Ky2ReadFile, ALongLineIsReadOnceWhereverTheCutsFallAndACancelStopsInsideIt) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    // A line of 3 MB of units and character times between short lines: the
    // cuts of a read in stretches fall inside it.
    std::string longLine = "2024/05/06 07:08:09,\x44\x01";
    for (int i = 0; i < 750000; ++i) {
        longLine.push_back(static_cast<char>(0x80 | (i % 5 == 0 ? 0x0A : 0)));
        longLine.push_back(static_cast<char>(i % 7 == 0 ? '\r' : i % 11 == 0 ? '\n' : 'a' + i % 26));
        longLine += "\x48\x07";
    }
    longLine += std::string("\x00\x01", 2) + "\r\n";
    const std::string bytes = Header() + Lines(3000, 'A') + longLine + Lines(3000, 'a');
    test::WriteFile(path, bytes);
    clsCommon whole;
    ASSERT_TRUE(whole.Read(path, nullptr, kLineByLine));
    ASSERT_EQ(whole.RecordCount(), 3000 * 6 * 2 + 750000);
    for (const DataReadSplit split : {DataReadSplit{64 << 10, 64}, DataReadSplit{4096, 64, 16}, DataReadSplit{}}) {
        SCOPED_TRACE(testing::Message() << "stretches of " << split.minBytes << ", look " << split.searchBytes);
        const long long before = BytesRead();
        clsCommon cut;
        ASSERT_TRUE(cut.Read(path, nullptr, split));
        const long long read = BytesRead() - before;
        ExpectSame(whole, cut);
        EXPECT_LE(static_cast<double>(read), 1.2 * static_cast<double>(bytes.size()));
        EXPECT_GE(static_cast<double>(read), static_cast<double>(bytes.size()));
    }

    // A file that is one line of 8 MB without a line end, its items ended
    // at once: read once, the bar moves inside the line, and a cancel there
    // stops the read.
    std::string endless = Header() + "2024/05/06 07:08:09,\x44\x01\x80Z";
    endless += std::string(8 << 20, '\x01');
    test::WriteFile(path, endless);
    for (const DataReadSplit split : {kLineByLine, DataReadSplit{}}) {
        const long long before = BytesRead();
        FakeProgress bar;
        clsCommon doc;
        ASSERT_TRUE(doc.Read(path, &bar, split));
        EXPECT_EQ(doc.GetSdCharB(), "Z");
        EXPECT_LE(static_cast<double>(BytesRead() - before), 1.2 * static_cast<double>(endless.size()));
        EXPECT_EQ(bar.last, static_cast<int32_t>(endless.size()) + 1);
    }
    for (const DataReadSplit split : {kLineByLine, DataReadSplit{}}) {
        FakeProgress bar;
        // Line by line, cancelled after a few moves of the bar; in
        // stretches, cancelled as soon as the header is read, since how far
        // the stretches get meanwhile depends on the machine.
        bar.cancelAfter = split.minBytes == kLineByLine.minBytes ? 3 : 1;
        const long long before = BytesRead();
        clsCommon cancelled;
        EXPECT_TRUE(cancelled.Read(path, &bar, split));
        EXPECT_TRUE(bar.Cancel());
        EXPECT_EQ(cancelled.GetSdCharB(), "Z") << "the line's records were all in";
        EXPECT_LT(BytesRead() - before, static_cast<long long>(endless.size() / 2)) << "stopped inside the line";
    }
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

TEST(Ky2ReadFile, AClosedHistoryLeavesNoMemoryHeld) {
    if (kSanitized) GTEST_SKIP() << "a sanitizer keeps freed memory back on purpose";
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    test::WriteFile(path, Header() + Lines(400000, 'A'));  // 2,400,000 units
    ::malloc_trim(0);
    const double before = ResidentMegabytes();
    // Blocks kept from reads before this test are resident already and
    // serve this read's first open.
    const double kept = static_cast<double>(Arena::BytesKept()) / (1024.0 * 1024.0);
    double held = 0;
    for (int n = 0; n < 6; ++n) {
        clsCommon doc;
        ASSERT_TRUE(doc.Read(path, nullptr, n % 2 == 0 ? DataReadSplit{} : kLineByLine));
        ASSERT_EQ(doc.RecordCount(), 2400000);
        held = std::max(held, ResidentMegabytes() - before);
    }
    EXPECT_GT(held + kept, 8.0) << "the open history is resident";
    ::malloc_trim(0);
    EXPECT_LT(ResidentMegabytes() - before, 24.0) << "and gone once closed";
}

}  // namespace
}  // namespace store
