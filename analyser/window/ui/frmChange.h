// The change dialog of the detail window: another frame configuration and
// link table to decode the frame with from a chosen byte. It offers the
// two paths last confirmed with OK; OK reports them to the detail window
// that opened it.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <cstdint>
#include <functional>
#include <string>

#include "frmFileOpen.h"

namespace analyser::ui {

class frmdetails;

// The paths last confirmed, kept while the program runs.
struct ChangePaths {
    std::string g_frmFilename;
    std::string g_linkFileName;
};

class frmChange : public QDialog {
    Q_OBJECT

public:
    static constexpr char kMsgNoFile[] = "ファイル名が不正です";

    using Picker = std::function<FilePick(int16_t kind)>;
    using Message = std::function<void(const std::string& text, int16_t icon)>;

    frmChange(ChangePaths& paths, Picker picker, Message message, QWidget* owner);

    // The detail window OK reports to.
    void frmSet(frmdetails* vfrm) { target_ = vfrm; }

    void cmdFrameFile_Click();
    void cmdLinkfile_Click();
    void cmdOK_Click();

    QGroupBox* const frameFrame = new QGroupBox(QStringLiteral("フレーム構成ファイル"), this);
    QLineEdit* const txtFramefile = new QLineEdit(frameFrame);
    QPushButton* const cmdFrameFile = new QPushButton(QStringLiteral("参照"), frameFrame);
    QGroupBox* const frameLink = new QGroupBox(QStringLiteral("関連付けファイル"), this);
    QLineEdit* const txtLinkfile = new QLineEdit(frameLink);
    QPushButton* const cmdLinkfile = new QPushButton(QStringLiteral("参照"), frameLink);
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCanse = new QPushButton(QStringLiteral("キャンセル"), this);

private:
    void Design();

    ChangePaths& paths_;
    Picker picker_;
    Message message_;
    QPointer<frmdetails> target_;
};

}  // namespace analyser::ui
