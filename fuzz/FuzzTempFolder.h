// A folder of this process's own under /tmp for targets whose readers take
// a path: the input is written to a file there before it is read. The
// folder goes when the process ends.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fuzz {

class TempFolder {
public:
    static TempFolder& Get() {
        static TempFolder folder;
        return folder;
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes bytes to name in the folder and returns its path.
    std::string Write(const std::string& name, const uint8_t* data, size_t size) const {
        const std::string path = *this / name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) std::abort();
        if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
        std::fclose(f);
        return path;
    }
    static std::string Read(const std::string& path) {
        std::string bytes;
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (f == nullptr) return bytes;
        char block[65536];
        size_t n = 0;
        while ((n = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
        std::fclose(f);
        return bytes;
    }

private:
    TempFolder() {
        std::string pattern = "/tmp/ky-fuzz.XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) == nullptr) std::abort();
        path_ = name.data();
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    std::string path_;
};

// Ends the run where a property is broken, so the fuzzer keeps the input.
inline void Check(bool property, const char* what) {
    if (property) return;
    std::fprintf(stderr, "broken property: %s\n", what);
    std::abort();
}

}  // namespace fuzz
