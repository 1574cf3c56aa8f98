// The find window's pattern cells as the user types into them: two hex
// digits, and the character the byte stands for, show whole in every
// display code.
#include <gtest/gtest.h>

#include <QTest>

#include "ElisionCheck.h"
#include "UiTestHistory.h"
#include "frmFind.h"

namespace viewer::ui::test {
namespace {

std::string Lines(const std::vector<std::string>& findings) {
    std::string all;
    for (const std::string& f : findings) all += "\n  " + f;
    return all;
}

TEST(FindWindowCells, TypedBytesShowWholeInEveryDisplayCode) {
    for (int16_t code = 0; code <= 5; ++code) {
        ViewerFixture f;
        frmMain& w = *f.Main;
        HistoryPlan history;
        history.sd = Letters(20);
        const std::string path = f.Folder / "cells.ky2";
        ASSERT_TRUE(HistoryWrite(path, history));
        w.HistoryFileOpen(path);
        ASSERT_TRUE(f.Ctx->State.FileLoaded);
        f.Ctx->State.DspCode = code;
        w.mnuFind->trigger();
        frmFind* find = w.FindWindow();
        ASSERT_NE(find, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(find));
        const char* typed[] = {"0A", "5A", "FF", "8E", "DB", "00"};
        for (int col = 0; col < static_cast<int>(std::size(typed)); ++col) {
            find->VSFlexGrid1->setCurrentCell(0, col);
            QTest::keyClicks(find->VSFlexGrid1, QString::fromLatin1(typed[col]));
        }
        QApplication::processEvents();
        EXPECT_EQ(find->VSFlexGrid1->item(0, 0)->text().toStdString(), "0A");
        EXPECT_EQ(find->VSFlexGrid1->item(0, 1)->text().toStdString(), "5A");
        const std::vector<std::string> cut = firstpaint::ElidedTexts(find);
        EXPECT_TRUE(cut.empty()) << "display code " << code << ":" << Lines(cut);
        find->close();
    }
}

}  // namespace
}  // namespace viewer::ui::test
