// The frame detail window: one frame decoded into the items of a frame
// configuration (name, value, size in bit positions), a hex dump of its
// bytes and its status panels. Selecting an item puts the dump's cursor
// on the item's first byte; from a chosen byte the rest of the frame can
// be decoded again with another configuration and link table, which opens
// a further window. Several windows may be open at once.
//
// Each window holds its own references to the document and the frame
// configuration it shows, so a window outlives the opening of another
// file in the main window and stays decodable.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DetailView.h"
#include "platform/ui/GridAdapter.h"
#include "platform/ui/KeyedPanels.h"

namespace frames {
class clsFrameConfig;
class clsProtocol;
}

namespace analyser::ui {

class frmdetails;

// What every detail window shares with the program.
struct DetailHooks {
    // The program's message box.
    std::function<void(const std::string& text, int16_t icon)> MessageShow;
    // Opens the change dialog for a window (modally); it reports back
    // through frmDtldtl.
    std::function<void(frmdetails& from)> ChangeOpen;
    // The pop-up menu at a point of the desktop.
    std::function<void(QMenu* menu, const QPoint& globalPos)> PopupRun;
    // Told of every window opened.
    std::function<void(frmdetails* window)> Opened;
};

class frmdetails : public QWidget {
    Q_OBJECT

public:
    static constexpr char kMsgConfigRead[] = "フレーム読込失敗しました";
    static constexpr char kMsgChosenConfigRead[] = "フレームファイル読込失敗しました。";
    static constexpr char kMsgLinkRead[] = "リンクファイルの読込に失敗しました。";

    // Opens a window for frame FrameNo of the document, decoded with the
    // configuration the document names. Link is the frame's caption in
    // the chart. Null, after the message, when the configuration cannot
    // be read.
    static frmdetails* DataProc(std::shared_ptr<frames::clsProtocol> rclsPro, int32_t FrameNo,
                                const std::string& Link, const std::string& linkframename,
                                std::shared_ptr<DetailHooks> hooks, QWidget* owner);

    // Decodes the bytes from the dump's current cell to the end with the
    // configuration file afrmFilename, names them through the link table
    // afrmLinkname ("" none) and opens the result in a new window. Null
    // when nothing opened.
    frmdetails* frmDtldtl(const std::string& afrmFilename, const std::string& afrmLinkname);

    // Lays out the panes with the splitter at x twips from the top.
    void SizeControls(int x);

    // --- what the window shows ----------------------------------------------
    const std::vector<DetailItem>& Items() const { return items_; }
    const std::string& DumpBytes() const { return bytes_; }
    const DetailPanels& Panels() const { return panels_; }
    const std::shared_ptr<frames::clsProtocol>& Document() const { return doc_; }
    const std::shared_ptr<const frames::clsFrameConfig>& Config() const { return config_; }
    // The current dump cell holds a byte.
    bool CurrentCellIsByte() const;
    // Selects list row k (0-based) and puts the dump's cursor on its bytes.
    void ItemSelect(int k);

    void mnuRightChange_Click();

    QTreeWidget* const ListView1 = new QTreeWidget(this);
    platform::GridAdapter* const VSFlexGrid1 = new platform::GridAdapter(this);
    QWidget* const imgSplitter = new QWidget(this);
    QWidget* const picSplitter = new QWidget(this);
    QStatusBar* const StatusBar1 = new QStatusBar(this);
    platform::KeyedPanels StatusPanels;
    QPushButton* const cmd_end = new QPushButton(QStringLiteral("END"), this);
    QMenu* const mnuRight = new QMenu(QStringLiteral("右クリック"), this);
    QAction* mnuRightChange = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    frmdetails(std::shared_ptr<frames::clsProtocol> doc, std::shared_ptr<const frames::clsFrameConfig> config,
               std::shared_ptr<DetailHooks> hooks, QWidget* owner);

    void Design();
    void DesignList();
    void DesignGrid();
    void DesignStatusBar();
    void Fill(const std::string& caption, std::vector<DetailItem> items, const DetailPanels& panels,
              std::string bytes);
    void ItemListShow();
    // The list's columns as fractions of its width as it stands.
    void ListColumnsFit();
    // The width that shows the dump and the filled list whole.
    int WholeWidth() const;
    void HexDumpShow();
    void DetailPanelsShow();
    void Highlight();
    bool SelectedRowHasData() const;
    void ChangeOpen();
    void Popup(const QPoint& globalPos);
    void Message(const char* text);
    bool ListEvent(QEvent* event);
    bool GridEvent(QObject* watched, QEvent* event);
    bool SplitterEvent(QEvent* event);
    int InnerHeightTwips() const;

    std::shared_ptr<frames::clsProtocol> doc_;
    std::shared_ptr<const frames::clsFrameConfig> config_;
    std::shared_ptr<DetailHooks> hooks_;
    std::vector<DetailItem> items_;
    DetailPanels panels_;
    std::string bytes_;
    int mLastButton_ = 0;
    bool mSplitterMoving_ = false;
    int splitterTop_ = 0;  // twips
    int listWidth_ = 0;    // the list width its columns were fitted to, pixels
};

}  // namespace analyser::ui
