#include "MdbKy1Source.h"

#include <cstdlib>
#include <vector>

#include "MdbKy1Row.h"

namespace store {

MdbKy1Source::MdbKy1Source() = default;

MdbKy1Source::~MdbKy1Source() { Close(); }

void MdbKy1Source::UseJapaneseCodePage() { ::setenv("MDB_JET3_CHARSET", "CP932", 0); }

bool MdbKy1Source::Open(const std::string& path) {
    Close();
    UseJapaneseCodePage();
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    mdb_ = mdb_open(name.data(), MDB_NOFLAGS);
    if (!mdb_) return false;
    if (!mdb_read_catalog(mdb_, MDB_TABLE)) {
        Close();
        return false;
    }
    return true;
}

void MdbKy1Source::Close() {
    mst_.reset();
    if (mdb_) mdb_close(mdb_);
    mdb_ = nullptr;
}

std::optional<int64_t> MdbKy1Source::MstCount() {
    const MdbTable t(mdb_, "MstTable");
    if (!t.Ok()) return std::nullopt;
    return t.RowCount();
}

std::optional<Ky1Inf> MdbKy1Source::InfRead() {
    MdbTable t(mdb_, "InfTable");
    if (!t.Ok() || !t.Next()) return std::nullopt;
    return InfRowRead(t);
}

std::optional<std::array<Ky1Trg, 2>> MdbKy1Source::TrgRead() {
    MdbTable t(mdb_, "TrgTable");
    if (!t.Ok()) return std::nullopt;
    std::array<Ky1Trg, 2> rows;
    for (Ky1Trg& row : rows) {
        if (!t.Next()) return std::nullopt;
        const std::optional<Ky1Trg> read = TrgRowRead(t);
        if (!read) return std::nullopt;
        row = *read;
    }
    return rows;
}

bool MdbKy1Source::MstBegin() {
    mst_ = std::make_unique<MdbTable>(mdb_, "MstTable");
    return mst_->Ok();
}

Ky1Source::Step MdbKy1Source::MstNext(Ky1Mst& row) {
    if (!mst_ || !mst_->Ok()) return Step::Failed;
    if (!mst_->Next()) return Step::End;
    const std::optional<Ky1Mst> read = MstRowRead(*mst_);
    if (!read) return Step::Failed;
    row = *read;
    return Step::Row;
}

}  // namespace store
