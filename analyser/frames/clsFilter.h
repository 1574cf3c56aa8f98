// The frame filter: the settings that pick frames (by link name, frame
// data, time range and direction) and the list of frame numbers that
// passed, in frame order. Every view, search, print and export of the
// analyser walks this list; the frame document writes through it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FrameRowList.h"
#include "his/store/Progress.h"

namespace frames {

class clsProtocol;

struct FilterSettings {
    // 0 link name, 1 frame data, 2 time range, 3 direction; 0 off. For the
    // link name and the frame data 1 is "contains", any other value
    // "equals"; for the other two any non-zero value is on.
    std::array<int16_t, 4> FilterOption{};
    std::vector<std::string> LinkName;
    std::string FrameData;  // bytes
    std::array<double, 2> RangeDate{};
    // 0 no arrow, 1 "→", 2 "←" (the link table's arrows), 3 SD, 4 RD.
    int32_t Direc = 0;
};

class clsFilter : public FrameRowList {
public:
    int32_t FilterMax() const override { return static_cast<int32_t>(rows_.size()); }
    int32_t FilterNo(int32_t vIndex) const override;

    // Index 0 to 3; others read 0 and are not set.
    int16_t FilterOption(int vIndex) const;
    void FilterOption(int vIndex, int16_t value);
    int16_t LinkNameMax() const { return static_cast<int16_t>(settings_.LinkName.size()); }
    // Another count of at least 1 makes that many empty names; the current
    // count keeps them.
    void LinkNameMax(int16_t count);
    std::string LinkName(int vIndex) const;
    void LinkName(int vIndex, std::string_view name);
    const std::string& FrameData() const { return settings_.FrameData; }
    void FrameData(std::string_view bytes) { settings_.FrameData = std::string(bytes); }
    // 0 from, 1 to; others read 0 and are not set.
    double RangeDate(int vIndex) const;
    void RangeDate(int vIndex, double date);
    int32_t Direc() const { return settings_.Direc; }
    void Direc(int32_t value) { settings_.Direc = value; }
    const FilterSettings& Settings() const { return settings_; }

    // Tests every frame of rclsPro and lists those that pass every
    // condition switched on. An empty vLinkFile becomes the document's link
    // table (the caller's variable receives it); the table is read and
    // joined to the frames when it can be, and without it the link-name
    // test fails every frame, as does the direction test unless Direc is
    // 3 or 4. progress (may be null) shows "フィルタ実行中" over the frames.
    // True when every frame was tested; false when the user cancelled (the
    // frames found before the cancel stay listed).
    bool Filter(const clsProtocol& rclsPro, std::string& vLinkFile, store::ProgressSink* progress = nullptr);

private:
    FilterSettings settings_;
    std::vector<int32_t> rows_;
};

}  // namespace frames
