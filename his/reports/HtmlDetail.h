// The detailed form of the HTML export: the recording conditions, then one
// table row per record with its counts, time stamp, byte, flags, error
// letter and character time.
#pragma once

#include <cstdint>
#include <string>

#include "HtmlText.h"
#include "ReportOptions.h"
#include "clsCommon.h"

namespace reports {

// The settings block of the first line.
std::string HtmlSettingWrite(const store::clsCommon& doc);

// The rows of the detailed table. Records of one line share a time stamp,
// so its text is made once for all of them.
class HtmlDetailRows {
public:
    explicit HtmlDetailRows(const store::clsCommon& doc) : doc_(doc) {}
    // The row of one record, or "" for an index the history refuses.
    std::string Row(int32_t record);

private:
    const std::string& Stamp(double date);

    const store::clsCommon& doc_;
    double stamp_ = -1e300;
    std::string stampText_;
};

// Writes the whole form: aRange writes markBegin to markEnd, else every
// record. False when the control stopped it early.
bool HtmlDetailWrite(const store::clsCommon& doc, HtmlLineWriter& out, bool aRange,
                     int32_t markBegin, int32_t markEnd, ReportControl* control);

}  // namespace reports
