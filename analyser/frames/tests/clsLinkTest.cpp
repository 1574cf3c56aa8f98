#include "clsLink.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ByteWriter.h"
#include "FrameTestFiles.h"
#include "clsProtocol.h"
#include "platform/file/tests/FileSizeLimit.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using test::Bytes;

std::string KylHeader(uint32_t magic, const std::string& name, int32_t rows, int16_t columns) {
    std::string out;
    ByteWriter w(out);
    w.U32(magic);
    w.Text(name);
    w.I32(rows);
    w.I16(columns);
    return out;
}

// The example table: columns on items 2 and 5, one row with codes 16 and
// any, name ACK, arrow 1, colour 255.
clsLink Example() {
    clsLink link;
    link.LinkMax(1);
    link.ItemMax(2);
    link.Position(0, 2);
    link.Position(1, 5);
    link.ListIndex(0);
    link.ObjectCode(0, 16);
    link.ObjectCode(1, -1);
    link.ItemName("ACK");
    link.Direction(1);
    link.BackColor(255);
    link.LinkName("応答");
    return link;
}

TEST(clsLink, TheExampleFileBytes) {
    TempFolder dir;
    ASSERT_TRUE(Example().LinkWritre(dir / "e.kyl"));
    const std::string expected = Bytes({0x4C, 0x00, 0x35, 0x4E, 0x04, 0x00, 0x89, 0x9E, 0x93, 0x9A}) +
                                 Bytes({1, 0, 0, 0, 2, 0}) + "2\x01" "5\r\n" "16\x01\x01" "ACK\x01" "1\x01" "255\r\n";
    EXPECT_EQ(test::ReadFile(dir / "e.kyl"), expected);

    clsLink read;
    ASSERT_TRUE(read.LinkRead(dir / "e.kyl"));
    EXPECT_EQ(read.Table(), Example().Table());
    EXPECT_EQ(read.LinkName(), "応答");
    read.ListIndex(0);
    EXPECT_EQ(read.ObjectCode(0), 16);
    EXPECT_EQ(read.ObjectCode(1), -1);
    EXPECT_EQ(read.Position(1), 5);
    EXPECT_EQ(read.ItemName(), "ACK");
    EXPECT_EQ(read.Direction(), 1);
    EXPECT_EQ(read.BackColor(), 255);
}

TEST(clsLink, ReadWriteRoundTripAndTheOlderMagic) {
    TempFolder dir;
    const std::string body = "3\x01\x01-2\r\n"
                             "1.5\x01\x01" "7\x01" "読取\x01" "2\x01" "-2147483648\r\n"
                             "1E+16\x01" "0\x01" "65\x01" "x\x01" "9\x01" "0\r\n";
    const std::string name = "\x8A\xD6\x98\x41";  // 関連 in code page 932
    test::WriteFile(dir / "old.kyl", KylHeader(kLinkMagicOld, name, 2, 3) + body);
    clsLink link;
    ASSERT_TRUE(link.LinkRead(dir / "old.kyl"));
    EXPECT_EQ(link.LinkName(), "関連");
    EXPECT_EQ(link.LinkMax(), 2);
    EXPECT_EQ(link.ItemMax(), 3);
    EXPECT_EQ(link.Position(0), 3);
    EXPECT_EQ(link.Position(1), 0);
    EXPECT_EQ(link.Position(2), -2);
    link.ListIndex(1);
    EXPECT_EQ(link.ObjectCode(0), 1e16);
    EXPECT_EQ(link.Direction(), 0) << "an arrow other than 1 or 2 reads as none";

    ASSERT_TRUE(link.LinkWritre(dir / "new.kyl"));
    // Same bytes but for the magic and the position of 0 or less.
    const std::string expected = KylHeader(kLinkMagic, name, 2, 3) + "3\x01\x01\r\n" +
                                 "1.5\x01\x01" "7\x01" "読取\x01" "2\x01" "-2147483648\r\n"
                                 "1E+16\x01" "0\x01" "65\x01" "x\x01" "0\x01" "0\r\n";
    EXPECT_EQ(test::ReadFile(dir / "new.kyl"), expected);
}

// Codes up to 56 bits read back exactly; those that fifteen digits hold
// are written with fifteen.
TEST(clsLink, WideCodesReadBackExactly) {
    TempFolder dir;
    const double codes[] = {0xC021, 0xFFFFFFFFFFFF, 0x12345678ABCDEF, 72057594037927936.0, 999999999999999};
    clsLink link;
    link.LinkMax(1);
    link.ItemMax(5);
    link.ListIndex(0);
    for (int k = 0; k < 5; ++k) link.ObjectCode(k, codes[k]);
    ASSERT_TRUE(link.LinkWritre(dir / "w.kyl"));
    const std::string bytes = test::ReadFile(dir / "w.kyl");
    EXPECT_NE(bytes.find("49185\x01" "281474976710655\x01" "5124095577148911\x01" "72057594037927936\x01"
                         "999999999999999\x01"),
              std::string::npos);
    clsLink read;
    ASSERT_TRUE(read.LinkRead(dir / "w.kyl"));
    read.ListIndex(0);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(read.ObjectCode(k), codes[k]) << k;
}

TEST(clsLink, DamagedFilesLeaveTheTableAsItWas) {
    TempFolder dir;
    clsLink link = Example();
    const LinkTable before = link.Table();
    EXPECT_FALSE(link.LinkRead(""));
    EXPECT_FALSE(link.LinkRead(dir / "missing.kyl"));
    const std::vector<std::string> bad = {
        KylHeader(0x4E35004D, "n", 1, 1) + "1\r\n1\x01" "a\x01" "0\x01" "0\r\n",   // magic
        KylHeader(kLinkMagic, "n", 2, 1) + "1\r\n1\x01" "a\x01" "0\x01" "0\r\n",   // a row short
        KylHeader(kLinkMagic, "n", 1, 2) + "1\r\n1\x01" "2\x01" "a\x01" "0\r\n",   // positions short
        KylHeader(kLinkMagic, "n", 1, 1) + "x\r\n1\x01" "a\x01" "0\x01" "0\r\n",   // position text
        KylHeader(kLinkMagic, "n", 1, 1) + "1\r\nq\x01" "a\x01" "0\x01" "0\r\n",   // code text
        KylHeader(kLinkMagic, "n", 1, 1) + "1\r\n1\x01" "a\x01" "z\x01" "0\r\n",   // direction text
        KylHeader(kLinkMagic, "n", 1, 1) + "1\r\n1\x01" "a\x01" "0\x01" "9E9\r\n", // colour beyond 32 bits
        KylHeader(kLinkMagic, "n", -1, 1) + "1\r\n",
        KylHeader(kLinkMagic, "n", 2000000000, 30000) + "1\r\n",  // counts the file cannot hold
        KylHeader(kLinkMagic, "n", 1, 1).substr(0, 9),
    };
    for (const std::string& bytes : bad) {
        test::WriteFile(dir / "bad.kyl", bytes);
        EXPECT_FALSE(link.LinkRead(dir / "bad.kyl"));
        EXPECT_EQ(link.Table(), before);
    }
    // A last row without its CR LF is taken as it is.
    test::WriteFile(dir / "end.kyl", KylHeader(kLinkMagic, "n", 1, 1) + "1\r\n4\x01" "end\x01" "2\x01" "5");
    ASSERT_TRUE(link.LinkRead(dir / "end.kyl"));
    link.ListIndex(0);
    EXPECT_EQ(link.ItemName(), "end");
    EXPECT_EQ(link.BackColor(), 5);
}

TEST(clsLink, RowsTooManyForMemoryLeaveTheTableAsItWas) {
    if (test::kAddressSanitizer) GTEST_SKIP() << "no address space limit under the address sanitizer";
    TempFolder dir;
    clsLink link = Example();
    const LinkTable before = link.Table();
    // 32767 empty codes a row: 32 KB of file, 256 KB of codes. 256 rows,
    // read with room for 16 MB.
    constexpr int16_t kColumns = 32767;
    std::string bytes = KylHeader(kLinkMagic, "n", 256, kColumns) + std::string(kColumns - 1, '\x01') + "\r\n";
    for (int r = 0; r < 256; ++r) bytes += std::string(kColumns, '\x01') + "n\x01" "0\x01" "0\r\n";
    test::WriteFile(dir / "wide.kyl", bytes);
    const int code = test::ExitCodeWithMemoryHeadroom(16 << 20, [&] {
        return !link.LinkRead(dir / "wide.kyl") && link.Table() == before ? 0 : 1;
    });
    EXPECT_EQ(code, 0) << "1: read, or the table changed; 2: an exception escaped";
    ASSERT_TRUE(link.LinkRead(dir / "wide.kyl")) << "with memory enough";
    EXPECT_EQ(link.LinkMax(), 256);
}

TEST(clsLink, TableModeAccessors) {
    clsLink link;
    EXPECT_EQ(link.Mode(), 1);
    EXPECT_EQ(link.ObjectCode(0), -1);
    EXPECT_EQ(link.ItemName(), "");
    link.LinkMax(3);
    EXPECT_EQ(link.ItemName(), "") << "no rows until both counts are set";
    link.ItemMax(2);
    link.ListIndex(2);
    link.ItemName("二行\r\n目\x01");
    link.Direction(2);
    EXPECT_EQ(link.ItemName(), "二行目");
    EXPECT_EQ(link.ObjectCode(1), 0);
    EXPECT_EQ(link.ObjectCode(2), -1);
    link.ListIndex(4);  // beyond LinkMax: ignored
    EXPECT_EQ(link.ListIndex(), 2);
    link.ListIndex(3);  // LinkMax itself addresses no row
    EXPECT_EQ(link.ItemName(), "");
    link.ItemName("ignored");
    link.ListIndex(-1);
    EXPECT_EQ(link.Direction(), 0);

    link.LinkMax(3);  // the current value keeps the rows
    link.LinkMax(0);
    link.ListIndex(2);
    EXPECT_EQ(link.Direction(), 2);
    link.LinkMax(4);  // another value clears them
    EXPECT_EQ(link.Direction(), 0);
    EXPECT_EQ(link.ItemName(), "");

    link.Mode(7);
    EXPECT_EQ(link.Mode(), 1);
    link.Mode(2);
    EXPECT_EQ(link.Position(0), -1) << "positions are for editing";
    link.LinkMax(9);
    EXPECT_EQ(link.LinkMax(), 4) << "no resizing while joined";
}

class clsLinkJoined : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteConfig(dir_ / "c.kyf", test::Config({{"kind", kItemCode, 8}, {"sub", kItemCode, 8}}));
        const std::vector<FrameRecord> frames = {test::Record(Bytes({0x10, 0x01})), test::Record(Bytes({0x10, 0x02})),
                                                 test::Record(Bytes({0x20, 0x07})), test::Record(Bytes({0x30}))};
        test::WriteFile(dir_ / "f.kyp", test::KypBytes(test::SampleHeader(dir_ / "c.kyf"), frames));
        ASSERT_EQ(doc_.FileRead(dir_ / "f.kyp"), 0);
    }
    // Rows of (kind, sub) codes on items 1 and 2.
    clsLink Table(const std::vector<std::pair<double, double>>& codes) {
        clsLink link;
        link.LinkMax(static_cast<int32_t>(codes.size()));
        link.ItemMax(2);
        link.Position(0, 1);
        link.Position(1, 2);
        for (size_t r = 0; r < codes.size(); ++r) {
            link.ListIndex(static_cast<int32_t>(r));
            link.ObjectCode(0, codes[r].first);
            link.ObjectCode(1, codes[r].second);
            link.ItemName("row" + std::to_string(r));
            link.Direction(static_cast<int32_t>(r % 3));
            link.BackColor(static_cast<int32_t>(100 + r));
        }
        return link;
    }
    std::string NameOf(clsLink& link, int32_t frame) {
        link.ListIndex(frame);
        return link.ItemName();
    }

    TempFolder dir_;
    clsProtocol doc_;
};

TEST_F(clsLinkJoined, FramesTakeTheFirstMatchingRow) {
    clsLink link = Table({{16, 2}, {16, -1}, {32, 7}, {-1, -1}, {48, 0}});
    ASSERT_TRUE(link.DataJoint(doc_));
    EXPECT_EQ(link.Mode(), 2);
    EXPECT_EQ(NameOf(link, 0), "row1");
    EXPECT_EQ(NameOf(link, 1), "row0");
    EXPECT_EQ(link.Direction(), 0);
    EXPECT_EQ(link.BackColor(), 100);
    EXPECT_EQ(NameOf(link, 2), "row2");
    EXPECT_EQ(link.Direction(), 2);
    EXPECT_EQ(NameOf(link, 3), "row3") << "the all-any row hides the rows after it";
    EXPECT_EQ(NameOf(link, 4), "");
    EXPECT_EQ(link.BackColor(), 0);
    EXPECT_EQ(NameOf(link, -1), "");

    clsLink exact = Table({{16.5, -1}});
    ASSERT_TRUE(exact.DataJoint(doc_));
    EXPECT_EQ(NameOf(exact, 0), "") << "codes compare exactly";

    clsProtocol empty;
    clsLink unjoined = Table({{-1, -1}});
    EXPECT_FALSE(unjoined.DataJoint(empty));
    EXPECT_EQ(unjoined.Mode(), 1);
}

TEST_F(clsLinkJoined, SelFindComparesColumnsInOrder) {
    const clsLink link = Table({{16, 2}, {32, -1}});
    EXPECT_EQ(link.SelFind("16,2"), "row0");
    EXPECT_EQ(link.SelFind(" 32 , 99"), "row1");
    EXPECT_EQ(link.SelFind("32"), "row1") << "one value compares the first column only";
    EXPECT_EQ(link.SelFind("16"), "row0");
    EXPECT_EQ(link.SelFind("16,x"), "");
    EXPECT_EQ(link.SelFind(""), "");
    EXPECT_EQ(link.SelFind("16,2,zz"), "row0") << "values beyond the columns are not looked at";
    EXPECT_EQ(link.SelFind("17,2"), "");
}

TEST(clsLinkFolder, ListsOnlyCurrentMagicFilesSorted) {
    TempFolder dir;
    Example().LinkWritre(dir / "b.kyl");
    clsLink named = Example();
    named.LinkName("一番");
    named.LinkWritre(dir / "A.KYL");
    test::WriteFile(dir / "old.kyl", KylHeader(kLinkMagicOld, "old", 1, 1) + "1\r\n1\x01" "a\x01" "0\x01" "0\r\n");
    test::WriteFile(dir / "junk.kyl", "junk");
    test::WriteFile(dir / "cut.kyl", KylHeader(kLinkMagic, "名前が長い", 1, 1).substr(0, 8));
    test::WriteFile(dir / "short.kyl", "L\x00");
    std::filesystem::create_symlink("/proc/self/mem", dir / "unreadable.kyl");
    clsLink link;
    link.DirName(dir.path());
    ASSERT_EQ(link.DirLinkNameNo(), 2);
    EXPECT_EQ(link.DirLinkName(0), "一番");
    EXPECT_EQ(link.DirLinkFileName(0), dir / "A.KYL");
    EXPECT_EQ(link.DirLinkName(1), "応答");
    EXPECT_EQ(link.DirLinkName(2), "");
    EXPECT_EQ(link.DirLinkFileName(2), "");
    EXPECT_TRUE(link.LinkRead(dir / "old.kyl")) << "not listed, but readable";
}

TEST(clsLink, AFailedWriteKeepsTheOldFile) {
    TempFolder dir;
    test::WriteFile(dir / "keep.kyl", "old");
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(Example().LinkWritre(dir / "keep.kyl"));
    }
    EXPECT_EQ(test::ReadFile(dir / "keep.kyl"), "old");
    EXPECT_FALSE(Example().LinkWritre(""));
}

}  // namespace
}  // namespace frames
