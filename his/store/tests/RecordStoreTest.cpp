// The compact record store against a plain one: random histories, every
// query compared with what a vector of whole records and the walks of the
// record-store rules answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "RankBits.h"
#include "clsCommon.h"

namespace store {
namespace {

// A record kept whole, and the queries answered by walking.
class PlainHistory {
public:
    void Add(double stamp, uint8_t attribute, uint8_t data) {
        HistoryRecord r;
        r.DateTime = stamp;
        r.Attr = static_cast<uint8_t>(attribute & 0x7F);
        r.Data = data;
        const bool rd = (attribute & kAttrRd) != 0;
        (rd ? rdBytes : sdBytes).push_back(static_cast<char>(data));
        r.SdCount = static_cast<int32_t>(sdBytes.size());
        r.RdCount = static_cast<int32_t>(rdBytes.size());
        if (attribute & kAttrTrig) trigPos = static_cast<int32_t>(records.size());
        records.push_back(r);
    }
    void CharTime(uint16_t word) {
        if (records.empty()) return;
        records.back().TimIndex = CharTimeRange(word);
        records.back().TimValue = CharTimeValue(word);
    }
    int32_t Count() const { return static_cast<int32_t>(records.size()); }

    // The walk from record 0 to the first record holding the count, done
    // once for every count.
    bool DirectionTr(int16_t direction, int32_t count, int32_t& record) const {
        const bool sd = direction == 1;
        const auto total = static_cast<int32_t>(sd ? sdBytes.size() : rdBytes.size());
        if (count < 0 || count > total) return false;
        const std::vector<int32_t>& first = sd ? firstSd_ : firstRd_;
        if (first.size() != static_cast<size_t>(total) + 1) {
            std::vector<int32_t>& made = sd ? firstSd_ : firstRd_;
            made.assign(static_cast<size_t>(total) + 1, -1);
            for (int32_t i = Count() - 1; i >= 0; --i) {
                const HistoryRecord& r = records[static_cast<size_t>(i)];
                made[static_cast<size_t>(sd ? r.SdCount : r.RdCount)] = i;
            }
        }
        if (first[static_cast<size_t>(count)] == -1) return false;
        record = first[static_cast<size_t>(count)];
        return true;
    }
    bool RecNo(int16_t direction, int32_t count, int32_t& record) const {
        record = count;
        while (record <= Count() - 1) {
            const HistoryRecord& r = records[static_cast<size_t>(record)];
            if ((direction == 1 ? r.SdCount : r.RdCount) == count + 1) return true;
            ++record;
        }
        return false;
    }

    std::vector<HistoryRecord> records;
    std::string sdBytes, rdBytes;
    int32_t trigPos = -1;

private:
    mutable std::vector<int32_t> firstSd_, firstRd_;
};

// Runs of one direction long and short, stamps repeating, coming back and
// odd (both zeros, NaN), character times on some records, some twice.
void RandomHistory(std::mt19937& rng, int units, clsCommon& doc, PlainHistory& plain) {
    auto chance = [&rng](int percent) { return static_cast<int>(rng() % 100) < percent; };
    const double odd[] = {0.0, -0.0, std::numeric_limits<double>::quiet_NaN(), 45000.5};
    double stamp = 44000.0;
    bool rd = false;
    const int rdPercent = static_cast<int>(rng() % 101);
    if (chance(30)) {
        doc.CharTimeSet(0x4001);  // before any record: nothing happens
        plain.CharTime(0x4001);
    }
    for (int i = 0; i < units; ++i) {
        if (chance(20)) stamp = chance(10) ? odd[rng() % 4] : stamp + (chance(80) ? 1 : -3) / 86400.0;
        // Long one-direction stretches now and then, else a mix.
        if (chance(2)) {
            rd = !rd;
        } else if (chance(50)) {
            rd = chance(rdPercent);
        }
        uint8_t attr = static_cast<uint8_t>(0x80 | (rng() & 0x7D) | (rd ? kAttrRd : 0));
        if (chance(70)) attr &= static_cast<uint8_t>(~(kAttrTrig | kAttrParity | kAttrOver | kAttrFlam));
        const auto data = static_cast<uint8_t>(rng());
        ASSERT_TRUE(doc.RecordAdd(stamp, attr, data));
        plain.Add(stamp, attr, data);
        for (int k = chance(40) ? 1 + static_cast<int>(rng() % 2) : 0; k > 0; --k) {
            const auto word = static_cast<uint16_t>(0x4000 | (rng() & 0x1FFF));
            doc.CharTimeSet(word);
            plain.CharTime(word);
        }
    }
}

void ExpectSameRecord(const HistoryRecord& got, const HistoryRecord& want, int32_t i) {
    ASSERT_EQ(got.SdCount, want.SdCount) << i;
    ASSERT_EQ(got.RdCount, want.RdCount) << i;
    ASSERT_EQ(std::bit_cast<uint64_t>(got.DateTime), std::bit_cast<uint64_t>(want.DateTime)) << i;
    ASSERT_EQ(got.Data, want.Data) << i;
    ASSERT_EQ(got.Attr, want.Attr) << i;
    ASSERT_EQ(got.TimIndex, want.TimIndex) << i;
    ASSERT_EQ(got.TimValue, want.TimValue) << i;
}

void ExpectSameAnswers(const clsCommon& doc, const PlainHistory& plain) {
    int32_t total = -1, sd = -1, rd = -1;
    doc.IsCounterInf(total, sd, rd);
    ASSERT_EQ(total, plain.Count());
    ASSERT_EQ(sd, static_cast<int32_t>(plain.sdBytes.size()));
    ASSERT_EQ(rd, static_cast<int32_t>(plain.rdBytes.size()));
    ASSERT_EQ(doc.GetSdCharB(), plain.sdBytes);
    ASSERT_EQ(doc.GetRdCharB(), plain.rdBytes);
    ASSERT_EQ(doc.GetTrigPos(), plain.trigPos);

    for (int32_t i = -2; i < total + 2; ++i) {
        int16_t data = -7, same = -7, ch = -7, jis7 = -7, trig = -7, parity = -7, over = -7, flam = -7;
        int16_t timIndex = -7, timValue = -7;
        double stamp = -7;
        int32_t dual = -7, sdCount = -7, rdCount = -7;
        const bool in = i >= 0 && i < total;
        ASSERT_EQ(doc.GetDataAtInf(i, data, same, ch, jis7, trig, parity, over, flam), in) << i;
        ASSERT_EQ(doc.GetDataTimInf(i, timIndex, timValue), in) << i;
        ASSERT_EQ(doc.GetDataOtherInf(i, stamp, dual, sdCount, rdCount), in) << i;
        ASSERT_EQ(doc.RecordAt(i).has_value(), in) << i;
        ASSERT_EQ(doc.Record(i) != nullptr, in) << i;
        if (!in) {
            ASSERT_EQ(data, -7) << "outputs stay untouched";
            ASSERT_EQ(timIndex, -7);
            ASSERT_EQ(dual, -7);
            continue;
        }
        const HistoryRecord& want = plain.records[static_cast<size_t>(i)];
        ASSERT_EQ(data, want.Data) << i;
        const int16_t flags[] = {same, ch, jis7, trig, parity, over, flam};
        for (int bit = 0; bit < 7; ++bit) ASSERT_EQ(flags[bit], (want.Attr >> bit) & 1) << i << " bit " << bit;
        ASSERT_EQ(timIndex, want.TimIndex) << i;
        ASSERT_EQ(timValue, static_cast<int16_t>(want.TimValue)) << i;
        ASSERT_EQ(std::bit_cast<uint64_t>(stamp), std::bit_cast<uint64_t>(want.DateTime)) << i;
        ASSERT_EQ(dual, i + 1);
        ASSERT_EQ(sdCount, want.SdCount) << i;
        ASSERT_EQ(rdCount, want.RdCount) << i;
        ExpectSameRecord(*doc.RecordAt(i), want, i);
        ExpectSameRecord(*doc.Record(i), want, i);
    }

    for (int16_t direction : {int16_t{1}, int16_t{2}, int16_t{0}, int16_t{-3}}) {
        const int32_t dirTotal = direction == 1 ? sd : rd;
        for (int32_t count = -2; count <= dirTotal + 2; ++count) {
            int32_t got = -9, want = -9;
            ASSERT_EQ(doc.GetDirectionTrInf(direction, count, got), plain.DirectionTr(direction, count, want))
                << direction << " " << count;
            ASSERT_EQ(got, want) << direction << " " << count;
            if (count < 0) continue;
            got = want = -9;
            ASSERT_EQ(doc.GetRecNo(direction, count, got), plain.RecNo(direction, count, want))
                << direction << " " << count;
            ASSERT_EQ(got, want) << direction << " " << count;
        }
    }
}

TEST(CompactRecords, AnswerEveryQueryAsWholeRecordsDo) {
    std::mt19937 rng(20261209);
    // Sizes around the counting structures' edges: words of 64 bits,
    // samples of 256 ones, pinned blocks of 1024 records.
    for (int units : {0, 1, 2, 63, 64, 65, 255, 256, 257, 1023, 1024, 1025, 3000, 9000}) {
        SCOPED_TRACE(units);
        clsCommon doc;
        PlainHistory plain;
        RandomHistory(rng, units, doc, plain);
        ExpectSameAnswers(doc, plain);
    }
}

TEST(CompactRecords, AnswerAlikeWhenOneDirectionIsRare) {
    // A handful of SD characters among thousands of RD ones (and the other
    // way round): finding the n-th character must still come out right.
    for (uint8_t rare : {uint8_t{0x80}, uint8_t{0x82}}) {
        clsCommon doc;
        PlainHistory plain;
        const auto common = static_cast<uint8_t>(rare ^ kAttrRd);
        for (int i = 0; i < 20000; ++i) {
            const uint8_t attr = i % 4999 == 17 ? rare : common;
            doc.RecordAdd(45000.0, attr, static_cast<uint8_t>(i));
            plain.Add(45000.0, attr, static_cast<uint8_t>(i));
        }
        ExpectSameAnswers(doc, plain);
    }
}

TEST(CompactRecords, CursorsWalkFromAnyRecordAsQueriesAnswer) {
    std::mt19937 rng(7);
    clsCommon doc;
    PlainHistory plain;
    RandomHistory(rng, 5000, doc, plain);
    for (int32_t first : {0, 1, 63, 64, 1000, 4999, 5000}) {
        size_t runs = 0;
        int32_t expected = first;
        for (RecordStore::Cursor c(doc.Records(), first); !c.AtEnd(); c.Next()) {
            ASSERT_EQ(c.Index(), expected++);
            ExpectSameRecord(c.Record(), plain.records[static_cast<size_t>(c.Index())], c.Index());
            if (c.Index() > first) {
                const double before = plain.records[static_cast<size_t>(c.Index() - 1)].DateTime;
                const bool same = std::bit_cast<uint64_t>(before) == std::bit_cast<uint64_t>(c.Record().DateTime);
                ASSERT_EQ(c.StampRun() == runs, same) << "a run number changes with the stamp " << c.Index();
            }
            runs = c.StampRun();
        }
        EXPECT_EQ(expected, 5000) << "every record from the first is walked";
    }
}

TEST(CompactRecords, PinnedRecordsKeepTheirAddressAndFollowLaterChanges) {
    clsCommon doc;
    doc.RecordAdd(45000.0, 0x80, 'a');
    const HistoryRecord* first = doc.Record(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->TimIndex, kCharTimeNone);
    doc.CharTimeSet(CharTimeWord(2, 15));
    for (int i = 1; i < 5000; ++i) doc.RecordAdd(45000.0 + i, 0x82, static_cast<uint8_t>(i));
    EXPECT_EQ(doc.Record(0), first) << "the address stays";
    EXPECT_EQ(first->TimIndex, 2) << "and the record is current";
    EXPECT_EQ(first->TimValue, 15);
    EXPECT_EQ(doc.Record(4999)->RdCount, 4999);
}

TEST(CompactRecords, AreHeldInAFewBytesEach) {
    // Every unit with a character time, a new stamp every six: a capture's
    // usual shape.
    clsCommon doc;
    for (int i = 0; i < 60000; ++i) {
        doc.RecordAdd(45000.0 + (i / 6), static_cast<uint8_t>(0x80 | (i % 3 == 0 ? kAttrRd : 0)),
                      static_cast<uint8_t>(i));
        doc.CharTimeSet(CharTimeWord(1, static_cast<uint16_t>(i % 1024)));
    }
    doc.RecordsShrink();
    const double perUnit = static_cast<double>(doc.Records().HeapBytes()) / 60000.0;
    EXPECT_LT(perUnit, 8.0);
}

TEST(CompactRecords, FilledAWordAtATimeAnswerAsRecordsAddedOneByOne) {
    std::mt19937 rng(28);
    // Across words and samples, with one direction now common, now rare,
    // and runs of stamps short and long.
    for (int units : {1, 63, 64, 65, 130, 257, 1000, 20000}) {
        for (int rdPercent : {0, 3, 50, 97, 100}) {
            SCOPED_TRACE(::testing::Message() << units << " units, " << rdPercent << " % RD");
            RecordStore added;
            RecordStore filled;
            {
                RecordStore::Filler filler(filled);
                filler.CharTimeSet(0x4001);  // before any record: nothing happens
                double stamp = 45000.0;
                for (int i = 0; i < units; ++i) {
                    if (static_cast<int>(rng() % 100) < 15) stamp += 1.0 / 86400.0;
                    if (i % 500 == 7) stamp = -0.0;
                    const bool rd = static_cast<int>(rng() % 100) < rdPercent;
                    const auto attr = static_cast<uint8_t>(0x80 | (rng() & 0x7D) | (rd ? kAttrRd : 0));
                    const auto data = static_cast<uint8_t>(rng());
                    ASSERT_TRUE(added.Add(stamp, attr, data));
                    ASSERT_TRUE(filler.Add(stamp, attr, data));
                    ASSERT_EQ(filler.Count(), added.Count());
                    for (int k = static_cast<int>(rng() % 3); k > 0; --k) {
                        const auto word = static_cast<uint16_t>(0x4000 | (rng() & 0x1FFF));
                        added.CharTimeSet(word);
                        filler.CharTimeSet(word);
                    }
                }
            }
            ASSERT_EQ(filled.Count(), added.Count());
            ASSERT_EQ(filled.SdBytes(), added.SdBytes());
            ASSERT_EQ(filled.RdBytes(), added.RdBytes());
            for (int32_t i = 0; i < added.Count(); ++i) {
                ExpectSameRecord(filled.Get(i), added.Get(i), i);
                ASSERT_EQ(filled.NextOfDirection(true, i), added.NextOfDirection(true, i)) << i;
                ASSERT_EQ(filled.NextOfDirection(false, i), added.NextOfDirection(false, i)) << i;
            }
            for (int32_t n = 0; n <= added.SdTotal() + 1; ++n) ASSERT_EQ(filled.SdRecord(n), added.SdRecord(n)) << n;
            for (int32_t n = 0; n <= added.RdTotal() + 1; ++n) ASSERT_EQ(filled.RdRecord(n), added.RdRecord(n)) << n;
            RecordStore::Cursor a(added, 0), f(filled, 0);
            for (; !a.AtEnd(); a.Next(), f.Next()) {
                ASSERT_FALSE(f.AtEnd());
                ASSERT_EQ(f.StampRun(), a.StampRun()) << a.Index();
            }
        }
    }
}

TEST(CompactRecords, FilledAStreamAtATimeAnswerAsRecordsAddedOneByOne) {
    std::mt19937 rng(5);
    for (int lines : {1, 20, 300, 3000}) {
        SCOPED_TRACE(::testing::Message() << lines << " lines");
        RecordStore added;
        RecordStore filled;
        int32_t addedTrig = -1, filledTrig = -1;
        {
            RecordStore::Filler filler(filled);
            double stamp = 45000.0;
            for (int line = 0; line < lines; ++line) {
                // Now and then a line repeats the stamp of the one before.
                if (rng() % 4 != 0) stamp += 1.0 / 86400.0;
                if (line % 97 == 50) stamp = -0.0;
                std::vector<uint8_t> items;
                const int count = static_cast<int>(rng() % 40);
                bool ended = false;
                for (int k = 0; k < count; ++k) {
                    const auto pick = static_cast<uint32_t>(rng() % 100);
                    const auto second = static_cast<uint8_t>(rng());
                    if (pick < 2) {
                        // Ends the stream: what follows is not read.
                        items.push_back(static_cast<uint8_t>(rng() & 0x3F));
                        items.push_back(second);
                        ended = true;
                    } else if (pick < 40) {
                        // Now and then a word at the edge of the range codes.
                        static constexpr uint16_t kEdges[] = {0x57FF, 0x5800, 0x5BFF, 0x5C00, 0x7FFF};
                        const uint16_t word = pick < 5 ? kEdges[rng() % 5]
                                                       : static_cast<uint16_t>(0x4000 | (rng() & 0x3FFF));
                        items.push_back(static_cast<uint8_t>(word >> 8));
                        items.push_back(static_cast<uint8_t>(word));
                        if (!ended) added.CharTimeSet(word);
                    } else {
                        const auto first = static_cast<uint8_t>(0x80 | (rng() & 0x7F));
                        items.push_back(first);
                        items.push_back(second);
                        if (!ended) {
                            ASSERT_TRUE(added.Add(stamp, first, second));
                            if ((first & kAttrTrig) != 0) addedTrig = added.Count() - 1;
                        }
                    }
                }
                // A byte of a cut item at the end counts for nothing.
                if (rng() % 5 == 0) items.push_back(0x81);
                ASSERT_TRUE(filler.AddStream(stamp, items.data(), items.data() + items.size(), filledTrig));
                ASSERT_EQ(filler.Count(), added.Count());
                ASSERT_EQ(filledTrig, addedTrig);
            }
        }
        ASSERT_EQ(filled.Count(), added.Count());
        ASSERT_EQ(filled.SdBytes(), added.SdBytes());
        ASSERT_EQ(filled.RdBytes(), added.RdBytes());
        for (int32_t i = 0; i < added.Count(); ++i) ExpectSameRecord(filled.Get(i), added.Get(i), i);
        RecordStore::Cursor a(added, 0), f(filled, 0);
        for (; !a.AtEnd(); a.Next(), f.Next()) {
            ASSERT_FALSE(f.AtEnd());
            ASSERT_EQ(f.StampRun(), a.StampRun()) << a.Index();
        }
    }
}

TEST(RankBitsCounts, RankAndSelectAgreeWithCounting) {
    std::mt19937 rng(3);
    for (int density : {0, 1, 50, 99, 100}) {
        RankBits bits;
        std::vector<bool> plain;
        // Part way, everything moves into an arena with room for fewer
        // bits than come: the samples go along and keep growing.
        const std::shared_ptr<Arena> arena = Arena::Make(RankBits::ArenaBytes(3000) + (64 << 10));
        for (int i = 0; i < 5000; ++i) {
            if (i == 1000) bits.Reserve(3000, arena);
            const bool bit = static_cast<int>(rng() % 100) < density;
            bits.PushBack(bit);
            if (i % 7 == 3 && !bit) {
                bits.SetBack();  // turning the last bit on afterwards counts the same
                plain.push_back(true);
            } else {
                plain.push_back(bit);
            }
        }
        std::vector<size_t> ones, zeros;
        size_t rank = 0;
        for (size_t i = 0; i < plain.size(); ++i) {
            ASSERT_EQ(bits.Test(i), plain[i]) << i;
            ASSERT_EQ(bits.Rank(i), rank) << i;
            (plain[i] ? ones : zeros).push_back(i);
            rank += plain[i] ? 1 : 0;
        }
        ASSERT_EQ(bits.Rank(plain.size()), rank);
        ASSERT_EQ(bits.Ones(), ones.size());
        for (size_t k = 0; k < ones.size(); ++k) ASSERT_EQ(bits.SelectOne(k), static_cast<int64_t>(ones[k]));
        for (size_t k = 0; k < zeros.size(); ++k) ASSERT_EQ(bits.SelectZero(k), static_cast<int64_t>(zeros[k]));
        for (size_t i = 0; i <= plain.size(); ++i) {
            const auto one = std::lower_bound(ones.begin(), ones.end(), i);
            const auto zero = std::lower_bound(zeros.begin(), zeros.end(), i);
            ASSERT_EQ(bits.NextOne(i), one == ones.end() ? RankBits::kNone : static_cast<int64_t>(*one)) << i;
            ASSERT_EQ(bits.NextZero(i), zero == zeros.end() ? RankBits::kNone : static_cast<int64_t>(*zero)) << i;
        }
        EXPECT_EQ(bits.SelectOne(ones.size()), RankBits::kNone);
        EXPECT_EQ(bits.SelectZero(zeros.size()), RankBits::kNone);
    }

    // Far apart: the next one lies many words ahead.
    for (bool sparse : {true, false}) {
        RankBits bits;
        for (int i = 0; i < 5000; ++i) bits.PushBack((i % 777 == 5) == sparse);
        EXPECT_EQ(sparse ? bits.NextOne(6) : bits.NextZero(6), 782);
        EXPECT_EQ(sparse ? bits.NextOne(4668) : bits.NextZero(4668), RankBits::kNone);
        EXPECT_EQ(sparse ? bits.NextOne(0) : bits.NextZero(0), 5);
    }
}

// Sequences joined at every offset within a word, empty and one-bit ones
// among them, with and without a part's first bit cleared, count as the
// same bits pushed one by one, whatever order the parts are filled in.
TEST(RankBitsCounts, JoinedSequencesCountAsBitsPushedOneByOne) {
    std::mt19937 rng(11);
    const std::vector<std::vector<size_t>> layouts = {
        {0, 1, 5, 63, 64, 65, 300, 513},
        {1, 0, 1, 1, 0, 2, 63, 1, 700},
        {700, 64, 64, 0},
        {65, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3},
    };
    for (const std::vector<size_t>& layout : layouts) {
        for (int density : {0, 3, 50, 100}) {
            std::vector<RankBits> parts(layout.size());
            std::vector<RankBits::JoinPart> join;
            RankBits plain;
            for (size_t p = 0; p < layout.size(); ++p) {
                const bool firstCleared = rng() % 2 == 0;
                for (size_t i = 0; i < layout[p]; ++i) {
                    const bool b = static_cast<int>(rng() % 100) < density;
                    parts[p].PushBack(b);
                    plain.PushBack(b && !(i == 0 && firstCleared));
                }
                join.push_back({&parts[p], firstCleared});
            }
            RankBits joined;
            joined.PushBack(true);  // what it held before goes
            joined.JoinSize(join);
            for (size_t k = join.size(); k-- > 0;) joined.JoinFill(join, k);
            ASSERT_EQ(joined.Size(), plain.Size());
            ASSERT_EQ(joined.Ones(), plain.Ones());
            for (size_t i = 0; i <= plain.Size(); ++i) {
                if (i < plain.Size()) {
                    ASSERT_EQ(joined.Test(i), plain.Test(i)) << i;
                }
                ASSERT_EQ(joined.Rank(i), plain.Rank(i)) << i;
            }
            for (size_t k = 0; k < plain.Ones(); ++k) ASSERT_EQ(joined.SelectOne(k), plain.SelectOne(k)) << k;
            for (size_t k = 0; k < plain.Zeros(); ++k) ASSERT_EQ(joined.SelectZero(k), plain.SelectZero(k)) << k;
            EXPECT_EQ(joined.SelectOne(plain.Ones()), RankBits::kNone);
            EXPECT_EQ(joined.SelectZero(plain.Zeros()), RankBits::kNone);
            // Bits pushed after a join go on from it.
            for (int i = 0; i < 300; ++i) {
                joined.PushBack(i % 3 == 0);
                plain.PushBack(i % 3 == 0);
            }
            ASSERT_EQ(joined.SelectOne(plain.Ones() - 1), plain.SelectOne(plain.Ones() - 1));
            ASSERT_EQ(joined.SelectZero(plain.Zeros() - 1), plain.SelectZero(plain.Zeros() - 1));
        }
    }
}

}  // namespace
}  // namespace store
