// Writes small Jet database files for tests of the KY1 reader: a header
// page, the object catalog and plain tables of fixed-size numbers and short
// texts, without indexes. Enough for libmdb to find the tables and read
// every row in stored order; nothing more.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace store::test {

enum class JetVersion { Jet3, Jet4 };

// Column type codes as the file stores them.
enum class JetType : uint8_t {
    Bool = 0x01,
    Byte = 0x02,
    Int = 0x03,
    Long = 0x04,
    Float = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Text = 0x0A,
    Ole = 0x0B,
};

struct JetColumn {
    std::string name;
    JetType type = JetType::Long;
    int textChars = 50;  // the most characters a text column holds
};

// A cell: null, a number (for any numeric column), a yes/no or UTF-8 text.
using JetValue = std::variant<std::monostate, double, bool, std::string>;
using JetRow = std::vector<JetValue>;

struct JetTable {
    std::string name;
    std::vector<JetColumn> columns;
    int32_t rowCount = 0;
    // Made on demand so long tables need not sit in memory twice.
    std::function<JetRow(int32_t)> row;
};

// Damage, for tests of what becomes of broken files.
struct JetDamage {
    // The catalog's usage map is a row of no bytes.
    bool emptyCatalogMap = false;
    // This table's usage map is a row of no bytes.
    std::string emptyMapTable;
    // This table's definition claims claimedRows rows, whatever it holds.
    std::string miscountedTable;
    uint32_t claimedRows = 0;
};

// Writes the tables to path; false when a row does not fit a page or the
// file cannot be written. Jet3 texts are stored in code page 932.
bool WriteJetFile(const std::string& path, JetVersion version,
                  const std::vector<JetTable>& tables, const JetDamage& damage = {});

}  // namespace store::test
