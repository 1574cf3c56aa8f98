#include "HistoryWriter.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "PortelloApi.h"
#include "his/store/Ky2Format.h"
#include "platform/file/AtomicFile.h"
#include "platform/text/Cp932.h"
#include "platform/text/VbFormat.h"
#include "platform/time/VbDate.h"

namespace mon {

namespace {

bool EndsWith(const std::string& name, const std::string& suffix) {
    return name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The file number in a history file name: FileName_NN, then markers, then
// ".ky2"; or FileName_NN.tmp, the records of a file that never became a
// history (a disk error, a failed append), which a new file must not
// overwrite.
bool NumberOfName(const std::string& name, const std::string& fileName, int32_t& number) {
    const std::string prefix = fileName + "_";
    const std::string suffix = EndsWith(name, ".tmp") ? ".tmp" : ".ky2";
    if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
        !EndsWith(name, suffix)) {
        return false;
    }
    std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    middle = middle.substr(0, middle.find('_'));
    if (middle.empty() || middle.size() > 9 ||
        middle.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    number = std::stoi(middle);
    return true;
}

std::string Stamp(double date) { return platform::FormatDateTime(date); }

std::string RangeStamp(const std::string& text) {
    if (auto d = platform::ParseDateTime(text)) return Stamp(*d);
    return text;
}

bool AppendToFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

const char* const kMarkerEndings[] = {"_", "_b", "_t", "_e", "_bt", "_be", "_te", "_bte"};

}  // namespace

HistoryWriter::~HistoryWriter() {
    if (tmp_ != nullptr) std::fclose(tmp_);
}

void HistoryWriter::Reset() {
    FileUnits = FileSdUnits = FileRdUnits = 0;
    TmpOpen = 0;
    FileInError = 0;
    PrecedPath.clear();
    FollowPath.clear();
}

std::string HistoryWriter::BaseNameMake(int32_t number) const {
    std::string dir = pc_.DataDir;
    if (dir.empty() || dir.back() != '/') dir += '/';
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return dir + pc_.FileName + "_" + digits;
}

void HistoryWriter::FileNumberFind() {
    FileNumber = 0;
    if (DIR* d = ::opendir(pc_.DataDir.empty() ? "." : pc_.DataDir.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            int32_t n = 0;
            if (NumberOfName(e->d_name, pc_.FileName, n) && n + 1 > FileNumber) FileNumber = n + 1;
        }
        ::closedir(d);
    }
    if (FileNumber >= pc_.FileMax) FileNumber = 0;
}

void HistoryWriter::TmpFileOpen() {
    if (FileInError == -1) return;
    BasePath = BaseNameMake(FileNumber);
    FileNumber = FileNumber + 1 >= pc_.FileMax ? 0 : FileNumber + 1;
    TitleShow();
    // The number is taken now: side files of an earlier capture under it
    // go, so that everything logged from here on is this capture's.
    ::unlink((BasePath + ".k21").c_str());
    ::unlink((BasePath + ".k22").c_str());
    tmp_ = std::fopen((BasePath + ".tmp").c_str(), "wb");  // truncates a leftover
    if (tmp_ != nullptr) {
        TmpOpen = -1;
    } else {
        FileInError = -1;
    }
}

bool HistoryWriter::TmpWrite(const std::string& bytes, double recordTime) {
    if (tmp_ == nullptr) return false;
    // The records of one second share their stamp: it is made once.
    if (stamp_.empty() || recordTime != stampTime_) {
        stamp_ = Stamp(recordTime) + ",";
        stampTime_ = recordTime;
    }
    // Flushed record by record: what the unit sent is on its way to the
    // disk even if the program dies the next moment.
    return std::fwrite(stamp_.data(), 1, stamp_.size(), tmp_) == stamp_.size() &&
           std::fwrite(bytes.data(), 1, bytes.size(), tmp_) == bytes.size() && std::fflush(tmp_) == 0;
}

bool HistoryWriter::RecordWrite(std::string& recordBytes, int32_t& recordUnits, double recordTime,
                                const CaptureTimes& times) {
    if (FileInError == -1) {
        if (FileUnits + recordUnits > kFileUnitLimit) {
            // Retry with the next number. The broken file is closed while it
            // is still in error, so its .tmp, the only copy of what reached
            // the disk, stays.
            FileUnits = FileSdUnits = FileRdUnits = 0;
            recordUnits = 0;
            HistoryFileClose(times);
            FileInError = 0;
            TmpFileOpen();
        }
        return false;
    }
    if (FileUnits + recordUnits <= kFileUnitLimit) {
        if (!TmpWrite(recordBytes, recordTime)) FileInError = -1;
        return true;
    }
    // A record longer than a file goes on into as many files as it fills.
    do {
        RecordSplitWrite(recordBytes, recordUnits, recordTime);
        RecordRestWrite(recordBytes, recordUnits, recordTime, times);
    } while (FileUnits + recordUnits > kFileUnitLimit && FileInError != -1);
    return true;
}

void HistoryWriter::RecordSplitWrite(std::string& recordBytes, int32_t& recordUnits, double recordTime) {
    const int32_t over = FileUnits + recordUnits - kFileUnitLimit;
    const int32_t keep = recordUnits - over;
    std::vector<uint8_t> padded(recordBytes.begin(), recordBytes.end());
    padded.insert(padded.end(), 4, 0);
    const auto off = static_cast<size_t>(api_.GetCountInf(0, padded.data(), static_cast<uint32_t>(keep) + 1));
    const std::string first = recordBytes.substr(0, off) + std::string("\x00\r\n", 3);
    if (!TmpWrite(first, recordTime)) FileInError = -1;
    recordBytes = recordBytes.substr(0, 2) + recordBytes.substr(off);
    recordUnits = over;
    // The display counts only the rest; the full file holds these units
    // even when the record alone filled it, and closing must not take it
    // for an empty one.
    FileUnits += keep;
}

void HistoryWriter::RecordRestWrite(const std::string& rest, int32_t restUnits, double recordTime,
                                    const CaptureTimes& times) {
    HistoryFileClose(times);
    TmpFileOpen();
    FileUnits = FileSdUnits = FileRdUnits = 0;
    if (restUnits > kFileUnitLimit && FileInError != -1) return;  // split again first
    if (FileInError == -1 || !TmpWrite(rest, recordTime)) FileInError = -1;
}

void HistoryWriter::RemoveHistory(const std::string& base) const {
    ::unlink((base + ".ky2").c_str());
    for (const char* ending : kMarkerEndings) ::unlink((base + ending + ".ky2").c_str());
}

void HistoryWriter::HistoryFileClose(const CaptureTimes& times) {
    if (TmpOpen == 0) return;
    TmpOpen = 0;
    const bool closed = std::fclose(tmp_) == 0;
    tmp_ = nullptr;
    if (!closed) FileInError = -1;
    if (FileInError == -1) {
        // No history file is made. The .tmp keeps whatever reached the disk
        // before the error: it is the only copy of those records.
        ::unlink((BasePath + ".ky2").c_str());
    } else if (FileUnits <= 0) {
        ::unlink((BasePath + ".tmp").c_str());
    } else if (!HeaderWrite(times)) {
        ::unlink((BasePath + ".ky2").c_str());  // never half a header; the .tmp stays
    } else {
        api_.Ky2AddData(BasePath.c_str(), AppendFlags);
        TitleShow();
    }
    if (FileUnits > 0) AppendFlags = 0;
}

std::string HistoryWriter::HeaderText(const CaptureTimes& times) const {
    const MonitorSettings& s = committed_;
    auto flag = [](int16_t v) { return std::string(v != 0 ? "1" : "0"); };
    auto n = [](int v) { return std::to_string(v); };
    auto trigger = [&](const TriggerSetting& t) {
        return n(t.Line) + "," + t.SdData + "," + t.SdCharAttr + "," + n(t.SdCount) + "," + t.RdData +
               "," + t.RdCharAttr + "," + n(t.RdCount) + "," + n(t.Length);
    };
    const std::string lines[] = {
        std::string(store::kKy2Magic),
        PrecedPath + "," + FollowPath,
        Stamp(times.MonitorStartTime) + "," + (times.MonitorStopTime != 0 ? Stamp(times.MonitorStopTime) : ""),
        n(s.Code) + "," + platform::FormatNumber(s.BaudRate, "") + "," + n(s.DataLength) + "," +
            flag(s.ErrStop) + "," + n(s.Direction) + "," + n(s.Interface) + "," + flag(s.CharTime) + "," +
            n(s.Led) + "," + n(s.MemoryMode) + "," + n(s.Parity) + "," + flag(s.Trig[0].Active) + "," +
            flag(s.Trig[1].Active) + "," + flag(s.RangeDate),
        RangeStamp(s.RangeStart) + "," + RangeStamp(s.RangeStop),
        trigger(s.Trig[0]),
        trigger(s.Trig[1]),
    };
    std::string text;
    for (const std::string& line : lines) text += platform::Utf8ToCp932(line) + "\r\n";
    return text;
}

bool HistoryWriter::HeaderWrite(const CaptureTimes& times) {
    RemoveHistory(BasePath);
    FollowPath = BaseNameMake(FileNumber) + ".ky2";
    platform::AtomicFile header(BasePath + ".ky2");
    header.Write(HeaderText(times));
    if (!header.Commit()) return false;
    PrecedPath = BasePath + (AppendFlags != 0 ? store::AppendFlagsSuffix(AppendFlags) : "") + ".ky2";
    return true;
}

void HistoryWriter::SumErrorLog(const std::string& recordBytes, double baseTime) {
    const double t = baseTime + static_cast<uint8_t>(recordBytes.size() > 1 ? recordBytes[1] : 0) / 86400.0;
    const MonitorSettings& s = committed_;
    if (s.RangeDate != 0) {
        const auto from = platform::ParseDateTime(s.RangeStart);
        const auto to = platform::ParseDateTime(s.RangeStop);
        if ((from && t < *from) || (to && t > *to)) return;
    }
    EventLog(Stamp(t) + " チェックサムエラー");
    AppendToFile(BasePath + ".k22", recordBytes);
}

void HistoryWriter::EventLog(const std::string& line) {
    AppendToFile(BasePath + ".k21", platform::Utf8ToCp932(line) + "\r\n");
}

void HistoryWriter::TitleShow() {
    Title = "モニタ - [" + BasePath + (AppendFlags != 0 ? store::AppendFlagsSuffix(AppendFlags) : "") +
            ".ky2]";
}

}  // namespace mon
