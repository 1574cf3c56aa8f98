// The printed frame list's reading of the open document: its frames
// through the filter's list, and the row table's names and arrows.
#pragma once

#include "RowFilter.h"
#include "clsprint.h"

namespace frames {
class clsProtocol;
}

namespace analyser {

class ProtocolPrintSource final : public FramePrintSource {
public:
    ProtocolPrintSource(const frames::clsProtocol& doc, const RowFilter& rows, const RowTable& table)
        : doc_(doc), rows_(rows), table_(table) {}

    int32_t FilterMax() const override { return rows_.FilterMax(); }
    int32_t FilterNo(int32_t row) const override { return rows_.FilterNo(row); }
    std::string FrameDataOrg(int32_t frame) const override;
    uint8_t FrameChanel(int32_t frame) const override;
    RowEntry Entry(int32_t frame) const override { return table_.Entry(frame); }

private:
    const frames::clsProtocol& doc_;
    const RowFilter& rows_;
    const RowTable& table_;
};

}  // namespace analyser
