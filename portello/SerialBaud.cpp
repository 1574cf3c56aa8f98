// This file talks to the kernel's termios2 interface directly; its header
// cannot share a translation unit with <termios.h>.
#include "SerialBaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace portello {

namespace {

struct SpeedCode {
    uint32_t baud;
    speed_t code;
};

constexpr SpeedCode kStandardSpeeds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},
    {150, B150},       {200, B200},       {300, B300},       {600, B600},
    {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000},
};

}  // namespace

bool SetLineSpeed(int fd, uint32_t baud) {
    if (baud == 0) return false;
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    speed_t code = BOTHER;
    for (const SpeedCode& s : kStandardSpeeds) {
        if (s.baud == baud) code = s.code;
    }
    tio.c_cflag |= code | (code << IBSHIFT);
    tio.c_ispeed = baud;
    tio.c_ospeed = baud;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

}  // namespace portello
