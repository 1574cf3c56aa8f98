#include "PrnCode.h"

#include "ListingTexts.h"
#include "PathShorten.h"
#include "VbFormat.h"

namespace reports {

namespace {

constexpr size_t kPathWidth = 50;
constexpr size_t kPageNumberColumn = 77;

std::string Fmt(double value, const char* pattern) { return platform::FormatNumber(value, pattern); }

std::string Fields(std::initializer_list<std::pair<size_t, std::string>> fields) {
    std::string line = Blanks(kListingWidth);
    for (const auto& [col, text] : fields) Overwrite(line, col, text);
    return line;
}

std::string StartPosition(const ReportOptions& opts) {
    return "START POSITION = " + (opts.PrintRange ? Fmt(opts.MarkBegin + 1, "00000") : "00001");
}

// The data lines with their page budget. A page header is printed when
// the next line needs it, so a listing that fills its last page exactly
// ends there.
class BodyPrinter {
public:
    BodyPrinter(ListingSink& sink, std::string pageHeader, bool dual, bool charTime,
                const std::function<void(int)>& pageShown)
        : sink_(sink),
          pageHeader_(std::move(pageHeader)),
          dual_(dual),
          charTime_(charTime),
          pageShown_(pageShown),
          budget_(dual ? kFirstPageDualLines : kFirstPageLines) {}

    void Line(const SlotLine& line, char direction) {
        if (headerDue_) PrnHeader();
        if (dual_) {
            sink_.PrintLine(PrnDataLine(line.S, line.Number, 'S', charTime_));
            sink_.PrintLine(PrnDataLine(line.R, line.Number, 'R', charTime_));
            sink_.PrintLine("");
        } else {
            sink_.PrintLine(PrnDataLine(line.S, line.Number, direction, charTime_));
        }
        const int cost = dual_ ? 3 : 1;
        if (budget_ - cost > 0) {
            budget_ -= cost;
        } else {
            headerDue_ = true;
        }
    }

private:
    void PrnHeader() {
        headerDue_ = false;
        budget_ = kPageLines;
        sink_.NewPage();
        sink_.PrintLine("");
        Overwrite(pageHeader_, kPageNumberColumn, Fmt(sink_.Page(), "0000"));
        sink_.PrintLine(pageHeader_);
        sink_.PrintLine("");
        if (pageShown_) pageShown_(sink_.Page());
    }

    ListingSink& sink_;
    std::string pageHeader_;
    bool dual_;
    bool charTime_;
    const std::function<void(int)>& pageShown_;
    int budget_;
    bool headerDue_ = false;
};

}  // namespace

std::vector<std::string> HeadLines(const store::clsCommon& doc, const ReportOptions& opts) {
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    std::string pageHeader = StartStopText(doc) + Blanks(kListingWidth);
    pageHeader = CharLeft(pageHeader, kListingWidth);
    Overwrite(pageHeader, 72, "PAGE:0001");
    const auto stop = [&](const char* dir, std::string chars, std::string at, int16_t count) {
        return Fields({{20, dir + StopChars(chars, at)}, {67, "EVENT COUNT-" + Fmt(count, "00")}});
    };
    const auto start = [&](const char* dir, std::string chars, int16_t count) {
        return Fields({{20, dir + StartChars(chars)}, {67, "EVENT COUNT-" + Fmt(count, "00")}});
    };
    return {
        "",
        pageHeader,
        "",
        Fields({{1, "*FILE*"}, {20, "BACK -" + store::PathShorten(doc.PrecedFile(), kPathWidth)}}),
        Fields({{20, "FRONT-" + store::PathShorten(doc.FollowFile(), kPathWidth)}}),
        "",
        std::string("*MONITOR MODE*     ") + (doc.Interface() == 0 ? "RS-232C" : "RS-422"),
        Fields({{20, "PARITY-" + ParityWord(doc.Parity())},
                {38, std::string("DATA BIT-") + (doc.DataLength() == 0 ? "7" : "8")},
                {64, "BAUD RATE- " + BaudText(doc.BaudRate())}}),
        Fields({{20, TrigStopState(doc)}, {38, TrigStartState(doc)}}),
        Fields({{20, "MEMORY MODE-" + MemoryModeWord(doc.MemoryMode())},
                {63, std::string("ERROR STOP-") + (doc.ErrStop() != 0 ? "ON" : "OFF")}}),
        "",
        Fields({{1, "*TRIG STOP MODE*"}, {20, "LINE-" + LineWord(doc.TrigLine(0))}}),
        stop("SD-", doc.SdChar(0), doc.SdCharAt(0), doc.SdCount(0)),
        stop("RD-", doc.RdChar(0), doc.RdCharAt(0), doc.RdCount(0)),
        Fields({{61, "LENGTH AFTER-" + Fmt(doc.AfterLength(0), "0000000")}}),
        "",
        Fields({{1, "*TRIG START MODE*"}, {20, "LINE-" + LineWord(doc.TrigLine(1))}}),
        start("SD-", doc.SdChar(1), doc.SdCount(1)),
        start("RD-", doc.RdChar(1), doc.RdCount(1)),
        Fields({{59, "MONITOR LENGTH-" + Fmt(doc.AfterLength(1), "0000000")}}),
        "",
        Fields({{1, "*RANGE DATE MODE*"},
                {20, std::string("RANGE-") + (doc.RangeDate() != 0 ? "ON" : "OFF")}}),
        Fields({{20, "START-" + ListingDate(doc.RangeStart())}}),
        Fields({{20, "STOP -" + ListingDate(doc.RangeStop())}}),
        "",
        Fields({{1, "*DATA COUNT*"},
                {20, "SD = " + Fmt(sd, "00000")},
                {38, "RD = " + Fmt(rd, "00000")},
                {59, StartPosition(opts)}}),
        "",
        Fields({{1, "*DATA MODE*"}, {20, "CODE-HEX"}, {66, "CODE-" + CodeName(opts.DspCode)}}),
        "",
    };
}

std::string LineLabel(int32_t number, char direction) {
    return "  " + Fmt(number, "000000") + " " + direction + ":";
}

std::string PrnDataLine(const SlotRow& row, int32_t number, char direction, bool charTime) {
    std::string text = LineLabel(number, direction);
    for (int k = 0; k < kSlotCount; ++k) {
        if (k == kCodeSlot) text += Blanks(7);
        const std::string& slot = row.Slot[static_cast<size_t>(k)];
        if (!slot.empty()) {
            text += slot;
        } else {
            text += Blanks(charTime && k < kCodeSlot && k % 2 == 0 ? 6 : 3);
        }
    }
    return CharLeft(text, kListingWidth);
}

bool ListingPrint(const store::clsCommon& doc, const ReportOptions& opts, ListingSink& sink,
                  ReportControl* control, const std::function<void(int)>& pageShown) {
    const std::vector<std::string> head = HeadLines(doc, opts);
    for (const std::string& line : head) sink.PrintLine(line);
    const bool dual = opts.DspLine != viewer::kLineSd && opts.DspLine != viewer::kLineRd;
    ReportOptions walk = opts;
    if (dual) walk.DspLine = viewer::kLineDual;
    BodyPrinter body(sink, head[1], dual, opts.PrintCharTime, pageShown);
    ListingWalker walker(doc, walk, control);
    SlotLine line;
    const char direction = opts.DspLine == viewer::kLineRd ? 'R' : 'S';
    while (walker.Next(line)) body.Line(line, direction);
    return !walker.Stopped();
}

}  // namespace reports
