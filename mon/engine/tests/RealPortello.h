// The built device library, bound the way the program binds it.
#pragma once

#include <gtest/gtest.h>

#include "PortelloApi.h"

namespace mon::test {

inline PortelloApi& RealPortello() {
    static std::unique_ptr<PortelloApi> api =
        LoadPortello(PORTELLO_LIBRARY_PATH, [](const std::string& m) { ADD_FAILURE() << m; });
    return *api;
}

}  // namespace mon::test
