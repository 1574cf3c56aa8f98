// The link table editor: the table's name on top, the edit panel of one
// row at the left (name, direction, colour and the codes in their own
// grid), and the table's rows at the right. The window shows what its
// LinkEditDoc holds; building, opening, re-linking and saving are the
// document's.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "EditorContext.h"
#include "LinkEditDoc.h"
#include "platform/ui/GridAdapter.h"

namespace analyser::editors::ui {

class frmLink : public QDialog, private LinkEditView {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 9000;  // twips
    static constexpr int kClientHeight = 6345;
    static constexpr int kTopStripHeight = 495;
    static constexpr int kPanelWidth = 3015;

    explicit frmLink(EditorContext context);
    ~frmLink() override;

    // Both ways of closing the window (its close box and "終了(&X)")
    // come here: unsaved changes are asked about first, and Cancel keeps
    // the window open.
    void reject() override;

    LinkEditDoc& Doc() { return *doc_; }

    // Writes the table, as the editor holds it, to path.
    bool fSaveLinkTbl(const std::string& path) { return doc_->fSaveLinkTbl(path); }

    // --- handlers, as the controls and menus call them ---------------------
    void fLinkRowShow(int r);
    void cmdUpdate_Click();
    void cmdTop_Click();
    void cmdBefore_Click();
    void cmdNext_Click();
    void cmdEnd_Click();
    void cmdInsert_Click();
    void cmdDelete_Click();
    void cmdColor_Click();
    void fColorSelect();
    void mnuEditColor_Click();
    void fLinkRowAdd();
    void fLinkRowInsert();
    void fLinkRowDelete();

    // --- seams: the dialogs, replaced by tests --------------------------------
    std::function<QMessageBox::StandardButton(const std::string& text, QMessageBox::Icon icon,
                                              QMessageBox::StandardButtons buttons)>
        MessageAsk;
    std::function<std::string()> SaveFileAsk;
    // The colour dialog from a stored colour; nothing when cancelled.
    std::function<std::optional<int32_t>(int32_t start)> ColorAsk;
    std::function<void(QMenu* menu, const QPoint& globalPos)> PopupRun;

    // --- controls -------------------------------------------------------------------
    QMenuBar* menuBar = nullptr;
    QWidget* frameTop = nullptr;
    QLabel* lblLinkName = nullptr;
    QLineEdit* txtLinkName = nullptr;
    QWidget* picInput = nullptr;
    QGroupBox* frameItemName = nullptr;
    QLineEdit* txtItemName = nullptr;
    QGroupBox* frameAttr = nullptr;
    QComboBox* cmbAttr = nullptr;
    QPushButton* cmdColor = nullptr;
    QGroupBox* frameCode = nullptr;
    platform::GridAdapter* fgCode = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdTop = nullptr;
    QPushButton* cmdBefore = nullptr;
    QLineEdit* txtItemNo = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdEnd = nullptr;
    platform::GridAdapter* fgLink = nullptr;

    QAction* mnuFileOpenKYF = nullptr;
    QAction* mnuFileOpenKYL = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuEditFrameLink = nullptr;
    QAction* mnuEditAdd = nullptr;
    QAction* mnuEditInsert = nullptr;
    QAction* mnuEditDelete = nullptr;
    QAction* mnuEditColor = nullptr;
    QAction* mnuHelpTopic = nullptr;
    QMenu* mnuRight = nullptr;
    QAction* mnuRightAdd = nullptr;
    QAction* mnuRightInsert = nullptr;
    QAction* mnuRightDelete = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmLinkDesign.cpp
    void Design();
    void DesignPanel();
    void DesignMenus();
    void DefaultSeams();
    void Connect();
    void Form_Resize();

    // LinkEditView
    void Message(const std::string& text, Icon icon) override;
    std::string FilePick(int16_t kind) override;
    std::string SaveAsk() override;
    void Refresh() override;
    SaveAnswer AskSave(const std::string& text) override;

    void fLinkGridFit();
    void fCodeGridFill();
    void fLinkEditEnable(bool on);
    void GridFill();
    void RowFill(int r);
    void ColumnsWiden(int r);
    void PanelColorSet(int32_t color);
    int NumberOr(int fallback) const;
    bool CodeKey(platform::GridAdapter* grid, int row, int col, QKeyEvent* key);
    bool ColorKey(QKeyEvent* key);

    EditorContext context_;
    std::unique_ptr<LinkEditDoc> doc_;
    int32_t panelColor_ = 0;  // the direction list's text colour: the colour being edited
    bool saveOn_ = false;
    bool showing_ = false;
};

}  // namespace analyser::editors::ui
