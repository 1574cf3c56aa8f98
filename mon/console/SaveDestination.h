// The save-destination dialog without its widgets: which folder the
// folder chooser starts from, and Set's checks of the folder and the file
// name. The dialog stores the folder once its check passes, the name only
// when every check does.
#pragma once

#include <string>

namespace mon {

// A folder text that names an existing folder.
bool FolderExists(const std::string& folder);

// Where the chooser starts: the folder text when it names a folder, else
// the program folder.
std::string SplitBrowseStart(const std::string& folderText, const std::string& programDir);

// A history file name the files of a capture can take: not empty, without
// "/", "..", or a control character.
bool FileNameAcceptable(const std::string& name);

enum class SplitVerdict {
    Accepted,
    FolderRefused,  // beep, focus on the folder
    NameEmpty,      // focus on the name, no beep
    NameRefused,    // beep, focus on the name
    WriteFailed,    // focus on the name: no file can be made there
};

// Set's checks, in order: the folder, the file name, then a probe file
// created beside where the history files will go (a file of the name the
// user already has there is never touched).
SplitVerdict SplitSetCheck(const std::string& folderText, const std::string& nameText);

}  // namespace mon
