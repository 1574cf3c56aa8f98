// The filter dialog: the link-name, frame-data, time-range and direction
// conditions of the frame filter, each on its own tab with a check box
// that switches it on. Apply runs the filter over the open file and shows
// the new rows from the first; the main window stays usable meanwhile.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "FilterForm.h"

namespace frames {
class clsFilter;
}

namespace analyser::ui {

class HexByteRow;
class frmFilterRelation;
class frmMain;

class frmFilter : public QDialog {
    Q_OBJECT

public:
    static constexpr char kMsgNoNames[] = "関連付け名が選択されていません。";

    using Message = std::function<void(const std::string& text, int16_t icon)>;

    frmFilter(frmMain& main, Message message);
    ~frmFilter() override;

    void cmdApply_Click();
    void cmdOK_Click();
    void cmdReset_Click();
    void cmdSetRelation_Click();

    // What the controls hold now.
    FilterForm Form() const;
    // The link-name picker while it is open.
    frmFilterRelation* RelationPicker() const;

    QTabWidget* const tabFilter = new QTabWidget(this);
    QCheckBox* chkFilRelation = nullptr;
    QGroupBox* frameFilRelation = nullptr;
    QPushButton* cmdSetRelation = nullptr;
    QListWidget* listItemList = nullptr;
    std::array<QRadioButton*, 2> optFilRelation{};
    QCheckBox* chkFilData = nullptr;
    QGroupBox* frameFilData = nullptr;
    HexByteRow* fgFilData = nullptr;
    QCheckBox* chkFilDate = nullptr;
    QGroupBox* frameFilDate = nullptr;
    std::array<QDateEdit*, 2> DTPickerDate{};
    std::array<QTimeEdit*, 2> DTPickerTime{};
    QCheckBox* chkFilDirection = nullptr;
    QGroupBox* frameFilDirection = nullptr;
    QComboBox* cmbFilDirection = nullptr;
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    QPushButton* const cmdApply = new QPushButton(QStringLiteral("適用(&A)"), this);
    QPushButton* const cmdReset = new QPushButton(QStringLiteral("リセット(&R)"), this);

private:
    void Design();
    QWidget* DesignRelationTab();
    QWidget* DesignDataTab();
    QWidget* DesignDateTab();
    QWidget* DesignDirectionTab();
    void Form_Load();
    void Place();
    void Show(const FilterForm& form);
    void RangeShow(const std::array<double, 2>& range);
    void Switches();
    void ButtonsEnable(bool on);
    bool Linked() const;
    std::array<double, 2> RowDates() const;
    // Applies, or says why not.
    FilterRefusal Apply();

    frmMain& main_;
    Message message_;
    QPointer<frmFilterRelation> picker_;
};

}  // namespace analyser::ui
