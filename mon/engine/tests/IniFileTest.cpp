#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "IniFile.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/file/tests/ProtectedTargets.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace mon {
namespace {

const double kNow = *platform::MakeDate({2024, 5, 6, 7, 8, 9});
constexpr const char* kNowText = "2024/05/06 07:08:09";

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

struct Records {
    PcSettings pc;
    MonitorSettings monitor;
};

Records Defaults(const std::string& dataDir = "/opt/ky") {
    Records r;
    SettingsDefaultSet(r.pc, r.monitor, "Capturo", dataDir, kNow);
    return r;
}

// The written lines of the defaults with data folder /opt/ky.
std::vector<std::string> DefaultLines() {
    return {"*****   SytemFile.ini   *****", "[KY_PC]", "Kind=KY-N4", "Connect=RS-232C",
            "Port=COM1", "BaudRatePc=115200", "DataDir=/opt/ky", "FileName=Ky",
            "SdForeColor=00000000", "RdForeColor=00FF8000", "WaitSend=OFF", "FileMax=",
            "[MONITOR]", "Code=ASCII", "BaudRate=9600", "DataLength=8", "ErrStop=OFF",
            "Direction=DUAL", "Interface=RS-232C", "CharTime=OFF", "Led=CD",
            "MemoryMode=RING(RESTART)", "Parity=NON", "TrigStop=OFF", "TrigLineStop=DUAL",
            "SdCountStop=1", "RdCountStop=1", "LengthAfter=0", "SdCharAttr=00000",
            "RdCharAttr=00000", "SdDataStop=", "RdDataStop=", "TrigStart=OFF",
            "TrigLineStart=DUAL", "SdCountStart=1", "RdCountStart=1", "MonitorLength=100",
            "SdDataStart=", "RdDataStart=", "RangeDate=OFF",
            std::string("RangeStart=") + kNowText, std::string("RangeStop=") + kNowText};
}

// Applies one "Key=value" line the way the reader does.
void Apply(Records& r, const std::string& line) {
    std::string value;
    const int id = IniKeyFind(line, value);
    IniValueSet(id, value, r.pc, r.monitor);
}

// ---- defaults ----

TEST(SettingsDefaults, AreTheFactorySettings) {
    const Records r = Defaults("/opt/ky");
    EXPECT_EQ(r.pc.ModelNumber, 1);
    EXPECT_EQ(r.pc.LinkKind, 1);
    EXPECT_EQ(r.pc.PortNumber, 1);
    EXPECT_EQ(r.pc.PcBaudIndex, 4);
    EXPECT_EQ(r.pc.DataDir, "/opt/ky");
    EXPECT_EQ(r.pc.FileName, "Ky");
    EXPECT_EQ(r.pc.RdForeColor, 0xFF8000);
    EXPECT_EQ(r.pc.FileMax, kFileMaxUnlimited);
    EXPECT_EQ(r.monitor.Code, 1);
    EXPECT_EQ(r.monitor.BaudRate, 9600.0f);
    EXPECT_EQ(r.monitor.Trig[0].SdCharAttr, "00000");
    EXPECT_EQ(r.monitor.Trig[0].Length, 0);
    EXPECT_EQ(r.monitor.Trig[1].SdCharAttr, "");
    EXPECT_EQ(r.monitor.Trig[1].Length, 100);
    EXPECT_EQ(r.monitor.RangeStart, kNowText);
    EXPECT_EQ(r.monitor.RangeStop, kNowText);
}

TEST(SettingsDefaults, ModelTwoWhenTheTitleNamesItInAnyCase) {
    for (const std::string title : {"Pavlor", "PAVLOR Capturo", "capturo-pavlor"}) {
        Records r;
        SettingsDefaultSet(r.pc, r.monitor, title, "/", kNow);
        EXPECT_EQ(r.pc.ModelNumber, 2) << title;
    }
    Records r;
    SettingsDefaultSet(r.pc, r.monitor, "Pav lor", "/", kNow);
    EXPECT_EQ(r.pc.ModelNumber, 1);
}

TEST(SettingsDefaults, OverwriteEverythingThatWasThere) {
    Records r;
    r.pc.FileMax = 7;
    r.monitor.Trig[1].SdData = "41";
    r.monitor.Trig[0].Active = -1;
    SettingsDefaultSet(r.pc, r.monitor, "Capturo", "/opt/ky", kNow);
    const Records fresh = Defaults();
    EXPECT_EQ(r.pc, fresh.pc);
    EXPECT_EQ(r.monitor, fresh.monitor);
}

// ---- the written text ----

TEST(IniFileText, DefaultsGiveTheFortyTwoLines) {
    const Records r = Defaults();
    ASSERT_EQ(DefaultLines().size(), 42u);
    EXPECT_EQ(IniFileText(r.pc, r.monitor, kNow), Lines(DefaultLines()));
}

TEST(IniFileText, EveryFieldOfAVariedRecordInCodePage932) {
    Records r = Defaults();
    r.pc = {2, 2, 12, 6, "/データ/今日", "記録", 0x0000FF, 0x123456, 1, 10};
    MonitorSettings& m = r.monitor;
    m.Code = 3;
    m.BaudRate = 1234.5f;
    m.DataLength = 0;
    m.ErrStop = -1;
    m.Direction = 2;
    m.Interface = 1;
    m.CharTime = 1;
    m.Led = 1;
    m.MemoryMode = 2;
    m.Parity = 1;
    m.Trig[0] = {-1, 1, 12, 99, 129900, "16100", "60000", "41**0D0000", "**00000000"};
    m.Trig[1] = {0, 2, 3, 4, 5000, "11111", "22222", "02**03", ""};
    m.RangeDate = -1;
    m.RangeStart = "2002/01/02 00:00:00";
    m.RangeStop = "not a date";

    const std::string expected = Lines(
        {"*****   SytemFile.ini   *****", "[KY_PC]", "Kind=KY-N5", "Connect=LAN", "Port=COM12",
         "BaudRatePc=460800", "DataDir=/データ/今日", "FileName=記録", "SdForeColor=000000FF",
         "RdForeColor=00123456", "WaitSend=ON", "FileMax=10", "[MONITOR]", "Code=JIS7",
         "BaudRate=1234.5", "DataLength=7", "ErrStop=ON", "Direction=RD", "Interface=RS-422",
         "CharTime=ON", "Led=CI", "MemoryMode=FIX", "Parity=ODD", "TrigStop=ON",
         "TrigLineStop=SD", "SdCountStop=12", "RdCountStop=99", "LengthAfter=129900",
         "SdCharAttr=16100", "RdCharAttr=60000", "SdDataStop=41**0D0000",
         "RdDataStop=**00000000", "TrigStart=OFF", "TrigLineStart=RD", "SdCountStart=3",
         "RdCountStart=4", "MonitorLength=5000", "SdDataStart=02**03", "RdDataStart=",
         "RangeDate=ON", "RangeStart=2002/01/02 00:00:00",
         std::string("RangeStop=") + kNowText});
    const std::string text = IniFileText(r.pc, r.monitor, kNow);
    EXPECT_EQ(text, platform::Utf8ToCp932(expected));
    // データ in code page 932, not UTF-8.
    EXPECT_NE(text.find("DataDir=/\x83\x66\x81\x5B\x83\x5E/"), std::string::npos);
}

TEST(IniFileText, ValuesWithoutAWordLeaveTheLineEmptyOrTakeTheOtherWord) {
    Records r = Defaults();
    r.pc.ModelNumber = 3;  // anything but 1 is the KY-N5
    r.pc.LinkKind = 0;     // anything but 1 is LAN
    r.pc.PcBaudIndex = 7;
    r.pc.WaitSend = -1;  // only 1 is paced
    r.pc.FileMax = 0x40000001;
    r.monitor.Code = 6;
    r.monitor.Direction = 3;
    r.monitor.Interface = 2;
    r.monitor.Led = -1;
    r.monitor.MemoryMode = 3;
    r.monitor.Parity = 3;
    r.monitor.Trig[0].Line = -1;
    r.monitor.Trig[1].Line = 3;
    std::vector<std::string> lines = DefaultLines();
    lines[2] = "Kind=KY-N5";
    lines[3] = "Connect=LAN";
    lines[5] = "BaudRatePc=";
    lines[13] = "Code=";
    lines[17] = "Direction=";
    lines[21] = "MemoryMode=";
    lines[22] = "Parity=";
    lines[24] = "TrigLineStop=";
    lines[33] = "TrigLineStart=";
    EXPECT_EQ(IniFileText(r.pc, r.monitor, kNow), Lines(lines));
}

// ---- reading a file ----

TEST(IniFileRead, NormalisesAHandEditedFile) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "データ");
    const std::string path = dir / "Capturo.ini";
    TempFolder::WriteAll(path, platform::Utf8ToCp932(Lines({
        "*****   SytemFile.ini   *****", "; edited by hand", "[MONITOR]", "Code=ebcdic",
        "BaudRate= 19200.4", "DataLength=7", "ErrStop=ON", "Direction=rd", "Interface=rs-422",
        "CharTime=on", "Led=ci", "MemoryMode=ring(stop)", "Parity=even", "TrigStop=OFF",
        "TrigLineStop=sd", "SdCountStop=5", "RdCountStop= 7 ", "LengthAfter=1200",
        "SdCharAttr=16100", "RdCharAttr=", "SdDataStop=41**0D0000", "TrigStart=ON",
        "TrigLineStart=Dual", "SdCountStart=2", "RdCountStart=3", "MonitorLength=5000",
        "SdDataStart=02**03", "RdDataStart=0d0a", "RangeDate=ON", "RangeStart=2002/01/02",
        "RangeStop=2002/01/02 23:59:59", "[KY_PC]", "Kind=KY-N4", "Connect=LAN", "Port=COM 7",
        "BaudRatePc= 57600", "DataDir=" + (dir / "データ"), "FileName=試験",
        "SdForeColor=000000ff", "WaitSend=ON", "FileMax= 12", "code=HEX"})));

    Records r = Defaults();
    ASSERT_EQ(IniFileRead(path, r.pc, r.monitor, false, kNow), IniReadResult::Read);

    const PcSettings pc{1, 2, 7, 3, dir / "データ", "試験", 0xFF, 0xFF8000, 1, 12};
    EXPECT_EQ(r.pc, pc);
    const MonitorSettings& m = r.monitor;
    EXPECT_EQ(m.Code, 5) << "\"code=\" is no key, \"ebcdic\" is a keyword";
    EXPECT_EQ(m.BaudRate, 19200.0f);
    EXPECT_EQ(m.DataLength, 0);
    EXPECT_EQ(m.ErrStop, -1);
    EXPECT_EQ(m.CharTime, 0) << "only the exact \"ON\" switches on";
    EXPECT_EQ((std::vector<int>{m.Direction, m.Interface, m.Led, m.MemoryMode, m.Parity}),
              (std::vector<int>{2, 1, 1, 1, 2}));
    EXPECT_EQ(m.Trig[0], (TriggerSetting{0, 1, 5, 7, 1200, "16100", "", "41**0D0000", ""}));
    EXPECT_EQ(m.Trig[1], (TriggerSetting{-1, 0, 2, 3, 5000, "", "", "02**03", "0d0a"}));
    EXPECT_EQ(m.RangeDate, -1);
    EXPECT_EQ(m.RangeStart, "2002/01/02 00:00:00");
    EXPECT_EQ(m.RangeStop, "2002/01/02 23:59:59");

    EXPECT_EQ(TempFolder::ReadAll(path), IniFileText(r.pc, r.monitor, kNow));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"Capturo.ini", "データ"}));
}

TEST(IniFileRead, TakesLinuxLineEndsToo) {
    TempFolder dir;
    const std::string path = dir / "Capturo.ini";
    TempFolder::WriteAll(path, "*****   SytemFile.ini   *****\nPort=COM5\nFileMax=40\n");
    Records r = Defaults();
    EXPECT_EQ(IniFileRead(path, r.pc, r.monitor, false, kNow), IniReadResult::Read);
    EXPECT_EQ(r.pc.PortNumber, 5);
    EXPECT_EQ(r.pc.FileMax, 40);
}

TEST(IniFileRead, LeavesAForeignOrShortFileAloneAndKeepsTheDefaults) {
    const std::string body = Lines({"Port=COM5", "Code=HEX"});
    for (const std::string& bytes :
         {"*****  SytemFile.ini   *****\r\n" + body, "*****   SytemFile.ini   ****\r\n" + body,
          "*****   SytemFile.ini   *****   \r\n" + body, std::string("*****"), std::string()}) {
        TempFolder dir;
        const std::string path = dir / "Capturo.ini";
        TempFolder::WriteAll(path, bytes);
        Records r = Defaults();
        EXPECT_EQ(IniFileRead(path, r.pc, r.monitor, false, kNow), IniReadResult::Ignored);
        EXPECT_EQ(TempFolder::ReadAll(path), bytes);
        EXPECT_EQ(r.pc, Defaults().pc);
        EXPECT_EQ(r.monitor, Defaults().monitor);
    }
}

TEST(IniFileRead, ALineThatIsNoCodePage932TextIsPassedOver) {
    TempFolder dir;
    const std::string path = dir / "Capturo.ini";
    TempFolder::WriteAll(path, "*****   SytemFile.ini   *****\r\nFileName=K\xFF\xFFy\r\n"
                               "Port=COM5\x80\r\nFileMax=40\r\n");
    Records r = Defaults();
    ASSERT_EQ(IniFileRead(path, r.pc, r.monitor, false, kNow), IniReadResult::Read);
    EXPECT_EQ(r.pc.FileName, "Ky") << "not K??y, which the next write would make of it";
    EXPECT_EQ(r.pc.PortNumber, 1);
    EXPECT_EQ(r.pc.FileMax, 40);
    Records again = Defaults();
    ASSERT_EQ(IniFileRead(path, again.pc, again.monitor, false, kNow), IniReadResult::Read);
    EXPECT_EQ(again.pc, r.pc);
}

TEST(IniFileRead, TheBareHeaderIsLongEnoughAndGetsNormalised) {
    TempFolder dir;
    const std::string path = dir / "Capturo.ini";
    TempFolder::WriteAll(path, "*****   SytemFile.ini   *****");
    Records r = Defaults();
    EXPECT_EQ(IniFileRead(path, r.pc, r.monitor, false, kNow), IniReadResult::Read);
    EXPECT_EQ(TempFolder::ReadAll(path), Lines(DefaultLines()));
}

TEST(IniFileRead, AFolderInPlaceOfTheFileIsIgnored) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "Capturo.ini");
    Records r = Defaults();
    EXPECT_EQ(IniFileRead(dir / "Capturo.ini", r.pc, r.monitor, false, kNow),
              IniReadResult::Ignored);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Capturo.ini"));
}

TEST(IniFileRead, AMissingFileIsCreatedWithTheDefaults) {
    TempFolder dir;
    const std::string path = dir / "Capturo.ini";
    Records r = Defaults();
    EXPECT_EQ(IniFileRead(path, r.pc, r.monitor, false, kNow), IniReadResult::Created);
    EXPECT_EQ(TempFolder::ReadAll(path), Lines(DefaultLines()));
    EXPECT_EQ(r.pc, Defaults().pc);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"Capturo.ini"});
}

TEST(IniFileRead, AMissingFileInAMissingFolderStaysMissing) {
    TempFolder dir;
    Records r = Defaults();
    EXPECT_EQ(IniFileRead(dir / "no/Capturo.ini", r.pc, r.monitor, false, kNow),
              IniReadResult::Absent);
    EXPECT_TRUE(dir.Names().empty());
}

TEST(IniFileRead, ASecondInstanceReadsButNeverWrites) {
    TempFolder dir;
    const std::string path = dir / "Capturo.ini";
    Records r = Defaults();
    EXPECT_EQ(IniFileRead(path, r.pc, r.monitor, true, kNow), IniReadResult::Absent);
    EXPECT_TRUE(dir.Names().empty());

    const std::string bytes = Lines({"*****   SytemFile.ini   *****", "Port=COM3", "Code=hex"});
    TempFolder::WriteAll(path, bytes);
    EXPECT_EQ(IniFileRead(path, r.pc, r.monitor, true, kNow), IniReadResult::Read);
    EXPECT_EQ(r.pc.PortNumber, 3);
    EXPECT_EQ(r.monitor.Code, 0);
    EXPECT_EQ(TempFolder::ReadAll(path), bytes);
}

// ---- writing a file ----

TEST(IniFileWrite, ReplacesTheWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    const std::string path = dir / "Capturo.ini";
    TempFolder::WriteAll(path, std::string(5000, 'x'));
    const Records r = Defaults();
    EXPECT_TRUE(IniFileWrite(path, r.pc, r.monitor, false, kNow));
    EXPECT_EQ(TempFolder::ReadAll(path), Lines(DefaultLines()));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"Capturo.ini"});
}

TEST(IniFileWrite, ASecondInstanceOrAMissingFolderWritesNothing) {
    TempFolder dir;
    const Records r = Defaults();
    EXPECT_FALSE(IniFileWrite(dir / "Capturo.ini", r.pc, r.monitor, true, kNow));
    EXPECT_FALSE(IniFileWrite(dir / "no/Capturo.ini", r.pc, r.monitor, false, kNow));
    EXPECT_TRUE(dir.Names().empty());
}

// ---- keys ----

TEST(IniKeyFind, EveryKeyOfTheTableInIdOrder) {
    for (size_t i = 0; i < IniKeyTable.size(); ++i) {
        EXPECT_EQ(IniKeyTable[i].id, static_cast<int>(i));
        std::string value;
        EXPECT_EQ(IniKeyFind(std::string(IniKeyTable[i].key) + "v=1", value), static_cast<int>(i));
        EXPECT_EQ(value, "v=1");
    }
    EXPECT_EQ(IniKeyTable[kIniFileMax].key, "FileMax=");
}

TEST(IniKeyFind, KeysCountOnlyAtTheStartAndInTheirOwnCase) {
    std::string value = "old";
    EXPECT_EQ(IniKeyFind("DataDir=/srv/Code=HEX", value), kIniDataDir);
    EXPECT_EQ(value, "/srv/Code=HEX");
    EXPECT_EQ(IniKeyFind(" Code=HEX", value), -1);
    EXPECT_EQ(value, "");
    EXPECT_EQ(IniKeyFind("code=HEX", value), -1);
    EXPECT_EQ(IniKeyFind("Code", value), -1);
    EXPECT_EQ(IniKeyFind("BaudRatePc=9600", value), kIniBaudRatePc);
    EXPECT_EQ(IniKeyFind("BaudRate=9600", value), kIniBaudRate);
}

TEST(IniValueSet, AFolderNameHoldingAKeyIsStillADataFolder) {
    TempFolder dir;
    const std::string folder = dir / "Code=HEX";
    std::filesystem::create_directory(folder);
    Records r = Defaults();
    Apply(r, "DataDir=" + folder);
    EXPECT_EQ(r.pc.DataDir, folder);
    EXPECT_EQ(r.monitor.Code, 1);
}

// ---- values: the choice and switch fields ----

TEST(IniValueSet, CodeThreeIsWrittenAsJis7AndReadBackAsTwo) {
    Records r = Defaults();
    r.monitor.Code = 3;
    const std::string text = IniFileText(r.pc, r.monitor, kNow);
    EXPECT_NE(text.find("\r\nCode=JIS7\r\n"), std::string::npos);
    Apply(r, "Code=JIS7");
    EXPECT_EQ(r.monitor.Code, 2);
    Apply(r, "Code=jis8");
    EXPECT_EQ(r.monitor.Code, 4);
    Apply(r, "Code= HEX");
    EXPECT_EQ(r.monitor.Code, 4) << "keywords are not trimmed";
}

TEST(IniValueSet, KindAndConnectTakeTheirOneExactWord) {
    Records r = Defaults();
    const std::vector<std::pair<std::string, int>> kinds = {
        {"KY-N4", 1}, {"", 2}, {"KY-N4", 1}, {"ky-n4", 2}, {"KY-N4", 1}, {"KY-N9", 2}};
    for (const auto& [value, model] : kinds) {
        Apply(r, "Kind=" + value);
        EXPECT_EQ(r.pc.ModelNumber, model) << value;
    }
    const std::vector<std::pair<std::string, int>> links = {
        {"LAN", 2}, {"", 1}, {"LAN", 2}, {"lan", 1}, {"LAN", 2}, {"RS-232C", 1}};
    for (const auto& [value, link] : links) {
        Apply(r, "Connect=" + value);
        EXPECT_EQ(r.pc.LinkKind, link) << value;
    }
}

TEST(IniValueSet, SwitchesAndDataLengthWantExactText) {
    Records r = Defaults();
    Apply(r, "ErrStop=ON");
    Apply(r, "WaitSend=ON");
    EXPECT_EQ(r.monitor.ErrStop, -1);
    EXPECT_EQ(r.pc.WaitSend, 1);
    Apply(r, "ErrStop=on");
    Apply(r, "WaitSend=");
    EXPECT_EQ(r.monitor.ErrStop, 0);
    EXPECT_EQ(r.pc.WaitSend, 0);
    Apply(r, "DataLength=7");
    EXPECT_EQ(r.monitor.DataLength, 0);
    Apply(r, "DataLength= 8");
    Apply(r, "DataLength=9");
    EXPECT_EQ(r.monitor.DataLength, 0);
    Apply(r, "DataLength=8");
    EXPECT_EQ(r.monitor.DataLength, 1);
}

// ---- values: the PC side ----

TEST(IniValueSet, PortIsCOMAndUpToThreeDigits) {
    Records r = Defaults();
    const std::vector<std::pair<std::string, int>> cases = {
        {"COM12", 12},  {"COM1234", 1}, {"COM999", 999}, {"COMx", 999}, {"COM0", 999},
        {"COM-5", 999}, {"COM", 999},   {"XYZ42", 42},   {"COM 7", 7},  {"COM1234", 1}};
    for (const auto& [value, port] : cases) {
        Apply(r, "Port=" + value);
        EXPECT_EQ(r.pc.PortNumber, port) << value;
    }
    EXPECT_EQ(PortParamName(r.pc), "COM1");
    r.pc.PortNumber = 12;
    EXPECT_EQ(PortParamName(r.pc), "COM12");
}

TEST(IniValueSet, PcBaudTakesOnlyTheSixRates) {
    Records r = Defaults();
    Apply(r, "BaudRatePc=9600");
    EXPECT_EQ(r.pc.PcBaudIndex, 4);
    Apply(r, "BaudRatePc=460800");
    EXPECT_EQ(r.pc.PcBaudIndex, 6);
    Apply(r, "BaudRatePc=fast");
    Apply(r, "BaudRatePc=");
    EXPECT_EQ(r.pc.PcBaudIndex, 6);
    Apply(r, "BaudRatePc=19200");
    EXPECT_EQ(r.pc.PcBaudIndex, 1);
    const std::vector<uint32_t> rates = {0, 19200, 38400, 57600, 115200, 230400, 460800, 0};
    for (int16_t i = 0; i < 8; ++i) EXPECT_EQ(PcBaudRate(i), rates[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(PcBaudRate(-1), 0u);
}

TEST(IniValueSet, FileMaxEmptyIsUnlimitedAndBelowTwoIsRefused) {
    Records r = Defaults();
    const std::vector<std::pair<std::string, int32_t>> cases = {
        {"10", 10}, {"1", 10}, {"0", 10},   {"-3", 10}, {"lots", 10},
        {"2", 2},   {"", kFileMaxUnlimited}, {"300", 300}, {"5000000000", kFileMaxUnlimited}};
    for (const auto& [value, fileMax] : cases) {
        Apply(r, "FileMax=" + value);
        EXPECT_EQ(r.pc.FileMax, fileMax) << value;
    }
    EXPECT_NE(IniFileText(r.pc, r.monitor, kNow).find("\r\nFileMax=\r\n"), std::string::npos);
}

TEST(IniValueSet, DataDirMustExistUnlessItIsADriveRoot) {
    TempFolder dir;
    Records r = Defaults();
    Apply(r, "DataDir=" + dir.path());
    EXPECT_EQ(r.pc.DataDir, dir.path());
    Apply(r, "DataDir=" + (dir / "gone"));
    Apply(r, "DataDir=");
    EXPECT_EQ(r.pc.DataDir, dir.path());
    Apply(r, "DataDir=D:\\");
    EXPECT_EQ(r.pc.DataDir, "D:\\");
    Apply(r, "DataDir=" + dir.path() + std::string("\0later", 6));
    Apply(r, "DataDir=" + dir.path() + "\t");
    EXPECT_EQ(r.pc.DataDir, "D:\\") << "a control character cuts or bends the name";
}

TEST(IniValueSet, FileNameAndColoursRefuseWhatCannotBeUsed) {
    Records r = Defaults();
    Apply(r, "FileName=");
    Apply(r, "FileName=../up");
    EXPECT_EQ(r.pc.FileName, "Ky");
    Apply(r, "FileName=夜間");
    EXPECT_EQ(r.pc.FileName, "夜間");
    Apply(r, std::string("FileName=K\0y", 12));
    Apply(r, "FileName=K\x1By");
    EXPECT_EQ(r.pc.FileName, "夜間");
    for (const char* bad : {"01000000", "FFFFFFFF", "FF8000", "zz", ""}) {
        Apply(r, std::string("SdForeColor=") + bad);
        EXPECT_EQ(r.pc.SdForeColor, 0) << bad;
    }
    Apply(r, "SdForeColor=00ffffff");
    EXPECT_EQ(r.pc.SdForeColor, 0xFFFFFF);
}

// ---- values: numbers and patterns of the monitor ----

TEST(IniValueSet, BaudRateIsRoundedAndMustBeARateTheDialogTakes) {
    Records r = Defaults();
    const std::vector<std::pair<std::string, float>> cases = {
        {"1200", 1200}, {"134.5", 134}, {"0", 134},         {"-9600", 134},     {"0.4", 134},
        {"1e400", 134}, {"nan", 134},   {"687500", 687500}, {"687501", 687500}, {"2.5", 2}};
    for (const auto& [value, baud] : cases) {
        Apply(r, "BaudRate=" + value);
        EXPECT_EQ(r.monitor.BaudRate, baud) << value;
    }
}

TEST(IniValueSet, CountsAndLengthsOutsideTheEditorsRangesAreRefused) {
    Records r = Defaults();
    const TriggerSetting& stop = r.monitor.Trig[0];
    const TriggerSetting& start = r.monitor.Trig[1];
    for (const char* key : {"SdCountStop=", "RdCountStop=", "SdCountStart=", "RdCountStart="}) {
        for (const char* value : {"99", "100", "256", "-1", "40000", "x", "1.5e9"}) {
            Apply(r, std::string(key) + value);
        }
    }
    EXPECT_EQ((std::vector<int>{stop.SdCount, stop.RdCount, start.SdCount, start.RdCount}),
              (std::vector<int>{99, 99, 99, 99}));
    Apply(r, "SdCountStop=0");
    EXPECT_EQ(stop.SdCount, 0);

    for (const char* value : {"129900", "129901", "-1", "3000000000"}) {
        Apply(r, std::string("LengthAfter=") + value);
    }
    EXPECT_EQ(stop.Length, 129900);
    Apply(r, "LengthAfter=0");
    EXPECT_EQ(stop.Length, 0);
    for (const char* value : {"1000000", "99", "1000001", "0"}) {
        Apply(r, std::string("MonitorLength=") + value);
    }
    EXPECT_EQ(start.Length, 1000000);
    Apply(r, "MonitorLength=100");
    EXPECT_EQ(start.Length, 100);
}

TEST(IniValueSet, PatternsOutsideWhatTheGridsHoldAreRefusedNotCut) {
    Records r = Defaults();
    const TriggerSetting& stop = r.monitor.Trig[0];
    const TriggerSetting& start = r.monitor.Trig[1];
    Apply(r, "SdCharAttr=16100");
    for (const char* bad : {"161000", "13000", "1610a"}) Apply(r, std::string("SdCharAttr=") + bad);
    EXPECT_EQ(stop.SdCharAttr, "16100");
    Apply(r, "RdCharAttr=");
    EXPECT_EQ(stop.RdCharAttr, "");

    Apply(r, "SdDataStop=41**0d0000");
    for (const char* bad : {"41**0D000000", "4G", "414", "*4", "41 42"}) {
        Apply(r, std::string("SdDataStop=") + bad);
    }
    EXPECT_EQ(stop.SdData, "41**0d0000");

    const std::string twelve = "0102030405060708090A0B**";
    Apply(r, "SdDataStart=" + twelve);
    Apply(r, "SdDataStart=" + twelve + "0C");
    EXPECT_EQ(start.SdData, twelve);
    Apply(r, "SdDataStart=");
    EXPECT_EQ(start.SdData, "");
}

TEST(IniValueSet, RangeTextsMustReadAsDates) {
    Records r = Defaults();
    Apply(r, "RangeStart=tomorrow");
    Apply(r, "RangeStop=2002/02/30 00:00:00");
    EXPECT_EQ(r.monitor.RangeStart, kNowText);
    EXPECT_EQ(r.monitor.RangeStop, kNowText);
    Apply(r, "RangeStart=2002/01/02 03:04:05");
    EXPECT_EQ(r.monitor.RangeStart, "2002/01/02 03:04:05");

    r.monitor.RangeStart = "garbage";
    const std::string text = IniFileText(r.pc, r.monitor, kNow);
    EXPECT_NE(text.find(std::string("\r\nRangeStart=") + kNowText + "\r\n"), std::string::npos);
}

TEST(IniValueSet, UnknownIdsChangeNothing) {
    Records r = Defaults();
    IniValueSet(-1, "HEX", r.pc, r.monitor);
    IniValueSet(kIniKeyCount, "HEX", r.pc, r.monitor);
    EXPECT_EQ(r.pc, Defaults().pc);
    EXPECT_EQ(r.monitor, Defaults().monitor);
}

TEST(IniFileWrite, KeepsReadOnlyFilesLinksAndModes) {
    const Records r = Defaults();
    protected_targets::ExpectSaveRespectsTarget(
        "Capturo.ini", [&](const std::string& p) { return IniFileWrite(p, r.pc, r.monitor, false, kNow); });
}

}  // namespace
}  // namespace mon
