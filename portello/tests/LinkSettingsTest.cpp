#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PseudoTerminal.h"
#include "platform/file/tests/TempFolder.h"
#include "portello.h"

namespace {

// A private copy of the library has state of its own, as it is when a
// program has just loaded it, whatever this process did before.
TEST(LinkSettings, KindAndModelStartUnset) {
    TempFolder dir;
    const std::string copy = dir / "libportello-fresh.so";
    std::filesystem::copy_file(PORTELLO_LIBRARY_PATH, copy);
    void* lib = ::dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << ::dlerror();
    auto isActive = reinterpret_cast<int16_t (*)()>(::dlsym(lib, "AP_IsActive"));
    auto isModel = reinterpret_cast<int16_t (*)()>(::dlsym(lib, "AP_IsModel"));
    auto setActive = reinterpret_cast<int16_t (*)(int16_t)>(::dlsym(lib, "AP_SetActive"));
    ASSERT_TRUE(isActive && isModel && setActive);
    AP_SetActive(1);
    EXPECT_EQ(isActive(), 0);
    EXPECT_EQ(isModel(), 0);
    setActive(2);
    EXPECT_EQ(isActive(), 2);
    EXPECT_EQ(AP_IsActive(), 1) << "the copies do not share state";
    ::dlclose(lib);
}

TEST(LinkSettings, SettersEchoTheArgumentAndKeepOnlyOneOrTwo) {
    EXPECT_EQ(AP_SetModel(1), 1);
    EXPECT_EQ(AP_IsModel(), 1);
    EXPECT_EQ(AP_SetModel(7), 7);
    EXPECT_EQ(AP_IsModel(), 1);
    EXPECT_EQ(AP_SetModel(2), 2);
    EXPECT_EQ(AP_SetModel(-1), -1);
    EXPECT_EQ(AP_IsModel(), 2);

    EXPECT_EQ(AP_SetActive(2), 2);
    EXPECT_EQ(AP_IsActive(), 2);
    EXPECT_EQ(AP_SetActive(3), 3);
    EXPECT_EQ(AP_IsActive(), 2);
    EXPECT_EQ(AP_SetActive(1), 1);
    EXPECT_EQ(AP_SetActive(0), 0);
    EXPECT_EQ(AP_IsActive(), 1);
}

TEST(LinkSettings, EveryKindButOneRoutesToTheUnconnectedLanLink) {
    PseudoTerminal far;
    ASSERT_TRUE(far.ok());
    AP_CommClose();
    ASSERT_EQ(AP_CommInitialize(far.slavePath().c_str(), 115200), 1);
    uint8_t text[] = {'v', '\r', '\n'};

    AP_SetActive(2);
    EXPECT_EQ(AP_Send(text, 3), 0);
    EXPECT_EQ(AP_SetDTR(1), 0);
    EXPECT_EQ(AP_IsCommCTS(), 0);
    EXPECT_EQ(AP_IsCommDSR(), 0);
    // Break is serial-only and reaches the port whatever the kind.
    EXPECT_NE(AP_SetBreak(), 0);
    EXPECT_TRUE(far.read(1, 100).empty());

    AP_SetActive(1);
    EXPECT_EQ(AP_IsCommDSR(), 1);
    EXPECT_EQ(AP_Send(text, 3), 1);
    const auto got = far.read(3);
    EXPECT_EQ(std::string(got.begin(), got.end()), "v\r\n");
    EXPECT_EQ(AP_CommClose(), 1);
}

}  // namespace
