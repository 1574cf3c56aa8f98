#include "MdbKy1Source.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Ky2TestFiles.h"
#include "clsConver.h"
#include "platform/file/tests/TempFolder.h"

namespace store {
namespace {

TEST(MdbKy1Source, AMissingFileDoesNotOpen) {
    MdbKy1Source source;
    EXPECT_FALSE(source.Open("/no/such/old.ky1"));
}

TEST(MdbKy1Source, AFileThatIsNoDatabaseDoesNotOpen) {
    TempFolder dir("ky1-mdb");
    TempFolder::WriteAll(dir / "old.ky1", std::string(4096, 'x'));
    MdbKy1Source source;
    EXPECT_FALSE(source.Open(dir / "old.ky1"));
}

TEST(MdbKy1Source, ConvertingAFileThatIsNoDatabaseFailsWithoutWriting) {
    TempFolder dir("ky1-mdb");
    TempFolder::WriteAll(dir / "old.ky1", "not a database");
    MdbKy1Source source;
    test::FakeProgress bar;
    clsConver conv(source, bar);
    EXPECT_FALSE(conv.DBRead(dir / "old.ky1"));
    EXPECT_EQ(bar.shows, 0);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"old.ky1"});
}

TEST(MdbKy1Source, JapaneseJet3TextIsDecodedFromCodePage932UnlessTheUserChoseOtherwise) {
    ::unsetenv("MDB_JET3_CHARSET");
    MdbKy1Source::UseJapaneseCodePage();
    EXPECT_STREQ(std::getenv("MDB_JET3_CHARSET"), "CP932");
    ::setenv("MDB_JET3_CHARSET", "CP1252", 1);
    MdbKy1Source::UseJapaneseCodePage();
    EXPECT_STREQ(std::getenv("MDB_JET3_CHARSET"), "CP1252");
    ::setenv("MDB_JET3_CHARSET", "CP932", 1);  // the other tests read Japanese files
}

}  // namespace
}  // namespace store
