// Frame files cut short at every byte and mutated at random: they read
// without a crash, keep what stands before the damage, and whatever reads
// writes back to a file that reads the same again.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>

#include "FrameComment.h"
#include "FrameTestFiles.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using test::Bytes;
using test::Record;

std::string Mutated(std::string bytes, std::mt19937& rng) {
    if (bytes.empty()) return bytes;
    const int changes = 1 + static_cast<int>(rng() % 8);
    for (int i = 0; i < changes; ++i) {
        const size_t at = rng() % bytes.size();
        switch (rng() % 4) {
            case 0: bytes[at] = static_cast<char>(rng()); break;
            case 1: bytes[at] = static_cast<char>(bytes[at] ^ (1 << (rng() % 8))); break;
            case 2: bytes.erase(at, 1 + rng() % 4); break;
            default: bytes.insert(at, 1, static_cast<char>(rng() % 2 ? 0xFF : 0x0D)); break;
        }
        if (bytes.empty()) break;
    }
    return bytes;
}

void ExpectSameFrames(const clsProtocol& a, const clsProtocol& b, int32_t count) {
    for (int32_t n = 0; n < count; ++n) {
        ASSERT_EQ(a.FrameBytes(n), b.FrameBytes(n)) << n;
        ASSERT_EQ(std::bit_cast<uint64_t>(a.FrameDate(n)), std::bit_cast<uint64_t>(b.FrameDate(n))) << n;
        ASSERT_EQ(a.FrameStatus(n), b.FrameStatus(n)) << n;
        ASSERT_EQ(a.FrameCutField(n), b.FrameCutField(n)) << n;
        ASSERT_EQ(a.FramePostit(0, n), b.FramePostit(0, n)) << n;
        ASSERT_EQ(a.FramePostit(1, n), b.FramePostit(1, n)) << n;
    }
}

class DamagedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        config_ = test::Config({{"a", kItemCode, 3}, {"len", kItemLength, 13}, {"v", kItemData, 0, 2},
                                {"crc", kItemData, 16, 2}, {"z", kItemCode, 8}});
        test::WriteConfig(kyf_, config_);
        clsFrameConfig().FramePPPWrite(ppp_);
    }

    TempFolder dir_;
    std::string kyf_ = dir_ / "c.kyf";
    std::string ppp_ = dir_ / "ppp.kyf";
    clsFrameConfig config_;
};

TEST_F(DamagedFiles, FrameFileCutAtEveryByte) {
    std::vector<FrameRecord> frames = {Record(Bytes({0x20, 0x03, 0x0A, 0x10, 0x0D, 0x44, 0x55})),
                                       Record(""), Record(Bytes({0x7E, 0x0D, 0x0A}), 45001, 0x82, 0x2001),
                                       Record("plain text", 1e-300, 0xFF, -1)};
    frames[0].comment[0] = CommentStore("注釈");
    frames[2].comment[1] = CommentStore("\r");
    const FrameFileHeader header = test::SampleHeader(kyf_);
    const std::string whole = test::KypBytes(header, frames);
    // Where each record ends in the file.
    std::vector<size_t> ends;
    size_t at = test::KypBytes(header, {}).size();
    const size_t headerSize = at;
    for (const FrameRecord& r : frames) {
        std::string one;
        FrameRecordAppend(one, r);
        ends.push_back(at += one.size());
    }
    clsProtocol full;
    ASSERT_EQ(full.FileRead([&] {
        test::WriteFile(dir_ / "whole.kyp", whole);
        return dir_ / "whole.kyp";
    }()), 0);
    ASSERT_EQ(full.FrameMax(), 4);

    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        test::WriteFile(dir_ / "cut.kyp", whole.substr(0, cut));
        clsProtocol doc;
        const int16_t result = doc.FileRead(dir_ / "cut.kyp");
        ASSERT_EQ(result, cut < headerSize ? 1 : 0) << cut;
        const auto wholeFrames = static_cast<int32_t>(std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin());
        ASSERT_GE(doc.FrameMax(), wholeFrames) << cut;
        ASSERT_LE(doc.FrameMax(), wholeFrames + 1) << cut;
        ExpectSameFrames(doc, full, wholeFrames);
        for (int32_t n = 0; n < doc.FrameMax(); ++n) {
            for (int k = 0; k < 6; ++k) doc.FrameDataValue(n, k);
        }
    }
}

TEST_F(DamagedFiles, FrameFileMutatedAtRandom) {
    std::vector<FrameRecord> frames;
    for (int i = 0; i < 12; ++i) {
        frames.push_back(Record(std::string(static_cast<size_t>(i * 3), static_cast<char>(0x08 + i)), 45000 + i,
                                static_cast<uint8_t>(0x80 + i), static_cast<int16_t>(i * 1000)));
        if (i % 3 == 0) frames.back().comment[i % 2] = CommentStore("c" + std::to_string(i));
    }
    const std::string whole = test::KypBytes(test::SampleHeader(kyf_), frames);
    std::mt19937 rng(15);
    for (int round = 0; round < 400; ++round) {
        test::WriteFile(dir_ / "m.kyp", Mutated(whole, rng));
        clsProtocol doc;
        // Half the rounds through the configuration the header names, half
        // as PPP.
        const std::string kyf = round % 2 ? std::string() : ppp_;
        if (doc.FileRead(dir_ / "m.kyp", kyf) != 0) continue;
        for (int32_t n = 0; n < doc.FrameMax(); ++n) doc.FrameDataOrg(n), doc.FrameItems(n);
        int32_t end = 0;
        if (doc.FrameMax() == 0) continue;
        ASSERT_TRUE(doc.FileWrite(dir_ / "again.kyp", nullptr, 0, end));
        clsProtocol again;
        ASSERT_EQ(again.FileRead(dir_ / "again.kyp", kyf), 0);
        ASSERT_EQ(again.FrameMax(), doc.FrameMax()) << round;
        ExpectSameFrames(again, doc, doc.FrameMax());
    }
}

TEST_F(DamagedFiles, ConfigurationCutAtEveryByte) {
    std::string whole;
    ASSERT_TRUE(FrameConfigBytes(config_, whole));
    size_t headerSize = 4 + 2 + config_.FrameNameText().Stored().size() + 4;
    std::vector<size_t> ends;
    size_t at = headerSize;
    for (int i = 0; i < config_.ItemMax(); ++i) ends.push_back(at += 2 + config_.Item(i).name.Stored().size() + 8);
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        test::WriteFile(dir_ / "cut.kyf", whole.substr(0, cut));
        clsFrameConfig c;
        const bool read = c.FrameRead(dir_ / "cut.kyf");
        ASSERT_EQ(read, cut >= headerSize) << cut;
        if (!read) continue;
        ASSERT_EQ(c.ItemMax(), config_.ItemMax());
        const auto whole_items = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
        for (int i = 0; i < c.ItemMax(); ++i) {
            if (i < whole_items) {
                ASSERT_EQ(c.Item(i), config_.Item(i)) << cut;
            } else {
                ASSERT_EQ(c.ItemUnit(i), 0) << cut;
                ASSERT_EQ(c.ItemName(i), "") << cut;
            }
        }
    }
}

TEST_F(DamagedFiles, ConfigurationMutatedAtRandom) {
    std::string whole;
    ASSERT_TRUE(FrameConfigBytes(config_, whole));
    std::mt19937 rng(110);
    for (int round = 0; round < 400; ++round) {
        test::WriteFile(dir_ / "m.kyf", Mutated(whole, rng));
        clsFrameConfig c;
        if (!c.FrameRead(dir_ / "m.kyf")) continue;
        std::vector<DecodedItem> items;
        ItemFieldsDecode(Bytes({0xFF, 0x01, 0x10, 0x00, 0x7E}), c, items);
        ASSERT_EQ(items.size(), static_cast<size_t>(c.ItemMax()));
        if (!c.FrameWrite(dir_ / "again.kyf")) continue;  // a mode beyond 16 bits cannot be
        clsFrameConfig again;
        ASSERT_TRUE(again.FrameRead(dir_ / "again.kyf"));
        ASSERT_EQ(again, c) << round;
    }
}

TEST_F(DamagedFiles, LinkTableCutAtEveryByteAndMutated) {
    clsLink link;
    link.LinkMax(3);
    link.ItemMax(2);
    link.Position(0, 1);
    link.Position(1, 4);
    for (int r = 0; r < 3; ++r) {
        link.ListIndex(r);
        link.ObjectCode(0, r * 16.5);
        link.ObjectCode(1, r == 1 ? -1 : 1e17);
        link.ItemName("名前" + std::to_string(r));
        link.Direction(r);
        link.BackColor(-r * 1000);
    }
    link.LinkName("テーブル");
    ASSERT_TRUE(link.LinkWritre(dir_ / "t.kyl"));
    const std::string whole = test::ReadFile(dir_ / "t.kyl");

    // A cut inside the last line's colour still leaves a number there.
    const size_t lastLine = whole.rfind("\r\n", whole.size() - 3) + 2;
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        test::WriteFile(dir_ / "cut.kyl", whole.substr(0, cut));
        clsLink read;
        const bool ok = read.LinkRead(dir_ / "cut.kyl");
        if (cut <= lastLine) {
            ASSERT_FALSE(ok) << cut;
            ASSERT_EQ(read.Table(), LinkTable{}) << cut;
        } else if (ok) {
            LinkTable got = read.Table();
            ASSERT_EQ(got.rows.size(), 3u);
            ASSERT_EQ(got.rows[2].name, link.Table().rows[2].name) << cut;
            got.rows[2].color = link.Table().rows[2].color;
            ASSERT_EQ(got, link.Table()) << cut;
        }
    }

    std::mt19937 rng(120);
    for (int round = 0; round < 400; ++round) {
        test::WriteFile(dir_ / "m.kyl", Mutated(whole, rng));
        clsLink read;
        if (!read.LinkRead(dir_ / "m.kyl")) continue;
        read.SelFind("0,1");
        if (!read.LinkWritre(dir_ / "again.kyl")) continue;
        clsLink again;
        ASSERT_TRUE(again.LinkRead(dir_ / "again.kyl")) << round;
        ASSERT_EQ(again.Table().rows.size(), read.Table().rows.size()) << round;
        for (size_t r = 0; r < read.Table().rows.size(); ++r) {
            ASSERT_EQ(again.Table().rows[r].name, read.Table().rows[r].name);
        }
    }
}

}  // namespace
}  // namespace frames
