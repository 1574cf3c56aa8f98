// The conversion engine: turns a KY2 history into a KYP frame file. The
// characters of both line directions are cut into frames side by side, by
// a frame configuration's items or by PPP flags, and also by the cut
// conditions set here: CR LF, an inter-character time of at least
// Deadhead, the byte string UserChar. Frames are written in the order in
// which they began.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "FrameFileHeader.h"
#include "his/store/Progress.h"

namespace frames {

class clsAnalysis {
public:
    // Cut switches: 1 CR LF ends a frame, 2 a character time of at least
    // Deadhead begins one, 3 UserChar ends one; 0 is only recorded. An index
    // above 3 reads 2 and is not set; a negative one reads 0.
    uint8_t CutMode(int vIndex) const;
    void CutMode(int vIndex, uint8_t value);
    // The time limit of switch 2, in milliseconds as the character times
    // count them. Range codes 6 and 7 count as 0; range 5, a gap too long
    // to measure, reaches any limit.
    int32_t Deadhead() const { return cut_.Deadhead; }
    void Deadhead(int32_t value) { cut_.Deadhead = value; }
    // The bytes that end a frame under switch 3, at most 10; a longer string
    // is not taken. Empty ends a frame at every byte.
    const std::string& UserChar() const { return cut_.UserChar; }
    void UserChar(std::string_view bytes);
    // The most frames one conversion writes; negative values are not taken.
    int32_t FrameMax() const { return frameMax_; }
    void FrameMax(int32_t value);
    const CutSettings& Cut() const { return cut_; }

    // Converts the KY2 file vReadFile into the KYP file vWriteFile, cut by
    // the frame configuration vFrameFile; vLinkFile ("" for none) is only
    // recorded in the header. Characters numbered below vStartCnt (from 1)
    // are left out. progress (may be null) shows "ファイルの変換" over the
    // source and offers cancel.
    // False, leaving an existing vWriteFile as it was, when the
    // configuration cannot be read, the source cannot be read or is no KY2
    // file, vWriteFile is the source itself, the file cannot be written, or
    // the user cancelled.
    bool ProtocolConv(const std::string& vReadFile, const std::string& vWriteFile, const std::string& vFrameFile,
                      const std::string& vLinkFile, int32_t vStartCnt = 0,
                      store::ProgressSink* progress = nullptr) const;

private:
    CutSettings cut_;
    int32_t frameMax_ = 60000;
};

}  // namespace frames
