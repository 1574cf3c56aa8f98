// A program's message-box object: the message, button set, owner, title,
// icon and answer, and the showing of the one box window. Each program's
// clsMsgBox holds one and adds its own defaults.
#ifndef PLATFORM_UI_MSG_BOX_CORE_H
#define PLATFORM_UI_MSG_BOX_CORE_H

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>

namespace platform {

class MsgBoxWindow;

class MsgBoxCore {
public:
    // defaultTitle shows when a caller gives no title. With disableOwner
    // the owner is disabled while the box is up, also when it is modeless.
    MsgBoxCore(std::string defaultTitle, bool disableOwner);
    ~MsgBoxCore();
    MsgBoxCore(const MsgBoxCore&) = delete;
    MsgBoxCore& operator=(const MsgBoxCore&) = delete;

    // Stores the values and shows the box. Modal: returns the answer once
    // the box has closed. Modeless: returns at once with the answer the
    // box set when it loaded. A box still open from an earlier modeless
    // call is closed first: there is one box window.
    int16_t Show(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
                 const std::string& aTitle, bool modal);

    const std::string& Messege() const { return messege_; }
    int16_t MsgType() const { return msgType_; }
    QWidget* Form() const { return form_.data(); }
    const std::string& Title() const { return title_; }
    int16_t Icon() const { return icon_; }
    bool Modal() const { return modal_; }
    bool DisablesOwner() const { return disableOwner_; }

    int16_t Rezult() const { return rezult_; }
    // Values outside 1..7 are ignored.
    void Rezult(int16_t value);

    // Forgets the owner (a box that keeps it only while Show runs).
    void ClearForm() { form_ = nullptr; }
    // The box window while it is open.
    MsgBoxWindow* Window() const;

private:
    void Store(const std::string& aMsg, int16_t aType, QWidget* aFrm, int16_t aIcon,
               const std::string& aTitle, bool modal);
    void CloseOpenWindow();
    void RunModal();
    void ShowModeless();

    std::string defaultTitle_;
    bool disableOwner_;
    std::string messege_;
    int16_t msgType_ = 1;
    QPointer<QWidget> form_;  // the owner may close while the box is up
    std::string title_;
    int16_t icon_ = 0;
    int16_t rezult_ = 1;
    bool modal_ = true;
    QPointer<MsgBoxWindow> window_;
};

}  // namespace platform

#endif
