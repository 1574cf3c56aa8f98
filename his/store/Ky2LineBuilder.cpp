#include "Ky2LineBuilder.h"

#include "Ky2Format.h"

namespace store {

void Ky2LineBuilder::Add(std::string& out, double stamp, uint8_t attribute, uint8_t data,
                         int16_t timIndex, uint16_t timValue) {
    AddWord(out, stamp, attribute, data,
            timIndex != kCharTimeNone ? CharTimeWord(timIndex, timValue) : uint16_t{0});
}

void Ky2LineBuilder::AddWord(std::string& out, double stamp, uint8_t attribute, uint8_t data,
                             uint16_t word) {
    if (open_ && stamp != stamp_) Finish(out);
    if (!open_) {
        open_ = true;
        stamp_ = stamp;
        units_.clear();
    }
    units_.push_back(static_cast<char>(attribute | kAttrUnit));
    units_.push_back(static_cast<char>(data));
    if (word != 0) {
        units_.push_back(static_cast<char>(word >> 8));
        units_.push_back(static_cast<char>(word & 0xFF));
    }
}

void Ky2LineBuilder::Finish(std::string& out) {
    if (!open_) return;
    out += FormatStamp(stamp_);
    out += ",\x44\x01";
    out += units_;
    out.append("\x00\x01\r\n", 4);
    open_ = false;
}

uint8_t UnitAttribute(int16_t same, int16_t ch, int16_t jis7, int16_t trig, int16_t parity,
                      int16_t over, int16_t flam) {
    uint8_t a = kAttrUnit;
    if (same == 1) a |= kAttrSame;
    if (ch == 1) a |= kAttrRd;
    if (jis7 == 1) a |= kAttrJis7;
    if (trig == 1) a |= kAttrTrig;
    if (parity == 1) a |= kAttrParity;
    if (over == 1) a |= kAttrOver;
    if (flam == 1) a |= kAttrFlam;
    return a;
}

}  // namespace store
