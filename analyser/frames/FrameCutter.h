// Cuts the characters of a history into frames. Each line direction (SD,
// RD) builds one frame at a time, by the items of a frame configuration or
// by PPP flags, and in both cases also by the cut conditions switched on:
// CR LF, a character-time gap of at least the limit, the user's byte
// string. Frames are numbered in the order of their first bytes, whichever
// direction they belong to, and gathered up to a number of frames.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FrameFileHeader.h"
#include "Ky2Source.h"
#include "clsFrameConfig.h"
#include "his/store/Progress.h"

namespace frames {

class FrameCutter {
public:
    // A frame as gathered: its bytes are Data(frame).
    struct Frame {
        double date = 0;
        uint64_t start = 0;
        uint32_t size = 0;
        uint8_t status = 0;
        int16_t cut = 0;
    };

    // Characters whose 1-based number in the source is below startCount
    // are left out. At most frameMax frames are gathered.
    FrameCutter(const clsFrameConfig& config, const CutSettings& cut, int32_t frameMax, int32_t startCount);

    // Cuts the whole source, or until the first frameMax frames are
    // complete. progress (may be null) is moved and asked for a cancel now
    // and then; false when the user cancelled.
    bool Convert(Ky2Source& source, store::ProgressSink* progress);
    // The first frameMax frames are complete; nothing later is written.
    bool Full() const { return gathered_ >= frameMax_; }

    // The frames to write, numbered 0 to Count() - 1 in the order they
    // began.
    int32_t Count() const;
    const Frame& At(int32_t n) const;
    std::string_view Data(const Frame& f) const { return std::string_view(block_).substr(f.start, f.size); }

private:
    // How the item walk treats one item of the configuration.
    struct ItemRule {
        int16_t type = kItemData;
        int16_t size = 0;
        int16_t unit = 1;
        int span = -1;         // index of the length item that counts it, -1 none
        bool covered = false;  // that length item comes before it
        int64_t laterSameSpan = 0;  // bits of the later items counted by the same length item
    };
    // One direction: the frame it builds and the state of its cutting.
    struct Line {
        int64_t number = -1;
        std::string data;
        double date = 0;
        uint8_t status = 0;
        uint16_t cut = 0;
        bool complete = false;
        int item = 0;
        int bitOffset = 0;
        int64_t bitsLeft = 0;
        double value = 0;
        std::vector<int64_t> spanLeft;  // per item: bits its length still covers
        bool flagSeen = false;          // PPP: the opening flag is in
        // Kept from one frame to the next.
        uint8_t lastByte = 0;
        std::string window;
    };
    // What a character may have to be taken back from.
    struct Before {
        size_t size;
        uint8_t status;
        uint16_t cut;
        uint8_t lastByte;
    };

    void Take(const SourceChar& c);
    // At the end of the source: the frames still open are gathered too.
    void Finish();
    void ItemByteAdd(Line& l, const SourceChar& c);
    void PppByteAdd(Line& l, const SourceChar& c);
    int64_t ItemBits(const Line& l, const ItemRule& item) const;
    // The item in progress goes on over the next byte: it is no length
    // and nothing has used up the length that counts it.
    bool ItemRunsOn(const Line& l) const;
    void ByteAdd(Line& l, const SourceChar& c);
    // Whether a cut condition ends the frame at this character; at once
    // false when none is switched on, the usual case, small enough to be
    // inlined into the per-character loops.
    bool CutCheck(Line& l, const SourceChar& c, const Before& before) {
        return anyCut_ && CutConditions(l, c, before);
    }
    bool CutConditions(Line& l, const SourceChar& c, const Before& before);
    bool GapReached(uint16_t timeField) const;
    void Gather(Line& l);
    void Reset(Line& l) const;

    std::vector<ItemRule> items_;
    bool ppp_;
    std::array<uint8_t, 5> cutMode_;
    bool anyCut_;  // a cut condition (1 to 3) is switched on
    int32_t deadhead_;
    std::string userChar_;
    int32_t frameMax_;
    int64_t startCount_;

    std::array<Line, 2> lines_;
    int64_t counted_ = 0;
    int64_t started_ = 0;
    int32_t gathered_ = 0;
    bool held_ = false;
    std::vector<Frame> frames_;
    std::string block_;
};

}  // namespace frames
