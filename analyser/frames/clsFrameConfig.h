// A frame configuration: how the bytes of one frame divide into named
// items. Reads and writes it as a KYF file, writes the built-in PPP
// configuration, and lists the KYF files of a folder with the frame names
// stored in them.
//
// KYF file, little-endian, no padding: magic (32-bit), frame name (16-bit
// byte count + code page 932 bytes), item count (16-bit), frame mode
// (16-bit), then per item: name (as the frame name), type, size, span and
// unit (16-bit each).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FileText.h"
#include "FrameItem.h"

namespace frames {

inline constexpr int32_t kFrameModePpp = 1;

class clsFrameConfig {
public:
    const std::string& FrameName() const { return frameName_.Text(); }
    void FrameName(std::string_view name) { frameName_ = FileText::FromUtf8(name); }
    // The name as the file holds it.
    const FileText& FrameNameText() const { return frameName_; }
    // 1 PPP framing, any other value an item layout.
    int32_t FrameMode() const { return frameMode_; }
    void FrameMode(int32_t mode) { frameMode_ = mode; }

    int16_t ItemMax() const { return itemMax_; }
    // Another count (not below 0) makes that many empty items, each with
    // unit 1; the current count keeps the items.
    void ItemMax(int16_t count);

    // Item fields by 0-based index. Beyond the items a get gives name "",
    // type 2, size 0, span 0, unit 1, and a set does nothing.
    std::string ItemName(int vIndex) const { return Item(vIndex).name.Text(); }
    void ItemName(int vIndex, std::string_view name);
    int16_t ItemType(int vIndex) const { return Item(vIndex).type; }
    void ItemType(int vIndex, int16_t type);
    int16_t ItemSize(int vIndex) const { return Item(vIndex).size; }
    void ItemSize(int vIndex, int16_t size);
    int16_t ItemSpan(int vIndex) const { return Item(vIndex).span; }
    void ItemSpan(int vIndex, int16_t span);
    int16_t ItemUnit(int vIndex) const { return Item(vIndex).unit; }
    void ItemUnit(int vIndex, int16_t unit);
    // The whole item, as the decoders read it.
    const FrameItem& Item(int vIndex) const;

    // Reads a KYF file. True when its magic is right and its item count is
    // not 0; items missing from a file cut short read as empty items with
    // unit 0. False leaves everything as it was, except that a count of 0
    // makes ItemMax 0.
    bool FrameRead(const std::string& vFileName);
    // Writes the configuration with the current magic. False when nothing
    // was written (the old file then stays as it was): a name too long for
    // the file, a frame mode beyond 16 bits, a file error.
    bool FrameWrite(const std::string& vFileName) const;
    // Writes the built-in PPP configuration; this object is not touched.
    // False for an empty name or a file error.
    bool FramePPPWrite(const std::string& vFileName) const;
    // Empties the items and the folder listing.
    void FrameTblClr();

    // The folder listing: setting DirName lists every "*.kyf" of that folder
    // (extension in any case, sorted by file name) with the frame name its
    // header holds, whatever its magic.
    const std::string& DirName() const { return dirName_; }
    void DirName(const std::string& folder) {
        dirName_ = folder;
        SearchFrameName(folder);
    }
    void SearchFrameName(const std::string& vDirName);
    int16_t DirFrameNameNo() const { return static_cast<int16_t>(dirNames_.size()); }
    std::string DirFrameName(int vIndex) const;
    std::string DirFrameFilename(int vIndex) const;

    friend bool operator==(const clsFrameConfig& a, const clsFrameConfig& b) {
        return a.frameName_ == b.frameName_ && a.frameMode_ == b.frameMode_ && a.SameItems(b);
    }

private:
    FrameItem* WritableItem(int vIndex);
    bool SameItems(const clsFrameConfig& other) const;

    FileText frameName_;
    int32_t frameMode_ = 0;
    int16_t itemMax_ = 0;
    // Items 0 .. items_.size() - 1 as held; the ones after, up to ItemMax,
    // all read as unset_, so a count read from a file never sizes a list
    // the file does not hold.
    std::vector<FrameItem> items_;
    FrameItem unset_;

    std::string dirName_;
    std::vector<FileText> dirNames_;
    std::vector<std::string> dirFiles_;
};

// The KYF bytes of a configuration; false when it does not fit the format.
bool FrameConfigBytes(const clsFrameConfig& config, std::string& out);

}  // namespace frames
