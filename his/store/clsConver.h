// Converts an old KY1 history database into numbered KY2 parts beside it,
// "name_01.ky2", "name_02.ky2", ..., of at most 60,000 characters each,
// linked to their neighbours in header line 2. Existing files are never
// overwritten: numbering starts at the first free one.
//
// One object serves one conversion: create it, call DBRead, drop it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Ky1Encode.h"
#include "Ky1Source.h"
#include "Ky2LineBuilder.h"
#include "Progress.h"

namespace platform {
class AtomicFile;
}

namespace store {

class clsConver {
public:
    static constexpr int32_t kPartUnits = 60000;
    static constexpr char kTitle[] = "ファイルコンバート";

    // busy(true) as a conversion starts and busy(false) as it ends, on
    // every path: the viewer disables its main window in between.
    using BusyHook = std::function<void(bool busy)>;

    clsConver(Ky1Source& source, ProgressSink& bar, BusyHook busy = {});
    ~clsConver();
    clsConver(const clsConver&) = delete;
    clsConver& operator=(const clsConver&) = delete;

    // Converts the KY1 file at aName. True when nothing went wrong, also
    // when the user cancelled; false when the file cannot be read or a
    // part cannot be written (the parts written before stay).
    bool DBRead(const std::string& aName);

    // The parts this conversion completed, in chain order.
    const std::vector<std::string>& Parts() const { return parts_; }

    // The first free part name for aName: its path without the file name's
    // extension, "_", a number of at least two digits and ".ky2". The name
    // taken counts as used even before its file appears.
    static std::string ConvNameGet(const std::string& aName, const std::string& taken = {});

private:
    bool TablesRead();
    bool InfTableRead();
    bool TrgTableRead();
    bool MstTableRead();
    bool ConvFileWrite(const std::string& aName);
    bool UnitWrite(const std::string& aName, size_t index);
    bool PartOpen(const std::string& aName);
    bool PartClose();
    void PendingWrite(bool force);

    Ky1Source& source_;
    ProgressSink& bar_;
    BusyHook busy_;

    Ky1Inf inf_;
    std::array<Ky1Trg, 2> trg_;
    std::vector<ConvUnit> units_;
    int64_t rowsRead_ = 0;

    std::string precedName_;
    std::string currentName_;
    std::string followName_;
    std::unique_ptr<platform::AtomicFile> part_;
    Ky2LineBuilder line_;
    std::string pending_;
    int32_t partUnits_ = 0;
    std::vector<std::string> parts_;
};

}  // namespace store
