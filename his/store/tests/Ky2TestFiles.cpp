#include "Ky2TestFiles.h"

#include <fstream>

namespace store::test {

std::string Header() {
    return "*** KY-Nubera ***\r\n"
           ",\r\n"
           "2024/05/06 07:08:09,2024/05/06 08:00:00\r\n"
           "1,9600,1,0,0,0,1,0,0,2,0,0,0\r\n"
           "2024/05/06 00:00:00,2024/05/07 00:00:00\r\n"
           "1,41,00001,3,42,00000,0,100\r\n"
           "2,414243,,0,,,1,5000\r\n";
}

std::string DataLine(const std::string& stamp, std::initializer_list<uint8_t> stream, bool crlf) {
    std::string line = stamp + ",\x44\x01";
    for (uint8_t b : stream) line.push_back(static_cast<char>(b));
    if (crlf) line += "\r\n";
    return line;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace store::test
