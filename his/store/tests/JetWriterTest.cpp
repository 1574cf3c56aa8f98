#include "jet/JetWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "jet/Ky1JetFile.h"
#include "platform/file/tests/TempFolder.h"

namespace store::test {
namespace {

// Runs one of libmdb's command-line tools and returns what it printed.
std::string RunTool(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string out;
    if (!pipe) return out;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe.get())) > 0;) out.append(buf, n);
    return out;
}

Ky1Content Sample() {
    Ky1Content c;
    c.inf = {36000.25, 36001.5, "9600", 8, 2, true, 1, 3, 1, false, 1, 2, "KY-N4", true, false};
    c.trg[0] = {true, 1, 3, 4, 500, "11000", "4142", "00000", "43", "x"};
    c.trg[1] = {false, 2, 0, 7, 16777215, "", "0D0A", "", "", ""};
    c.mstCount = 3;
    c.mst = [](int32_t i) {
        Ky1Mst r;
        r.Total = i + 1;
        r.Dtime = 36000.5;
        r.Data = static_cast<int16_t>(0x41 + i);
        r.SdRd = static_cast<int16_t>(i - 1);
        r.ErrBit = static_cast<uint8_t>(250 + i);
        r.ChrTime = 16384.5F;
        r.DualCnt = -70000;
        return r;
    };
    return c;
}

class JetFileFromTools : public ::testing::Test {
protected:
    void Write(JetVersion v, const Ky1Content& c = Sample()) {
        ASSERT_TRUE(WriteKy1File(file, v, c));
    }
    std::string Tool(const std::string& tool, const std::string& options = "",
                     const std::string& table = "") {
        return RunTool("MDB_JET3_CHARSET=CP932 " + tool + " " + options + " '" + file + "' " +
                       table + " 2>&1");
    }

    TempFolder dir{"jet-writer"};
    std::string file = dir / "cap.ky1";
};

TEST_F(JetFileFromTools, ListsTheThreeTablesAndNoSystemTable) {
    Write(JetVersion::Jet4);
    EXPECT_EQ(Tool("mdb-tables", "-1"), "InfTable\nTrgTable\nMstTable\n");
    EXPECT_EQ(Tool("mdb-ver"), "JET4\n");
}

TEST_F(JetFileFromTools, SchemaShowsEveryColumnWithItsType) {
    Write(JetVersion::Jet4);
    const std::string schema = Tool("mdb-schema");
    for (const char* line : {"[Start]\t\t\tDateTime", "[Band]\t\t\tText (10)",
                             "[ErrStop]\t\t\tBoolean NOT NULL", "[After]\t\t\tLong Integer",
                             "[Data]\t\t\tInteger", "[ErrBit]\t\t\tByte", "[ChrTime]\t\t\tSingle",
                             "[TypeName]\t\t\tText (20)"}) {
        EXPECT_NE(schema.find(line), std::string::npos) << line;
    }
}

TEST_F(JetFileFromTools, ExportsTheValuesAsWritten) {
    Write(JetVersion::Jet4);
    // mdb-export prints empty texts bare, the same as nulls.
    EXPECT_EQ(Tool("mdb-export", "", "TrgTable"),
              "Stop,Line,SdCnt,RdCnt,After,SdNot,SdChar,RdNot,RdChar,Mode\n"
              "1,1,3,4,500,\"11000\",\"4142\",\"00000\",\"43\",\"x\"\n"
              "0,2,0,7,16777215,,\"0D0A\",,,\n");
    EXPECT_EQ(Tool("mdb-export", "-T '%F %T'", "MstTable"),
              "Total,SdCnt,RdCnt,Dtime,Data,SdRd,Same,ErrBit,Trig1,Trig2,ChrTime,SiSo,DualCnt\n"
              "1,0,0,\"1998-07-24 12:00:00\",65,-1,0,250,0,0,16384.5,0,-70000\n"
              "2,0,0,\"1998-07-24 12:00:00\",66,0,0,251,0,0,16384.5,0,-70000\n"
              "3,0,0,\"1998-07-24 12:00:00\",67,1,0,252,0,0,16384.5,0,-70000\n");
}

TEST_F(JetFileFromTools, Jet3TextIsReadBackFromCodePage932) {
    Ky1Content c = Sample();
    c.inf.TypeName = "ｱｲｳ漢字";
    Write(JetVersion::Jet3, c);
    EXPECT_EQ(Tool("mdb-ver"), "JET3\n");
    const std::string inf = Tool("mdb-export", "-T '%F %T'", "InfTable");
    EXPECT_NE(inf.find("\"1998-07-24 06:00:00\",\"1998-07-25 12:00:00\",\"9600\",8,2,1,1,3,1,0,1,2,"
                       "\"ｱｲｳ漢字\",1,0\n"),
              std::string::npos)
        << inf;
}

TEST_F(JetFileFromTools, ManyRowsSpreadOverPagesAndAllComeBack) {
    Ky1Content c = Sample();
    c.mstCount = 20000;
    c.mst = [](int32_t i) {
        Ky1Mst r;
        r.Total = i;
        return r;
    };
    for (JetVersion v : {JetVersion::Jet4, JetVersion::Jet3}) {
        Write(v, c);
        const std::string rows = Tool("mdb-export", "-H", "MstTable");
        EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 20000);
        EXPECT_EQ(rows.substr(rows.rfind('\n', rows.size() - 2) + 1, 6), "19999,");
    }
}

TEST_F(JetFileFromTools, NullCellsExportEmpty) {
    JetTable t{"T", {{"N", JetType::Long}, {"S", JetType::Text}, {"Y", JetType::Bool}}, 1, {}};
    t.row = [](int32_t) { return JetRow{{}, {}, true}; };
    ASSERT_TRUE(WriteJetFile(file, JetVersion::Jet4, {t}));
    EXPECT_EQ(Tool("mdb-export", "", "T"), "N,S,Y\n,,1\n");
}

TEST(JetWriter, AJet3RowLongerThanItsOneByteOffsetsIsRefused) {
    TempFolder dir("jet-writer");
    JetTable t{"T", {{"S", JetType::Text, 255}, {"U", JetType::Text, 255}}, 1, {}};
    t.row = [](int32_t) { return JetRow{std::string(200, 'a'), std::string(100, 'b')}; };
    EXPECT_FALSE(WriteJetFile(dir / "long.mdb", JetVersion::Jet3, {t}));
    EXPECT_TRUE(WriteJetFile(dir / "long.mdb", JetVersion::Jet4, {t}));
}

}  // namespace
}  // namespace store::test
