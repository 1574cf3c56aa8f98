// Saving the loaded history from the main window's save commands: KY2 or
// CSV by the save dialog's filter, whole or between the marks. The store
// replaces a file only once the new one is complete, so a failed save
// leaves what was there and the user is told why.
#pragma once

#include <cstdint>
#include <string>

#include "his/store/FileSave.h"
#include "his/store/clsCommon.h"

namespace viewer::ui {

// The save dialog's filter, and which of its entries writes KY2.
inline constexpr char kSaveFilter[] = "KY2ファイル (*.ky2);;CSVファイル (*.csv)";
inline constexpr int kSaveFilterKy2 = 1;

// Empty on success, else the message to show.
std::string HistorySaveAs(const store::clsCommon& doc, const std::string& path, int filterIndex,
                          const store::SaveRange& range);

// A file error as the viewer shows it: the file name in front of the text.
std::string FileErrorMessage(const std::string& path, int err);

}  // namespace viewer::ui
