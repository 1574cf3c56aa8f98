#include "HtmlStandard.h"

#include "CodeText.h"
#include "ListingTexts.h"
#include "PrnCode.h"
#include "VbFormat.h"

namespace reports {

namespace {

std::string Fmt(double value, const char* pattern) { return platform::FormatNumber(value, pattern); }

// A cell with escaped text over x columns (X) or y rows (Y).
std::string X(const std::string& text, int x) {
    return clsHTML::CellXCreate(HtmlEscape(text), std::to_string(x));
}

std::string Y(const std::string& text, int y) {
    return clsHTML::CellYCreate(HtmlEscape(text), std::to_string(y));
}

const std::string R = clsHTML::RowCreate();

}  // namespace

HtmlStandard::HtmlStandard(const store::clsCommon& doc, const ReportOptions& opts,
                           HtmlLineWriter& out, ReportControl* control)
    : doc_(doc), opts_(opts), out_(out), control_(control) {}

void HtmlStandard::HtmlHeadWrite(const std::string& fileName) {
    html_.RdColor("#C0FFFF");
    out_.Line(html_.HTMLHeader(HtmlEscape(fileName)));
}

void HtmlStandard::HeadPrint() { out_.Line(HeadText()); }

std::string HtmlStandard::HeadText() const {
    const store::clsCommon& d = doc_;
    int32_t total = 0, sd = 0, rd = 0;
    d.IsCounterInf(total, sd, rd);
    const std::string start =
        "START POSITION = " + (opts_.PrintRange ? Fmt(opts_.MarkBegin + 1, "00000") : "00001");
    std::string text = HtmlEscape(StartStopText(d)) + clsHTML::TblStart("0", "0", "5");
    text += R + Y("*MONITOR MODE*", 4) + X(d.Interface() == 0 ? "RS-232C" : "RS-422", 6);
    text += R + X("PARITY-" + ParityWord(d.Parity()), 2) +
            X(std::string("DATA BIT-") + (d.DataLength() == 0 ? "7" : "8"), 2) +
            X("BAUD RATE- " + BaudText(d.BaudRate()), 2);
    text += R + X(TrigStopState(d), 2) + X(TrigStartState(d), 2);
    text += R + X("MEMORY MODE-" + MemoryModeWord(d.MemoryMode()), 4) +
            X(std::string("ERROR STOP-") + (d.ErrStop() != 0 ? "ON" : "OFF"), 2);
    text += R + Y("*TRIG STOP MODE*", 4) + X("LINE-" + LineWord(d.TrigLine(0)), 3);
    text += R + X("SD-" + StopChars(d.SdChar(0), d.SdCharAt(0)), 3) +
            X("EVENT COUNT-" + Fmt(d.SdCount(0), "00"), 3);
    text += R + X("RD-" + StopChars(d.RdChar(0), d.RdCharAt(0)), 3) +
            X("EVENT COUNT-" + Fmt(d.RdCount(0), "00"), 3);
    text += R + X("", 3) + X("LENGTH AFTER-" + Fmt(d.AfterLength(0), "0000000"), 3);
    text += R + Y("*TRIG START MODE*", 4) + X("LINE-" + LineWord(d.TrigLine(1)), 3);
    text += R + X("SD-" + StartChars(d.SdChar(1)), 3) + X("EVENT COUNT-" + Fmt(d.SdCount(1), "00"), 3);
    text += R + X("RD-" + StartChars(d.RdChar(1)), 3) + X("EVENT COUNT-" + Fmt(d.RdCount(1), "00"), 3);
    text += R + X("", 3) + X("MONITOR LENGTH-" + Fmt(d.AfterLength(1), "0000000"), 3);
    text += R + Y("*RANGE DATE MODE*", 3) +
            X(std::string("RANGE-") + (d.RangeDate() != 0 ? "ON" : "OFF"), 6);
    text += R + X("START-" + ListingDate(d.RangeStart()), 6);
    text += R + X("STOP -" + ListingDate(d.RangeStop()), 6);
    text += R + clsHTML::CellCreate("*DATA COUNT*") + X("SD = " + Fmt(sd, "00000"), 2) +
            X("RD = " + Fmt(rd, "00000"), 2) + X(start, 2);
    return text + clsHTML::TblEnd();
}

bool HtmlStandard::CodePrint() {
    const bool dual = opts_.DspLine != viewer::kLineSd && opts_.DspLine != viewer::kLineRd;
    ReportOptions walk = opts_;
    if (dual) {
        walk.DspLine = viewer::kLineDual;
        out_.Line(clsHTML::TblStart("0", "0", "4"));
        out_.Line(R + X("", 1) + X("CODE-HEX", 11) +
                  X("CODE-" + CodeName(opts_.DspCode), opts_.PrintCharTime ? 5 : 10));
    } else {
        out_.Line(clsHTML::TblStart("0", "0", "5"));
    }
    ListingWalker walker(doc_, walk, control_);
    SlotLine line;
    const char direction = opts_.DspLine == viewer::kLineRd ? 'R' : 'S';
    while (walker.Next(line)) {
        if (dual) {
            RowWrite(line.S, line.Number, 'S', true);
            RowWrite(line.R, line.Number, 'R', true);
        } else {
            RowWrite(line.S, line.Number, direction, false);
        }
    }
    return !walker.Stopped();
}

void HtmlStandard::HtmlEndWrite() { out_.Line("</BODY></HTML>"); }

void HtmlStandard::RowWrite(const SlotRow& row, int32_t number, char direction, bool dual) {
    std::string text = direction == 'R' ? clsHTML::RDRowCreate() : clsHTML::SDRowCreate();
    text += clsHTML::CellCreate("<NOBR>" + LineLabel(number, direction) + "</NOBR>");
    for (int k = 0; k < kCodeSlot; ++k) text += clsHTML::CellCreate(HtmlEscape(row.Slot[static_cast<size_t>(k)]));
    text += clsHTML::CellCreate("&nbsp;");
    text += CodeCells(row, dual && opts_.PrintCharTime ? 5 : 10);
    out_.Line(text);
}

// Codes 6 and 7 join a character from two bytes, so their line is the
// grid's text of the line's bytes in one cell across the display columns.
std::string HtmlStandard::CodeCells(const SlotRow& row, int cells) const {
    if (IsLineCode(opts_.DspCode)) {
        int16_t code = opts_.DspCode;
        viewer::LineText text(code, doc_.DspMode());
        const int positions = opts_.PrintCharTime ? 5 : 10;
        for (int k = 0; k < positions; ++k) {
            const auto at = static_cast<size_t>(k);
            if (row.CodeByte[at] >= 0) {
                text.AddChar(static_cast<uint8_t>(row.CodeByte[at]), row.CodeJis7[at]);
            } else {
                text.AddBlank();
            }
        }
        return X(text.Finish(), cells);
    }
    std::string out;
    for (int k = 0; k < cells; ++k) {
        out += clsHTML::CellCreate(HtmlEscape(row.Slot[static_cast<size_t>(kCodeSlot + k)]));
    }
    return out;
}

}  // namespace reports
