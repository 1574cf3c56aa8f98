#include "clsFilter.h"

#include <algorithm>
#include <cmath>

#include "clsLink.h"
#include "clsProtocol.h"

namespace frames {

namespace {

// Frames tested between two looks at the cancel button, the bar and the
// window system.
constexpr int32_t kPollEvery = 1024;

// The range of valid date values: 0100/01/01 to 9999/12/31 23:59:59.
constexpr double kFirstDate = -657434.0;
constexpr double kLastDate = 2958465.99999;

bool IsDate(double date) { return date >= kFirstDate && date <= kLastDate; }

// A date value in whole seconds. Before 1899-12-30 the whole part still
// counts days and the fraction's absolute value is the time of day. A
// range end beyond the valid dates (or no number) counts as the day just
// beyond them, which orders every valid date alike.
int64_t WholeSeconds(double date) {
    if (!(date >= kFirstDate)) date = kFirstDate - 1;
    if (date > kLastDate) date = kLastDate + 1;
    const double day = std::trunc(date);
    return static_cast<int64_t>(day) * 86400 + std::llround(std::fabs(date - day) * 86400.0);
}

std::string AsciiLower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// One run of the filter over one document.
class FilterRun {
public:
    FilterRun(const FilterSettings& s, const clsProtocol& doc, clsLink* link) : s_(s), doc_(doc), link_(link) {
        for (const std::string& name : s.LinkName) folded_.push_back(AsciiLower(name));
    }

    bool Passes(int32_t frame) {
        const bool needRow = link_ != nullptr && (s_.FilterOption[0] != 0 || (s_.FilterOption[3] != 0 &&
                                                                               s_.Direc != 3 && s_.Direc != 4));
        // The frame's link row is looked up once for both tests.
        if (needRow) link_->ListIndex(frame);
        return LinkNamePasses() && FrameDataPasses(frame) && TimePasses(frame) && DirectionPasses(frame);
    }

private:
    bool LinkNamePasses() const {
        const int16_t option = s_.FilterOption[0];
        if (option == 0) return true;
        if (link_ == nullptr) return false;
        const std::string name = link_->ItemName();
        if (option == 1) {
            const std::string lower = AsciiLower(name);
            return std::any_of(folded_.begin(), folded_.end(), [&](const std::string& n) { return Contains(lower, n); });
        }
        return std::find(s_.LinkName.begin(), s_.LinkName.end(), name) != s_.LinkName.end();
    }

    bool FrameDataPasses(int32_t frame) const {
        const int16_t option = s_.FilterOption[1];
        if (option == 0) return true;
        std::string restored;
        std::string_view data = doc_.FrameBytes(frame);
        if (doc_.IsPpp()) {
            restored = doc_.FrameDataOrg(frame);
            data = restored;
        }
        return option == 1 ? Contains(data, s_.FrameData) : data == s_.FrameData;
    }

    bool TimePasses(int32_t frame) const {
        if (s_.FilterOption[2] == 0) return true;
        const double date = doc_.FrameDate(frame);
        if (!IsDate(date)) return false;
        const int64_t at = WholeSeconds(date);
        return at - WholeSeconds(s_.RangeDate[0]) >= 0 && WholeSeconds(s_.RangeDate[1]) - at >= 0;
    }

    bool DirectionPasses(int32_t frame) const {
        if (s_.FilterOption[3] == 0) return true;
        if (s_.Direc == 3) return doc_.FrameChanel(frame) == 0;
        if (s_.Direc == 4) return doc_.FrameChanel(frame) == 1;
        return link_ != nullptr && link_->Direction() == s_.Direc;
    }

    const FilterSettings& s_;
    const clsProtocol& doc_;
    clsLink* link_;
    std::vector<std::string> folded_;
};

}  // namespace

int32_t clsFilter::FilterNo(int32_t vIndex) const {
    if (vIndex < 0 || vIndex >= FilterMax()) return 0;
    return rows_[static_cast<size_t>(vIndex)];
}

int16_t clsFilter::FilterOption(int vIndex) const {
    if (vIndex < 0 || vIndex > 3) return 0;
    return settings_.FilterOption[static_cast<size_t>(vIndex)];
}

void clsFilter::FilterOption(int vIndex, int16_t value) {
    if (vIndex < 0 || vIndex > 3) return;
    settings_.FilterOption[static_cast<size_t>(vIndex)] = value;
}

void clsFilter::LinkNameMax(int16_t count) {
    if (count < 1 || count == LinkNameMax()) return;
    settings_.LinkName.assign(static_cast<size_t>(count), std::string());
}

std::string clsFilter::LinkName(int vIndex) const {
    if (vIndex < 0 || vIndex >= LinkNameMax()) return {};
    return settings_.LinkName[static_cast<size_t>(vIndex)];
}

void clsFilter::LinkName(int vIndex, std::string_view name) {
    if (vIndex < 0 || vIndex >= LinkNameMax()) return;
    settings_.LinkName[static_cast<size_t>(vIndex)] = std::string(name);
}

double clsFilter::RangeDate(int vIndex) const {
    if (vIndex < 0 || vIndex > 1) return 0;
    return settings_.RangeDate[static_cast<size_t>(vIndex)];
}

void clsFilter::RangeDate(int vIndex, double date) {
    if (vIndex < 0 || vIndex > 1) return;
    settings_.RangeDate[static_cast<size_t>(vIndex)] = date;
}

bool clsFilter::Filter(const clsProtocol& rclsPro, std::string& vLinkFile, store::ProgressSink* progress) {
    rows_.clear();
    const int32_t count = rclsPro.FrameMax();
    if (vLinkFile.empty()) vLinkFile = rclsPro.LinkFile();
    clsLink link;
    const bool linked = link.LinkRead(vLinkFile) && link.DataJoint(rclsPro);
    FilterRun run(settings_, rclsPro, linked ? &link : nullptr);

    if (progress != nullptr) progress->Show(count, "フィルタ実行中");
    bool complete = true;
    for (int32_t i = 0; i < count; ++i) {
        if (progress != nullptr && i % kPollEvery == 0) {
            progress->PosValue(i);
            progress->Yield();
            if (progress->Cancel()) {
                complete = false;
                break;
            }
        }
        if (run.Passes(i)) rows_.push_back(i);
    }
    if (progress != nullptr) progress->Clear();
    return complete;
}

}  // namespace frames
