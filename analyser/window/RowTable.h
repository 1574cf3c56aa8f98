// What the chart shows of each frame: its caption, arrow, line colour and
// two comments. The table is built for a whole document at once but holds
// nothing per frame: an entry is made from the document (or the joined
// link table) when a row is drawn, and the few entries of the pages in
// view are kept, so opening a million frames costs no more than a hundred.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "FrameCaption.h"

namespace analyser {

// The window-text system colour: lines of rows that no link table names.
inline constexpr uint32_t kSysWindowText = 0x80000008;

// Direction of a row's arrow.
inline constexpr int16_t kDirNone = 0;
inline constexpr int16_t kDirRight = 1;  // send data
inline constexpr int16_t kDirLeft = 2;   // receive data

// What the table reads of the open document.
class RowTableSource {
public:
    virtual ~RowTableSource() = default;
    virtual int32_t FrameCount() const = 0;
    // All bytes of a frame (FrameDataOrg).
    virtual std::string FrameBytes(int32_t frame) const = 0;
    // 0 send data, 1 receive data (FrameChanel).
    virtual uint8_t FrameLine(int32_t frame) const = 0;
    // Comment side (0 left, 1 right) of a frame (FramePostit).
    virtual std::string Comment(int side, int32_t frame) const = 0;
};

// A link table joined to the document: the name, arrow and colour of the
// first link row that matches a frame; "", 0 and 0 when none matches.
struct LinkRowInfo {
    std::string Name;
    int32_t Direction = 0;
    uint32_t Colour = 0;
};

class FrameNamer {
public:
    virtual ~FrameNamer() = default;
    virtual LinkRowInfo Row(int32_t frame) const = 0;
};

struct RowEntry {
    std::string Caption;
    int16_t Direction = kDirNone;
    uint32_t Colour = 0;
};

class RowTable {
public:
    // Builds the table anew for source. With a namer the link table names
    // the rows; without one each row shows its bytes in code, with the
    // arrow of its line and the window-text colour.
    void Reset(const RowTableSource* source, std::unique_ptr<FrameNamer> namer,
               FrameViewCode code);
    // Makes the captions again in another code, keeping the document; a
    // joined link table is dropped.
    void Recaption(FrameViewCode code);
    // No document: every entry is empty.
    void Clear();

    int32_t FrameCount() const { return count_; }
    bool Linked() const { return namer_ != nullptr; }
    FrameViewCode Code() const { return code_; }

    // The entry of a frame; the empty entry for a frame outside the
    // document.
    RowEntry Entry(int32_t frame) const;
    // Comments are read from the document each time, so an edited
    // comment shows at once.
    std::string CommentL(int32_t frame) const;
    std::string CommentR(int32_t frame) const;

    // Entries kept before the cache starts over.
    static constexpr size_t kCacheLimit = 4096;

private:
    RowEntry Make(int32_t frame) const;
    bool Holds(int32_t frame) const { return source_ && frame >= 0 && frame < count_; }

    const RowTableSource* source_ = nullptr;
    std::unique_ptr<FrameNamer> namer_;
    FrameViewCode code_ = FrameViewCode::Hex;
    int32_t count_ = 0;
    mutable std::unordered_map<int32_t, RowEntry> cache_;
};

}  // namespace analyser
