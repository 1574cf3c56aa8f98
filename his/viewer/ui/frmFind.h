// The find window: a byte pattern typed into a two-row grid or an error
// condition, searched for in one line of the history, downward or upward.
// It stays open beside the main window, whose file, colour, find, range
// and display commands and toolbar are off meanwhile.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include <array>
#include <functional>

#include "FindPatternEdit.h"
#include "FindSearch.h"

namespace viewer::ui {

class ViewerContext;
class frmMain;

class frmFind : public QDialog {
    Q_OBJECT

public:
    static constexpr char kMsgBlank[] = "空白文字は検索されません！";
    static constexpr char kMsgNoCondition[] = "エラー条件が設定されてません";

    frmFind(ViewerContext& ctx, frmMain& main);
    ~frmFind() override;

    void cmdNext_Click();
    void cmdTopEnd_Click();
    bool StrPatternCheck();
    bool ErrCondCheck();
    // Shows the pattern of the shared state in the grid.
    void PatternShow();

    // The code picker: in, the cell's value; out, the choice (-1 none).
    // The string entry: runs modally. Tests replace both.
    std::function<int16_t(int16_t picked)> CodePickRun;
    std::function<void()> StringEntryRun;

    QTabWidget* const SSTab1 = new QTabWidget(this);
    QTableWidget* VSFlexGrid1 = nullptr;
    QLabel* lblCodeHex = nullptr;
    QLabel* lblCode = nullptr;
    std::array<QCheckBox*, 3> chkError{};
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> optType{};
    QComboBox* const cmbLine = new QComboBox(this);
    QComboBox* const cmbTopDown = new QComboBox(this);
    QPushButton* const cmdNext = new QPushButton(this);
    QPushButton* const cmdTopEnd = new QPushButton(this);
    QPushButton* const cmdClose = new QPushButton(this);
    QMenu* const mnuRight = new QMenu(this);
    QAction* mnuRightEnter = nullptr;

public:
    // Escape closes the window the same way as its close button.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Design();
    QWidget* DesignDataTab();
    QWidget* DesignErrorTab();
    void DesignBottom();
    void Form_Load();
    void cmbTopDown_Change(int index);
    bool GridKeyPress(const QString& text);
    void GridDoubleClick();
    void mnuRightEnter_Click();
    void CellShow(int col);
    void PatternStore();
    FindSearch Search() const;
    void ResultShow(const FindResult& result);
    ErrConditions Conditions() const;
    void MsgShow(const char* text);

    ViewerContext& ctx_;
    frmMain& main_;
    FindPatternEdit edit_;
    int16_t findCode_ = 1;
    bool closed_ = false;
};

}  // namespace viewer::ui
