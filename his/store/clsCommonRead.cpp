// Loading a KY2 file into a clsCommon.
#include <algorithm>
#include <limits>
#include <new>
#include <vector>

#include "Ky2DataRead.h"
#include "LineReader.h"
#include "clsCommon.h"
#include "platform/text/Cp932.h"

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

}  // namespace

bool clsCommon::Read(const std::string& aFileName, ProgressSink* progress, const DataReadSplit& split) {
    LineReader in(aFileName);
    if (!in.IsOpen() || in.Length() < static_cast<int64_t>(kKy2Magic.size())) return false;
    if (!MagicLineRead(in)) return false;

    if (progress) progress->Show(ClampToInt32(in.Length()), "ファイルの読込");
    bool ok = false;
    try {
        HistoryClear();
        HeaderRead(*this, in, progress);
        // A file cut short while it was read fails on every path, also
        // when the cut came after the bytes were read.
        ok = Ky2DataRead(in, records_, trigPos_, progress, split) && !in.Failed() && !in.Shrunk();
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (progress) progress->Clear();
    return ok && RecordCount() > 0;
}

}  // namespace store
