// A KY1 source held in memory: the tables as plain values, MstTable either
// as a list or as a row maker for long histories, and switches that make
// each step fail.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "Ky1Source.h"

namespace store::test {

class FakeKy1Source : public Ky1Source {
public:
    bool Open(const std::string& path) override {
        openedPath = path;
        opened = openable;
        return openable;
    }
    void Close() override { opened = false; }
    std::optional<int64_t> MstCount() override {
        if (!mstReadable) return std::nullopt;
        return claimedCount.value_or(Count());
    }
    std::optional<Ky1Inf> InfRead() override {
        if (!infReadable) return std::nullopt;
        return inf;
    }
    std::optional<std::array<Ky1Trg, 2>> TrgRead() override {
        if (!trgReadable) return std::nullopt;
        return trg;
    }
    bool MstBegin() override {
        next_ = 0;
        return mstReadable;
    }
    Step MstNext(Ky1Mst& row) override {
        if (next_ >= Count()) return Step::End;
        if (next_ == failAtRow) return Step::Failed;
        row = maker ? maker(next_) : rows[static_cast<size_t>(next_)];
        ++next_;
        return Step::Row;
    }

    int32_t Count() const { return maker ? makerCount : static_cast<int32_t>(rows.size()); }

    Ky1Inf inf;
    std::array<Ky1Trg, 2> trg;
    std::vector<Ky1Mst> rows;
    std::function<Ky1Mst(int32_t)> maker;
    int32_t makerCount = 0;
    // The row count the table claims, when it is not the true one.
    std::optional<int64_t> claimedCount;

    bool openable = true, infReadable = true, trgReadable = true, mstReadable = true;
    int32_t failAtRow = -1;
    bool opened = false;
    std::string openedPath;

private:
    int32_t next_ = 0;
};

}  // namespace store::test
