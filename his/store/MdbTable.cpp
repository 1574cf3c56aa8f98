#include "MdbTable.h"

#include <cstring>

namespace store {

// A column's bound text and, for fixed-size numbers, a copy of its raw
// bytes taken while the row's page is still in the buffer.
struct MdbTable::Bound {
    MdbColumn* col = nullptr;
    std::vector<char> text;
    int length = 0;
    unsigned char raw[8] = {};
    int rawLength = 0;
};

namespace {

template <typename T>
T LittleEndian(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);  // the build targets are little-endian, as the file is
    return v;
}

std::optional<double> RawNumber(int type, const unsigned char* raw, int size) {
    switch (type) {
        case MDB_BYTE: if (size == 1) return raw[0]; break;
        case MDB_INT: if (size == 2) return LittleEndian<int16_t>(raw); break;
        case MDB_LONGINT: if (size == 4) return LittleEndian<int32_t>(raw); break;
        case MDB_FLOAT: if (size == 4) return LittleEndian<float>(raw); break;
        case MDB_DOUBLE:
        case MDB_DATETIME: if (size == 8) return LittleEndian<double>(raw); break;
        default: break;
    }
    return std::nullopt;
}

}  // namespace

MdbTable::MdbTable(MdbHandle* mdb, const std::string& name) : mdb_(mdb) {
    std::vector<char> cname(name.begin(), name.end());
    cname.push_back('\0');
    table_ = mdb_read_table_by_name(mdb_, cname.data(), MDB_TABLE);
    if (!table_ || !mdb_read_columns(table_)) return;
    const size_t bindSize = mdb_->bind_size;
    for (unsigned int i = 0; i < table_->num_cols; ++i) {
        auto b = std::make_unique<Bound>();
        b->col = static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, i));
        b->text.assign(bindSize + 1, '\0');
        mdb_bind_column(table_, static_cast<int>(i) + 1, b->text.data(), &b->length);
        columns_.push_back(std::move(b));
    }
    Rewind();
}

MdbTable::~MdbTable() {
    if (table_) mdb_free_tabledef(table_);
}

int64_t MdbTable::RowCount() const { return static_cast<int64_t>(table_->num_rows); }

bool MdbTable::Rewind() { return mdb_rewind_table(table_) == 0; }

bool MdbTable::Next() {
    if (!mdb_fetch_row(table_)) return false;
    Capture();
    return true;
}

void MdbTable::Capture() {
    for (const auto& b : columns_) {
        const int start = b->col->cur_value_start;
        const int len = b->col->cur_value_len;
        const bool fits = b->col->is_fixed && len > 0 && len <= 8 && start >= 0 &&
                          start + len <= static_cast<int>(sizeof mdb_->pg_buf);
        b->rawLength = fits ? len : 0;
        if (fits) std::memcpy(b->raw, mdb_->pg_buf + start, static_cast<size_t>(len));
    }
}

const MdbTable::Bound* MdbTable::Find(const std::string& column) const {
    for (const auto& b : columns_) {
        if (column == b->col->name) return b.get();
    }
    return nullptr;
}

std::optional<double> MdbTable::Number(const std::string& column) const {
    const Bound* b = Find(column);
    if (!b) return std::nullopt;
    if (b->col->col_type == MDB_BOOL) return *Boolean(column) ? -1.0 : 0.0;
    return RawNumber(b->col->col_type, b->raw, b->rawLength);
}

// A yes/no column lives in the row's null mask: libmdb reports it only as
// the text "1" or "0".
std::optional<bool> MdbTable::Boolean(const std::string& column) const {
    const Bound* b = Find(column);
    if (!b) return std::nullopt;
    if (b->col->col_type == MDB_BOOL) return b->text[0] == '1';
    const std::optional<double> n = RawNumber(b->col->col_type, b->raw, b->rawLength);
    if (!n) return std::nullopt;
    return *n != 0;
}

std::optional<std::string> MdbTable::Text(const std::string& column) const {
    const Bound* b = Find(column);
    if (!b || (b->col->col_type != MDB_TEXT && b->col->col_type != MDB_MEMO)) return std::nullopt;
    return std::string(b->text.data());
}

}  // namespace store
