#include "ProtocolRowSource.h"

#include "clsLink.h"
#include "clsProtocol.h"

namespace analyser::ui {

int32_t ProtocolRowSource::FrameCount() const { return doc_.FrameMax(); }

std::string ProtocolRowSource::FrameBytes(int32_t frame) const { return doc_.FrameDataOrg(frame); }

uint8_t ProtocolRowSource::FrameLine(int32_t frame) const { return doc_.FrameChanel(frame); }

std::string ProtocolRowSource::Comment(int side, int32_t frame) const {
    return doc_.FramePostit(side, frame);
}

FrameStatus ProtocolRowSource::Status(int32_t frame) const {
    FrameStatus s;
    s.Date = doc_.FrameDate(frame);
    s.ChrTimeSetting = doc_.ChrTime();
    s.ChrTime = doc_.FrameChrTime(frame);
    s.Chanel = doc_.FrameChanel(frame);
    s.Same = doc_.FrameSt(frame);
    s.Trigger = doc_.FrameTrg(frame);
    s.Error = doc_.FrameErr(frame);
    s.Cut = doc_.FrameCut(frame);
    return s;
}

LinkRowNamer::LinkRowNamer(std::unique_ptr<frames::clsLink> joined) : link_(std::move(joined)) {}

LinkRowNamer::~LinkRowNamer() = default;

LinkRowInfo LinkRowNamer::Row(int32_t frame) const {
    link_->ListIndex(frame);
    return {link_->ItemName(), link_->Direction(), static_cast<uint32_t>(link_->BackColor())};
}

}  // namespace analyser::ui
