#include "LanLink.h"

namespace portello {

int32_t LanLink::LinkSend(const uint8_t* /*data*/, int32_t /*len*/) {
    return connected_ ? 1 : 0;
}

int32_t LanLink::LinkSetDtr(int32_t /*on*/) { return connected_ ? 1 : 0; }

}  // namespace portello
