#include "JetWriter.h"

#include <iconv.h>

#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace store::test {

namespace {

using Bytes = std::vector<uint8_t>;

// Where the two versions differ in the pages this writer makes.
struct Format {
    bool jet4;
    size_t PageSize() const { return jet4 ? 4096 : 2048; }
    size_t CountSize() const { return jet4 ? 2 : 1; }  // row column counts and offsets
    size_t RowCountAt() const { return jet4 ? 12 : 8; }
    size_t TdefRowsAt() const { return jet4 ? 16 : 12; }
    size_t TdefTypeAt() const { return jet4 ? 40 : 20; }
    size_t ColumnEntrySize() const { return jet4 ? 25 : 18; }
};

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(Bytes& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// Appends a little-endian value of 1, 2 or 4 bytes.
void Append(Bytes& b, uint32_t v, size_t size) {
    for (size_t i = 0; i < size; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

[[noreturn]] void Fail(const std::string& why) { throw std::runtime_error(why); }

// UTF-8 to UCS-2 little-endian; the tests need nothing outside the BMP.
Bytes Ucs2(const std::string& utf8) {
    Bytes out;
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<uint8_t>(utf8[i]);
        const size_t len = c < 0x80 ? 1 : (c < 0xE0 ? 2 : (c < 0xF0 ? 3 : 4));
        if (len == 4 || i + len > utf8.size()) Fail("text outside UCS-2");
        uint32_t cp = len == 1 ? c : (c & (len == 2 ? 0x1Fu : 0x0Fu));
        for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<uint8_t>(utf8[i + k]) & 0x3Fu);
        Append(out, cp, 2);
        i += len;
    }
    return out;
}

Bytes Cp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) Fail("no CP932 converter");
    std::string in = utf8;
    Bytes out(in.size() * 2 + 4);
    char* src = in.data();
    auto* dst = reinterpret_cast<char*>(out.data());
    size_t inLeft = in.size(), outLeft = out.size();
    const size_t done = iconv(cd, &src, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) Fail("text not in CP932");
    out.resize(out.size() - outLeft);
    return out;
}

Bytes EncodeText(const Format& f, const std::string& utf8) {
    return f.jet4 ? Ucs2(utf8) : Cp932(utf8);
}

bool IsFixed(JetType t) { return t != JetType::Text && t != JetType::Ole; }

size_t FixedSize(JetType t) {
    switch (t) {
        case JetType::Byte: return 1;
        case JetType::Int: return 2;
        case JetType::Long:
        case JetType::Float: return 4;
        case JetType::Double:
        case JetType::DateTime: return 8;
        default: return 0;  // yes/no values live in the null mask
    }
}

Bytes EncodeNumber(JetType t, double v) {
    Bytes out;
    if (t == JetType::Float || t == JetType::Double || t == JetType::DateTime) {
        const float single = static_cast<float>(v);
        out.resize(t == JetType::Float ? 4 : 8);
        std::memcpy(out.data(), t == JetType::Float ? static_cast<const void*>(&single) : &v,
                    out.size());
        return out;
    }
    Append(out, static_cast<uint32_t>(std::llround(v)), FixedSize(t));
    return out;
}

// Where each column of a table sits in its rows.
struct Layout {
    std::vector<size_t> fixedAt;  // offset in the fixed area, or var index
    size_t fixedBytes = 0;
    size_t varCount = 0;
};

Layout LayoutOf(const std::vector<JetColumn>& cols) {
    Layout l;
    for (const JetColumn& c : cols) {
        if (IsFixed(c.type)) {
            l.fixedAt.push_back(l.fixedBytes);
            l.fixedBytes += FixedSize(c.type);
        } else {
            l.fixedAt.push_back(l.varCount++);
        }
    }
    return l;
}

bool Truth(const JetValue& v) {
    if (const bool* b = std::get_if<bool>(&v)) return *b;
    if (const double* d = std::get_if<double>(&v)) return *d != 0;
    return false;
}

// The values of one row, split into the row's parts.
struct RowParts {
    Bytes fixed;
    std::vector<Bytes> vars;
    Bytes mask;
};

RowParts SplitRow(const Format& f, const std::vector<JetColumn>& cols, const Layout& l,
                  const JetRow& row) {
    RowParts p{Bytes(l.fixedBytes), std::vector<Bytes>(l.varCount), Bytes((cols.size() + 7) / 8)};
    for (size_t i = 0; i < cols.size(); ++i) {
        const JetValue& v = i < row.size() ? row[i] : JetValue{};
        const bool present = cols[i].type == JetType::Bool ? Truth(v) : v.index() != 0;
        if (present) p.mask[i / 8] = static_cast<uint8_t>(p.mask[i / 8] | (1u << (i % 8)));
        if (!present || cols[i].type == JetType::Bool) continue;
        if (!IsFixed(cols[i].type)) {
            p.vars[l.fixedAt[i]] = EncodeText(f, std::get<std::string>(v));
            continue;
        }
        const Bytes n = EncodeNumber(cols[i].type, std::get<double>(v));
        std::copy(n.begin(), n.end(), p.fixed.begin() + static_cast<long>(l.fixedAt[i]));
    }
    return p;
}

// Row layout: column count, fixed area, var data, then (when the table has
// var columns) eod, the var offsets last to first and their count, and the
// null mask at the very end.
Bytes EncodeRow(const Format& f, const std::vector<JetColumn>& cols, const Layout& l,
                const JetRow& row) {
    const RowParts p = SplitRow(f, cols, l, row);
    Bytes out;
    Append(out, static_cast<uint32_t>(cols.size()), f.CountSize());
    out.insert(out.end(), p.fixed.begin(), p.fixed.end());
    std::vector<size_t> starts;
    for (const Bytes& v : p.vars) {
        starts.push_back(out.size());
        out.insert(out.end(), v.begin(), v.end());
    }
    if (l.varCount > 0) {
        Append(out, static_cast<uint32_t>(out.size()), f.CountSize());
        for (auto s = starts.rbegin(); s != starts.rend(); ++s)
            Append(out, static_cast<uint32_t>(*s), f.CountSize());
        Append(out, static_cast<uint32_t>(l.varCount), f.CountSize());
    }
    out.insert(out.end(), p.mask.begin(), p.mask.end());
    // Jet3 offsets are single bytes; longer rows would need a jump table.
    if (!f.jet4 && out.size() > 255) Fail("Jet3 row too long");
    return out;
}

// One data page filling from its end towards its header.
class DataPage {
public:
    DataPage(const Format& f, uint32_t owner) : f_(f), buf_(f.PageSize()), top_(f.PageSize()) {
        buf_[0] = 0x01;
        buf_[1] = 0x01;
        Put32(buf_, 4, owner);
    }
    size_t Rows() const { return rows_; }
    // Row numbers in row pointers are one byte.
    bool Fits(size_t size) const {
        return rows_ < 255 && HeaderEnd() + 2 + size <= top_;
    }
    uint32_t Put(const Bytes& row) {
        if (!Fits(row.size())) Fail("row larger than a page");
        top_ -= row.size();
        std::copy(row.begin(), row.end(), buf_.begin() + static_cast<long>(top_));
        Put16(buf_, f_.RowCountAt() + 2 + 2 * rows_, static_cast<uint32_t>(top_));
        return static_cast<uint32_t>(rows_++);
    }
    Bytes Finish() {
        Put16(buf_, f_.RowCountAt(), static_cast<uint32_t>(rows_));
        Put16(buf_, 2, static_cast<uint32_t>(top_ - HeaderEnd()));
        return buf_;
    }

private:
    size_t HeaderEnd() const { return f_.RowCountAt() + 2 + 2 * rows_; }

    Format f_;
    Bytes buf_;
    size_t top_;
    size_t rows_ = 0;
};

struct PageRun {
    uint32_t first = 0;
    uint32_t count = 0;
};

class JetFile {
public:
    explicit JetFile(const Format& f) : f_(f), pages_(3, Bytes(f.PageSize())) {}

    uint32_t Add(Bytes page) {
        pages_.push_back(std::move(page));
        return static_cast<uint32_t>(pages_.size() - 1);
    }
    void Set(uint32_t at, Bytes page) { pages_[at] = std::move(page); }
    const Format& Fmt() const { return f_; }

    // Packs the rows into new data pages owned by the table at owner;
    // always at least one page, so an empty table still has a map.
    PageRun PackRows(uint32_t owner, int32_t count, const std::function<Bytes(int32_t)>& row) {
        PageRun run{static_cast<uint32_t>(pages_.size()), 0};
        DataPage page(f_, owner);
        for (int32_t i = 0; i < count; ++i) {
            const Bytes r = row(i);
            if (!page.Fits(r.size()) && page.Rows() > 0) {
                Add(page.Finish());
                page = DataPage(f_, owner);
            }
            page.Put(r);
        }
        Add(page.Finish());
        run.count = static_cast<uint32_t>(pages_.size()) - run.first;
        return run;
    }

    bool Save(const std::string& path) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const Bytes& p : pages_)
            out.write(reinterpret_cast<const char*>(p.data()), static_cast<std::streamsize>(p.size()));
        return static_cast<bool>(out);
    }

private:
    Format f_;
    std::vector<Bytes> pages_;
};

// A type 0 usage map: a start page and one bit per page from it.
Bytes UsageMap(const PageRun& run) {
    Bytes map{0x00};
    Append(map, run.first, 4);
    map.resize(5 + (run.count + 7) / 8);
    for (uint32_t i = 0; i < run.count; ++i) map[5 + i / 8] = static_cast<uint8_t>(map[5 + i / 8] | (1u << (i % 8)));
    return map;
}

void PutColumnEntry(const Format& f, Bytes& b, size_t at, const JetColumn& c, size_t num,
                    size_t place) {
    const bool fixed = IsFixed(c.type);
    const size_t len = c.type == JetType::Text ? static_cast<size_t>(c.textChars) * (f.jet4 ? 2 : 1)
                       : c.type == JetType::Bool ? 1 : FixedSize(c.type);
    b[at] = static_cast<uint8_t>(c.type);
    const size_t numAt = f.jet4 ? 5 : 1;
    Put16(b, at + numAt, static_cast<uint32_t>(num));
    Put16(b, at + numAt + 2, fixed ? 0 : static_cast<uint32_t>(place));
    Put16(b, at + numAt + 4, static_cast<uint32_t>(num));
    if (c.type == JetType::Text) {
        Put16(b, at + (f.jet4 ? 11 : 7), 0x409);  // general sort order
        if (!f.jet4) Put16(b, at + 9, 932);        // code page of the texts
    }
    b[at + (f.jet4 ? 15 : 13)] = fixed ? 0x03 : 0x02;  // fixed length, may be null
    Put16(b, at + (f.jet4 ? 21 : 14), fixed ? static_cast<uint32_t>(place) : 0);
    Put16(b, at + (f.jet4 ? 23 : 16), static_cast<uint32_t>(len));
}

void AppendName(const Format& f, Bytes& b, const std::string& name) {
    const Bytes text = f.jet4 ? Ucs2(name) : Bytes(name.begin(), name.end());
    Append(b, static_cast<uint32_t>(text.size()), f.jet4 ? 2 : 1);
    b.insert(b.end(), text.begin(), text.end());
}

void PutTdefCounts(const Format& f, Bytes& b, const JetTable& t, const Layout& l, bool system,
                   uint32_t rows) {
    const size_t at = f.TdefTypeAt();
    const auto cols = static_cast<uint32_t>(t.columns.size());
    Put32(b, f.TdefRowsAt(), rows);
    b[at] = system ? 0x53 : 0x4E;
    Put16(b, at + 1, cols);
    Put16(b, at + 3, static_cast<uint32_t>(l.varCount));
    Put16(b, at + 5, cols);
    // no logical and no physical indexes (at + 7, at + 11)
}

// A table definition page claiming rows rows; mapRow points at its usage
// map row.
Bytes TableDef(const Format& f, const JetTable& t, uint32_t mapRow, bool system, uint32_t rows) {
    const Layout l = LayoutOf(t.columns);
    Bytes b(f.TdefTypeAt() + 23);
    b[0] = 0x02;
    b[1] = 0x01;
    if (!f.jet4) Put16(b, 2, 'V' | ('C' << 8));
    PutTdefCounts(f, b, t, l, system, rows);
    Put32(b, f.TdefTypeAt() + 15, mapRow);
    Put32(b, f.TdefTypeAt() + 19, mapRow);  // nothing inserts, so the free map may be the same
    for (size_t i = 0; i < t.columns.size(); ++i) {
        const size_t at = b.size();
        b.resize(at + f.ColumnEntrySize());
        PutColumnEntry(f, b, at, t.columns[i], i, l.fixedAt[i]);
    }
    for (const JetColumn& c : t.columns) AppendName(f, b, c.name);
    Append(b, 0xFFFF, 2);  // no var column usage maps follow
    if (b.size() + 8 > f.PageSize()) Fail("table definition larger than a page");
    Put32(b, 8, static_cast<uint32_t>(b.size()));
    if (f.jet4) Put16(b, 2, static_cast<uint32_t>(f.PageSize() - b.size() - 8));
    b.resize(f.PageSize());
    return b;
}

const uint32_t kMapPage = 1;
const uint32_t kCatalogPage = 2;  // where libmdb looks for the catalog

JetTable CatalogTable(const std::vector<std::pair<std::string, uint32_t>>& entries) {
    JetTable t{"MSysObjects",
               {{"Id", JetType::Long},
                {"ParentId", JetType::Long},
                {"Name", JetType::Text, 128},
                {"Type", JetType::Int},
                {"Flags", JetType::Long},
                {"LvProp", JetType::Ole}},
               static_cast<int32_t>(entries.size()),
               {}};
    t.row = [entries](int32_t i) {
        const auto& [name, page] = entries[static_cast<size_t>(i)];
        // Type 1 is a table; 0x0F000001 is the tables container.
        return JetRow{double(page), double(0x0F000001), name, 1.0, 0.0, {}};
    };
    return t;
}

// Writes a table's definition and rows; returns its usage map.
Bytes WriteTable(JetFile& file, uint32_t tdefPage, const JetTable& t, uint32_t mapRow, bool system,
                 const JetDamage& damage) {
    const Layout l = LayoutOf(t.columns);
    const PageRun run = file.PackRows(tdefPage, t.rowCount, [&](int32_t i) {
        return EncodeRow(file.Fmt(), t.columns, l, t.row(i));
    });
    const bool miscounted = !damage.miscountedTable.empty() && damage.miscountedTable == t.name;
    const auto rows = miscounted ? damage.claimedRows : static_cast<uint32_t>(t.rowCount);
    file.Set(tdefPage, TableDef(file.Fmt(), t, mapRow, system, rows));
    const bool emptyMap = system ? damage.emptyCatalogMap
                                 : !damage.emptyMapTable.empty() && damage.emptyMapTable == t.name;
    return emptyMap ? Bytes{} : UsageMap(run);
}

void Rc4(Bytes& b, size_t from, size_t len, const std::array<uint8_t, 4>& key) {
    std::array<uint8_t, 256> s{};
    for (size_t i = 0; i < 256; ++i) s[i] = static_cast<uint8_t>(i);
    for (size_t i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (size_t n = 0, i = 0, j = 0; n < len; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        b[from + n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

// The header page: version, code page and a zero database key, the part
// from 0x18 scrambled with the fixed key every reader undoes.
Bytes HeaderPage(const Format& f) {
    Bytes b(f.PageSize());
    b[1] = 0x01;
    const char magic[] = "Standard Jet DB";
    std::memcpy(b.data() + 4, magic, sizeof magic);
    b[0x14] = f.jet4 ? 0x01 : 0x00;
    Put16(b, 0x3C, f.jet4 ? 1252 : 932);
    if (f.jet4) Put32(b, 0x6E, 0x409);
    else Put16(b, 0x3A, 0x411);
    Rc4(b, 0x18, f.jet4 ? 128 : 126, {0xC7, 0xDA, 0x39, 0x6B});
    return b;
}

void Build(JetFile& file, const std::vector<JetTable>& tables, const JetDamage& damage) {
    std::vector<Bytes> maps;
    std::vector<std::pair<std::string, uint32_t>> entries;
    for (const JetTable& t : tables) {
        const uint32_t tdef = file.Add(Bytes(file.Fmt().PageSize()));
        const auto mapRow = (kMapPage << 8) | static_cast<uint32_t>(maps.size());
        maps.push_back(WriteTable(file, tdef, t, mapRow, false, damage));
        entries.emplace_back(t.name, tdef);
    }
    const auto catalogMap = (kMapPage << 8) | static_cast<uint32_t>(maps.size());
    maps.push_back(WriteTable(file, kCatalogPage, CatalogTable(entries), catalogMap, true, damage));
    DataPage mapPage(file.Fmt(), 0);
    for (const Bytes& m : maps) mapPage.Put(m);
    file.Set(kMapPage, mapPage.Finish());
    file.Set(0, HeaderPage(file.Fmt()));
}

}  // namespace

bool WriteJetFile(const std::string& path, JetVersion version,
                  const std::vector<JetTable>& tables, const JetDamage& damage) {
    JetFile file(Format{version == JetVersion::Jet4});
    try {
        Build(file, tables, damage);
    } catch (const std::exception&) {
        return false;
    }
    return file.Save(path);
}

}  // namespace store::test
