// The definition editors' view of a KYF or KYL file. Whatever the frame
// store reads, the editors show, and what they would save from it shows
// and saves again the same (a fixed point after one round); the bit
// picture of a configuration has as many rows as its positions need, each
// exactly one row wide.
#include <cstdint>
#include <string>

#include "BitPicture.h"
#include "FuzzSupport.h"
#include "ItemConvert.h"
#include "LinkEditTable.h"
#include "clsFrameConfig.h"
#include "clsLink.h"

namespace {

using fuzz::Check;
using namespace analyser::editors;

ItemTable Shown(const frames::clsFrameConfig& config) {
    ItemTable shown = ItemsFromConfig(config);
    shown.Remove(shown.Count());  // the empty row after the items
    return shown;
}

void ConfigCheck(const frames::clsFrameConfig& config) {
    const ItemTable shown = Shown(config);
    Check(shown.Count() == config.ItemMax(), "one row per item");
    const auto once = ConfigFromItems(shown, config.FrameName());
    Check(once.has_value() && once->ItemMax() == config.ItemMax(), "a read configuration converts back");
    const auto twice = ConfigFromItems(Shown(*once), once->FrameName());
    Check(twice.has_value() && *twice == *once, "what is saved shows and saves the same");

    for (int width : {8, 16, 32}) {
        const BitPicture picture(shown, width);
        Check(picture.Rows() == 2 + (picture.Positions() + width - 1) / width, "rows for the positions");
        for (int64_t row : {int64_t{0}, int64_t{1}, int64_t{2}, picture.Rows() - 1}) {
            if (row >= picture.Rows()) continue;
            int covered = 0;
            for (const BitPicture::Segment& s : picture.RowSegments(row)) covered += s.span;
            Check(covered == width, "a row is one width wide");
        }
    }
}

void LinkCheck(const frames::clsLink& link) {
    if (link.ItemMax() == 0 || link.LinkMax() == 0) return;  // no rows the editor could hold
    LinkEditTable shown;
    shown.FromLink(link);
    Check(shown.Rows() == link.LinkMax() && shown.CodeColumns() == link.ItemMax(), "every row and column shows");
    const auto once = shown.ToLink(link.LinkName());
    Check(once.has_value(), "a read table converts back");
    LinkEditTable again;
    again.FromLink(*once);
    const auto twice = again.ToLink(once->LinkName());
    Check(twice.has_value() && twice->Table() == once->Table(), "what is saved shows and saves the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    const std::string path = dir.Write("in.bin", data, size);
    frames::clsFrameConfig config;
    if (config.FrameRead(path)) ConfigCheck(config);
    frames::clsLink link;
    if (link.LinkRead(path)) LinkCheck(link);
    return 0;
}
