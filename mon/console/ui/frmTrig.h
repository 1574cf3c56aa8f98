// The trigger editor: the stop trigger (sent to the unit) and the start
// trigger (applied on the PC), each on its page with its check box, line,
// length, counts and two pattern grids. It edits the triggers of the
// settings dialog's working copy: a check box writes its trigger's Active
// the moment it changes; Set checks and stores the other fields one after
// the other and stops at the first refused, the ones before it stored.
// Cancel and the close box undo nothing of that. What it wrote reaches the
// unit with the settings dialog's Set.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <functional>

#include "Settings.h"
#include "TriggerEdit.h"
#include "platform/ui/GridAdapter.h"
#include "platform/ui/UpDown.h"

namespace mon {

class frmTrig : public QDialog {
    Q_OBJECT

public:
    // settings is the settings dialog's working copy: its Code names the
    // text rows, its Trig is what the boxes and Set write.
    frmTrig(QWidget* owner, MonitorSettings& settings);

    void cmdSet_Click();
    void chkTrigFlg_Click(int page);
    void mnuRightEnter_Click();
    void GridDoubleClick(int grid, int row, int col);

    // The editor's copy, as the controls and grids hold it.
    const TriggerEdit& Edit() const { return edit_; }

    // The code picker (in: the column's value; out: the choice or -1) and
    // the string entry (true and the text when confirmed). Tests replace
    // them; by default they open the pickers modal at the pointer.
    std::function<int16_t(int16_t picked)> CodePickRun;
    std::function<bool(std::string& text, bool startPage)> StringEntryRun;

    QTabWidget* const SSTab1 = new QTabWidget(this);
    std::array<QCheckBox*, 2> chkTrigFlg{};
    std::array<QLabel*, 2> lblTrigLine{};
    std::array<QComboBox*, 2> cmbTrigLine{};
    std::array<QLabel*, 2> lblLength{};
    std::array<QLineEdit*, 2> txtLength{};
    std::array<platform::UpDown*, 2> UpDownLength{};
    std::array<QLabel*, 2> lblSdCount{};
    std::array<QLineEdit*, 2> txtSdCount{};
    std::array<platform::UpDown*, 2> UpDownSdCount{};
    std::array<QLabel*, 2> lblRdCount{};
    std::array<QLineEdit*, 2> txtRdCount{};
    std::array<platform::UpDown*, 2> UpDownRdCount{};
    std::array<QLabel*, 2> lblSd{};
    std::array<QLabel*, 2> lblRd{};
    std::array<QLabel*, 5> lblSdTitle{};
    std::array<QLabel*, 5> lblRdTitle{};
    std::array<platform::GridAdapter*, kTriggerGrids> VSFlexGrid{};
    QPushButton* const cmdSet = new QPushButton(QStringLiteral("設定"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    QMenu* const mnuRight = new QMenu(QStringLiteral("右クリック"), this);
    QAction* mnuRightEnter = nullptr;

    // The pointer over the grids, in twips on the desktop; the pickers
    // open beside it.
    float PickerAnchorX = 0;
    float PickerAnchorY = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmTrig.cpp: the pages, loading, enabling, Set.
    void Design();
    QWidget* DesignPage(int page);
    QLayout* DesignFields(int page);
    QLayout* DesignGrids(int page);
    QLayout* DesignNumberBox(QLineEdit*& box, platform::UpDown*& upDown, const QString& name,
                             int maxLength);
    void DesignButtons();
    void UpDownsConnect(int page);
    void Form_Load(QWidget* owner);
    void TrigControlsEnable();
    void PagesRead();
    void Refuse(const TriggerRefusal& refusal);

    // frmTrigGrids.cpp: the pattern grids.
    platform::GridAdapter* DesignGrid(int grid);
    QLabel* RowTitle(const QString& text);
    void GridShow(int grid);
    void GridKeyTyped(int grid, const QString& text);
    void GridKeyReleased(int grid, int key);
    void GridMouseMoved(int grid, const QPoint& pos);
    void GridRightReleased(int grid, const QPoint& globalPos);
    int16_t CodePickerOpen(int16_t picked);
    bool StringEntryOpen(std::string& text, bool startPage);

    MonitorSettings& settings_;
    TriggerEdit edit_;
    int menuGrid_ = 0;
};

}  // namespace mon
