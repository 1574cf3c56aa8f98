// Hand-made KY2 bytes for reader tests, written without the store's own
// writer so that a fault in one cannot hide a fault in the other.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "Progress.h"

namespace store::test {

// A plain seven-line header: the magic line, an empty chain and settings.
std::string Header();
// "stamp," + two lead bytes + the given stream bytes + CR LF.
std::string DataLine(const std::string& stamp, std::initializer_list<uint8_t> stream,
                     bool crlf = true);
void WriteFile(const std::string& path, const std::string& bytes);

// A progress sink that records what it was told and can press cancel after
// a number of positions.
class FakeProgress : public ProgressSink {
public:
    void Show(int32_t aMax, const std::string& aTitle) override {
        ++shows;
        max = aMax;
        title = aTitle;
        cancel = false;
    }
    void PosValue(int32_t value) override {
        last = value;
        if (++positions == cancelAfter) cancel = true;
    }
    bool Cancel() const override { return cancel; }
    void Clear() override { ++clears; }
    void Yield() override { ++yields; }

    int shows = 0, clears = 0, yields = 0, positions = 0;
    int cancelAfter = -1;
    int32_t max = 0, last = 0;
    bool cancel = false;
    std::string title;
};

}  // namespace store::test
