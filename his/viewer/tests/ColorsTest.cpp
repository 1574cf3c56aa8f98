#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Colors.h"
#include "platform/file/tests/ProtectedTargets.h"

namespace viewer {
namespace {

namespace fs = std::filesystem;

class ColorIni : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("viewer-colors-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        path_ = ColorIniPath(dir_.string());
    }
    void TearDown() override { fs::remove_all(dir_); }
    void WriteRaw(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

    fs::path dir_;
    std::string path_;
};

TEST_F(ColorIni, AMissingFileIsCreatedFromTheDefaults) {
    ColorRecord rec = DefaultColors();
    ColorIniRead(path_, rec);
    EXPECT_EQ(rec, DefaultColors());
    ASSERT_EQ(fs::file_size(path_), 32u);
    std::ifstream in(path_, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes.substr(4, 4), std::string("\xFF\x80\x00\x00", 4)) << "mark back, little-endian";
    EXPECT_EQ(bytes.substr(16, 4), std::string("\x08\x00\x00\x80", 4)) << "system window text";
}

TEST_F(ColorIni, AShortFileLeavesTheRecordAsItWas) {
    WriteRaw(std::string(31, '\x11'));
    ColorRecord rec = DefaultColors();
    ColorIniRead(path_, rec);
    EXPECT_EQ(rec, DefaultColors());
    EXPECT_EQ(fs::file_size(path_), 31u) << "reading never rewrites a file that exists";
}

TEST_F(ColorIni, UnpaintedFieldsSurviveAWriteAndARead) {
    ColorRecord rec = DefaultColors();
    rec.MarkFore = 0x00123456;
    rec.TrigFore = 0x00654321;
    rec.EvenFore = 0x000000FF;
    rec.OddBack = 0x00C0C0C0;
    ASSERT_TRUE(ColorIniWrite(path_, rec));
    ColorRecord back = DefaultColors();
    ColorIniRead(path_, back);
    EXPECT_EQ(back, rec);
    EXPECT_EQ(GridColorSet(back), (GridColors{kSystemWindowText, 0x00C0C0C0, 0x00FFFF80}));
}

TEST(ColorIniProtection, TheColourFileKeepsReadOnlyFilesLinksAndModes) {
    ColorRecord rec = DefaultColors();
    rec.MarkBack = 0x123456;
    protected_targets::ExpectSaveRespectsTarget("Rewindo.ini",
                                                [&](const std::string& p) { return ColorIniWrite(p, rec); });
}

}  // namespace
}  // namespace viewer
