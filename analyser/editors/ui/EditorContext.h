// What the editors take from the program around them: the remembered
// folders, the file picker, where their windows go, their icon and help.
// The analyser's main window fills it in; tests give their own.
#pragma once

#include <QIcon>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace analyser::editors::ui {

struct EditorContext {
    std::string* frameConfigFolder = nullptr;  // the remembered KYF folder
    std::string* linkTableFolder = nullptr;    // the remembered KYL folder
    // The analyser's file picker: 0 frame configurations, 1 link tables;
    // "" when cancelled.
    std::function<std::string(int16_t kind)> FilePick;
    // Where an editor's top-left corner goes, in twips on the desktop,
    // before it is pulled inside the screen.
    std::function<QPoint()> Anchor;
    QIcon icon;
    // Opens the program's help.
    std::function<void()> HelpShow;
    // The window the editors are shown over.
    QWidget* owner = nullptr;
};

}  // namespace analyser::editors::ui
