// One table of an old Jet database read row by row through libmdb, with
// every column bound and each value converted the way the old reader
// converted fields: numbers to the asked type (or nothing when they do not
// fit), texts as UTF-8.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// libmdb's header needs glib's types declared before it.
#include <glib.h>
#include <mdbtools.h>

namespace store {

class MdbTable {
public:
    // Reads the table's definition; Ok() is false when it is not there.
    MdbTable(MdbHandle* mdb, const std::string& name);
    ~MdbTable();
    MdbTable(const MdbTable&) = delete;
    MdbTable& operator=(const MdbTable&) = delete;

    bool Ok() const { return table_ != nullptr; }
    // The row count the table definition claims.
    int64_t RowCount() const;

    // Back to before the first row; the next Next() reads it.
    bool Rewind();
    // Reads the next row; false at the end of the table.
    bool Next();

    // The current row's value of a column, converted; nothing when the
    // column is missing, the value is null or it does not convert.
    std::optional<double> Number(const std::string& column) const;
    std::optional<bool> Boolean(const std::string& column) const;
    std::optional<std::string> Text(const std::string& column) const;

private:
    struct Bound;
    const Bound* Find(const std::string& column) const;
    void Capture();

    MdbHandle* mdb_;
    S_MdbTableDef* table_ = nullptr;
    std::vector<std::unique_ptr<Bound>> columns_;
};

}  // namespace store
