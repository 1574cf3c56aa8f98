#include "HistorySaving.h"

#include "platform/file/SystemErrorText.h"

namespace viewer::ui {

std::string HistorySaveAs(const store::clsCommon& doc, const std::string& path, int filterIndex,
                          const store::SaveRange& range) {
    const int err = filterIndex == kSaveFilterKy2 ? store::HistorySave(doc, path, range)
                                                  : store::CsvSave(doc, path, range);
    return err == 0 ? std::string() : FileErrorMessage(path, err);
}

std::string FileErrorMessage(const std::string& path, int err) {
    return path + "\n" + "ファイルの保存に失敗しました（" + platform::SystemErrorText(err) + "）";
}

}  // namespace viewer::ui
