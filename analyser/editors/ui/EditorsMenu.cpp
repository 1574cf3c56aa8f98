#include "EditorsMenu.h"

#include <QFileDialog>

#include "CommentColumn.h"
#include "EditorTexts.h"
#include "frmFrameMake.h"
#include "frmLink.h"
#include "frmMain.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::editors::ui {

EditorContext MainWindowContext(analyser::ui::frmMain& main, std::function<std::string(int16_t kind)> pick) {
    EditorContext context;
    context.frameConfigFolder = &main.State().gFrameConfigFolder;
    context.linkTableFolder = &main.State().gLinkTableFolder;
    context.owner = &main;
    context.icon = main.windowIcon();
    context.HelpShow = [&main] { main.mnuHelpTopic_Click(); };
    // Right of the left comment column, level with its top.
    context.Anchor = [&main] {
        const platform::TwipsRect at = platform::WindowTwips(&main);
        const QWidget* comments = main.picCommentsL;
        const QPoint top = comments->mapTo(&main, QPoint(0, 0));
        return QPoint(at.left + platform::PixelsToTwips(comments->width(), &main),
                      at.top + platform::PixelsToTwips(top.y(), &main));
    };
    if (!pick) {
        pick = [&main](int16_t kind) {
            const std::string& folder = kind == 0 ? main.State().gFrameConfigFolder : main.State().gLinkTableFolder;
            return CommonOpenPick(&main, kind, folder);
        };
    }
    context.FilePick = std::move(pick);
    return context;
}

void FrameMakeShow(const EditorContext& context) {
    frmFrameMake editor(context);
    editor.exec();
}

void LinkEditShow(const EditorContext& context) {
    frmLink editor(context);
    editor.exec();
}

void EditorsMenuHookUp(analyser::ui::frmMain& main, std::function<std::string(int16_t kind)> pick) {
    const EditorContext context = MainWindowContext(main, std::move(pick));
    main.SetCommand(main.mnuToolFrameMake, [context] { FrameMakeShow(context); });
    main.SetCommand(main.mnuToolLink, [context] { LinkEditShow(context); });
}

std::string CommonOpenPick(QWidget* owner, int16_t kind, const std::string& folder) {
    const QString filter = QString::fromUtf8(kind == 0 ? kConfigFilter : kLinkFilter);
    return QFileDialog::getOpenFileName(owner, QString(), QString::fromStdString(folder), filter).toStdString();
}

}  // namespace analyser::editors::ui
