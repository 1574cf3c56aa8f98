// Capturo.ini: the defaults of both settings records, the file's 42 lines,
// and the reading rule that takes a hand-edited file without trusting it.
//
// The file is code page 932 text with CR LF line ends; inside the program
// every text is UTF-8. Where the file lives is the caller's business
// ("Capturo.ini" in the program folder).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Settings.h"

namespace mon {

// The key ids, in the order of IniKeyTable.
enum IniKeyId : int {
    kIniCode = 0,
    kIniBaudRate,
    kIniDataLength,
    kIniErrStop,
    kIniDirection,
    kIniInterface,
    kIniCharTime,
    kIniLed,
    kIniMemoryMode,
    kIniParity,
    kIniTrigStop,
    kIniTrigLineStop,
    kIniSdCountStop,
    kIniRdCountStop,
    kIniLengthAfter,
    kIniSdCharAttr,
    kIniRdCharAttr,
    kIniSdDataStop,
    kIniRdDataStop,
    kIniTrigStart,
    kIniTrigLineStart,
    kIniSdCountStart,
    kIniRdCountStart,
    kIniMonitorLength,
    kIniSdDataStart,
    kIniRdDataStart,
    kIniRangeDate,
    kIniRangeStart,
    kIniRangeStop,
    kIniKind,
    kIniConnect,
    kIniPort,
    kIniBaudRatePc,
    kIniDataDir,
    kIniFileName,
    kIniSdForeColor,
    kIniRdForeColor,
    kIniWaitSend,
    kIniFileMax,
};

constexpr int kIniKeyCount = 39;

struct IniKey {
    int id;
    std::string_view key;  // includes the "="
};

inline constexpr std::array<IniKey, kIniKeyCount> IniKeyTable{{
    {kIniCode, "Code="},
    {kIniBaudRate, "BaudRate="},
    {kIniDataLength, "DataLength="},
    {kIniErrStop, "ErrStop="},
    {kIniDirection, "Direction="},
    {kIniInterface, "Interface="},
    {kIniCharTime, "CharTime="},
    {kIniLed, "Led="},
    {kIniMemoryMode, "MemoryMode="},
    {kIniParity, "Parity="},
    {kIniTrigStop, "TrigStop="},
    {kIniTrigLineStop, "TrigLineStop="},
    {kIniSdCountStop, "SdCountStop="},
    {kIniRdCountStop, "RdCountStop="},
    {kIniLengthAfter, "LengthAfter="},
    {kIniSdCharAttr, "SdCharAttr="},
    {kIniRdCharAttr, "RdCharAttr="},
    {kIniSdDataStop, "SdDataStop="},
    {kIniRdDataStop, "RdDataStop="},
    {kIniTrigStart, "TrigStart="},
    {kIniTrigLineStart, "TrigLineStart="},
    {kIniSdCountStart, "SdCountStart="},
    {kIniRdCountStart, "RdCountStart="},
    {kIniMonitorLength, "MonitorLength="},
    {kIniSdDataStart, "SdDataStart="},
    {kIniRdDataStart, "RdDataStart="},
    {kIniRangeDate, "RangeDate="},
    {kIniRangeStart, "RangeStart="},
    {kIniRangeStop, "RangeStop="},
    {kIniKind, "Kind="},
    {kIniConnect, "Connect="},
    {kIniPort, "Port="},
    {kIniBaudRatePc, "BaudRatePc="},
    {kIniDataDir, "DataDir="},
    {kIniFileName, "FileName="},
    {kIniSdForeColor, "SdForeColor="},
    {kIniRdForeColor, "RdForeColor="},
    {kIniWaitSend, "WaitSend="},
    {kIniFileMax, "FileMax="},
}};

// The first line of every Capturo.ini; a file that does not start with it
// is not ours and is never touched.
inline constexpr std::string_view kIniHeader = "*****   SytemFile.ini   *****";

// Ranges a value read from the file must lie in; the same ones the settings
// windows accept, so a hand-edited file cannot give the engine a value the
// user could not have entered. Anything outside is refused, never cut.
inline constexpr int kIniCountMin = 0;  // trigger SD/RD counts
inline constexpr int kIniCountMax = 99;
inline constexpr int32_t kIniLengthAfterMin = 0;
inline constexpr int32_t kIniLengthAfterMax = 129900;
inline constexpr int32_t kIniMonitorLengthMin = 100;
inline constexpr int32_t kIniMonitorLengthMax = 1000000;
inline constexpr double kIniBaudRateMin = 1;
inline constexpr double kIniBaudRateMax = 687500;
inline constexpr int kIniPortMin = 1;
inline constexpr int kIniPortMax = 999;
inline constexpr int32_t kIniColorMax = 0xFFFFFF;
inline constexpr int32_t kIniFileMaxMin = 2;
inline constexpr size_t kIniStopPatternBytes = 5;
inline constexpr size_t kIniStartPatternBytes = 12;

// The defaults of both records. appTitle decides the model; programDir
// becomes the data folder; now (a date value) fills the date range.
void SettingsDefaultSet(PcSettings& pc, MonitorSettings& monitor, const std::string& appTitle,
                        const std::string& programDir, double now);

// The id of the key that begins line (-1 when none does) and, in value,
// the text after the key (empty when none). line is UTF-8 without its
// line end. Case matters: "code=" is no key.
int IniKeyFind(std::string_view line, std::string& value);

// Applies one value (UTF-8) to its field. A value that does not read as
// what the field takes, or lies outside its range, leaves the field as it
// was. An unknown id does nothing.
void IniValueSet(int id, const std::string& value, PcSettings& pc, MonitorSettings& monitor);

// The whole file as written: 42 lines, CR LF, code page 932 bytes. now
// stands in for a date range text that does not read as a date.
std::string IniFileText(const PcSettings& pc, const MonitorSettings& monitor, double now);

// Replaces the file at path with IniFileText, atomically: the old file stays
// whole until the new one is complete. A second instance never writes, so
// two running copies do not overwrite each other's settings. True when the
// file now holds the text.
bool IniFileWrite(const std::string& path, const PcSettings& pc, const MonitorSettings& monitor,
                  bool secondInstance, double now);

enum class IniReadResult {
    Read,     // the file's values were taken (and the file normalised)
    Ignored,  // not ours, too short or unreadable: left alone, defaults stand
    Created,  // there was none; one holding the defaults was written
    Absent,   // there was none and none could be written (or a second instance)
};

// Reads path into the records, which hold the defaults beforehand, and
// rewrites the file in its normal form.
IniReadResult IniFileRead(const std::string& path, PcSettings& pc, MonitorSettings& monitor,
                          bool secondInstance, double now);

// "COM" and the port number: the name the serial layer maps to a device.
std::string PortParamName(const PcSettings& pc);

// The PC link's baud rate for PcBaudIndex 1-6; 0 for any other index.
uint32_t PcBaudRate(int16_t index);

}  // namespace mon
