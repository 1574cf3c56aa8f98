// The history-append exports. Both stand at the edge of the library, so no
// exception gets past them.
#include "DeviceLink.h"
#include "portello.h"

using portello::App;

extern "C" {

PORTELLO_API int32_t AP_Ky2AddData(const char* basePath, int16_t appendFlags) {
    try {
        App().appends.AppendStart(basePath, appendFlags);
    } catch (...) {
        // The request never started: both files stay as handed over.
    }
    return 1;
}

PORTELLO_API void AP_Ky2AddDataClear(void) {
    try {
        App().appends.AppendStop();
    } catch (...) {
        // Only the lock can throw; the running appends simply go on.
    }
}

}  // extern "C"
