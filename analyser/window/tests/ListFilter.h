// A filter that passes the frames listed, in the order given.
#pragma once

#include <vector>

#include "RowFilter.h"

namespace analyser::test {

class ListFilter final : public RowFilter {
public:
    explicit ListFilter(std::vector<int32_t> frames) : frames_(std::move(frames)) {}
    int32_t FilterMax() const override { return static_cast<int32_t>(frames_.size()); }
    int32_t FilterNo(int32_t row) const override {
        return row < 0 || row >= FilterMax() ? 0 : frames_[static_cast<size_t>(row)];
    }

private:
    std::vector<int32_t> frames_;
};

}  // namespace analyser::test
