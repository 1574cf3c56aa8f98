#include "FrameFileWriter.h"

namespace frames {

namespace {

constexpr size_t kFlushSize = 1 << 16;

}  // namespace

FrameFileWriter::FrameFileWriter(std::string path) : path_(std::move(path)) {}

bool FrameFileWriter::Header(const FrameFileHeader& header) {
    std::string bytes;
    if (file_ || !FrameHeaderWrite(bytes, header)) return false;
    file_.emplace(path_);
    pending_ = std::move(bytes);
    return true;
}

void FrameFileWriter::Frame(double date, uint8_t status, int16_t cut, std::string_view comment0,
                            std::string_view comment1, std::string_view data) {
    if (!file_) return;
    FrameRecordAppend(pending_, date, status, cut, comment0, comment1, data);
    if (pending_.size() >= kFlushSize) Flush();
}

void FrameFileWriter::Flush() {
    file_->Write(pending_);
    pending_.clear();
}

bool FrameFileWriter::Commit() {
    if (!file_) return false;
    Flush();
    return file_->Commit();
}

}  // namespace frames
