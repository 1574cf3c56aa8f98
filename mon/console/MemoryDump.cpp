#include "MemoryDump.h"

#include <algorithm>
#include <string_view>

#include "ExtensionCommands.h"
#include "his/store/SharedFunctions.h"
#include "platform/text/Cp932.h"

namespace mon {

namespace {

constexpr size_t kAddressAt = 2;
constexpr size_t kCountAt = 8;
constexpr size_t kBytesAt = 10;

// The hex text of the bytes: up to the line end, or to whatever is not a
// pair of hex digits.
size_t BytesArrived(std::string_view reply, int count) {
    size_t k = 0;
    while (static_cast<int>(k) < count) {
        const size_t at = kBytesAt + 2 * k;
        if (at + 2 > reply.size() || store::HexToInt<int32_t>(reply.substr(at), 2) < 0) break;
        ++k;
    }
    return k;
}

}  // namespace

std::string DumpChar(uint8_t byte) {
    if (byte < 32 || byte == 0x7F) return " ";
    const std::string text = platform::Cp932ToUtf8(std::string(1, static_cast<char>(byte)));
    return text == "\xEF\xBF\xBD" ? " " : text;
}

std::vector<DumpRow> DumpRows(const std::string& reply) {
    std::vector<DumpRow> rows;
    const std::string_view text(reply);
    const int32_t start = store::HexToInt<int32_t>(text.substr(std::min(kAddressAt, text.size())), 6);
    int32_t count = store::HexToInt<int32_t>(text.substr(std::min(kCountAt, text.size())), 2);
    if (start < 0 || count < 0) return rows;
    if (count == 0) count = 256;
    uint32_t address = static_cast<uint32_t>(start);
    const size_t arrived = BytesArrived(text, count);
    for (size_t k = 0; k < arrived; ++k) {
        if (k % 16 == 0) {
            rows.push_back({HexDigits(address, 6), {}, {}, {}});
            address += 16;
        }
        const auto byte = static_cast<uint8_t>(store::HexToInt<int32_t>(text.substr(kBytesAt + 2 * k), 2));
        DumpRow& row = rows.back();
        const size_t j = k % 16;
        row.bytes[j] = HexDigits(byte, 2);
        (j < 8 ? row.text1 : row.text2) += DumpChar(byte);
    }
    return rows;
}

}  // namespace mon
