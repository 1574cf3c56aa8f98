// The question the analyser asks before unsaved changes would be dropped:
// the file's name in double quotation marks followed by
// "は変更されています。保存しますか?", answered Yes, No or Cancel. The main
// window asks it for changed comments, the two definition editors for a
// changed configuration or link table.
#pragma once

#include <functional>
#include <string>

namespace analyser {

inline constexpr char kMsgAskSave[] = "は変更されています。保存しますか?";

enum class SaveAnswer { Yes, No, Cancel };

// "\"" + fileName + "\"" + kMsgAskSave.
std::string SaveQuestionText(const std::string& fileName);

// Runs the question for a command that would drop the changes: true when
// the command may go on (nothing changed; No; Yes and save succeeded),
// false when the changes must stay (Cancel, or a save that failed or was
// cancelled and has said so itself).
bool ChangesResolved(bool changed, const std::string& fileName,
                     const std::function<SaveAnswer(const std::string& text)>& ask,
                     const std::function<bool()>& save);

}  // namespace analyser
