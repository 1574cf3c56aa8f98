// The frame CSV export: the frames of a list of rows (the filter's result)
// as a code page 932 text file with one column per item of the frame
// configuration.
#pragma once

#include <cstdint>
#include <string>

#include "FrameRowList.h"
#include "MessageSink.h"

namespace frames {

class clsFrameConfig;
class clsProtocol;

// Writes rows arBegin to arEnd of the list: the frame name, the item names
// joined by ",", then one line per row, every line ended by CR LF. An
// item of 1 to 56 bits gives its value after a sign place (" 65", "-1"),
// any other its bytes as upper-case hex pairs. A negative begin or end
// makes both 0; an end of 0 or past the list is its last row; on return
// arBegin stands after the last row written. An empty list writes nothing.
// The file is replaced only once complete: when it cannot be written,
// messages (may be null) shows "ファイルが開けません" with the exclamation
// icon and an old file stays whole. True when the file was written.
bool CsvFileWrite(const FrameRowList& rclsfil, const clsProtocol& document, const clsFrameConfig& rclsfrm,
                  const std::string& fileName, int32_t& arBegin, int32_t& arEnd, MessageSink* messages = nullptr);

}  // namespace frames
