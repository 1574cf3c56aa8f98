// The open frame document as the chart reads it: bytes, line and comments
// of each frame for the row table, the properties the status panels show,
// and the names a joined link table gives the frames.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "RowTable.h"
#include "StatusTexts.h"

namespace frames {
class clsLink;
class clsProtocol;
}

namespace analyser::ui {

class ProtocolRowSource final : public RowTableSource {
public:
    explicit ProtocolRowSource(const frames::clsProtocol& doc) : doc_(doc) {}

    int32_t FrameCount() const override;
    std::string FrameBytes(int32_t frame) const override;
    uint8_t FrameLine(int32_t frame) const override;
    std::string Comment(int side, int32_t frame) const override;

    FrameStatus Status(int32_t frame) const;

private:
    const frames::clsProtocol& doc_;
};

// A link table joined to the open document names the chart's rows.
class LinkRowNamer final : public FrameNamer {
public:
    explicit LinkRowNamer(std::unique_ptr<frames::clsLink> joined);
    ~LinkRowNamer() override;

    LinkRowInfo Row(int32_t frame) const override;

private:
    std::unique_ptr<frames::clsLink> link_;
};

}  // namespace analyser::ui
