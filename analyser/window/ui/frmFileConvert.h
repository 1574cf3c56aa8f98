// The conversion dialog: a KY2 history, a frame configuration, an optional
// link table and the frame-cut conditions in, a KYP frame file out, which
// it can open in the main window afterwards. The main window stays
// disabled while the dialog exists.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "frmFileOpen.h"
#include "platform/ui/UpDown.h"

namespace analyser::ui {

class HexByteRow;
class frmMain;

class frmFileConvert : public QDialog {
    Q_OBJECT

public:
    static constexpr char kMsgBadSource[] = "変換元ファイル名が不正です";
    static constexpr char kMsgBadConfig[] = "フレーム構成ファイル名が不正です";
    static constexpr char kMsgBadTime[] = "文字間時間の値が不正です。";
    static constexpr char kMsgNoUserBytes[] = "区切りデータが設定されていません。";
    static constexpr char kMsgFailed[] = "の変換に失敗しました。";

    // The ways out to the program, replaced by tests.
    struct Seams {
        // A system open or save dialog: title, filter, start folder; "" is a
        // Cancel.
        std::function<std::string(const QString& title, const QString& filter, const std::string& folder)> OpenAsk;
        std::function<std::string(const QString& title, const QString& filter, const std::string& folder)> SaveAsk;
        // The file picker of a kind, from the folder remembered for it.
        std::function<FilePick(int16_t kind)> Pick;
        std::function<void(const std::string& text, int16_t icon)> MessageShow;
    };

    // Loads the dialog; the main window is enabled again when it closes.
    frmFileConvert(frmMain& main, Seams seams);
    ~frmFileConvert() override;

    void cmdKY2file_Click();
    void cmdKYF_Click();
    void cmdKYL_Click();
    void cmdOK_Click();

    QTabWidget* const tabMain = new QTabWidget(this);
    QGroupBox* frameKY2file = nullptr;
    QLineEdit* txtKY2file = nullptr;
    QPushButton* cmdKY2file = nullptr;
    QGroupBox* frameKYFfile = nullptr;
    QLineEdit* txtKYF = nullptr;
    QPushButton* cmdKYF = nullptr;
    QGroupBox* frameKYL = nullptr;
    QLineEdit* txtKYL = nullptr;
    QPushButton* cmdKYL = nullptr;
    std::array<QCheckBox*, 3> chkFrameCondition{};
    QLineEdit* txtConditionTime = nullptr;
    platform::UpDown* udConditionTime = nullptr;
    QLabel* lblConditionTime = nullptr;
    HexByteRow* fgConditionChar = nullptr;
    QCheckBox* const chkAndOpen = new QCheckBox(QStringLiteral("変換後、ファイルを開く"), this);
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    std::array<QFrame*, 4> linSplit{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Design();
    QWidget* DesignFileTab();
    QWidget* DesignConditionTab();
    void Form_Load();
    bool TimeBoxLeave();
    void TimeBoxChange();
    void PathRefused(QLineEdit* box, const char* text);
    void Message(const std::string& text);

    frmMain& main_;
    Seams seams_;
    bool checking_ = false;
};

}  // namespace analyser::ui
