#include "Ky2Source.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <vector>

#include "StoredPath.h"
#include "his/store/Ky2Format.h"
#include "his/store/LooseValue.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace frames {

namespace {

// Units of a data line start after its stamp, the comma and two lead bytes.
constexpr size_t kUnitsStart = 22;

// Line 1 up to its first comma or its end must hold the magic text.
bool MagicLineRead(store::LineReader& in) {
    if (!in.IsOpen() || in.Length() < static_cast<int64_t>(store::kKy2Magic.size())) return false;
    std::string line;
    if (!in.NextLine(line)) return false;
    const size_t end = line.find_first_of(",\r\n");
    return std::string_view(line).substr(0, end).find(store::kKy2Magic) != std::string_view::npos;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// The fields of a header line as the file holds them (code page 932
// bytes): the text before its line end, cut at every comma, blanks
// trimmed. A field the line lacks reads as empty.
class HeaderFields {
public:
    explicit HeaderFields(std::string_view line) {
        line = line.substr(0, line.find_first_of("\r\n"));
        while (true) {
            const size_t comma = line.find(',');
            fields_.emplace_back(TrimBlanks(line.substr(0, comma)));
            if (comma == std::string_view::npos) break;
            line.remove_prefix(comma + 1);
        }
    }
    const std::string& Raw(size_t i) const { return i < fields_.size() ? fields_[i] : empty_; }
    FileText Text(size_t i) const { return FileText::FromStored(Raw(i)); }
    int16_t I16(size_t i) const {
        return store::LooseInt16(Raw(i), std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max())
            .value_or(0);
    }
    int32_t I32(size_t i) const {
        return store::LooseInt32(Raw(i), std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max())
            .value_or(0);
    }
    double Date(size_t i) const { return store::LooseValue(Raw(i)).AsDate().value_or(0.0); }

private:
    std::vector<std::string> fields_;
    std::string empty_;
};

// The following part: as the history store finds it from the name as
// written (a Windows path read with "/"), else from the same file name
// beside the source.
std::string FollowPartFind(const std::string& written, const std::string& source) {
    if (written.empty()) return {};
    std::string asIs = written;
    std::replace(asIs.begin(), asIs.end(), '\\', '/');
    std::string found = store::ProbeFollowFile(asIs);
    if (!found.empty()) return found;
    const size_t slash = asIs.rfind('/');
    const std::string beside = JoinPath(FolderOf(source), slash == std::string::npos ? asIs : asIs.substr(slash + 1));
    return beside == asIs ? std::string() : store::ProbeFollowFile(beside);
}

}  // namespace

bool Ky2Source::Open(const std::string& path) {
    path_ = path;
    in_ = std::make_unique<store::LineReader>(path);
    if (!MagicLineRead(*in_)) {
        in_.reset();
        return false;
    }
    length_ = in_->Length();
    return true;
}

void Ky2Source::HeaderRead(PartRecord& part, MonitorRecord& m) {
    std::string line;
    auto next = [&]() {
        if (!in_ || !in_->NextLine(line)) line.clear();
        return HeaderFields(line);
    };
    HeaderFields f = next();
    part.PrecedFile = f.Text(0);
    followPart_ = FollowPartFind(platform::Cp932ToUtf8(f.Raw(1)), path_);
    part.FollowFile = FileText::FromUtf8(followPart_);

    f = next();
    part.MonitorStart = f.Date(0);
    part.MonitorStop = f.Date(1);

    f = next();
    m.MoniMode = f.I16(0);
    m.Brate = f.I32(1);
    m.DataLen = f.I16(2);
    m.ErrStop = f.I16(3);
    m.MoniDrec = f.I16(4);
    m.InterFase = f.I16(5);
    m.ChrTime = f.I16(6);
    m.SelLED = f.I16(7);
    m.MemMode = f.I16(8);
    m.PrtBit = f.I16(9);
    m.TrgStop = f.I16(10);
    m.TrgStart = f.I16(11);
    m.RangeDate = f.I16(12);

    f = next();
    m.RangeStart = f.Date(0);
    m.RangeStop = f.Date(1);

    for (TriggerRecord& t : m.trigger) {
        f = next();
        t.TrgLine = f.I16(0);
        t.SdChr = f.Text(1);
        t.SdChrAtt = f.Text(2);
        t.SdEveCnt = f.I16(3);
        t.RdChr = f.Text(4);
        t.RdChrAtt = f.Text(5);
        t.RdEveCnt = f.I16(6);
        t.LenAfter = f.I32(7);
    }
}

int64_t Ky2Source::Position() const {
    if (inFollowPart_ || !in_) return length_;
    return in_->Position();
}

bool Ky2Source::Failed() const { return failed_; }

// Lines that are not data lines (shorter than a stamp, or whose first 19
// bytes are no valid stamp) are passed over. Once in the following part,
// only its first data line is taken.
bool Ky2Source::DataLineNext() {
    line_.clear();
    pos_ = 0;
    while (in_ && !exhausted_ && !(inFollowPart_ && followLineTaken_)) {
        if (!in_->NextLine(line_)) {
            if (!inFollowPart_ && in_->Failed()) failed_ = true;
            if (failed_ || inFollowPart_ || !FollowPartOpen()) break;
            continue;
        }
        if (line_.size() < static_cast<size_t>(store::kKy2StampLength)) continue;
        const auto stamp = platform::ParseDateTime(std::string_view(line_).substr(0, store::kKy2StampLength));
        if (!stamp) continue;
        date_ = *stamp;
        pos_ = kUnitsStart;
        if (inFollowPart_) followLineTaken_ = true;
        return true;
    }
    line_.clear();
    pos_ = 0;
    exhausted_ = true;
    return false;
}

bool Ky2Source::FollowPartOpen() {
    if (followPart_.empty()) return false;
    auto next = std::make_unique<store::LineReader>(followPart_);
    if (!MagicLineRead(*next)) return false;
    std::string skipped;
    for (int line = 2; line <= 7; ++line) next->NextLine(skipped);
    in_ = std::move(next);
    inFollowPart_ = true;
    return true;
}

}  // namespace frames
