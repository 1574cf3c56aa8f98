// The frame configuration editor without its window: the item rows, the
// configuration name, the file it is saved to and whether it changed
// since, and the File menu's roads (new, open, save, save as, the PPP
// definition). The window implements FrameMakeView: it shows what the
// document holds and answers its questions.
#pragma once

#include <string>

#include "ItemRules.h"
#include "ItemTable.h"
#include "ItemsCheck.h"
#include "SaveQuestion.h"

namespace analyser::editors {

class FrameMakeView {
public:
    using Answer = SaveAnswer;

    virtual ~FrameMakeView() = default;
    // Message boxes (title "Nubera Pro", an OK button): exclamation and
    // information icon.
    virtual void Warn(const std::string& text) = 0;
    virtual void Inform(const std::string& text) = 0;
    // The save question: exclamation icon, Yes, No and Cancel.
    virtual Answer AskSave(const std::string& text) = 0;
    // The save dialog for frame configurations with a title ("" keeps the
    // dialog's own); "" when cancelled.
    virtual std::string SaveAsk(const std::string& title) = 0;
    // The file picker's frame configurations; "" when cancelled.
    virtual std::string ConfigPick() = 0;
    // The rows, the name, the caption or the save commands changed.
    virtual void Refresh() = 0;
    // A failed check puts the user on what failed.
    virtual void CheckFocus(const ItemsCheckResult& result) = 0;
};

class FrameMakeDoc {
public:
    // configFolder, when given, is the remembered frame configuration folder.
    explicit FrameMakeDoc(FrameMakeView& view, std::string* configFolder = nullptr);

    const ItemTable& Items() const { return items_; }
    const std::string& Name() const { return name_; }
    const std::string& FileName() const { return fileName_; }
    std::string Caption() const { return std::string(kFrameMakeCaption) + fileName_; }
    bool Dirty() const { return dirty_; }
    // A loaded PPP definition can be shown but not saved.
    bool SaveLocked() const { return saveLocked_; }
    // Asks about unsaved changes before they would be dropped (New, Open,
    // the window closing): true when that may go on. A PPP definition is
    // never asked about, since it cannot be saved.
    bool ChangesResolved();

    // --- edits (each marks the configuration changed when it changes it) ---
    // The name box's text, cut to its first 256 characters; what the box
    // should show.
    std::string NameChange(const std::string& text);
    void RowAdd() { items_.Add(); }
    void RowInsert(int n);
    // Removes item n; the last item removed leaves one empty row.
    void RowDelete(int n);
    // A completed in-cell edit of (row, col) with text.
    void CellEdit(int row, int col, const std::string& text);
    // 更新 of item r from the panel.
    void Update(int r, const ItemPanel& panel);

    // --- the File menu ------------------------------------------------------------
    // Reset to one empty untitled item row; false when the user kept the
    // changes (Cancel, or a save that did not happen).
    bool New();
    void Open();
    // Loads a KYF file; false (and a message) when it cannot be read, and
    // the editor keeps what it had.
    bool Load(const std::string& path);
    bool Save();
    bool SaveAs();
    void PppCreate();
    // The check before saving, with its messages shown.
    bool Check();

private:
    void Reset();
    bool Write(const std::string& path);

    FrameMakeView& view_;
    std::string* configFolder_;
    ItemTable items_;
    std::string name_;
    std::string fileName_ = kUntitled;
    bool dirty_ = false;
    bool saveLocked_ = false;
};

}  // namespace analyser::editors
