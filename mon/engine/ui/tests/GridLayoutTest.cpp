#include "GridLayout.h"

#include <gtest/gtest.h>

#include <numeric>

namespace mon {
namespace {

constexpr int kRow = 300;

TEST(FrmChgLayout, DetailModeHasAHeaderAndFixedWidthsWithTheRestInTheLastColumn) {
    const GridLayout g = FrmChgLayout(kDisplayDetail, 9000, 3000, kRow);
    EXPECT_EQ(g.cols, 13);
    EXPECT_EQ(g.fixedRows, 1);
    EXPECT_EQ(g.rows, 9) << "3000 / 300 - 1, the header row included";
    const std::vector<int> widths = {800, 800, 800, 600, 2000, 400, 300,
                                     300, 300, 300, 300, 700,  1400};
    EXPECT_EQ(g.colWidths, widths);
    EXPECT_EQ(std::accumulate(widths.begin(), widths.end() - 1, 0), kDetailFixedTwips);
    const std::vector<std::string> headers = {"TR", "SD", "RD", "DATA", "DATE", "CH", "S",
                                              "T",  "P",  "O",  "F",    "TIME", ""};
    EXPECT_EQ(g.headers, headers);
    EXPECT_EQ(g.align, CellAlign::Centre);
    EXPECT_EQ(g.selection, 1);
}

TEST(FrmChgLayout, ANarrowDetailGridGivesTheLastColumnNoWidth) {
    EXPECT_EQ(FrmChgLayout(kDisplayDetail, 7000, 3000, kRow).colWidths.back(), 0);
    EXPECT_EQ(FrmChgLayout(kDisplayDetail, 7600, 3000, kRow).colWidths.back(), 0);
    EXPECT_EQ(FrmChgLayout(kDisplayDetail, 7601, 3000, kRow).colWidths.back(), 1);
}

TEST(FrmChgLayout, ADateWiderThanItsColumnTakesItsWidthFromTheLastColumn) {
    const GridLayout wide = FrmChgLayout(kDisplayDetail, 9000, 3000, kRow, 2300);
    EXPECT_EQ(wide.colWidths[kDetailDateCol], 2300);
    EXPECT_EQ(wide.colWidths.back(), 1100);
    EXPECT_EQ(std::accumulate(wide.colWidths.begin(), wide.colWidths.end(), 0), 9000);
    EXPECT_EQ(FrmChgLayout(kDisplayDetail, 7700, 3000, kRow, 2300).colWidths.back(), 0);
    EXPECT_EQ(FrmChgLayout(kDisplayDetail, 9000, 3000, kRow, 1500).colWidths[kDetailDateCol], 2000)
        << "never narrower than designed";
    EXPECT_EQ(FrmChgLayout(kDisplayData, 8000, 3000, kRow, 2300).colWidths, std::vector<int>(19, 400));
}

TEST(FrmChgLayout, DataModeFillsTheWidthWithCellsOf400TwipsLessOne) {
    const GridLayout g = FrmChgLayout(kDisplayData, 8000, 3000, kRow);
    EXPECT_EQ(g.cols, 19);
    EXPECT_EQ(g.colWidths, std::vector<int>(19, 400));
    EXPECT_EQ(g.rows, 9);
    EXPECT_EQ(g.fixedRows, 0);
    EXPECT_TRUE(g.headers.empty());
    EXPECT_EQ(g.align, CellAlign::Right);
    EXPECT_EQ(g.selection, 0);
}

TEST(FrmChgLayout, CountsRoundHalvesToTheEvenNumber) {
    EXPECT_EQ(FrmChgLayout(kDisplayData, 8200, 3000, kRow).cols, 20) << "19.5";
    EXPECT_EQ(FrmChgLayout(kDisplayData, 8600, 3000, kRow).cols, 20) << "20.5";
    EXPECT_EQ(FrmChgLayout(kDisplayData, 8100, 3000, kRow).cols, 19) << "19.25";
    EXPECT_EQ(FrmChgLayout(kDisplayData, 8000, 2250, kRow).rows, 6) << "6.5";
    EXPECT_EQ(FrmChgLayout(kDisplayDetail, 8000, 2550, kRow).rows, 8) << "7.5";
}

TEST(FrmChgLayout, ATinyGridHasNoNegativeCountsAndKeepsItsHeader) {
    const GridLayout data = FrmChgLayout(kDisplayData, 100, 100, kRow);
    EXPECT_EQ(data.cols, 0);
    EXPECT_EQ(data.rows, 0);
    EXPECT_TRUE(data.colWidths.empty());
    const GridLayout detail = FrmChgLayout(kDisplayDetail, 100, 100, kRow);
    EXPECT_EQ(detail.rows, 1);
    EXPECT_EQ(FrmChgLayout(kDisplayData, 8000, 3000, 0).rows, 0) << "no row height, no rows";
}

TEST(FrmChgLayout, AnyModeButDataLaysOutAsDetail) {
    EXPECT_EQ(FrmChgLayout(0, 9000, 3000, kRow).cols, 13);
    EXPECT_EQ(FrmChgLayout(7, 9000, 3000, kRow).fixedRows, 1);
}

}  // namespace
}  // namespace mon
