#include "MonitorEdit.h"

#include <gtest/gtest.h>

#include "RealPortello.h"
#include "platform/time/VbDate.h"

namespace mon {
namespace {

const BaudTable& Table() {
    static const BaudTable table = BaudTable::Read(test::RealPortello());
    return table;
}

MonitorSettings Stored() {
    MonitorSettings s;
    s.RangeStart = "2002/01/02 00:00:00";
    s.RangeStop = "2002/01/03 12:00:00";
    return s;
}

double Now() { return *platform::ParseDateTime("2030/05/06 07:08:09"); }

TEST(MonitorEdit, TheControlsShowTheRecord) {
    MonitorSettings s = Stored();
    s.Code = 3;
    s.BaudRate = 134.5f;
    s.Interface = 5;
    s.MemoryMode = 7;
    s.CharTime = 1;
    const MonitorForm f = MonitorFormLoad(s, Now());
    EXPECT_EQ(f.codeIndex, 2) << "the kana form shows as JIS7";
    EXPECT_EQ(f.baudText, "134.5");
    EXPECT_EQ(f.interfaceIndex, 1) << "non-zero is the second choice";
    EXPECT_EQ(f.memoryMode, -1) << "an unknown mode chooses nothing";
    EXPECT_TRUE(f.charTime);
    EXPECT_EQ(f.startDate, "2002/01/02");
    EXPECT_EQ(f.stopTime, "12:00:00");

    s.RangeStop = "soon";
    EXPECT_EQ(MonitorFormLoad(s, Now()).stopDate, "2030/05/06");
    EXPECT_EQ(CodeOfIndex(CodeIndexOf(3)), 2);
    EXPECT_EQ(CodeOfIndex(3), 4);
    EXPECT_EQ(CodeIndexOf(9), -1);
}

TEST(MonitorEdit, SetStoresTheWholeRecordOrNothing) {
    const MonitorSettings draft = Stored();
    MonitorForm f = MonitorFormLoad(draft, Now());
    f.codeIndex = 0;
    f.direction = 2;
    f.baudText = "9601";
    MonitorSetOutcome out = MonitorSetApply(draft, f, 1, Table());
    ASSERT_FALSE(out.refused);
    EXPECT_EQ(out.settings.BaudRate, 9700);
    EXPECT_EQ(out.settings.Code, 0);
    EXPECT_EQ(out.settings.Direction, 2);

    f.baudText = "96OO";
    out = MonitorSetApply(draft, f, 1, Table());
    EXPECT_EQ(out.refused, (MonitorRefusal{kMeasurePage, MonitorField::BaudRate}));
    EXPECT_EQ(out.settings, draft) << "the options read before the baud are not kept";
    f.baudText = "687501";
    EXPECT_TRUE(MonitorSetApply(draft, f, 2, Table()).refused);
    f.baudText = "1234.5";
    EXPECT_EQ(MonitorSetApply(draft, f, 2, Table()).settings.BaudRate, 1234.5f);
    EXPECT_EQ(MonitorSetApply(draft, f, 1, Table()).settings.BaudRate, 1300);

    // Lists with nothing chosen keep the field; options store their default.
    f.codeIndex = f.parityIndex = f.dataLengthIndex = -1;
    f.memoryMode = -1;
    MonitorSettings odd = draft;
    odd.Parity = 2;
    odd.MemoryMode = 2;
    out = MonitorSetApply(odd, f, 1, Table());
    EXPECT_EQ(out.settings.Parity, 2);
    EXPECT_EQ(out.settings.Code, draft.Code);
    EXPECT_EQ(out.settings.MemoryMode, 0);
}

TEST(MonitorEdit, TheRangeIsCheckedForDatesBeforeItsStopIsCompared) {
    const MonitorSettings draft = Stored();
    MonitorForm f = MonitorFormLoad(draft, Now());
    f.rangeDate = true;
    f.startDate = "2002/01/02";
    f.startTime = "00:00:00";
    f.stopDate = "2002/01/01";
    f.stopTime = "23:59:59";
    EXPECT_EQ(MonitorSetApply(draft, f, 1, Table()).refused,
              (MonitorRefusal{kRangePage, MonitorField::StopDate}));
    f.stopDate = "2002/01/02";
    f.startTime = "10:00:01";
    f.stopTime = "10:00:00";
    EXPECT_EQ(MonitorSetApply(draft, f, 1, Table()).refused,
              (MonitorRefusal{kRangePage, MonitorField::StopTime}));
    f.stopTime = "10:00:01";
    MonitorSetOutcome out = MonitorSetApply(draft, f, 1, Table());
    ASSERT_FALSE(out.refused) << "equal start and stop pass";
    EXPECT_EQ(out.settings.RangeDate, -1);
    EXPECT_EQ(out.settings.RangeStart, "2002/01/02 10:00:01");
    EXPECT_EQ(out.settings.RangeStop, "2002/01/02 10:00:01");

    // A picker without a date is found before any comparison.
    f.stopDate = "2002/01/01";
    f.startTime = "25:00:00";
    EXPECT_EQ(MonitorSetApply(draft, f, 1, Table()).refused,
              (MonitorRefusal{kRangePage, MonitorField::StartTime}));
    f.startTime = "10:00:00";
    f.stopTime = "";
    EXPECT_EQ(MonitorSetApply(draft, f, 1, Table()).refused,
              (MonitorRefusal{kRangePage, MonitorField::StopTime}));

    // With the range off its texts stay as they were.
    f.rangeDate = false;
    out = MonitorSetApply(draft, f, 1, Table());
    ASSERT_FALSE(out.refused);
    EXPECT_EQ(out.settings.RangeStart, draft.RangeStart);
    EXPECT_EQ(out.settings.RangeDate, 0);
}

}  // namespace
}  // namespace mon
