// The monitor's message box: holds what to tell or ask and the answer, and
// shows the box window modal (the call waits for the answer) or modeless
// (the call returns at once and the engine keeps running). Either way the
// owner is disabled while the box is up. Texts are UTF-8.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

#include "platform/ui/MsgBoxCore.h"

namespace mon {

inline constexpr char kMsgDefaultTitle[] = "モニタ";
inline constexpr int16_t kMsgModal = 1;

class clsMsgBox {
public:
    // aType 1 OK, 2 Cancel, 3 はい/いいえ; aIcon 16, 32, 48, 64 or none; an
    // empty aTitle shows "モニタ"; aModal 1 waits for the answer (1 OK,
    // 2 Cancel, 6 はい, 7 いいえ), any other value returns at once with the
    // answer the box starts with.
    int16_t Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                 const std::string& aTitle, int16_t aModal);

    const std::string& Messege() const { return core_.Messege(); }
    int16_t MsgType() const { return core_.MsgType(); }
    // The owner of the last call.
    QWidget* Form() const { return core_.Form(); }
    const std::string& Title() const { return core_.Title(); }
    int16_t Icon() const { return core_.Icon(); }

    int16_t Rezult() const { return core_.Rezult(); }
    // Values outside 1..7 are ignored.
    void Rezult(int16_t value) { core_.Rezult(value); }

    // The box window while it is up, for callers that must wait on it.
    platform::MsgBoxWindow* Window() const { return core_.Window(); }

private:
    platform::MsgBoxCore core_{kMsgDefaultTitle, true};
};

}  // namespace mon
