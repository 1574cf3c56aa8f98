#include "PortelloApi.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace mon {

namespace {

class DynamicPortello final : public PortelloApi {
public:
    DynamicPortello(std::string path, std::function<void(const std::string&)> onMissing)
        : path_(std::move(path)), onMissing_(std::move(onMissing)) {}
    ~DynamicPortello() override = default;  // the library stays loaded to the end

    int16_t SetModel(int16_t model) override { return Call(setModel_, "AP_SetModel", model); }
    int16_t SetActive(int16_t kind) override { return Call(setActive_, "AP_SetActive", kind); }
    int32_t CreateMap() override { return Call(createMap_, "AP_CreateMap"); }
    int32_t CloseMap() override { return Call(closeMap_, "AP_CloseMap"); }
    int32_t ReadMap(uint8_t* out) override { return Call(readMap_, "AP_ReadMap", out); }
    void ClearBuff() override { Call(clearBuff_, "AP_ClearBuff"); }
    int32_t CommInitialize(const char* name, uint32_t baud) override {
        return Call(commInitialize_, "AP_CommInitialize", name, baud);
    }
    int32_t CommClose() override { return Call(commClose_, "AP_CommClose"); }
    int32_t CommRecv() override { return Call(commRecv_, "AP_CommRecv"); }
    int32_t Send(uint8_t* data, int32_t len) override { return Call(send_, "AP_Send", data, len); }
    int32_t IsCommCTS() override { return Call(isCommCts_, "AP_IsCommCTS"); }
    int32_t IsCommDSR() override { return Call(isCommDsr_, "AP_IsCommDSR"); }
    int32_t SetDTR(int32_t on) override { return Call(setDtr_, "AP_SetDTR", on); }
    int32_t SetBreak() override { return Call(setBreak_, "AP_SetBreak"); }
    int32_t ClearBreak() override { return Call(clearBreak_, "AP_ClearBreak"); }
    int32_t WaitTimeUp(uint32_t ms) override { return Call(waitTimeUp_, "AP_WaitTimeUp", ms); }
    int32_t CheckSum(uint8_t* data, int32_t len) override {
        return Call(checkSum_, "AP_CheckSum", data, len);
    }
    int16_t GetDataAttr(uint8_t a, int16_t* same, int16_t* rd, int16_t* jis7, int16_t* trig,
                        int16_t* parity, int16_t* over, int16_t* flam) override {
        return Call(getDataAttr_, "AP_GetDataAttr", a, same, rd, jis7, trig, parity, over, flam);
    }
    void GetCountAll(uint8_t* block, int32_t* total, int32_t* sd, int32_t* rd) override {
        Call(getCountAll_, "AP_GetCountAll", block, total, sd, rd);
    }
    int32_t GetCountInf(int16_t kind, uint8_t* block, uint32_t n) override {
        return Call(getCountInf_, "AP_GetCountInf", kind, block, n);
    }
    int32_t FindChar(uint8_t* data, uint32_t from, uint32_t to, int16_t* pattern,
                     uint32_t len) override {
        return Call(findChar_, "AP_FindChar", data, from, to, pattern, len);
    }
    int32_t GetBaudRateN4(uint16_t row, int16_t* group, float* baud, int16_t* clockCode,
                          int32_t* divisor) override {
        return Call(getBaudRateN4_, "AP_GetBaudRateN4", row, group, baud, clockCode, divisor);
    }
    int32_t Ky2AddData(const char* basePath, int16_t flags) override {
        return Call(ky2AddData_, "AP_Ky2AddData", basePath, flags);
    }
    void Ky2AddDataClear() override { Call(ky2AddDataClear_, "AP_Ky2AddDataClear"); }

private:
    // Binds the export at its first call; a missing one ends the program
    // through onMissing (or returns the failure value when a test's
    // onMissing returns).
    template <typename R, typename... P, typename... A>
    R Call(R (*&slot)(P...), const char* name, A... args) {
        if (slot == nullptr) slot = reinterpret_cast<R (*)(P...)>(Resolve(name));
        if (slot == nullptr) {
            if constexpr (std::is_void_v<R>) return;
            else return R{};
        }
        return slot(args...);
    }

    void* Resolve(const char* name) {
        if (handle_ == nullptr) {
            handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle_ == nullptr) {
                Missing("cannot load " + path_ + ": " + ::dlerror());
                return nullptr;
            }
        }
        void* symbol = ::dlsym(handle_, name);
        if (symbol == nullptr) Missing(std::string("missing export ") + name + " in " + path_);
        return symbol;
    }

    void Missing(const std::string& message) {
        if (onMissing_) {
            onMissing_(message);
            return;
        }
        std::fprintf(stderr, "%s\n", message.c_str());
        std::exit(2);
    }

    std::string path_;
    std::function<void(const std::string&)> onMissing_;
    void* handle_ = nullptr;

    int16_t (*setModel_)(int16_t) = nullptr;
    int16_t (*setActive_)(int16_t) = nullptr;
    int32_t (*createMap_)() = nullptr;
    int32_t (*closeMap_)() = nullptr;
    int32_t (*readMap_)(uint8_t*) = nullptr;
    void (*clearBuff_)() = nullptr;
    int32_t (*commInitialize_)(const char*, uint32_t) = nullptr;
    int32_t (*commClose_)() = nullptr;
    int32_t (*commRecv_)() = nullptr;
    int32_t (*send_)(uint8_t*, int32_t) = nullptr;
    int32_t (*isCommCts_)() = nullptr;
    int32_t (*isCommDsr_)() = nullptr;
    int32_t (*setDtr_)(int32_t) = nullptr;
    int32_t (*setBreak_)() = nullptr;
    int32_t (*clearBreak_)() = nullptr;
    int32_t (*waitTimeUp_)(uint32_t) = nullptr;
    int32_t (*checkSum_)(uint8_t*, int32_t) = nullptr;
    int16_t (*getDataAttr_)(uint8_t, int16_t*, int16_t*, int16_t*, int16_t*, int16_t*, int16_t*,
                            int16_t*) = nullptr;
    void (*getCountAll_)(uint8_t*, int32_t*, int32_t*, int32_t*) = nullptr;
    int32_t (*getCountInf_)(int16_t, uint8_t*, uint32_t) = nullptr;
    int32_t (*findChar_)(uint8_t*, uint32_t, uint32_t, int16_t*, uint32_t) = nullptr;
    int32_t (*getBaudRateN4_)(uint16_t, int16_t*, float*, int16_t*, int32_t*) = nullptr;
    int32_t (*ky2AddData_)(const char*, int16_t) = nullptr;
    void (*ky2AddDataClear_)() = nullptr;
};

}  // namespace

std::unique_ptr<PortelloApi> LoadPortello(const std::string& libraryPath,
                                          std::function<void(const std::string&)> onMissing) {
    return std::make_unique<DynamicPortello>(libraryPath, std::move(onMissing));
}

}  // namespace mon
