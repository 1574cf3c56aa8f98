// The trigger patterns Capturo.ini keeps, as the trigger editor loads them:
// the first byte picks a stop ('S') or a start pattern, a stop pattern's
// attribute digits run to the first line feed, the data pairs follow.
// Whatever a hand-edited file holds, loading gives a pattern Set accepts,
// its strings are well formed, and loading those strings again gives them
// back unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "TriggerPattern.h"

namespace {

bool WellFormedData(const std::string& data) {
    if (data.size() % 2 != 0) return false;
    for (size_t i = 0; i < data.size(); i += 2) {
        const std::string_view pair(data.data() + i, 2);
        if (pair == "**") continue;
        for (char c : pair) {
            if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
        }
    }
    return true;
}

void StopCheck(std::string_view attributes, std::string_view data) {
    mon::TriggerPattern pattern(mon::PatternKind::Stop);
    pattern.LoadStop(attributes, data);
    const auto strings = pattern.StopPatternGet();
    FUZZ_CHECK(strings.has_value());
    FUZZ_CHECK(strings->attributes.size() == 5 && strings->data.size() == 10);
    FUZZ_CHECK(strings->attributes.find_first_not_of("01256") == std::string::npos);
    FUZZ_CHECK(WellFormedData(strings->data));
    mon::TriggerPattern again(mon::PatternKind::Stop);
    again.LoadStop(strings->attributes, strings->data);
    FUZZ_CHECK(again.StopPatternGet() == strings);
}

void StartCheck(std::string_view data) {
    mon::TriggerPattern pattern(mon::PatternKind::Start);
    pattern.LoadStart(data);
    const auto strings = pattern.StartPatternGet();
    FUZZ_CHECK(strings.has_value());
    FUZZ_CHECK(strings->size() <= 24 && WellFormedData(*strings));
    mon::TriggerPattern again(mon::PatternKind::Start);
    again.LoadStart(*strings);
    FUZZ_CHECK(again.StartPatternGet() == strings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    const std::string_view input(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    if (bytes[0] == 'S') {
        const size_t cut = input.find('\n');
        StopCheck(input.substr(0, cut), cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1));
    } else {
        StartCheck(input);
    }
    return 0;
}
