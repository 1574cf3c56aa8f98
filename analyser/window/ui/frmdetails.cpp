#include "frmdetails.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <utility>

#include "AnalyserFonts.h"
#include "DialogLook.h"
#include "ProtocolRowSource.h"
#include "clsFrameConfig.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {

namespace {

constexpr int kWindowWidth = 7200;  // twips, the first client area
constexpr int kWindowHeight = 6000;
constexpr int kSplitterStart = 2400;
constexpr int kSplitterHeight = 50;
constexpr int kPaneLeast = 1500;  // the least height above and below the splitter
constexpr int kDragMargin = 500;
constexpr int kLeastHeight = 3000;

constexpr int kNumberColWidth = 650;
constexpr int kByteColWidth = 300;
constexpr int kCharColWidth = 1600;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmdetails::frmdetails(std::shared_ptr<frames::clsProtocol> doc,
                       std::shared_ptr<const frames::clsFrameConfig> config,
                       std::shared_ptr<DetailHooks> hooks, QWidget* owner)
    : QWidget(owner, Qt::Window),
      doc_(std::move(doc)),
      config_(std::move(config)),
      hooks_(std::move(hooks)) {
    setAttribute(Qt::WA_DeleteOnClose);
    Design();
}

frmdetails* frmdetails::DataProc(std::shared_ptr<frames::clsProtocol> rclsPro, int32_t FrameNo,
                                 const std::string& Link, const std::string& linkframename,
                                 std::shared_ptr<DetailHooks> hooks, QWidget* owner) {
    (void)linkframename;  // named by the caller, not shown
    if (!rclsPro) return nullptr;
    auto config = std::make_shared<frames::clsFrameConfig>();
    if (!config->FrameRead(rclsPro->FrameFile())) {
        if (hooks && hooks->MessageShow) hooks->MessageShow(kMsgConfigRead, platform::kMsgIconExclamation);
        return nullptr;
    }
    std::vector<DetailItem> items = DetailItemRows(*config, rclsPro->FrameItems(FrameNo));
    const DetailPanels panels = DetailPanelTexts(ProtocolRowSource(*rclsPro).Status(FrameNo));
    std::string bytes = rclsPro->FrameDataOrg(FrameNo);
    const std::string caption = config->FrameName() + " - " + OrNone(Link);
    auto* window = new frmdetails(std::move(rclsPro), std::move(config), std::move(hooks), owner);
    window->Fill(caption, std::move(items), panels, std::move(bytes));
    return window;
}

frmdetails* frmdetails::frmDtldtl(const std::string& afrmFilename, const std::string& afrmLinkname) {
    const std::string bytes(BytesFromCell(bytes_, VSFlexGrid1->Row(), VSFlexGrid1->Col()));
    auto config = std::make_shared<frames::clsFrameConfig>();
    if (!config->FrameRead(afrmFilename)) {
        Message(kMsgChosenConfigRead);
        return nullptr;
    }
    doc_->SelAnalysis(bytes, afrmFilename);
    std::vector<frames::DecodedItem> decoded;
    for (int i = 0; i < config->ItemMax(); ++i) decoded.push_back({doc_->SelData(i), doc_->SelDataValue(i)});
    const std::string codes = CodeValuesText(*config, decoded);
    if (codes.empty()) return nullptr;  // nothing to name the bytes by
    std::string name = " ---";
    if (!afrmLinkname.empty()) {
        frames::clsLink link;
        if (!link.LinkRead(afrmLinkname)) {
            Message(kMsgLinkRead);
            return nullptr;
        }
        name = link.SelFind(codes);
        if (name.empty()) name = "---";
    }
    const std::string caption = config->FrameName() + " - " + name;
    std::vector<DetailItem> items = DetailItemRows(*config, decoded);
    auto* window = new frmdetails(doc_, std::move(config), hooks_, parentWidget());
    window->Fill(caption, std::move(items), ConvertedPanels(panels_), bytes);
    return window;
}

// --- design -------------------------------------------------------------------

void frmdetails::Design() {
    setObjectName(QStringLiteral("frmdetails"));
    setWindowTitle(QStringLiteral("詳細 -"));
    setFont(FixedFont());
    DesignList();
    DesignGrid();
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SizeVerCursor);
    imgSplitter->installEventFilter(this);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    BackgroundColour(picSplitter, platform::kSysButtonShadow);
    picSplitter->hide();
    DesignStatusBar();
    mnuRightChange = mnuRight->addAction(QStringLiteral("プロトコル変換"));
    mnuRightChange->setObjectName(QStringLiteral("mnuRightChange"));
    connect(mnuRightChange, &QAction::triggered, this,
            [this] { platform::NoThrow("mnuRightChange", [&] { mnuRightChange_Click(); }); });
    connect(cmd_end, &QPushButton::clicked, this, &QWidget::close);
    setMinimumHeight(platform::TwipsToPixels(kLeastHeight, this));
    resize(platform::TwipsToPixels(kWindowWidth, this), platform::TwipsToPixels(kWindowHeight, this));
    splitterTop_ = kSplitterStart;
}

void frmdetails::DesignList() {
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setHeaderLabels({QStringLiteral("項目"), QStringLiteral("データ"), QStringLiteral("サイズ（ビット）")});
    ListView1->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1->header()->setStretchLastSection(false);
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);
    connect(ListView1, &QTreeWidget::currentItemChanged, this,
            [this] { platform::NoThrow("ListView1", [&] { Highlight(); }); });
}

void frmdetails::DesignGrid() {
    VSFlexGrid1->setObjectName(QStringLiteral("VSFlexGrid1"));
    VSFlexGrid1->setFont(FixedFont());
    VSFlexGrid1->SetCols(kDumpCols);
    VSFlexGrid1->SetRows(1);
    VSFlexGrid1->installEventFilter(this);
    VSFlexGrid1->viewport()->installEventFilter(this);
    connect(VSFlexGrid1, &platform::GridAdapter::CellDoubleClicked, this, [this] {
        platform::NoThrow("VSFlexGrid1", [&] {
            if (mLastButton_ == 1 && CurrentCellIsByte()) ChangeOpen();
        });
    });
    connect(VSFlexGrid1, &platform::GridAdapter::RightButtonReleased, this, [this](const QPoint& at) {
        platform::NoThrow("VSFlexGrid1", [&] {
            if (CurrentCellIsByte()) Popup(at);
        });
    });
}

void frmdetails::DesignStatusBar() {
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFont(DialogFont());
    StatusBar1->setSizeGripEnabled(false);
    const std::pair<const char*, const char*> panels[] = {{"DispDate", "フレーム計測時刻"},
                                                          {"DispCTime", "フレーム間時間"},
                                                          {"DispChanel", "モニタライン"},
                                                          {"DispTrig", "トリガ"},
                                                          {"DispError", "エラー情報"}};
    for (const auto& [key, tip] : panels) {
        QLabel* panel = StatusPanels.Add(StatusBar1, QString::fromLatin1(key), QString(), QString::fromUtf8(tip), 0);
        panel->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    cmd_end->setObjectName(QStringLiteral("cmd_end"));
    cmd_end->setAutoDefault(false);
    StatusBar1->addPermanentWidget(cmd_end);
}

// --- filling ------------------------------------------------------------------

void frmdetails::Fill(const std::string& caption, std::vector<DetailItem> items, const DetailPanels& panels,
                      std::string bytes) {
    setWindowTitle(Q(caption));
    items_ = std::move(items);
    panels_ = panels;
    bytes_ = std::move(bytes);
    DetailPanelsShow();
    ItemListShow();
    HexDumpShow();
    // Opens, and stays, wide enough to show its items and dump whole.
    const int whole = WholeWidth();
    setMinimumWidth(whole);
    if (width() < whole) resize(whole, height());
    SizeControls(splitterTop_);
    show();
    if (ListView1->topLevelItemCount() > 0) ItemSelect(0);
    if (hooks_ && hooks_->Opened) hooks_->Opened(this);
}

void frmdetails::ItemListShow() {
    ListView1->clear();
    for (const DetailItem& item : items_) {
        auto* row = new QTreeWidgetItem({Q(item.Name), Q(item.Data), Q(item.Size)});
        ListView1->addTopLevelItem(row);
    }
    ListColumnsFit();
}

void frmdetails::ListColumnsFit() {
    const ListColumns c = DetailListColumns(ListView1->width());
    ListView1->setColumnWidth(0, c.Name);
    ListView1->setColumnWidth(1, c.Data);
    ListView1->setColumnWidth(2, c.Size);
}

int frmdetails::WholeWidth() const {
    QStringList texts[3];
    for (int c = 0; c < 3; ++c) texts[c] << ListView1->headerItem()->text(c);
    for (const DetailItem& item : items_) {
        texts[0] << Q(item.Name);
        texts[1] << Q(item.Data);
        texts[2] << Q(item.Size);
    }
    // A heading needs the room of a cell and its section's own margins.
    const int heading = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, ListView1);
    const auto need = [&](int c) { return platform::CellWidthFor(ListView1, texts[c]) + heading; };
    const int list = DetailListWidthFor(need(0), need(1), need(2)) + 2 * ListView1->frameWidth() +
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView1);
    int dump = 2 * VSFlexGrid1->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, VSFlexGrid1);
    for (int c = 0; c < kDumpCols; ++c) dump += VSFlexGrid1->columnWidth(c);
    int whole = std::max({platform::TwipsToPixels(kWindowWidth, this), list, dump});
    if (const QScreen* s = screen()) whole = std::min(whole, s->availableGeometry().width());
    return whole;
}

void frmdetails::HexDumpShow() {
    const std::vector<DumpRow> rows = HexDumpRows(bytes_);
    VSFlexGrid1->SetRows(static_cast<int>(rows.size()));
    VSFlexGrid1->Clear();
    VSFlexGrid1->SetColWidth(0, kNumberColWidth);
    for (int c = 1; c < kDumpCharCol; ++c) VSFlexGrid1->SetColWidth(c, kByteColWidth);
    VSFlexGrid1->SetColWidth(kDumpCharCol, kCharColWidth);
    for (int c = 0; c < kDumpCharCol; ++c) VSFlexGrid1->SetColAlignment(c, Qt::AlignCenter);
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        VSFlexGrid1->SetTextMatrix(row, kDumpNumberCol, Q(rows[r].Number));
        VSFlexGrid1->SetTextMatrix(row, kDumpDashCol, QStringLiteral("-"));
        for (int m = 0; m < kDumpBytesPerRow; ++m) {
            VSFlexGrid1->SetTextMatrix(row, DumpColumnOfByte(m), Q(rows[r].Bytes[static_cast<size_t>(m)]));
        }
        VSFlexGrid1->SetTextMatrix(row, kDumpCharCol, Q(rows[r].Chars));
    }
    VSFlexGrid1->SetCurrentCell(0, DumpColumnOfByte(0));
}

void frmdetails::DetailPanelsShow() {
    const std::pair<const char*, const std::string*> panels[] = {{"DispDate", &panels_.Date},
                                                                 {"DispCTime", &panels_.CTime},
                                                                 {"DispChanel", &panels_.Chanel},
                                                                 {"DispTrig", &panels_.Trig},
                                                                 {"DispError", &panels_.Error}};
    for (const auto& [key, text] : panels) StatusPanels.SetText(QString::fromLatin1(key), Q(*text));
}

// --- selection and the dump's cursor -------------------------------------------

bool frmdetails::CurrentCellIsByte() const {
    const int col = VSFlexGrid1->Col();
    return DumpByteOfColumn(col) >= 0 && !VSFlexGrid1->TextMatrix(VSFlexGrid1->Row(), col).isEmpty();
}

bool frmdetails::SelectedRowHasData() const {
    const int k = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    return k >= 0 && static_cast<size_t>(k) < items_.size() && items_[static_cast<size_t>(k)].HasData;
}

void frmdetails::ItemSelect(int k) {
    QTreeWidgetItem* item = ListView1->topLevelItem(k);
    if (item == nullptr) return;
    ListView1->setCurrentItem(item);
    Highlight();
}

void frmdetails::Highlight() {
    if (!SelectedRowHasData()) return;
    const int k = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    const DumpCell cell = ItemBytePosition(items_, static_cast<size_t>(k));
    VSFlexGrid1->SetCurrentCell(cell.Row, cell.Col);  // a cell outside leaves the cursor
}

// --- the conversion -------------------------------------------------------------

void frmdetails::ChangeOpen() {
    if (hooks_ && hooks_->ChangeOpen) hooks_->ChangeOpen(*this);
}

void frmdetails::mnuRightChange_Click() {
    if (CurrentCellIsByte()) ChangeOpen();
}

void frmdetails::Popup(const QPoint& globalPos) {
    if (hooks_ && hooks_->PopupRun) {
        hooks_->PopupRun(mnuRight, globalPos);
    } else {
        mnuRight->exec(globalPos);
    }
}

void frmdetails::Message(const char* text) {
    if (hooks_ && hooks_->MessageShow) hooks_->MessageShow(text, platform::kMsgIconExclamation);
}

// --- events ---------------------------------------------------------------------

bool frmdetails::eventFilter(QObject* watched, QEvent* event) {
    bool handled = false;
    platform::NoThrow("frmdetails", [&] {
        if (watched == ListView1 || watched == ListView1->viewport()) {
            handled = ListEvent(event);
        } else if (watched == VSFlexGrid1 || watched == VSFlexGrid1->viewport()) {
            handled = GridEvent(watched, event);
        } else if (watched == imgSplitter) {
            handled = SplitterEvent(event);
        }
    });
    return handled || QWidget::eventFilter(watched, event);
}

bool frmdetails::ListEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            mLastButton_ = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton ? 2 : 1;
            return false;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int button = mouse->button() == Qt::RightButton ? 2 : 1;
            if (SelectedRowHasData()) {
                Highlight();
                if (button == 2) Popup(mouse->globalPosition().toPoint());
            }
            mLastButton_ = button;
            return false;
        }
        case QEvent::MouseButtonDblClick:
            if (mLastButton_ == 1 && SelectedRowHasData()) ChangeOpen();
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && SelectedRowHasData()) {
                ChangeOpen();
                return true;
            }
            return false;
        }
        case QEvent::FocusIn:
            Highlight();
            return false;
        default:
            return false;
    }
}

bool frmdetails::GridEvent(QObject* watched, QEvent* event) {
    if (watched == VSFlexGrid1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            mLastButton_ = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton ? 2 : 1;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            // The right button chooses the cell under it too.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex at = VSFlexGrid1->indexAt(mouse->position().toPoint());
            if (at.isValid()) VSFlexGrid1->SetCurrentCell(at.row(), at.column());
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab) Highlight();
    if (event->type() == QEvent::KeyPress && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (CurrentCellIsByte()) ChangeOpen();
        return true;
    }
    return false;
}

bool frmdetails::SplitterEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            picSplitter->setGeometry(imgSplitter->geometry());
            picSplitter->show();
            picSplitter->raise();
            mSplitterMoving_ = true;
            return true;
        case QEvent::MouseMove: {
            if (!mSplitterMoving_) return true;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int statusH = platform::PixelsToTwips(StatusBar1->height(), this);
            const int pointer = splitterTop_ + platform::PixelsToTwips(qRound(mouse->position().y()), this);
            const int top = std::clamp(pointer, kDragMargin, std::max(kDragMargin, InnerHeightTwips() - kDragMargin - statusH));
            picSplitter->move(picSplitter->x(), platform::TwipsToPixels(top, this));
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!mSplitterMoving_) return true;
            SizeControls(platform::PixelsToTwips(picSplitter->y(), this));
            picSplitter->hide();
            mSplitterMoving_ = false;
            return true;
        default:
            return false;
    }
}

// --- layout -----------------------------------------------------------------------

int frmdetails::InnerHeightTwips() const { return platform::PixelsToTwips(height(), this); }

void frmdetails::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    platform::NoThrow("frmdetails resize", [&] { SizeControls(splitterTop_); });
}

void frmdetails::SizeControls(int x) {
    const int inner = InnerHeightTwips();
    x = std::max(std::min(x, inner - kPaneLeast), kPaneLeast);
    splitterTop_ = x;
    const int width = platform::PixelsToTwips(this->width(), this);
    const int statusH = platform::PixelsToTwips(StatusBar1->sizeHint().height(), this);
    const auto place = [this](QWidget* w, int left, int top, int wd, int ht) {
        w->setGeometry(platform::TwipsToPixels(QRect(left, top, std::max(wd, 0), std::max(ht, 0)), this));
    };
    place(ListView1, 0, 0, width, x);
    if (ListView1->width() != listWidth_) {
        listWidth_ = ListView1->width();
        ListColumnsFit();
    }
    place(imgSplitter, 0, x, width, kSplitterHeight);
    if (!mSplitterMoving_) place(picSplitter, 0, x, width, kSplitterHeight);
    place(VSFlexGrid1, 0, x + kSplitterHeight, width, inner - x - statusH - kSplitterHeight);
    place(StatusBar1, 0, inner - statusH, width, statusH);
}

}  // namespace analyser::ui
