// The conversion of a KY2 history into frames. Whatever the history and
// the cut settings, the conversion ends, its frames read back and write
// back byte for byte, and every character of the history is in exactly
// one frame of its direction, in order.
//
// Input: a flags byte, a time limit byte, a user-string length byte and
// that many bytes, then the body.
//   flags bits 0-1: the layout (0 one open item, 1 PPP, 2 kind + length +
//   data, 3 bit fields that end inside a byte); bits 2-4: cut switches 1
//   to 3; bit 7: the body is a whole KY2 file, else characters of three
//   bytes each (attribute, data, time: bit 7 a time word of range bits 4-6
//   and value bits 0-3 times 64, bit 6 a new second), written as a history
//   by the history store.
#include <bit>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "clsAnalysis.h"
#include "clsProtocol.h"
#include "his/store/FileSave.h"
#include "his/store/Ky2Format.h"
#include "his/store/clsCommon.h"

namespace {

using fuzz::Check;

struct Layouts {
    std::string path[4];
    Layouts() {
        const fuzz::Scratch& dir = fuzz::Scratch::Get();
        for (int i = 0; i < 4; ++i) path[i] = dir / ("layout" + std::to_string(i) + ".kyf");
        Check(Write(path[0], {{frames::kItemData, 0, 0, 1}}), "open layout");
        frames::clsFrameConfig ppp;
        Check(ppp.FramePPPWrite(path[1]), "PPP layout");
        Check(Write(path[2], {{frames::kItemCode, 8, 0, 1}, {frames::kItemLength, 8, 0, 1}, {frames::kItemData, 0, 2, 1}}),
              "length layout");
        Check(Write(path[3], {{frames::kItemLength, 4, 0, 2}, {frames::kItemData, 0, 1, 1}, {frames::kItemData, 8, 1, 1},
                              {frames::kItemCode, 3, 0, 1}}),
              "bit layout");
    }
    struct Item {
        int16_t type, size, span, unit;
    };
    static bool Write(const std::string& path, std::initializer_list<Item> items) {
        frames::clsFrameConfig c;
        c.ItemMax(static_cast<int16_t>(items.size()));
        int k = 0;
        for (const Item& i : items) {
            c.ItemType(k, i.type);
            c.ItemSize(k, i.size);
            c.ItemSpan(k, i.span);
            c.ItemUnit(k, i.unit);
            ++k;
        }
        return c.FrameWrite(path);
    }
};

struct Expected {
    std::string sd, rd;
    bool exact = true;  // the bytes of each direction can be told
};

// Characters written as a history by the store's own writer.
Expected HistoryWrite(const uint8_t* body, size_t size, const std::string& path) {
    store::clsCommon doc;
    doc.MonitorStart(46365.0);
    Expected e;
    double stamp = 46365.0;
    for (size_t i = 0; i + 3 <= size; i += 3) {
        const uint8_t attr = body[i] | 0x80, data = body[i + 1], time = body[i + 2];
        if (time & 0x40) stamp += 1.0 / 86400;
        doc.RecordAdd(stamp, attr, data);
        if (time & 0x80) doc.CharTimeSet(store::CharTimeWord((time >> 4) & 7, static_cast<uint16_t>((time & 0x0F) * 64)));
        ((attr & 0x02) ? e.rd : e.sd).push_back(static_cast<char>(data));
    }
    Check(store::HistorySave(doc, path, store::SaveRange{}) == 0, "history written");
    return e;
}

// A file as it came: the history store's reader says which characters it
// holds, counting only lines with a stamp (the conversion passes over the
// others). Where the two readers part ways by design (a comma on line 1
// shifts the store's header; a stamp of the zero date cannot be told from
// none) the bytes are not compared.
Expected FileWrite(const uint8_t* body, size_t size, const std::string& path) {
    fuzz::Scratch::Get().Write("in.ky2", body, size);
    const std::string text(reinterpret_cast<const char*>(body), size);
    Expected e;
    const size_t lineEnd = text.find_first_of("\r\n");
    e.exact = text.substr(0, lineEnd).find(',') == std::string::npos &&
              text.find("1899/12/30 00:00:00") == std::string::npos;
    store::clsCommon doc;
    if (!doc.Read(path)) return e;
    for (int32_t r = 0; r < doc.RecordCount(); ++r) {
        const store::HistoryRecord* rec = doc.Record(r);
        if (rec->DateTime == 0) continue;
        (rec->Flag(store::kAttrRd) ? e.rd : e.sd).push_back(static_cast<char>(rec->Data));
    }
    e.exact = e.exact && doc.FollowFile().empty();
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Layouts layouts;
    if (size < 3) return 0;
    const uint8_t flags = data[0];
    const size_t userLength = data[2] % 11;
    if (3 + userLength > size) return 0;
    frames::clsAnalysis conv;
    for (int i = 1; i <= 3; ++i) conv.CutMode(i, (flags >> (i + 1)) & 1);
    conv.Deadhead(data[1] * 8);
    conv.UserChar(std::string(reinterpret_cast<const char*>(data) + 3, userLength));
    const uint8_t* body = data + 3 + userLength;
    const size_t bodySize = size - 3 - userLength;

    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    const std::string ky2 = dir / "in.ky2", kyp = dir / "out.kyp";
    const bool asFile = (flags & 0x80) != 0;
    const Expected expected = asFile ? FileWrite(body, bodySize, ky2) : HistoryWrite(body, bodySize, ky2);
    const std::string& layout = layouts.path[flags & 3];
    const bool converted = conv.ProtocolConv(ky2, kyp, layout, "");
    if (!converted) {
        Check(asFile && expected.sd.empty() && expected.rd.empty(), "a history converts");
        return 0;
    }

    frames::clsProtocol doc;
    Check(doc.FileRead(kyp, layout) == 0, "the frame file reads");
    Check(doc.FrameMax() <= conv.FrameMax(), "at most FrameMax frames");
    std::string sd, rd;
    // An empty user string ends a frame at every byte.
    const uint16_t allowed = (conv.CutMode(1) ? frames::kCutCrLf : 0) | (conv.CutMode(2) ? frames::kCutCharTime : 0) |
                             (conv.CutMode(3) ? frames::kCutUserString : 0);
    const std::string user = conv.UserChar();
    for (int32_t n = 0; n < doc.FrameMax(); ++n) {
        const std::string_view bytes = doc.FrameBytes(n);
        Check(!bytes.empty(), "no empty frame");
        const auto cut = static_cast<uint16_t>(doc.FrameCutField(n));
        Check((cut & frames::kCutKindMask & ~allowed) == 0, "cut only by a condition switched on");
        if (cut & frames::kCutCrLf) Check(bytes.back() == '\n', "a CR LF cut ends with LF");
        if ((cut & frames::kCutUserString) && !user.empty()) {
            Check(bytes.back() == user.back(), "a user-string cut ends with it");
        }
        if ((cut & frames::kCutUserString) && user.empty()) Check(bytes.size() == 1, "an empty user string cuts every byte");
        (doc.FrameChanel(n) ? rd : sd).append(bytes);
    }
    if (expected.exact) {
        Check(sd == expected.sd, "every SD character in one frame, in order");
        Check(rd == expected.rd, "every RD character in one frame, in order");
    }
    int32_t end = 0;
    if (doc.FrameMax() > 0) {
        Check(doc.FileWrite(dir / "again.kyp", nullptr, 0, end), "written again");
        Check(fuzz::ReadAll(dir / "again.kyp") == fuzz::ReadAll(kyp), "frames write back as converted");
    }
    return 0;
}
