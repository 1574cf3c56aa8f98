#include <gtest/gtest.h>

#include "Ky2Format.h"
#include "platform/file/tests/TempFolder.h"

namespace store {
namespace {

TEST(Ky2Format, CharacterTimeWordsDecodeAndEncode) {
    EXPECT_EQ(CharTimeRange(0x5805), 5);
    EXPECT_EQ(CharTimeValue(0x5805), 5);
    EXPECT_EQ(CharTimeRange(0x4C7F), 3);
    EXPECT_EQ(CharTimeValue(0x4C7F), 127);
    EXPECT_EQ(CharTimeRange(0x5C00), 5) << "code 7 reads as 5";
    EXPECT_EQ(CharTimeRange(0x6C7F), 3) << "bit 0x2000 is ignored";
    EXPECT_EQ(CharTimeWord(0, 0), 0x4000);
    EXPECT_EQ(CharTimeWord(5, 1023), 0x57FF);
    EXPECT_EQ(CharTimeScaled(2, 15), 1500);
    EXPECT_EQ(CharTimeScaled(4, 1023), 10230000);
    EXPECT_EQ(CharTimeScaled(5, 7), -1);
    EXPECT_EQ(ItemKindOf(0xC0), ItemKind::Unit);
    EXPECT_EQ(ItemKindOf(0x40), ItemKind::CharTime);
    EXPECT_EQ(ItemKindOf(0x0D), ItemKind::End);
}

TEST(Ky2Format, NamesLoseOnlyTheExtensionOfTheFileName) {
    EXPECT_EQ(StripFileExtension("/data/Cap_02.ky2"), "/data/Cap_02");
    EXPECT_EQ(StripFileExtension("/home/u/.local/Cap_02.ky2"), "/home/u/.local/Cap_02");
    EXPECT_EQ(StripFileExtension("/v1.2/Cap_02"), "/v1.2/Cap_02");
    EXPECT_EQ(StripFileExtension("D:\\data.old\\Cap_02.ky2"), "D:\\data.old\\Cap_02");
    EXPECT_EQ(AppendFlagsSuffix(7), "_bte");
    EXPECT_EQ(AppendFlagsSuffix(6), "_te");
    EXPECT_EQ(AppendFlagsSuffix(8), "_");
}

TEST(Ky2Format, TheFollowingFileIsProbedByItsEndingsInOrder) {
    TempFolder dir("chain.v1.2");
    const std::string written = dir / "Cap_02.ky2";
    EXPECT_EQ(ProbeFollowFile(written), "") << "no candidate exists";
    EXPECT_EQ(ProbeFollowFile(""), "");

    TempFolder::WriteAll(dir / "Cap_02_t.ky2", "x");
    EXPECT_EQ(ProbeFollowFile(written), dir / "Cap_02_t.ky2") << "a middle file with the trigger";
    TempFolder::WriteAll(dir / "Cap_02_e.ky2", "x");
    EXPECT_EQ(ProbeFollowFile(written), dir / "Cap_02_e.ky2");
    TempFolder::WriteAll(dir / "Cap_02_te.ky2", "x");
    EXPECT_EQ(ProbeFollowFile(written), dir / "Cap_02_te.ky2");
    TempFolder::WriteAll(dir / "Cap_02_bte.ky2", "x");
    EXPECT_EQ(ProbeFollowFile(written), dir / "Cap_02_bte.ky2");
    TempFolder::WriteAll(dir / "Cap_02_be.ky2", "x");
    EXPECT_EQ(ProbeFollowFile(written), dir / "Cap_02_be.ky2");
    TempFolder::WriteAll(written, "x");
    EXPECT_EQ(ProbeFollowFile(written), written) << "the name as written comes first";
}

}  // namespace
}  // namespace store
