#include "csvWrite.h"

#include "clsFrameConfig.h"
#include "clsProtocol.h"
#include "platform/file/AtomicFile.h"
#include "platform/text/VbFormat.h"

namespace frames {

namespace {

constexpr size_t kChunk = 1 << 16;
constexpr int kValueBitsMax = 56;

void HexAppend(std::string& out, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (const char b : bytes) {
        const auto v = static_cast<uint8_t>(b);
        out.push_back(kDigits[v >> 4]);
        out.push_back(kDigits[v & 0x0F]);
    }
}

// A number with a sign place: a blank before a value of 0 or more, "-"
// before a negative one.
void ValueAppend(std::string& out, double value) {
    if (!(value < 0)) out.push_back(' ');
    out += platform::GeneralNumber(value);
}

void HeadingAppend(std::string& out, const clsFrameConfig& config) {
    out += config.FrameNameText().Stored();
    out += "\r\n";
    for (int k = 0; k < config.ItemMax(); ++k) {
        if (k > 0) out.push_back(',');
        out += config.Item(k).name.Stored();
    }
    out += "\r\n";
}

void FrameLineAppend(std::string& out, const clsProtocol& doc, const clsFrameConfig& config, int32_t frame) {
    const std::vector<DecodedItem>& items = doc.FrameItems(frame);
    for (int k = 0; k < config.ItemMax(); ++k) {
        if (k > 0) out.push_back(',');
        const size_t i = static_cast<size_t>(k);
        const int16_t size = config.ItemSize(k);
        if (size >= 1 && size <= kValueBitsMax) {
            ValueAppend(out, i < items.size() ? items[i].value : 0.0);
        } else if (i < items.size()) {
            HexAppend(out, items[i].text);
        }
    }
    out += "\r\n";
}

}  // namespace

bool CsvFileWrite(const FrameRowList& rclsfil, const clsProtocol& document, const clsFrameConfig& rclsfrm,
                  const std::string& fileName, int32_t& arBegin, int32_t& arEnd, MessageSink* messages) {
    const int32_t rows = rclsfil.FilterMax();
    if (rows <= 0) return false;
    if (arBegin < 0 || arEnd < 0) arBegin = arEnd = 0;
    if (arEnd == 0 || arEnd >= rows) arEnd = rows - 1;

    platform::AtomicFile file(fileName);
    std::string out;
    HeadingAppend(out, rclsfrm);
    for (; arBegin <= arEnd; ++arBegin) {
        FrameLineAppend(out, document, rclsfrm, rclsfil.FilterNo(arBegin));
        if (out.size() >= kChunk) {
            file.Write(out);
            out.clear();
        }
    }
    file.Write(out);
    if (file.Commit()) return true;
    if (messages != nullptr) messages->Show("ファイルが開けません", kIconExclamation);
    return false;
}

}  // namespace frames
