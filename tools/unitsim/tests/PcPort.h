// The PC's end of a simulated unit's line for the tests: the device
// library's serial port on the slave side, read the way Capturo reads it.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "portello.h"

namespace unitsim {

class PcPort {
public:
    static constexpr std::chrono::seconds kWait {5};

    explicit PcPort(const std::string& path) {
        AP_CreateMap();
        AP_SetActive(1);
        open_ = AP_CommInitialize(path.c_str(), 115200) == 1;
    }
    ~PcPort() {
        AP_CommClose();
        AP_CloseMap();
    }
    PcPort(const PcPort&) = delete;
    PcPort& operator=(const PcPort&) = delete;

    bool IsOpen() const { return open_; }

    bool Send(const std::string& text) {
        std::string bytes = text;
        return AP_Send(reinterpret_cast<uint8_t*>(bytes.data()), static_cast<int32_t>(bytes.size())) != 0;
    }

    // The next line with its CR LF, or nothing when none completes in time.
    std::optional<std::string> ReadLine() {
        return ReadUntil([](const std::string& got) {
            return got.size() >= 2 && got.compare(got.size() - 2, 2, "\r\n") == 0;
        });
    }

    std::optional<std::string> ReadBytes(std::size_t count) {
        return ReadUntil([count](const std::string& got) { return got.size() >= count; });
    }

    bool WaitForDsr(int32_t wanted) {
        using namespace std::chrono_literals;
        const auto deadline = std::chrono::steady_clock::now() + kWait;
        while (AP_IsCommDSR() != wanted) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(5ms);
        }
        return true;
    }

private:
    template <typename Done>
    std::optional<std::string> ReadUntil(Done done) {
        using namespace std::chrono_literals;
        const auto deadline = std::chrono::steady_clock::now() + kWait;
        while (std::chrono::steady_clock::now() < deadline) {
            AP_CommRecv();
            uint8_t byte = 0;
            while (AP_ReadMap(&byte) == 1) {
                pending_ += static_cast<char>(byte);
                if (done(pending_)) return std::exchange(pending_, {});
            }
            std::this_thread::sleep_for(2ms);
        }
        return std::nullopt;
    }

    bool open_ = false;
    std::string pending_;
};

}  // namespace unitsim
