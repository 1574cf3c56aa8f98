#include "PageRender.h"

#include "CodeText.h"
#include "GridSetup.h"
#include "SharedFunctions.h"

namespace viewer {
namespace {

// What a cell shows of a record: its flags and its byte.
struct CellChar {
    uint8_t Attr;
    uint8_t Data;
    int16_t Flag(store::UnitAttr mask) const { return (Attr & mask) != 0 ? 1 : 0; }
};

std::optional<CellChar> CharAt(const store::clsCommon& doc, int32_t record) {
    if (!HasRecord(doc, record)) return std::nullopt;
    const store::RecordStore& records = doc.Records();
    return CellChar{records.Attr(record), records.Data(record)};
}

std::string HexErrText(CellChar ch) {
    return store::GetHexErrText(ch.Data, ch.Flag(store::kAttrParity), ch.Flag(store::kAttrOver),
                                ch.Flag(store::kAttrFlam));
}

void AddChar(LineText& text, CellChar ch) { text.AddChar(ch.Data, ch.Flag(store::kAttrJis7) != 0); }

struct DualLine {
    LineText S;
    LineText R;
};

// One cell of a DUAL line: an RD character, an SD character, or an SD
// character with the record that arrived with it.
void DualCellFill(ViewerState& st, const store::clsCommon& doc, GridPage& page, int32_t sRow,
                  int32_t col, DualLine& line, bool& end) {
    const std::optional<CellChar> ch = CharAt(doc, st.FillRecord++);
    if (!ch) {
        end = true;
        line.S.AddBlank();
        line.R.AddBlank();
        return;
    }
    if (ch->Flag(store::kAttrRd)) {
        page.At(sRow + 1, col).Text = HexErrText(*ch);
        line.S.AddBlank();
        AddChar(line.R, *ch);
        return;
    }
    page.At(sRow, col).Text = HexErrText(*ch);
    AddChar(line.S, *ch);
    const std::optional<CellChar> partner =
        ch->Flag(store::kAttrSame) ? CharAt(doc, st.FillRecord) : std::nullopt;
    if (!partner) {
        line.R.AddBlank();
        return;
    }
    ++st.FillRecord;
    page.At(sRow + 1, col).Text = HexErrText(*partner);
    AddChar(line.R, *partner);
}

void DualPageFill(ViewerState& st, const store::clsCommon& doc, GridPage& page) {
    const int32_t c = st.CharsPerLine;
    if (st.TopRecord < c) st.TopRecord = 0;
    if (!HasRecord(doc, st.TopRecord)) return;
    int32_t lineNo = st.Lines.RecordToLine(st.TopRecord) / c + 1;
    st.FillRecord = st.TopRecord;
    const int16_t capture = doc.DspMode();
    for (int32_t i = 0; i < st.LinesPerPage; ++i) {
        if (!HasRecord(doc, st.FillRecord)) break;
        const int32_t sRow = 4 * i + 1;
        page.At(sRow, 1).Text = page.At(sRow + 1, 1).Text = LineNumberText(lineNo++);
        page.At(sRow, 2).Text = "S";
        page.At(sRow + 1, 2).Text = "R";
        DualLine line{LineText(st.DspCode, capture), LineText(st.DspCode, capture)};
        bool end = false;
        for (int32_t k = 0; k < c; ++k) DualCellFill(st, doc, page, sRow, k + kFirstDataCol, line, end);
        page.At(sRow, st.TextCol).Text = line.S.Finish();
        page.At(sRow + 1, st.TextCol).Text = line.R.Finish();
        if (end) break;
    }
}

// SD or RD mode. The characters of one direction are found from one to the
// next by counting, so records of the other direction between them cost
// nothing however many there are.
void LinePageFill(ViewerState& st, const store::clsCommon& doc, GridPage& page) {
    const int32_t c = st.CharsPerLine;
    const int32_t held = CountOfRecord(st, doc, st.TopRecord);
    if (held < 0) return;
    const bool rdMode = st.DspLine == kLineRd;
    const bool topIsOwn = IsRdRecord(doc, st.TopRecord) == rdMode;
    int32_t next = topIsOwn ? held : held + 1;  // count of the next character
    const int32_t total = ModeTotal(st, doc);
    if (next > total) return;
    int32_t lineNo = held / c + 1;
    const char* label = st.DspLine == kLineSd ? "S" : "R";
    const store::RecordStore& records = doc.Records();
    const std::string_view line = rdMode ? records.RdBytes() : records.SdBytes();
    int32_t record = -1;  // the record of character next - 1
    st.FillRecord = st.TopRecord;
    for (int32_t i = 0; i < st.LinesPerPage && next <= total; ++i) {
        const int32_t row = i + 1;
        page.At(row, 1).Text = LineNumberText(lineNo++);
        page.At(row, 2).Text = label;
        LineText text(st.DspCode, doc.DspMode());
        for (int32_t k = 0; k < c; ++k) {
            if (next <= total) {
                record = record == -1 ? RecordOfCount(st, doc, next)
                                      : records.NextOfDirection(rdMode, record);
            } else {
                record = -1;
            }
            if (!HasRecord(doc, record)) {
                text.AddBlank();
                continue;
            }
            // Character next of the line is byte next of its byte string.
            const auto data = static_cast<uint8_t>(line[static_cast<size_t>(next - 1)]);
            const CellChar ch{records.Attr(record), data};
            ++next;
            st.FillRecord = record + 1;
            page.At(row, k + kFirstDataCol).Text = HexErrText(ch);
            AddChar(text, ch);
        }
        page.At(row, st.TextCol).Text = text.Finish();
    }
}

bool OnPage(const ViewerState& st, int32_t record) {
    return record != -1 && record >= st.TopRecord && record <= st.BottomRecord;
}

}  // namespace

GridPage::GridPage(int32_t rows, int32_t cols)
    : Rows(rows), Cols(cols), Cells(static_cast<size_t>(rows * cols)), ColAlign(static_cast<size_t>(cols), Align::Centre) {}

PageCell& GridPage::At(int32_t row, int32_t col) { return Cells[static_cast<size_t>(row * Cols + col)]; }

const PageCell& GridPage::At(int32_t row, int32_t col) const {
    return Cells[static_cast<size_t>(row * Cols + col)];
}

GridPage GridHeaderSet(const ViewerState& st) {
    const int32_t rows = st.DspLine == kLineDual ? 4 * st.LinesPerPage + 1 : st.LinesPerPage + 1;
    GridPage page(rows, st.GridCols);
    page.At(0, 1).Text = "No.";
    page.At(0, 2).Text = "L";
    for (int32_t k = 0; k < st.CharsPerLine; ++k) page.At(0, k + kFirstDataCol).Text = std::to_string(k);
    page.ColAlign[1] = Align::Right;
    return page;
}

GridPage GridRefresh(ViewerState& st, const store::clsCommon& doc) {
    GridPage page = GridHeaderSet(st);
    if (st.DspLine == kLineDual) {
        DualPageFill(st, doc, page);
    } else {
        LinePageFill(st, doc, page);
    }
    return page;
}

void MarkColorSet(const ViewerState& st, const store::clsCommon& doc, GridPage& page) {
    if (st.DspLine != kLineDual) return;
    for (int32_t mark : {st.MarkBegin, st.MarkEnd}) {
        if (OnPage(st, mark)) CellColorSet(st, doc, page, mark, st.Colors.MarkBack);
    }
    const int32_t trig = doc.GetTrigPos();
    if (OnPage(st, trig)) CellColorSet(st, doc, page, trig, st.Colors.TrigBack);
}

void CellColorSet(const ViewerState& st, const store::clsCommon& doc, GridPage& page,
                  int32_t record, Colour colour) {
    if (!HasRecord(doc, record)) return;
    const int32_t c = st.CharsPerLine;
    const int32_t k = st.Lines.RecordToLine(record);
    const int32_t col = k % c + kFirstDataCol;
    const int32_t row = 4 * (k / c - st.Lines.RecordToLine(st.TopRecord) / c) + 1 +
                        (IsRdRecord(doc, record) ? 1 : 0);
    if (row < 1 || row >= page.Rows || col >= page.Cols) return;
    page.At(row, col).Back = colour;
}

GridPage PageBuild(ViewerState& st, const store::clsCommon& doc) {
    GridPage page = GridRefresh(st, doc);
    MarkColorSet(st, doc, page);
    return page;
}

std::string LineNumberText(int32_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

}  // namespace viewer
