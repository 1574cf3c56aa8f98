// The KYL link table reader. Whatever reads writes back to a file that
// reads with the same rows, names, arrows and colours, and from then on
// writes back byte for byte.
#include <cstdint>

#include "FuzzSupport.h"
#include "clsLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzz::Check;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    frames::clsLink link;
    if (!link.LinkRead(dir.Write("in.kyl", data, size))) return 0;
    const frames::LinkTable& read = link.Table();
    Check(read.rows.size() == static_cast<size_t>(read.linkMax), "rows as the header counts them");
    link.SelFind("1,2,3");

    Check(link.LinkWritre(dir / "once.kyl"), "written");
    frames::clsLink again;
    Check(again.LinkRead(dir / "once.kyl"), "written file reads");
    const frames::LinkTable& back = again.Table();
    Check(back.name == read.name && back.itemMax == read.itemMax && back.rows.size() == read.rows.size(),
          "same table after a round trip");
    for (size_t r = 0; r < read.rows.size(); ++r) {
        Check(back.rows[r].name == read.rows[r].name && back.rows[r].color == read.rows[r].color &&
                  back.rows[r].direction == read.rows[r].direction,
              "same rows after a round trip");
    }
    Check(again.LinkWritre(dir / "twice.kyl"), "written again");
    Check(fuzz::ReadAll(dir / "once.kyl") == fuzz::ReadAll(dir / "twice.kyl"),
          "a written file writes back byte for byte");
    return 0;
}
