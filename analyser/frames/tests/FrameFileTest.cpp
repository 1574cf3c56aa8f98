// The KYP file's bytes: header, frame records and the escapes of the data
// line.
#include <gtest/gtest.h>

#include "ByteReader.h"
#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "FrameRecord.h"
#include "FrameTestFiles.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using test::Bytes;

TEST(FrameFile, DataLinesEscapeLineFeedAndDle) {
    std::string line;
    DleEscapeAppend(line, Bytes({0x41, 0x0D, 0x0A, 0x10, 0x42}));
    EXPECT_EQ(line, Bytes({0x41, 0x0D, 0x10, 0x0A, 0x10, 0x10, 0x42}));
    std::string back;
    DleRemoveAppend(back, line);
    EXPECT_EQ(back, Bytes({0x41, 0x0D, 0x0A, 0x10, 0x42}));

    // A lone 0x10 at the end adds nothing; one before any byte keeps it.
    back.clear();
    DleRemoveAppend(back, Bytes({0x41, 0x10, 0x43, 0x10}));
    EXPECT_EQ(back, Bytes({0x41, 0x43}));
}

TEST(FrameFile, OneRecordAsStored) {
    std::string out;
    FrameRecordAppend(out, 0.0, 0x8A, static_cast<int16_t>(0x8123), Bytes({'A', 0}), "", Bytes({0x0A}));
    EXPECT_EQ(out, std::string(8, '\0') + Bytes({0x8A, 0x23, 0x81, 'A', 0, 0x0D, 0x0A, 0x0D, 0x0A, 0x10,
                                                 0x0A, 0x0D, 0x0A}));
}

TEST(FrameFile, HeaderRoundTripAndBothMagics) {
    TempFolder dir;
    const FrameFileHeader sample = test::SampleHeader("C:\\cfg\\x.kyf", "リンク.kyl");
    for (const uint32_t magic : {kFrameMagic, kFrameMagicOld}) {
        const std::string bytes = test::KypBytes(sample, {}, magic);
        test::WriteFile(dir / "h.kyp", bytes);
        ByteReader in(dir / "h.kyp");
        FrameFileHeader read;
        ASSERT_TRUE(FrameHeaderRead(in, read));
        EXPECT_EQ(in.Remaining(), 0);
        EXPECT_EQ(read.magic, magic);
        EXPECT_EQ(read.FrameFile.Text(), "C:\\cfg\\x.kyf");
        EXPECT_EQ(read.LinkFile.Text(), "リンク.kyl");
        EXPECT_EQ(read.SpotB.Text(), "端末B");
        EXPECT_EQ(read.cut.CutMode, sample.cut.CutMode);
        EXPECT_EQ(read.cut.UserChar, sample.cut.UserChar);
        EXPECT_EQ(read.monitor.trigger[1].LenAfter, 16777215);
        EXPECT_EQ(read.monitor.trigger[0].RdChr.Text(), "**");
        std::string again;
        ASSERT_TRUE(FrameHeaderWrite(again, read));
        EXPECT_EQ(again.substr(0, 4), Bytes({0x50, 0x00, 0x35, 0x4E})) << "written with the current magic";
        EXPECT_EQ(again.substr(4), bytes.substr(4));
    }

    std::string wrong = test::KypBytes(sample, {}, 0x4E350051);
    test::WriteFile(dir / "w.kyp", wrong);
    ByteReader in(dir / "w.kyp");
    FrameFileHeader read;
    EXPECT_FALSE(FrameHeaderRead(in, read));
}

TEST(FrameFile, StoredTextsKeepBytesThatDoNotDecode) {
    TempFolder dir;
    FrameFileHeader h = test::SampleHeader("a.kyf");
    h.SpotA = FileText::FromStored(Bytes({0x82, 0xA0, 0xFF, 0x81}));  // あ, then no character
    const std::string bytes = test::KypBytes(h, {});
    test::WriteFile(dir / "t.kyp", bytes);
    ByteReader in(dir / "t.kyp");
    FrameFileHeader read;
    ASSERT_TRUE(FrameHeaderRead(in, read));
    EXPECT_EQ(read.SpotA.Text().substr(0, 3), "あ");
    std::string again;
    ASSERT_TRUE(FrameHeaderWrite(again, read));
    EXPECT_EQ(again, bytes);
}

TEST(FrameFile, WriterReplacesTheOldFileWholeAndRefusesOverlongTexts) {
    TempFolder dir;
    test::WriteFile(dir / "f.kyp", std::string(5000, 'x'));
    FrameFileWriter w(dir / "f.kyp");
    ASSERT_TRUE(w.Header(test::SampleHeader("a.kyf")));
    w.Frame(test::Record("AB"));
    ASSERT_TRUE(w.Commit());
    const std::string expected = test::KypBytes(test::SampleHeader("a.kyf"), {test::Record("AB")});
    EXPECT_EQ(test::ReadFile(dir / "f.kyp"), expected) << "no tail of the old file";

    FrameFileHeader huge = test::SampleHeader("a.kyf");
    huge.SpotA = FileText::FromStored(std::string(70000, 'a'));
    FrameFileWriter refused(dir / "f.kyp");
    EXPECT_FALSE(refused.Header(huge));
    refused.Frame(test::Record("CD"));
    EXPECT_FALSE(refused.Commit());
    EXPECT_EQ(test::ReadFile(dir / "f.kyp"), expected);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"f.kyp"}) << "no temporary file left";
}

TEST(FrameFile, ReaderLinesEndOnlyAtCrLf) {
    TempFolder dir;
    test::WriteFile(dir / "l", Bytes({'a', 0x0D, 'b', 0x0D, 0x0A, 0x0D, 0x0D, 0x0A, 'c', 0x0D}));
    ByteReader in(dir / "l");
    std::string line;
    ASSERT_TRUE(in.Line(line));
    EXPECT_EQ(line, Bytes({'a', 0x0D, 'b'}));
    ASSERT_TRUE(in.Line(line));
    EXPECT_EQ(line, Bytes({0x0D}));
    ASSERT_TRUE(in.Line(line));
    EXPECT_EQ(line, Bytes({'c', 0x0D})) << "a last line without CR LF is taken as it is";
    EXPECT_FALSE(in.Line(line));
}

TEST(FrameFile, ReaderLinesAcrossBlocks) {
    TempFolder dir;
    // Lines whose CR LF falls on and around the reader's block boundary.
    std::string bytes;
    std::vector<std::string> lines;
    for (size_t length : {262142u, 1u, 0u, 262143u, 5u}) {
        lines.emplace_back(length, 'x');
        bytes += lines.back() + "\r\n";
    }
    test::WriteFile(dir / "big", bytes);
    ByteReader in(dir / "big");
    std::string line;
    for (const std::string& expected : lines) {
        ASSERT_TRUE(in.Line(line));
        EXPECT_EQ(line.size(), expected.size());
    }
    EXPECT_FALSE(in.Line(line));
    EXPECT_EQ(in.Remaining(), 0);
}

}  // namespace
}  // namespace frames
