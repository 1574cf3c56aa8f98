// The converter against real database files: KY1 files made by the test
// writer, read back through libmdb.
#include <gtest/gtest.h>

#include <sstream>

#include "Ky2Format.h"
#include "Ky1TestRows.h"
#include "Ky2TestFiles.h"
#include "MdbKy1Source.h"
#include "clsCommon.h"
#include "clsConver.h"
#include "jet/Ky1JetFile.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/time/VbDate.h"

namespace store {
namespace {

using test::JetVersion;
using test::Ky1Content;

using test::ExpectedAttr;
using test::HeaderLine;
using test::LongRow;
const double kBase = test::kKy1Base;

Ky1Content Content(int32_t count) {
    Ky1Content c;
    c.inf = {kBase, kBase + 1, "4800", 1, 2, true, 1, 3, 1, true, 1, 2, "KY-N4", false, true};
    c.trg[0] = {true, 1, 3, 4, 500, "11000", "4142", "00000", "43", "x"};
    c.trg[1] = {false, 2, 0, 7, 16777215, "", "0D0A", "", "", ""};
    c.mstCount = count;
    c.mst = LongRow;
    return c;
}

bool SameInf(const Ky1Inf& a, const Ky1Inf& b) {
    return a.Start == b.Start && a.Stop == b.Stop && a.Band == b.Band && a.Data == b.Data &&
           a.Parity == b.Parity && a.ErrStop == b.ErrStop && a.Monitor == b.Monitor &&
           a.MonitorCode == b.MonitorCode && a.Interface == b.Interface &&
           a.TimeDsp == b.TimeDsp && a.Led == b.Led && a.MemoryMode == b.MemoryMode &&
           a.TypeName == b.TypeName && a.TrigStop == b.TrigStop && a.TrigStart == b.TrigStart;
}

bool SameTrg(const Ky1Trg& a, const Ky1Trg& b) {
    return a.Stop == b.Stop && a.Line == b.Line && a.SdCnt == b.SdCnt && a.RdCnt == b.RdCnt &&
           a.After == b.After && a.SdNot == b.SdNot && a.SdChar == b.SdChar &&
           a.RdNot == b.RdNot && a.RdChar == b.RdChar && a.Mode == b.Mode;
}

bool SameMst(const Ky1Mst& a, const Ky1Mst& b) {
    return a.Total == b.Total && a.SdCnt == b.SdCnt && a.RdCnt == b.RdCnt &&
           a.Dtime == b.Dtime && a.Data == b.Data && a.SdRd == b.SdRd && a.Same == b.Same &&
           a.ErrBit == b.ErrBit && a.Trig1 == b.Trig1 && a.Trig2 == b.Trig2 &&
           a.ChrTime == b.ChrTime && a.SiSo == b.SiSo && a.DualCnt == b.DualCnt;
}

class Ky1File : public ::testing::TestWithParam<JetVersion> {
protected:
    void Write(const Ky1Content& c) { ASSERT_TRUE(test::WriteKy1File(ky1, GetParam(), c)); }

    TempFolder dir{"ky1-jet"};
    std::string ky1 = dir / "cap.ky1";
};

TEST_P(Ky1File, EveryColumnOfEveryRowReadsBackAsWritten) {
    Ky1Content c = Content(500);
    c.trg[1].Mode = "ｱ漢";
    Write(c);
    MdbKy1Source source;
    ASSERT_TRUE(source.Open(ky1));
    EXPECT_EQ(source.MstCount(), 500);
    const auto inf = source.InfRead();
    ASSERT_TRUE(inf);
    EXPECT_TRUE(SameInf(*inf, c.inf));
    const auto trg = source.TrgRead();
    ASSERT_TRUE(trg);
    EXPECT_TRUE(SameTrg((*trg)[0], c.trg[0]));
    EXPECT_TRUE(SameTrg((*trg)[1], c.trg[1]));
    ASSERT_TRUE(source.MstBegin());
    Ky1Mst row;
    for (int32_t i = 0; i < 500; ++i) {
        ASSERT_EQ(source.MstNext(row), Ky1Source::Step::Row) << i;
        ASSERT_TRUE(SameMst(row, LongRow(i))) << i;
    }
    EXPECT_EQ(source.MstNext(row), Ky1Source::Step::End);
}

TEST_P(Ky1File, ADataValueAbove255StillReadsAsA16BitNumber) {
    Ky1Content c = Content(1);
    c.mst = [](int32_t) {
        Ky1Mst r = LongRow(1);
        r.Data = 256;
        return r;
    };
    Write(c);
    MdbKy1Source source;
    ASSERT_TRUE(source.Open(ky1));
    ASSERT_TRUE(source.MstBegin());
    Ky1Mst row;
    // The column is 16-bit; only the converter refuses values above a byte.
    EXPECT_EQ(source.MstNext(row), Ky1Source::Step::Row);
    EXPECT_EQ(row.Data, 256);
}

INSTANTIATE_TEST_SUITE_P(Versions, Ky1File,
                         ::testing::Values(JetVersion::Jet4, JetVersion::Jet3),
                         [](const ::testing::TestParamInfo<JetVersion>& p) {
                             return p.param == JetVersion::Jet4 ? "Jet4" : "Jet3";
                         });

class Ky1FileConversion : public ::testing::Test {
protected:
    bool Convert(int32_t count, JetVersion v = JetVersion::Jet4) {
        count_ = count;
        if (!test::WriteKy1File(ky1, v, content_(count))) return false;
        MdbKy1Source source;
        clsConver conv(source, bar);
        const bool ok = conv.DBRead(ky1);
        parts = conv.Parts();
        return ok;
    }
    // Every unit of every part, in chain order, against its row.
    void ExpectUnitsMatchRows() { test::ExpectPartsHoldLongRows(parts, count_); }

    TempFolder dir{"ky1-jet-conv"};
    std::string ky1 = dir / "cap.ky1";
    std::function<Ky1Content(int32_t)> content_ = Content;
    int32_t count_ = 0;
    test::FakeProgress bar;
    std::vector<std::string> parts;
};

TEST_F(Ky1FileConversion, FewerThanSixtyThousandUnitsGiveOnePart) {
    ASSERT_TRUE(Convert(59999));
    ASSERT_EQ(parts, std::vector<std::string>{dir / "cap_01.ky2"});
    EXPECT_EQ(HeaderLine(parts[0], 2), "," + dir / "cap_02.ky2");
    EXPECT_EQ(bar.max, 2 * 59999);
    ExpectUnitsMatchRows();
}

TEST_F(Ky1FileConversion, ExactlySixtyThousandUnitsEndInAHeaderOnlyPart) {
    ASSERT_TRUE(Convert(60000));
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(HeaderLine(parts[1], 2), dir / "cap_01.ky2" + "," + dir / "cap_03.ky2");
    EXPECT_EQ(HeaderLine(parts[1], 8), "");
    clsCommon first;
    ASSERT_TRUE(first.Read(parts[0]));
    EXPECT_EQ(first.RecordCount(), 60000);
    EXPECT_EQ(first.FollowFile(), parts[1]);
    ExpectUnitsMatchRows();
}

TEST_F(Ky1FileConversion, SixtyThousandAndOneUnitsPutTheLastInTheSecondPart) {
    ASSERT_TRUE(Convert(60001));
    ASSERT_EQ(parts, (std::vector<std::string>{dir / "cap_01.ky2", dir / "cap_02.ky2"}));
    EXPECT_EQ(HeaderLine(parts[0], 2), "," + parts[1]);
    EXPECT_EQ(HeaderLine(parts[1], 2), parts[0] + "," + dir / "cap_03.ky2");
    clsCommon second;
    ASSERT_TRUE(second.Read(parts[1]));
    EXPECT_EQ(second.RecordCount(), 1);
    EXPECT_EQ(second.PrecedFile(), parts[0]);
    ExpectUnitsMatchRows();
}

TEST_F(Ky1FileConversion, TheHeaderCarriesTheSettingsOfTheFile) {
    ASSERT_TRUE(Convert(1));
    const std::string part = dir / "cap_01.ky2";
    EXPECT_EQ(HeaderLine(part, 3), "2003/04/05 06:07:08,2003/04/06 06:07:08");
    EXPECT_EQ(HeaderLine(part, 4), "3,4800,1,1,1,1,1,1,2,2,0,1,");
    EXPECT_EQ(HeaderLine(part, 6), "1,4142,11000,3,43,00000,4,500");
    EXPECT_EQ(HeaderLine(part, 7), "2,0D0A,,0,,,7,16777215");
}

TEST_F(Ky1FileConversion, Jet3JapaneseTextGoesIntoTheHeaderInCodePage932) {
    content_ = [](int32_t count) {
        Ky1Content c = Content(count);
        c.trg[0].SdChar = "ｱｲｳ漢字";
        return c;
    };
    ASSERT_TRUE(Convert(3, JetVersion::Jet3));
    EXPECT_EQ(HeaderLine(dir / "cap_01.ky2", 6),
              "1,\xB1\xB2\xB3\x8A\xBF\x8E\x9A,11000,3,43,00000,4,500");
    ExpectUnitsMatchRows();
}

TEST_F(Ky1FileConversion, AMissingTableFailsAndWritesNothing) {
    Ky1Content c = Content(2);
    std::vector<test::JetTable> tables = test::Ky1Tables(c);
    tables.erase(tables.begin() + 1);  // no TrgTable
    ASSERT_TRUE(test::WriteJetFile(ky1, JetVersion::Jet4, tables));
    MdbKy1Source source;
    clsConver conv(source, bar);
    EXPECT_FALSE(conv.DBRead(ky1));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"cap.ky1"});
}

}  // namespace
}  // namespace store
