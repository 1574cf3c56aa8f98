#include "clsAnalysis.h"

#include <sys/stat.h>

#include <algorithm>
#include <limits>
#include <new>

#include "FrameCutter.h"
#include "FrameFileWriter.h"
#include "Ky2Source.h"
#include "clsFrameConfig.h"

namespace frames {

namespace {

// Characters converted between two looks at the cancel button, the bar and
// the window system: a few times per batch of frames, never per byte.
constexpr uint32_t kPollMask = 4096 - 1;

constexpr size_t kUserCharMax = 10;

int32_t ProgressValue(int64_t bytes) {
    return static_cast<int32_t>(std::min<int64_t>(bytes, std::numeric_limits<int32_t>::max()));
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Runs the source through the cutter; false when the user cancelled.
bool ConvertLoop(Ky2Source& source, FrameCutter& cutter, store::ProgressSink* progress) {
    SourceChar c;
    for (uint32_t n = 1;; ++n) {
        if (progress != nullptr && (n & kPollMask) == 0) {
            progress->PosValue(ProgressValue(source.Position()));
            progress->Yield();
            if (progress->Cancel()) return false;
        }
        if (!source.Next(c)) {
            cutter.Finish();
            return true;
        }
        cutter.Take(c);
        if (cutter.Full()) return true;
    }
}

bool FramesWrite(const std::string& path, const FrameFileHeader& header, const FrameCutter& cutter) {
    FrameFileWriter out(path);
    if (!out.Header(header)) return false;
    for (int32_t n = 0; n < cutter.Count(); ++n) {
        const FrameCutter::Frame& f = cutter.At(n);
        out.Frame(f.date, f.status, f.cut, {}, {}, cutter.Data(f));
    }
    return out.Commit();
}

}  // namespace

uint8_t clsAnalysis::CutMode(int vIndex) const {
    if (vIndex < 0) return 0;
    if (vIndex > 3) return 2;
    return cut_.CutMode[static_cast<size_t>(vIndex)];
}

void clsAnalysis::CutMode(int vIndex, uint8_t value) {
    if (vIndex < 0 || vIndex > 3) return;
    cut_.CutMode[static_cast<size_t>(vIndex)] = value;
}

void clsAnalysis::UserChar(std::string_view bytes) {
    if (bytes.size() <= kUserCharMax) cut_.UserChar = std::string(bytes);
}

void clsAnalysis::FrameMax(int32_t value) {
    if (value >= 0) frameMax_ = value;
}

bool clsAnalysis::ProtocolConv(const std::string& vReadFile, const std::string& vWriteFile,
                               const std::string& vFrameFile, const std::string& vLinkFile, int32_t vStartCnt,
                               store::ProgressSink* progress) const {
    clsFrameConfig config;
    if (!config.FrameRead(vFrameFile)) return false;
    Ky2Source source;
    if (!source.Open(vReadFile) || vWriteFile.empty() || SameFile(vReadFile, vWriteFile)) return false;

    if (progress != nullptr) progress->Show(ProgressValue(source.Length()), "ファイルの変換");
    bool ok = false;
    try {
        FrameFileHeader header;
        header.FrameFile = FileText::FromUtf8(vFrameFile);
        header.LinkFile = FileText::FromUtf8(vLinkFile);
        header.cut = cut_;
        source.HeaderRead(header.part, header.monitor);
        FrameCutter cutter(config, cut_, frameMax_, vStartCnt);
        ok = ConvertLoop(source, cutter, progress) && !source.Failed() &&
             !SameFile(source.FollowPart(), vWriteFile) && FramesWrite(vWriteFile, header, cutter);
    } catch (const std::bad_alloc&) {
        ok = false;  // a source too large to hold as frames: nothing is written
    }
    if (progress != nullptr) progress->Clear();
    return ok;
}

}  // namespace frames
