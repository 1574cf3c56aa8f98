#include "Ky1Stream.h"

#include <gtest/gtest.h>

#include <cstring>

#include "FakeKy1Source.h"
#include "Ky1TestRows.h"

namespace store {
namespace {

using test::FakeKy1Source;
using test::LongRow;

// A stream held in memory, read from the front.
class BytesInput : public Ky1StreamInput {
public:
    explicit BytesInput(std::string bytes) : bytes_(std::move(bytes)) {}
    bool Read(char* into, size_t n) override {
        if (bytes_.size() - at_ < n) {
            at_ = bytes_.size();
            return false;
        }
        std::memcpy(into, bytes_.data() + at_, n);
        at_ += n;
        return true;
    }

private:
    std::string bytes_;
    size_t at_ = 0;
};

std::string Served(Ky1Source& source) {
    std::string stream;
    Ky1StreamServe(source, "old.ky1", [&](std::string& bytes) {
        stream += bytes;
        bytes.clear();
        return true;
    });
    return stream;
}

FakeKy1Source Filled(int32_t rows) {
    FakeKy1Source src;
    src.inf = {40000.25, 40000.5, "9600", 1, 2, true, 1, 3, 1, true, 1, 2, "KY-N4", false, true};
    src.trg[0] = {true, 1, 3, 4, 500, "11000", "4142", "00000", "43", "x"};
    src.trg[1] = {false, 2, 0, 7, 16777215, "", "ｱｲｳ漢字", "", "", ""};
    src.maker = LongRow;
    src.makerCount = rows;
    return src;
}

// Reads everything the converter reads; false at the first failed read.
bool ReadAll(Ky1Source& src, Ky1Inf& inf, std::array<Ky1Trg, 2>& trg, std::vector<Ky1Mst>& rows) {
    if (!src.Open("old.ky1") || !src.MstCount()) return false;
    const auto i = src.InfRead();
    const auto t = src.TrgRead();
    if (!i || !t || !src.MstBegin()) return false;
    inf = *i;
    trg = *t;
    Ky1Mst row;
    for (;;) {
        const Ky1Source::Step step = src.MstNext(row);
        if (step == Ky1Source::Step::End) return true;
        if (step == Ky1Source::Step::Failed) return false;
        rows.push_back(row);
    }
}

TEST(Ky1Stream, EveryReadComesThroughAsTheSourceGaveIt) {
    FakeKy1Source src = Filled(10000);
    src.claimedCount = 12345;
    BytesInput in(Served(src));
    Ky1StreamSource stream(in);
    ASSERT_TRUE(stream.Open("anything"));
    EXPECT_EQ(stream.MstCount(), 12345);
    EXPECT_EQ(stream.InfRead(), src.inf);
    EXPECT_EQ(stream.TrgRead(), src.trg);
    ASSERT_TRUE(stream.MstBegin());
    Ky1Mst row;
    for (int32_t i = 0; i < 10000; ++i) {
        ASSERT_EQ(stream.MstNext(row), Ky1Source::Step::Row) << i;
        ASSERT_EQ(row, LongRow(i)) << i;
    }
    EXPECT_EQ(stream.MstNext(row), Ky1Source::Step::End);
    EXPECT_EQ(stream.MstNext(row), Ky1Source::Step::End);
    EXPECT_FALSE(stream.Broken());
}

TEST(Ky1Stream, FailuresOfTheSourceArriveAsFailures) {
    FakeKy1Source closed = Filled(3);
    closed.openable = false;
    BytesInput none(Served(closed));
    EXPECT_FALSE(Ky1StreamSource(none).Open("x"));

    FakeKy1Source noTrg = Filled(3);
    noTrg.trgReadable = false;
    BytesInput trgMissing(Served(noTrg));
    Ky1StreamSource stream(trgMissing);
    ASSERT_TRUE(stream.Open("x"));
    EXPECT_TRUE(stream.MstCount());
    EXPECT_TRUE(stream.InfRead());
    EXPECT_FALSE(stream.TrgRead());
    EXPECT_TRUE(stream.MstBegin()) << "the rows are still read, as the converter reads them";

    FakeKy1Source badRow = Filled(5);
    badRow.failAtRow = 2;
    BytesInput rowFails(Served(badRow));
    Ky1Inf inf;
    std::array<Ky1Trg, 2> trg;
    std::vector<Ky1Mst> rows;
    Ky1StreamSource failing(rowFails);
    EXPECT_FALSE(ReadAll(failing, inf, trg, rows));
    EXPECT_EQ(rows.size(), 2U);
}

TEST(Ky1Stream, AStreamCutAnywhereFailsFromTheCutOn) {
    FakeKy1Source src = Filled(3);
    const std::string whole = Served(src);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        BytesInput in(whole.substr(0, cut));
        Ky1StreamSource stream(in);
        Ky1Inf inf;
        std::array<Ky1Trg, 2> trg;
        std::vector<Ky1Mst> rows;
        EXPECT_FALSE(ReadAll(stream, inf, trg, rows)) << cut;
        for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], LongRow(static_cast<int32_t>(i))) << cut;
    }
}

TEST(Ky1Stream, OddFieldsAndTooManyRowsBreakIt) {
    FakeKy1Source src = Filled(3);
    const std::string whole = Served(src);
    Ky1Inf inf;
    std::array<Ky1Trg, 2> trg;
    std::vector<Ky1Mst> rows;

    std::string notABool = whole;
    notABool[1] = '\2';  // the open result
    BytesInput a(notABool);
    EXPECT_FALSE(Ky1StreamSource(a).Open("x"));

    std::string wrongTag = whole;
    wrongTag[2] = 'I';  // an InfTable where the count belongs
    BytesInput b(wrongTag);
    Ky1StreamSource outOfOrder(b);
    EXPECT_FALSE(ReadAll(outOfOrder, inf, trg, rows));
    EXPECT_TRUE(outOfOrder.Broken());

    BytesInput c(whole);
    Ky1StreamSource limited(c, 2);
    EXPECT_FALSE(limited.Open("x") && limited.MstCount()) << "3 rows claimed, 2 possible";

    FakeKy1Source understated = Filled(3);
    understated.claimedCount = 1;
    BytesInput d(Served(understated));
    Ky1StreamSource tooMany(d, 2);
    rows.clear();
    EXPECT_FALSE(ReadAll(tooMany, inf, trg, rows));
    EXPECT_EQ(rows.size(), 2U) << "rows past the limit are refused";

    FakeKy1Source hugeCount = Filled(0);
    hugeCount.claimedCount = int64_t{1} << 40;
    BytesInput e(Served(hugeCount));
    Ky1StreamSource claimed(e, 1000);
    ASSERT_TRUE(claimed.Open("x"));
    EXPECT_FALSE(claimed.MstCount());
}

TEST(Ky1Stream, TextsLongerThanTheLimitGoOutCutAndAreRefusedComingIn) {
    FakeKy1Source src = Filled(0);
    src.inf.Band = std::string(kKy1StreamTextLimit + 10, '9');
    BytesInput in(Served(src));
    Ky1StreamSource stream(in);
    ASSERT_TRUE(stream.Open("x"));
    ASSERT_TRUE(stream.MstCount());
    const std::optional<Ky1Inf> inf = stream.InfRead();
    ASSERT_TRUE(inf);
    EXPECT_EQ(inf->Band.size(), kKy1StreamTextLimit);

    // Open, a count, then an InfTable whose first text claims 4 GB.
    std::string forged("O\1C\1", 4);
    forged += std::string(8, '\0') + "I\1" + std::string(16, '\0') + "\xFF\xFF\xFF\xFF";
    BytesInput f(forged);
    Ky1StreamSource big(f);
    ASSERT_TRUE(big.Open("x"));
    ASSERT_TRUE(big.MstCount());
    EXPECT_FALSE(big.InfRead());
    EXPECT_TRUE(big.Broken());
}

}  // namespace
}  // namespace store
