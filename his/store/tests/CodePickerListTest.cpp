#include "CodePickerList.h"

#include <gtest/gtest.h>

#include "CodeTable.h"

namespace store {
namespace {

int16_t FormAsIs(int16_t code) { return code; }
std::string NameOfForm(int16_t form) { return "form" + std::to_string(form); }

TEST(CodePickerList, ListsEveryByteThenAnyAndNoByteInTheProgramsCode) {
    CodeTableRead();
    const CodePickerRules rules{FormAsIs, NameOfForm};
    const CodePickerList list = CodePickerListFor(kFormEbcdic, 0x41, rules);
    ASSERT_EQ(list.rows.size(), 258u);
    EXPECT_EQ(list.modeName, "form5");
    EXPECT_EQ(list.rows[0x41][0], "41");
    EXPECT_EQ(list.rows[0x41][1], CodeTable[kFormEbcdic][0x41]);
    EXPECT_EQ(list.rows[256], (std::array<std::string, 2>{"**", "**"}));
    EXPECT_EQ(list.rows[257], (std::array<std::string, 2>{"--", "--"}));
    EXPECT_EQ(list.selectedRow, 0x41);

    // A form the rule gives outside the table lists ASCII.
    const CodePickerList outside = CodePickerListFor(9, -1, rules);
    EXPECT_EQ(outside.modeName, "form1");
    EXPECT_EQ(outside.rows[0x41][1], CodeTable[kFormAscii][0x41]);
}

TEST(CodePickerList, ValuesThatNameNoRowOpenOnNoByte) {
    EXPECT_EQ(CodePickerRow(-1), 257);
    EXPECT_EQ(CodePickerRow(258), 257);
    EXPECT_EQ(CodePickerRow(256), 256);
    EXPECT_EQ(CodePickerRow(0), 0);
}

}  // namespace
}  // namespace store
