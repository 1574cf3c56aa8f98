// Runs an event handler so that no exception reaches the event loop, where
// it would end the program. What escapes is reported on stderr and the
// handler's work is dropped; the window stays as the handler left it.
#ifndef PLATFORM_UI_NO_THROW_H
#define PLATFORM_UI_NO_THROW_H

#include <cstdio>
#include <exception>
#include <utility>

namespace platform {

inline void ReportEscaped(const char* where, const char* what) noexcept {
    std::fprintf(stderr, "%s: unexpected failure: %s\n", where, what);
}

template <typename F>
void NoThrow(const char* where, F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& e) {
        ReportEscaped(where, e.what());
    } catch (...) {
        ReportEscaped(where, "unknown exception");
    }
}

}  // namespace platform

#endif
