#include "PropTexts.h"

#include <gtest/gtest.h>

#include "CodeTable.h"
#include "clsCommon.h"

namespace store::test {
namespace {

class Properties : public ::testing::Test {
protected:
    void SetUp() override { CodeTableRead(); }
    clsCommon doc;
};

TEST_F(Properties, InformationTabNamesEveryStoredNumber) {
    doc.DspMode(4);
    doc.BaudRate(9600);
    doc.DataLength(1);
    doc.Parity(2);
    doc.MemoryMode(1);
    doc.Direction(2);
    doc.Interface(1);
    doc.Led(1);
    doc.CharTime(1);
    doc.MonitorStart(45000.0);
    const PropView v = PropTexts(ConditionsOf(doc));
    EXPECT_EQ(v.DspCode, "JIS8");
    EXPECT_EQ(v.Baud, "9600");
    EXPECT_EQ(v.DataLength, "8");
    EXPECT_EQ(v.Parity, "EVEN");
    EXPECT_EQ(v.MemoryMode, "RING(STOP)");
    EXPECT_EQ(v.Direction, "RD");
    EXPECT_EQ(v.Interface, "RS-422");
    EXPECT_EQ(v.Led, "CI");
    EXPECT_EQ(v.CharTime, "有効");
    EXPECT_EQ(v.ErrStop, "無効");
    EXPECT_EQ(v.Stop, "-") << "monitoring did not stop";
    EXPECT_EQ(v.Start.size(), 19u);
    EXPECT_FALSE(v.RangeEnabled);
    EXPECT_EQ(v.CodeCaption, "ＪＩＳ８：");
}

TEST_F(Properties, StopTriggerShowsMarksAndCharactersByKind) {
    doc.SdCharAt(0, "15200");
    doc.SdChar(0, "414243");
    const PropView v = PropTexts(ConditionsOf(doc));
    EXPECT_EQ(v.Trig1SdNot, " × ○ × － －");
    EXPECT_EQ(v.Trig1SdChar, " 41 42 **");
    EXPECT_EQ(v.Trig1SdCharCode, " 41 42 **") << "monitoring code HEX";
    EXPECT_EQ(v.Trig1RdNot, " － － － － －");
    EXPECT_EQ(v.Trig1RdChar, "");
    EXPECT_EQ(v.Trig1Stop, "無効");
    EXPECT_FALSE(v.Trig1Enabled);
}

TEST_F(Properties, ATriggerPointInTheDataShowsDetectedButKeepsTheDetailsGrey) {
    doc.RecordAdd(45000.0, 0x80 | 0x08, 'a');
    const PropView v = PropTexts(ConditionsOf(doc));
    EXPECT_EQ(v.Trig1Stop, "検出");
    EXPECT_FALSE(v.Trig1Enabled);
}

TEST_F(Properties, StartTriggerShowsTwelvePairsWithAnyCharacters) {
    doc.DspMode(1);
    doc.TrigStart(1);
    doc.SdChar(1, "0D**0A");
    doc.RdChar(1, "4142");
    const PropView v = PropTexts(ConditionsOf(doc));
    EXPECT_EQ(v.Trig2Stop, "検出");
    EXPECT_TRUE(v.Trig2Enabled);
    EXPECT_EQ(v.Trig2SdChar, " 0D ** 0A");
    EXPECT_EQ(v.Trig2RdCharCode, " " + CodeTable[1][0x41] + " " + CodeTable[1][0x42]);
}

TEST_F(Properties, APairThatIsNotHexIsShownAsItStands) {
    EXPECT_EQ(TrigCharText("11", "4GZZ", 1), " 4G ZZ");
    EXPECT_EQ(TrigChar12Text("41G", 0), " 41 G");
    EXPECT_EQ(TrigCharText("1", "", 0), " ") << "a missing pair shows nothing after its blank";
}

TEST_F(Properties, ValuesOutsideTheirTablesShowAsTheyStand) {
    RecordingConditions c;
    c.DspMode = 9;
    c.Direction = 3;
    c.DataLength = -1;
    c.Parity = 7;
    c.Interface = 2;
    c.Led = 300;
    c.MemoryMode = 3;
    c.Trigger[0].Line = 5;
    c.Trigger[0].SdCharAt = "11";
    c.Trigger[0].SdChar = "41ZZ";
    c.Trigger[1].RdChar = "41**";
    const PropView v = PropTexts(c);
    EXPECT_EQ(v.DspCode, "9");
    EXPECT_EQ(v.CodeCaption, "9");
    EXPECT_EQ(v.Direction, "3");
    EXPECT_EQ(v.DataLength, "-1");
    EXPECT_EQ(v.Parity, "7");
    EXPECT_EQ(v.Interface, "2");
    EXPECT_EQ(v.Led, "300");
    EXPECT_EQ(v.MemoryMode, "3");
    EXPECT_EQ(v.Trig1Line, "5");
    EXPECT_EQ(v.Trig1SdChar, " 41 ZZ");
    EXPECT_EQ(v.Trig1SdCharCode, " 41 ZZ") << "a code form outside the table shows the pairs";
    EXPECT_EQ(v.Trig2RdCharCode, " 41 **");
}

}  // namespace
}  // namespace store::test
