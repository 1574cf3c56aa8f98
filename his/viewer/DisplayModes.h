// Applying a display code or a line mode chosen from the View menu: which
// menu items are checked and enabled and what the "Code" and "Line" panels
// show. The window applies these and then redraws.
#pragma once

#include <cstdint>
#include <string>

#include "GridSetup.h"
#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

enum class CodeMenu { Ascii, Jis7, Jis8, Ebcdic, Uni, Shift };

struct CodeModeView {
    CodeMenu Checked = CodeMenu::Ascii;  // the one checked mnuDspCode* item
    bool PrintEnabled = true;            // toolbar "Print" and mnuPrint
    std::string CodePanel;
};

// After it the window calls PageBuild.
CodeModeView DspCodeSet(const ViewerState& st);

struct LineModeView {
    int16_t Checked = kLineDual;  // the one checked mnuDspLine* item
    std::string LinePanel;
    bool RangeSave = false;
    // mnuAllSave, mnuMarkJump, mnuMarkSet, mnuRange, mnuRightMarkJump,
    // mnuRightTrigJump, mnuRightMarkSet and the toolbar "Range" button
    bool DualCommands = false;
};

// Keeps the page position for the new mode and lays the grid out again;
// after it the window applies the layout, then PageBuild and TimePanelSet.
LineModeView DspLineSet(ViewerState& st, const store::clsCommon& doc, int gridWidth,
                        int gridHeight, int scrollWidth, GridLayoutResult& layout);

}  // namespace viewer
