#include <gtest/gtest.h>

#include "FakePortello.h"
#include "RealPortello.h"
#include "Records.h"
#include "StartTrigger.h"

namespace mon {
namespace {

class StartTriggerTest : public ::testing::Test {
protected:
    // Feeds one record as the monitoring step does: counts it, collects its
    // search bytes, then applies the trigger.
    bool Feed(const std::string& record) {
        rec_.RecordBytes = record;
        RecountUnits(rec_, api_);
        for (size_t i = 2; i + 1 < record.size() && (static_cast<uint8_t>(record[i]) & 0x80); i += 2) {
            (record[i] & 0x02 ? trigger_.RdSearchBytes : trigger_.SdSearchBytes).push_back(record[i + 1]);
        }
        return trigger_.TriggerCheck(rec_, setting_);
    }
    std::string Kept() const {  // the data bytes left in the record
        std::string out;
        for (size_t i = 2; i + 1 < rec_.RecordBytes.size() && (static_cast<uint8_t>(rec_.RecordBytes[i]) & 0x80); i += 2) {
            out.push_back(rec_.RecordBytes[i + 1]);
        }
        return out;
    }

    PortelloApi& api_ = test::RealPortello();
    StartTrigger trigger_{api_};
    TriggerSetting setting_{.Active = -1, .Line = 1, .SdCount = 1, .RdCount = 1, .Length = 1000};
    RecordUnitsState rec_;
};

TEST_F(StartTriggerTest, AWildcardPatternFiresOnTheSetOccurrenceAndMatchesMayOverlap) {
    setting_.SdData = "41**41";
    setting_.SdCount = 2;
    trigger_.Reset(setting_);
    EXPECT_EQ(trigger_.Patterns[0].PatternLength, 3u);
    EXPECT_EQ(trigger_.Patterns[0].PatternValues[1], 256);
    // A x A x A y: the match at 0 and the overlapping one at 2.
    Feed(test::DataRecord(1, {0x80, 'A', 0x80, 'x', 0x80, 'A', 0x80, 'x', 0x80, 'A', 0x80, 'y', 0x80, 'z'}));
    EXPECT_EQ(trigger_.StartTrigFound, 1);
    EXPECT_EQ(Kept(), "yz") << "recording starts after the unit that completed the pattern";
    EXPECT_EQ(rec_.RecordUnits, 2);
    EXPECT_EQ(trigger_.UnitsSinceTrigger, 2);
}

TEST_F(StartTriggerTest, APatternSplitOverTwoRecordsIsFoundInTheSecond) {
    setting_.SdData = "414243";
    trigger_.Reset(setting_);
    Feed(test::DataRecord(1, {0x80, 'q', 0x80, 'A', 0x80, 'B'}));
    EXPECT_EQ(trigger_.StartTrigFound, -1);
    Feed(test::DataRecord(2, {0x80, 'C', 0x45, 0x2C, 0x80, 'D'}));
    EXPECT_EQ(trigger_.StartTrigFound, 1);
    EXPECT_EQ(Kept(), "D") << "the trigger unit and its time word are not recorded";

    trigger_.Reset(setting_);
    Feed(test::DataRecord(1, {0x80, 'A', 0x80, 'B', 0x80, 'C'}));
    EXPECT_EQ(trigger_.StartTrigFound, 1);
    EXPECT_EQ(rec_.RecordUnits, 0) << "a trigger on the last unit takes nothing of its record";
}

TEST_F(StartTriggerTest, InDualTheDirectionWhoseTriggerComesFirstWins) {
    setting_.Line = 0;
    setting_.SdData = "41";
    setting_.RdData = "42";
    trigger_.Reset(setting_);
    Feed(test::DataRecord(1, {0x80, 'x', 0x82, 'B', 0x80, 'A', 0x80, 'y'}));
    EXPECT_EQ(trigger_.StartTrigFound, 2);
    EXPECT_EQ(Kept(), "Ay");
}

TEST_F(StartTriggerTest, TheMonitorLengthCutsTheRecordAndAsksToStop) {
    setting_.SdData = "41";
    setting_.Length = 10;
    trigger_.Reset(setting_);
    EXPECT_FALSE(Feed(test::DataRecord(1, {0x80, 'A', 0x80, '1', 0x80, '2', 0x80, '3', 0x80, '4'})));
    EXPECT_EQ(trigger_.UnitsSinceTrigger, 4);
    EXPECT_TRUE(Feed(test::SdRecord(2, 8)));
    EXPECT_EQ(Kept(), "abcdef");
    EXPECT_EQ(rec_.RecordBytes.substr(rec_.RecordBytes.size() - 3), std::string("\x00\r\n", 3));
    EXPECT_EQ(trigger_.StartTrigDone, -1);

    trigger_.Reset(setting_);
    setting_.Length = 5;
    Feed(test::DataRecord(1, {0x80, 'A', 0x80, '1'}));
    EXPECT_TRUE(Feed(test::SdRecord(2, 4)));
    EXPECT_EQ(Kept(), "abcd") << "a limit on the last unit keeps them all";
}

}  // namespace
}  // namespace mon
