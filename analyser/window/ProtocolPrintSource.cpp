#include "ProtocolPrintSource.h"

#include "clsProtocol.h"

namespace analyser {

std::string ProtocolPrintSource::FrameDataOrg(int32_t frame) const { return doc_.FrameDataOrg(frame); }

uint8_t ProtocolPrintSource::FrameChanel(int32_t frame) const { return doc_.FrameChanel(frame); }

}  // namespace analyser
