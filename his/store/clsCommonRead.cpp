// Loading a KY2 file into a clsCommon.
#include <algorithm>
#include <limits>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "LineReader.h"
#include "clsCommon.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace store {

namespace {

// The fields of one header line: text up to its CR, cut at every comma,
// blanks trimmed. A field the line lacks reads as empty text, which every
// setter refuses.
class HeaderFields {
public:
    explicit HeaderFields(const std::string& rawLine) {
        std::string text = platform::Cp932ToUtf8(rawLine);
        const size_t end = text.find_first_of("\r\n");
        if (end != std::string::npos) text.resize(end);
        size_t start = 0;
        while (true) {
            const size_t comma = text.find(',', start);
            fields_.push_back(Trim(text.substr(start, comma - start)));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    std::string operator[](size_t i) const { return i < fields_.size() ? fields_[i] : std::string(); }

private:
    static std::string Trim(const std::string& s) {
        const size_t first = s.find_first_not_of(' ');
        if (first == std::string::npos) return {};
        return s.substr(first, s.find_last_not_of(' ') - first + 1);
    }
    std::vector<std::string> fields_;
};

// Line 1 as one field: leading blanks skipped, up to the first comma or the
// line end. What follows a comma is left for the next line read.
bool MagicLineRead(LineReader& in) {
    std::string line;
    if (!in.NextLine(line)) return false;
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    const size_t comma = line.find(',', start);
    const size_t end = std::min(comma, line.find_first_of("\r\n", start));
    const std::string field = line.substr(start, end == std::string::npos ? end : end - start);
    if (comma != std::string::npos && comma == end) in.PutBack(line.substr(comma + 1));
    return field.find(kKy2Magic) != std::string::npos;
}

int32_t ClampToInt32(int64_t v) {
    return static_cast<int32_t>(std::min<int64_t>(v, std::numeric_limits<int32_t>::max()));
}

void HeaderRead(clsCommon& doc, LineReader& in, ProgressSink* bar) {
    if (bar) bar->Yield();
    std::string line;
    auto next = [&]() {
        if (!in.NextLine(line)) line.clear();
        return HeaderFields(line);
    };
    HeaderFields f = next();
    doc.PrecedFile(f[0]);
    doc.FollowFile(f[1]);

    doc.MonitorStart(0.0);
    doc.MonitorStop(0.0);
    f = next();
    doc.MonitorStart(f[0]);
    doc.MonitorStop(f[1]);

    f = next();
    doc.DspMode(f[0]);
    doc.BaudRate(f[1]);
    doc.DataLength(f[2]);
    doc.ErrStop(f[3]);
    doc.Direction(f[4]);
    doc.Interface(f[5]);
    doc.CharTime(f[6]);
    doc.Led(f[7]);
    doc.MemoryMode(f[8]);
    doc.Parity(f[9]);
    doc.TrigStop(f[10]);
    doc.TrigStart(f[11]);
    doc.RangeDate(f[12]);

    f = next();
    doc.RangeStart(f[0]);
    doc.RangeStop(f[1]);

    for (int i = 0; i < 2; ++i) {
        f = next();
        doc.TrigLine(i, f[0]);
        doc.SdChar(i, f[1]);
        doc.SdCharAt(i, f[2]);
        doc.SdCount(i, f[3]);
        doc.RdChar(i, f[4]);
        doc.RdCharAt(i, f[5]);
        doc.RdCount(i, f[6]);
        doc.AfterLength(i, f[7]);
    }
    if (bar) bar->PosValue(ClampToInt32(in.Position() + 1));
}

// The time stamp of the data lines: parsed once per line, and not at all
// when a line repeats the stamp of the line before it. A stamp of the same
// day as the one before needs only its time of day: the day's number is
// kept, and the value is made from both exactly as the full parse makes it.
class StampReader {
public:
    double Read(std::string_view text) {
        if (text == std::string_view(last_)) return value_;
        if (day_ >= 0 && text.compare(0, kDayLength, last_, 0, kDayLength) == 0) {
            if (const int seconds = SecondsOfDay(text.substr(kDayLength)); seconds >= 0) {
                value_ = static_cast<double>(day_) + seconds / 86400.0;
                last_.assign(text);
                return value_;
            }
        }
        last_.assign(text);
        value_ = ParseStamp(text);
        // Only days from 1899-12-30 on: before it the time counts backwards.
        const std::optional<double> day = platform::ParseDate(text.substr(0, kDayLength - 1));
        day_ = day && *day >= 0 && text[kDayLength - 1] == ' ' ? static_cast<int64_t>(*day) : -1;
        return value_;
    }

private:
    static constexpr size_t kDayLength = 11;  // "yyyy/mm/dd "

    // "hh:nn:ss" as seconds; -1 when it is not a valid time of day.
    static int SecondsOfDay(std::string_view t) {
        auto digit = [&t](size_t i) { return t[i] >= '0' && t[i] <= '9' ? t[i] - '0' : -100; };
        if (t.size() != 8 || t[2] != ':' || t[5] != ':') return -1;
        const int h = digit(0) * 10 + digit(1), m = digit(3) * 10 + digit(4), s = digit(6) * 10 + digit(7);
        if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return -1;
        return h * 3600 + m * 60 + s;
    }

    std::string last_;
    double value_ = 0;
    int64_t day_ = -1;  // the day number of last_ when it is a whole valid stamp's day
};

// One data line: its stamp becomes the time of every record it adds. A line
// cut short (the last line of an interrupted capture) keeps every whole
// unit before the cut. False only when the history cannot take more.
bool DataLineParse(RecordStore::Filler& records, int32_t& trigPos, std::string_view line,
                   StampReader& stamps) {
    if (line.size() < static_cast<size_t>(kKy2StampLength)) return true;
    const double stamp = stamps.Read(line.substr(0, kKy2StampLength));
    constexpr size_t kStreamStart = 22;
    if (line.size() <= kStreamStart) return true;
    const auto* bytes = reinterpret_cast<const uint8_t*>(line.data());
    return records.AddStream(stamp, bytes + kStreamStart, bytes + line.size(), trigPos);
}

// The bar moves only when it would visibly move: a few hundred steps a
// read, however many lines the file has. The window system gets its turn
// every few lines (the yield itself is throttled by time).
class ReadProgress {
public:
    ReadProgress(ProgressSink* bar, int64_t length)
        : bar_(bar), step_(std::max<int64_t>(1, length / kSteps)) {}

    bool Cancelled() const { return bar_ != nullptr && bar_->Cancel(); }

    void LineDone(int64_t position) {
        if (bar_ == nullptr) return;
        if (position >= next_) {
            bar_->PosValue(ClampToInt32(position + 1));
            next_ = (position / step_ + 1) * step_;
        }
        if (++lines_ % kLinesPerYield == 0) bar_->Yield();
    }

private:
    static constexpr int64_t kSteps = 250;
    static constexpr uint32_t kLinesPerYield = 16;

    ProgressSink* bar_;
    int64_t step_;
    int64_t next_ = 0;
    uint32_t lines_ = 0;
};

// Once the first lines have shown how many bytes a record takes, room for
// the whole file's records is reserved at once, so that the record store
// neither copies itself while it grows nor keeps much spare.
class RecordReservation {
public:
    RecordReservation(RecordStore::Filler& records, int64_t dataStart, int64_t length)
        : records_(records), dataStart_(dataStart), length_(length) {}

    void Check(int64_t position) {
        if (done_ || position - dataStart_ < kSampleBytes) return;
        done_ = true;
        const int32_t held = records_.Count();
        if (held == 0) return;
        const double perByte = static_cast<double>(held) / static_cast<double>(position - dataStart_);
        records_.Reserve(static_cast<size_t>(perByte * static_cast<double>(length_ - position)));
    }

private:
    static constexpr int64_t kSampleBytes = 64 * 1024;

    RecordStore::Filler& records_;
    int64_t dataStart_;
    int64_t length_;
    bool done_ = false;
};

bool DataLinesRead(clsCommon& doc, RecordStore::Filler& records, int32_t& trigPos, LineReader& in,
                   ProgressSink* bar) {
    std::string_view line;
    StampReader stamps;
    ReadProgress progress(bar, in.Length());
    RecordReservation reservation(records, in.Position(), in.Length());
    while (!in.AtEnd() && !progress.Cancelled()) {
        if (!in.NextLine(line)) break;
        if (!DataLineParse(records, trigPos, line, stamps)) return false;
        progress.LineDone(in.Position());
        reservation.Check(in.Position());
    }
    if (bar) bar->PosValue(ClampToInt32(in.Position() + 1));
    records.Flush();
    doc.RecordsShrink();
    return !in.Failed();
}

}  // namespace

bool clsCommon::Read(const std::string& aFileName, ProgressSink* progress) {
    LineReader in(aFileName);
    if (!in.IsOpen() || in.Length() < static_cast<int64_t>(kKy2Magic.size())) return false;
    if (!MagicLineRead(in)) return false;

    if (progress) progress->Show(ClampToInt32(in.Length()), "ファイルの読込");
    bool ok = false;
    try {
        HistoryClear();
        HeaderRead(*this, in, progress);
        RecordStore::Filler records(records_);
        ok = DataLinesRead(*this, records, trigPos_, in, progress);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (progress) progress->Clear();
    return ok && RecordCount() > 0;
}

}  // namespace store
