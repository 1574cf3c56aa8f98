// Where the frame store's few messages to the user go. The frame store has
// no windows: the analyser's window layer implements this with its
// message box.
#pragma once

#include <cstdint>
#include <string>

namespace frames {

// Icons as the message box numbers them.
inline constexpr int16_t kIconExclamation = 48;

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows text with an OK button, the icon and the program's own title.
    virtual void Show(const std::string& text, int16_t icon) = 0;
};

}  // namespace frames
