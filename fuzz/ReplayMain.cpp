// Runs a fuzz target over stored inputs: every file named on the command
// line, and every file inside the folders named there (a missing folder is
// an empty corpus). A target reports a broken property by aborting, so the
// replay fails exactly where the fuzzer would have reported a finding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& arg) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    if (std::filesystem::is_directory(arg, ec)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(arg, ec))
            if (entry.is_regular_file()) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
    } else if (std::filesystem::is_regular_file(arg, ec)) {
        files.push_back(arg);
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& file : InputsOf(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::fprintf(stderr, "replay %s (%zu bytes)\n", file.c_str(), bytes.size());
            // A valid pointer even for an empty input, as libFuzzer passes.
            static const uint8_t empty = 0;
            LLVMFuzzerTestOneInput(bytes.empty() ? &empty : reinterpret_cast<const uint8_t*>(bytes.data()),
                                   bytes.size());
            ++count;
        }
    }
    std::printf("%zu inputs replayed\n", count);
    return 0;
}
