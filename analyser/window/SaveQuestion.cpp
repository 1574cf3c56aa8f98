#include "SaveQuestion.h"

namespace analyser {

std::string SaveQuestionText(const std::string& fileName) { return "\"" + fileName + "\"" + kMsgAskSave; }

bool ChangesResolved(bool changed, const std::string& fileName,
                     const std::function<SaveAnswer(const std::string& text)>& ask,
                     const std::function<bool()>& save) {
    if (!changed) return true;
    // Without a way to ask, nothing typed is dropped.
    if (!ask) return false;
    switch (ask(SaveQuestionText(fileName))) {
        case SaveAnswer::Yes: return save && save();
        case SaveAnswer::No: return true;
        case SaveAnswer::Cancel: return false;
    }
    return false;
}

}  // namespace analyser
