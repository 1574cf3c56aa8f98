#include "clsFrameConfig.h"

#include <gtest/gtest.h>

#include "ByteWriter.h"
#include "FrameTestFiles.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using test::Bytes;
using test::Config;

std::string KyfBytes(uint32_t magic, const std::string& name, int16_t count, int16_t mode,
                     const std::vector<test::ItemSpec>& items) {
    std::string out;
    ByteWriter w(out);
    w.U32(magic);
    w.Text(name);
    w.I16(count);
    w.I16(mode);
    for (const auto& item : items) {
        w.Text(item.name);
        w.I16(item.type);
        w.I16(item.size);
        w.I16(item.span);
        w.I16(item.unit);
    }
    return out;
}

TEST(clsFrameConfig, NewObjectAndIndexDefaults) {
    clsFrameConfig c;
    EXPECT_EQ(c.FrameName(), "");
    EXPECT_EQ(c.FrameMode(), 0);
    EXPECT_EQ(c.ItemMax(), 0);
    EXPECT_EQ(c.DirFrameNameNo(), 0);
    EXPECT_EQ(c.ItemType(0), 2);
    EXPECT_EQ(c.ItemUnit(-1), 1);
    c.ItemName(0, "x");  // beyond the items: nothing happens
    EXPECT_EQ(c.ItemName(0), "");

    c.ItemMax(3);
    EXPECT_EQ(c.ItemMax(), 3);
    EXPECT_EQ(c.ItemUnit(2), 1);
    EXPECT_EQ(c.ItemType(2), 0);
    c.ItemSize(1, 12);
    c.ItemMax(3);  // the same count keeps the items
    EXPECT_EQ(c.ItemSize(1), 12);
    c.ItemMax(4);  // another count empties them all
    EXPECT_EQ(c.ItemSize(1), 0);
    EXPECT_EQ(c.ItemUnit(1), 1);
    c.ItemMax(-2);
    EXPECT_EQ(c.ItemMax(), 4);
}

TEST(clsFrameConfig, WriteReadRoundTripWithCurrentMagic) {
    TempFolder dir;
    const auto c = Config({{"ヘッダ", kItemCode, 8}, {"長さ", kItemLength, 16, 0, 2}, {"データ", 4, 0, 2}},
                          0, "計測フレーム");
    ASSERT_TRUE(c.FrameWrite(dir / "a.kyf"));
    const std::string bytes = test::ReadFile(dir / "a.kyf");
    EXPECT_EQ(bytes.substr(0, 4), Bytes({0x50, 0x00, 0x35, 0x4E}));
    clsFrameConfig r;
    ASSERT_TRUE(r.FrameRead(dir / "a.kyf"));
    EXPECT_EQ(r, c);
    EXPECT_EQ(r.FrameName(), "計測フレーム");
    EXPECT_EQ(r.ItemName(2), "データ");
    EXPECT_EQ(r.ItemType(2), 4);
    EXPECT_EQ(r.ItemUnit(1), 2);
    EXPECT_EQ(r.ItemSpan(2), 2);

    // A shorter configuration over the file leaves no old tail behind.
    ASSERT_TRUE(Config({{"a", kItemCode, 8}}).FrameWrite(dir / "a.kyf"));
    std::string shorter;
    ASSERT_TRUE(FrameConfigBytes(Config({{"a", kItemCode, 8}}), shorter));
    EXPECT_EQ(test::ReadFile(dir / "a.kyf"), shorter);
}

TEST(clsFrameConfig, OlderMagicReadsAndIsWrittenBackCurrent) {
    TempFolder dir;
    const std::string old = KyfBytes(kFrameMagicOld, "old", 1, -3, {{"a", 0, 8}});
    test::WriteFile(dir / "o.kyf", old);
    clsFrameConfig c;
    ASSERT_TRUE(c.FrameRead(dir / "o.kyf"));
    EXPECT_EQ(c.FrameMode(), -3) << "the mode is sign-extended";
    ASSERT_TRUE(c.FrameWrite(dir / "n.kyf"));
    const std::string written = test::ReadFile(dir / "n.kyf");
    EXPECT_EQ(written.substr(0, 4), Bytes({0x50, 0x00, 0x35, 0x4E}));
    EXPECT_EQ(written.substr(4), old.substr(4));
}

TEST(clsFrameConfig, FailedReadsLeaveTheObjectAlone) {
    TempFolder dir;
    clsFrameConfig c = Config({{"keep", kItemCode, 8}}, 1, "前");
    EXPECT_FALSE(c.FrameRead(dir / "missing.kyf"));
    EXPECT_FALSE(c.FrameRead(""));
    test::WriteFile(dir / "m.kyf", KyfBytes(0x4E350051, "bad", 1, 0, {{"a", 0, 8}}));
    EXPECT_FALSE(c.FrameRead(dir / "m.kyf"));
    test::WriteFile(dir / "n.kyf", KyfBytes(kFrameMagic, "neg", -1, 0, {}));
    EXPECT_FALSE(c.FrameRead(dir / "n.kyf"));
    EXPECT_EQ(c.ItemMax(), 1);
    EXPECT_EQ(c.ItemName(0), "keep");

    // A count of 0: false, no items, name and mode as they were.
    test::WriteFile(dir / "z.kyf", KyfBytes(kFrameMagic, "zero", 0, 0, {}));
    EXPECT_FALSE(c.FrameRead(dir / "z.kyf"));
    EXPECT_EQ(c.ItemMax(), 0);
    EXPECT_EQ(c.FrameName(), "前");
    EXPECT_EQ(c.FrameMode(), 1);
}

TEST(clsFrameConfig, AFileCutInsideItsItemsKeepsTheWholeItemsBeforeTheCut) {
    TempFolder dir;
    const std::string whole = KyfBytes(kFrameMagic, "cut", 3, 0, {{"one", 0, 8, 0, 5}, {"two", 1, 16, 0, 3}});
    // Cut inside the second item's record: only the first stays.
    test::WriteFile(dir / "c.kyf", whole.substr(0, whole.size() - 3));
    clsFrameConfig c;
    ASSERT_TRUE(c.FrameRead(dir / "c.kyf"));
    EXPECT_EQ(c.ItemMax(), 3);
    EXPECT_EQ(c.ItemName(0), "one");
    EXPECT_EQ(c.ItemUnit(0), 5);
    EXPECT_EQ(c.ItemName(1), "");
    EXPECT_EQ(c.ItemSize(1), 0);
    EXPECT_EQ(c.ItemUnit(1), 0) << "items the file lacks have unit 0";
    EXPECT_EQ(c.ItemUnit(2), 0);
    EXPECT_EQ(c.ItemType(2), 0);

    // A huge count in a tiny file holds nothing it does not have.
    test::WriteFile(dir / "h.kyf", KyfBytes(kFrameMagic, "huge", 32767, 0, {{"only", 0, 8}}));
    ASSERT_TRUE(c.FrameRead(dir / "h.kyf"));
    EXPECT_EQ(c.ItemMax(), 32767);
    EXPECT_EQ(c.ItemName(0), "only");
    EXPECT_EQ(c.ItemUnit(32766), 0);
}

TEST(clsFrameConfig, WriteFailuresAreReported) {
    TempFolder dir;
    clsFrameConfig wide = Config({{"a", 0, 8}});
    wide.FrameMode(70000);
    EXPECT_FALSE(wide.FrameWrite(dir / "w.kyf"));
    EXPECT_FALSE(Config({{"a", 0, 8}}).FrameWrite(dir / "no-such-folder/x.kyf"));
    EXPECT_TRUE(dir.Names().empty());
}

TEST(clsFrameConfig, BuiltInPppDefinition) {
    TempFolder dir;
    clsFrameConfig c;
    EXPECT_FALSE(c.FramePPPWrite(""));
    ASSERT_TRUE(c.FramePPPWrite(dir / "ppp.kyf"));
    EXPECT_EQ(c.ItemMax(), 0) << "the object itself is not touched";
    ASSERT_TRUE(c.FrameRead(dir / "ppp.kyf"));
    EXPECT_EQ(c.FrameName(), "ＰＰＰプロトコル");
    EXPECT_EQ(c.FrameMode(), 1);
    ASSERT_EQ(c.ItemMax(), 7);
    const char* names[] = {"フラグ", "アドレス", "制御", "プロトコル", "情報", "ＦＣＳ", "フラグ"};
    const int16_t types[] = {2, 2, 2, 0, 2, 2, 2};
    const int16_t sizes[] = {8, 8, 8, 16, 0, 16, 8};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(c.ItemName(i), names[i]);
        EXPECT_EQ(c.ItemType(i), types[i]);
        EXPECT_EQ(c.ItemSize(i), sizes[i]);
        EXPECT_EQ(c.ItemSpan(i), 0);
        EXPECT_EQ(c.ItemUnit(i), 1);
    }
}

TEST(clsFrameConfig, FolderListingSortedWithStoredNames) {
    TempFolder dir;
    Config({{"a", 0, 8}}, 0, "ベータ").FrameWrite(dir / "b.kyf");
    Config({{"a", 0, 8}}, 0, "アルファ").FrameWrite(dir / "A.KYF");
    test::WriteFile(dir / "c.kyf", Bytes({1, 2, 3, 4, 2, 0, 'h', 'i', 9, 9}));  // not a configuration
    test::WriteFile(dir / "d.kyf", "");
    test::WriteFile(dir / "e.txt", "x");
    clsFrameConfig c;
    c.DirName(dir.path());
    EXPECT_EQ(c.DirName(), dir.path());
    ASSERT_EQ(c.DirFrameNameNo(), 4);
    EXPECT_EQ(c.DirFrameName(0), "アルファ");
    EXPECT_EQ(c.DirFrameFilename(0), dir / "A.KYF");
    EXPECT_EQ(c.DirFrameName(1), "ベータ");
    EXPECT_EQ(c.DirFrameName(2), "hi");
    EXPECT_EQ(c.DirFrameName(3), "");
    EXPECT_EQ(c.DirFrameName(4), "");
    EXPECT_EQ(c.DirFrameFilename(-1), "");
    c.FrameTblClr();
    EXPECT_EQ(c.DirFrameNameNo(), 0);
    EXPECT_EQ(c.DirName(), "");
}

}  // namespace
}  // namespace frames
