#include "DisplayModes.h"

#include "CodeText.h"

namespace viewer {

CodeModeView DspCodeSet(const ViewerState& st) {
    CodeModeView view;
    switch (st.DspCode) {
        case 2:
        case 3: view.Checked = CodeMenu::Jis7; break;
        case 4: view.Checked = CodeMenu::Jis8; break;
        case 5: view.Checked = CodeMenu::Ebcdic; break;
        case 6: view.Checked = CodeMenu::Uni; break;
        case 7: view.Checked = CodeMenu::Shift; break;
        default: view.Checked = CodeMenu::Ascii; break;
    }
    // The printed listing has no form for two-byte codes.
    view.PrintEnabled = st.DspCode != 6 && st.DspCode != 7;
    view.CodePanel = CodePanelText(st.DspCode);
    return view;
}

LineModeView DspLineSet(ViewerState& st, const store::clsCommon& doc, int gridWidth,
                        int gridHeight, int scrollWidth, GridLayoutResult& layout) {
    LineModeView view;
    view.Checked = st.DspLine;
    if (st.DspLine == kLineSd) {
        view.LinePanel = "SD";
    } else if (st.DspLine == kLineRd) {
        view.LinePanel = "RD";
    } else {
        view.Checked = kLineDual;
        view.LinePanel = "DUAL";
        view.RangeSave = st.BothMarksSet();
        view.DualCommands = true;
    }
    const int32_t c = st.CharsPerLine;
    const int32_t v = st.Scroll.Value;
    if (IsDirMode(st)) {
        const int32_t top = RecordOfCount(st, doc, c * v + 1);
        if (top != -1) st.TopRecord = top;
    } else if (c * v < st.LineTableCount()) {
        st.TopRecord = st.Lines.LineToRecord(c * v, 0);
    }
    layout = GridLayout(st, doc, gridWidth, gridHeight, scrollWidth);
    return view;
}

}  // namespace viewer
