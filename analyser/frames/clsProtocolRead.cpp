// Loading a KYP file into a clsProtocol.
#include <algorithm>
#include <limits>
#include <new>

#include "ByteReader.h"
#include "StoredPath.h"
#include "clsProtocol.h"

namespace frames {

namespace {

// The progress bar counts in 32 bits; longer files are shown scaled.
int ProgressShift(int64_t length) {
    int shift = 0;
    while ((length >> shift) > std::numeric_limits<int32_t>::max()) ++shift;
    return shift;
}

// How far the file is read between two moves of the bar and two turns of
// the window system: often enough for a prompt cancel, seldom enough not
// to slow a long load.
constexpr int64_t kProgressStep = 16 * 1024;

}  // namespace

int16_t clsProtocol::FileRead(const std::string& vFileName, const std::string& vFrameFile,
                              store::ProgressSink* progress) {
    if (!IsRegularFile(vFileName)) return kReadNoFrameFile;
    ByteReader in(vFileName);
    FrameFileHeader header;
    if (!in.IsOpen() || !FrameHeaderRead(in, header)) return kReadNoFrameFile;

    std::string configPath = vFrameFile;
    if (vFrameFile.empty()) {
        configPath = ResolveStoredPath(header.FrameFile.Text(), vFileName);
    } else {
        header.FrameFile = FileText::FromUtf8(vFrameFile);
    }
    clsFrameConfig config;
    if (!config.FrameRead(configPath)) return kReadNoConfig;

    // The frames go into a document of their own, which replaces this one
    // once it holds them all: a file too large for memory leaves this one
    // as it was.
    clsProtocol loaded;
    loaded.linkFilePath_ = ResolveStoredPath(header.LinkFile.Text(), vFileName);
    loaded.header_ = std::move(header);
    loaded.frameFilePath_ = std::move(configPath);
    loaded.config_ = std::move(config);
    if (progress != nullptr) {
        progress->Show(static_cast<int32_t>(in.Length() >> ProgressShift(in.Length())), "ファイルの読込");
    }
    bool held = true;
    try {
        loaded.FrameRecordsLoad(in, progress);
    } catch (const std::bad_alloc&) {
        held = false;
    }
    if (progress != nullptr) progress->Clear();
    if (!held) return kReadNoFrameFile;
    loaded.sel_ = std::move(sel_);  // the last SelAnalysis is no part of the file
    *this = std::move(loaded);
    return kReadDone;
}

void clsProtocol::FrameRecordsLoad(ByteReader& in, store::ProgressSink* progress) {
    const int shift = ProgressShift(in.Length());
    int64_t shown = in.Position();
    std::string line;
    CommentPair comments;
    while (!(progress != nullptr && progress->Cancel()) && in.Remaining() >= kFrameRecordMinRest) {
        Frame f;
        in.F64(f.date);
        in.U8(f.status);
        in.I16(f.cut);
        in.Line(comments[0]);
        in.Line(comments[1]);
        in.Line(line);
        f.dataStart = data_.size();
        DleRemoveAppend(data_, line);
        if (!comments[0].empty() || !comments[1].empty()) {
            comments_.push_back(std::move(comments));
            comments = {};
            f.comments = static_cast<uint32_t>(comments_.size());
        }
        frames_.push_back(f);
        if (progress != nullptr && in.Position() - shown >= kProgressStep) {
            shown = in.Position();
            progress->PosValue(static_cast<int32_t>(shown >> shift));
            progress->Yield();
        }
    }
    // What the vectors grew into beyond what they hold is memory the
    // document would keep for as long as the file is open.
    frames_.shrink_to_fit();
    data_.shrink_to_fit();
    comments_.shrink_to_fit();
}

}  // namespace frames
