// The counted position table against a plain one built entry by entry.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "LineTable.h"

namespace viewer {
namespace {

struct PlainTable {
    std::vector<LineEntry> entries;
    std::vector<int32_t> positionOf;

    explicit PlainTable(const store::clsCommon& doc) {
        const int32_t count = doc.RecordCount();
        positionOf.assign(static_cast<size_t>(count), -1);
        for (int32_t r = 0; r < count; ++r) {
            const auto rec = doc.RecordAt(r);
            const auto position = static_cast<int32_t>(entries.size());
            LineEntry& e = entries.emplace_back();
            positionOf[static_cast<size_t>(r)] = position;
            if (rec->Flag(store::kAttrRd)) {
                e.Rd = r;
                continue;
            }
            e.Sd = r;
            if (rec->Flag(store::kAttrSame) && r + 1 < count) {
                e.Rd = ++r;
                positionOf[static_cast<size_t>(r)] = position;
            }
        }
    }
};

TEST(LineTableCompact, AnswersAsAPlainTableOnRandomHistories) {
    std::mt19937 rng(11);
    for (int units : {0, 1, 2, 64, 65, 300, 2000, 7000}) {
        // -1: one pair in 128 records, its SD record the last of a run of
        // 64, so that its partner opens a run without pairs of its own.
        for (int samePercent : {0, 30, 100, -1}) {
            store::clsCommon doc;
            for (int i = 0; i < units; ++i) {
                uint8_t attr = static_cast<uint8_t>(0x80 | (rng() % 2 ? store::kAttrRd : 0));
                if (samePercent < 0) {
                    if (i % 128 == 63) attr = static_cast<uint8_t>(0x80 | store::kAttrSame);
                } else if (static_cast<int>(rng() % 100) < samePercent) {
                    attr |= store::kAttrSame;
                }
                doc.RecordAdd(45000.0, attr, static_cast<uint8_t>(i));
            }
            const PlainTable plain(doc);
            LineTable t;
            t.Build(doc);
            ASSERT_EQ(t.Count(), static_cast<int32_t>(plain.entries.size())) << units;
            for (int32_t p = -2; p < t.Count() + 2; ++p) {
                const bool in = p >= 0 && p < t.Count();
                const LineEntry want = in ? plain.entries[static_cast<size_t>(p)] : LineEntry{};
                const LineEntry got = t.At(p);
                ASSERT_EQ(got.Sd, want.Sd) << units << " position " << p;
                ASSERT_EQ(got.Rd, want.Rd) << units << " position " << p;
                for (int16_t kind : {int16_t{0}, int16_t{kKindSd}, int16_t{kKindRd}, int16_t{5}}) {
                    const int32_t expected = !in                ? -1
                                             : kind == kKindSd ? want.Sd
                                             : kind == kKindRd ? want.Rd
                                             : want.Sd != -1   ? want.Sd
                                                               : want.Rd;
                    ASSERT_EQ(t.LineToRecord(p, kind), expected) << p << " kind " << kind;
                }
            }
            for (int32_t r = -2; r < units + 2; ++r) {
                const bool in = r >= 0 && r < units;
                ASSERT_EQ(t.RecordToLine(r), in ? plain.positionOf[static_cast<size_t>(r)] : 0) << r;
            }
        }
    }
}

}  // namespace
}  // namespace viewer
