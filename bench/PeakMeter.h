// Resident memory of the benchmark process, and the highest it reached
// while a run went on.
#pragma once

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

// Resident memory now, in bytes.
inline double ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// Resident memory before any history was opened: the benchmark programs
// take it when they start, so that nothing a run leaves behind (a cache, a
// pool of threads) hides in the figure taken before the next one.
inline double& NoFileResident() {
    static double bytes = 0;
    return bytes;
}
inline void NoFileResidentTake() { NoFileResident() = (::malloc_trim(0), ResidentBytes()); }

// The highest resident memory since the last ResidentPeakReset (or the
// start), in bytes, as the kernel counted it.
inline double ResidentPeakBytes() {
    double peak = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            long kb = 0;
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) peak = static_cast<double>(kb) * 1024.0;
        }
        std::fclose(f);
    }
    return peak;
}

// Starts the kernel's count of the highest resident memory anew.
inline void ResidentPeakReset() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// Bytes the process has read from files (and pipes) so far, all threads.
inline long long BytesRead() {
    long long bytes = 0;
    if (FILE* f = std::fopen("/proc/self/io", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            if (std::sscanf(line, "rchar: %lld", &bytes) == 1) break;
        }
        std::fclose(f);
    }
    return bytes;
}

inline long long FileBytes(const char* path) {
    long long size = 0;
    if (FILE* f = std::fopen(path, "rb")) {
        if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
        std::fclose(f);
    }
    return size;
}

// The highest resident memory seen while a run goes on, above what the
// process held when it started (freed memory handed back first, so that
// memory an earlier run left free does not hide new growth).
class PeakMeter {
public:
    PeakMeter() : base_((::malloc_trim(0), ResidentBytes())), peak_(base_) {}
    void Sample() { peak_ = std::max(peak_, ResidentBytes()); }
    double GrowthMegabytes() const { return (peak_ - base_) / (1024.0 * 1024.0); }

private:
    double base_;
    double peak_;
};
