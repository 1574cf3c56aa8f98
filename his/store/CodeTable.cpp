#include "CodeTable.h"

#include "CodeTableStrings.h"
#include "SharedFunctions.h"

namespace store {

CodeTableForms CodeTable;

void CodeTableRead() {
    for (int value = 0; value < kCodeTableStringCount; ++value) {
        std::string source = CodeTableString(value);
        for (int form = 0; form < kCodeFormCount; ++form) {
            std::string field = CutCommaField(source);
            CodeTable[static_cast<size_t>(form)][static_cast<size_t>(value)] =
                field.empty() ? "  " : field;
        }
    }
}

}  // namespace store
