#include "clsProtocol.h"

#include "FrameComment.h"
#include "FrameFileWriter.h"
#include "PppDecode.h"
#include "StoredPath.h"

namespace frames {

namespace {

const TriggerRecord kNoTrigger{};
const std::vector<DecodedItem> kNoItems;
const std::array<std::string, 2> kNoComments;

constexpr int32_t kCharTimeFactor[] = {1, 10, 100, 1000, 10000};

}  // namespace

const clsProtocol::Frame* clsProtocol::At(int32_t vIndex) const {
    if (vIndex < 0 || vIndex >= FrameMax()) return nullptr;
    return &frames_[static_cast<size_t>(vIndex)];
}

const TriggerRecord& clsProtocol::Trigger(int i) const {
    if (i < 0 || i > 1) return kNoTrigger;
    return header_.monitor.trigger[static_cast<size_t>(i)];
}

double clsProtocol::FrameDate(int32_t vIndex) const {
    const Frame* f = At(vIndex);
    return f ? f->date : 0;
}

uint8_t clsProtocol::FrameStatus(int32_t vIndex) const {
    const Frame* f = At(vIndex);
    return f ? f->status : 0;
}

int16_t clsProtocol::FrameCutField(int32_t vIndex) const {
    const Frame* f = At(vIndex);
    return f ? f->cut : 0;
}

int32_t clsProtocol::FrameChrTime(int32_t vIndex) const {
    const Frame* f = At(vIndex);
    if (f == nullptr) return 0;
    const auto field = static_cast<uint16_t>(f->cut);
    const int range = (field >> 10) & 0x07;
    if (range > 4) return -1;
    return (field & 0x03FF) * kCharTimeFactor[range];
}

uint8_t clsProtocol::FrameSt(int32_t vIndex) const { return FrameStatus(vIndex) & kStatusSame; }
uint8_t clsProtocol::FrameChanel(int32_t vIndex) const { return (FrameStatus(vIndex) & kStatusRd) ? 1 : 0; }
uint8_t clsProtocol::FrameJis7(int32_t vIndex) const { return (FrameStatus(vIndex) & kStatusJis7) ? 1 : 0; }
uint8_t clsProtocol::FrameTrg(int32_t vIndex) const { return (FrameStatus(vIndex) & kStatusTrig) ? 1 : 0; }
uint8_t clsProtocol::FrameErr(int32_t vIndex) const { return (FrameStatus(vIndex) >> kStatusErrorShift) & 0x07; }

int16_t clsProtocol::FrameCut(int32_t vIndex) const {
    switch (static_cast<uint16_t>(FrameCutField(vIndex)) & kCutKindMask) {
        case kCutCrLf: return 1;
        case kCutCharTime: return 2;
        case kCutUserString: return 3;
        default: return 0;
    }
}

std::string clsProtocol::FramePostit(int vIndexN, int32_t vIndexM) const {
    const Frame* f = At(vIndexM);
    if (f == nullptr || vIndexN < 0 || vIndexN > 1 || f->comments == 0) return {};
    return CommentText(comments_[f->comments - 1][static_cast<size_t>(vIndexN)]);
}

void clsProtocol::FramePostit(int vIndexN, int32_t vIndexM, std::string_view text) {
    if (At(vIndexM) == nullptr || vIndexN < 0 || vIndexN > 1) return;
    Frame& f = frames_[static_cast<size_t>(vIndexM)];
    std::string stored = CommentStore(text);
    if (f.comments == 0) {
        if (stored.empty()) return;
        comments_.emplace_back();
        f.comments = static_cast<uint32_t>(comments_.size());
    }
    comments_[f.comments - 1][static_cast<size_t>(vIndexN)] = std::move(stored);
}

std::string_view clsProtocol::FrameBytes(int32_t vIndex) const {
    const Frame* f = At(vIndex);
    if (f == nullptr) return {};
    const size_t next = static_cast<size_t>(vIndex) + 1;
    const uint64_t end = next < frames_.size() ? frames_[next].dataStart : data_.size();
    return std::string_view(data_).substr(f->dataStart, end - f->dataStart);
}

std::string clsProtocol::FrameDataOrg(int32_t vIndex) const {
    const std::string_view bytes = FrameBytes(vIndex);
    if (!IsPpp()) return std::string(bytes);
    std::string restored;
    std::vector<DecodedItem> items;
    PppFieldsDecode(bytes, config_.ItemMax(), items, &restored);
    return PppDataOrg(restored);
}

void clsProtocol::Decode(int32_t vIndex) const {
    if (decodedFrame_ == vIndex) return;
    if (IsPpp()) {
        PppFieldsDecode(FrameBytes(vIndex), config_.ItemMax(), decoded_);
    } else {
        ItemFieldsDecode(FrameBytes(vIndex), config_, decoded_);
    }
    decodedFrame_ = vIndex;
}

const std::vector<DecodedItem>& clsProtocol::FrameItems(int32_t vIndex) const {
    if (At(vIndex) == nullptr) return kNoItems;
    Decode(vIndex);
    return decoded_;
}

std::string clsProtocol::FrameData(int32_t vIndexN, int vIndexM) const {
    const auto& items = FrameItems(vIndexN);
    if (vIndexM < 0 || static_cast<size_t>(vIndexM) >= items.size()) return {};
    return items[static_cast<size_t>(vIndexM)].text;
}

double clsProtocol::FrameDataValue(int32_t vIndexN, int vIndexM) const {
    const auto& items = FrameItems(vIndexN);
    if (vIndexM < 0 || static_cast<size_t>(vIndexM) >= items.size()) return 0;
    return items[static_cast<size_t>(vIndexM)].value;
}

bool clsProtocol::SelAnalysis(std::string_view vBuff, const std::string& vFrameFile) {
    clsFrameConfig config;
    if (!config.FrameRead(vFrameFile)) return false;
    return ItemFieldsDecode(vBuff, config, sel_);
}

std::string clsProtocol::SelData(int vIndex) const {
    if (vIndex < 0 || static_cast<size_t>(vIndex) >= sel_.size()) return {};
    return sel_[static_cast<size_t>(vIndex)].text;
}

double clsProtocol::SelDataValue(int vIndex) const {
    if (vIndex < 0 || static_cast<size_t>(vIndex) >= sel_.size()) return 0;
    return sel_[static_cast<size_t>(vIndex)].value;
}

void clsProtocol::LinkFile(const std::string& path) {
    if (path == linkFilePath_) return;
    header_.LinkFile = FileText::FromUtf8(path);
    linkFilePath_ = path;
}

uint8_t clsProtocol::CutMode(int vIndex) const {
    if (vIndex < 0) return 0;
    if (vIndex > 3) return 2;
    return header_.cut.CutMode[static_cast<size_t>(vIndex)];
}

bool clsProtocol::FileWrite(const std::string& vFileName, const FrameRowList* vclsFlt, int32_t vBegin,
                            int32_t& vEnd) const {
    const int32_t count = vclsFlt != nullptr ? vclsFlt->FilterMax() : FrameMax();
    if (vEnd == 0) vEnd = count - 1;
    if (vFileName.empty() || vBegin < 0 || vBegin >= count || vEnd < vBegin) return false;
    FrameFileWriter out(vFileName);
    if (!out.Header(header_)) return false;
    // Rows past the list would all read as frame 0.
    const int32_t last = std::min(vEnd, count - 1);
    for (int32_t i = vBegin; i <= last; ++i) {
        const int32_t n = vclsFlt != nullptr ? vclsFlt->FilterNo(i) : i;
        const Frame* f = At(n);
        if (f == nullptr) break;
        const CommentPair& c = f->comments != 0 ? comments_[f->comments - 1] : kNoComments;
        out.Frame(f->date, f->status, f->cut, c[0], c[1], FrameBytes(n));
    }
    return out.Commit();
}

}  // namespace frames
