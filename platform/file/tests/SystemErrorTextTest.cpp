// The causes a user meets read Japanese; anything else keeps the system's
// own words rather than a made-up text.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "SystemErrorText.h"
#include "TempFolder.h"

namespace platform {
namespace {

bool HasLatinLetters(const std::string& text) {
    for (const char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    }
    return false;
}

TEST(SystemErrorText, CommonCausesReadJapaneseOthersKeepTheSystemsText) {
    for (const int err : {ENOENT, EACCES, EPERM, ENOSPC, EDQUOT, EROFS, EMFILE, ENFILE, EISDIR, ENOTDIR,
                          ENAMETOOLONG, EIO}) {
        const std::string text = SystemErrorText(err);
        EXPECT_FALSE(text.empty()) << err;
        EXPECT_FALSE(HasLatinLetters(text)) << err << ": " << text;
        EXPECT_NE(text, std::strerror(err)) << err;
    }
    EXPECT_EQ(SystemErrorText(ENOENT), "指定されたファイルまたはフォルダーが見つかりません");
    EXPECT_EQ(SystemErrorText(EACCES), "アクセスが拒否されました");
    EXPECT_EQ(SystemErrorText(ENOSPC), "ディスクの空き領域が不足しています");
    EXPECT_EQ(SystemErrorText(EROFS), "読み取り専用のファイル システムには書き込めません");
    EXPECT_EQ(SystemErrorText(EPROTO), std::strerror(EPROTO));
    EXPECT_FALSE(SystemErrorText(99999).empty());
}

TEST(SystemErrorText, AFailedOpenInAMissingFolderNamesTheMissingFile) {
    TempFolder dir("error-text");
    errno = 0;
    std::FILE* f = std::fopen((dir / "no/such/file.ky2").c_str(), "wb");
    ASSERT_EQ(f, nullptr);
    EXPECT_EQ(SystemErrorText(errno), "指定されたファイルまたはフォルダーが見つかりません");
}

}  // namespace
}  // namespace platform
