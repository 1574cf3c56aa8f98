#include "Ky2History.h"

#include <gtest/gtest.h>

#include "his/store/FileSave.h"
#include "his/store/Ky2Format.h"
#include "platform/file/AtomicFile.h"
#include "platform/file/tests/TempFolder.h"

namespace frames::test {

Ky2History::Ky2History() {
    doc_.MonitorStart(kStart);
    doc_.MonitorStop(kStart + 1.0 / 24);
    doc_.DspMode(1);
    doc_.BaudRate(19200);
    doc_.DataLength(1);
    doc_.ErrStop(1);
    doc_.Direction(0);
    doc_.Interface(1);
    doc_.CharTime(1);
    doc_.Led(1);
    doc_.MemoryMode(2);
    doc_.Parity(2);
    doc_.TrigStop(1);
    doc_.TrigStart(0);
    doc_.RangeDate(1);
    doc_.RangeStart(kStart - 1);
    doc_.RangeStop(kStart + 1);
    doc_.TrigLine(0, 1);
    doc_.SdChar(0, "4142");
    doc_.SdCharAt(0, "00");
    doc_.SdCount(0, 3);
    doc_.RdChar(0, "**");
    doc_.RdCharAt(0, "0");
    doc_.RdCount(0, 4);
    doc_.AfterLength(0, 5000);
    doc_.TrigLine(1, 2);
    doc_.SdChar(1, "0D0A");
    doc_.SdCount(1, 0);
    doc_.RdCount(1, 256);
    doc_.AfterLength(1, 16777215);
}

Ky2History& Ky2History::Stamp(double date) {
    stamp_ = date;
    return *this;
}

Ky2History& Ky2History::Unit(uint8_t attr, uint8_t data, int16_t range, uint16_t value) {
    EXPECT_TRUE(doc_.RecordAdd(stamp_, attr, data));
    if (range >= 0) doc_.CharTimeSet(store::CharTimeWord(range, value));
    return *this;
}

Ky2History& Ky2History::Units(uint8_t attr, std::initializer_list<int> bytes) {
    for (const int b : bytes) Unit(attr, static_cast<uint8_t>(b));
    return *this;
}

const std::string& Ky2History::Save(const std::string& path, const std::string& precedFile,
                                    const std::string& followFile) const {
    platform::AtomicFile file(path);
    file.Write(store::Ky2HeaderText(doc_, precedFile, followFile));
    store::HistoryDataWrite(doc_, file, store::SaveRange{});
    EXPECT_TRUE(file.Commit()) << path;
    return path;
}

int Ky2History::RangeCodeRewrite(const std::string& path, uint16_t value, int16_t range) {
    std::string bytes = TempFolder::ReadAll(path);
    const uint16_t from = store::CharTimeWord(store::kCharTimeTooLong, value);
    const uint16_t to = store::CharTimeWord(range, value);
    int rewritten = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (static_cast<uint8_t>(bytes[i]) != from >> 8 || static_cast<uint8_t>(bytes[i + 1]) != (from & 0xFF)) {
            continue;
        }
        bytes[i] = static_cast<char>(to >> 8);
        ++rewritten;
    }
    platform::AtomicFile file(path);
    file.Write(bytes);
    EXPECT_TRUE(file.Commit()) << path;
    return rewritten;
}

}  // namespace frames::test
