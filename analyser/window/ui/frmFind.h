// The find window ("検索"): text in a row's caption or comments, a byte
// string in its data, or its error flags, searched from the current row
// downward, upward or over the whole list. It stays open beside the main
// window and keeps its fields between searches until it is closed.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>

namespace analyser::ui {

class HexByteRow;
class frmMain;

class frmFind : public QDialog {
    Q_OBJECT

public:
    static constexpr char kMsgNotFound[] = "検索項目が見つかりませんでした。";

    explicit frmFind(frmMain& main);

    // Places the window at the main window's centre and shows it.
    void ShowBeside();
    // Searches by the shown tab; a search that ran and found nothing says so.
    void cmdNext_Click();
    // Esc closes the window as キャンセル does, discarding its fields.
    void reject() override;

    QTabWidget* const tabFind = new QTabWidget(this);
    QLabel* lblSerchStr = nullptr;
    QLineEdit* txtSerchStr = nullptr;
    QGroupBox* fraTarget = nullptr;
    QCheckBox* chkLinkName = nullptr;
    QCheckBox* chkCommentL = nullptr;
    QCheckBox* chkCommentR = nullptr;
    QCheckBox* chkAllMatch = nullptr;
    QGroupBox* fraFindData = nullptr;
    HexByteRow* fgFindData = nullptr;
    QCheckBox* chkErrorParity = nullptr;
    QCheckBox* chkErrorOverrun = nullptr;
    QCheckBox* chkErrorFraming = nullptr;
    QGroupBox* fraCondition = nullptr;
    QRadioButton* optErrorAnd = nullptr;
    QRadioButton* optErrorOr = nullptr;
    QLabel* const lblDirection = new QLabel(this);
    QComboBox* const cmbDirection = new QComboBox(this);
    QPushButton* const cmdNext = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* DesignTextTab();
    QWidget* DesignDataTab();
    QWidget* DesignErrorTab();
    // Runs one search; nullopt when the tab's fields ask for none.
    std::optional<bool> Search();

    frmMain& main_;
};

}  // namespace analyser::ui
