// The trigger editor's pattern cells as the user types into them: two hex
// digits, and the character the byte stands for, show whole on both pages
// and in every display code.
#include <gtest/gtest.h>

#include <QTest>

#include "CodeTable.h"
#include "ElisionCheck.h"
#include "frmTrig.h"

namespace mon {
namespace {

std::string Lines(const std::vector<std::string>& findings) {
    std::string all;
    for (const std::string& f : findings) all += "\n  " + f;
    return all;
}

TEST(TriggerEditorCells, TypedBytesShowWholeOnBothPagesInEveryDisplayCode) {
    store::CodeTableRead();
    for (int16_t code = 0; code <= 5; ++code) {
        MonitorSettings settings;
        settings.Code = code;
        settings.Trig[0].SdCharAttr = settings.Trig[0].RdCharAttr = "00000";
        settings.Trig[1].Length = 100;
        frmTrig editor(nullptr, settings);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        const char* typed[] = {"0A", "5A", "FF", "8E", "DB"};
        for (int grid = 0; grid < 4; ++grid) {
            editor.SSTab1->setCurrentIndex(grid < 2 ? 0 : 1);
            editor.chkTrigFlg[grid < 2 ? 0 : 1]->setChecked(true);
            QApplication::processEvents();
            platform::GridAdapter* g = editor.VSFlexGrid[static_cast<size_t>(grid)];
            const int hexRow = grid < 2 ? 1 : 0;
            for (int col = 0; col < static_cast<int>(std::size(typed)); ++col) {
                g->SetCurrentCell(hexRow, col);
                QTest::keyClicks(g, typed[col]);
            }
            QApplication::processEvents();
            EXPECT_EQ(g->TextMatrix(hexRow, 0).toStdString(), "0A");
            const std::vector<std::string> cut = firstpaint::ElidedTexts(&editor);
            EXPECT_TRUE(cut.empty()) << "display code " << code << ", grid " << grid << ":" << Lines(cut);
        }
    }
}

}  // namespace
}  // namespace mon
