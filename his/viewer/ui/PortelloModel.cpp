#include "PortelloModel.h"

#include <dlfcn.h>

#include <utility>

namespace viewer::ui {

namespace {

using SetModelFn = int16_t (*)(int16_t);

class DynamicPortelloModel final : public PortelloModel {
public:
    DynamicPortelloModel(std::string path, std::function<void(const std::string&)> onMissing)
        : path_(std::move(path)), onMissing_(std::move(onMissing)) {}
    // The library stays loaded to the end of the run: unloading it while
    // its worker threads could exist is never safe.
    ~DynamicPortelloModel() override = default;

    int16_t SetModel(int16_t model) override {
        if (setModel_ == nullptr) setModel_ = Resolve();
        return setModel_ != nullptr ? setModel_(model) : int16_t{0};
    }

private:
    SetModelFn Resolve() {
        if (handle_ == nullptr) handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            Missing(Reason(path_ + " cannot be loaded"));
            return nullptr;
        }
        void* symbol = ::dlsym(handle_, "AP_SetModel");
        if (symbol == nullptr) Missing(Reason("AP_SetModel is missing in " + path_));
        return reinterpret_cast<SetModelFn>(symbol);
    }

    static std::string Reason(std::string what) {
        const char* detail = ::dlerror();
        if (detail != nullptr) what += std::string(": ") + detail;
        return what;
    }

    void Missing(const std::string& why) const {
        if (onMissing_) onMissing_(why);
    }

    std::string path_;
    std::function<void(const std::string&)> onMissing_;
    void* handle_ = nullptr;
    SetModelFn setModel_ = nullptr;
};

}  // namespace

std::unique_ptr<PortelloModel> LoadPortelloModel(
    std::string libraryPath, std::function<void(const std::string&)> onMissing) {
    return std::make_unique<DynamicPortelloModel>(std::move(libraryPath), std::move(onMissing));
}

}  // namespace viewer::ui
