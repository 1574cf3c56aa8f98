#include "DetailView.h"

#include <algorithm>
#include <cmath>

#include "VbDate.h"
#include "VbFormat.h"
#include "clsFrameConfig.h"

namespace analyser {

namespace {

constexpr int kPppProtocolItem = 3;
constexpr int16_t kLargestValueBits = 56;

std::string ValueText(const frames::DecodedItem& item, int16_t size) {
    if (size < 1 || size > kLargestValueBits) return " ??";
    return platform::GeneralNumber(item.value) + " (0x" + ValueToHex(item.value) + ")";
}

}  // namespace

std::vector<DetailItem> DetailItemRows(const frames::clsFrameConfig& config,
                                       const std::vector<frames::DecodedItem>& decoded) {
    const bool ppp = config.FrameMode() == frames::kFrameModePpp;
    std::vector<DetailItem> rows;
    const int n = config.ItemMax();
    rows.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        static const frames::DecodedItem kNone;
        const frames::DecodedItem& item = static_cast<size_t>(i) < decoded.size() ? decoded[static_cast<size_t>(i)] : kNone;
        const int16_t size = config.ItemSize(i);
        const int32_t bits = static_cast<int32_t>(item.text.size()) * 8;
        DetailItem row;
        row.Name = config.ItemName(i);
        row.HasData = !item.text.empty();
        if (row.HasData) row.Data = ValueText(item, size);
        if (ppp && i == kPppProtocolItem && bits != 0) {
            row.Bits = bits;
            row.Size = std::to_string(bits);
        } else if (size != 0) {
            row.Bits = size;
            row.Size = std::to_string(size);
        } else if (row.HasData) {
            row.Bits = bits;
            row.Size = "可変 --->" + std::to_string(bits);
        } else {
            row.Size = "可変";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ValueToHex(double value) {
    if (!(value >= 1)) return "0";
    if (value >= 18446744073709551615.0) return "FFFFFFFFFFFFFFFF";
    uint64_t v = static_cast<uint64_t>(std::floor(value));
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    while (v != 0) {
        text.insert(text.begin(), kDigits[v % 16]);
        v /= 16;
    }
    return text;
}

std::string CharColumnText(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b > 126) {
            text += "･";
        } else {
            text += c;
        }
    }
    return text;
}

std::vector<DumpRow> HexDumpRows(std::string_view bytes) {
    const size_t count = std::max<size_t>(1, (bytes.size() + kDumpBytesPerRow - 1) / kDumpBytesPerRow);
    std::vector<DumpRow> rows(count);
    for (size_t r = 0; r < count; ++r) {
        DumpRow& row = rows[r];
        row.Number = platform::FormatNumber(static_cast<double>(r), "000000");
        const std::string_view part = bytes.substr(std::min(bytes.size(), r * kDumpBytesPerRow),
                                                   kDumpBytesPerRow);
        for (size_t m = 0; m < part.size(); ++m) {
            row.Bytes[m] = platform::HexUpper(static_cast<unsigned char>(part[m]), 2);
        }
        row.Chars = CharColumnText(part);
    }
    return rows;
}

DumpCell ItemBytePosition(const std::vector<DetailItem>& rows, size_t k) {
    int64_t bits = 0;
    for (size_t i = 0; i < k && i < rows.size(); ++i) {
        if (rows[i].HasData) bits += rows[i].Bits;
    }
    const int64_t b = bits / 8;
    return {static_cast<int>(b / kDumpBytesPerRow), DumpColumnOfByte(static_cast<int>(b % kDumpBytesPerRow))};
}

int64_t DumpCellOffset(std::string_view bytes, int row, int col) {
    const int m = DumpByteOfColumn(col);
    if (row < 0 || m < 0) return -1;
    const int64_t offset = int64_t{row} * kDumpBytesPerRow + m;
    return offset < static_cast<int64_t>(bytes.size()) ? offset : -1;
}

std::string_view BytesFromCell(std::string_view bytes, int row, int col) {
    if (row < 0) row = 0;
    int m = 0;  // the first byte of the row at or after col
    if (col > 18) {
        m = kDumpBytesPerRow;
    } else if (col == kDumpDashCol) {
        m = 8;
    } else if (DumpByteOfColumn(col) >= 0) {
        m = DumpByteOfColumn(col);
    }
    const uint64_t offset = uint64_t(row) * kDumpBytesPerRow + uint64_t(m);
    return offset < bytes.size() ? bytes.substr(offset) : std::string_view();
}

std::string CodeValuesText(const frames::clsFrameConfig& config,
                           const std::vector<frames::DecodedItem>& decoded) {
    std::string codes;
    for (int i = 0; i < config.ItemMax(); ++i) {
        if (config.ItemType(i) != frames::kItemCode) continue;
        const double value = static_cast<size_t>(i) < decoded.size() ? decoded[static_cast<size_t>(i)].value : 0;
        if (!codes.empty()) codes += ",";
        codes += platform::GeneralNumber(value);
    }
    return codes;
}

DetailPanels DetailPanelTexts(const FrameStatus& frame) {
    DetailPanels p;
    p.Date = platform::FormatDateTime(frame.Date);
    if (frame.ChrTimeSetting == 0 || frame.ChrTimeSetting == 1) {
        p.CTime = ChrTimeText(frame.ChrTimeSetting, frame.ChrTime);
    }
    p.Chanel = frame.Chanel == 1 ? "RD" : "SD";
    p.Trig = frame.Trigger == 1 ? "あり" : "なし";
    p.Error = frame.Error == 0 ? "-" : ErrorText(frame.Error);
    return p;
}

DetailPanels ConvertedPanels(const DetailPanels& source) {
    DetailPanels p = source;
    p.CTime = "-";
    return p;
}

std::string OrNone(const std::string& text) { return text.empty() ? " ---" : text; }

ListColumns DetailListColumns(int listWidth) {
    const int w = std::max(listWidth, 0);
    return {w / 4, w / 3, w / 3};
}

int DetailListWidthFor(int nameWidth, int dataWidth, int sizeWidth) {
    // The smallest w with w / 4 >= name and w / 3 >= data and size.
    return std::max({4 * std::max(nameWidth, 0), 3 * std::max(dataWidth, 0), 3 * std::max(sizeWidth, 0)});
}

}  // namespace analyser
