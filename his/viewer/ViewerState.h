// The viewer's one set of module-level state: what the main window, its
// dialogs and the page logic share while a history is shown.
#pragma once

#include <cstdint>
#include <string>

#include "Colors.h"
#include "LineTable.h"

namespace viewer {

enum LineMode : int16_t { kLineDual = 0, kLineSd = 1, kLineRd = 2 };

enum DisplayCode : int16_t {
    kCodeAsciiDefault = 0,  // shown as ASCII; becomes 1 on first use
    kCodeAscii = 1,
    kCodeJis7 = 2,
    kCodeJis7Kana = 3,
    kCodeJis8 = 4,
    kCodeEbcdic = 5,
    kCodeUnicode = 6,
    kCodeShiftJis = 7,
};

enum TimeBase : int16_t { kBaseTop = 0, kBaseBegin = 1, kBaseEnd = 2 };

// The separate vertical scroll bar: its value is the display line at the
// top of the page.
struct ScrollBarState {
    int32_t Value = 0;
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t SmallChange = 1;
    int32_t LargeChange = 1;
    bool Enabled = false;
};

// Widths of the page grid's columns and heights of its rows, twips. The
// defaults are the design's; the window widens them where its font needs
// more room to show every text whole.
struct GridMetrics {
    int NoCol = 700;
    int LabelCol = 300;
    int DataCol = 400;
    int Row = 240;
    int SpacerRow = 120;
};

struct ViewerState {
    // display choices
    int16_t DspCode = kCodeAscii;
    int16_t DspLine = kLineDual;
    int16_t DspCur = kBaseTop;

    // page geometry and positions
    int16_t CharsPerLine = 1;
    int16_t LinesPerPage = 1;
    int16_t GridCols = 5;
    int16_t TextCol = 4;
    int16_t PageLastRow = 1;
    GridMetrics Metrics;
    LineTable Lines;  // LineTable / LineTableCount, built once per load
    int32_t TopRecord = 0;
    int32_t BottomRecord = 0;
    int32_t FillRecord = 0;
    int32_t RecordCount = 0;
    ScrollBarState Scroll;

    // marks and time base (-1: none)
    int32_t MarkBegin = -1;
    int32_t MarkEnd = -1;
    int32_t TimeBaseRecord = -1;

    // dialog hand-over
    int32_t GotoLine = -1;
    int16_t DialogCancelled = 0;
    bool FileLoaded = false;
    bool PropOpen = false;
    bool FindOpen = false;
    float PickAnchorX = 0;
    float PickAnchorY = 0;
    std::string FindPattern;  // one byte a position; 0x3F where any byte goes
    std::string FindKinds;    // one digit a position: '0' byte, '1' any, '2' blank
    int16_t PickedCode = -1;
    bool PrintRequested = false;
    bool PrintRange = false;
    bool PrintCharTime = false;

    ColorRecord Colors = DefaultColors();

    int32_t LineTableCount() const { return Lines.Count(); }
    bool BothMarksSet() const { return MarkBegin != -1 && MarkEnd != -1; }
};

}  // namespace viewer
