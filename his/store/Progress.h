// What a long read or write needs of a progress window: a total, a
// position, a cancel button, and a chance for the window system to run.
#pragma once

#include <cstdint>
#include <string>

namespace store {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    // Shows the progress for a total of aMax; an empty title keeps the
    // window's own caption.
    virtual void Show(int32_t aMax, const std::string& aTitle) = 0;
    // Moves the bar; negative values are ignored, larger ones fill it.
    virtual void PosValue(int32_t value) = 0;
    // True once the user pressed cancel; stays so after the window closed,
    // until the next Show.
    virtual bool Cancel() const = 0;
    // Closes the window if it is shown.
    virtual void Clear() = 0;
    // Lets the window system serve repaints and the cancel button. Cheap to
    // call often: implementations throttle it.
    virtual void Yield() = 0;
};

}  // namespace store
