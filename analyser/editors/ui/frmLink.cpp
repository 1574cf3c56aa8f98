#include "frmLink.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cmath>
#include <set>

#include "EditorDialogs.h"
#include "EditorTexts.h"
#include "LinkCode.h"
#include "SaveQuestionBox.h"
#include "his/store/LooseValue.h"
#include "platform/text/Rounding.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitCursor.h"

namespace analyser::editors::ui {

namespace {

constexpr int kCodeCol = 3;  // the first code column of fgLink

QString Q(const std::string& text) { return QString::fromStdString(text); }

QColor RowColor(int32_t color, const QWidget* reference) {
    return platform::StoredColor(static_cast<uint32_t>(color == 0 ? kLinkBlack : color), reference);
}

}  // namespace

frmLink::frmLink(EditorContext context) : QDialog(context.owner), context_(std::move(context)) {
    LinkEditView& view = *this;
    doc_ = std::make_unique<LinkEditDoc>(view, LinkFolders{context_.frameConfigFolder, context_.linkTableFolder});
    Design();
    DefaultSeams();
    Connect();
    setWindowIcon(context_.icon);
    resize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));
    if (context_.Anchor) EditorPlace(this, context_.Anchor(), kClientWidth, kClientHeight);
    cmbAttr->addItems({Q(kDirNone), Q(kDirRight), Q(kDirLeft)});
    txtLinkName->clear();
    Refresh();
    mnuFileSave->setEnabled(false);
}

frmLink::~frmLink() = default;

// --- LinkEditView ---------------------------------------------------------------------

void frmLink::Message(const std::string& text, Icon icon) {
    MessageAsk(text, icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::Information, QMessageBox::Ok);
}

SaveAnswer frmLink::AskSave(const std::string& text) {
    return analyser::ui::SaveAnswerOf(MessageAsk(text, QMessageBox::Warning, analyser::ui::kSaveQuestionButtons));
}

void frmLink::reject() {
    if (doc_->ChangesResolved()) QDialog::reject();
}

std::string frmLink::FilePick(int16_t kind) { return context_.FilePick ? context_.FilePick(kind) : std::string(); }

std::string frmLink::SaveAsk() { return SaveFileAsk(); }

// The grids show the table anew; Save, once on, stays on.
void frmLink::Refresh() {
    if (txtLinkName->text() != Q(doc_->LinkName())) txtLinkName->setText(Q(doc_->LinkName()));
    GridFill();
    fgLink->setEnabled(doc_->TableOpen());
    fLinkEditEnable(doc_->TableOpen());
    saveOn_ = saveOn_ || doc_->TableOpen();
    mnuFileSave->setEnabled(saveOn_);
    fCodeGridFill();
}

// --- the grids ----------------------------------------------------------------------------

void frmLink::GridFill() {
    const LinkEditTable& t = doc_->Table();
    showing_ = true;
    fgLink->Clear();
    fgLink->SetCols(kCodeCol + t.CodeColumns());
    fgLink->SetRows(1 + t.Rows());
    fgLink->SetFixedRows(1);
    fgLink->SetFixedCols(0);
    fgLink->SetTextMatrix(0, 0, QStringLiteral("名称"));
    fgLink->SetTextMatrix(0, 1, QStringLiteral("方向"));
    fgLink->SetTextMatrix(0, 2, QStringLiteral("色"));
    for (int k = 0; k < t.CodeColumns(); ++k) fgLink->SetTextMatrix(0, kCodeCol + k, Q(t.Columns()[k].header));
    fgLink->SetColComboList(1, {Q(kDirNone), Q(kDirRight), Q(kDirLeft)});
    for (int r = 1; r <= t.Rows(); ++r) RowFill(r);
    fLinkGridFit();
    showing_ = false;
}

void frmLink::RowFill(int r) {
    // Row 0 is the heading; a row number typed outside the table fills nothing.
    if (r < 1 || r > doc_->Table().Rows()) return;
    const LinkEditRow& row = doc_->Table().Row(r);
    fgLink->SetTextMatrix(r, 0, Q(row.name));
    fgLink->SetTextMatrix(r, 1, Q(row.direction));
    fgLink->SetTextMatrix(r, 2, Q(row.colorText));
    fgLink->SetCellBackColor(r, 2, RowColor(row.color, this));
    fgLink->SetCellForeColor(r, 2, RowColor(row.color, this));
    for (size_t k = 0; k < row.codes.size(); ++k) {
        fgLink->SetTextMatrix(r, kCodeCol + static_cast<int>(k), Q(row.codes[k]));
    }
    if (!showing_) ColumnsWiden(r);
}

// A row filled anew may hold a longer text than its columns were fitted
// to: they widen to show it whole (a whole fill fits every column).
void frmLink::ColumnsWiden(int r) {
    const QAbstractItemView* view = fgLink;
    const int line = fgLink->showGrid() ? 1 : 0;
    for (int c = 0; c < fgLink->Cols(); ++c) {
        const int need = view->sizeHintForIndex(fgLink->model()->index(r, c)).width() + line;
        if (need > fgLink->columnWidth(c)) fgLink->setColumnWidth(c, need);
    }
}

void frmLink::fLinkGridFit() {
    fgLink->resizeColumnsToContents();
    for (int c = 0; c < fgLink->Cols(); ++c) {
        fgLink->SetColAlignment(c, (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    }
}

// The edit panel for the table's code columns; the first row shows.
void frmLink::fCodeGridFill() {
    const LinkEditTable& t = doc_->Table();
    txtItemName->clear();
    cmbAttr->setCurrentText(Q(kDirNone));
    fgCode->Clear();
    fgCode->SetCols(2);
    fgCode->SetRows(1 + t.CodeColumns());
    fgCode->SetFixedRows(1);
    fgCode->SetFixedCols(1);
    fgCode->SetTextMatrix(0, 0, QStringLiteral("対象項目"));
    fgCode->SetTextMatrix(0, 1, QStringLiteral("コード"));
    fgCode->SetColAlignment(1, Qt::AlignCenter);
    for (int k = 0; k < t.CodeColumns(); ++k) fgCode->SetTextMatrix(1 + k, 0, Q(t.Columns()[k].header));
    fgCode->resizeColumnsToContents();
    txtItemNo->setText(QStringLiteral("0"));
    if (t.Rows() > 0) fLinkRowShow(1);
}

void frmLink::fLinkEditEnable(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{frameItemName, txtItemName, frameAttr, cmbAttr, cmdColor,
                                                      frameCode, fgCode, cmdUpdate, cmdInsert, cmdDelete, cmdTop,
                                                      cmdBefore, cmdNext, cmdEnd, txtItemNo}) {
        w->setEnabled(on);
    }
    mnuEditFrameLink->setEnabled(on);
}

void frmLink::PanelColorSet(int32_t color) {
    panelColor_ = color;
    QPalette palette = cmbAttr->palette();
    palette.setColor(QPalette::ButtonText, RowColor(color, this));
    palette.setColor(QPalette::Text, RowColor(color, this));
    cmbAttr->setPalette(palette);
}

// --- rows -----------------------------------------------------------------------------------

void frmLink::fLinkRowShow(int r) {
    const LinkEditTable& t = doc_->Table();
    r = std::min(std::max(r, 1), t.Rows());
    if (t.CodeColumns() == 0 || r < 1) return;
    const LinkEditRow& row = t.Row(r);
    txtItemName->setText(Q(row.name));
    cmbAttr->setCurrentText(cmbAttr->findText(Q(row.direction)) >= 0 ? Q(row.direction) : Q(kDirNone));
    PanelColorSet(row.color);
    for (int k = 0; k < t.CodeColumns(); ++k) fgCode->SetTextMatrix(1 + k, 1, Q(row.codes[static_cast<size_t>(k)]));
    fgCode->SetCurrentCell(1, 1);
    txtItemNo->setText(QString::number(r));
    showing_ = true;
    fgLink->SetCurrentCell(r, std::max(fgLink->Col(), 0));
    showing_ = false;
}

int frmLink::NumberOr(int fallback) const {
    const auto n = store::LooseValue(txtItemNo->text().toStdString()).AsNumber();
    if (!n) {
        txtItemNo->setText(QString::number(fallback));
        return fallback;
    }
    return static_cast<int>(std::clamp(platform::BankersRound(*n), -1e9, 1e9));
}

void frmLink::cmdUpdate_Click() {
    const int r = NumberOr(0);
    std::vector<std::string> codes;
    for (int i = 1; i < fgCode->Rows(); ++i) codes.push_back(fgCode->TextMatrix(i, 1).toStdString());
    doc_->Table().RowUpdate(r, txtItemName->text().toStdString(), cmbAttr->currentText().toStdString(), panelColor_,
                            codes);
    RowFill(r);
    cmdNext_Click();
}

void frmLink::cmdTop_Click() { fLinkRowShow(1); }

void frmLink::cmdBefore_Click() {
    const int n = NumberOr(1);
    if (n > 1) fLinkRowShow(n - 1);
}

void frmLink::cmdNext_Click() {
    const int n = NumberOr(0);
    if (n >= doc_->Table().Rows()) fLinkRowAdd();
    fLinkRowShow(n + 1);
}

void frmLink::cmdEnd_Click() { fLinkRowShow(doc_->Table().Rows()); }

void frmLink::fLinkRowAdd() {
    if (!fgLink->isEnabled()) return;
    doc_->Table().RowAdd();
    GridFill();
    fLinkRowShow(doc_->Table().Rows());
}

void frmLink::fLinkRowInsert() {
    if (!fgLink->isEnabled()) return;
    const int r = std::max(fgLink->Row(), 1);
    doc_->Table().RowInsert(r);
    GridFill();
    fLinkRowShow(r);
}

void frmLink::fLinkRowDelete() {
    if (!fgLink->isEnabled() || fgLink->Row() < 1) return;
    const int r = fgLink->Row();
    doc_->Table().RowDelete(r);
    GridFill();
    fLinkRowShow(r);
}

void frmLink::cmdInsert_Click() { fLinkRowInsert(); }

void frmLink::cmdDelete_Click() {
    fLinkRowDelete();
    fLinkRowShow(NumberOr(1));
}

// --- colours ----------------------------------------------------------------------------------

void frmLink::cmdColor_Click() {
    if (const auto color = ColorAsk(panelColor_)) PanelColorSet(*color);
}

void frmLink::fColorSelect() {
    const int r = fgLink->Row();
    if (r < 1) return;
    fgLink->SetCurrentCell(r, 2);
    const auto start = store::LooseValue(fgLink->TextMatrix(r, 2).toStdString()).AsNumber();
    const auto start32 = start ? platform::ToInt32(*start) : std::nullopt;
    const auto color = ColorAsk(start32 ? *start32 : 0);
    if (!color) return;
    doc_->Table().SetColor(r, *color, std::to_string(*color));
    RowFill(r);
    fLinkRowShow(r);
}

void frmLink::mnuEditColor_Click() {
    const platform::WaitCursor wait;
    doc_->Table().AutoColor();
    for (int r = 1; r <= doc_->Table().Rows(); ++r) {
        fgLink->SetCellBackColor(r, 2, RowColor(doc_->Table().Row(r).color, this));
        if (r % 10 == 0) QCoreApplication::processEvents();
    }
}

// --- keys of the code and colour cells -----------------------------------------------------------

// Hex digits shift into a code cell, "*" makes it any value; no key edits
// the cell in place. Other keys go on to the grid (moving the cell).
bool frmLink::CodeKey(platform::GridAdapter* grid, int row, int col, QKeyEvent* key) {
    if (row < 1 || col < 1) return false;
    const int k = grid == fgLink ? col - kCodeCol : row - 1;
    if (k < 0 || k >= doc_->Table().CodeColumns()) return false;
    const QString text = key->text();
    QString next;
    if (text == QLatin1String(kAnyCodeText)) {
        next = QString::fromLatin1(kAnyCodeText);
    } else {
        char digit = 0;
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) digit = static_cast<char>('0' + key->key() - Qt::Key_0);
        if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_F) digit = static_cast<char>('A' + key->key() - Qt::Key_A);
        if (digit == 0) return !text.isEmpty() && text.front().isPrint();  // typed text never edits the cell
        next = Q(CodeKeyed(grid->TextMatrix(row, col).toStdString(), digit,
                           doc_->Table().Columns()[static_cast<size_t>(k)].digits));
    }
    grid->SetTextMatrix(row, col, next);
    if (grid == fgLink) {
        doc_->Table().SetCode(row, k, next.toStdString());
        fLinkRowShow(row);
    }
    return true;
}

bool frmLink::ColorKey(QKeyEvent* key) {
    static const std::set<int> kPassed{
        Qt::Key_Cancel, Qt::Key_Backspace, Qt::Key_Tab,      Qt::Key_Backtab, Qt::Key_Clear,    Qt::Key_Shift,
        Qt::Key_Control, Qt::Key_Alt,      Qt::Key_Pause,    Qt::Key_CapsLock, Qt::Key_Escape,  Qt::Key_PageUp,
        Qt::Key_PageDown, Qt::Key_End,     Qt::Key_Home,     Qt::Key_Left,    Qt::Key_Up,       Qt::Key_Right,
        Qt::Key_Down,    Qt::Key_Select,   Qt::Key_Print,    Qt::Key_Execute, Qt::Key_SysReq,   Qt::Key_Insert,
        Qt::Key_Delete,  Qt::Key_Help,     Qt::Key_NumLock,  Qt::Key_Meta};
    if (kPassed.count(key->key()) != 0) return false;
    fColorSelect();
    return true;
}

}  // namespace analyser::editors::ui
