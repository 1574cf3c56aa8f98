#include "ReportTestHistory.h"

#include <fstream>
#include <iterator>

#include "CodeTable.h"
#include "Ky2Format.h"

namespace reports::test {

std::unique_ptr<store::clsCommon> Conditions() {
    store::CodeTableRead();
    auto doc = std::make_unique<store::clsCommon>();
    doc->DspMode(1);
    doc->BaudRate(9600);
    doc->DataLength(1);
    doc->Parity(2);
    doc->Interface(0);
    doc->MemoryMode(1);
    doc->MonitorStart(kDay0);
    doc->MonitorStop(kDay0 + 100 / 86400.0);
    doc->RangeDate(0);
    doc->RangeStart(kDay0 + 1 + (10 * 3600 + 20 * 60 + 30) / 86400.0);
    doc->RangeStop(kDay0 + 1 + (11 * 3600 + 22 * 60 + 33) / 86400.0);
    return doc;
}

void Add(store::clsCommon& doc, uint8_t attr, uint8_t data, int seconds, int16_t timeRange,
         uint16_t timeValue) {
    doc.RecordAdd(kDay0 + seconds / 86400.0, attr, data);
    if (timeRange != kNoTime) doc.CharTimeSet(store::CharTimeWord(timeRange, timeValue));
}

void AddLetters(store::clsCommon& doc, uint8_t attr, int n) {
    for (int i = 0; i < n; ++i) Add(doc, attr, static_cast<uint8_t>('A' + i % 26));
}

ReportOptions Mode(int16_t line, bool times, int16_t code) {
    ReportOptions opts;
    opts.DspLine = line;
    opts.DspCode = code;
    opts.PrintCharTime = times;
    return opts;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace reports::test
