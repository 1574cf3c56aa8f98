#include "clsFrameConfig.h"

#include <limits>

#include "ByteReader.h"
#include "ByteWriter.h"
#include "FrameFileHeader.h"
#include "StoredPath.h"
#include "platform/file/AtomicFile.h"

namespace frames {

namespace {

// What a get beyond the items answers.
const FrameItem kBeyondItems{};

// The listing counts in 16 bits.
constexpr size_t kMaxListed = std::numeric_limits<int16_t>::max();

FrameItem EmptyItem(int16_t unit) {
    FrameItem item;
    item.type = kItemCode;
    item.unit = unit;
    return item;
}

bool ItemRead(ByteReader& in, FrameItem& item) {
    std::string name;
    FrameItem read;
    if (!in.Text(name) || !in.I16(read.type) || !in.I16(read.size) || !in.I16(read.span) ||
        !in.I16(read.unit)) {
        return false;
    }
    read.name = FileText::FromStored(std::move(name));
    item = std::move(read);
    return true;
}

bool ItemWrite(ByteWriter& w, const FrameItem& item) {
    if (!w.Text(item.name.Stored())) return false;
    w.I16(item.type);
    w.I16(item.size);
    w.I16(item.span);
    w.I16(item.unit);
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    platform::AtomicFile file(path);
    file.Write(bytes);
    return file.Commit();
}

// The built-in PPP configuration: flag, address, control, protocol,
// information (variable), FCS, flag.
clsFrameConfig PppConfig() {
    struct Row {
        const char* name;
        int16_t type;
        int16_t size;
    };
    static constexpr Row kRows[] = {
        {"フラグ", kItemData, 8},      {"アドレス", kItemData, 8}, {"制御", kItemData, 8},
        {"プロトコル", kItemCode, 16}, {"情報", kItemData, 0},     {"ＦＣＳ", kItemData, 16},
        {"フラグ", kItemData, 8},
    };
    clsFrameConfig ppp;
    ppp.FrameName("ＰＰＰプロトコル");
    ppp.FrameMode(kFrameModePpp);
    ppp.ItemMax(static_cast<int16_t>(std::size(kRows)));
    for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
        ppp.ItemName(i, kRows[i].name);
        ppp.ItemType(i, kRows[i].type);
        ppp.ItemSize(i, kRows[i].size);
        ppp.ItemSpan(i, 0);
        ppp.ItemUnit(i, 1);
    }
    return ppp;
}

}  // namespace

void clsFrameConfig::ItemMax(int16_t count) {
    if (count < 0 || count == itemMax_) return;
    itemMax_ = count;
    items_.clear();
    unset_ = EmptyItem(1);
}

const FrameItem& clsFrameConfig::Item(int vIndex) const {
    if (vIndex < 0 || vIndex >= itemMax_) return kBeyondItems;
    const auto at = static_cast<size_t>(vIndex);
    return at < items_.size() ? items_[at] : unset_;
}

FrameItem* clsFrameConfig::WritableItem(int vIndex) {
    if (vIndex < 0 || vIndex >= itemMax_) return nullptr;
    const auto at = static_cast<size_t>(vIndex);
    if (at >= items_.size()) items_.resize(at + 1, unset_);
    return &items_[at];
}

void clsFrameConfig::ItemName(int vIndex, std::string_view name) {
    if (FrameItem* item = WritableItem(vIndex)) item->name = FileText::FromUtf8(name);
}
void clsFrameConfig::ItemType(int vIndex, int16_t type) {
    if (FrameItem* item = WritableItem(vIndex)) item->type = type;
}
void clsFrameConfig::ItemSize(int vIndex, int16_t size) {
    if (FrameItem* item = WritableItem(vIndex)) item->size = size;
}
void clsFrameConfig::ItemSpan(int vIndex, int16_t span) {
    if (FrameItem* item = WritableItem(vIndex)) item->span = span;
}
void clsFrameConfig::ItemUnit(int vIndex, int16_t unit) {
    if (FrameItem* item = WritableItem(vIndex)) item->unit = unit;
}

bool clsFrameConfig::SameItems(const clsFrameConfig& other) const {
    if (itemMax_ != other.itemMax_) return false;
    for (int i = 0; i < itemMax_; ++i) {
        if (!(Item(i) == other.Item(i))) return false;
    }
    return true;
}

bool clsFrameConfig::FrameRead(const std::string& vFileName) {
    ByteReader in(vFileName);
    if (!in.IsOpen()) return false;
    uint32_t magic = 0;
    std::string name;
    int16_t count = 0;
    int16_t mode = 0;
    if (!in.U32(magic) || !IsFrameMagic(magic) || !in.Text(name) || !in.I16(count) || !in.I16(mode)) {
        return false;
    }
    if (count == 0) {
        itemMax_ = 0;
        items_.clear();
        return false;
    }
    if (count < 0) return false;
    frameName_ = FileText::FromStored(std::move(name));
    frameMode_ = mode;
    itemMax_ = count;
    unset_ = EmptyItem(0);
    // Only whole items count; a record cut short is left out with all
    // that would follow it.
    items_.clear();
    FrameItem item;
    while (items_.size() < static_cast<size_t>(count) && ItemRead(in, item)) items_.push_back(std::move(item));
    return true;
}

bool FrameConfigBytes(const clsFrameConfig& config, std::string& out) {
    if (config.FrameMode() < std::numeric_limits<int16_t>::min() ||
        config.FrameMode() > std::numeric_limits<int16_t>::max()) {
        return false;
    }
    ByteWriter w(out);
    w.U32(kFrameMagic);
    if (!w.Text(config.FrameNameText().Stored())) return false;
    w.I16(config.ItemMax());
    w.I16(static_cast<int16_t>(config.FrameMode()));
    for (int i = 0; i < config.ItemMax(); ++i) {
        if (!ItemWrite(w, config.Item(i))) return false;
    }
    return true;
}

bool clsFrameConfig::FrameWrite(const std::string& vFileName) const {
    std::string bytes;
    return FrameConfigBytes(*this, bytes) && WriteFile(vFileName, bytes);
}

bool clsFrameConfig::FramePPPWrite(const std::string& vFileName) const {
    if (vFileName.empty()) return false;
    return PppConfig().FrameWrite(vFileName);
}

void clsFrameConfig::FrameTblClr() {
    items_.clear();
    itemMax_ = 0;
    dirName_.clear();
    dirNames_.clear();
    dirFiles_.clear();
}

void clsFrameConfig::SearchFrameName(const std::string& vDirName) {
    dirNames_.clear();
    dirFiles_.clear();
    for (const std::string& file : FolderFiles(vDirName, ".kyf")) {
        if (dirNames_.size() >= kMaxListed) break;
        const std::string path = JoinPath(vDirName, file);
        // Whatever the first bytes give: a file that is no configuration
        // lists with the name they happen to hold.
        ByteReader in(path);
        uint32_t magic = 0;
        uint16_t length = 0;
        std::string name;
        if (in.U32(magic) && in.U16(length)) in.Take(name, length);
        dirNames_.push_back(FileText::FromStored(std::move(name)));
        dirFiles_.push_back(path);
    }
}

std::string clsFrameConfig::DirFrameName(int vIndex) const {
    if (vIndex < 0 || static_cast<size_t>(vIndex) >= dirNames_.size()) return {};
    return dirNames_[static_cast<size_t>(vIndex)].Text();
}

std::string clsFrameConfig::DirFrameFilename(int vIndex) const {
    if (vIndex < 0 || static_cast<size_t>(vIndex) >= dirFiles_.size()) return {};
    return dirFiles_[static_cast<size_t>(vIndex)];
}

}  // namespace frames
