// The receive pump over any bytes the line may carry, in any cutting into
// passes: every line it hands out ends at its first CR LF and nowhere
// earlier, none is longer than the pending limit, and the lines, what is
// still pending and the noise it dropped account for every byte received,
// in order when nothing was dropped.
//
// Input: byte 0 picks how many bytes arrive between passes (1 to 64); the
// rest is what the unit sends. With byte 0's top bit that is repeated past
// the pending limit, then a line end and the rest once more follow, so the
// noise path is taken and left. The pump runs with a small pending limit,
// so that the noise path costs no more than any other input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "LineIo.h"
#include "mon/engine/tests/FakePortello.h"

namespace {
constexpr size_t kPendingLimit = 512;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t chunk = 1 + data[0] % 64;
    std::string sent(reinterpret_cast<const char*>(data + 1), size - 1);
    if ((data[0] & 0x80) != 0) {
        const std::string once = sent;
        while (sent.size() <= kPendingLimit) sent += once;
        sent += "\r\n" + once;
    }
    mon::test::FakePortello api;
    mon::test::FakeClock clock;
    mon::LineIo io(api, clock, kPendingLimit);
    std::string lines;
    uint64_t noise = 0;
    for (size_t at = 0; at < sent.size(); at += chunk) {
        api.Queue(sent.substr(at, chunk));
        for (;;) {
            const std::string& line = io.LineRecv();
            noise += io.TakeNoise();
            if (line.empty()) break;
            FUZZ_CHECK(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0);
            FUZZ_CHECK(line.find("\r\n") == line.size() - 2);
            FUZZ_CHECK(line.size() <= kPendingLimit);
            lines += line;
        }
    }
    noise += io.TakeNoise(true);
    FUZZ_CHECK(lines.size() + io.PendingText.size() + noise == sent.size());
    if (noise == 0) FUZZ_CHECK(lines + io.PendingText == sent);
    return 0;
}
