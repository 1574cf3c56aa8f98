#include "LinkEditDoc.h"

#include "EditorTexts.h"
#include "FolderMemory.h"
#include "clsFrameConfig.h"
#include "clsLink.h"

namespace analyser::editors {

using Icon = LinkEditView::Icon;

LinkEditDoc::LinkEditDoc(LinkEditView& view, LinkFolders folders) : view_(view), folders_(folders) {}

void LinkEditDoc::NewFromConfig() {
    const std::string path = view_.FilePick(LinkEditView::kPickConfig);
    if (path.empty()) return;
    FolderRemember(folders_.frameConfig, path);
    BuildFromConfig(path);
}

void LinkEditDoc::OpenLink() {
    const std::string path = view_.FilePick(LinkEditView::kPickLink);
    if (path.empty()) return;
    FolderRemember(folders_.linkTable, path);
    LoadLink(path);
}

void LinkEditDoc::Relink() {
    if (!open_) return;
    const std::string path = view_.FilePick(LinkEditView::kPickConfig);
    if (path.empty()) return;
    FolderRemember(folders_.frameConfig, path);
    RelinkTo(path);
}

bool LinkEditDoc::Save() {
    if (!open_) return false;
    if (linkName_.empty()) {
        view_.Message(kMsgLinkNameRequired, Icon::Information);
        return false;
    }
    const std::string path = view_.SaveAsk();
    if (path.empty()) return false;
    FolderRemember(folders_.linkTable, path);
    return fSaveLinkTbl(path);
}

bool LinkEditDoc::Dirty() const { return open_ && (table_ != savedTable_ || linkName_ != savedName_); }

bool LinkEditDoc::ChangesResolved() {
    return analyser::ChangesResolved(
        Dirty(), fileName_, [this](const std::string& text) { return view_.AskSave(text); },
        [this] { return Save(); });
}

void LinkEditDoc::Unchanged(const std::string& fileName) {
    fileName_ = fileName;
    savedTable_ = table_;
    savedName_ = linkName_;
}

bool LinkEditDoc::CodeColumnsRead(const std::string& path, const char* noItemsText,
                                  std::vector<LinkColumn>& columns) {
    frames::clsFrameConfig config;
    config.FrameRead(path);  // an unreadable file has no items, which refuses it
    CodeColumnsResult result = CodeColumnsOf(config, path);
    if (result.noItems) {
        view_.Message(noItemsText, Icon::Exclamation);
        return false;
    }
    if (!result.refusal.empty()) {
        view_.Message(result.refusal, Icon::Information);
        return false;
    }
    columns = std::move(result.columns);
    return true;
}

bool LinkEditDoc::BuildFromConfig(const std::string& path) {
    std::vector<LinkColumn> columns;
    if (!CodeColumnsRead(path, kMsgConfigNoItems, columns)) return false;
    table_.NewTable(std::move(columns));
    open_ = true;
    Unchanged(kUntitled);
    view_.Refresh();
    return true;
}

bool LinkEditDoc::LoadLink(const std::string& path) {
    frames::clsLink link;
    if (!link.LinkRead(path)) {
        view_.Message(path + kMsgReadFailed, Icon::Exclamation);
        return false;
    }
    linkName_ = link.LinkName();
    table_.FromLink(link);
    open_ = true;
    Unchanged(path);
    view_.Refresh();
    return true;
}

bool LinkEditDoc::RelinkTo(const std::string& path) {
    std::vector<LinkColumn> columns;
    if (!CodeColumnsRead(path, kMsgRelinkNoItems, columns)) return false;
    table_.Relink(std::move(columns));
    view_.Refresh();
    return true;
}

bool LinkEditDoc::fSaveLinkTbl(const std::string& path) {
    const auto link = table_.ToLink(linkName_);
    if (!link || !link->LinkWritre(path)) {
        view_.Message(path + "\n" + kMsgSaveFailed, Icon::Exclamation);
        return false;
    }
    Unchanged(path);
    return true;
}

}  // namespace analyser::editors
