#include "clsAnalysis.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FrameTestFiles.h"
#include "Ky2History.h"
#include "clsProtocol.h"
#include "platform/file/tests/TempFolder.h"
#include "his/store/Ky2Format.h"
#include "platform/time/VbDate.h"

namespace frames {
namespace {

using test::Bytes;
using test::Config;
using test::Ky2History;
using test::kRd;
using test::kSd;

// A frame as read back from the converted file.
struct Got {
    std::string data;
    uint16_t cut;
    uint8_t status;

    friend bool operator==(const Got&, const Got&) = default;
};

std::ostream& operator<<(std::ostream& os, const Got& g) {
    os << "{";
    for (const char c : g.data) os << std::hex << (static_cast<int>(c) & 0xFF) << " ";
    return os << "cut " << std::hex << g.cut << " status " << static_cast<int>(g.status) << std::dec << "}";
}

class clsAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One open item: a frame ends only by a cut condition.
        test::WriteConfig(open_, Config({{"データ", kItemData, 0}}));
        clsFrameConfig ppp;
        ASSERT_TRUE(ppp.FramePPPWrite(ppp_));
    }

    // Converts the history and reads the result back.
    std::vector<Got> Convert(const Ky2History& h, const std::string& config) {
        const std::string ky2 = h.Save(dir_ / "src.ky2");
        EXPECT_TRUE(conv_.ProtocolConv(ky2, kyp_, config, "")) << "converted";
        return ReadBack(config);
    }
    std::vector<Got> ReadBack(const std::string& config) {
        doc_ = clsProtocol();
        EXPECT_EQ(doc_.FileRead(kyp_, config), 0);
        std::vector<Got> frames;
        for (int32_t n = 0; n < doc_.FrameMax(); ++n) {
            frames.push_back({std::string(doc_.FrameBytes(n)), static_cast<uint16_t>(doc_.FrameCutField(n)),
                              doc_.FrameStatus(n)});
        }
        return frames;
    }

    TempFolder dir_;
    std::string open_ = dir_ / "open.kyf";
    std::string ppp_ = dir_ / "ppp.kyf";
    std::string kyp_ = dir_ / "out.kyp";
    clsAnalysis conv_;
    clsProtocol doc_;
};

TEST_F(clsAnalysisTest, SettingsOfANewEngineAndTheirChecks) {
    EXPECT_EQ(conv_.FrameMax(), 60000);
    EXPECT_EQ(conv_.Deadhead(), 0);
    EXPECT_EQ(conv_.UserChar(), "");
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(conv_.CutMode(i), 0);
    EXPECT_EQ(conv_.CutMode(4), 2);
    EXPECT_EQ(conv_.CutMode(-1), 0);
    conv_.CutMode(3, 1);
    conv_.CutMode(4, 1);
    conv_.CutMode(-1, 1);
    EXPECT_EQ(conv_.Cut().CutMode, (std::array<uint8_t, 5>{0, 0, 0, 1, 0}));
    conv_.UserChar(std::string(10, 'x'));
    conv_.UserChar(std::string(11, 'y'));
    EXPECT_EQ(conv_.UserChar(), std::string(10, 'x')) << "at most 10 bytes";
    conv_.FrameMax(-5);
    EXPECT_EQ(conv_.FrameMax(), 60000);
}

TEST_F(clsAnalysisTest, TheHeaderCarriesTheHistorysSettingsAndTheCutSettings) {
    Ky2History h;
    h.Units(kSd, {0x41});
    const std::string ky2 = h.Save(dir_ / "src.ky2", dir_ / "missing_00.ky2", "");
    conv_.CutMode(1, 1);
    conv_.CutMode(3, 1);
    conv_.Deadhead(250);
    conv_.UserChar(Bytes({0x03, 0x04}));
    ASSERT_TRUE(conv_.ProtocolConv(ky2, kyp_, open_, "C:\\tables\\links.kyl"));
    ASSERT_EQ(doc_.FileRead(kyp_), 0) << "the header names the configuration";
    const FrameFileHeader& hd = doc_.Header();
    EXPECT_EQ(hd.FrameFile.Text(), open_);
    EXPECT_EQ(hd.LinkFile.Text(), "C:\\tables\\links.kyl");
    EXPECT_EQ(doc_.SpotA(), "");
    EXPECT_EQ(hd.cut.CutMode, (std::array<uint8_t, 5>{0, 1, 0, 1, 0}));
    EXPECT_EQ(doc_.Deadhead(), 250);
    EXPECT_EQ(doc_.UserChar(), Bytes({0x03, 0x04}));
    EXPECT_EQ(doc_.PrecedFile(), dir_ / "missing_00.ky2") << "as the history names it";
    EXPECT_EQ(doc_.FollowFile(), "");
    EXPECT_EQ(doc_.MonitorStart(), Ky2History::kStart);
    EXPECT_EQ(platform::FormatDateTime(doc_.MonitorStop()), "2026/12/09 11:00:00");
    EXPECT_EQ(doc_.MoniMode(), 1);
    EXPECT_EQ(doc_.Brate(), 19200);
    EXPECT_EQ(doc_.DataLen(), 1);
    EXPECT_EQ(doc_.ErrStop(), 1);
    EXPECT_EQ(doc_.MoniDrec(), 0);
    EXPECT_EQ(doc_.InterFase(), 1);
    EXPECT_EQ(doc_.ChrTime(), 1);
    EXPECT_EQ(doc_.SelLED(), 1);
    EXPECT_EQ(doc_.MemMode(), 2);
    EXPECT_EQ(doc_.PrtBit(), 2);
    EXPECT_EQ(doc_.TrgStop(), 1);
    EXPECT_EQ(doc_.TrgStart(), 0);
    EXPECT_EQ(doc_.RangeDate(), 1);
    EXPECT_EQ(doc_.RangeStart(), Ky2History::kStart - 1);
    EXPECT_EQ(doc_.RangeStop(), Ky2History::kStart + 1);
    EXPECT_EQ(doc_.TrgLine(0), 1);
    EXPECT_EQ(doc_.SdChr(0), "4142");
    EXPECT_EQ(doc_.SdChrAtt(0), "00");
    EXPECT_EQ(doc_.SdEveCnt(0), 3);
    EXPECT_EQ(doc_.RdChr(0), "**");
    EXPECT_EQ(doc_.RdChrAtt(0), "0");
    EXPECT_EQ(doc_.RdEveCnt(0), 4);
    EXPECT_EQ(doc_.LenAfter(0), 5000);
    EXPECT_EQ(doc_.TrgLine(1), 2);
    EXPECT_EQ(doc_.SdChr(1), "0D0A");
    EXPECT_EQ(doc_.RdEveCnt(1), 256);
    EXPECT_EQ(doc_.LenAfter(1), 16777215);
    ASSERT_EQ(doc_.FrameMax(), 1);
    EXPECT_EQ(doc_.FrameDate(0), Ky2History::kStart);
}

TEST_F(clsAnalysisTest, FailuresLeaveTheDestinationAsItWas) {
    Ky2History h;
    h.Units(kSd, {0x41, 0x42});
    const std::string ky2 = h.Save(dir_ / "src.ky2");
    TempFolder::WriteAll(kyp_, "old frames");
    test::WriteFile(dir_ / "text.ky2", "no history here\r\n");
    test::WriteFile(dir_ / "comma.ky2", "xx,*** KY-Nubera ***\r\n");

    EXPECT_FALSE(conv_.ProtocolConv(dir_ / "text.ky2", kyp_, open_, ""));
    EXPECT_FALSE(conv_.ProtocolConv(dir_ / "comma.ky2", kyp_, open_, "")) << "the magic must stand before a comma";
    EXPECT_FALSE(conv_.ProtocolConv(dir_ / "missing.ky2", kyp_, open_, ""));
    EXPECT_FALSE(conv_.ProtocolConv(dir_.path(), kyp_, open_, "")) << "a folder";
    EXPECT_FALSE(conv_.ProtocolConv(ky2, kyp_, dir_ / "missing.kyf", ""));
    EXPECT_EQ(TempFolder::ReadAll(kyp_), "old frames");

    EXPECT_FALSE(conv_.ProtocolConv(ky2, dir_ / "no/such/folder.kyp", open_, "")) << "no exception either";
    EXPECT_FALSE(conv_.ProtocolConv(ky2, "", open_, ""));
    const std::string before = TempFolder::ReadAll(ky2);
    EXPECT_FALSE(conv_.ProtocolConv(ky2, ky2, open_, "")) << "a history is never converted over itself";
    EXPECT_EQ(TempFolder::ReadAll(ky2), before);
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"comma.ky2", "open.kyf", "out.kyp", "ppp.kyf", "src.ky2",
                                                      "text.ky2"}))
        << "no temporary file left behind";
}

TEST_F(clsAnalysisTest, CrLfEndsAFrameAndAnOpenFrameIsWrittenAtTheEnd) {
    conv_.CutMode(1, 1);
    Ky2History h;
    h.Units(kSd, {0x41, 0x42, 0x0D, 0x0A, 0x43});
    EXPECT_EQ(Convert(h, open_),
              (std::vector<Got>{{Bytes({0x41, 0x42, 0x0D, 0x0A}), 0x2000, 0x80}, {Bytes({0x43}), 0, 0x80}}));
}

TEST_F(clsAnalysisTest, BothDirectionsBuildFramesSideBySideInTheOrderTheyBegan) {
    conv_.CutMode(1, 1);
    Ky2History h;
    h.Units(kSd, {0x41});
    h.Units(kRd, {0x61, 0x0D});
    h.Units(kSd, {0x0D});
    h.Units(kRd, {0x0A, 0x62});
    h.Units(kSd, {0x42, 0x0A});
    // The RD frame ends first, yet the SD frame began first. A CR of one
    // direction and an LF of the other are no CR LF.
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x41, 0x0D, 0x42, 0x0A}), 0, 0x80},
                                                   {Bytes({0x61, 0x0D, 0x0A}), 0x2000, 0x82},
                                                   {Bytes({0x62}), 0, 0x82}}))
        << "the SD frame ends with the source";
}

TEST_F(clsAnalysisTest, StatusIsTheFirstAttributeWithTheFlagsOfLaterBytes) {
    Ky2History h;
    h.Unit(kSd | 0x04, 0x41);          // JIS7 on the first byte only counts
    h.Unit(kSd | 0x10, 0x42);          // parity
    h.Unit(kSd | 0x08 | 0x01, 0x43);   // trigger, Same
    h.Unit(kSd | 0x40 | 0x20, 0x44);   // framing, overrun
    const auto frames = Convert(h, open_);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].status, 0x80 | 0x04 | 0x10 | 0x08 | 0x01 | 0x40 | 0x20);
    EXPECT_EQ(doc_.FrameErr(0), 7);
    EXPECT_EQ(doc_.FrameTrg(0), 1);
}

TEST_F(clsAnalysisTest, DataBytes0AAnd10AreStoredEscapedAndReadBackAsTheyWere) {
    Ky2History h;
    h.Units(kSd, {0x0A, 0x10, 0x0D, 0x41});
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x0A, 0x10, 0x0D, 0x41}), 0, 0x80}}));
    const std::string file = TempFolder::ReadAll(kyp_);
    EXPECT_EQ(file.substr(file.size() - 8), Bytes({0x10, 0x0A, 0x10, 0x10, 0x0D, 0x41, 0x0D, 0x0A}));
}

TEST_F(clsAnalysisTest, ATimeGapOnTheSecondByteEndsTheFrameAfterTheFirst) {
    conv_.CutMode(2, 1);
    conv_.Deadhead(100);
    Ky2History h;
    h.Unit(kSd, 0x41, 0, 5);
    h.Unit(kSd, 0x42, 0, 150);  // the gap begins a frame
    h.Unit(kSd, 0x43);          // no time word: no gap
    h.Unit(kSd, 0x44, 0, 99);
    h.Unit(kSd, 0x45, 1, 600);  // 6000: range code and value kept
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x41}), 0x4000 | 5, 0x80},
                                                   {Bytes({0x42, 0x43, 0x44}), 0x4000 | 150, 0x80},
                                                   {Bytes({0x45}), 0x0400 | 600, 0x80}}));
    EXPECT_EQ(doc_.FrameChrTime(1), 150);
    EXPECT_EQ(doc_.FrameChrTime(2), 6000);
    EXPECT_EQ(doc_.FrameCut(0), 2);
    EXPECT_EQ(doc_.FrameCut(2), 0);

    conv_.Deadhead(7000);
    EXPECT_EQ(Convert(h, open_).size(), 1u) << "6000 stays below 7000";
}

TEST_F(clsAnalysisTest, TimeGapsFinishWithDeadheadZeroAndWithSameFlagTimes) {
    conv_.CutMode(2, 1);
    conv_.Deadhead(0);
    Ky2History h;
    h.Units(kSd, {0x41, 0x42});
    h.Units(kRd, {0x61});
    h.Units(kSd, {0x43});
    // Every character is at the limit: one frame each, in source order.
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x41}), 0x4000, 0x80},
                                                   {Bytes({0x42}), 0x4000, 0x80},
                                                   {Bytes({0x61}), 0, 0x82},
                                                   {Bytes({0x43}), 0, 0x80}}));

    // A character that carries the Same flag hands its time on to the next
    // character, which has no time word of its own.
    conv_.Deadhead(100);
    Ky2History same;
    same.Unit(kSd, 0x41);
    same.Unit(kSd | 0x01, 0x42, 0, 200);
    same.Unit(kSd, 0x43);
    same.Unit(kSd, 0x44);
    EXPECT_EQ(Convert(same, open_), (std::vector<Got>{{Bytes({0x41}), 0x4000, 0x80},
                                                      {Bytes({0x42}), 0x4000 | 200, 0x81},
                                                      {Bytes({0x43, 0x44}), 200, 0x80}}));
}

TEST_F(clsAnalysisTest, ARangeCodeFiveIsAGapTooLongToMeasure) {
    conv_.CutMode(2, 1);
    conv_.Deadhead(10240000);
    Ky2History h;
    h.Unit(kSd, 0x41);
    h.Unit(kSd, 0x42, 5, 0);
    EXPECT_EQ(Convert(h, open_),
              (std::vector<Got>{{Bytes({0x41}), 0x4000, 0x80}, {Bytes({0x42}), 0x1400, 0x80}}));
    EXPECT_EQ(doc_.FrameChrTime(1), -1);
}

TEST_F(clsAnalysisTest, RangeCodesSixAndSevenCarryNoTimeAndCutNothing) {
    conv_.CutMode(2, 1);
    conv_.Deadhead(1);
    Ky2History h;
    h.Unit(kSd, 0x41);
    h.Unit(kSd, 0x42, 5, 0x2A7);  // made range 6 below
    h.Unit(kSd, 0x43, 5, 0x2A7);
    h.Unit(kSd, 0x44, 5, 0x1B3);  // made range 7 below
    h.Unit(kSd, 0x45, 5, 0);      // the overflow mark stays a gap
    const std::string ky2 = h.Save(dir_ / "src.ky2");
    ASSERT_EQ(Ky2History::RangeCodeRewrite(ky2, 0x2A7, 6), 2);
    ASSERT_EQ(Ky2History::RangeCodeRewrite(ky2, 0x1B3, 7), 1);
    ASSERT_TRUE(conv_.ProtocolConv(ky2, kyp_, open_, ""));
    EXPECT_EQ(ReadBack(open_), (std::vector<Got>{{Bytes({0x41, 0x42, 0x43, 0x44}), 0x4000, 0x80},
                                                 {Bytes({0x45}), 0x1400, 0x80}}));

    conv_.Deadhead(0);
    ASSERT_TRUE(conv_.ProtocolConv(ky2, kyp_, open_, ""));
    EXPECT_EQ(ReadBack(open_).size(), 5u) << "a time of 0 reaches a limit of 0";
}

TEST_F(clsAnalysisTest, TheUserStringEndsAFrameAndAnEmptyOneEndsOneAtEveryByte) {
    conv_.CutMode(3, 1);
    conv_.UserChar(Bytes({0x03, 0x04}));
    Ky2History h;
    h.Units(kSd, {0x01, 0x03, 0x04, 0x05, 0x03});
    h.Units(kRd, {0x04});  // the window belongs to one direction
    h.Units(kSd, {0x04});  // and carries over from the frame before
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x01, 0x03, 0x04}), 0x8000, 0x80},
                                                   {Bytes({0x05, 0x03, 0x04}), 0x8000, 0x80},
                                                   {Bytes({0x04}), 0, 0x82}}));
    EXPECT_EQ(doc_.FrameCut(0), 3);

    conv_.UserChar("");
    const std::vector<Got> every = Convert(h, open_);
    ASSERT_EQ(every.size(), 7u) << "one frame per byte";
    EXPECT_EQ(every[3], (Got{Bytes({0x05}), 0x8000, 0x80}));
    EXPECT_EQ(every[5], (Got{Bytes({0x04}), 0x8000, 0x82}));
}

TEST_F(clsAnalysisTest, ACrEndingAFrameByAnotherConditionMakesTheLfAFrameOfItsOwn) {
    conv_.CutMode(1, 1);
    conv_.CutMode(3, 1);
    conv_.UserChar(Bytes({0x0D}));
    Ky2History h;
    h.Units(kSd, {0x41, 0x0D, 0x0A, 0x42});
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x41, 0x0D}), 0x8000, 0x80},
                                                   {Bytes({0x0A}), 0x2000, 0x80},
                                                   {Bytes({0x42}), 0, 0x80}}));

    // The same with a time gap before the LF: the LF is taken back whole,
    // and it still ends its own frame as a CR LF.
    conv_.CutMode(3, 0);
    conv_.CutMode(2, 1);
    conv_.Deadhead(50);
    Ky2History gap;
    gap.Unit(kSd, 0x41);
    gap.Unit(kSd, 0x0D);
    gap.Unit(kSd, 0x0A, 0, 80);
    gap.Unit(kSd, 0x42);
    EXPECT_EQ(Convert(gap, open_), (std::vector<Got>{{Bytes({0x41, 0x0D}), 0x4000, 0x80},
                                                     {Bytes({0x0A}), 0x2000 | 80, 0x80},
                                                     {Bytes({0x42}), 0, 0x80}}));
}

TEST_F(clsAnalysisTest, PppFramesRunFromTheFirstByteToTheSecondFlag) {
    Ky2History h;
    // A whole frame: flag, address, control, protocol 0021, information,
    // FCS, flag.
    h.Units(kSd, {0x7E, 0xFF, 0x03, 0x00, 0x21, 0x45, 0x7D, 0x5E, 0x12, 0x34, 0x7E});
    // A flag shared by two frames closes the first; the next frame begins
    // after it and ends at its own second flag.
    h.Units(kSd, {0x7E, 0x41, 0x7E, 0x42, 0x7E, 0x43, 0x7E});
    const auto frames = Convert(h, ppp_);
    EXPECT_EQ(frames, (std::vector<Got>{{Bytes({0x7E, 0xFF, 0x03, 0x00, 0x21, 0x45, 0x7D, 0x5E, 0x12, 0x34, 0x7E}), 0, 0x80},
                                        {Bytes({0x7E, 0x41, 0x7E}), 0, 0x80},
                                        {Bytes({0x42, 0x7E, 0x43, 0x7E}), 0, 0x80}}));
    EXPECT_EQ(doc_.FrameData(0, 3), Bytes({0x00, 0x21}));
    EXPECT_EQ(doc_.FrameData(0, 4), Bytes({0x45, 0x7E}));
    EXPECT_EQ(doc_.FrameData(0, 5), Bytes({0x12, 0x34}));
}

TEST_F(clsAnalysisTest, PppFramesAreCutByTheConditionsToo) {
    conv_.CutMode(1, 1);
    Ky2History h;
    h.Units(kSd, {0x7E, 0x0D, 0x0A, 0x41, 0x7E});
    EXPECT_EQ(Convert(h, ppp_), (std::vector<Got>{{Bytes({0x7E, 0x0D, 0x0A}), 0x2000, 0x80},
                                                  {Bytes({0x41, 0x7E}), 0, 0x80}}))
        << "the cut clears the flag: the 7E after it opens";
}

TEST_F(clsAnalysisTest, AnItemLayoutThatIsUsedUpEndsTheFrame) {
    // Kind, length, as many data bytes as the length says.
    const std::string layout = test::WriteConfig(
        dir_ / "len.kyf", Config({{"種別", kItemCode, 8}, {"長さ", kItemLength, 8}, {"データ", kItemData, 0, 2}}));
    Ky2History h;
    h.Units(kSd, {0x01, 0x02, 0xAA, 0xBB, 0x02, 0x00, 0x03, 0x01});
    h.Units(kRd, {0x05, 0x01, 0x0A});
    EXPECT_EQ(Convert(h, layout), (std::vector<Got>{{Bytes({0x01, 0x02, 0xAA, 0xBB}), 0, 0x80},
                                                    {Bytes({0x02, 0x00}), 0, 0x80},
                                                    {Bytes({0x03, 0x01}), 0, 0x80},
                                                    {Bytes({0x05, 0x01, 0x0A}), 0, 0x82}}))
        << "a length of 0 leaves the data empty; the last SD frame ends with the source";
    EXPECT_EQ(doc_.FrameData(0, 2), Bytes({0xAA, 0xBB}));
    EXPECT_EQ(doc_.FrameData(3, 2), Bytes({0x0A}));

    // A length in units of two bytes, an item after the covered one, and a
    // layout that ends inside a byte: the rest of that byte is no frame's.
    const std::string units = test::WriteConfig(
        dir_ / "units.kyf", Config({{"長さ", kItemLength, 4, 0, 2}, {"本体", kItemData, 0, 1}, {"検査", kItemData, 8, 1},
                                    {"終り", kItemCode, 4}}));
    Ky2History u;
    u.Units(kSd, {0x1A, 0xBB, 0xCC, 0xE0, 0x0F, 0x11});
    EXPECT_EQ(Convert(u, units),
              (std::vector<Got>{{Bytes({0x1A, 0xBB, 0xCC}), 0, 0x80}, {Bytes({0xE0, 0x0F, 0x11}), 0, 0x80}}));
    EXPECT_EQ(doc_.FrameDataValue(0, 0), 1);
    EXPECT_EQ(doc_.FrameData(0, 1), Bytes({0x0A, 0xB0}));
    EXPECT_EQ(doc_.FrameDataValue(0, 3), 0x0C);
}

TEST_F(clsAnalysisTest, ALayoutThatTakesNoBitsStillMovesOn) {
    // The only item counts on a length that is never there.
    const std::string empty = test::WriteConfig(dir_ / "empty.kyf", Config({{"空き", kItemData, 0, 1}}));
    Ky2History h;
    h.Units(kSd, {0x41, 0x42});
    EXPECT_EQ(Convert(h, empty), (std::vector<Got>{{Bytes({0x41}), 0, 0x80}, {Bytes({0x42}), 0, 0x80}}));
}

TEST_F(clsAnalysisTest, CutsApplyInsideAnItemLayout) {
    const std::string fixed = test::WriteConfig(dir_ / "fixed.kyf", Config({{"本体", kItemData, 32}}));
    conv_.CutMode(1, 1);
    Ky2History h;
    h.Units(kSd, {0x41, 0x0D, 0x0A, 0x01, 0x02, 0x03, 0x04, 0x05});
    EXPECT_EQ(Convert(h, fixed), (std::vector<Got>{{Bytes({0x41, 0x0D, 0x0A}), 0x2000, 0x80},
                                                   {Bytes({0x01, 0x02, 0x03, 0x04}), 0, 0x80},
                                                   {Bytes({0x05}), 0, 0x80}}));
}

TEST_F(clsAnalysisTest, OnlyTheFirstFrameMaxFramesAreWritten) {
    conv_.CutMode(1, 1);
    conv_.FrameMax(3);
    Ky2History h;
    h.Units(kSd, {0x41});
    h.Units(kRd, {0x61, 0x0D, 0x0A});
    h.Units(kSd, {0x0D, 0x0A, 0x42, 0x0D, 0x0A});
    h.Units(kRd, {0x62, 0x0D, 0x0A});
    h.Units(kSd, {0x43});
    EXPECT_EQ(Convert(h, open_), (std::vector<Got>{{Bytes({0x41, 0x0D, 0x0A}), 0x2000, 0x80},
                                                   {Bytes({0x61, 0x0D, 0x0A}), 0x2000, 0x82},
                                                   {Bytes({0x42, 0x0D, 0x0A}), 0x2000, 0x80}}));
    conv_.FrameMax(0);
    EXPECT_TRUE(Convert(h, open_).empty());
}

TEST_F(clsAnalysisTest, BytesBeforeTheStartCountAreLeftOut) {
    conv_.CutMode(1, 1);
    Ky2History h;
    h.Units(kSd, {0x41, 0x0D, 0x0A, 0x42});
    ASSERT_TRUE(conv_.ProtocolConv(h.Save(dir_ / "src.ky2"), kyp_, open_, "", 3));
    EXPECT_EQ(ReadBack(open_), (std::vector<Got>{{Bytes({0x0A, 0x42}), 0, 0x80}}))
        << "the CR before the start is not seen";
}

TEST_F(clsAnalysisTest, FramesTakeTheStampOfTheirFirstByte) {
    Ky2History h;
    h.Units(kSd, {0x41});
    h.Stamp(Ky2History::kStart + 2.0 / 86400).Units(kSd, {0x0D, 0x0A});
    h.Stamp(Ky2History::kStart + 3.0 / 86400).Units(kSd, {0x42});
    conv_.CutMode(1, 1);
    ASSERT_EQ(Convert(h, open_).size(), 2u);
    EXPECT_EQ(platform::FormatDateTime(doc_.FrameDate(0)), "2026/12/09 10:00:00");
    EXPECT_EQ(platform::FormatDateTime(doc_.FrameDate(1)), "2026/12/09 10:00:03");
}

TEST_F(clsAnalysisTest, LinesThatAreNoDataLinesArePassedOver) {
    Ky2History h;
    h.Units(kSd, {0x41, 0x42});
    std::string bytes = TempFolder::ReadAll(h.Save(dir_ / "src.ky2"));
    const std::string line = "2026/12/09 10:00:05," + Bytes({0x44, 0x01, 0x80, 0x43, 0x00, 0x01}) + "\r\n";
    bytes += "\r\n" + std::string("2026/13/09 10:00:05,") + Bytes({0x44, 0x01, 0x80, 0x58, 0x00, 0x01}) + "\r\n" +
             line;
    TempFolder::WriteAll(dir_ / "src.ky2", bytes);
    ASSERT_TRUE(conv_.ProtocolConv(dir_ / "src.ky2", kyp_, open_, ""));
    EXPECT_EQ(ReadBack(open_), (std::vector<Got>{{Bytes({0x41, 0x42, 0x43}), 0, 0x80}}))
        << "an empty line and a line with a bad stamp are skipped, the line after them is read";
}

TEST_F(clsAnalysisTest, CancelKeepsAnOldDestinationAndLeavesNoPartialFile) {
    conv_.CutMode(1, 1);
    Ky2History h;
    for (int i = 0; i < 3000; ++i) h.Units(kSd, {0x41, 0x0D, 0x0A});
    const std::string ky2 = h.Save(dir_ / "src.ky2");
    TempFolder::WriteAll(kyp_, "old frames");
    test::FakeProgress progress;
    progress.cancelAtYield = 1;
    EXPECT_FALSE(conv_.ProtocolConv(ky2, kyp_, open_, "", 0, &progress));
    EXPECT_EQ(TempFolder::ReadAll(kyp_), "old frames");
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"open.kyf", "out.kyp", "ppp.kyf", "src.ky2"}));
    EXPECT_EQ(progress.title, "ファイルの変換");
    EXPECT_EQ(progress.max, static_cast<int32_t>(std::filesystem::file_size(ky2)));
    EXPECT_EQ(progress.clears, 1);

    // Not cancelled: the bar moves a few times, not once a byte.
    test::FakeProgress quiet;
    ASSERT_TRUE(conv_.ProtocolConv(ky2, kyp_, open_, "", 0, &quiet));
    EXPECT_EQ(ReadBack(open_).size(), 3000u);
    EXPECT_GE(quiet.yields, 1);
    EXPECT_LE(quiet.yields, 9000 / 1000);
    EXPECT_GT(quiet.last, 0);
}

TEST_F(clsAnalysisTest, TheFollowingPartGivesItsFirstDataLineAndNothingMore) {
    conv_.CutMode(1, 1);
    // The first part ends inside a frame; the next part's first line ends it.
    Ky2History first;
    first.Units(kSd, {0x41, 0x42});
    Ky2History next;
    next.Units(kSd, {0x43, 0x0D, 0x0A});
    next.Stamp(Ky2History::kStart + 5.0 / 86400).Units(kSd, {0x44, 0x0D, 0x0A});
    std::filesystem::create_directory(dir_ / "data.old");
    const std::string folder = dir_ / "data.old";
    next.Save(folder + "/Cap_01_e.ky2", folder + "/Cap_00_b.ky2", "");
    // The history names the following part before its markers were known.
    first.Save(folder + "/Cap_00_b.ky2", "", folder + "/Cap_01.ky2");
    ASSERT_TRUE(conv_.ProtocolConv(folder + "/Cap_00_b.ky2", kyp_, open_, ""));
    EXPECT_EQ(ReadBack(open_), (std::vector<Got>{{Bytes({0x41, 0x42, 0x43, 0x0D, 0x0A}), 0x2000, 0x80}}));
    EXPECT_EQ(doc_.FollowFile(), folder + "/Cap_01_e.ky2");

    // A Windows path names it: the file of that name beside the history.
    first.Save(folder + "/Cap_00_b.ky2", "", "D:\\capture\\Cap_01.ky2");
    ASSERT_TRUE(conv_.ProtocolConv(folder + "/Cap_00_b.ky2", kyp_, open_, ""));
    EXPECT_EQ(ReadBack(open_).size(), 1u);
    EXPECT_EQ(doc_.FollowFile(), folder + "/Cap_01_e.ky2");

    EXPECT_FALSE(conv_.ProtocolConv(folder + "/Cap_00_b.ky2", folder + "/Cap_01_e.ky2", open_, ""))
        << "the following part is never written over";
    EXPECT_TRUE(store::FileExists(folder + "/Cap_01_e.ky2"));
}

}  // namespace
}  // namespace frames
