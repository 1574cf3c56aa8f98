#include "MsgBoxRules.h"

namespace store {

std::string MsgBoxTitle(const std::string& aTitle) {
    return platform::MsgBoxTitle(aTitle, kMsgDefaultTitle);
}

}  // namespace store
