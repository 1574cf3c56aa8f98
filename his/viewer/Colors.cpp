#include "Colors.h"

#include <fstream>

#include "AtomicFile.h"
#include "Ky2Format.h"

namespace viewer {
namespace {

std::array<Colour*, 8> Fields(ColorRecord& rec) {
    return {&rec.MarkFore, &rec.MarkBack, &rec.TrigFore, &rec.TrigBack,
            &rec.OddFore,  &rec.OddBack,  &rec.EvenFore, &rec.EvenBack};
}

}  // namespace

ColorRecord DefaultColors() {
    ColorRecord rec;
    rec.MarkFore = 0x00000000;
    rec.MarkBack = 0x000080FF;
    rec.TrigFore = 0x00000000;
    rec.TrigBack = 0x00FF00FF;
    rec.OddFore = kSystemWindowText;
    rec.OddBack = 0x00FFFFFF;
    rec.EvenFore = kSystemWindowText;
    rec.EvenBack = 0x00FFFF80;
    return rec;
}

std::array<uint8_t, kColorRecordSize> ColorRecordBytes(const ColorRecord& rec) {
    ColorRecord copy = rec;
    std::array<uint8_t, kColorRecordSize> bytes{};
    size_t at = 0;
    for (const Colour* field : Fields(copy)) {
        const auto value = static_cast<uint32_t>(*field);
        for (int shift = 0; shift < 32; shift += 8) bytes[at++] = static_cast<uint8_t>(value >> shift);
    }
    return bytes;
}

ColorRecord ColorRecordFromBytes(const std::array<uint8_t, kColorRecordSize>& bytes) {
    ColorRecord rec;
    size_t at = 0;
    for (Colour* field : Fields(rec)) {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) value |= static_cast<uint32_t>(bytes[at++]) << shift;
        *field = static_cast<Colour>(value);
    }
    return rec;
}

std::string ColorIniPath(const std::string& programFolder) {
    return programFolder + "/Rewindo.ini";
}

void ColorIniRead(const std::string& path, ColorRecord& rec) {
    if (!store::FileExists(path)) ColorIniWrite(path, rec);
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    std::array<uint8_t, kColorRecordSize> bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), kColorRecordSize);
    if (static_cast<size_t>(in.gcount()) != kColorRecordSize) return;
    rec = ColorRecordFromBytes(bytes);
}

bool ColorIniWrite(const std::string& path, const ColorRecord& rec) {
    const auto bytes = ColorRecordBytes(rec);
    platform::AtomicFile file(path);
    file.Write(bytes.data(), bytes.size());
    return file.Commit();
}

GridColors GridColorSet(const ColorRecord& rec) {
    return {rec.OddFore, rec.OddBack, rec.EvenBack};
}

}  // namespace viewer
