#include "clsMsgBox.h"

namespace mon {

int16_t clsMsgBox::Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                        const std::string& aTitle, int16_t aModal) {
    try {
        return core_.Show(aMsg, aType, aFrm, aIcon, aTitle, aModal == kMsgModal);
    } catch (...) {
        // Out of memory at worst: the caller gets the answer that stood
        // before, as if the box had been closed without one.
        return core_.Rezult();
    }
}

}  // namespace mon
