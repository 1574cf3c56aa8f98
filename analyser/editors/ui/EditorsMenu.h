// The analyser's Tool menu items of the definition editors, and the
// context the editors take from the main window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "EditorContext.h"

namespace analyser::ui {
class frmMain;
}

namespace analyser::editors::ui {

// The main window's remembered folders, help and placement for the
// editors, with pick as the file picker (kind 0 KYF, 1 KYL; "" cancels).
EditorContext MainWindowContext(analyser::ui::frmMain& main, std::function<std::string(int16_t kind)> pick);

// Shows each editor modally over the main window.
void FrameMakeShow(const EditorContext& context);
void LinkEditShow(const EditorContext& context);

// Gives "フレーム構成ファイルの作成(&F)..." and "関連付けファイルの作成(&L)..."
// their editors. Without a pick, files are picked with the common open
// dialog.
void EditorsMenuHookUp(analyser::ui::frmMain& main, std::function<std::string(int16_t kind)> pick = {});

// The common open dialog for frame configurations (0) or link tables (1),
// starting in folder; "" when cancelled.
std::string CommonOpenPick(QWidget* owner, int16_t kind, const std::string& folder);

}  // namespace analyser::editors::ui
