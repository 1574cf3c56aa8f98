// Writes the fuzz targets' seed corpora, made by the project's own writers
// and tools: KY2 histories by the store's writer and the KY1 converter,
// settings files by the programs' own writers, unit lines and LAN packets
// by the simulated unit, KY1 streams by the stream writer and Jet files by
// the test-only Jet writer; S-record files and trigger patterns as a
// download file or a hand-edited Capturo.ini holds them. It also writes the
// made-up damaged Jet files kept among the regressions.
//
//   framefiles <fuzz folder>/corpus
//   fuzz_seed_corpus <fuzz folder>
//
// framefiles writes the frame store's corpora (kyp_read, kyf_read,
// kyl_read, ky2_convert); the editors' and the folder listing's corpora
// are made here from its configurations and link tables, so it runs first.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "Colors.h"
#include "IniFile.h"
#include "Ky1JetFile.h"
#include "LanPackets.h"
#include "MonitorRecords.h"
#include "WireTexts.h"
#include "his/store/FileSave.h"
#include "his/store/Ky1Stream.h"
#include "his/store/Ky2Format.h"
#include "his/store/clsCommon.h"
#include "his/store/clsConver.h"
#include "his/store/tests/FakeKy1Source.h"

namespace {

namespace fs = std::filesystem;

std::string g_root;

void Put(const std::string& folder, const std::string& name, const std::string& bytes) {
    const fs::path dir = fs::path(g_root) / folder;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch file for writers that only write files.
class Scratch {
public:
    Scratch() {
        char pattern[] = "/tmp/ky-seeds.XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~Scratch() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

constexpr double kStart = 46365.41666666667;  // 2026/12/09 10:00:00

// --- KY2 histories -------------------------------------------------------------

void Ky2Seed(const std::string& name, const std::function<void(store::clsCommon&)>& fill) {
    store::clsCommon doc;
    doc.MonitorStart(kStart);
    doc.MonitorStop(kStart + 60 / 86400.0);
    doc.BaudRate(9600);
    doc.DataLength(1);
    fill(doc);
    Scratch tmp;
    if (store::HistorySave(doc, tmp / "h.ky2", {}) != 0) return;
    Put("corpus/ky2_reader", name, ReadAll(tmp / "h.ky2"));
}

void Ky2Seeds() {
    Ky2Seed("one-unit.ky2", [](store::clsCommon& d) { d.RecordAdd(kStart, 0x80, 'A'); });
    Ky2Seed("both-directions-every-flag.ky2", [](store::clsCommon& d) {
        for (int i = 0; i < 40; ++i) {
            d.RecordAdd(kStart + (i / 8) / 86400.0, static_cast<uint8_t>(0x80 | (i % 0x80)),
                        static_cast<uint8_t>('a' + i % 26));
        }
    });
    Ky2Seed("character-times.ky2", [](store::clsCommon& d) {
        d.CharTime(1);
        for (int range = 0; range <= 5; ++range) {
            d.RecordAdd(kStart, 0x80, static_cast<uint8_t>('0' + range));
            d.CharTimeSet(store::CharTimeWord(static_cast<int16_t>(range), static_cast<uint16_t>(range * 100 + 7)));
            d.RecordAdd(kStart + 1 / 86400.0, 0x82, 0x0D);
            d.CharTimeSet(store::CharTimeWord(static_cast<int16_t>(range), 1023));
        }
    });
    Ky2Seed("triggers-and-range.ky2", [](store::clsCommon& d) {
        d.DspMode(2);
        d.Direction(0);
        d.TrigStop(1);
        d.RangeDate(1);
        d.RangeStart(kStart);
        d.RangeStop(kStart + 1);
        d.TrigLine(0, 1);
        d.SdChar(0, "0D0A");
        d.SdCharAt(0, "10000");
        d.SdCount(0, 3);
        d.AfterLength(0, 500);
        d.RdChar(1, "4142");
        d.AfterLength(1, 100);
        for (int i = 0; i < 12; ++i)
            d.RecordAdd(kStart, static_cast<uint8_t>(i == 6 ? 0x88 : 0x80 | (i & 2)), static_cast<uint8_t>(i % 2 ? 0x10 : 0x0D));
    });
}

// Parts written by the KY1 converter are KY2 histories too.
void ConvertedSeed() {
    store::test::FakeKy1Source src;
    src.inf.Band = "19200";
    src.trg[0].SdChar = "ｱｲｳ";
    for (int i = 0; i < 12; ++i) {
        store::Ky1Mst r;
        r.Dtime = kStart + (i / 4) / 86400.0;
        r.Data = static_cast<int16_t>(0x30 + i);
        r.SdRd = static_cast<int16_t>(i % 2);
        r.ErrBit = static_cast<uint8_t>(i % 8);
        r.ChrTime = i % 3 == 0 ? 0.0F : static_cast<float>(0x4000 + (i % 8) * 0x400 + (i % 2) * 0x2000 + i);
        src.rows.push_back(r);
    }
    class Quiet : public store::ProgressSink {
        void Show(int32_t, const std::string&) override {}
        void PosValue(int32_t) override {}
        bool Cancel() const override { return false; }
        void Clear() override {}
        void Yield() override {}
    } bar;
    Scratch tmp;
    store::clsConver conv(src, bar);
    if (conv.DBRead(tmp / "old.ky1") && !conv.Parts().empty())
        Put("corpus/ky2_reader", "converted-part.ky2", ReadAll(conv.Parts().front()));
}

// --- settings files ---------------------------------------------------------------

void IniSeeds() {
    auto seed = [](const std::string& name, const std::function<void(mon::PcSettings&, mon::MonitorSettings&)>& edit,
                   const std::string& title = "Capturo") {
        mon::PcSettings pc;
        mon::MonitorSettings m;
        mon::SettingsDefaultSet(pc, m, title, "/opt/capturo", kStart);
        edit(pc, m);
        Put("corpus/capturo_ini", name, mon::IniFileText(pc, m, kStart));
    };
    seed("defaults.ini", [](auto&, auto&) {});
    seed("model-2.ini", [](auto&, auto&) {}, "Capturo Pavlor");
    seed("stop-trigger.ini", [](mon::PcSettings&, mon::MonitorSettings& m) {
        m.Trig[0] = {-1, 1, 3, 4, 500, "10000", "60000", "41", "4142"};
        m.ErrStop = -1;
        m.Code = 0;
    });
    seed("start-trigger-range.ini", [](mon::PcSettings&, mon::MonitorSettings& m) {
        m.Trig[1] = {-1, 2, 1, 1, 1000, "", "", "0D0A", "**"};
        m.RangeDate = -1;
        m.RangeStart = "2026/12/09 10:00:00";
        m.RangeStop = "2026/12/10 09:59:59";
        m.BaudRate = 134.5F;
    });
    seed("data-folder.ini", [](mon::PcSettings& pc, mon::MonitorSettings&) {
        pc.DataDir = "/home/ユーザー/ヒストリ";
        pc.FileName = "回線A";
        pc.FileMax = 10;
        pc.WaitSend = 1;
        pc.PortNumber = 12;
        pc.LinkKind = 2;
        pc.SdForeColor = 0x0000FF;
    });
}

void ColorSeeds() {
    auto seed = [](const std::string& name, const viewer::ColorRecord& rec, size_t keep = viewer::kColorRecordSize,
                   const std::string& extra = "") {
        const auto bytes = viewer::ColorRecordBytes(rec);
        Put("corpus/rewindo_ini", name, std::string(bytes.begin(), bytes.begin() + static_cast<long>(keep)) + extra);
    };
    seed("defaults.ini", viewer::DefaultColors());
    viewer::ColorRecord plain{0x0000FF, 0x00FFFF, 0xFFFFFF, 0x008000, 0x000000, 0xFFFFFF, 0x000000, 0xE0E0E0};
    seed("plain-colours.ini", plain);
    seed("cut-short.ini", plain, 20);
    seed("longer.ini", plain, viewer::kColorRecordSize, "more after the record");
}

// --- unit lines -------------------------------------------------------------------

std::vector<unitsim::ScenarioUnit> Units(int n, uint8_t attribute, int timeRange = -1) {
    std::vector<unitsim::ScenarioUnit> units;
    for (int i = 0; i < n; ++i)
        units.push_back({static_cast<uint8_t>(attribute | (i % 3 == 1 ? 0x02 : 0)), static_cast<uint8_t>('A' + i % 26),
                         timeRange < 0 ? -1 : (timeRange + i) % 8, static_cast<uint16_t>(i * 37 % 1024)});
    return units;
}

// The harness fixes the checksum of a line whose lead byte is odd and
// repeats it lead / 2 more times.
std::string Led(std::string record, uint8_t lead) {
    record[0] = static_cast<char>(lead);
    return record;
}

void EngineSeeds() {
    const unitsim::LineSettings line;
    const std::string start1 = unitsim::StartRecord(1, "261209100000", line);
    const std::string start2 = unitsim::StartRecord(2, "261209100000", line);
    const std::string end = unitsim::EndRecord("261209100500");
    auto seed = [](const std::string& name, uint8_t settings, const std::string& lines) {
        Put("corpus/capture_engine", name, std::string(1, static_cast<char>(settings)) + lines);
    };
    seed("plain-capture.bin", 0,
         start1 + unitsim::DataRecord(1, Units(5, 0x80)) + unitsim::DataRecord(2, Units(3, 0x90)) + end);
    seed("model-2-character-times.bin", 4,
         start2 + unitsim::DataRecord(1, Units(6, 0x80, 0)) + unitsim::DataRecord(3, Units(4, 0xC1, 5)) + end);
    seed("ring-restart-and-bad-checksum.bin", 0,
         start1 + unitsim::DataRecord(120, Units(2, 0x80)) + unitsim::RingRestartRecord("261209110000") +
             Led(unitsim::DataRecord(5, Units(2, 0x80), true), 0x02) + unitsim::DataRecord(6, Units(2, 0xA0)) +
             unitsim::PowerFailureLine());
    seed("start-trigger.bin", 1,
         start1 + unitsim::DataRecord(1, Units(30, 0x80)) + unitsim::DataRecord(2, Units(200, 0x80)) + end);
    seed("date-range.bin", 2,
         start1 + unitsim::DataRecord(4, Units(2, 0x80)) + unitsim::DataRecord(10, Units(2, 0x80)) +
             unitsim::DataRecord(70, Units(2, 0x80)) + end);
    // 3 x 128 copies of 200 units: past the 60,000 units of a file.
    const std::string full = Led(unitsim::DataRecord(7, Units(200, 0x88)), 0xFF);
    seed("fills-a-file.bin", 8, start1 + full + full + full + end);
}

void ConnectSeeds() {
    auto seed = [](const std::string& name, std::string bytes) { Put("corpus/connect_sequence", name, bytes); };
    seed("model-1-sound.bin", std::string(1, '\0'));
    seed("model-2-sound.bin", "\x01");
    seed("model-1-remote-paced.bin", "\x06");
    seed("model-2-first-line-lost.bin", std::string("\x01\x05", 2));
    seed("model-1-echoes.bin", std::string("\x00\x00\x04\x04\x04", 5));
    const std::string error = unitsim::LoadingErrorLine();
    seed("model-1-loading-error.bin", std::string("\x00\x00\x00\x00", 4) + "\x06" + char(error.size()) + error);
    const std::string banner = unitsim::RemoteBanner(2);
    seed("model-2-banner-in-place.bin", std::string("\x01\x06", 2) + char(banner.size()) + banner);
    const std::string clock = unitsim::ClockReply("991231235959");
    seed("model-2-wrong-clock.bin", std::string("\x01\x00\x00\x00\x06", 5) + char(clock.size()) + clock);
    std::string readBacks("\x01\x00\x00\x00\x00", 5);
    readBacks += std::string(6, '\x00') + "\x0F\x17\x1F" + std::string(20, '\x07');
    seed("model-2-wrong-read-backs.bin", readBacks);
}

// The receive pump's input: byte 0 picks the bytes a pass takes (with its
// top bit the rest is repeated past the pending limit), then the line.
std::vector<unitsim::ScenarioUnit> TwentyUnits() {
    std::vector<unitsim::ScenarioUnit> units;
    for (int i = 0; i < 20; ++i) {
        const bool timed = i % 4 == 3;
        units.push_back({static_cast<uint8_t>(0x80 | (i % 3 == 0 ? 0x02 : 0)), static_cast<uint8_t>(i * 13),
                         timed ? i % 6 : -1, static_cast<uint16_t>(timed ? i * 37 : 0)});
    }
    return units;
}

void LineRecvSeeds() {
    auto seed = [](const std::string& name, uint8_t pick, const std::string& bytes) {
        Put("corpus/line_recv", name, std::string(1, static_cast<char>(pick)) + bytes);
    };
    const std::string record = unitsim::DataRecord(5, TwentyUnits());
    const std::string crlf = unitsim::DataRecord(13, {{0x80, '\r'}, {0x82, '\n'}});
    const std::string end = unitsim::EndRecord("261209100500");
    const unitsim::LineSettings line;
    seed("capture-model1", 0x07,
         unitsim::StartRecord(1, "261209100000", line) + record + crlf + unitsim::RingRestartRecord("261209110000") +
             record + end);
    seed("capture-model2", 0x00, unitsim::StartRecord(2, "261209100000", line) + record + end);
    seed("cr-at-cut", 0x80, std::string(63, 'n') + "\r");
    seed("noise-then-record", 0xBF, "noise without end " + record.substr(0, record.size() - 2));
    seed("notices", 0x0C, unitsim::PowerFailureLine() + unitsim::RemoteStopLine() + record);
    seed("one-byte-passes", 0x00, record + crlf);
    seed("pending-tail", 0x05, record + record.substr(0, 11));
    seed("replies", 0x03,
         unitsim::RemoteBanner(2) + unitsim::ClockReply("261209100000") + "A\r\r\nA\nB\r\n");
}

// The LAN parser's input: byte 0 picks the size of the receives, then the
// stream of packets as the unit sends them, with noise where named.
std::string LanHeader(uint16_t command, uint16_t length) {
    std::string h("\x00\x00\x01\x00", 4);
    for (const uint16_t v : {command, length}) {
        h += static_cast<char>(v & 0xFF);
        h += static_cast<char>(v >> 8);
    }
    return h;
}

void LanFrameSeeds() {
    namespace lan = unitsim::lan;
    auto seed = [](const std::string& name, uint8_t pick, const std::string& bytes) {
        Put("corpus/lan_frame", name, std::string(1, static_cast<char>(pick)) + bytes);
    };
    auto status = [](const lan::LineStatus& s) { return std::string(s.begin(), s.end()); };
    // The first bytes of a marker, just before a real one.
    const std::string falseStart("\x00\x00\x01", 3);
    seed("banner-n4", 3, unitsim::EncodePacket(lan::kDataIn, unitsim::LocalBanner(1, true)));
    seed("banner-n5-noise", 7,
         "U" + LanHeader(0x00FF, 0x7FFF) + "\xAA" + falseStart +
             unitsim::EncodePacket(lan::kDataIn, unitsim::LocalBanner(2, true)));
    seed("connect", 0,
         unitsim::EncodePacket(lan::kLineStatus, status(lan::kLinesOn)) + unitsim::EncodePacket(lan::kNotice, "KY"));
    seed("empty-payload", 1, unitsim::EncodePacket(lan::kDataIn, "") + unitsim::EncodePacket(lan::kDataIn, "\r\n"));
    seed("full-payload", 0x60, unitsim::EncodePacket(lan::kDataIn, std::string(lan::kMaxPayload, 'Z')));
    seed("garbage-between", 11,
         "\x01\x02\x03" + unitsim::EncodePacket(lan::kDataIn, unitsim::RemoteBanner(1)) + falseStart +
             unitsim::EncodePacket(lan::kLineStatus, status({0, 0, 1, 0, 0, 0})));
    seed("oversized-header", 4,
         LanHeader(lan::kDataIn, static_cast<uint16_t>(lan::kMaxPayload + 1)) + unitsim::EncodePacket(lan::kDataIn, unitsim::PowerFailureLine()));
    seed("short-status", 2,
         unitsim::EncodePacket(lan::kLineStatus, std::string("\x00\x00\x01", 3)) +
             unitsim::EncodePacket(lan::kDataIn, unitsim::ClockReply("250131235958")));
}

// --- download files and trigger patterns ----------------------------------------

std::string HexPair(unsigned v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(v >> 4) & 0x0F], kDigits[v & 0x0F]};
}

// An S-record line of a type: the count, the address and data bytes, and
// the checksum that makes them add up to 0xFF (plus wrong, to damage it).
std::string SRecordLine(int type, const std::string& bytes, int wrong = 0) {
    unsigned sum = static_cast<unsigned>(bytes.size() + 1);
    std::string line = "S" + std::to_string(type) + HexPair(sum);
    for (const char b : bytes) {
        sum += static_cast<uint8_t>(b);
        line += HexPair(static_cast<uint8_t>(b));
    }
    return line + HexPair((~sum + static_cast<unsigned>(wrong)) & 0xFF);
}

void SRecordSeeds() {
    auto seed = [](const std::string& name, const std::string& bytes) { Put("corpus/srecord_file", name, bytes); };
    const std::string none;
    seed("empty", none);
    seed("bad-checksum", SRecordLine(1, std::string("\x00\x00\x01\x02", 4), 1) + "\r\n");
    // The count holds a data byte that is not there.
    std::string shortLine = SRecordLine(1, std::string("\x00\x00\xAA\xBB", 4));
    shortLine.erase(10, 2);
    seed("count-wrong", shortLine + "\r\n");
    seed("empty-lines", "\r\n" + SRecordLine(1, std::string("\x00\x10\x09", 3)) + "\r\n\r\n\n" +
                            SRecordLine(9, std::string(2, '\0')) + "\r\n");
    seed("not-srecord", SRecordLine(1, std::string("\x00\x00\x01", 3)) + "\r\n:10000000\r\n");
    seed("trailing-blanks", "S1050000AABB95 \r\n   \r\nS9030000FC\r\r\n");
    std::string s1 = SRecordLine(0, std::string("\x00\x00", 2) + "KY") + "\r\n";
    for (int address = 0; address < 0x40; address += 0x10) {
        std::string bytes{'\0', static_cast<char>(address)};
        for (int i = 0; i < 16; ++i) bytes += static_cast<char>(address + i * 7);
        s1 += SRecordLine(1, bytes) + "\r\n";
    }
    seed("s1-crlf", s1 + SRecordLine(9, std::string(2, '\0')) + "\r\n");
    seed("s2-lf", SRecordLine(2, std::string("\x01\x00\x00\xAA\xBB", 5)) + "\n" +
                      SRecordLine(8, std::string("\x01\x00\x00", 3)) + "\n");
    seed("s3-no-last-end", SRecordLine(3, std::string("\x00\x01\x00\x00\x01\x02\x03", 7)) + "\r\n" +
                               SRecordLine(7, std::string("\x00\x01\x00\x00", 4)));
}

// A pattern as Capturo.ini keeps it: "S", the stop pattern's attribute
// digits, a line feed and its data pairs; or "T" and a start pattern.
void TriggerPatternSeeds() {
    const std::pair<const char*, const char*> seeds[] = {
        {"start_any", "T02**03"},
        {"start_bad_pair", "T41-142"},
        {"start_full", "T000102030405060708090A0B"},
        {"stop_empty", "S00000\n"},
        {"stop_not_any", "S16100\n41**0D0000"},
        {"stop_not_hex", "S11111\n41ZZ420000"},
        {"stop_unused_position", "S10000\n4142000000"},
    };
    for (const auto& [name, text] : seeds) Put("corpus/trigger_pattern", name, text);
}

// --- frame configurations and link tables ------------------------------------------

// The editors and the folder listing read the files framefiles wrote for
// the frame store's readers; the listing also gets link tables cut inside
// and before their stored name.
void CopiedFrameSeeds() {
    const fs::path corpus = fs::path(g_root) / "corpus";
    auto from = [&](const char* folder, const char* name) { return ReadAll(corpus / folder / name); };
    for (const char* name : {"cut.kyf", "items.kyf", "older.kyf", "one.kyf", "ppp.kyf"})
        Put("corpus/editor_tables", name, from("kyf_read", name));
    for (const char* name : {"older.kyl", "one.kyl", "table.kyl"}) Put("corpus/editor_tables", name, from("kyl_read", name));
    const std::string table = from("kyl_read", "table.kyl");
    Put("corpus/folder_listing", "config.kyf", from("kyf_read", "one.kyf"));
    Put("corpus/folder_listing", "older-config.kyf", from("kyf_read", "older.kyf"));
    Put("corpus/folder_listing", "older-table.kyl", from("kyl_read", "older.kyl"));
    Put("corpus/folder_listing", "table.kyl", table);
    Put("corpus/folder_listing", "name-cut", table.substr(0, 9));
    Put("corpus/folder_listing", "two-bytes", table.substr(0, 2));
}

// --- KY1 --------------------------------------------------------------------------

store::Ky1Mst KyRow(int i) {
    store::Ky1Mst r;
    r.Total = i;
    r.SdCnt = i / 2;
    r.RdCnt = i - i / 2;
    r.Dtime = kStart + (i / 3) / 86400.0;
    r.Data = static_cast<int16_t>((i * 41) % 256);
    r.SdRd = static_cast<int16_t>(i % 2);
    r.Same = static_cast<int16_t>(i % 5 == 0);
    r.ErrBit = static_cast<uint8_t>(i % 8);
    r.Trig1 = static_cast<uint8_t>(i == 4);
    r.SiSo = static_cast<uint8_t>(i % 7 == 3);
    r.ChrTime = i % 2 ? static_cast<float>(0x4000 + (i % 8) * 0x400 + (i % 4 == 1) * 0x2000 + i * 3) : 0.0F;
    r.DualCnt = i;
    return r;
}

store::test::FakeKy1Source Ky1Content(int rows) {
    store::test::FakeKy1Source src;
    src.inf = {kStart, kStart + 0.01, "9600", 1, 2, true, 1, 3, 1, true, 1, 2, "KY-N4", false, true};
    src.trg[0] = {true, 1, 3, 4, 500, "11000", "4142", "00000", "43", "x"};
    src.trg[1] = {false, 2, 0, 7, 100, "", "0D0A", "", "", ""};
    for (int i = 0; i < rows; ++i) src.rows.push_back(KyRow(i));
    return src;
}

std::string Stream(store::test::FakeKy1Source src) {
    std::string stream;
    store::Ky1StreamServe(src, "old.ky1", [&](std::string& bytes) {
        stream += bytes;
        bytes.clear();
        return true;
    });
    return stream;
}

void ConverterSeeds() {
    auto seed = [](const std::string& name, char flags, char cancel, const store::test::FakeKy1Source& src) {
        Put("corpus/ky1_converter", name, std::string{flags, cancel} + Stream(src));
    };
    seed("twelve-rows.bin", 0, 0, Ky1Content(12));
    seed("empty-table.bin", 0, 0, Ky1Content(0));
    seed("two-rows-repeated.bin", 1, 0, Ky1Content(2));
    seed("cancelled.bin", 0, 2, Ky1Content(40));
    seed("cancelled-while-writing.bin", 1, 10, Ky1Content(3));
    store::test::FakeKy1Source noTrg = Ky1Content(3);
    noTrg.trgReadable = false;
    seed("no-trigger-table.bin", 0, 0, noTrg);
    store::test::FakeKy1Source bad = Ky1Content(3);
    bad.rows[1].Data = 300;
    seed("data-above-255.bin", 0, 0, bad);
    store::test::FakeKy1Source huge = Ky1Content(3);
    huge.claimedCount = 0x7FFFFFFF;
    seed("claims-many-rows.bin", 0, 0, huge);
    // Byte 0 bits 1 to 3 pick a claimed count near the 64-bit limits.
    const char* const claims[] = {"claims-int64-max.bin", "claims-int64-min.bin", "claims-half-max.bin",
                                  "claims-half-min.bin", "claims-minus-one.bin", "claims-past-int32.bin",
                                  "claims-int64-max-less-one.bin"};
    for (int pick = 1; pick <= 7; ++pick) {
        seed(claims[pick - 1], static_cast<char>(pick << 1), 0, Ky1Content(12));
    }
}

store::test::Ky1Content JetContent(int rows) {
    store::test::Ky1Content c;
    const store::test::FakeKy1Source src = Ky1Content(0);
    c.inf = src.inf;
    c.trg = src.trg;
    c.mstCount = rows;
    c.mst = KyRow;
    return c;
}

void JetSeeds() {
    using store::test::JetVersion;
    auto write = [](const std::string& folder, const std::string& name, JetVersion v, int rows,
                    const store::test::JetDamage& damage = {}) {
        Scratch tmp;
        if (!store::test::WriteKy1File(tmp / "f.ky1", v, JetContent(rows), damage)) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            return;
        }
        Put(folder, name, ReadAll(tmp / "f.ky1"));
    };
    write("corpus/ky1_jet", "jet4-five-rows.ky1", JetVersion::Jet4, 5);
    write("corpus/ky1_jet", "jet3-five-rows.ky1", JetVersion::Jet3, 5);
    write("corpus/ky1_jet", "jet4-empty-table.ky1", JetVersion::Jet4, 0);
    store::test::JetDamage catalog;
    catalog.emptyCatalogMap = true;
    write("regressions/ky1_jet", "null-usage-map-in-catalog.ky1", JetVersion::Jet4, 5, catalog);
    store::test::JetDamage table;
    table.emptyMapTable = "MstTable";
    write("regressions/ky1_jet", "null-usage-map-in-table.ky1", JetVersion::Jet4, 5, table);
    store::test::JetDamage count;
    count.miscountedTable = "MstTable";
    count.claimedRows = 0x7FFFFFFF;
    write("regressions/ky1_jet", "row-count-7fffffff.ky1", JetVersion::Jet4, 5, count);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <fuzz folder>\n", argv[0]);
        return 2;
    }
    g_root = argv[1];
    Ky2Seeds();
    ConvertedSeed();
    IniSeeds();
    ColorSeeds();
    EngineSeeds();
    ConnectSeeds();
    LineRecvSeeds();
    LanFrameSeeds();
    SRecordSeeds();
    TriggerPatternSeeds();
    CopiedFrameSeeds();
    ConverterSeeds();
    JetSeeds();
    return 0;
}
