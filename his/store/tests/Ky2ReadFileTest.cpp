// What a history read reads of the disk and holds in memory: the file it
// opened and nothing else, each byte about once, a long line without
// keeping it whole, nothing of a file cut short meanwhile, not the rest of
// a line once cancelled, and no memory once the history is closed.
#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <thread>

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

// One data line of that many units with their character times, the units
// alternating SD and RD.
std::string LongLine(int units) {
    std::string line = "2024/05/06 08:00:00,\x44\x01";
    for (int u = 0; u < units; ++u) {
        line.push_back(static_cast<char>(u % 2 == 0 ? 0x80 : 0x82));
        line.push_back(static_cast<char>('0' + u % 10));
        line.push_back(static_cast<char>(0x44));
        line.push_back(static_cast<char>(u % 256));
    }
    return line + std::string("\x00\x01", 2) + "\r\n";
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

// A sink that does something to the file once, when the read reports
// having reached a byte position: at the end of the header, before any
// data line is read; at the file's length, once every byte was read.
class ActingProgress : public FakeProgress {
public:
    ActingProgress(int64_t at, std::function<void()> act) : at_(at), act_(std::move(act)) {}
    void PosValue(int32_t value) override {
        FakeProgress::PosValue(value);
        if (act_ && value >= at_ + 1) {
            act_();
            act_ = nullptr;
        }
    }

private:
    int64_t at_;
    std::function<void()> act_;
};

constexpr DataReadSplit kEverySplit[] = {kLineByLine, DataReadSplit{}, DataReadSplit{4096, 16},
                                         DataReadSplit{4096, 16, 8}};

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

TEST(Ky2ReadFile, AFileCutShortWhileItIsReadFailsOnEveryPath) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    const std::string bytes = Header() + Lines(40000, 'A');
    const auto size = static_cast<int64_t>(bytes.size());
    const auto dataStart = static_cast<int64_t>(Header().size());
    for (const DataReadSplit split : kEverySplit) {
        // Cut to half its length before the data lines are read, when the
        // bar is half way, and once every byte was read.
        for (const int64_t when : {dataStart, size / 2, size}) {
            SCOPED_TRACE(testing::Message() << "stretches of " << split.minBytes << ", look " << split.searchBytes
                                            << ", cut at " << when);
            test::WriteFile(path, bytes);
            ActingProgress bar(when, [&] { ASSERT_EQ(::truncate(path.c_str(), size / 2), 0); });
            clsCommon doc;
            EXPECT_FALSE(doc.Read(path, &bar, split));
            EXPECT_EQ(bar.clears, 1) << "the progress window closes";
        }
    }
}

TEST(Ky2ReadFile, LinesAppendedWhileItIsReadAreReadAsWholeRecords) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    const std::string original = Header() + Lines(40000, 'A');
    // A capture's append: whole lines, then a line cut inside a unit, as
    // its writer may leave it for a moment.
    const std::string appended = Lines(2000, 'a') + Lines(1, 'z').substr(0, 22 + 4 + 1);
    clsCommon before;
    test::WriteFile(path, original);
    ASSERT_TRUE(before.Read(path, nullptr, kLineByLine));
    for (const DataReadSplit split : kEverySplit) {
        for (const int64_t when : {static_cast<int64_t>(Header().size()), static_cast<int64_t>(original.size() / 2)}) {
            SCOPED_TRACE(testing::Message() << "stretches of " << split.minBytes << ", look " << split.searchBytes
                                            << ", appended at " << when);
            test::WriteFile(path, original);
            ActingProgress bar(when, [&] {
                std::FILE* f = std::fopen(path.c_str(), "ab");
                ASSERT_NE(f, nullptr);
                EXPECT_EQ(std::fwrite(appended.data(), 1, appended.size(), f), appended.size());
                EXPECT_EQ(std::fclose(f), 0);
            });
            clsCommon doc;
            ASSERT_TRUE(doc.Read(path, &bar, split));
            clsCommon after;
            ASSERT_TRUE(after.Read(path, nullptr, kLineByLine));
            // The file as opened or as grown: its records as they stand in
            // the grown file, none cut.
            EXPECT_GE(doc.RecordCount(), before.RecordCount());
            ASSERT_LE(doc.RecordCount(), after.RecordCount());
            for (int32_t i = 0; i < doc.RecordCount(); ++i) {
                const HistoryRecord x = *doc.RecordAt(i), y = *after.RecordAt(i);
                ASSERT_EQ(x.Attr, y.Attr) << i;
                ASSERT_EQ(x.Data, y.Data) << i;
                ASSERT_EQ(x.DateTime, y.DateTime) << i;
                ASSERT_EQ(x.TimValue, y.TimValue) << i;
            }
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

TEST(Ky2ReadFile, ALongLineIsReadOnceWhereverTheCutsFall) {
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
    // at once: read once, and the bar moves inside the line.
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
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Presses cancel once the process has read a share of the file. Line by
// line the read runs on this thread and the press comes with the first
// move of the bar past that share. In stretches the bar is moved by this
// thread while the workers read: from the bar's first move after the
// header on, it waits for the workers to get there, which they do in
// their first round (the share must lie in a line that starts in the
// first stretch).
class PressWhenRead : public FakeProgress {
public:
    PressWhenRead(long long bytes, bool waitForWorkers) : start_(BytesRead()), bytes_(bytes), wait_(waitForWorkers) {}
    void PosValue(int32_t value) override {
        FakeProgress::PosValue(value);
        if (cancel) return;
        if (wait_ && positions >= 2) {
            const auto limit = std::chrono::steady_clock::now() + std::chrono::minutes(2);
            while (BytesRead() - start_ < bytes_ && std::chrono::steady_clock::now() < limit) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        if (BytesRead() - start_ >= bytes_) {
            cancel = true;
            readAtPress = BytesRead() - start_;
        }
    }
    long long readAtPress = -1;

private:
    long long start_;
    long long bytes_;
    bool wait_;
};

TEST(Ky2ReadFile, ACancelStopsInsideALineWhoseUnitsRunOn) {
    TempFolder dir;
    const std::string path = dir / "h.ky2";
    // One line of 8,000,000 units that never ends: no end item, no CR LF.
    constexpr int kUnits = 8000000;
    std::string bytes = Header() + "2024/05/06 07:08:09,\x44\x01";
    for (int i = 0; i < kUnits; ++i) {
        bytes.push_back(static_cast<char>(i % 3 == 0 ? 0x82 : 0x80));
        bytes.push_back(static_cast<char>('a' + i % 26));
    }
    test::WriteFile(path, bytes);
    const auto size = static_cast<long long>(bytes.size());
    ::malloc_trim(0);
    const double residentBefore = ResidentMegabytes();
    for (const DataReadSplit split : {kLineByLine, DataReadSplit{}}) {
        const bool inStretches = split.minBytes != kLineByLine.minBytes;
        SCOPED_TRACE(inStretches ? "in stretches" : "line by line");
        const long long before = BytesRead();
        PressWhenRead bar(size / 8, inStretches);
        auto cancelled = std::make_unique<clsCommon>();
        EXPECT_TRUE(cancelled->Read(path, &bar, split)) << "records were read before the press";
        ASSERT_TRUE(bar.Cancel());
        ASSERT_GE(bar.readAtPress, size / 8);
        ASSERT_LT(bar.readAtPress, size / 2) << "pressed inside the line";
        EXPECT_LT(BytesRead() - before - bar.readAtPress, size / 4) << "the read stopped soon after the press";
        // What was kept is the line's first units, as they stand.
        ASSERT_GT(cancelled->RecordCount(), 0);
        ASSERT_LT(cancelled->RecordCount(), kUnits);
        for (int32_t i = 0; i < cancelled->RecordCount(); i += 997) {
            ASSERT_EQ(cancelled->RecordAt(i)->Data, 'a' + i % 26) << i;
            ASSERT_EQ(cancelled->RecordAt(i)->Attr & kAttrRd, i % 3 == 0 ? kAttrRd : 0) << i;
        }
        // Dropped, as the viewer drops it: nothing of it stays held.
        cancelled.reset();
        if (!kSanitized) EXPECT_LT(ResidentMegabytes() - residentBefore, 24.0);
    }
}

TEST(Ky2ReadFile, AClosedHistoryOfShortOrLongLinesLeavesNoMemoryHeld) {
    if (kSanitized) GTEST_SKIP() << "a sanitizer keeps freed memory back on purpose";
    TempFolder dir;
    const std::string shortLines = dir / "short.ky2";
    const std::string longLines = dir / "long.ky2";
    test::WriteFile(shortLines, Header() + Lines(400000, 'A'));  // 2,400,000 units
    // Lines of 1 MB, 4 MB and 16 MB between short ones: their records
    // outgrow any room taken for them from the lines before.
    test::WriteFile(longLines, Header() + Lines(2000, 'A') + LongLine(250000) + Lines(2000, 'a') + LongLine(1000000) +
                                   Lines(100, 'A') + LongLine(4000000) + Lines(1000, 'a'));
    const int32_t longUnits = (2000 + 2000 + 100 + 1000) * 6 + 250000 + 1000000 + 4000000;
    ::malloc_trim(0);
    const double before = ResidentMegabytes();
    // Blocks kept from reads before this test are resident already and
    // serve this read's first open.
    const double kept = static_cast<double>(Arena::BytesKept()) / (1024.0 * 1024.0);
    double held = 0;
    for (const std::string* path : {&shortLines, &longLines, &shortLines, &longLines}) {
        for (const DataReadSplit split : {DataReadSplit{}, kLineByLine}) {
            SCOPED_TRACE(testing::Message() << *path << (split.minBytes == kLineByLine.minBytes ? " line by line" : ""));
            {
                clsCommon doc;
                ASSERT_TRUE(doc.Read(*path, nullptr, split));
                ASSERT_EQ(doc.RecordCount(), path == &shortLines ? 2400000 : longUnits);
                held = std::max(held, ResidentMegabytes() - before);
            }
            // As the process holds it, freed memory not handed back first.
            EXPECT_LT(ResidentMegabytes() - before, 24.0) << "gone once closed";
        }
    }
    EXPECT_GT(held + kept, 20.0) << "the open history is resident";
}

}  // namespace
}  // namespace store
