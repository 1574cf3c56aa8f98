// The analyser's version window ("Nubera Proのバージョン情報"): title,
// version and two notices, and a button that starts the system's
// information program when one is installed.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <string>

namespace analyser::ui {

class frmMain;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 6060;  // twips
    static constexpr int kClientHeight = 2580;
    static constexpr int kMajor = 1;
    static constexpr int kMinor = 0;
    static constexpr int kRevision = 2;
    static constexpr char kMsgNoSysInfo[] = "現時点ではｼｽﾃﾑ情報を使用できません";

    explicit frmAbout(frmMain& main);

    // Starts the system-information program, or says it cannot.
    void StartSysInfo();

    // The program to start ("" for none) and the way it is started; tests
    // replace them.
    std::function<std::string()> SystemInfoFind;
    std::function<bool(const std::string& program)> ProgramStart;

    QLabel* const Image1 = new QLabel(this);
    QLabel* const lblTitle = new QLabel(this);
    QLabel* const lblVersion = new QLabel(this);
    QLabel* const lblDescription = new QLabel(this);
    QFrame* const Line1[2] = {new QFrame(this), new QFrame(this)};
    QLabel* const lblDisclaimer = new QLabel(this);
    QPushButton* const cmdOK = new QPushButton(this);
    QPushButton* const cmdSysInfo = new QPushButton(this);

private:
    frmMain& main_;
};

}  // namespace analyser::ui
