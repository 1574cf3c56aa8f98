#include "clsProtocol.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "FrameComment.h"
#include "FrameTestFiles.h"
#include "StoredPath.h"
#include "platform/file/tests/FileSizeLimit.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using test::Bytes;
using test::Config;
using test::Record;

class RowList : public FrameRowList {
public:
    explicit RowList(std::vector<int32_t> rows) : rows_(std::move(rows)) {}
    int32_t FilterMax() const override { return static_cast<int32_t>(rows_.size()); }
    int32_t FilterNo(int32_t i) const override {
        return i >= 0 && i < FilterMax() ? rows_[static_cast<size_t>(i)] : 0;
    }

private:
    std::vector<int32_t> rows_;
};

class clsProtocolTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteConfig(kyf_, Config({{"cmd", kItemCode, 8}, {"len", kItemLength, 8}, {"body", kItemData, 0, 2},
                                        {"sum", kItemData, 8}}));
    }
    std::string WriteKyp(const std::vector<FrameRecord>& frames, uint32_t magic = kFrameMagic,
                         const std::string& name = "f.kyp") {
        const std::string path = dir_ / name;
        test::WriteFile(path, test::KypBytes(test::SampleHeader(kyf_, "links.kyl"), frames, magic));
        return path;
    }
    std::vector<FrameRecord> Frames() {
        std::vector<FrameRecord> f = {Record(Bytes({0x31, 0x02, 0xAA, 0xBB, 0x5C}), 45000.25, 0x80),
                                      Record(Bytes({0x32, 0x00, 0x10}), 45000.5, 0x83, 0x2005),
                                      Record(Bytes({0x0D, 0x0A, 0x10, 0x0A}), 45001.0, 0xF8,
                                             static_cast<int16_t>(0x8123))};
        f[1].comment[0] = CommentStore("左の注釈");
        f[2].comment[1] = CommentStore("right");
        return f;
    }

    TempFolder dir_;
    std::string kyf_ = dir_ / "cfg.kyf";
    clsProtocol doc_;
};

TEST_F(clsProtocolTest, ReadResults) {
    EXPECT_EQ(doc_.FileRead(""), 1);
    EXPECT_EQ(doc_.FileRead(dir_ / "missing.kyp"), 1);
    EXPECT_EQ(doc_.FileRead(dir_.path()), 1) << "a folder is no frame file";
    test::WriteFile(dir_ / "x.kyp", "not a frame file at all");
    EXPECT_EQ(doc_.FileRead(dir_ / "x.kyp"), 1);
    const std::string kyp = WriteKyp(Frames());
    EXPECT_EQ(doc_.FileRead(kyp, dir_ / "none.kyf"), 2);
    EXPECT_EQ(doc_.FrameMax(), 0);
    EXPECT_EQ(doc_.FrameFile(), "");

    test::FakeProgress bar;
    ASSERT_EQ(doc_.FileRead(kyp, "", &bar), 0);
    EXPECT_EQ(bar.shows, 1);
    EXPECT_EQ(bar.title, "ファイルの読込");
    EXPECT_EQ(bar.max, static_cast<int32_t>(test::ReadFile(kyp).size()));
    EXPECT_EQ(bar.clears, 1);
    EXPECT_EQ(doc_.FrameMax(), 3);
    EXPECT_EQ(doc_.FrameFile(), kyf_);
    EXPECT_EQ(doc_.SpotA(), "ホスト");
    EXPECT_EQ(doc_.Brate(), 19200);
    EXPECT_EQ(doc_.ChrTime(), 1);
    EXPECT_EQ(doc_.LenAfter(1), 16777215);
    EXPECT_EQ(doc_.SdChr(0), "4142");
    EXPECT_EQ(doc_.SdChr(2), "");
    EXPECT_EQ(doc_.TrgLine(-1), 0);
    EXPECT_EQ(doc_.PrecedFile(), "C:\\data\\Cap_00_b.ky2");
    EXPECT_EQ(doc_.CutMode(1), 1);
    EXPECT_EQ(doc_.CutMode(3), 1);
    EXPECT_EQ(doc_.CutMode(4), 2) << "although the file holds five switches";
    EXPECT_EQ(doc_.Deadhead(), 120);
    EXPECT_EQ(doc_.UserChar(), Bytes({3, 4}));

    // A failed read leaves the loaded document as it was.
    EXPECT_EQ(doc_.FileRead(dir_ / "x.kyp"), 1);
    EXPECT_EQ(doc_.FileRead(kyp, dir_ / "none.kyf"), 2);
    EXPECT_EQ(doc_.FrameMax(), 3);
    EXPECT_EQ(doc_.FrameFile(), kyf_);
}

TEST_F(clsProtocolTest, AConfigurationThatIsNoFileFailsAtOnce) {
    // A FIFO would keep a reader waiting for a writer that never comes.
    const std::string fifo = dir_ / "fifo.kyf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string kyp = dir_ / "f.kyp";
    test::WriteFile(kyp, test::KypBytes(test::SampleHeader(fifo), Frames()));
    EXPECT_EQ(doc_.FileRead(kyp), 2);
    EXPECT_EQ(doc_.FileRead(kyp, dir_.path()), 2) << "a folder";
    EXPECT_FALSE(clsFrameConfig().FrameRead(fifo));
    EXPECT_EQ(doc_.FileRead(kyp, kyf_), 0);
}

TEST_F(clsProtocolTest, FrameProperties) {
    ASSERT_EQ(doc_.FileRead(WriteKyp(Frames())), 0);
    EXPECT_EQ(doc_.FrameDate(1), 45000.5);
    EXPECT_EQ(doc_.FrameSt(1), 1);
    EXPECT_EQ(doc_.FrameChanel(1), 1);
    EXPECT_EQ(doc_.FrameChanel(0), 0);
    EXPECT_EQ(doc_.FrameTrg(2), 1);
    EXPECT_EQ(doc_.FrameJis7(2), 0);
    EXPECT_EQ(doc_.FrameErr(2), 7);
    EXPECT_EQ(doc_.FrameErr(0), 0);
    EXPECT_EQ(doc_.FrameCut(1), 1);
    EXPECT_EQ(doc_.FrameChrTime(1), 5);
    // Bits 13-15 read 100, range code 0, value 291.
    EXPECT_EQ(doc_.FrameCut(2), 3);
    EXPECT_EQ(doc_.FrameChrTime(2), 291);
    for (const int32_t n : {-1, 3}) {
        EXPECT_EQ(doc_.FrameDate(n), 0);
        EXPECT_EQ(doc_.FrameChrTime(n), 0);
        EXPECT_EQ(doc_.FrameErr(n), 0);
        EXPECT_EQ(doc_.FrameCut(n), 0);
        EXPECT_EQ(doc_.FrameDataOrg(n), "");
        EXPECT_EQ(doc_.FrameData(n, 0), "");
        EXPECT_EQ(doc_.FrameDataValue(n, 0), 0);
        EXPECT_EQ(doc_.FramePostit(0, n), "");
    }
}

TEST_F(clsProtocolTest, CharacterTimeByRangeCode) {
    std::vector<FrameRecord> f;
    for (int range = 0; range < 8; ++range) {
        f.push_back(Record("A", 45000, 0x80, static_cast<int16_t>(kCutCharTime | (range << 10) | 600)));
    }
    ASSERT_EQ(doc_.FileRead(WriteKyp(f)), 0);
    const int32_t expected[] = {600, 6000, 60000, 600000, 6000000, -1, -1, -1};
    for (int range = 0; range < 8; ++range) {
        EXPECT_EQ(doc_.FrameChrTime(range), expected[range]) << range;
        EXPECT_EQ(doc_.FrameCut(range), 2);
    }
}

TEST_F(clsProtocolTest, DataBytesKeepCrLfAndDleAndRoundTripExactly) {
    const std::string kyp = WriteKyp(Frames());
    const std::string original = test::ReadFile(kyp);
    // The 0x0D 0x0A of frame 2 is stored as 0D 10 0A, a 0x10 as 10 10.
    EXPECT_NE(original.find(Bytes({0x0D, 0x10, 0x0A, 0x10, 0x10, 0x10, 0x0A, 0x0D, 0x0A})), std::string::npos);
    ASSERT_EQ(doc_.FileRead(kyp), 0);
    EXPECT_EQ(doc_.FrameDataOrg(2), Bytes({0x0D, 0x0A, 0x10, 0x0A}));
    EXPECT_EQ(doc_.FrameBytes(1), Bytes({0x32, 0x00, 0x10}));
    EXPECT_EQ(doc_.FramePostit(0, 1), "左の注釈");
    EXPECT_EQ(doc_.FramePostit(1, 2), "right");

    int32_t end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "out.kyp", nullptr, 0, end));
    EXPECT_EQ(end, 2) << "0 stands for the last row";
    EXPECT_EQ(test::ReadFile(dir_ / "out.kyp"), original);
}

TEST_F(clsProtocolTest, OlderMagicIsWrittenBackCurrent) {
    const std::string kyp = WriteKyp(Frames(), kFrameMagicOld);
    ASSERT_EQ(doc_.FileRead(kyp), 0);
    int32_t end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "out.kyp", nullptr, 0, end));
    const std::string written = test::ReadFile(dir_ / "out.kyp");
    EXPECT_EQ(written.substr(0, 4), Bytes({0x50, 0x00, 0x35, 0x4E}));
    EXPECT_EQ(written.substr(4), test::ReadFile(kyp).substr(4));
}

TEST_F(clsProtocolTest, AnEmptyDataLineDoesNotEndTheLoad) {
    std::vector<FrameRecord> f = Frames();
    f.insert(f.begin() + 1, Record("", 0, 0, 0));
    ASSERT_EQ(doc_.FileRead(WriteKyp(f)), 0);
    ASSERT_EQ(doc_.FrameMax(), 4);
    EXPECT_EQ(doc_.FrameDataOrg(1), "");
    EXPECT_EQ(doc_.FrameData(1, 0), "");
    EXPECT_EQ(doc_.FrameDataOrg(3), Bytes({0x0D, 0x0A, 0x10, 0x0A}));
}

TEST_F(clsProtocolTest, TheLastThirteenBytesStartNoRecord) {
    const std::string kyp = WriteKyp(Frames());
    test::WriteFile(kyp, test::ReadFile(kyp) + std::string(13, '\x41'));
    ASSERT_EQ(doc_.FileRead(kyp), 0);
    EXPECT_EQ(doc_.FrameMax(), 3) << "the last record's line ends at its CR LF";
    test::WriteFile(kyp, test::ReadFile(kyp) + "A");
    ASSERT_EQ(doc_.FileRead(kyp), 0);
    ASSERT_EQ(doc_.FrameMax(), 4);
    EXPECT_EQ(doc_.FrameDataOrg(3), "") << "fourteen bytes make a record of their own";
}

TEST_F(clsProtocolTest, ItemsAreDecodedOnDemand) {
    ASSERT_EQ(doc_.FileRead(WriteKyp(Frames())), 0);
    EXPECT_EQ(doc_.FrameDataValue(0, 0), 0x31);
    EXPECT_EQ(doc_.FrameData(0, 2), Bytes({0xAA, 0xBB}));
    EXPECT_EQ(doc_.FrameDataValue(0, 3), 0x5C);
    EXPECT_EQ(doc_.FrameData(1, 2), "") << "length 0 leaves the body empty";
    EXPECT_EQ(doc_.FrameDataValue(1, 3), 0x10);
    EXPECT_EQ(doc_.FrameData(0, 4), "");
    EXPECT_EQ(doc_.FrameDataValue(0, -1), 0);
    EXPECT_EQ(doc_.FrameItems(0).size(), 4u);
    EXPECT_EQ(doc_.FrameItems(9).size(), 0u);
}

TEST_F(clsProtocolTest, PppDocument) {
    clsFrameConfig ppp;
    ASSERT_TRUE(ppp.FramePPPWrite(dir_ / "ppp.kyf"));
    const std::string frame = Bytes({0x7E, 0xFF, 0x03, 0xC0, 0x21, 0x7D, 0x5E, 0x0A, 0x7D, 0x31, 0x7E});
    ASSERT_EQ(doc_.FileRead(WriteKyp({Record(frame), Record("AB")}), dir_ / "ppp.kyf"), 0);
    EXPECT_TRUE(doc_.IsPpp());
    EXPECT_EQ(doc_.FrameData(0, 3), Bytes({0xC0, 0x21}));
    EXPECT_EQ(doc_.FrameDataValue(0, 3), 0xC021);
    EXPECT_EQ(doc_.FrameData(0, 4), Bytes({0x7E, 0x0A}));
    EXPECT_EQ(doc_.FrameData(0, 5), Bytes({0x7D, 0x31}));
    EXPECT_EQ(doc_.FrameDataOrg(0), Bytes({0x7E, 0xFF, 0x03, 0xC0, 0x21, 0x7E, 0x0A, 0x7D, 0x31, 0x7E}));
    EXPECT_EQ(doc_.FrameBytes(0), frame) << "the stored bytes are never changed";
    EXPECT_EQ(doc_.FrameData(1, 0), "") << "no opening flag: empty items";
    EXPECT_EQ(doc_.FrameDataOrg(1), "AB");

    // Saving writes the frames as they were read, escapes and all.
    int32_t end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "out.kyp", nullptr, 0, end));
    clsProtocol again;
    ASSERT_EQ(again.FileRead(dir_ / "out.kyp"), 0);
    EXPECT_EQ(again.FrameBytes(0), frame);
    EXPECT_EQ(again.FrameFile(), dir_ / "ppp.kyf") << "the configuration given is stored";
}

TEST_F(clsProtocolTest, CommentsSetInMemoryAndWrittenAsOneLine) {
    ASSERT_EQ(doc_.FileRead(WriteKyp(Frames())), 0);
    doc_.FramePostit(0, 0, "行1\r\n行2");
    doc_.FramePostit(1, 0, "\u0D15\u300A");
    doc_.FramePostit(2, 0, "ignored");
    doc_.FramePostit(0, 3, "ignored");
    doc_.FramePostit(0, -1, "ignored");
    doc_.FramePostit(0, 1, "");
    EXPECT_EQ(doc_.FramePostit(0, 0), "行1行2");
    EXPECT_EQ(doc_.FramePostit(2, 0), "");
    EXPECT_EQ(doc_.FramePostit(0, 1), "");
    int32_t end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "out.kyp", nullptr, 0, end));
    clsProtocol again;
    ASSERT_EQ(again.FileRead(dir_ / "out.kyp"), 0);
    ASSERT_EQ(again.FrameMax(), 3);
    EXPECT_EQ(again.FramePostit(0, 0), "行1行2");
    EXPECT_EQ(again.FramePostit(1, 0), "\u0D15\uFFFD");
    EXPECT_EQ(again.FramePostit(1, 2), "right");
    EXPECT_EQ(again.FrameDataOrg(2), Bytes({0x0D, 0x0A, 0x10, 0x0A}));
}

TEST_F(clsProtocolTest, WritingThroughAFilterList) {
    ASSERT_EQ(doc_.FileRead(WriteKyp(Frames())), 0);
    RowList rows({2, 0});
    int32_t end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "rows.kyp", &rows, 0, end));
    EXPECT_EQ(end, 1);
    clsProtocol r;
    ASSERT_EQ(r.FileRead(dir_ / "rows.kyp"), 0);
    ASSERT_EQ(r.FrameMax(), 2);
    EXPECT_EQ(r.FrameDataOrg(0), doc_.FrameDataOrg(2));
    EXPECT_EQ(r.FrameDataOrg(1), doc_.FrameDataOrg(0));

    // One row of a range; an end beyond the list does not repeat frame 0.
    end = 7;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "one.kyp", &rows, 1, end));
    ASSERT_EQ(r.FileRead(dir_ / "one.kyp"), 0);
    EXPECT_EQ(r.FrameMax(), 1);

    // A frame number beyond the document ends the writing.
    RowList bad({1, 5, 0});
    end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "bad.kyp", &bad, 0, end));
    ASSERT_EQ(r.FileRead(dir_ / "bad.kyp"), 0);
    EXPECT_EQ(r.FrameMax(), 1);

    RowList none({});
    end = 0;
    EXPECT_FALSE(doc_.FileWrite(dir_ / "none.kyp", &none, 0, end));
    end = 0;
    EXPECT_FALSE(doc_.FileWrite("", nullptr, 0, end));
    end = 1;
    EXPECT_FALSE(doc_.FileWrite(dir_ / "none.kyp", nullptr, 2, end));
    end = 0;
    EXPECT_FALSE(doc_.FileWrite(dir_ / "none.kyp", nullptr, 3, end));
    EXPECT_FALSE(IsRegularFile(dir_ / "none.kyp"));
}

TEST_F(clsProtocolTest, AFailedWriteKeepsTheOldFile) {
    ASSERT_EQ(doc_.FileRead(WriteKyp(Frames())), 0);
    test::WriteFile(dir_ / "keep.kyp", "old contents");
    int32_t end = 0;
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(doc_.FileWrite(dir_ / "keep.kyp", nullptr, 0, end));
    }
    EXPECT_EQ(test::ReadFile(dir_ / "keep.kyp"), "old contents");
}

TEST_F(clsProtocolTest, CancelKeepsTheFramesReadBefore) {
    std::vector<FrameRecord> many(3000, Record(std::string(20, 'x')));
    const std::string kyp = WriteKyp(many);
    test::FakeProgress bar;
    bar.cancelAtYield = 1;
    ASSERT_EQ(doc_.FileRead(kyp, "", &bar), 0);
    EXPECT_GT(doc_.FrameMax(), 0);
    EXPECT_LT(doc_.FrameMax(), 3000);
    EXPECT_GT(bar.last, 0);
    EXPECT_EQ(bar.clears, 1);
    ASSERT_EQ(doc_.FileRead(kyp), 0);
    EXPECT_EQ(doc_.FrameMax(), 3000);
}

TEST_F(clsProtocolTest, FramesTooManyForMemoryLeaveTheDocumentAsItWas) {
    if (test::kAddressSanitizer) GTEST_SKIP() << "no address space limit under the address sanitizer";
    const std::string kyp = WriteKyp(Frames());
    ASSERT_EQ(doc_.FileRead(kyp), 0);
    // One data line of 32 MB, read with room for 16 MB.
    const std::string big = WriteKyp({Record(std::string(32 << 20, 'x'))}, kFrameMagic, "big.kyp");
    const int code = test::ExitCodeWithMemoryHeadroom(16 << 20, [&] {
        const int16_t result = doc_.FileRead(big);
        return result == 1 && doc_.FrameMax() == 3 && doc_.FrameBytes(2) == Frames()[2].data ? 0 : 1;
    });
    EXPECT_EQ(code, 0) << "1: wrong result or document changed; 2: an exception escaped";
    std::filesystem::remove(big);
}

TEST_F(clsProtocolTest, StoredWindowsPathsAreFoundAndWrittenBackAsTheyStand) {
    FrameFileHeader h = test::SampleHeader("D:\\解析\\cfg.kyf", "D:\\解析\\links.kyl");
    test::WriteFile(dir_ / "links.kyl", "");
    const std::string bytes = test::KypBytes(h, Frames());
    test::WriteFile(dir_ / "w.kyp", bytes);
    ASSERT_EQ(doc_.FileRead(dir_ / "w.kyp"), 0) << "the configuration beside the frame file";
    EXPECT_EQ(doc_.FrameFile(), kyf_);
    EXPECT_EQ(doc_.LinkFile(), dir_ / "links.kyl");
    doc_.LinkFile(doc_.LinkFile());  // what the window does before saving
    int32_t end = 0;
    ASSERT_TRUE(doc_.FileWrite(dir_ / "out.kyp", nullptr, 0, end));
    EXPECT_EQ(test::ReadFile(dir_ / "out.kyp"), bytes);

    doc_.LinkFile(dir_ / "other.kyl");
    EXPECT_EQ(doc_.LinkFile(), dir_ / "other.kyl");
    ASSERT_TRUE(doc_.FileWrite(dir_ / "out.kyp", nullptr, 0, end));
    EXPECT_EQ(doc_.Header().LinkFile.Text(), dir_ / "other.kyl");
    clsProtocol r;
    ASSERT_EQ(r.FileRead(dir_ / "out.kyp"), 0);
    EXPECT_EQ(r.LinkFile(), dir_ / "other.kyl");
}

TEST_F(clsProtocolTest, SelAnalysisDecodesBytesWithAnotherConfiguration) {
    test::WriteConfig(dir_ / "sel.kyf", Config({{"a", kItemCode, 4}, {"b", kItemCode, 12}, {"c", kItemData, 8}}, 1));
    EXPECT_TRUE(doc_.SelAnalysis(Bytes({0xAB, 0x10, 0x0A}), dir_ / "sel.kyf"));
    EXPECT_EQ(doc_.SelDataValue(0), 0xA);
    EXPECT_EQ(doc_.SelDataValue(1), 0xB10) << "a 0x10 among the bytes is a byte like any other";
    EXPECT_EQ(doc_.SelData(2), Bytes({0x0A}));
    EXPECT_EQ(doc_.SelData(3), "");
    EXPECT_EQ(doc_.SelDataValue(-1), 0);
    EXPECT_FALSE(doc_.SelAnalysis(Bytes({0xAB}), dir_ / "sel.kyf")) << "the bytes ran out";
    EXPECT_EQ(doc_.SelDataValue(0), 0xA);
    EXPECT_FALSE(doc_.SelAnalysis(Bytes({0xCD, 1, 2}), dir_ / "none.kyf"));
    EXPECT_EQ(doc_.SelDataValue(0), 0xA) << "unchanged when the file cannot be read";
}

}  // namespace
}  // namespace frames
