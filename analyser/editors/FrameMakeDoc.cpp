#include "FrameMakeDoc.h"

#include "FolderMemory.h"
#include "ItemConvert.h"
#include "clsFrameConfig.h"

namespace analyser::editors {

FrameMakeDoc::FrameMakeDoc(FrameMakeView& view, std::string* configFolder)
    : view_(view), configFolder_(configFolder) {
    items_.Reset(1);
}

// --- edits ------------------------------------------------------------------------

std::string FrameMakeDoc::NameChange(const std::string& text) {
    const std::string name = NameCut(text);
    if (name != name_) dirty_ = true;
    name_ = name;
    return name_;
}

void FrameMakeDoc::RowInsert(int n) { items_.Insert(n); }

void FrameMakeDoc::RowDelete(int n) {
    if (n < 1 || n > items_.Count()) return;
    // An empty row holds nothing a save would write.
    if (!items_.IsEmptyRow(n)) dirty_ = true;
    items_.Remove(n);
    if (items_.Count() == 0) items_.Add();
}

void FrameMakeDoc::CellEdit(int row, int col, const std::string& text) {
    if (!CellEditable(items_, row, col)) return;
    items_.SetCell(row, col, text);
    CellEdited(items_, row, col);
    dirty_ = true;
}

void FrameMakeDoc::Update(int r, const ItemPanel& panel) {
    if (PanelUpdate(items_, r, panel)) dirty_ = true;
}

// --- the File menu ------------------------------------------------------------------

void FrameMakeDoc::Reset() {
    fileName_ = kUntitled;
    items_.Reset(1);
    name_.clear();
    dirty_ = false;
    saveLocked_ = false;
    view_.Refresh();
}

bool FrameMakeDoc::ChangesResolved() {
    return analyser::ChangesResolved(
        dirty_ && !saveLocked_, fileName_, [this](const std::string& text) { return view_.AskSave(text); },
        [this] { return Save(); });
}

bool FrameMakeDoc::New() {
    const bool resolved = ChangesResolved();
    if (resolved) {
        Reset();
    } else {
        view_.Refresh();
    }
    return resolved;
}

void FrameMakeDoc::Open() {
    if (!ChangesResolved()) return;
    const std::string path = view_.ConfigPick();
    if (path.empty()) return;
    FolderRemember(configFolder_, path);
    Load(path);
}

bool FrameMakeDoc::Load(const std::string& path) {
    frames::clsFrameConfig config;
    if (!config.FrameRead(path)) {
        view_.Warn(path + kMsgReadFailed);
        return false;
    }
    fileName_ = path;
    items_ = ItemsFromConfig(config);
    name_ = NameCut(config.FrameName());
    saveLocked_ = config.FrameMode() == frames::kFrameModePpp;
    dirty_ = false;
    view_.Refresh();
    if (saveLocked_) view_.Inform(kMsgPppNoSave);
    return true;
}

bool FrameMakeDoc::Save() {
    if (saveLocked_) return false;
    if (fileName_ == kUntitled) return SaveAs();
    return Check() && Write(fileName_);
}

bool FrameMakeDoc::SaveAs() {
    if (saveLocked_ || !Check()) return false;
    const std::string path = view_.SaveAsk("");
    if (path.empty()) return false;
    FolderRemember(configFolder_, path);
    return Write(path);
}

bool FrameMakeDoc::Check() {
    ItemsCheckResult result = ItemsCheck(items_, name_);
    view_.Refresh();
    for (const std::string& notice : result.notices) view_.Inform(notice);
    if (result.ok) return true;
    view_.Warn(result.warning);
    view_.CheckFocus(result);
    return false;
}

// Writes the checked configuration. The file is taken as the one to save
// to only once it has been written.
bool FrameMakeDoc::Write(const std::string& path) {
    const auto config = ConfigFromItems(items_, name_);
    if (!config || !config->FrameWrite(path)) {
        view_.Warn(path + "\n" + kMsgSaveFailed);
        return false;
    }
    fileName_ = path;
    dirty_ = false;
    view_.Refresh();
    return true;
}

void FrameMakeDoc::PppCreate() {
    const std::string path = view_.SaveAsk(kPppSaveTitle);
    if (path.empty()) return;
    if (!frames::clsFrameConfig().FramePPPWrite(path)) {
        view_.Warn(path + "\n" + kMsgSaveFailed);
        return;
    }
    Load(path);
}

}  // namespace analyser::editors
