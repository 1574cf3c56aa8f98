// The viewer's one use of the device library: setting the model at
// start-up. The library is bound by name at that call, as the monitor binds
// it; tests put a setter of their own in its place.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace viewer::ui {

class PortelloModel {
public:
    virtual ~PortelloModel() = default;
    // AP_SetModel: 1 or 2 is stored, anything else changes nothing.
    virtual int16_t SetModel(int16_t model) = 0;
};

// The library file libraryPath, opened with dlopen at the first SetModel
// and AP_SetModel looked up then. When either is missing, onMissing gets
// the reason and SetModel returns 0; main() ends the program there, since
// the viewer has no way on without the library.
std::unique_ptr<PortelloModel> LoadPortelloModel(std::string libraryPath,
                                                 std::function<void(const std::string&)> onMissing);

}  // namespace viewer::ui
