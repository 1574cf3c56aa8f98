// The LAN socket exports. They stand at the edge of the library, so no
// exception gets past them.
#include <algorithm>
#include <cstdint>

#include "DeviceLink.h"
#include "portello.h"

using portello::App;

extern "C" {

PORTELLO_API int32_t AP_SocketCreate(void) {
    try {
        return App().device.LanCreate();
    } catch (...) {
        return 0;
    }
}

PORTELLO_API void AP_SocketClose(void) {
    try {
        App().device.LanClose();
    } catch (...) {
        // Only a lock can throw; the connection is then closed when the
        // library unloads.
    }
}

PORTELLO_API int32_t AP_SocketConnect(const char* address, uint32_t port) {
    try {
        return App().device.LanConnect(address, port);
    } catch (...) {
        return 0;
    }
}

PORTELLO_API void AP_SocketRcvChk(void) {
    try {
        App().device.LanRcvChk();
    } catch (...) {
        // The reader looks at the ring again by itself.
    }
}

PORTELLO_API int32_t AP_IsConnect(void) {
    try {
        return App().device.IsConnect();
    } catch (...) {
        return 0;
    }
}

PORTELLO_API int32_t AP_SocketLost(void) {
    const uint64_t lost = App().device.LostBytes();
    return static_cast<int32_t>(std::min<uint64_t>(lost, INT32_MAX));
}

}  // extern "C"
