// The link table editor without its window: the table, its name, and the
// File and Edit menu roads (a new table from a frame configuration, a KYL
// file opened, a re-link to another configuration, the save). The window
// implements LinkEditView.
#pragma once

#include <cstdint>
#include <string>

#include "EditorTexts.h"
#include "LinkCode.h"
#include "LinkEditTable.h"
#include "SaveQuestion.h"

namespace analyser::editors {

class LinkEditView {
public:
    enum class Icon { Exclamation, Information };
    static constexpr int16_t kPickConfig = 0;
    static constexpr int16_t kPickLink = 1;

    virtual ~LinkEditView() = default;
    // A message box (title "Nubera Pro", an OK button).
    virtual void Message(const std::string& text, Icon icon) = 0;
    // The file picker: frame configurations or link tables; "" when cancelled.
    virtual std::string FilePick(int16_t kind) = 0;
    // The save dialog for link tables; "" when cancelled.
    virtual std::string SaveAsk() = 0;
    // The table, its columns or the window's states changed.
    virtual void Refresh() = 0;
    // The save question: exclamation icon, Yes, No and Cancel.
    virtual SaveAnswer AskSave(const std::string& text) = 0;
};

struct LinkFolders {
    std::string* frameConfig = nullptr;
    std::string* linkTable = nullptr;
};

class LinkEditDoc {
public:
    explicit LinkEditDoc(LinkEditView& view, LinkFolders folders = {});

    LinkEditTable& Table() { return table_; }
    const LinkEditTable& Table() const { return table_; }
    const std::string& LinkName() const { return linkName_; }
    void LinkName(const std::string& name) { linkName_ = name; }
    // A table is open: the grid, the edit panel and Save are on.
    bool TableOpen() const { return open_; }
    // The KYL file the table was opened from or last saved to; "無題" for
    // a table built from a configuration and not saved yet.
    const std::string& FileName() const { return fileName_; }
    // The table or its name differ from what was built, opened or saved.
    bool Dirty() const;
    // Asks about unsaved changes before they would be dropped (the window
    // closing): true when that may go on. Yes runs the save command.
    bool ChangesResolved();

    // "フレーム構成ファイルから作成": picks a configuration and builds a new
    // table on its code items.
    void NewFromConfig();
    // "関連付けファイルの修正": picks a KYL file and opens it.
    void OpenLink();
    // "フレーム構成ファイルとリンク": picks a configuration and moves the
    // table to its code items.
    void Relink();
    // "保存": asks for a file and writes the table; true when it was
    // written.
    bool Save();

    // The steps behind them, on a path. Each refusal or failure shows its
    // message and leaves the table as it was.
    bool BuildFromConfig(const std::string& path);
    bool LoadLink(const std::string& path);
    bool RelinkTo(const std::string& path);
    bool fSaveLinkTbl(const std::string& path);

private:
    // The configuration's code columns, or the refusal shown.
    bool CodeColumnsRead(const std::string& path, const char* noItemsText, std::vector<LinkColumn>& columns);
    // What the table now holds counts as unchanged, kept under fileName.
    void Unchanged(const std::string& fileName);

    LinkEditView& view_;
    LinkFolders folders_;
    LinkEditTable table_;
    std::string linkName_;
    bool open_ = false;
    std::string fileName_ = kUntitled;
    LinkEditTable savedTable_;
    std::string savedName_;
};

}  // namespace analyser::editors
