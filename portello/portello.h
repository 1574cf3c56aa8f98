// Portello: the device access library of the KY-N4/KY-N5 monitor.
//
// One process-wide device object holds all state; no handle crosses this
// interface. Every function returns 1 for success and 0 for failure or for
// no result unless its comment says otherwise. Calls made before
// AP_CreateMap, or while no port is open, return their failure value and
// touch nothing.
//
// Argument widths are fixed: "short" arguments are signed 16-bit, "int"
// signed 32-bit, "unsigned int" unsigned 32-bit.
#ifndef PORTELLO_H
#define PORTELLO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(PORTELLO_BUILD)
#define PORTELLO_API __attribute__((visibility("default")))
#else
#define PORTELLO_API
#endif

// One display record filled by AP_CreateDspData. The first 24 bytes and
// the padding bytes belong to the caller and are never written.
typedef struct DisplayRecord {
    uint8_t caller[24];
    int16_t same;
    int16_t rd;
    int16_t jis7;
    int16_t trig;
    int16_t parity;
    int16_t over;
    int16_t flam;
    uint8_t data;
    uint8_t pad1;
    int16_t timeRange;  // character-time range code, 0 to 7
    uint8_t pad2[2];
    int32_t timeValue;  // character-time value, 0 to 1023
} DisplayRecord;

// --- receive ring (64 KB) ---------------------------------------------------
PORTELLO_API int32_t AP_CreateMap(void);
PORTELLO_API int32_t AP_CloseMap(void);
PORTELLO_API int32_t AP_WriteMap(uint8_t* data, int32_t len);
PORTELLO_API int32_t AP_ReadMap(uint8_t* out);
PORTELLO_API void AP_ClearBuff(void);
PORTELLO_API int32_t AP_Recv(uint8_t* out);

// --- model and link kind ----------------------------------------------------
// Store the value when it is 1 or 2; both return their argument.
PORTELLO_API int16_t AP_SetActive(int16_t kind);
PORTELLO_API int16_t AP_IsActive(void);
PORTELLO_API int16_t AP_SetModel(int16_t model);
PORTELLO_API int16_t AP_IsModel(void);

// --- serial port ------------------------------------------------------------
// portName: "\\.\COMn", "COMn" or a device path. COMn opens the device named
// by the environment variable PORTELLO_COMn, else /dev/ttyS<n-1>.
PORTELLO_API int32_t AP_CommInitialize(const char* portName, uint32_t baud);
PORTELLO_API int32_t AP_CommClose(void);
PORTELLO_API int32_t AP_SetCommState(uint32_t baud);
// 1 bytes moved, 0 no room or no port, else the port's error mask.
PORTELLO_API int32_t AP_CommRecv(void);
// Sends go to the serial port with link kind 1, else to the LAN link.
PORTELLO_API int32_t AP_Send(uint8_t* data, int32_t len);
PORTELLO_API int32_t AP_IsCommCTS(void);
PORTELLO_API int32_t AP_IsCommDSR(void);
PORTELLO_API int32_t AP_SetDTR(int32_t on);
PORTELLO_API int32_t AP_SetBreak(void);
PORTELLO_API int32_t AP_ClearBreak(void);

// --- LAN socket -------------------------------------------------------------
// The LAN link carries the line in packets over TCP. With a link kind other
// than 1, AP_Send, AP_SetDTR, AP_IsCommCTS and AP_IsCommDSR use it: a send
// goes out as packets of at most 1024 data bytes and returns the byte count
// of the last packet, DTR returns that of its packet, and every failure
// returns 0. The unit's data goes into the ring on a thread of the library;
// while the ring has 2048 free bytes or fewer the link reads nothing more
// and the unit waits, so no byte is dropped for lack of room.
//
// 1 when a socket was created; 0 when one exists already or none can be had.
PORTELLO_API int32_t AP_SocketCreate(void);
// Cuts the connection and discards the socket.
PORTELLO_API void AP_SocketClose(void);
// Starts connecting to a dotted IPv4 address or a host name (looked up on
// the library's thread). Returns the socket's connect result: 0 when the
// connect is under way (it completes, or fails, after the call returns, and
// AP_IsConnect tells which); -1 when nothing could start: no socket, a
// connection started on it before, or a bad address or port. The link
// counts as connected once the line set-up packet (baud 115200 for model 1,
// else 614400) has gone out, and no longer once either side closes; CTS and
// DSR then read 0.
PORTELLO_API int32_t AP_SocketConnect(const char* address, uint32_t port);
// Lets a receive held back for lack of ring room go ahead at once (it also
// goes ahead by itself once the ring has room).
PORTELLO_API void AP_SocketRcvChk(void);
// 1 while connected, else 0.
PORTELLO_API int32_t AP_IsConnect(void);
// Data bytes from the unit that the ring refused (it was missing, or a
// caller's AP_WriteMap had filled it), since the library was loaded;
// saturates at INT32_MAX.
PORTELLO_API int32_t AP_SocketLost(void);

// --- timers -----------------------------------------------------------------
PORTELLO_API int32_t AP_Timer_Start(uint32_t ms);
PORTELLO_API int32_t AP_IsTimeUp(void);
PORTELLO_API int32_t AP_WaitTimeUp(uint32_t ms);

// --- captured records -------------------------------------------------------
PORTELLO_API int32_t AP_CheckSum(uint8_t* data, int32_t len);
PORTELLO_API int16_t AP_GetDataAttr(uint8_t attribute, int16_t* same, int16_t* rd,
                                    int16_t* jis7, int16_t* trig, int16_t* parity,
                                    int16_t* over, int16_t* flam);
PORTELLO_API void AP_GetCountAll(uint8_t* block, int32_t* total, int32_t* sdCount,
                                 int32_t* rdCount);
PORTELLO_API int32_t AP_GetCountInf(int16_t kind, uint8_t* block, uint32_t n);
PORTELLO_API void AP_CreateDspData(uint8_t* block, DisplayRecord* table, int32_t* index,
                                   uint32_t capacity);
PORTELLO_API int32_t AP_FindChar(uint8_t* data, uint32_t from, uint32_t to,
                                 int16_t* pattern, uint32_t len);
PORTELLO_API int32_t AP_GetBaudRateN4(uint16_t row, int16_t* group, float* baud,
                                      int16_t* clockCode, int32_t* divisor);

// --- history append ---------------------------------------------------------
// Neither needs the ring or a port.
//
// Appends basePath.tmp to the end of basePath.ky2 on a thread of its own,
// renames the .ky2 by appendFlags and deletes the .tmp. basePath is folder,
// file name and number without extension. Flags: 1 monitoring began in this
// file ("b"), 4 it holds the trigger point ("t"), 2 monitoring ended in it
// ("e"); "_" and the letters in the order b, t, e go before ".ky2", so Cap_03
// with 7 becomes Cap_03_bte.ky2, with 0 keeps its name. An existing file of
// the new name is never replaced. On any failure, or when stopped, the .ky2
// is cut back to its header and the .tmp kept whole.
// Returns 1 at once, always; a null or empty path does nothing. Unloading
// the library waits for the appends still running.
PORTELLO_API int32_t AP_Ky2AddData(const char* basePath, int16_t appendFlags);
// Asks the appends running now to stop; later ones are not affected.
PORTELLO_API void AP_Ky2AddDataClear(void);

#ifdef __cplusplus
}
#endif

#endif
