// The remembered folders of the file dialogs: a pick makes the chosen
// file's folder the one the next dialog of that kind starts in.
#pragma once

#include <string>

namespace analyser::editors {

// folder (when given) := the folder of path, when that folder exists.
void FolderRemember(std::string* folder, const std::string& path);

}  // namespace analyser::editors
