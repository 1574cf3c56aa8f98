// The KY1 source of a real old history file, read through libmdb.
#pragma once

#include <memory>

#include "Ky1Source.h"
#include "MdbTable.h"

namespace store {

class MdbKy1Source final : public Ky1Source {
public:
    MdbKy1Source();
    ~MdbKy1Source() override;
    MdbKy1Source(const MdbKy1Source&) = delete;
    MdbKy1Source& operator=(const MdbKy1Source&) = delete;

    // Japanese Jet3 text decodes right only with code page 932; a value the
    // user set in the environment wins.
    static void UseJapaneseCodePage();

    bool Open(const std::string& path) override;
    void Close() override;
    std::optional<int64_t> MstCount() override;
    std::optional<Ky1Inf> InfRead() override;
    std::optional<std::array<Ky1Trg, 2>> TrgRead() override;
    bool MstBegin() override;
    Step MstNext(Ky1Mst& row) override;

private:
    MdbHandle* mdb_ = nullptr;
    std::unique_ptr<MdbTable> mst_;
};

}  // namespace store
