#include "clsMsgBox.h"

namespace store {

int16_t clsMsgBox::Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                        const std::string& aTitle) {
    try {
        core_.Show(aMsg, aType, aFrm, aIcon, aTitle, true);
    } catch (...) {
        // Out of memory at worst. The caller gets the answer that stood
        // before, as if the window had been closed without one.
    }
    core_.ClearForm();
    return core_.Rezult();
}

}  // namespace store
