#include "IniFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "TextUtil.h"
#include "his/store/LooseValue.h"
#include "his/store/SharedFunctions.h"
#include "platform/file/AtomicFile.h"
#include "platform/text/Cp932.h"
#include "platform/text/Rounding.h"
#include "platform/text/VbFormat.h"
#include "platform/time/VbDate.h"

namespace mon {

namespace {

namespace fs = std::filesystem;

constexpr std::array<uint32_t, 6> kPcBaudRates = {19200, 38400, 57600, 115200, 230400, 460800};

// A settings file is a few hundred bytes; anything this large is not one,
// and reading it whole would only cost memory.
constexpr uintmax_t kIniMaxBytes = 1 << 20;

// One keyword of a choice field and the value it stands for.
struct Word {
    std::string_view text;
    int16_t value;
};

constexpr Word kCodeWords[] = {{"HEX", 0}, {"ASCII", 1}, {"JIS7", 2}, {"JIS8", 4}, {"EBCDIC", 5}};
constexpr Word kLineWords[] = {{"DUAL", 0}, {"SD", 1}, {"RD", 2}};
constexpr Word kInterfaceWords[] = {{"RS-232C", 0}, {"RS-422", 1}};
constexpr Word kLedWords[] = {{"CD", 0}, {"CI", 1}};
constexpr Word kMemoryModeWords[] = {{"RING(RESTART)", 0}, {"RING(STOP)", 1}, {"FIX", 2}};
constexpr Word kParityWords[] = {{"NON", 0}, {"ODD", 1}, {"EVEN", 2}};

std::string_view Key(int id) { return IniKeyTable[static_cast<size_t>(id)].key; }

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::optional<double> NumberOf(const std::string& value) {
    return store::LooseValue(value).AsNumber();
}

// ---- defaults ----

void PcDefaultSet(PcSettings& pc, const std::string& appTitle, const std::string& programDir) {
    pc.ModelNumber = AsciiLower(appTitle).find("pavlor") != std::string::npos ? 2 : 1;
    pc.LinkKind = 1;
    pc.PortNumber = 1;
    pc.PcBaudIndex = 4;
    pc.DataDir = programDir;
    pc.FileName = "Ky";
    pc.SdForeColor = 0;
    pc.RdForeColor = 0xFF8000;
    pc.WaitSend = 0;
    pc.FileMax = kFileMaxUnlimited;
}

void TriggerDefaultSet(TriggerSetting& t, int32_t length, const std::string& attr) {
    t.Active = 0;
    t.Line = 0;
    t.SdCount = 1;
    t.RdCount = 1;
    t.Length = length;
    t.SdCharAttr = attr;
    t.RdCharAttr = attr;
    t.SdData.clear();
    t.RdData.clear();
}

void MonitorDefaultSet(MonitorSettings& m, double now) {
    m.Code = 1;
    m.BaudRate = 9600;
    m.DataLength = 1;
    m.ErrStop = 0;
    m.Direction = 0;
    m.Interface = 0;
    m.CharTime = 0;
    m.Led = 0;
    m.MemoryMode = 0;
    m.Parity = 0;
    TriggerDefaultSet(m.Trig[0], 0, "00000");
    TriggerDefaultSet(m.Trig[1], 100, "");
    m.RangeDate = 0;
    m.RangeStart = platform::FormatDateTime(now);
    m.RangeStop = m.RangeStart;
}

// ---- reading: one helper per kind of field ----

void SetWord(const std::string& value, std::span<const Word> words, int16_t& field) {
    const std::string upper = AsciiUpper(value);
    for (const Word& w : words) {
        if (upper == w.text) {
            field = w.value;
            return;
        }
    }
}

// Only the exact word switches on; any other text, empty included, is off.
void SetOnOff(const std::string& value, int16_t& field) { field = value == "ON" ? -1 : 0; }

template <typename Int>
void SetWhole(const std::string& value, int32_t low, int32_t high, Int& field) {
    if (const auto n = store::LooseInt32(value, low, high)) field = static_cast<Int>(*n);
}

void SetBaudRate(const std::string& value, float& field) {
    const auto n = NumberOf(value);
    if (!n) return;
    const double whole = platform::BankersRound(*n);
    if (whole >= kIniBaudRateMin && whole <= kIniBaudRateMax) field = static_cast<float>(whole);
}

void SetDataLength(const std::string& value, int16_t& field) {
    if (value == "7") field = 0;
    if (value == "8") field = 1;
}

// Digits the pattern grids produce: 0 unused, 1/2 byte/any byte, 5/6 the
// same negated.
bool IsAttributeText(const std::string& value) {
    return value.size() <= kIniStopPatternBytes &&
           std::all_of(value.begin(), value.end(), [](char c) {
               return std::string_view("01256").find(c) != std::string_view::npos;
           });
}

// Whole pairs only, each two hex digits or "**" (any byte).
bool IsPatternText(const std::string& value, size_t maxBytes) {
    if (value.size() % 2 != 0 || value.size() > 2 * maxBytes) return false;
    for (size_t i = 0; i < value.size(); i += 2) {
        const bool anyByte = value[i] == '*' && value[i + 1] == '*';
        if (!anyByte && !(IsHexDigit(value[i]) && IsHexDigit(value[i + 1]))) return false;
    }
    return true;
}

void SetAttribute(const std::string& value, std::string& field) {
    if (IsAttributeText(value)) field = value;
}

void SetPattern(const std::string& value, size_t maxBytes, std::string& field) {
    if (IsPatternText(value, maxBytes)) field = value;
}

// Kept in the one form every reader of the range understands, which is also
// what the rewritten file will hold.
void SetRangeText(const std::string& value, std::string& field) {
    const auto date = store::LooseValue(value).AsDate();
    if (date) field = platform::FormatDateTime(*date);
}

// The value is "COM" and up to three digits; the first three characters are
// skipped whatever they are. A longer number falls back to port 1.
void SetPort(const std::string& value, int16_t& field) {
    const std::string number = value.substr(store::LeftChars(value, 3).size());
    if (Utf8Length(number) > 3) {
        field = 1;
        return;
    }
    SetWhole(number, kIniPortMin, kIniPortMax, field);
}

void SetPcBaud(const std::string& value, int16_t& field) {
    const auto n = NumberOf(value);
    if (!n) return;
    for (size_t i = 0; i < kPcBaudRates.size(); ++i) {
        if (*n == kPcBaudRates[i]) field = static_cast<int16_t>(i + 1);
    }
}

// Control characters (a NUL above all, which would cut the name short
// for the system) name no file or folder a user could have chosen.
bool HasControlCharacter(const std::string& value) {
    return std::any_of(value.begin(), value.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A drive root cannot be looked up without touching the drive, so it is
// taken as it is; any other folder must be there.
void SetDataDir(const std::string& value, std::string& field) {
    if (HasControlCharacter(value)) return;
    if (value.ends_with(":\\")) {
        field = value;
        return;
    }
    std::error_code ec;
    if (fs::is_directory(fs::path(value), ec) && !ec) field = value;
}

// The history files are named after it inside the data folder, so it must
// name something and must not lead out of that folder.
void SetFileName(const std::string& value, std::string& field) {
    if (!value.empty() && value.find('/') == std::string::npos && !HasControlCharacter(value)) {
        field = value;
    }
}

void SetColor(const std::string& value, int32_t& field) {
    const int32_t color = store::HexToInt<int32_t>(value, 8);
    if (color >= 0 && color <= kIniColorMax) field = color;
}

// Fewer than two file numbers cannot wrap; any number beyond the limit
// means no limit, as in the dialog.
void SetFileMax(const std::string& value, int32_t& field) {
    if (value.empty()) {
        field = kFileMaxUnlimited;
        return;
    }
    const auto n = NumberOf(value);
    if (!n) return;
    const double whole = platform::BankersRound(*n);
    if (whole < kIniFileMaxMin) return;
    field = whole >= kFileMaxUnlimited ? kFileMaxUnlimited : static_cast<int32_t>(whole);
}

using Setter = void (*)(const std::string&, PcSettings&, MonitorSettings&);

// Indexed by key id.
constexpr std::array<Setter, kIniKeyCount> kSetters = {
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetWord(v, kCodeWords, m.Code); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetBaudRate(v, m.BaudRate); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetDataLength(v, m.DataLength); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetOnOff(v, m.ErrStop); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWord(v, kLineWords, m.Direction);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWord(v, kInterfaceWords, m.Interface);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetOnOff(v, m.CharTime); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetWord(v, kLedWords, m.Led); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWord(v, kMemoryModeWords, m.MemoryMode);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWord(v, kParityWords, m.Parity);
    },
    // The stop trigger.
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetOnOff(v, m.Trig[0].Active); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWord(v, kLineWords, m.Trig[0].Line);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWhole(v, kIniCountMin, kIniCountMax, m.Trig[0].SdCount);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWhole(v, kIniCountMin, kIniCountMax, m.Trig[0].RdCount);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWhole(v, kIniLengthAfterMin, kIniLengthAfterMax, m.Trig[0].Length);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetAttribute(v, m.Trig[0].SdCharAttr);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetAttribute(v, m.Trig[0].RdCharAttr);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetPattern(v, kIniStopPatternBytes, m.Trig[0].SdData);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetPattern(v, kIniStopPatternBytes, m.Trig[0].RdData);
    },
    // The start trigger.
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetOnOff(v, m.Trig[1].Active); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWord(v, kLineWords, m.Trig[1].Line);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWhole(v, kIniCountMin, kIniCountMax, m.Trig[1].SdCount);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWhole(v, kIniCountMin, kIniCountMax, m.Trig[1].RdCount);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetWhole(v, kIniMonitorLengthMin, kIniMonitorLengthMax, m.Trig[1].Length);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetPattern(v, kIniStartPatternBytes, m.Trig[1].SdData);
    },
    [](const std::string& v, PcSettings&, MonitorSettings& m) {
        SetPattern(v, kIniStartPatternBytes, m.Trig[1].RdData);
    },
    // The date range.
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetOnOff(v, m.RangeDate); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetRangeText(v, m.RangeStart); },
    [](const std::string& v, PcSettings&, MonitorSettings& m) { SetRangeText(v, m.RangeStop); },
    // The PC side.
    [](const std::string& v, PcSettings& p, MonitorSettings&) {
        p.ModelNumber = v == "KY-N4" ? 1 : 2;
    },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { p.LinkKind = v == "LAN" ? 2 : 1; },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetPort(v, p.PortNumber); },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetPcBaud(v, p.PcBaudIndex); },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetDataDir(v, p.DataDir); },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetFileName(v, p.FileName); },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetColor(v, p.SdForeColor); },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetColor(v, p.RdForeColor); },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { p.WaitSend = v == "ON" ? 1 : 0; },
    [](const std::string& v, PcSettings& p, MonitorSettings&) { SetFileMax(v, p.FileMax); },
};

// ---- writing ----

void AddLine(std::string& out, std::string_view head, std::string_view value = {}) {
    out += head;
    out += value;
    out += "\r\n";
}

// Empty for a value that has no word, so the line reads back as "unchanged".
std::string_view WordOf(std::span<const Word> words, int16_t value) {
    for (const Word& w : words) {
        if (w.value == value) return w.text;
    }
    return {};
}

// 3 is JIS7 shown in its kana state; the file knows only "JIS7".
std::string_view CodeWord(int16_t code) { return code == 3 ? "JIS7" : WordOf(kCodeWords, code); }

std::string_view OnOff(int16_t flag) { return flag != 0 ? "ON" : "OFF"; }

// The shortest decimal that reads back as the same float: 9600, 1234.5.
std::string BaudText(float baud) {
    char text[64];
    const auto result =
        std::to_chars(std::begin(text), std::end(text), baud, std::chars_format::fixed);
    if (result.ec != std::errc()) return {};
    return std::string(text, result.ptr);
}

std::string PcBaudText(int16_t index) {
    const uint32_t rate = PcBaudRate(index);
    return rate == 0 ? std::string() : std::to_string(rate);
}

std::string FileMaxText(int32_t fileMax) {
    return fileMax > 0x3FFFFFFF ? std::string() : std::to_string(fileMax);
}

std::string RangeText(const std::string& text, double now) {
    const auto date = store::LooseValue(text).AsDate();
    return platform::FormatDateTime(date ? *date : now);
}

void AddPcLines(std::string& out, const PcSettings& pc) {
    AddLine(out, "[KY_PC]");
    AddLine(out, Key(kIniKind), pc.ModelNumber == 1 ? "KY-N4" : "KY-N5");
    AddLine(out, Key(kIniConnect), pc.LinkKind == 1 ? "RS-232C" : "LAN");
    AddLine(out, Key(kIniPort), PortParamName(pc));
    AddLine(out, Key(kIniBaudRatePc), PcBaudText(pc.PcBaudIndex));
    AddLine(out, Key(kIniDataDir), pc.DataDir);
    AddLine(out, Key(kIniFileName), pc.FileName);
    AddLine(out, Key(kIniSdForeColor),
            platform::HexUpper(static_cast<uint32_t>(pc.SdForeColor), 8));
    AddLine(out, Key(kIniRdForeColor),
            platform::HexUpper(static_cast<uint32_t>(pc.RdForeColor), 8));
    AddLine(out, Key(kIniWaitSend), pc.WaitSend == 1 ? "ON" : "OFF");
    AddLine(out, Key(kIniFileMax), FileMaxText(pc.FileMax));
}

void AddLineSettings(std::string& out, const MonitorSettings& m) {
    AddLine(out, "[MONITOR]");
    AddLine(out, Key(kIniCode), CodeWord(m.Code));
    AddLine(out, Key(kIniBaudRate), BaudText(m.BaudRate));
    AddLine(out, Key(kIniDataLength), m.DataLength != 0 ? "8" : "7");
    AddLine(out, Key(kIniErrStop), OnOff(m.ErrStop));
    AddLine(out, Key(kIniDirection), WordOf(kLineWords, m.Direction));
    AddLine(out, Key(kIniInterface), m.Interface == 1 ? "RS-422" : "RS-232C");
    AddLine(out, Key(kIniCharTime), OnOff(m.CharTime));
    AddLine(out, Key(kIniLed), m.Led == 1 ? "CI" : "CD");
    AddLine(out, Key(kIniMemoryMode), WordOf(kMemoryModeWords, m.MemoryMode));
    AddLine(out, Key(kIniParity), WordOf(kParityWords, m.Parity));
}

void AddStopTrigger(std::string& out, const TriggerSetting& t) {
    AddLine(out, Key(kIniTrigStop), OnOff(t.Active));
    AddLine(out, Key(kIniTrigLineStop), WordOf(kLineWords, t.Line));
    AddLine(out, Key(kIniSdCountStop), std::to_string(t.SdCount));
    AddLine(out, Key(kIniRdCountStop), std::to_string(t.RdCount));
    AddLine(out, Key(kIniLengthAfter), std::to_string(t.Length));
    AddLine(out, Key(kIniSdCharAttr), t.SdCharAttr);
    AddLine(out, Key(kIniRdCharAttr), t.RdCharAttr);
    AddLine(out, Key(kIniSdDataStop), t.SdData);
    AddLine(out, Key(kIniRdDataStop), t.RdData);
}

// The start trigger has no attribute strings: it carries no NOT marks.
void AddStartTrigger(std::string& out, const TriggerSetting& t) {
    AddLine(out, Key(kIniTrigStart), OnOff(t.Active));
    AddLine(out, Key(kIniTrigLineStart), WordOf(kLineWords, t.Line));
    AddLine(out, Key(kIniSdCountStart), std::to_string(t.SdCount));
    AddLine(out, Key(kIniRdCountStart), std::to_string(t.RdCount));
    AddLine(out, Key(kIniMonitorLength), std::to_string(t.Length));
    AddLine(out, Key(kIniSdDataStart), t.SdData);
    AddLine(out, Key(kIniRdDataStart), t.RdData);
}

void AddRange(std::string& out, const MonitorSettings& m, double now) {
    AddLine(out, Key(kIniRangeDate), OnOff(m.RangeDate));
    AddLine(out, Key(kIniRangeStart), RangeText(m.RangeStart, now));
    AddLine(out, Key(kIniRangeStop), RangeText(m.RangeStop, now));
}

// ---- the file ----

// nullopt when the file cannot be read or is far too large to be ours.
std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || ec) return std::nullopt;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kIniMaxBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Lines end at CR LF; a lone CR or LF ends one too, so a file saved by a
// Linux editor still reads.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find_first_of("\r\n");
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) break;
        const size_t next = bytes.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        bytes.remove_prefix(next);
    }
    return lines;
}

// A first line equal to the header also makes the file at least as long as
// the header, so one test covers both marks of a foreign file.
bool IsOurFile(const std::vector<std::string_view>& lines) {
    return !lines.empty() && lines.front() == kIniHeader;
}

// A line with bytes that are no code page 932 text holds no value of
// ours: it would come back changed ("?" for each bad byte) the next time
// the file is written. Such bytes decode as U+FFFD, which the code page
// itself cannot hold.
void ApplyLines(const std::vector<std::string_view>& lines, PcSettings& pc,
                MonitorSettings& monitor) {
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string text = platform::Cp932ToUtf8(lines[i]);
        if (text.find("\xEF\xBF\xBD") != std::string::npos) continue;
        std::string value;
        const int id = IniKeyFind(text, value);
        IniValueSet(id, value, pc, monitor);
    }
}

}  // namespace

void SettingsDefaultSet(PcSettings& pc, MonitorSettings& monitor, const std::string& appTitle,
                        const std::string& programDir, double now) {
    PcDefaultSet(pc, appTitle, programDir);
    MonitorDefaultSet(monitor, now);
}

int IniKeyFind(std::string_view line, std::string& value) {
    // Only at the start of the line: a folder name holding "Code=" must not
    // turn a DataDir line into a Code line.
    for (const IniKey& k : IniKeyTable) {
        if (line.starts_with(k.key)) {
            value.assign(line.substr(k.key.size()));
            return k.id;
        }
    }
    value.clear();
    return -1;
}

void IniValueSet(int id, const std::string& value, PcSettings& pc, MonitorSettings& monitor) {
    if (id < 0 || id >= kIniKeyCount) return;
    kSetters[static_cast<size_t>(id)](value, pc, monitor);
}

std::string IniFileText(const PcSettings& pc, const MonitorSettings& monitor, double now) {
    std::string text;
    AddLine(text, kIniHeader);
    AddPcLines(text, pc);
    AddLineSettings(text, monitor);
    AddStopTrigger(text, monitor.Trig[0]);
    AddStartTrigger(text, monitor.Trig[1]);
    AddRange(text, monitor, now);
    return platform::Utf8ToCp932(text);
}

bool IniFileWrite(const std::string& path, const PcSettings& pc, const MonitorSettings& monitor,
                  bool secondInstance, double now) {
    if (secondInstance) return false;
    platform::AtomicFile file(path);
    file.Write(IniFileText(pc, monitor, now));
    return file.Commit();
}

IniReadResult IniFileRead(const std::string& path, PcSettings& pc, MonitorSettings& monitor,
                          bool secondInstance, double now) {
    std::error_code ec;
    const bool exists = fs::exists(path, ec);
    // A file we cannot even look at might still be there: never replace it.
    if (ec) return IniReadResult::Ignored;
    if (!exists) {
        // Writing the defaults and reading them back would give the defaults.
        return IniFileWrite(path, pc, monitor, secondInstance, now) ? IniReadResult::Created
                                                                    : IniReadResult::Absent;
    }
    const auto bytes = ReadSmallFile(path);
    if (!bytes) return IniReadResult::Ignored;
    const auto lines = SplitLines(*bytes);
    if (!IsOurFile(lines)) return IniReadResult::Ignored;
    ApplyLines(lines, pc, monitor);
    IniFileWrite(path, pc, monitor, secondInstance, now);
    return IniReadResult::Read;
}

std::string PortParamName(const PcSettings& pc) { return "COM" + std::to_string(pc.PortNumber); }

uint32_t PcBaudRate(int16_t index) {
    if (index < 1 || index > static_cast<int16_t>(kPcBaudRates.size())) return 0;
    return kPcBaudRates[static_cast<size_t>(index - 1)];
}

}  // namespace mon
