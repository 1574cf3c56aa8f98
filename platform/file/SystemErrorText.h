// The text a message gives for a failed system call: Japanese for the
// causes a user meets and can act on, the system's own description for the
// rest.
#pragma once

#include <string>

namespace platform {

// errno as a short text for the end of a message ("ファイルの保存に失敗し
// ました（...）"); never empty.
std::string SystemErrorText(int err);

}  // namespace platform
