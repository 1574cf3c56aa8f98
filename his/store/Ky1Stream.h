// The reads of one KY1 conversion as a byte stream: how the reader process
// hands the tables of an old history database to the viewer.
//
// The stream is a series of messages, one per read and one per row, in the
// order the converter makes its reads: open, the MstTable row count,
// InfTable, TrgTable, the start of MstTable, then its rows and its end.
// Each message is a tag byte and fixed fields: numbers little-endian,
// yes/no values as one byte 0 or 1, texts as a 32-bit length and UTF-8
// bytes. The reader of the stream trusts none of it: a message out of
// order, a field out of range or a stream cut short is a failed read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "Ky1Source.h"

namespace store {

// The longest text a message may carry; the old tables hold short texts.
inline constexpr uint32_t kKy1StreamTextLimit = 65536;

// Runs the reads of a conversion of path on source and writes them as the
// stream. flush receives the bytes collected so far (every few thousand
// rows, and at the end) and empties them; it returns false when the
// stream cannot go on, which ends the serving.
void Ky1StreamServe(Ky1Source& source, const std::string& path,
                    const std::function<bool(std::string& bytes)>& flush);

// Where the stream's bytes come from.
class Ky1StreamInput {
public:
    virtual ~Ky1StreamInput() = default;
    // Fills n bytes; false when the stream ended or failed first.
    virtual bool Read(char* into, size_t n) = 0;
};

// The source a stream describes. Each read takes the message it expects;
// anything else breaks the stream, and every read after that fails.
// MstTable can be started once only. More rows than rowLimit break the
// stream too, and a row count above it reads as no count: a file of n
// bytes cannot hold more than a known number of rows, so a stream that
// claims more is describing damage.
class Ky1StreamSource final : public Ky1Source {
public:
    explicit Ky1StreamSource(Ky1StreamInput& in,
                             int64_t rowLimit = std::numeric_limits<int64_t>::max())
        : in_(in), rowLimit_(rowLimit) {}

    // The path is where the stream came from; the stream alone decides.
    bool Open(const std::string& path) override;
    void Close() override {}
    std::optional<int64_t> MstCount() override;
    std::optional<Ky1Inf> InfRead() override;
    std::optional<std::array<Ky1Trg, 2>> TrgRead() override;
    bool MstBegin() override;
    Step MstNext(Ky1Mst& row) override;

    bool Broken() const { return broken_; }
    // The rows were read to the stream's end mark.
    bool Ended() const { return ended_ && !broken_; }

private:
    bool Tag(char expected);
    bool Bool(bool& out);
    bool Text(std::string& out);
    template <typename T>
    bool Number(T& out);
    bool InfFields(Ky1Inf& inf);
    bool TrgFields(Ky1Trg& trg);
    bool MstFields(Ky1Mst& row);
    // Reads the presence byte of an optional message.
    std::optional<bool> Present(char tag);

    Ky1StreamInput& in_;
    int64_t rowLimit_;
    int64_t rows_ = 0;
    bool broken_ = false;
    bool begun_ = false;
    bool ended_ = false;
};

}  // namespace store
