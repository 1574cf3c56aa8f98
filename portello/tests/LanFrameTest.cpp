// The LAN packet codec and the stream parser, without a socket.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "LanFrame.h"

namespace portello {
namespace {

using lan::Bytes;

struct Taken {
    uint16_t command;
    Bytes payload;
    bool operator==(const Taken&) const = default;
};

std::vector<Taken> FeedAll(LanFrameParser& parser, const Bytes& bytes, size_t piece) {
    std::vector<Taken> taken;
    const auto sink = [&](uint16_t command, const uint8_t* payload, size_t length) {
        taken.push_back({command, Bytes(payload, payload + length)});
    };
    for (size_t at = 0; at < bytes.size(); at += piece) {
        parser.Feed(bytes.data() + at, std::min(piece, bytes.size() - at), sink);
    }
    return taken;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Data(const std::string& text) {
    return lan::Frame(lan::kDataIn, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(LanFrame, PacketsToTheUnitHaveTheirExactBytes) {
    EXPECT_EQ(lan::LineSetupFrame(115200),
              (Bytes{0, 0, 1, 0, 3, 0, 8, 0, 0x00, 0xC2, 0x01, 0x00, 8, 'N', 1, 1}));
    EXPECT_EQ(lan::LineSetupFrame(614400),
              (Bytes{0, 0, 1, 0, 3, 0, 8, 0, 0x00, 0x60, 0x09, 0x00, 8, 'N', 1, 1}));
    EXPECT_EQ(lan::ModemControlFrame(0), (Bytes{0, 0, 1, 0, 4, 0, 6, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(lan::ModemControlFrame(2)[9], 1);
    const uint8_t none = 0;
    EXPECT_EQ(lan::Frame(lan::kDataOut, &none, 0), (Bytes{0, 0, 1, 0, 5, 0, 0, 0}));
}

// Whole, a byte at a time, or cut at any point inside a marker or a
// header: the same packets come out.
TEST(LanFrame, ASplitAnywhereYieldsTheSamePackets) {
    const uint8_t status[6] = {0, 0, 1, 0, 0, 0};
    const Bytes stream = Cat({Data("first"), lan::Frame(lan::kLineStatus, status, 6), Data(""),
                              Data(std::string(1024, 'x'))});
    LanFrameParser whole;
    const auto expected = FeedAll(whole, stream, stream.size());
    ASSERT_EQ(expected.size(), 4u);
    EXPECT_EQ(expected[0], (Taken{lan::kDataIn, Bytes{'f', 'i', 'r', 's', 't'}}));
    EXPECT_EQ(expected[1].command, lan::kLineStatus);
    EXPECT_TRUE(expected[2].payload.empty());
    EXPECT_EQ(expected[3].payload.size(), 1024u);

    for (size_t cut = 1; cut < stream.size(); ++cut) {
        LanFrameParser parser;
        std::vector<Taken> taken;
        const auto sink = [&](uint16_t c, const uint8_t* p, size_t n) { taken.push_back({c, Bytes(p, p + n)}); };
        parser.Feed(stream.data(), cut, sink);
        parser.Feed(stream.data() + cut, stream.size() - cut, sink);
        ASSERT_EQ(taken, expected) << "cut at " << cut;
    }
    LanFrameParser bytewise;
    EXPECT_EQ(FeedAll(bytewise, stream, 1), expected);
    EXPECT_EQ(bytewise.Held(), 0u);
}

TEST(LanFrame, BytesBeforeAMarkerAreSkippedAndWithoutOneOnlySevenStay) {
    const Bytes noise = {0x11, 0x22, 0x00, 0x01, 0x00, 0x33, 0x44, 0x55, 0x66};
    const Bytes stream = Cat({noise, Data("ok")});
    // The first receive ends inside the marker: 00 00 01 is among the seven
    // bytes kept, and the next receive completes the packet.
    LanFrameParser parser;
    EXPECT_TRUE(FeedAll(parser, Bytes(stream.begin(), stream.begin() + 12), 12).empty());
    EXPECT_EQ(parser.Held(), 7u);
    const auto taken = FeedAll(parser, Bytes(stream.begin() + 12, stream.end()), 100);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].payload, (Bytes{'o', 'k'}));
    EXPECT_EQ(parser.Held(), 0u);
}

// A header no packet can have is noise; the parser must neither wait for
// its 65,535 bytes nor skip the real packet that starts inside it.
TEST(LanFrame, AnOversizedHeaderIsDroppedAndTheNextMarkerFound) {
    const Bytes falseHeader = {0, 0, 1, 0, 0xFF, 0, 0xFF, 0x7F};
    const Bytes overlapping = {0, 0, 1};  // with the real marker's first byte: 00 00 01 00 00 01 00 05
    const Bytes stream = Cat({falseHeader, overlapping, Data("after"), {0xEE}, falseHeader, Data("again")});
    for (const size_t piece : {stream.size(), size_t{1}, size_t{5}}) {
        LanFrameParser parser;
        const auto taken = FeedAll(parser, stream, piece);
        ASSERT_EQ(taken.size(), 2u) << piece;
        EXPECT_EQ(taken[0].payload, (Bytes{'a', 'f', 't', 'e', 'r'}));
        EXPECT_EQ(taken[1].payload, (Bytes{'a', 'g', 'a', 'i', 'n'}));
        EXPECT_EQ(parser.OversizedHeaders(), 3u) << piece;
    }
}

TEST(LanFrame, OneFeedLongerThanAReceiveTakesEveryPacket) {
    Bytes stream;
    for (int i = 0; i < 40; ++i) stream = Cat({stream, Data(std::string(1000, static_cast<char>('a' + i % 26)))});
    LanFrameParser parser;
    const auto taken = FeedAll(parser, stream, stream.size());
    ASSERT_EQ(taken.size(), 40u);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(taken[i].payload, Bytes(1000, static_cast<uint8_t>('a' + i % 26)));
}

}  // namespace
}  // namespace portello
