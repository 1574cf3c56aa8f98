// The viewer's message box: holds what to ask and the answer, and shows
// frmMsgBox modally in between. Texts are UTF-8.
#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>

namespace store {

class clsMsgBox {
public:
    // Shows aMsg over aFrm (over the screen when nullptr) and waits for the
    // answer: 1 OK, 2 Cancel, 6 Yes, 7 No. aType 1 OK, 2 Cancel, 3 Yes/No;
    // aIcon 16, 32, 48, 64 or none; an empty aTitle shows "ヒストリ".
    int16_t Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                 const std::string& aTitle);

    const std::string& Messege() const { return messege_; }
    int16_t MsgType() const { return msgType_; }
    // The owner while Show runs, nullptr otherwise.
    QWidget* Form() const { return form_.data(); }
    const std::string& Title() const { return title_; }
    int16_t Icon() const { return icon_; }

    int16_t Rezult() const { return rezult_; }
    // Values outside 1..7 are ignored.
    void Rezult(int16_t value);

private:
    void Store(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
               const std::string& aTitle);
    void RunWindow();

    std::string messege_;
    int16_t msgType_ = 1;
    QPointer<QWidget> form_;  // the owner may close while we wait
    std::string title_;
    int16_t icon_ = 0;
    int16_t rezult_ = 1;
};

}  // namespace store
