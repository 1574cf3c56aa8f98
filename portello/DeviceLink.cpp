#include "DeviceLink.h"

namespace portello {

namespace {

constexpr uint32_t kLanBaudModel1 = 115200;
constexpr uint32_t kLanBaudOther = 614400;

DeviceApp theApp;

}  // namespace

DeviceApp& App() { return theApp; }

int16_t DeviceLink::SetModel(int16_t model) {
    if (model == 1 || model == 2) modelNumber_ = model;
    // Set on every call, also when the argument was refused.
    SetLineSetupBaud(modelNumber_ == 1 ? kLanBaudModel1 : kLanBaudOther);
    return model;
}

int16_t DeviceLink::SetActive(int16_t kind) {
    if (kind == 1 || kind == 2) linkKind_ = kind;
    return kind;
}

}  // namespace portello
