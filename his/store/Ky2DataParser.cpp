#include "Ky2DataParser.h"

#include <algorithm>
#include <optional>

#include "Ky2Format.h"
#include "platform/time/VbDate.h"

namespace store {

// A stamp of the same day as the one before needs only its time of day:
// the day's number is kept, and the value is made from both exactly as
// the full parse makes it.
double StampReader::ReadNew(const char* at) {
    const std::string_view text(at, kLength);
    const std::string_view last(last_, kLength);
    if (day_ >= 0 && text.compare(0, kDayLength, last, 0, kDayLength) == 0) {
        if (const int seconds = SecondsOfDay(text.substr(kDayLength)); seconds >= 0) {
            value_ = static_cast<double>(day_) + seconds / 86400.0;
            std::memcpy(last_, at, kLength);
            return value_;
        }
    }
    std::memcpy(last_, at, kLength);
    known_ = true;
    value_ = ParseStamp(text);
    // Only days from 1899-12-30 on: before it the time counts backwards.
    const std::optional<double> day = platform::ParseDate(text.substr(0, kDayLength - 1));
    day_ = day && *day >= 0 && text[kDayLength - 1] == ' ' ? static_cast<int64_t>(*day) : -1;
    return value_;
}

// "hh:nn:ss" as seconds; -1 when it is not a valid time of day.
int StampReader::SecondsOfDay(std::string_view t) {
    auto digit = [&t](size_t i) { return t[i] >= '0' && t[i] <= '9' ? t[i] - '0' : -100; };
    if (t.size() != 8 || t[2] != ':' || t[5] != ':') return -1;
    const int h = digit(0) * 10 + digit(1), m = digit(3) * 10 + digit(4), s = digit(6) * 10 + digit(7);
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return -1;
    return h * 3600 + m * 60 + s;
}

void Ky2DataParser::Part(const char* at, const char* end) {
    position_ += end - at;
    if (lineBytes_ < kItemsStart) {
        // The stamp and the bytes before the items, wherever the pieces cut them.
        const int64_t take = std::min<int64_t>(end - at, kItemsStart - lineBytes_);
        if (lineBytes_ == 0 && take >= kStampEnd) {
            stamp_ = stamps_.Read(at);
        } else if (lineBytes_ < kStampEnd) {
            const int64_t stampPart = std::min<int64_t>(take, kStampEnd - lineBytes_);
            std::memcpy(stampBytes_ + lineBytes_, at, static_cast<size_t>(stampPart));
            if (lineBytes_ + stampPart == kStampEnd) stamp_ = stamps_.Read(stampBytes_);
        }
        lineBytes_ += take;
        at += take;
    }
    const int64_t rest = end - at;
    lineBytes_ += rest;
    if (rest == 0 || itemsDone_) return;
    Items(reinterpret_cast<const uint8_t*>(at), reinterpret_cast<const uint8_t*>(end));
}

void Ky2DataParser::Items(const uint8_t* at, const uint8_t* end) {
    if (odd_ >= 0) {
        // An item cut in two by the pieces.
        const uint8_t item[2] = {static_cast<uint8_t>(odd_), *at++};
        odd_ = -1;
        const uint8_t* stopped = nullptr;
        if (!records_.AddStream(stamp_, item, item + 2, trigPos_, &stopped)) {
            full_ = true;
            return;
        }
        if (stopped != item + 2) {
            itemsDone_ = true;
            return;
        }
    }
    const uint8_t* stopped = nullptr;
    if (!records_.AddStream(stamp_, at, end, trigPos_, &stopped)) {
        full_ = true;
        return;
    }
    if (end - stopped >= 2) {
        itemsDone_ = true;
    } else if (end - stopped == 1) {
        odd_ = *stopped;
    }
}

}  // namespace store
