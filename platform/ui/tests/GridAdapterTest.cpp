#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "GridAdapter.h"
#include "Twips.h"

namespace platform {
namespace {

// A grid shown on the offscreen screen, wide and high enough for its cells.
class GridAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(400, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    QPoint CellCentre(int row, int col) {
        const QRect r = grid.visualRect(grid.Model().index(row, col));
        return r.center();
    }

    GridAdapter grid;
};

TEST_F(GridAdapterTest, CellsKeepTheirTextWhenTheGridGrowsOrShrinks) {
    grid.SetRows(3);
    grid.SetCols(3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) grid.SetTextMatrix(r, c, QString("%1%2").arg(r).arg(c));
    }
    grid.SetCols(5);
    grid.SetRows(4);
    EXPECT_EQ(grid.TextMatrix(2, 2), "22");
    EXPECT_EQ(grid.TextMatrix(1, 4), "");
    EXPECT_EQ(grid.TextMatrix(3, 0), "");
    grid.SetCols(2);
    grid.SetRows(2);
    EXPECT_EQ(grid.TextMatrix(1, 1), "11");
    EXPECT_EQ(grid.TextMatrix(1, 2), "") << "outside the grid";
    grid.SetTextMatrix(5, 5, "x");
    EXPECT_EQ(grid.Model().rowCount(), 2);
    grid.SetCols(3);
    EXPECT_EQ(grid.TextMatrix(0, 2), "") << "a column dropped and added again is empty";

    grid.SetCellForeColor(0, 0, Qt::red);
    grid.SetCellBackColor(1, 1, Qt::yellow);
    EXPECT_EQ(grid.Model().index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(grid.Model().index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    grid.Clear();
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_FALSE(grid.CellForeColor(0, 0).isValid());
    EXPECT_EQ(grid.Rows(), 2) << "clearing keeps the size";
}

TEST_F(GridAdapterTest, FixedCellsLookLikeHeadingsAndCannotBecomeCurrent) {
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    EXPECT_TRUE(grid.Model().index(0, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(grid.Model().index(3, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(grid.Model().index(1, 1).data(Qt::BackgroundRole).isValid());

    EXPECT_FALSE(grid.SetCurrentCell(0, 1));
    ASSERT_TRUE(grid.SetCurrentCell(1, 1));
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1) << "the key cannot move the cell into the heading row";
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(2, 0));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(2, 2));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 2);

    grid.SetEditable(true);
    EXPECT_FALSE(grid.Model().flags(grid.Model().index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.Model().flags(grid.Model().index(1, 1)) & Qt::ItemIsEditable);
}

TEST_F(GridAdapterTest, WidthsAndHeightsAreTwipsAndZeroHides) {
    grid.SetRows(3);
    grid.SetCols(3);
    grid.SetColWidth(1, 600);
    EXPECT_EQ(grid.columnWidth(1), TwipsToPixels(600, &grid));
    EXPECT_EQ(grid.ColWidth(1), 600);
    grid.SetRowHeight(2, 0);
    EXPECT_TRUE(grid.isRowHidden(2));
    EXPECT_EQ(grid.RowHeight(2), 0);
    grid.SetRowHeight(2, 300);
    EXPECT_FALSE(grid.isRowHidden(2));
    EXPECT_EQ(grid.rowHeight(2), TwipsToPixels(300, &grid));
    grid.SetColWidth(0, 0);
    EXPECT_TRUE(grid.isColumnHidden(0));

    // Widths belong to the column number: they come back with the column.
    grid.SetCols(1);
    grid.SetCols(3);
    EXPECT_EQ(grid.columnWidth(1), TwipsToPixels(600, &grid));

    grid.SetDefaultRowHeight(240);
    grid.SetRows(5);
    EXPECT_EQ(grid.rowHeight(4), TwipsToPixels(240, &grid));
    EXPECT_EQ(grid.rowHeight(2), TwipsToPixels(300, &grid)) << "a row's own height stands";
    grid.FitToCells();
    EXPECT_EQ(grid.height(), 2 * grid.frameWidth() + 4 * TwipsToPixels(240, &grid) +
                                 TwipsToPixels(300, &grid));
}

TEST_F(GridAdapterTest, TopRowScrollsTheRowToTheTop) {
    grid.SetRows(100);
    grid.SetCols(2);
    grid.SetDefaultRowHeight(240);
    EXPECT_EQ(grid.TopRow(), 0);
    grid.SetTopRow(40);
    QApplication::processEvents();
    EXPECT_EQ(grid.TopRow(), 40);
    grid.SetTopRow(1000);
    QApplication::processEvents();
    EXPECT_GT(grid.TopRow(), 40) << "as far down as the rows allow";
    EXPECT_LT(grid.TopRow(), 100);
}

TEST_F(GridAdapterTest, MarkedRowsAndColumnsMergeEqualNeighbours) {
    grid.SetRows(3);
    grid.SetCols(4);
    for (int c = 0; c < 4; ++c) grid.SetTextMatrix(0, c, c < 3 ? "A" : "B");
    grid.SetMergeRow(0, true);
    EXPECT_EQ(grid.columnSpan(0, 0), 3);
    EXPECT_EQ(grid.columnSpan(0, 3), 1);
    grid.SetTextMatrix(0, 1, "C");
    EXPECT_EQ(grid.columnSpan(0, 0), 1) << "a changed text breaks the merge";
    grid.SetTextMatrix(0, 1, "");
    grid.SetTextMatrix(0, 2, "");
    EXPECT_EQ(grid.columnSpan(0, 1), 1) << "empty cells never merge";

    grid.SetTextMatrix(1, 3, "B");
    grid.SetTextMatrix(2, 3, "B");
    grid.SetMergeCol(3, true);
    EXPECT_EQ(grid.rowSpan(0, 3), 3);
    grid.SetMergeRow(0, false);
    grid.SetMergeCol(3, false);
    EXPECT_EQ(grid.rowSpan(0, 3), 1);
}

TEST_F(GridAdapterTest, AComboColumnEditsByItsListAndReportsTheEdit) {
    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetEditable(true);
    grid.SetColComboList(1, {"DUAL", "SD", "RD"});
    grid.SetTextMatrix(1, 1, "SD");
    QSignalSpy edits(&grid, &GridAdapter::AfterEdit);
    ASSERT_TRUE(grid.EditCell(1, 1));
    auto* combo = grid.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "SD");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QApplication::processEvents();
    EXPECT_EQ(grid.TextMatrix(1, 1), "RD");
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits.at(0).at(0).toInt(), 1);
    EXPECT_EQ(edits.at(0).at(1).toInt(), 1);

    grid.BeforeEdit = [](int, int col) { return col != 0; };
    EXPECT_FALSE(grid.EditCell(1, 0)) << "the grid's owner refused the editor";
}

TEST_F(GridAdapterTest, ARefusedTextKeepsTheEditorOpenAndTheCellUnchanged) {
    grid.SetRows(2);
    grid.SetCols(2);
    grid.SetEditable(true);
    grid.SetTextMatrix(0, 0, "7");
    grid.ValidateEdit = [](int, int, const QString& text) { return text.toInt() < 10; };
    ASSERT_TRUE(grid.EditCell(0, 0));
    auto* edit = grid.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setText("12");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(grid.Editing());
    EXPECT_EQ(grid.TextMatrix(0, 0), "7");
    edit->setText("9");
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(grid.Editing());
    EXPECT_EQ(grid.TextMatrix(0, 0), "9");
}

TEST_F(GridAdapterTest, KeysAndMouseAreReportedWithTheirCells) {
    grid.SetRows(2);
    grid.SetCols(3);
    for (int c = 0; c < 3; ++c) grid.SetTextMatrix(0, c, QString(QChar('a' + c)));
    ASSERT_TRUE(grid.SetCurrentCell(0, 0));
    QSignalSpy typed(&grid, &GridAdapter::KeyTyped);
    QSignalSpy released(&grid, &GridAdapter::KeyReleased);
    QSignalSpy moved(&grid, &GridAdapter::CurrentCellChanged);
    QSignalSpy doubled(&grid, &GridAdapter::CellDoubleClicked);
    QSignalSpy right(&grid, &GridAdapter::RightButtonReleased);

    QTest::keyClick(&grid, Qt::Key_C, Qt::NoModifier);
    ASSERT_EQ(typed.count(), 1);
    EXPECT_EQ(typed.at(0).at(0).toString(), "c");
    EXPECT_EQ(grid.Col(), 0) << "a typed letter does not jump to a cell holding it";
    EXPECT_GE(released.count(), 1);

    QTest::keyClick(&grid, Qt::Key_Right);
    ASSERT_GE(moved.count(), 1);
    EXPECT_EQ(moved.last().at(1).toInt(), 1);

    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled.at(0).at(0).toInt(), 1);
    EXPECT_EQ(doubled.at(0).at(1).toInt(), 2);

    QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, CellCentre(0, 1));
    EXPECT_EQ(right.count(), 1);
    const QPoint inGrid = grid.viewport()->mapTo(&grid, CellCentre(1, 1));
    EXPECT_EQ(grid.CellAt(inGrid), std::make_pair(1, 1));
    EXPECT_EQ(grid.CellAt({-5, -5}), std::make_pair(-1, -1));
}

}  // namespace
}  // namespace platform
