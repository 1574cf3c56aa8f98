// What the fuzz targets share: a scratch folder per process, whole-file
// reads and writes, and the checks that report a broken property by
// aborting, which the fuzzer and the replay both take as a finding.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fuzz {

[[noreturn]] inline void Broken(const char* what, const char* file, int line) {
    std::fprintf(stderr, "property broken at %s:%d: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) ::fuzz::Broken(#condition, __FILE__, __LINE__); \
    } while (0)

// The same, with the property said in words.
inline void Check(bool property, const char* what) {
    if (property) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// One folder for the life of the process; a target that needs it empty
// clears it per input.
class Scratch {
public:
    static Scratch& Get() {
        static Scratch scratch;
        return scratch;
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // Writes the bytes to name in the folder; the file's path.
    std::string Write(const std::string& name, const uint8_t* data, size_t size) const;
    void Clear() const {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path_, ec))
            std::filesystem::remove_all(e.path(), ec);
    }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path_, ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    // Inside KY_FUZZ_SCRATCH when set (scripts/fuzz gives each run one and
    // removes it, also after a finding), else in memory when the system
    // offers it: the targets write and sync many small files per input.
    Scratch() {
        std::error_code ec;
        const char* parent = std::getenv("KY_FUZZ_SCRATCH");
        if (parent == nullptr || *parent == '\0')
            parent = std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(parent) + "/ky-fuzz.XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) Broken("no scratch folder", __FILE__, __LINE__);
        path_ = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string path_;
};

inline std::string ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Broken("cannot write a scratch file", __FILE__, __LINE__);
}

inline std::string Bytes(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline std::string Scratch::Write(const std::string& name, const uint8_t* data, size_t size) const {
    const std::string file = *this / name;
    WriteAll(file, Bytes(data, size));
    return file;
}

}  // namespace fuzz
