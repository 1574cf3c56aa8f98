// Writes a KYP frame file: the header, then frame records, all through the
// atomic file writer, so an existing file of that name stays whole until
// the new one is complete.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FrameFileHeader.h"
#include "FrameRecord.h"
#include "platform/file/AtomicFile.h"

namespace frames {

class FrameFileWriter {
public:
    explicit FrameFileWriter(std::string path);

    // Call once, first: the file is begun only with a header that fits
    // it. False when a header text is too long for the file; the writer
    // then fails as a whole and touches nothing.
    bool Header(const FrameFileHeader& header);
    void Frame(double date, uint8_t status, int16_t cut, std::string_view comment0,
               std::string_view comment1, std::string_view data);
    void Frame(const FrameRecord& r) { Frame(r.date, r.status, r.cut, r.comment[0], r.comment[1], r.data); }

    // True when the file now holds exactly what was given; false keeps the
    // old file.
    bool Commit();
    // The errno of the first failure, 0 while all is well.
    int error() const { return file_ ? file_->error() : 0; }

private:
    void Flush();

    std::string path_;
    std::optional<platform::AtomicFile> file_;
    std::string pending_;
};

}  // namespace frames
