// The display-code table: the text of every byte value in each display form.
#pragma once

#include <array>
#include <string>

namespace store {

enum CodeForm {
    kFormHex = 0,
    kFormAscii = 1,
    kFormJis7 = 2,
    kFormJis7Kana = 3,  // JIS7 in the shifted-out state
    kFormJis8 = 4,
    kFormEbcdic = 5,
};
constexpr int kCodeFormCount = 6;

using CodeTableForms = std::array<std::array<std::string, 256>, kCodeFormCount>;

// Indexed [form][byte value]; UTF-8 texts. Filled once at start-up by
// CodeTableRead and never changed afterwards.
extern CodeTableForms CodeTable;

// Builds CodeTable from the compiled-in strings; an empty field becomes two
// blanks.
void CodeTableRead();

}  // namespace store
