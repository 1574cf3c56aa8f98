// The ring, link-setting, serial and timer exports: thin calls into the
// process's device object.
#include "DeviceLink.h"
#include "portello.h"

using portello::App;

namespace {

constexpr uint32_t kSendPaceMs = 1;

}  // namespace

extern "C" {

PORTELLO_API int32_t AP_CreateMap(void) { return App().device.RingCreate(); }
PORTELLO_API int32_t AP_CloseMap(void) { return App().device.RingClose(); }
PORTELLO_API int32_t AP_WriteMap(uint8_t* data, int32_t len) {
    return App().device.RingWrite(data, len);
}
PORTELLO_API int32_t AP_ReadMap(uint8_t* out) { return App().device.RingReadByte(out); }
PORTELLO_API int32_t AP_Recv(uint8_t* out) { return App().device.RingReadByte(out); }
PORTELLO_API void AP_ClearBuff(void) { App().device.RingClear(); }

PORTELLO_API int16_t AP_SetActive(int16_t kind) { return App().device.SetActive(kind); }
PORTELLO_API int16_t AP_IsActive(void) { return App().device.Kind(); }
PORTELLO_API int16_t AP_SetModel(int16_t model) { return App().device.SetModel(model); }
PORTELLO_API int16_t AP_IsModel(void) { return App().device.Model(); }

PORTELLO_API int32_t AP_CommInitialize(const char* portName, uint32_t baud) {
    return App().device.PortInitialize(portName, baud);
}
PORTELLO_API int32_t AP_CommClose(void) { return App().device.PortClose(); }
PORTELLO_API int32_t AP_SetCommState(uint32_t baud) { return App().device.PortSetState(baud); }
PORTELLO_API int32_t AP_CommRecv(void) { return App().device.PortToRing(); }

PORTELLO_API int32_t AP_Send(uint8_t* data, int32_t len) {
    portello::WaitPlain(kSendPaceMs);
    auto& d = App().device;
    return d.SerialSelected() ? d.PortWrite(data, len) : d.LinkSend(data, len);
}
PORTELLO_API int32_t AP_IsCommCTS(void) {
    auto& d = App().device;
    return d.SerialSelected() ? d.PortIsCts() : d.LinkIsCts();
}
PORTELLO_API int32_t AP_IsCommDSR(void) {
    auto& d = App().device;
    return d.SerialSelected() ? d.PortIsDsr() : d.LinkIsDsr();
}
PORTELLO_API int32_t AP_SetDTR(int32_t on) {
    auto& d = App().device;
    return d.SerialSelected() ? d.PortSetDtr(on) : d.LinkSetDtr(on);
}
PORTELLO_API int32_t AP_SetBreak(void) { return App().device.PortSetBreak(); }
PORTELLO_API int32_t AP_ClearBreak(void) { return App().device.PortClearBreak(); }

PORTELLO_API int32_t AP_Timer_Start(uint32_t ms) { return App().timer.TimerStart(ms); }
PORTELLO_API int32_t AP_IsTimeUp(void) { return App().timer.IsTimeUp(); }
PORTELLO_API int32_t AP_WaitTimeUp(uint32_t ms) { return portello::WaitPlain(ms); }

}  // extern "C"
