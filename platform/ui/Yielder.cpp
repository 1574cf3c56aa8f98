#include "Yielder.h"

#include <QCoreApplication>

#include <utility>

namespace platform {

Yielder::Yielder(std::chrono::milliseconds interval, Clock clock)
    : interval_(interval), clock_(std::move(clock)) {
    if (!clock_) clock_ = [] { return std::chrono::steady_clock::now(); };
}

bool Yielder::Due(std::chrono::steady_clock::time_point now) const {
    return !yielded_ || now - last_ >= interval_;
}

bool Yielder::Yield(bool force) {
    if (QCoreApplication::instance() == nullptr) return false;
    const auto now = clock_();
    if (!force && !Due(now)) return false;
    QCoreApplication::processEvents();
    // Measured after processing: a slow repaint must not make every
    // following step yield again.
    last_ = clock_();
    yielded_ = true;
    return true;
}

}  // namespace platform
