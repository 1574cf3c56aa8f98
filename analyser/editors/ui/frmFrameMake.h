// The frame configuration editor: the configuration's name on top, the
// edit panel of one item at the left, the item grid and under it the bit
// picture at the right, with the File, Edit, View and Help menus. The
// window shows what its FrameMakeDoc holds and hands every edit to it; the
// item rules, the check and the file roads are the document's.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>

#include "BitPictureView.h"
#include "EditorContext.h"
#include "FrameMakeDoc.h"
#include "platform/ui/GridAdapter.h"
#include "platform/ui/UpDown.h"

namespace analyser::editors::ui {

class frmItemScope;

class frmFrameMake : public QDialog, private FrameMakeView {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 9600;  // twips, the first client area
    static constexpr int kClientHeight = 7400;

    explicit frmFrameMake(EditorContext context);
    ~frmFrameMake() override;

    // Both ways of closing the window (its close box and
    // "フレーム作成画面の終了(&X)") come here: unsaved changes are asked
    // about first, and Cancel keeps the window open.
    void reject() override;

    FrameMakeDoc& Doc() { return *doc_; }
    // The bit picture's width: 8, 16 or 32 positions a row.
    int CurrentWidth() const { return width_; }

    // Lays out grid, splitter and bit picture for the splitter at y (twips
    // in the area under the menu bar).
    void fSizeControls(int y);
    // Loads a KYF file into the editor.
    void fFrameMakeDataSet(const std::string& vFileName);
    // Shows item n in the edit panel and makes its row current.
    void fItemShow(int n);

    // --- handlers, as the controls and menus call them ---------------------
    void cmdUpdate_Click();
    void cmdInsert_Click();
    void cmdDelete_Click();
    void cmdTop_Click();
    void cmdBefore_Click();
    void cmdNext_Click();
    void cmdEnd_Click();
    void txtItemNo_Enter();
    void cmdItemSpan_Click();
    void udItemSize_Stepped(bool up);
    void cmbItemSize_Validate();
    void mnuViewWidth_Click(int width);
    void mnuViewRefresh_Click();
    void mnuEditAdd_Click();
    void mnuEditDelete_Click();
    void mnuRightInsert_Click();

    // --- seams: the dialogs, replaced by tests --------------------------------
    std::function<QMessageBox::StandardButton(const std::string& text, QMessageBox::Icon icon,
                                              QMessageBox::StandardButtons buttons)>
        MessageAsk;
    // The save dialog with its title ("" the dialog's own); "" cancels.
    std::function<std::string(const QString& title)> SaveFileAsk;
    // Runs the span picker; true when it was closed with OK.
    std::function<bool(frmItemScope& picker)> SpanPickRun;
    std::function<void(QMenu* menu, const QPoint& globalPos)> PopupRun;

    // --- controls -------------------------------------------------------------------
    QMenuBar* menuBar = nullptr;
    QWidget* picTop = nullptr;
    QLabel* lblProtocolName = nullptr;
    QLineEdit* txtProtocolName = nullptr;
    QWidget* picInput = nullptr;
    QGroupBox* frameItemName = nullptr;
    QLineEdit* txtItemName = nullptr;
    QGroupBox* frameItemType = nullptr;
    QComboBox* cmbItemType = nullptr;
    QGroupBox* frameItemSize = nullptr;
    QLineEdit* txtItemSize = nullptr;
    platform::UpDown* udItemSize = nullptr;
    QComboBox* cmbItemSize = nullptr;
    QGroupBox* frameItemUnit = nullptr;
    QComboBox* cmbItemUnit = nullptr;
    QGroupBox* frameItemSpan = nullptr;
    QListWidget* lstItemSpan = nullptr;
    QPushButton* cmdItemSpan = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdTop = nullptr;
    QPushButton* cmdBefore = nullptr;
    QLineEdit* txtItemNo = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdEnd = nullptr;
    platform::GridAdapter* fgFrameCreate = nullptr;
    QWidget* imgSplitter = nullptr;
    BitPictureView* fgFrameFormat = nullptr;

    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFilePPP = nullptr;
    QAction* mnuFileEnd = nullptr;
    QAction* mnuEditAdd = nullptr;
    QAction* mnuEditInsert = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuEditDelete = nullptr;
    QAction* mnuViewWidth[3] = {};  // 8, 16, 32
    QAction* mnuViewRefresh = nullptr;
    QAction* mnuHelpTopic = nullptr;
    QAction* mnuHelpVersion = nullptr;
    QMenu* mnuRight = nullptr;
    QAction* mnuRightInsert = nullptr;
    QAction* mnuRightCopy = nullptr;
    QAction* mnuRightPaste = nullptr;
    QAction* mnuRightDelete = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmFrameMakeDesign.cpp
    void Design();
    void DesignPanel();
    void DesignMenus();
    void DefaultSeams();
    void Connect();
    void ConnectGrid();
    void Form_Resize();
    int InnerHeight() const;
    int TopHeight() const;

    // FrameMakeView
    void Warn(const std::string& text) override;
    void Inform(const std::string& text) override;
    Answer AskSave(const std::string& text) override;
    std::string SaveAsk(const std::string& title) override;
    std::string ConfigPick() override;
    void Refresh() override;
    void CheckFocus(const ItemsCheckResult& result) override;

    void GridFill();
    void BitLayoutDraw();
    ItemPanel PanelRead() const;
    void PanelShow(const ItemPanel& panel);
    void TypeRuleApply();
    void SizeBoxApply();
    int ItemNumber() const;
    void RowSelect(int n);
    void CellRefused(int row, int col, const QString& text, const std::string& warning);
    void GridPressed(int row, int col);
    void GridRightClicked(const QPoint& globalPos);

    EditorContext context_;
    std::unique_ptr<FrameMakeDoc> doc_;
    int width_ = 16;            // the checked width of the View menu
    int splitter_ = 0;          // the splitter's top, twips
    int dragStart_ = -1;        // pointer y when a splitter drag began, -1 none
    bool showing_ = false;      // fItemShow is moving the current row
    bool refusalPending_ = false;
};

}  // namespace analyser::editors::ui
