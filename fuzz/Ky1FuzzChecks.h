// What the two KY1 targets check of a conversion: the rows a source handed
// on, and the parts those rows became.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "his/store/Ky1Encode.h"
#include "his/store/Ky1Source.h"
#include "his/store/Ky2Format.h"
#include "his/store/clsCommon.h"
#include "his/store/clsConver.h"

namespace fuzz {

// Hands on a source's reads, every row `repeat` times while fewer than
// kRepeatBudget rows went out (then once), and keeps what it handed on.
class Repeating : public store::Ky1Source {
public:
    static constexpr int64_t kRepeatBudget = 150000;

    explicit Repeating(store::Ky1Source& inner, int32_t repeat = 1) : inner_(inner), repeat_(repeat) {}
    bool Open(const std::string& path) override { return inner_.Open(path); }
    void Close() override { inner_.Close(); }
    std::optional<int64_t> MstCount() override { return inner_.MstCount(); }
    std::optional<store::Ky1Inf> InfRead() override { return inner_.InfRead(); }
    std::optional<std::array<store::Ky1Trg, 2>> TrgRead() override { return inner_.TrgRead(); }
    bool MstBegin() override { return inner_.MstBegin(); }
    Step MstNext(store::Ky1Mst& row) override {
        if (left_ == 0) {
            store::Ky1Mst next;
            const Step step = inner_.MstNext(next);
            if (step != Step::Row) return step;
            rows_.push_back(next);
            left_ = handed_ < kRepeatBudget ? repeat_ : 1;
            firsts_.push_back(handed_);
        }
        --left_;
        ++handed_;
        row = rows_.back();
        return Step::Row;
    }

    int64_t Handed() const { return handed_; }
    // The row handed on as the i-th.
    const store::Ky1Mst& Row(int64_t i) const {
        const auto after = std::upper_bound(firsts_.begin(), firsts_.end(), i);
        return rows_[static_cast<size_t>(after - firsts_.begin() - 1)];
    }

private:
    store::Ky1Source& inner_;
    int32_t repeat_;
    int32_t left_ = 0;
    int64_t handed_ = 0;
    std::vector<store::Ky1Mst> rows_;
    std::vector<int64_t> firsts_;  // where each row's copies begin
};

// Every unit of the parts, in order, against the units of the rows.
inline void CheckParts(const std::vector<std::string>& parts, const Repeating& rows, bool complete) {
    int64_t next = 0;
    for (size_t k = 0; k < parts.size(); ++k) {
        store::clsCommon doc;
        const bool read = doc.Read(parts[k]);
        int32_t total = 0, sd = 0, rd = 0;
        doc.IsCounterInf(total, sd, rd);
        FUZZ_CHECK(read == (total > 0));
        FUZZ_CHECK(total <= store::clsConver::kPartUnits);
        if (read && k > 0) FUZZ_CHECK(doc.PrecedFile() == parts[k - 1]);
        if (read && k + 1 < parts.size()) FUZZ_CHECK(doc.FollowFile() == parts[k + 1]);
        for (int32_t i = 0; i < total; ++i, ++next) {
            FUZZ_CHECK(next < rows.Handed());
            const std::optional<store::ConvUnit> want = store::EncodeUnit(rows.Row(next));
            FUZZ_CHECK(want.has_value());
            int16_t data = 0, same = 0, ch = 0, jis7 = 0, trig = 0, parity = 0, over = 0, flam = 0;
            int16_t timIndex = 0, timValue = 0;
            double when = 0;
            int32_t dual = 0, sdCount = 0, rdCount = 0;
            FUZZ_CHECK(doc.GetDataAtInf(i, data, same, ch, jis7, trig, parity, over, flam));
            FUZZ_CHECK(doc.GetDataTimInf(i, timIndex, timValue));
            FUZZ_CHECK(doc.GetDataOtherInf(i, when, dual, sdCount, rdCount));
            const int attr = 0x80 | same | ch << 1 | jis7 << 2 | trig << 3 | parity << 4 | over << 5 | flam << 6;
            FUZZ_CHECK(attr == want->Attr);
            FUZZ_CHECK(data == want->Data);
            FUZZ_CHECK(store::FormatStamp(when) == store::FormatStamp(want->Dtime));
            if (want->Word == 0) {
                FUZZ_CHECK(timIndex == store::kCharTimeNone);
            } else {
                FUZZ_CHECK(timIndex == store::CharTimeRange(want->Word));
                FUZZ_CHECK(timValue == store::CharTimeValue(want->Word));
            }
        }
    }
    if (complete) FUZZ_CHECK(next == rows.Handed());
}

// The folder holds the KY1 file and the parts, nothing half written.
inline void CheckFolder(const Scratch& dir, const std::string& ky1Name, const std::vector<std::string>& parts) {
    std::vector<std::string> expected{ky1Name};
    for (const std::string& part : parts) {
        FUZZ_CHECK(part.rfind(dir.path() + "/", 0) == 0);
        expected.push_back(part.substr(dir.path().size() + 1));
    }
    std::sort(expected.begin(), expected.end());
    FUZZ_CHECK(dir.Names() == expected);
}

// What a conversion of the KY1 file ky1Name left in the folder. Nothing in
// these targets can fail to write, so a failure is a failed read, which
// writes nothing; a success leaves parts holding the rows handed on, all of
// them unless the user cancelled.
inline void CheckConversion(const Scratch& dir, const std::string& ky1Name, bool converted,
                            const std::vector<std::string>& parts, const Repeating& rows,
                            bool complete) {
    CheckFolder(dir, ky1Name, parts);
    if (converted) {
        CheckParts(parts, rows, complete);
    } else {
        FUZZ_CHECK(parts.empty());
    }
}

}  // namespace fuzz
