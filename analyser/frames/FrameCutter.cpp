#include "FrameCutter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "FrameRecord.h"
#include "his/store/Ky2Format.h"

namespace frames {

namespace {

// A variable item that no length item counts runs until a cut condition
// ends the frame, at most this many bits.
constexpr int64_t kOpenItemBits = 480000;
// A length value can be as large as a double gets; no frame is that long.
constexpr double kMaxCoveredBits = 1e15;

// Flags of later bytes that a frame's status takes in.
constexpr uint8_t kMergedFlags =
    store::kAttrSame | store::kAttrTrig | store::kAttrParity | store::kAttrOver | store::kAttrFlam;

constexpr int32_t kTimeFactor[] = {1, 10, 100, 1000, 10000};

// Characters cut between two looks at the cancel button, the bar and the
// window system: a few times per batch of frames, never per byte.
constexpr uint32_t kPollMask = 4096 - 1;

const FrameCutter::Frame kNoFrame{};

int64_t CoveredBits(double value, int16_t unit) {
    const double bits = 8.0 * unit * value;
    if (!(bits == bits)) return 0;
    return static_cast<int64_t>(std::clamp(bits, -kMaxCoveredBits, kMaxCoveredBits));
}

}  // namespace

FrameCutter::FrameCutter(const clsFrameConfig& config, const CutSettings& cut, int32_t frameMax,
                         int32_t startCount)
    : ppp_(config.FrameMode() == kFrameModePpp),
      cutMode_(cut.CutMode),
      anyCut_(cutMode_[1] == 1 || cutMode_[2] == 1 || cutMode_[3] == 1),
      deadhead_(cut.Deadhead),
      userChar_(cut.UserChar),
      frameMax_(std::max(frameMax, 0)),
      startCount_(startCount) {
    const int n = std::max<int>(config.ItemMax(), 0);
    items_.resize(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        const FrameItem& item = config.Item(k);
        ItemRule& r = items_[static_cast<size_t>(k)];
        r.type = item.type;
        r.size = item.size;
        r.unit = item.unit;
        if (item.span >= 1 && item.span <= n) {
            r.span = item.span - 1;
            r.covered = r.span < k;
        }
    }
    for (int k = 0; k < n; ++k) {
        ItemRule& r = items_[static_cast<size_t>(k)];
        if (r.span < 0) continue;
        for (int i = k + 1; i < n; ++i) {
            const ItemRule& later = items_[static_cast<size_t>(i)];
            if (later.span == r.span) r.laterSameSpan += std::max<int16_t>(later.size, 0);
        }
    }
    for (Line& l : lines_) l.spanLeft.assign(items_.size(), 0);
}

bool FrameCutter::Convert(Ky2Source& source, store::ProgressSink* progress) {
    SourceChar c;
    for (uint32_t n = 1;; ++n) {
        if (progress != nullptr && (n & kPollMask) == 0) {
            progress->PosValue(static_cast<int32_t>(std::min<int64_t>(source.Position(), std::numeric_limits<int32_t>::max())));
            progress->Yield();
            if (progress->Cancel()) return false;
        }
        if (!source.Next(c)) {
            Finish();
            return true;
        }
        Take(c);
        if (Full()) return true;
    }
}

inline void FrameCutter::Take(const SourceChar& c) {
    if (++counted_ < startCount_) return;
    Line& line = lines_[(c.attr & store::kAttrRd) ? 1 : 0];
    // A character held back begins the next frame of its direction, which
    // always takes it: a second round never holds it again.
    for (int round = 0; round < 2 && !Full(); ++round) {
        held_ = false;
        if (ppp_) {
            PppByteAdd(line, c);
        } else {
            ItemByteAdd(line, c);
        }
        if (line.complete) Gather(line);
        if (!held_) break;
    }
}

void FrameCutter::Finish() {
    for (Line& l : lines_) {
        if (!l.data.empty()) Gather(l);
    }
}

int32_t FrameCutter::Count() const { return static_cast<int32_t>(std::min<int64_t>(started_, frameMax_)); }

const FrameCutter::Frame& FrameCutter::At(int32_t n) const {
    if (n < 0 || static_cast<size_t>(n) >= frames_.size()) return kNoFrame;
    return frames_[static_cast<size_t>(n)];
}

inline void FrameCutter::ByteAdd(Line& l, const SourceChar& c) {
    if (l.data.empty()) {
        l.number = started_++;
        l.date = c.date;
        l.status = c.attr;
        l.cut = c.timeField & 0x1FFF;
    } else {
        l.status |= c.attr & kMergedFlags;
    }
    l.data.push_back(static_cast<char>(c.data));
}

inline bool FrameCutter::ItemRunsOn(const Line& l) const {
    const ItemRule& r = items_[static_cast<size_t>(l.item)];
    return r.type != kItemLength && (!r.covered || l.spanLeft[static_cast<size_t>(r.span)] > 0);
}

inline int64_t FrameCutter::ItemBits(const Line& l, const ItemRule& item) const {
    if (item.size < 0) return 0;
    if (item.size > 0) return item.size;
    if (item.span < 0) return kOpenItemBits;
    return std::max<int64_t>(l.spanLeft[static_cast<size_t>(item.span)] - item.laterSameSpan, 0);
}

// The byte's bits go to the items from the most significant end; an item
// may end inside the byte and the next one begin there.
inline void FrameCutter::ItemByteAdd(Line& l, const SourceChar& c) {
    const Before before{l.data.size(), l.status, l.cut, l.lastByte};
    const int n = static_cast<int>(items_.size());
    if (l.bitsLeft > 8 && l.bitOffset == 0 && ItemRunsOn(l)) {
        // The common case, inside a long item: the whole byte is its.
        const ItemRule& r = items_[static_cast<size_t>(l.item)];
        ByteAdd(l, c);
        l.bitsLeft -= 8;
        if (r.span >= 0) l.spanLeft[static_cast<size_t>(r.span)] -= 8;
        if (CutCheck(l, c, before)) l.complete = true;
        return;
    }
    bool added = false;
    while (true) {
        // Items counted by a length that is used up take nothing.
        while (l.item < n) {
            const ItemRule& r = items_[static_cast<size_t>(l.item)];
            if (!r.covered || l.spanLeft[static_cast<size_t>(r.span)] > 0) break;
            ++l.item;
            l.bitsLeft = 0;
        }
        if (l.item >= n) {
            if (added) break;
            // A layout that takes no bit at all: the byte is a frame of
            // its own rather than being held back for ever.
            if (l.data.empty()) {
                ByteAdd(l, c);
                break;
            }
            // The layout is used up: the byte begins the next frame.
            l.complete = true;
            held_ = true;
            return;
        }
        const ItemRule& r = items_[static_cast<size_t>(l.item)];
        if (l.bitsLeft == 0) {
            l.bitsLeft = ItemBits(l, r);
            l.value = 0;
            if (l.bitsLeft == 0) {
                ++l.item;
                continue;
            }
        }
        if (!added) {
            ByteAdd(l, c);
            added = true;
        }
        const int avail = 8 - l.bitOffset;
        const int take = static_cast<int>(std::min<int64_t>(l.bitsLeft, avail));
        if (r.type == kItemLength) {
            const unsigned bits = (static_cast<unsigned>(c.data) >> (avail - take)) & ((1u << take) - 1);
            l.value = l.value * static_cast<double>(1u << take) + bits;
        }
        if (l.bitsLeft > avail) {
            l.bitsLeft -= avail;
            if (r.span >= 0) l.spanLeft[static_cast<size_t>(r.span)] -= avail;
            l.bitOffset = 0;
            break;
        }
        if (r.span >= 0) l.spanLeft[static_cast<size_t>(r.span)] -= take;
        if (r.type == kItemLength) l.spanLeft[static_cast<size_t>(l.item)] = CoveredBits(l.value, r.unit);
        l.bitOffset = (l.bitOffset + take) % 8;
        l.bitsLeft = 0;
        ++l.item;
        if (l.bitOffset == 0) break;
    }
    if (l.item >= n || CutCheck(l, c, before)) l.complete = true;
}

// A frame begins with whatever byte comes first and ends with its second
// flag byte 0x7E.
inline void FrameCutter::PppByteAdd(Line& l, const SourceChar& c) {
    const Before before{l.data.size(), l.status, l.cut, l.lastByte};
    ByteAdd(l, c);
    if (c.data == 0x7E) {
        if (l.flagSeen) {
            l.flagSeen = false;
            l.complete = true;
            return;
        }
        l.flagSeen = true;
    }
    if (CutCheck(l, c, before)) {
        l.flagSeen = false;
        l.complete = true;
    }
}

// Range 5 is the unit's mark of a gap too long to measure: it counts as
// a gap at any limit. Ranges 6 and 7 carry no time and decode to 0.
inline bool FrameCutter::GapReached(uint16_t timeField) const {
    const int range = (timeField >> 10) & 0x07;
    if (range == store::kCharTimeTooLong) return true;
    const int32_t time = range < store::kCharTimeTooLong
                             ? static_cast<int32_t>(timeField & 0x03FF) * kTimeFactor[range]
                             : 0;
    return time >= deadhead_;
}

// Out of line: the per-character loops stay small when no condition is on.
bool FrameCutter::CutConditions(Line& l, const SourceChar& c, const Before& before) {
    bool fired = false;
    if (cutMode_[1] == 1) {
        if (l.lastByte == 0x0D && c.data == 0x0A) {
            l.cut |= kCutCrLf;
            fired = true;
        }
        l.lastByte = c.data;
    }
    if (cutMode_[2] == 1 && before.size > 0 && GapReached(c.timeField)) {
        // The character begins the next frame: this one ends as it was
        // before the character came.
        l.data.resize(before.size);
        l.status = before.status;
        l.cut = before.cut | kCutCharTime;
        l.lastByte = before.lastByte;
        held_ = true;
        return true;
    }
    // The window keeps as many bytes as the string has: with an empty
    // string it is always empty and equal to it, so every byte ends a frame.
    if (cutMode_[3] == 1) {
        l.window.push_back(static_cast<char>(c.data));
        if (l.window.size() > userChar_.size()) l.window.erase(0, 1);
        if (l.window == userChar_) {
            l.cut |= kCutUserString;
            fired = true;
        }
    }
    return fired;
}

void FrameCutter::Gather(Line& l) {
    if (l.number >= 0 && l.number < frameMax_) {
        const auto n = static_cast<size_t>(l.number);
        if (frames_.size() <= n) frames_.resize(n + 1);
        frames_[n] = Frame{l.date, block_.size(), static_cast<uint32_t>(l.data.size()), l.status,
                           static_cast<int16_t>(l.cut)};
        block_.append(l.data);
        ++gathered_;
    }
    Reset(l);
}

void FrameCutter::Reset(Line& l) const {
    l.number = -1;
    l.data.clear();
    l.date = 0;
    l.status = 0;
    l.cut = 0;
    l.complete = false;
    l.item = 0;
    l.bitOffset = 0;
    l.bitsLeft = 0;
    l.value = 0;
    std::fill(l.spanLeft.begin(), l.spanLeft.end(), 0);
    l.flagSeen = false;
}

}  // namespace frames
