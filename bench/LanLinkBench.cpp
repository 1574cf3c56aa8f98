// The LAN link's sustained rate: the simulated unit streams data packets
// over a loopback TCP connection and the reader drains the ring a byte at a
// time, as Capturo's line reader does. At 614400 baud (10 bits a character)
// a unit sends 61,440 bytes a second; the link must keep well ahead of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "UnitSim.h"
#include "portello.h"

namespace {

constexpr double kLineBytesPerSecond = 614400.0 / 10.0;

// The unit stays connected for every run of the benchmark.
unitsim::UnitSim& Unit() {
    static std::unique_ptr<unitsim::UnitSim> unit = [] {
        unitsim::UnitOptions options;
        options.model = 2;
        options.lanPort = 0;
        auto u = std::make_unique<unitsim::UnitSim>(options);
        AP_SetModel(2);
        AP_SetActive(2);
        AP_CreateMap();
        AP_SocketCreate();
        AP_SocketConnect("127.0.0.1", static_cast<uint32_t>(u->LanPort()));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (AP_IsConnect() != 1 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return u;
    }();
    return *unit;
}

void BM_LanReceive(benchmark::State& state) {
    unitsim::UnitSim& unit = Unit();
    if (AP_IsConnect() != 1) {
        state.SkipWithError("no connection to the simulated unit");
        return;
    }
    const std::string block(static_cast<size_t>(state.range(0)), 'k');
    std::chrono::duration<double> spent {0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::thread sender([&] { unit.SendBytes(block); });
        size_t got = 0;
        uint8_t b = 0;
        while (got < block.size()) {
            if (AP_ReadMap(&b) == 1) {
                ++got;
            } else {
                std::this_thread::yield();
            }
        }
        sender.join();
        spent += std::chrono::steady_clock::now() - start;
    }
    const double bytes = static_cast<double>(state.iterations()) * static_cast<double>(block.size());
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    // How many times the line's rate the link sustained.
    state.counters["x_line_rate"] = bytes / spent.count() / kLineBytesPerSecond;
    state.SetLabel("goal >= 61.44 kB/s (614400 baud), x_line_rate >= 1");
}
BENCHMARK(BM_LanReceive)->Arg(1 << 20)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
