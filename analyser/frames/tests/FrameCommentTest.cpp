#include <gtest/gtest.h>

#include "FrameComment.h"
#include "FrameTestFiles.h"

namespace frames {
namespace {

using test::Bytes;

TEST(FrameComment, StoredAsUtf16LittleEndian) {
    EXPECT_EQ(CommentStore("A応"), Bytes({'A', 0, 0xDC, 0x5F}));
    EXPECT_EQ(CommentStore("😀"), Bytes({0x3D, 0xD8, 0x00, 0xDE}));
    EXPECT_EQ(CommentText(CommentStore("A応😀")), "A応😀");
    EXPECT_EQ(CommentStore(""), "");
}

TEST(FrameComment, LineBreaksAreRemovedWhenSet) {
    EXPECT_EQ(CommentText(CommentStore("一行目\r\n二行目\n")), "一行目二行目");
}

TEST(FrameComment, NeverHoldsTheLineEndPair) {
    // U+0A0D is the pair itself; U+0D15 then U+300A ("《") put 0D 0A across
    // the two characters.
    EXPECT_EQ(CommentStore("\u0A0D"), Bytes({0xFD, 0xFF}));
    EXPECT_EQ(CommentStore("\u0D15\u300A"), Bytes({0x15, 0x0D, 0xFD, 0xFF}));
    EXPECT_EQ(CommentStore("\u300A\u0D15"), Bytes({0x0A, 0x30, 0x15, 0x0D}));
    for (const char* text : {"\u0A0D", "\u0D15\u300A", "\u0D15\U0001000A", "a\u0D0D\u010A"}) {
        EXPECT_EQ(CommentStore(text).find("\r\n"), std::string::npos) << text;
    }
}

TEST(FrameComment, BadInputShowsAsReplacement) {
    EXPECT_EQ(CommentText(Bytes({'A', 0, 'B'})), "A\uFFFD");          // odd last byte
    EXPECT_EQ(CommentText(Bytes({0x00, 0xD8, 'A', 0})), "\uFFFDA");   // lone high surrogate
    EXPECT_EQ(CommentText(Bytes({0x00, 0xDC})), "\uFFFD");            // lone low surrogate
    EXPECT_EQ(CommentStore("a\xFF" "b"), Bytes({'a', 0, 0xFD, 0xFF, 'b', 0}));
    EXPECT_EQ(CommentStore("\xE3\x81"), Bytes({0xFD, 0xFF, 0xFD, 0xFF})) << "cut sequence";
}

}  // namespace
}  // namespace frames
