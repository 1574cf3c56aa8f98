// The monitoring conditions a frame file carries from its KY2 source, as
// the recording-conditions texts read them.
#pragma once

#include "PropTexts.h"

namespace frames {
class clsProtocol;
}

namespace analyser {

store::RecordingConditions HistoryConditions(const frames::clsProtocol& doc);

}  // namespace analyser
