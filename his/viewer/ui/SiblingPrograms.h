// The two programs the viewer starts from its own folder: the monitor and
// the protocol analyser. Whether each is there is decided once, when the
// main window loads, and the menu items keep that answer for the run.
#pragma once

#include <string>

namespace viewer::ui {

inline constexpr char kCapturoFile[] = "capturo";
inline constexpr char kDissectoFile[] = "dissecto";

struct SiblingPrograms {
    std::string CapturoPath;
    std::string DissectoPath;
    bool CapturoFound = false;
    bool DissectoFound = false;
};

SiblingPrograms SiblingProgramsFind(const std::string& programFolder);

// Starts the program without arguments and without waiting for it. False
// when it could not be started (it was removed after start-up, say).
bool ProgramStart(const std::string& path);

}  // namespace viewer::ui
