// Builds the unit's monitoring records for tests: lead byte, type, body,
// the checksum byte and CR LF.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace mon::test {

inline std::string Record(uint8_t type, const std::string& body) {
    std::string r;
    r.push_back('\x01');
    r.push_back(static_cast<char>(type));
    r += body;
    uint8_t sum = 0;
    for (char c : r) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    r.push_back(static_cast<char>(static_cast<uint8_t>(0x100 - sum)));
    return r + "\r\n";
}

// A data record: units (attribute, data) pairs, then the end byte.
inline std::string DataRecord(uint8_t seconds, std::initializer_list<uint8_t> units) {
    std::string body;
    for (uint8_t b : units) body.push_back(static_cast<char>(b));
    body.push_back('\0');
    return Record(seconds, body);
}

// n SD units of data 'a'.. in one data record.
inline std::string SdRecord(uint8_t seconds, int n, uint8_t attribute = 0x80) {
    std::string body;
    for (int i = 0; i < n; ++i) {
        body.push_back(static_cast<char>(attribute));
        body.push_back(static_cast<char>('a' + i % 26));
    }
    body.push_back('\0');
    return Record(seconds, body);
}

}  // namespace mon::test
