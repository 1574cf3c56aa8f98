#include "frmFrameMake.h"

#include <QApplication>
#include <QTimer>

#include "EditorDialogs.h"
#include "EditorLayout.h"
#include "SaveQuestionBox.h"
#include "frmItemScope.h"
#include "platform/ui/Twips.h"

namespace analyser::editors::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void ComboShow(QComboBox* combo, const std::string& text) {
    const QString value = Q(text);
    if (combo->findText(value) < 0) combo->addItem(value);  // a stored unit outside the list
    combo->setCurrentText(value);
}

}  // namespace

frmFrameMake::frmFrameMake(EditorContext context) : QDialog(context.owner), context_(std::move(context)) {
    FrameMakeView& view = *this;
    doc_ = std::make_unique<FrameMakeDoc>(view, context_.frameConfigFolder);
    Design();
    DefaultSeams();
    Connect();
    setWindowIcon(context_.icon);
    setMinimumSize(platform::TwipsToPixels(kFrameMakeMinWidth, this),
                   platform::TwipsToPixels(kFrameMakeMinHeight, this));
    resize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));
    if (context_.Anchor) EditorPlace(this, context_.Anchor(), kClientWidth, kClientHeight);
    splitter_ = (InnerHeight() - TopHeight()) / 2;
    Refresh();
    fItemShow(1);
}

frmFrameMake::~frmFrameMake() = default;

// --- FrameMakeView ----------------------------------------------------------------------

void frmFrameMake::Warn(const std::string& text) { MessageAsk(text, QMessageBox::Warning, QMessageBox::Ok); }

void frmFrameMake::Inform(const std::string& text) { MessageAsk(text, QMessageBox::Information, QMessageBox::Ok); }

FrameMakeView::Answer frmFrameMake::AskSave(const std::string& text) {
    return analyser::ui::SaveAnswerOf(MessageAsk(text, QMessageBox::Warning, analyser::ui::kSaveQuestionButtons));
}

void frmFrameMake::reject() {
    if (doc_->ChangesResolved()) QDialog::reject();
}

std::string frmFrameMake::SaveAsk(const std::string& title) { return SaveFileAsk(Q(title)); }

std::string frmFrameMake::ConfigPick() { return context_.FilePick ? context_.FilePick(0) : std::string(); }

void frmFrameMake::Refresh() {
    setWindowTitle(Q(doc_->Caption()));
    if (txtProtocolName->text() != Q(doc_->Name())) txtProtocolName->setText(Q(doc_->Name()));
    for (QAction* save : {mnuFileSave, mnuFileSaveAs}) save->setEnabled(!doc_->SaveLocked());
    GridFill();
    BitLayoutDraw();
}

void frmFrameMake::CheckFocus(const ItemsCheckResult& result) {
    using Focus = ItemsCheckResult::Focus;
    switch (result.focus) {
        case Focus::NameBox: txtProtocolName->setFocus(); break;
        case Focus::Cell:
            fItemShow(result.row);
            fgFrameCreate->EditCell(result.row, result.col);
            break;
        case Focus::SizeColumn: fgFrameCreate->selectColumn(kColSize); break;
        case Focus::None: break;
    }
}

// --- the grid and the picture --------------------------------------------------------------

void frmFrameMake::GridFill() {
    const ItemTable& items = doc_->Items();
    showing_ = true;
    fgFrameCreate->SetRows(items.Count() + 1);
    for (int n = 1; n <= items.Count(); ++n) {
        for (int c = 0; c < kItemColumns; ++c) {
            const QString text = Q(items.Cell(n, c));
            if (fgFrameCreate->TextMatrix(n, c) != text) fgFrameCreate->SetTextMatrix(n, c, text);
        }
    }
    showing_ = false;
}

void frmFrameMake::BitLayoutDraw() { fgFrameFormat->SetPicture(BitPicture(doc_->Items(), CurrentWidth())); }

void frmFrameMake::mnuViewWidth_Click(int width) {
    const int widths[3] = {8, 16, 32};
    const bool same = width == width_;
    if (BitPicture::IsWidth(width)) width_ = width;
    for (int k = 0; k < 3; ++k) mnuViewWidth[k]->setChecked(widths[k] == width_);
    if (same) return;
    BitLayoutDraw();
    Form_Resize();
}

void frmFrameMake::mnuViewRefresh_Click() { BitLayoutDraw(); }

// --- the edit panel -----------------------------------------------------------------------

ItemPanel frmFrameMake::PanelRead() const {
    ItemPanel p;
    p.name = txtItemName->text().toStdString();
    p.type = cmbItemType->currentText().toStdString();
    p.size = txtItemSize->text().toStdString();
    p.unit = cmbItemSize->currentText().toStdString();
    p.lengthUnit = cmbItemUnit->currentText().toStdString();
    for (int k = 0; k < lstItemSpan->count(); ++k) p.spans.push_back(lstItemSpan->item(k)->text().toStdString());
    return p;
}

void frmFrameMake::PanelShow(const ItemPanel& p) {
    txtItemName->setText(Q(p.name));
    cmbItemType->setCurrentText(Q(p.type));
    txtItemSize->setText(Q(p.size));
    cmbItemSize->setCurrentText(Q(p.unit));
    ComboShow(cmbItemUnit, p.lengthUnit);
    lstItemSpan->clear();
    for (const std::string& entry : p.spans) lstItemSpan->addItem(Q(entry));
    TypeRuleApply();
    SizeBoxApply();
}

void frmFrameMake::TypeRuleApply() {
    const bool on = IsLengthType(cmbItemType->currentText().toStdString());
    for (QWidget* w : std::initializer_list<QWidget*>{frameItemSpan, frameItemUnit, cmbItemUnit, lstItemSpan,
                                                      cmdItemSpan}) {
        w->setEnabled(on);
    }
}

void frmFrameMake::SizeBoxApply() {
    const bool on = cmbItemSize->currentText().toStdString() != kUnitVariable;
    txtItemSize->setEnabled(on);
    udItemSize->setEnabled(on);
}

void frmFrameMake::cmbItemSize_Validate() {
    ItemPanel p = PanelRead();
    if (const auto warning = SizeUnitApply(p)) Warn(*warning);
    cmbItemSize->setCurrentText(Q(p.unit));
    txtItemSize->setText(Q(p.size));
    SizeBoxApply();
}

void frmFrameMake::udItemSize_Stepped(bool up) {
    txtItemSize->setText(Q(SizeStep(txtItemSize->text().toStdString(), up, cmbItemType->currentText().toStdString(),
                                    cmbItemSize->currentText().toStdString())));
}

int frmFrameMake::ItemNumber() const { return ItemNumberClamp(txtItemNo->text().toStdString(), doc_->Items().Count()); }

void frmFrameMake::RowSelect(int n) {
    showing_ = true;
    fgFrameCreate->SetCurrentCell(n, std::max(fgFrameCreate->Col(), 1));
    showing_ = false;
}

void frmFrameMake::fItemShow(int n) {
    if (n <= 0) return;
    n = std::min(n, doc_->Items().Count());
    txtItemNo->setText(QString::number(n));
    RowSelect(n);
    PanelShow(PanelOf(doc_->Items(), n, PanelRead()));
}

void frmFrameMake::cmdUpdate_Click() {
    const auto r = WholeNumber(txtItemNo->text().toStdString());
    if (r) doc_->Update(static_cast<int>(*r), PanelRead());
    GridFill();
    BitLayoutDraw();
    Form_Resize();
    cmdNext_Click();
}

void frmFrameMake::cmdTop_Click() { fItemShow(1); }

void frmFrameMake::cmdBefore_Click() {
    const auto n = WholeNumber(txtItemNo->text().toStdString());
    if (n && *n > 1) fItemShow(static_cast<int>(*n - 1));
}

void frmFrameMake::cmdNext_Click() {
    const auto current = WholeNumber(txtItemNo->text().toStdString());
    const int n = static_cast<int>(current ? *current : 0) + 1;
    if (n > doc_->Items().Count()) {
        doc_->RowAdd();
        GridFill();
    }
    fItemShow(n);
}

void frmFrameMake::cmdEnd_Click() { fItemShow(doc_->Items().Count()); }

void frmFrameMake::txtItemNo_Enter() { fItemShow(ItemNumber()); }

void frmFrameMake::cmdItemSpan_Click() {
    frmItemScope picker(doc_->Items(), txtItemNo->text().toStdString(), this);
    if (!SpanPickRun(picker)) return;
    lstItemSpan->clear();
    lstItemSpan->addItems(picker.Chosen());
}

// --- rows -----------------------------------------------------------------------------------

void frmFrameMake::cmdInsert_Click() {
    const int row = std::max(fgFrameCreate->Row(), 1);
    doc_->RowInsert(row);
    GridFill();
    BitLayoutDraw();
    fItemShow(row);
}

void frmFrameMake::mnuEditDelete_Click() {
    const int row = fgFrameCreate->Row();
    if (row < 1) return;
    doc_->RowDelete(row);
    GridFill();
    BitLayoutDraw();
    fItemShow(std::min(row, doc_->Items().Count()));
}

void frmFrameMake::cmdDelete_Click() {
    const int number = ItemNumber();
    mnuEditDelete_Click();
    fItemShow(std::min(number, doc_->Items().Count()));
}

void frmFrameMake::mnuEditAdd_Click() {
    doc_->RowAdd();
    GridFill();
    fItemShow(doc_->Items().Count());
}

void frmFrameMake::mnuRightInsert_Click() {
    if (fgFrameCreate->Row() < 0) {
        mnuEditAdd_Click();
    } else {
        cmdInsert_Click();
    }
}

void frmFrameMake::fFrameMakeDataSet(const std::string& vFileName) {
    if (doc_->Load(vFileName)) fItemShow(1);
}

// --- grid events ----------------------------------------------------------------------------

// A click on the current cell of the name, size or span column edits it.
void frmFrameMake::GridPressed(int row, int col) {
    if (row != fgFrameCreate->Row() || col != fgFrameCreate->Col()) return;
    if (col == kColName || col == kColSize || col == kColSpan) {
        QTimer::singleShot(0, this, [this, row, col] { fgFrameCreate->EditCell(row, col); });
    }
}

void frmFrameMake::GridRightClicked(const QPoint& globalPos) {
    const auto [row, col] = fgFrameCreate->CellAt(fgFrameCreate->mapFromGlobal(globalPos));
    if (row >= 1) fgFrameCreate->SetCurrentCell(row, std::max(col, 1));
    PopupRun(mnuRight, globalPos);
}

// The warning shows once the editor has taken the refusal; the cell is
// then put back into edit with the refused text, so the user corrects it.
void frmFrameMake::CellRefused(int row, int col, const QString& text, const std::string& warning) {
    if (refusalPending_) return;
    refusalPending_ = true;
    QTimer::singleShot(0, this, [this, row, col, text, warning] {
        Warn(warning);
        refusalPending_ = false;
        fgFrameCreate->EditCell(row, col);
        if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            editor->setText(text);
            editor->selectAll();
        }
    });
}

}  // namespace analyser::editors::ui
