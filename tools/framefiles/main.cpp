// framefiles <folder>: writes small sample frame files made by the frame
// store's own writers: frame files (kyp_read/), frame configurations
// (kyf_read/) and link tables (kyl_read/), and histories to convert with
// the cut settings before them (ky2_convert/, written by the history
// store), for the fuzz targets' seed corpus and for trying the analyser by
// hand.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "FrameComment.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "clsLink.h"
#include "his/store/FileSave.h"
#include "his/store/Ky2Format.h"
#include "his/store/clsCommon.h"

namespace {

using namespace frames;

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// The same file with the previous generation's magic.
bool OlderMagic(const std::string& from, const std::string& to, uint32_t magic) {
    std::string bytes = ReadAll(from);
    if (bytes.size() < 4) return false;
    for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>((magic >> (8 * i)) & 0xFF);
    return WriteAll(to, bytes);
}

FrameFileHeader Header(const std::string& frameFile) {
    FrameFileHeader h;
    h.FrameFile = FileText::FromUtf8(frameFile);
    h.LinkFile = FileText::FromUtf8("C:\\解析\\links.kyl");
    h.SpotA = FileText::FromUtf8("ホスト");
    h.SpotB = FileText::FromUtf8("端末");
    h.cut.CutMode = {0, 1, 1, 0, 0};
    h.cut.Deadhead = 50;
    h.part.MonitorStart = 45000.25;
    h.part.MonitorStop = 45000.5;
    h.monitor.Brate = 9600;
    h.monitor.ChrTime = 1;
    h.monitor.trigger[0].SdChr = FileText::FromUtf8("0D0A");
    return h;
}

bool WriteFrames(const std::string& path, const std::string& frameFile,
                 const std::vector<std::pair<std::string, std::string>>& frames) {
    FrameFileWriter out(path);
    out.Header(Header(frameFile));
    int16_t cut = 0x2000;
    double date = 45000.25;
    for (const auto& [data, comment] : frames) {
        out.Frame(date, static_cast<uint8_t>(0x80 | (cut & 0x02)), cut, CommentStore(comment), "", data);
        date += 1.0 / 86400;
        cut = static_cast<int16_t>(cut + 0x0401);
    }
    return out.Commit();
}

bool Configs(const std::string& dir) {
    clsFrameConfig c;
    c.FrameName("計測フレーム");
    c.ItemMax(5);
    const char* names[] = {"種別", "長さ", "データ", "ＣＲＣ", "終端"};
    const int16_t types[] = {kItemCode, kItemLength, kItemData, kItemData, kItemCode};
    const int16_t sizes[] = {3, 13, 0, 16, 8};
    const int16_t spans[] = {0, 0, 2, 2, 0};
    for (int i = 0; i < 5; ++i) {
        c.ItemName(i, names[i]);
        c.ItemType(i, types[i]);
        c.ItemSize(i, sizes[i]);
        c.ItemSpan(i, spans[i]);
    }
    bool ok = c.FrameWrite(dir + "/items.kyf") && c.FramePPPWrite(dir + "/ppp.kyf") &&
              OlderMagic(dir + "/items.kyf", dir + "/older.kyf", 0x4E345850);
    const std::string whole = ReadAll(dir + "/items.kyf");
    ok = ok && whole.size() > 5 && WriteAll(dir + "/cut.kyf", whole.substr(0, whole.size() - 5));
    clsFrameConfig one;
    one.FrameName("一項目");
    one.ItemMax(1);
    one.ItemSize(0, 8);
    ok = ok && one.FrameWrite(dir + "/one.kyf");
    return ok;
}

bool Frames(const std::string& dir, const std::string& kyf) {
    const std::string ppp = Bytes({0x7E, 0xFF, 0x7D, 0x23, 0xC0, 0x21, 0x01, 0x7D, 0x5E, 0x0A, 0x10, 0x12, 0x34, 0x7E});
    bool ok = WriteFrames(dir + "/items.kyp", kyf,
                          {{Bytes({0x20, 0x03, 0xAA, 0xBB, 0xCC, 0x01, 0x02, 0x0D}), "注釈"},
                           {Bytes({0x41, 0x42, 0x0D, 0x0A}), ""},
                           {"", "空のフレーム"},
                           {Bytes({0x10, 0x0A, 0x10}), ""}}) &&
              WriteFrames(dir + "/ppp.kyp", "C:\\cfg\\ppp.kyf",
                          {{ppp, "PPP"}, {Bytes({0x7E, 0x21, 0x45, 0x00, 0x00, 0x7E}), ""}, {"no flag", ""}}) &&
              WriteFrames(dir + "/header.kyp", kyf, {});
    return ok && OlderMagic(dir + "/items.kyp", dir + "/older.kyp", 0x4E345850);
}

bool Links(const std::string& dir) {
    clsLink link;
    link.LinkName("応答表");
    link.LinkMax(3);
    link.ItemMax(2);
    link.Position(0, 1);
    link.Position(1, 5);
    const double codes[3][2] = {{16, -1}, {1, 2.5}, {-1, -1}};
    const char* names[] = {"ACK", "データ", "その他"};
    for (int r = 0; r < 3; ++r) {
        link.ListIndex(r);
        link.ObjectCode(0, codes[r][0]);
        link.ObjectCode(1, codes[r][1]);
        link.ItemName(names[r]);
        link.Direction(r);
        link.BackColor(0xFF << (8 * r));
    }
    bool ok = link.LinkWritre(dir + "/table.kyl") && OlderMagic(dir + "/table.kyl", dir + "/older.kyl", 0x4E34584C);
    clsLink one;
    one.LinkMax(1);
    one.ItemMax(1);
    one.Position(0, 2);
    one.ListIndex(0);
    one.ObjectCode(0, 1e16);
    one.ItemName("大きな値");
    ok = ok && one.LinkWritre(dir + "/one.kyl");
    return ok;
}

// A short capture: text lines on SD, PPP frames and answers on RD, some
// characters with their character times.
bool History(const std::string& path) {
    store::clsCommon doc;
    doc.MonitorStart(46365.0);
    doc.BaudRate(9600);
    doc.CharTime(1);
    double stamp = 46365.0;
    int n = 0;
    auto add = [&](uint8_t attr, const std::string& bytes) {
        for (const char c : bytes) {
            if (++n % 6 == 0) stamp += 1.0 / 86400;
            doc.RecordAdd(stamp, attr, static_cast<uint8_t>(c));
            if (n % 4 == 0) doc.CharTimeSet(store::CharTimeWord(static_cast<int16_t>(n % 3), static_cast<uint16_t>(n * 7)));
        }
    };
    add(0x80, "ATZ\r\n");
    add(0x82, Bytes({0x7E, 0xFF, 0x03, 0xC0, 0x21, 0x01, 0x7D, 0x5E, 0x0A, 0x10, 0x12, 0x34, 0x7E}));
    add(0x80, "OK\r");
    add(0x81, Bytes({0x03, 0x04}));
    add(0x82, "\n");
    add(0x80, Bytes({0x02, 0x03, 0xAA, 0xBB, 0xCC}));
    return store::HistorySave(doc, path, store::SaveRange{}) == 0;
}

// Seeds of the conversion target: cut settings, then a whole history or
// characters of three bytes (attribute, data, time).
bool Conversions(const std::string& dir) {
    if (!History(dir + "/history.tmp")) return false;
    const std::string history = ReadAll(dir + "/history.tmp");
    std::filesystem::remove(dir + "/history.tmp");
    return !history.empty() && WriteAll(dir + "/crlf.bin", Bytes({0x84, 0, 0}) + history) &&
           WriteAll(dir + "/ppp.bin", Bytes({0x81, 0, 0}) + history) &&
           WriteAll(dir + "/all.bin", Bytes({0x9E, 4, 2, 0x03, 0x04}) + history) &&
           WriteAll(dir + "/layout.bin", Bytes({0x12, 0, 2, 0x0D, 0x0A, 0x00, 0x01, 0x00, 0x02, 0x03, 0x00, 0x00,
                                                0xAA, 0x80, 0x00, 0xBB, 0x00, 0x00, 0x0D, 0x40, 0x00, 0x0A, 0x00,
                                                0x02, 0x41, 0x00})) &&
           WriteAll(dir + "/gaps.bin", Bytes({0x0B, 12, 0, 0x00, 0x12, 0x00, 0x01, 0x34, 0x82, 0x00, 0x56, 0x00,
                                              0x02, 0x78, 0xD1, 0x00, 0x9A, 0x00, 0x00, 0xBC, 0xF0}));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: framefiles <folder>\n");
        return 2;
    }
    const std::string root = argv[1];
    for (const char* sub : {"kyp_read", "kyf_read", "kyl_read", "ky2_convert"}) {
        std::error_code ec;
        std::filesystem::create_directories(root + "/" + sub, ec);
        if (ec) {
            std::fprintf(stderr, "framefiles: %s/%s: %s\n", root.c_str(), sub, ec.message().c_str());
            return 1;
        }
    }
    const bool ok = Configs(root + "/kyf_read") && Frames(root + "/kyp_read", "C:\\cfg\\items.kyf") &&
                    Links(root + "/kyl_read") && Conversions(root + "/ky2_convert");
    if (!ok) std::fprintf(stderr, "framefiles: a file could not be written\n");
    return ok ? 0 : 1;
}
