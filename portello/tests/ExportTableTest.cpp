#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

TEST(ExportTable, EveryExportIsFoundByItsPlainName) {
    void* lib = ::dlopen(PORTELLO_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << ::dlerror();
    const char* names[] = {
        "AP_CreateMap",     "AP_CloseMap",      "AP_WriteMap",     "AP_ReadMap",
        "AP_ClearBuff",     "AP_SetActive",     "AP_IsActive",     "AP_Send",
        "AP_Recv",          "AP_CheckSum",      "AP_GetBaudRateN4", "AP_GetDataAttr",
        "AP_GetCountAll",   "AP_GetCountInf",   "AP_CreateDspData", "AP_FindChar",
        "AP_Timer_Start",   "AP_IsTimeUp",      "AP_WaitTimeUp",   "AP_CommInitialize",
        "AP_CommClose",     "AP_SetCommState",  "AP_CommRecv",     "AP_IsCommCTS",
        "AP_IsCommDSR",     "AP_SetBreak",      "AP_ClearBreak",   "AP_SetDTR",
        "AP_SetModel",      "AP_IsModel",       "AP_Ky2AddData",   "AP_Ky2AddDataClear",
        "AP_SocketCreate",  "AP_SocketClose",   "AP_SocketConnect", "AP_SocketRcvChk",
        "AP_IsConnect",     "AP_SocketLost",
    };
    for (const char* name : names) EXPECT_NE(::dlsym(lib, name), nullptr) << name;
    // Internals stay hidden.
    EXPECT_EQ(::dlsym(lib, "_ZN8portello3AppEv"), nullptr);
    ::dlclose(lib);
}

}  // namespace
