#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        hangUp();
        return;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        hangUp();
        return;
    }
    slavePath_ = name;
    termios tio {};
    if (tcgetattr(master_, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(master_, TCSANOW, &tio);
    }
}

PseudoTerminal::~PseudoTerminal() { hangUp(); }

void PseudoTerminal::write(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

void PseudoTerminal::write(const std::string& text) {
    write(std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> PseudoTerminal::read(size_t want, int timeoutMs) {
    std::vector<uint8_t> got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.size() < want) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p {master_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        uint8_t buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

void PseudoTerminal::hangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}
