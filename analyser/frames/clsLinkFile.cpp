// The KYL file of a link table, and the folder listing.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>
#include <optional>

#include "ByteReader.h"
#include "ByteWriter.h"
#include "StoredPath.h"
#include "clsLink.h"
#include "his/store/LooseValue.h"
#include "platform/file/AtomicFile.h"
#include "platform/text/Rounding.h"
#include "platform/text/VbFormat.h"

namespace frames {

namespace {

constexpr char kSeparator = '\x01';
constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kMaxListed = std::numeric_limits<int16_t>::max();

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const size_t at = line.find(kSeparator);
        fields.push_back(line.substr(0, at));
        if (at == std::string_view::npos) return fields;
        line.remove_prefix(at + 1);
    }
}

std::optional<double> Number(std::string_view field) { return store::LooseValue(field).AsNumber(); }

bool PositionsRead(ByteReader& in, LinkTable& t) {
    std::string line;
    if (!in.Line(line)) return false;
    const auto fields = Fields(line);
    if (t.itemMax > 0 && fields.size() < static_cast<size_t>(t.itemMax)) return false;
    t.positions.assign(static_cast<size_t>(t.itemMax), 0);
    for (size_t k = 0; k < t.positions.size(); ++k) {
        // A position of 0 or less was written as an empty field.
        if (fields[k].empty()) continue;
        const auto number = Number(fields[k]);
        const auto position = number ? platform::ToInt16(*number) : std::nullopt;
        if (!position) return false;
        t.positions[k] = *position;
    }
    return true;
}

bool RowRead(ByteReader& in, const LinkTable& t, LinkRow& row) {
    std::string line;
    if (!in.Line(line)) return false;
    const auto fields = Fields(line);
    const auto columns = static_cast<size_t>(t.itemMax);
    if (fields.size() < columns + 3) return false;
    row.codes.assign(columns, kAnyCode);
    for (size_t k = 0; k < columns; ++k) {
        if (fields[k].empty()) continue;
        const auto code = Number(fields[k]);
        if (!code) return false;
        row.codes[k] = *code;
    }
    row.name = FileText::FromStored(std::string(fields[columns]));
    const auto direction = Number(fields[columns + 1]);
    const auto color = Number(fields[columns + 2]);
    const auto color32 = color ? platform::ToInt32(*color) : std::nullopt;
    if (!direction || !color32) return false;
    const double arrow = platform::BankersRound(*direction);
    row.direction = arrow == 1 || arrow == 2 ? static_cast<int32_t>(arrow) : kDirectionNone;
    row.color = *color32;
    return true;
}

// Fifteen significant digits hold every code of up to 49 bits; a wider one
// is written with the digits it needs to read back as the same value.
std::string CodeText(double code) {
    if (code < 0) return {};
    std::string text = platform::GeneralNumber(code);
    const auto back = Number(text);
    if (back && *back == code) return text;
    char exact[40];
    std::snprintf(exact, sizeof exact, "%.17G", code);
    return exact;
}

}  // namespace

bool LinkTableRead(const std::string& path, LinkTable& t) {
    ByteReader in(path);
    uint32_t magic = 0;
    std::string name;
    if (!in.IsOpen() || !in.U32(magic) || (magic != kLinkMagic && magic != kLinkMagicOld)) return false;
    if (!in.Text(name) || !in.I32(t.linkMax) || !in.I16(t.itemMax)) return false;
    if (t.linkMax < 0 || t.itemMax < 0) return false;
    t.name = FileText::FromStored(std::move(name));
    if (!PositionsRead(in, t)) return false;
    // Rows are taken one line at a time: a count the file cannot back ends
    // at its end, not in a huge allocation.
    t.rows.clear();
    for (int32_t r = 0; r < t.linkMax; ++r) {
        LinkRow row;
        if (!RowRead(in, t, row)) return false;
        t.rows.push_back(std::move(row));
    }
    return true;
}

bool LinkTableBytes(const LinkTable& t, std::string& out) {
    // The header counts what is held: rows that were never made (a row
    // count set while there were no columns) are not promised.
    const auto columns = static_cast<size_t>(std::max<int16_t>(t.itemMax, 0));
    auto at = [](const auto& list, size_t k) { return k < list.size() ? list[k] : 0; };
    ByteWriter w(out);
    w.U32(kLinkMagic);
    if (!w.Text(t.name.Stored()) || t.rows.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        return false;
    }
    w.I32(static_cast<int32_t>(t.rows.size()));
    w.I16(static_cast<int16_t>(columns));
    for (size_t k = 0; k < columns; ++k) {
        if (k > 0) out.push_back(kSeparator);
        if (at(t.positions, k) > 0) out += std::to_string(at(t.positions, k));
    }
    out += kCrLf;
    for (const LinkRow& row : t.rows) {
        for (size_t k = 0; k < columns; ++k) {
            out += CodeText(at(row.codes, k));
            out.push_back(kSeparator);
        }
        out += row.name.Stored();
        out.push_back(kSeparator);
        out += std::to_string(row.direction);
        out.push_back(kSeparator);
        out += std::to_string(row.color);
        out += kCrLf;
    }
    return true;
}

bool clsLink::LinkRead(const std::string& vFileName) {
    if (!IsRegularFile(vFileName)) return false;
    LinkTable read;
    try {
        if (!LinkTableRead(vFileName, read)) return false;
    } catch (const std::bad_alloc&) {
        return false;  // a code per column and row takes eight bytes for one of the file
    }
    table_ = std::move(read);
    matchedFrame_ = -1;
    return true;
}

bool clsLink::LinkWritre(const std::string& vFileName) const {
    std::string bytes;
    if (vFileName.empty() || !LinkTableBytes(table_, bytes)) return false;
    platform::AtomicFile file(vFileName);
    file.Write(bytes);
    return file.Commit();
}

void clsLink::DirName(const std::string& folder) {
    dirName_ = folder;
    dirNames_.clear();
    dirFiles_.clear();
    for (const std::string& file : FolderFiles(folder, ".kyl")) {
        if (dirFiles_.size() >= kMaxListed) break;
        const std::string path = JoinPath(folder, file);
        uint32_t magic = 0;
        std::string name;
        if (!HeaderNameRead(path, magic, name) || magic != kLinkMagic) continue;
        dirNames_.push_back(FileText::FromStored(std::move(name)));
        dirFiles_.push_back(path);
    }
}

}  // namespace frames
