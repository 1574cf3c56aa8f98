#include "frmFind.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "DialogPlacer.h"
#include "ViewerContext.h"
#include "frmMain.h"
#include "frmString.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/frmCode.h"

namespace viewer::ui {

namespace {

constexpr int kDataTab = 0;
constexpr int kErrorTab = 1;
constexpr int kUpward = 0;
constexpr int kDownward = 1;

QString Q(const std::string& s) { return QString::fromStdString(s); }

template <typename F>
auto Guarded(const char* where, F f) {
    return [where, f](auto&&...) { platform::NoThrow(where, f); };
}

}  // namespace

frmFind::frmFind(ViewerContext& ctx, frmMain& main) : QDialog(&main), ctx_(ctx), main_(main) {
    CodePickRun = [this](int16_t picked) {
        const ViewerState& st = ctx_.State;
        const store::CodePickerList list = store::CodePickerListFor(st.DspCode, picked, kFindPickerRules);
        platform::frmCode picker(this, list.modeName, list.rows, list.selectedRow, picked,
                                 {QStringLiteral("Hex "), QStringLiteral("Ascii")});
        DialogPlaceAtPointer(&picker, this, st.PickAnchorX, st.PickAnchorY);
        picker.exec();
        return picker.PickedCode();
    };
    StringEntryRun = [this] {
        frmString entry(this, [this](const std::string& bytes) {
            edit_.StringSet(bytes, ctx_.State.FindPattern, ctx_.State.FindKinds);
            for (int col = 0; col < kPatternCells; ++col) CellShow(col);
        });
        entry.exec();
    };
    Design();
    Form_Load();
}

frmFind::~frmFind() = default;

void frmFind::Design() {
    setObjectName(QStringLiteral("frmFind"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("検索"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(DesignDataTab(), QStringLiteral("データ検索"));
    SSTab1->addTab(DesignErrorTab(), QStringLiteral("エラー検索"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    DesignBottom();
    mnuRight->setTitle(QStringLiteral("右クリック"));
    mnuRightEnter = mnuRight->addAction(QStringLiteral("文字列入力"));
    mnuRightEnter->setObjectName(QStringLiteral("mnuRightEnter"));
    connect(mnuRightEnter, &QAction::triggered, this,
            Guarded("mnuRightEnter", [this] { mnuRightEnter_Click(); }));
}

QWidget* frmFind::DesignDataTab() {
    auto* tab = new QWidget;
    lblCodeHex = new QLabel(QStringLiteral("HEX"), tab);
    lblCode = new QLabel(tab);
    VSFlexGrid1 = new QTableWidget(2, kPatternCells, tab);
    VSFlexGrid1->setObjectName(QStringLiteral("VSFlexGrid1"));
    VSFlexGrid1->horizontalHeader()->hide();
    VSFlexGrid1->verticalHeader()->hide();
    VSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    VSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VSFlexGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VSFlexGrid1->installEventFilter(this);
    VSFlexGrid1->viewport()->installEventFilter(this);
    VSFlexGrid1->viewport()->setMouseTracking(true);
    connect(VSFlexGrid1, &QTableWidget::currentCellChanged, this,
            Guarded("VSFlexGrid1", [this] { edit_.CurrentCellChanged(); }));
    connect(VSFlexGrid1, &QTableWidget::cellDoubleClicked, this,
            Guarded("VSFlexGrid1", [this] { GridDoubleClick(); }));
    auto* labels = new QVBoxLayout;
    labels->addWidget(lblCodeHex);
    labels->addWidget(lblCode);
    auto* row = new QHBoxLayout(tab);
    row->addLayout(labels);
    row->addWidget(VSFlexGrid1);
    return tab;
}

QWidget* frmFind::DesignErrorTab() {
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    auto* checks = new QVBoxLayout;
    const char* names[] = {"パリティエラー", "オーバーランエラー", "フレーミングエラー"};
    for (size_t i = 0; i < chkError.size(); ++i) {
        chkError[i] = new QCheckBox(QString::fromUtf8(names[i]), tab);
        checks->addWidget(chkError[i]);
    }
    layout->addLayout(checks);
    Frame2 = new QGroupBox(QStringLiteral("条件"), tab);
    auto* options = new QVBoxLayout(Frame2);
    optType[0] = new QRadioButton(QStringLiteral("AND"), Frame2);
    optType[1] = new QRadioButton(QStringLiteral("OR"), Frame2);
    for (QRadioButton* o : optType) options->addWidget(o);
    layout->addWidget(Frame2);
    return tab;
}

void frmFind::DesignBottom() {
    cmbLine->setObjectName(QStringLiteral("cmbLine"));
    cmbLine->addItems({QStringLiteral("ＳＤ"), QStringLiteral("ＲＤ")});
    cmbTopDown->setObjectName(QStringLiteral("cmbTopDown"));
    cmbTopDown->addItems({QStringLiteral("上へ"), QStringLiteral("下へ")});
    connect(cmbTopDown, &QComboBox::currentIndexChanged, this, [this](int index) {
        platform::NoThrow("cmbTopDown", [&] { cmbTopDown_Change(index); });
    });
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setText(QStringLiteral("次を検索"));
    cmdNext->setAutoDefault(false);
    connect(cmdNext, &QPushButton::clicked, this, Guarded("cmdNext", [this] { cmdNext_Click(); }));
    cmdTopEnd->setObjectName(QStringLiteral("cmdTopEnd"));
    cmdTopEnd->setAutoDefault(false);
    connect(cmdTopEnd, &QPushButton::clicked, this,
            Guarded("cmdTopEnd", [this] { cmdTopEnd_Click(); }));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("検索ライン"), this));
    bottom->addWidget(cmbLine);
    bottom->addWidget(new QLabel(QStringLiteral("検索方向"), this));
    bottom->addWidget(cmbTopDown);
    bottom->addWidget(cmdNext);
    bottom->addWidget(cmdTopEnd);
    bottom->addWidget(cmdClose);
    static_cast<QVBoxLayout*>(layout())->addLayout(bottom);
}

void frmFind::Form_Load() {
    const platform::WaitCursor hourglass;
    const ViewerState& st = ctx_.State;
    findCode_ = FindCodeOf(st.DspCode);
    lblCode->setText(Q(FindCodeName(findCode_)));
    const QFontMetrics metrics(VSFlexGrid1->font());
    const int colWidth = metrics.horizontalAdvance(QStringLiteral("1234"));
    for (int col = 0; col < kPatternCells; ++col) VSFlexGrid1->setColumnWidth(col, colWidth);
    for (int row = 0; row < 2; ++row) VSFlexGrid1->setRowHeight(row, platform::TwipsToPixels(240, this));
    VSFlexGrid1->setFixedSize(colWidth * kPatternCells + 2 * VSFlexGrid1->frameWidth(),
                              2 * platform::TwipsToPixels(240, this) + 2 * VSFlexGrid1->frameWidth());
    PatternShow();
    optType[1]->setChecked(true);
    SSTab1->setCurrentIndex(kDataTab);
    cmbTopDown->setCurrentIndex(kDownward);
    cmbTopDown_Change(kDownward);
    cmbLine->setCurrentIndex(st.DspLine == kLineRd ? 1 : 0);
    cmbLine->setEnabled(st.DspLine != kLineSd && st.DspLine != kLineRd);
    adjustSize();
    DialogPlaceOn(this, &main_, "frmFind");
    main_.FindLock(true);
    edit_.CurrentCellChanged();
    ctx_.State.FindOpen = true;
}

void frmFind::reject() { close(); }

void frmFind::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    platform::NoThrow("frmFind close", [this] {
        main_.FindLock(false);
        ctx_.State.FindOpen = false;
    });
}

// --- the pattern grid -----------------------------------------------------------

void frmFind::PatternShow() {
    edit_.Load(ctx_.State.FindPattern, ctx_.State.FindKinds);
    for (int col = 0; col < kPatternCells; ++col) CellShow(col);
}

void frmFind::CellShow(int col) {
    const PatternCell& cell = edit_.Cell(col);
    const std::string texts[2] = {CellHexText(cell), CellCharText(cell, findCode_)};
    for (int row = 0; row < 2; ++row) {
        QTableWidgetItem* item = VSFlexGrid1->item(row, col);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            VSFlexGrid1->setItem(row, col, item);
        }
        item->setText(Q(texts[row]));
    }
}

void frmFind::PatternStore() { edit_.Rebuild(ctx_.State.FindPattern, ctx_.State.FindKinds); }

bool frmFind::GridKeyPress(const QString& text) {
    if (VSFlexGrid1->currentRow() != 0 || text.size() != 1 || !text[0].isPrint()) return false;
    const int col = VSFlexGrid1->currentColumn();
    if (edit_.KeyTyped(text[0].toLatin1(), col)) {
        CellShow(col);
        PatternStore();
    }
    return true;
}

bool frmFind::eventFilter(QObject* watched, QEvent* event) {
    bool consumed = false;
    platform::NoThrow("frmFind grid", [&] {
        if (watched == VSFlexGrid1 && event->type() == QEvent::KeyPress) {
            consumed = GridKeyPress(static_cast<QKeyEvent*>(event)->text());
        } else if (watched == VSFlexGrid1 && event->type() == QEvent::KeyRelease &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
                   VSFlexGrid1->currentRow() == 0) {
            const int col = VSFlexGrid1->currentColumn();
            if (edit_.DeleteReleased(col)) CellShow(col);
            PatternStore();
        } else if (watched == VSFlexGrid1->viewport() && event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            ctx_.State.PickAnchorX = static_cast<float>(platform::PixelsToTwips(at.x(), this));
            ctx_.State.PickAnchorY = static_cast<float>(platform::PixelsToTwips(at.y(), this));
        } else if (watched == VSFlexGrid1->viewport() &&
                   event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            mnuRight->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        }
    });
    return consumed || QDialog::eventFilter(watched, event);
}

void frmFind::GridDoubleClick() {
    ViewerState& st = ctx_.State;
    const int col = VSFlexGrid1->currentColumn();
    const auto start = FindPatternEdit::PickStart(st.FindPattern, st.FindKinds, col, edit_.Cell(col));
    if (!start) return;
    st.PickedCode = *start;
    st.PickedCode = CodePickRun(st.PickedCode);
    edit_.PickApply(col, st.PickedCode, st.FindPattern, st.FindKinds);
    CellShow(col);
}

void frmFind::mnuRightEnter_Click() { StringEntryRun(); }

// --- searching ------------------------------------------------------------------

void frmFind::cmbTopDown_Change(int index) {
    cmdTopEnd->setText(index == kUpward ? QStringLiteral("末尾から") : QStringLiteral("先頭から"));
}

bool frmFind::StrPatternCheck() {
    const ViewerState& st = ctx_.State;
    if (st.FindPattern.empty()) {
        QApplication::beep();
        return false;
    }
    const size_t blank = st.FindKinds.find(kKindBlank);
    if (blank == std::string::npos || blank >= static_cast<size_t>(kPatternCells)) return true;
    VSFlexGrid1->setCurrentCell(0, static_cast<int>(blank));
    VSFlexGrid1->setFocus();
    QApplication::beep();
    MsgShow(kMsgBlank);
    return false;
}

ErrConditions frmFind::Conditions() const {
    return {chkError[0]->isChecked(), chkError[1]->isChecked(), chkError[2]->isChecked(),
            optType[0]->isChecked()};
}

bool frmFind::ErrCondCheck() {
    if (Conditions().Any()) return true;
    QApplication::beep();
    MsgShow(kMsgNoCondition);
    return false;
}

FindSearch frmFind::Search() const {
    const FindRequest request{static_cast<int16_t>(cmbLine->currentIndex()),
                              cmbTopDown->currentIndex() == kDownward};
    return FindSearch(ctx_.State, *ctx_.gCommon, request, main_.Cursor());
}

void frmFind::cmdNext_Click() {
    if (!ctx_.State.FileLoaded || !ctx_.gCommon) return;
    const bool down = cmbTopDown->currentIndex() == kDownward;
    const platform::WaitCursor hourglass;
    if (SSTab1->currentIndex() == kErrorTab) {
        if (ErrCondCheck()) ResultShow(down ? Search().ErrFindNext(Conditions()) : Search().ErrFindPrev(Conditions()));
    } else if (StrPatternCheck()) {
        ResultShow(down ? Search().StrFindNext() : Search().StrFindPrev());
    }
}

void frmFind::cmdTopEnd_Click() {
    if (!ctx_.State.FileLoaded || !ctx_.gCommon) return;
    int32_t total = 0, sd = 0, rd = 0;
    ctx_.gCommon->IsCounterInf(total, sd, rd);
    const platform::WaitCursor hourglass;
    if (SSTab1->currentIndex() == kErrorTab) {
        if (ErrCondCheck()) ResultShow(Search().ErrFind(Conditions(), 0, total));
    } else if (StrPatternCheck()) {
        ResultShow(Search().StrFind(1, cmbLine->currentIndex() == 0 ? sd : rd));
    }
}

void frmFind::ResultShow(const FindResult& result) {
    if (result.Beep) QApplication::beep();
    main_.SearchShow(result.Nav);
    if (result.Hit) activateWindow();
}

void frmFind::MsgShow(const char* text) {
    if (ctx_.gMsgBox) ctx_.gMsgBox->Show(text, 1, &main_, kIconStop, "");
}

}  // namespace viewer::ui
