// KY1 rows for the converter's tests, and what their conversion must give.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "Ky1Source.h"
#include "Ky2Format.h"
#include "clsCommon.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/time/VbDate.h"

namespace store::test {

inline const double kKy1Base = *platform::MakeDate({2003, 4, 5, 6, 7, 8});

// A row of a long history that exercises every flag column, every
// character-time range code and values at the ends of the counters'
// ranges; a new second starts every seven rows.
inline Ky1Mst LongRow(int32_t i) {
    Ky1Mst r;
    r.Total = i;
    r.SdCnt = i / 2;
    r.RdCnt = -i;
    r.Dtime = kKy1Base + (i / 7) / 86400.0;
    r.Data = static_cast<int16_t>(i % 256);
    r.SdRd = static_cast<int16_t>(i % 3 == 2 ? -1 : i % 2);
    r.Same = static_cast<int16_t>(i % 3 == 0 ? 1 : 0);
    r.ErrBit = static_cast<uint8_t>(i % 16);
    r.Trig1 = static_cast<uint8_t>(i % 11 == 0 ? 1 : 0);
    r.Trig2 = static_cast<uint8_t>(i % 7 == 0 ? 255 : 1);
    r.SiSo = static_cast<uint8_t>(i % 5 == 0 ? 1 : (i % 5 == 1 ? 2 : 0));
    r.ChrTime = i % 4 == 0 ? 0.0F : static_cast<float>(0x4000 + (i % 6) * 0x400 + i % 1024);
    r.DualCnt = i % 2 ? 2147483647 : -2147483647 - 1;
    return r;
}

// What the attribute byte must be, worked out here on its own terms.
inline uint8_t ExpectedAttr(const Ky1Mst& r) {
    int a = 0x80;
    if (r.Same == 1) a += 0x01;
    if (r.SdRd == 1) a += 0x02;
    if (r.SiSo == 1) a += 0x04;
    if (r.Trig1 == 1) a += 0x08;
    if (r.ErrBit & 1) a += 0x10;
    if (r.ErrBit & 2) a += 0x20;
    if (r.ErrBit & 4) a += 0x40;
    return static_cast<uint8_t>(a);
}

// Line number (from 1) of a file's text, without its CR.
inline std::string HeaderLine(const std::string& file, int number) {
    std::istringstream in(TempFolder::ReadAll(file));
    std::string line;
    for (int i = 0; i < number; ++i) std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// Checks the unit at index i of doc against long row number row.
inline void ExpectUnitOfRow(const clsCommon& doc, int32_t i, int32_t row) {
    const Ky1Mst r = LongRow(row);
    const HistoryRecord* got = doc.Record(i);
    ASSERT_NE(got, nullptr);
    ASSERT_EQ(got->Data, r.Data % 256) << row;
    ASSERT_EQ(got->Attr | 0x80, ExpectedAttr(r)) << row;
    ASSERT_EQ(FormatStamp(got->DateTime), FormatStamp(r.Dtime)) << row;
    if (r.ChrTime == 0.0F) {
        ASSERT_EQ(got->TimIndex, kCharTimeNone) << row;
    } else {
        const int word = static_cast<int>(r.ChrTime);
        ASSERT_EQ(got->TimIndex, (word >> 10) & 7) << row;
        ASSERT_EQ(got->TimValue, word & 0x3FF) << row;
    }
}

// Reads the parts back through the history store and checks every unit
// against the long row it came from, in order across the parts.
inline void ExpectPartsHoldLongRows(const std::vector<std::string>& parts, int32_t count) {
    int32_t row = 0;
    for (const std::string& part : parts) {
        clsCommon doc;
        ASSERT_TRUE(doc.Read(part) || doc.RecordCount() == 0) << part;
        for (int32_t i = 0; i < doc.RecordCount(); ++i, ++row) {
            ExpectUnitOfRow(doc, i, row);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
    EXPECT_EQ(row, count);
}

}  // namespace store::test
