// Saving the loaded history as a KY2 file or a CSV table, whole or the
// range between the viewer's two marks.
//
// A save writes a temporary file beside the target and renames it over the
// target once complete, so a failure leaves an existing file as it was.
#pragma once

#include <cstdint>
#include <string>

#include "clsCommon.h"

namespace platform {
class AtomicFile;
}

namespace store {

// The records a save covers: all of them, or markBegin to markEnd both
// included when rangeFlag is non-zero.
struct SaveRange {
    int16_t rangeFlag = 0;
    int32_t markBegin = -1;
    int32_t markEnd = -1;
};

// Both return 0 on success, else the errno of the failure.
int HistorySave(const clsCommon& doc, const std::string& fileName, const SaveRange& range);
int CsvSave(const clsCommon& doc, const std::string& fileName, const SaveRange& range);

// The seven header lines of a KY2 file in code page 932, describing the
// whole history; line 2 names the given chain.
std::string Ky2HeaderText(const clsCommon& doc, const std::string& precedFile,
                          const std::string& followFile);
// The data lines of the range.
void HistoryDataWrite(const clsCommon& doc, platform::AtomicFile& file, const SaveRange& range);
// The settings columns of one CSV row: filled for record 0 only.
std::string CsvSettingWrite(const clsCommon& doc, int32_t record);

}  // namespace store
