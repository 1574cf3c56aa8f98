#include "CodePickerList.h"

#include "CodeTable.h"

namespace store {

CodePickerList CodePickerListFor(int16_t code, int16_t picked, const CodePickerRules& rules) {
    int16_t form = rules.formOf(code);
    if (form < 0 || form >= kCodeFormCount) form = kFormAscii;
    CodePickerList list;
    list.modeName = rules.nameOf(form);
    list.rows.reserve(kCodePickerRows);
    for (size_t v = 0; v < 256; ++v) {
        list.rows.push_back({CodeTable[kFormHex][v], CodeTable[static_cast<size_t>(form)][v]});
    }
    list.rows.push_back({"**", "**"});
    list.rows.push_back({"--", "--"});
    list.selectedRow = CodePickerRow(picked);
    return list;
}

int CodePickerRow(int16_t picked) {
    if (picked < 0 || picked >= kCodePickerRows) return kCodePickerRows - 1;
    return picked;
}

}  // namespace store
