// The analyser's frame document: one KYP frame file in memory, its header
// and its frames, with the frame configuration that divides each frame
// into items.
//
// Frames are numbered from 0. A frame is held as its date, status, cut
// field and its bytes in one shared block; comments are kept apart for the
// frames that have them. Item texts and values are worked out from the
// frame's bytes when asked for (the last frame asked is remembered), so a
// long file costs little more than its data.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FrameFileHeader.h"
#include "FrameRecord.h"
#include "FrameRowList.h"
#include "ItemWalk.h"
#include "clsFrameConfig.h"
#include "his/store/Progress.h"

namespace frames {

class clsProtocol {
public:
    // FileRead results.
    enum : int16_t { kReadDone = 0, kReadNoFrameFile = 1, kReadNoConfig = 2 };

    // --- file -------------------------------------------------------------
    // Reads a KYP file: 1 for an empty name, no such file, a header that
    // is not a frame file header or frames too many to hold in memory; 2
    // when the frame configuration cannot be read; 0 when the frames were
    // loaded, also when the user cancelled (the frames before the cancel
    // stay). A non-empty vFrameFile is read as the configuration in place
    // of the one the header names, and is stored in the header. On 1 and 2
    // the document stays as it was. progress (may be null) shows
    // "ファイルの読込" over the file's length.
    int16_t FileRead(const std::string& vFileName, const std::string& vFrameFile = {},
                     store::ProgressSink* progress = nullptr);
    // Writes rows vBegin to vEnd of the list (all frames by number without
    // one) as a KYP file with the current magic; vEnd 0 stands for the last
    // row and is set to it. Stops at the first frame number outside the
    // document. False, writing nothing, for an empty name, vBegin outside
    // the rows or vEnd below vBegin; false, keeping the old file, when the
    // file could not be written.
    bool FileWrite(const std::string& vFileName, const FrameRowList* vclsFlt, int32_t vBegin,
                   int32_t& vEnd) const;

    // --- frames: a frame number outside 0 .. FrameMax() - 1 gives 0 or "" ---
    int32_t FrameMax() const { return static_cast<int32_t>(frames_.size()); }
    double FrameDate(int32_t vIndex) const;
    // The character time before the frame: its 10-bit value times 1, 10,
    // 100, 1000 or 10000 by range code 0 to 4; -1 for codes 5 to 7.
    int32_t FrameChrTime(int32_t vIndex) const;
    uint8_t FrameSt(int32_t vIndex) const;
    uint8_t FrameChanel(int32_t vIndex) const;  // 0 SD, 1 RD
    uint8_t FrameJis7(int32_t vIndex) const;
    uint8_t FrameTrg(int32_t vIndex) const;
    uint8_t FrameErr(int32_t vIndex) const;  // parity 1 + overrun 2 + framing 4
    // 1 CR LF, 2 character time, 3 user string, 0 none.
    int16_t FrameCut(int32_t vIndex) const;
    uint8_t FrameStatus(int32_t vIndex) const;
    int16_t FrameCutField(int32_t vIndex) const;

    // Comment 0 (left) or 1 (right). A set removes CR and LF (a comment is
    // one line of the file) and is written by the next FileWrite.
    std::string FramePostit(int vIndexN, int32_t vIndexM) const;
    void FramePostit(int vIndexN, int32_t vIndexM, std::string_view text);

    // The frame's bytes as the file holds them, unescaped, without a copy.
    std::string_view FrameBytes(int32_t vIndex) const;
    // The frame's bytes; in a PPP document with escaped bytes restored and
    // the 0x7D escapes left out (but in the last four positions).
    std::string FrameDataOrg(int32_t vIndex) const;
    // Item vIndexM of frame vIndexN: its bytes and its value.
    std::string FrameData(int32_t vIndexN, int vIndexM) const;
    double FrameDataValue(int32_t vIndexN, int vIndexM) const;
    // All items of a frame (empty outside the frames), as the two above
    // read them; valid until the next item query.
    const std::vector<DecodedItem>& FrameItems(int32_t vIndex) const;

    // Decodes vBuff (a frame's bytes) with the item walk of the frame
    // configuration file vFrameFile, whatever its mode. False when the file
    // cannot be read (SelData is then unchanged) or the bytes ran out.
    bool SelAnalysis(std::string_view vBuff, const std::string& vFrameFile);
    std::string SelData(int vIndex) const;
    double SelDataValue(int vIndex) const;

    // The frame configuration in use.
    const clsFrameConfig& FrameConfig() const { return config_; }
    bool IsPpp() const { return config_.FrameMode() == kFrameModePpp; }

    // --- header -------------------------------------------------------------
    // The path of the frame configuration read: the one the header names,
    // found as stored paths are found, or the one given to FileRead.
    const std::string& FrameFile() const { return frameFilePath_; }
    // The link table the header names, found likewise; the setter's path
    // is stored in the header unless it is where the stored one leads.
    const std::string& LinkFile() const { return linkFilePath_; }
    void LinkFile(const std::string& path);
    const std::string& SpotA() const { return header_.SpotA.Text(); }
    void SpotA(std::string_view text) { header_.SpotA = FileText::FromUtf8(text); }
    const std::string& SpotB() const { return header_.SpotB.Text(); }
    void SpotB(std::string_view text) { header_.SpotB = FileText::FromUtf8(text); }
    const FrameFileHeader& Header() const { return header_; }

    uint8_t CutMode(int vIndex) const;  // 0 to 3; 2 above 3
    int32_t Deadhead() const { return header_.cut.Deadhead; }
    const std::string& UserChar() const { return header_.cut.UserChar; }
    const std::string& PrecedFile() const { return header_.part.PrecedFile.Text(); }
    const std::string& FollowFile() const { return header_.part.FollowFile.Text(); }
    double MonitorStart() const { return header_.part.MonitorStart; }
    double MonitorStop() const { return header_.part.MonitorStop; }

    int16_t MoniMode() const { return header_.monitor.MoniMode; }
    int32_t Brate() const { return header_.monitor.Brate; }
    int16_t DataLen() const { return header_.monitor.DataLen; }
    int16_t PrtBit() const { return header_.monitor.PrtBit; }
    int16_t ErrStop() const { return header_.monitor.ErrStop; }
    int16_t MoniDrec() const { return header_.monitor.MoniDrec; }
    int16_t InterFase() const { return header_.monitor.InterFase; }
    int16_t ChrTime() const { return header_.monitor.ChrTime; }
    int16_t SelLED() const { return header_.monitor.SelLED; }
    int16_t MemMode() const { return header_.monitor.MemMode; }
    int16_t RangeDate() const { return header_.monitor.RangeDate; }
    double RangeStart() const { return header_.monitor.RangeStart; }
    double RangeStop() const { return header_.monitor.RangeStop; }
    int16_t TrgStop() const { return header_.monitor.TrgStop; }
    int16_t TrgStart() const { return header_.monitor.TrgStart; }
    // Trigger i: 0 the stop trigger, 1 the start trigger; 0 or "" otherwise.
    int16_t TrgLine(int i) const { return Trigger(i).TrgLine; }
    int16_t SdEveCnt(int i) const { return Trigger(i).SdEveCnt; }
    int16_t RdEveCnt(int i) const { return Trigger(i).RdEveCnt; }
    int32_t LenAfter(int i) const { return Trigger(i).LenAfter; }
    const std::string& SdChr(int i) const { return Trigger(i).SdChr.Text(); }
    const std::string& SdChrAtt(int i) const { return Trigger(i).SdChrAtt.Text(); }
    const std::string& RdChr(int i) const { return Trigger(i).RdChr.Text(); }
    const std::string& RdChrAtt(int i) const { return Trigger(i).RdChrAtt.Text(); }

private:
    struct Frame {
        double date = 0;
        uint64_t dataStart = 0;  // into data_; the frame ends where the next begins
        uint32_t comments = 0;   // 1-based into comments_, 0 none
        uint8_t status = 0;
        int16_t cut = 0;
    };
    using CommentPair = std::array<std::string, 2>;

    const Frame* At(int32_t vIndex) const;
    const TriggerRecord& Trigger(int i) const;
    void FrameRecordsLoad(class ByteReader& in, store::ProgressSink* progress);
    void Decode(int32_t vIndex) const;

    FrameFileHeader header_;
    std::string frameFilePath_;
    std::string linkFilePath_;
    clsFrameConfig config_;

    std::vector<Frame> frames_;
    std::string data_;
    std::vector<CommentPair> comments_;

    mutable int32_t decodedFrame_ = -1;
    mutable std::vector<DecodedItem> decoded_;
    std::vector<DecodedItem> sel_;
};

}  // namespace frames
