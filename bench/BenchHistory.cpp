#include "BenchHistory.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "FileSave.h"
#include "Ky2Format.h"
#include "Ky2LineBuilder.h"
#include "clsCommon.h"

namespace bench {

namespace fs = std::filesystem;

namespace {

constexpr int kUnitsPerStamp = 6;

std::vector<std::string>& Made() {
    static std::vector<std::string> files;
    static const bool cleanup = [] {
        std::atexit([] {
            std::error_code ec;
            for (const std::string& f : Made()) fs::remove(f, ec);
        });
        return true;
    }();
    (void)cleanup;
    return files;
}

}  // namespace

uint8_t UnitAttribute(int64_t i) {
    uint8_t a = store::kAttrUnit;
    if (i % 3 == 0) a |= store::kAttrRd;
    if (i % 3 == 1 && i % 7 == 0) a |= store::kAttrSame;
    if (i % 97 == 0) a |= store::kAttrParity;
    if (i % 251 == 0) a |= store::kAttrFlam;
    return a;
}

uint8_t UnitData(int64_t i) { return static_cast<uint8_t>(0x20 + i * 7 % 95); }

std::string OutputPath(const std::string& name) {
    const std::string path =
        (fs::temp_directory_path() / ("ky-bench-" + std::to_string(::getpid()) + "-" + name)).string();
    Made().push_back(path);
    return path;
}

namespace {

std::FILE* HeaderWrite(const std::string& path) {
    store::clsCommon header;
    header.CharTime(1);
    header.BaudRate(9600);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    const std::string text = store::Ky2HeaderText(header, "", "");
    std::fwrite(text.data(), 1, text.size(), f);
    return f;
}

// Writes out what has gathered once it is large, or all of it at the end.
void Drain(std::string& out, std::FILE* f, bool end = false) {
    if (!end && out.size() <= (1 << 20)) return;
    std::fwrite(out.data(), 1, out.size(), f);
    out.clear();
}

void Close(std::FILE* f) {
    if (std::fclose(f) != 0) std::abort();
}

// A history of lines of units under a stamp each, units as HistoryFile
// says; line k holds unitsIn(k) units.
void UnitLinesWrite(const std::string& path, size_t lineCount, const std::function<int64_t(size_t)>& unitsIn) {
    std::FILE* f = HeaderWrite(path);
    std::string out;
    store::Ky2LineBuilder lines;
    int64_t i = 0;
    for (size_t line = 0; line < lineCount; ++line) {
        const double stamp = 45000.0 + static_cast<double>(line) / 86400.0;
        for (int64_t u = unitsIn(line); u > 0; --u, ++i) {
            lines.Add(out, stamp, static_cast<uint8_t>(UnitAttribute(i) & 0x7F), UnitData(i), 1,
                      static_cast<uint16_t>(i % 1024));
            Drain(out, f);  // the lines the builder has ended
        }
    }
    lines.Finish(out);
    Drain(out, f, true);
    Close(f);
}

}  // namespace

const std::string& HistoryFile(int64_t units) {
    static std::map<int64_t, std::string> files;
    std::string& path = files[units];
    if (!path.empty()) return path;
    path = OutputPath(std::to_string(units) + ".ky2");
    const auto lines = static_cast<size_t>((units + kUnitsPerStamp - 1) / kUnitsPerStamp);
    UnitLinesWrite(path, lines, [units](size_t line) {
        return std::min<int64_t>(kUnitsPerStamp, units - static_cast<int64_t>(line) * kUnitsPerStamp);
    });
    return path;
}

const std::string& LongLinesFile(const std::string& name, const std::vector<int64_t>& lineUnits) {
    static std::map<std::string, std::string> files;
    std::string& path = files[name];
    if (!path.empty()) return path;
    path = OutputPath(name + ".ky2");
    UnitLinesWrite(path, lineUnits.size(), [&lineUnits](size_t line) { return lineUnits[line]; });
    return path;
}

const std::string& OpenLineFile(int64_t units) {
    static std::map<int64_t, std::string> files;
    std::string& path = files[units];
    if (!path.empty()) return path;
    path = OutputPath("open-line-" + std::to_string(units) + ".ky2");
    std::FILE* f = HeaderWrite(path);
    std::string out = "2024/05/06 07:08:09,\x44\x01";
    for (int64_t i = 0; i < units; ++i) {
        out.push_back(static_cast<char>(UnitAttribute(i)));
        out.push_back(static_cast<char>(UnitData(i)));
        Drain(out, f);
    }
    Drain(out, f, true);
    Close(f);
    return path;
}

}  // namespace bench
