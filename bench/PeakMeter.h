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
