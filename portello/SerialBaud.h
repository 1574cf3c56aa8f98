// Line speed of an open terminal, standard or not.
#pragma once

#include <cstdint>

namespace portello {

// Sets input and output speed of fd to baud, after the rest of its line
// state has been written. Standard rates use the classic speed codes; any
// other rate is set as an exact speed. Returns false when the driver
// refuses it.
bool SetLineSpeed(int fd, uint32_t baud);

}  // namespace portello
