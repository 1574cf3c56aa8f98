// The viewer's message box: holds what to ask and the answer, and shows
// the box window modally in between. Texts are UTF-8.
#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

#include "MsgBoxRules.h"
#include "platform/ui/MsgBoxCore.h"

namespace store {

class clsMsgBox {
public:
    // Shows aMsg over aFrm (over the screen when nullptr) and waits for the
    // answer: 1 OK, 2 Cancel, 6 Yes, 7 No. aType 1 OK, 2 Cancel, 3 Yes/No;
    // aIcon 16, 32, 48, 64 or none; an empty aTitle shows "ヒストリ".
    int16_t Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                 const std::string& aTitle);

    const std::string& Messege() const { return core_.Messege(); }
    int16_t MsgType() const { return core_.MsgType(); }
    // The owner while Show runs, nullptr otherwise.
    QWidget* Form() const { return core_.Form(); }
    const std::string& Title() const { return core_.Title(); }
    int16_t Icon() const { return core_.Icon(); }

    int16_t Rezult() const { return core_.Rezult(); }
    // Values outside 1..7 are ignored.
    void Rezult(int16_t value) { core_.Rezult(value); }

private:
    // The viewer's boxes are always modal, and modality alone keeps the
    // owner from input: it is not disabled besides.
    platform::MsgBoxCore core_{kMsgDefaultTitle, false};
};

}  // namespace store
