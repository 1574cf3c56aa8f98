#include "ViewerTestHistory.h"

#include "CodeTable.h"
#include "GridSetup.h"

namespace viewer::test {

double At(int seconds) { return kDay0 + seconds / 86400.0; }

void Add(store::clsCommon& doc, uint8_t dirAttr, uint8_t data, uint8_t flags, int seconds) {
    doc.RecordAdd(At(seconds), static_cast<uint8_t>(dirAttr | flags), data);
}

void AddAll(store::clsCommon& doc, uint8_t dirAttr, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) Add(doc, dirAttr, b);
}

// Grid sizes in twips that give exactly c characters and p lines.
ViewerState Loaded(const store::clsCommon& doc, int16_t lineMode, int16_t c, int16_t p) {
    store::CodeTableRead();
    ViewerState st;
    st.DspLine = lineMode;
    st.FileLoaded = true;
    HistoryAttach(st, doc);
    const int m = (c * 11 + 6) / 7;  // m * 7 / 11 == c for the c used in tests
    const int width = 1000 + 400 * m;
    const int height = 240 + p * (lineMode == kLineDual ? 600 : 240);
    GridLayout(st, doc, width, height, 255);
    return st;
}

}  // namespace viewer::test
