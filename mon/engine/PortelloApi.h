// The monitor's way to the device library: one table of the library's
// exports. The program binds the library at run time and each export at
// its first call; tests put a table of their own in its place.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace mon {

class PortelloApi {
public:
    virtual ~PortelloApi() = default;

    virtual int16_t SetModel(int16_t model) = 0;
    virtual int16_t SetActive(int16_t kind) = 0;
    virtual int32_t CreateMap() = 0;
    virtual int32_t CloseMap() = 0;
    virtual int32_t ReadMap(uint8_t* out) = 0;
    virtual void ClearBuff() = 0;
    virtual int32_t CommInitialize(const char* portName, uint32_t baud) = 0;
    virtual int32_t CommClose() = 0;
    virtual int32_t CommRecv() = 0;
    virtual int32_t Send(uint8_t* data, int32_t len) = 0;
    virtual int32_t IsCommCTS() = 0;
    virtual int32_t IsCommDSR() = 0;
    virtual int32_t SetDTR(int32_t on) = 0;
    virtual int32_t SetBreak() = 0;
    virtual int32_t ClearBreak() = 0;
    virtual int32_t WaitTimeUp(uint32_t ms) = 0;
    virtual int32_t CheckSum(uint8_t* data, int32_t len) = 0;
    virtual int16_t GetDataAttr(uint8_t attribute, int16_t* same, int16_t* rd, int16_t* jis7,
                                int16_t* trig, int16_t* parity, int16_t* over, int16_t* flam) = 0;
    virtual void GetCountAll(uint8_t* block, int32_t* total, int32_t* sd, int32_t* rd) = 0;
    virtual int32_t GetCountInf(int16_t kind, uint8_t* block, uint32_t n) = 0;
    virtual int32_t FindChar(uint8_t* data, uint32_t from, uint32_t to, int16_t* pattern,
                             uint32_t len) = 0;
    virtual int32_t GetBaudRateN4(uint16_t row, int16_t* group, float* baud, int16_t* clockCode,
                                  int32_t* divisor) = 0;
    virtual int32_t Ky2AddData(const char* basePath, int16_t appendFlags) = 0;
    virtual void Ky2AddDataClear() = 0;
};

// The library file in a folder, bound with dlopen when the first export is
// called and each export with dlsym at its own first call. When the
// library or an export is missing, onMissing gets a message; by default it
// prints it on stderr and ends the program, as nothing can work without it.
std::unique_ptr<PortelloApi> LoadPortello(
    const std::string& libraryPath,
    std::function<void(const std::string&)> onMissing = nullptr);

}  // namespace mon
