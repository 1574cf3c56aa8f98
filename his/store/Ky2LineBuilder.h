// Groups characters into KY2 data lines: one line per run of equal time
// stamps, each "stamp," + 0x44 0x01 + units + 0x00 0x01 + CR LF.
#pragma once

#include <cstdint>
#include <string>

namespace store {

class Ky2LineBuilder {
public:
    // Adds one character; when its stamp differs from the line's, the line
    // collected so far is appended to out first.
    void Add(std::string& out, double stamp, uint8_t attribute, uint8_t data,
             int16_t timIndex, uint16_t timValue);
    // The same with the character-time word as it stands (0: none), for
    // words kept as stored rather than built from range and value.
    void AddWord(std::string& out, double stamp, uint8_t attribute, uint8_t data, uint16_t word);
    // Appends the line being collected, if it holds any character.
    void Finish(std::string& out);

private:
    bool open_ = false;
    double stamp_ = 0;
    std::string units_;
};

// The attribute byte of a data unit from its flags.
uint8_t UnitAttribute(int16_t same, int16_t ch, int16_t jis7, int16_t trig, int16_t parity,
                      int16_t over, int16_t flam);

}  // namespace store
