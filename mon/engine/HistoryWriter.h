// Writes a capture into numbered history files of at most 60,000 units:
// records go to BasePath.tmp as they come; a closed file gets its KY2
// header and is handed to the library's append worker, which puts the
// records behind the header and names the file by its markers. Beside
// each file, BasePath.k21 logs ring restarts and checksum errors and
// BasePath.k22 keeps the raw records that failed their checksum.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "Settings.h"

namespace mon {

class PortelloApi;

constexpr int32_t kFileUnitLimit = 60000;

enum AppendMarks : int16_t { kMarkBegan = 1, kMarkEnded = 2, kMarkTrigger = 4 };

// What the writer needs to know of the capture around it.
struct CaptureTimes {
    double MonitorStartTime = 0;
    double MonitorStopTime = 0;
};

class HistoryWriter {
public:
    HistoryWriter(PortelloApi& api, const PcSettings& pc, const MonitorSettings& committed)
        : api_(api), pc_(pc), committed_(committed) {}
    ~HistoryWriter();

    // At the start of a capture.
    void Reset();
    std::string BaseNameMake(int32_t number) const;
    void FileNumberFind();
    void TmpFileOpen();
    // Writes a record of units; the record is split at the file limit.
    // False when the file is in error (the caller tells the user).
    bool RecordWrite(std::string& recordBytes, int32_t& recordUnits, double recordTime,
                     const CaptureTimes& times);
    void HistoryFileClose(const CaptureTimes& times);
    void SumErrorLog(const std::string& recordBytes, double baseTime);
    void EventLog(const std::string& line);
    // The main window's caption: "モニタ - [" + the file's name + "]",
    // set when a file opens and again, with its markers, once it is handed
    // to the append worker.
    std::string Title = "モニタ - [無題]";

    int32_t FileNumber = 0;
    std::string BasePath;
    int16_t TmpOpen = 0;
    int16_t FileInError = 0;
    int32_t FileUnits = 0, FileSdUnits = 0, FileRdUnits = 0;
    std::string PrecedPath, FollowPath;
    int16_t AppendFlags = 0;

private:
    bool TmpWrite(const std::string& bytes, double recordTime);
    void RecordSplitWrite(std::string& recordBytes, int32_t& recordUnits, double recordTime);
    void RecordRestWrite(const std::string& rest, int32_t restUnits, double recordTime,
                         const CaptureTimes& times);
    bool HeaderWrite(const CaptureTimes& times);
    std::string HeaderText(const CaptureTimes& times) const;
    void RemoveHistory(const std::string& base) const;
    void TitleShow();

    PortelloApi& api_;
    const PcSettings& pc_;
    const MonitorSettings& committed_;
    std::FILE* tmp_ = nullptr;
    std::string stamp_;  // "yyyy/mm/dd hh:nn:ss," of stampTime_
    double stampTime_ = 0;
};

}  // namespace mon
