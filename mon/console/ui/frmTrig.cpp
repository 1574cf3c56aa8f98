#include "frmTrig.h"

#include <QApplication>
#include <QFontMetrics>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "NumberField.h"
#include "SubFormWindow.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"

namespace mon {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QLineEdit* box) { return box->text().toStdString(); }

QLabel* Named(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

}  // namespace

frmTrig::frmTrig(QWidget* owner, MonitorSettings& settings)
    : QDialog(owner), settings_(settings), edit_(settings.Trig) {
    CodePickRun = [this](int16_t picked) { return CodePickerOpen(picked); };
    StringEntryRun = [this](std::string& text, bool startPage) { return StringEntryOpen(text, startPage); };
    Design();
    Form_Load(owner);
}

// --- design -----------------------------------------------------------------------

void frmTrig::Design() {
    setObjectName(QStringLiteral("frmTrig"));
    setWindowTitle(QStringLiteral("トリガ設定"));
    setFont(platform::UiFont());
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(DesignPage(kStopPage), QStringLiteral("トリガストップ"));
    SSTab1->addTab(DesignPage(kStartPage), QStringLiteral("トリガスタート"));
    mnuRightEnter = mnuRight->addAction(QStringLiteral("文字列入力"));
    mnuRightEnter->setObjectName(QStringLiteral("mnuRightEnter"));
    connect(mnuRightEnter, &QAction::triggered, this,
            [this] { platform::NoThrow("string entry", [&] { mnuRightEnter_Click(); }); });
    DesignButtons();
    adjustSize();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmTrig::DesignPage(int page) {
    const auto i = static_cast<size_t>(page);
    chkTrigFlg[i] = new QCheckBox(QStringLiteral("使用する"));
    chkTrigFlg[i]->setObjectName(QStringLiteral("chkTrigFlg%1").arg(page));
    connect(chkTrigFlg[i], &QCheckBox::toggled, this,
            [this, page] { platform::NoThrow("trigger flag", [&] { chkTrigFlg_Click(page); }); });
    auto* column = new QVBoxLayout;
    column->addWidget(chkTrigFlg[i]);
    column->addLayout(DesignFields(page));
    column->addLayout(DesignGrids(page));
    column->addStretch(1);
    auto* widget = new QWidget;
    widget->setLayout(column);
    return widget;
}

QLayout* frmTrig::DesignFields(int page) {
    const auto i = static_cast<size_t>(page);
    const QString n = QString::number(page);
    lblTrigLine[i] = Named(QStringLiteral("トリガライン"), "lblTrigLine" + n);
    cmbTrigLine[i] = new QComboBox;
    cmbTrigLine[i]->setObjectName("cmbTrigLine" + n);
    cmbTrigLine[i]->addItems({QStringLiteral("DUAL"), QStringLiteral("SD"), QStringLiteral("RD")});
    lblLength[i] = Named(page == kStopPage ? QStringLiteral("レングスアフタ") : QStringLiteral("モニタレングス"),
                         "lblLength" + n);
    lblSdCount[i] = Named(QStringLiteral("ＳＤカウント"), "lblSdCount" + n);
    lblRdCount[i] = Named(QStringLiteral("ＲＤカウント"), "lblRdCount" + n);
    auto* grid = new QGridLayout;
    grid->addWidget(lblTrigLine[i], 0, 0);
    grid->addWidget(cmbTrigLine[i], 0, 1);
    grid->addWidget(lblLength[i], 1, 0);
    grid->addLayout(DesignNumberBox(txtLength[i], UpDownLength[i], "Length" + n,
                                    static_cast<int>(PageLimits(page).lengthDigits)),
                    1, 1);
    grid->addWidget(lblSdCount[i], 0, 2);
    grid->addLayout(DesignNumberBox(txtSdCount[i], UpDownSdCount[i], "SdCount" + n, kCountDigits), 0, 3);
    grid->addWidget(lblRdCount[i], 1, 2);
    grid->addLayout(DesignNumberBox(txtRdCount[i], UpDownRdCount[i], "RdCount" + n, kCountDigits), 1, 3);
    UpDownsConnect(page);
    if (page == kStartPage) txtLength[i]->installEventFilter(this);
    return grid;
}

QLayout* frmTrig::DesignNumberBox(QLineEdit*& box, platform::UpDown*& upDown, const QString& name,
                                  int maxLength) {
    box = new QLineEdit;
    box->setObjectName("txt" + name);
    box->setMaxLength(maxLength);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(QFontMetrics(platform::UiFont()).horizontalAdvance(QStringLiteral("0")) * (maxLength + 4));
    platform::SelectAllOnFocus::Install(box);
    upDown = new platform::UpDown;
    upDown->setObjectName("UpDown" + name);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(box);
    row->addWidget(upDown);
    row->addStretch(1);
    return row;
}

void frmTrig::UpDownsConnect(int page) {
    const auto i = static_cast<size_t>(page);
    const TriggerLimits& limits = PageLimits(page);
    const auto stepper = [this](QLineEdit* box, int32_t lowest, int32_t highest, int32_t step) {
        return [box, lowest, highest, step](bool up) {
            box->setText(Q(UpDownStep(S(box), lowest, highest, step, up)));
        };
    };
    connect(UpDownLength[i], &platform::UpDown::Stepped, this,
            stepper(txtLength[i], limits.lengthStepLowest, limits.lengthStepHighest, kLengthStep));
    connect(UpDownSdCount[i], &platform::UpDown::Stepped, this,
            stepper(txtSdCount[i], kCountStepLowest, kCountHighest, 1));
    connect(UpDownRdCount[i], &platform::UpDown::Stepped, this,
            stepper(txtRdCount[i], kCountStepLowest, kCountHighest, 1));
}

QLayout* frmTrig::DesignGrids(int page) {
    const auto i = static_cast<size_t>(page);
    const QString n = QString::number(page);
    lblSd[i] = Named(QStringLiteral("SD"), "lblSd" + n);
    lblRd[i] = Named(QStringLiteral("RD"), "lblRd" + n);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    const std::vector<int> titles = page == kStopPage ? std::vector<int>{0, 1, 2} : std::vector<int>{3, 4};
    const auto sdGrid = 2 * page;
    int row = 0;
    for (int line = 0; line < 2; ++line) {
        grid->addWidget(line == 0 ? lblSd[i] : lblRd[i], row++, 1);
        auto* titleColumn = new QVBoxLayout;
        titleColumn->setSpacing(0);
        for (int t : titles) {
            const QString text = t == 0 ? QStringLiteral("NOT") : (t == 1 || t == 3) ? QStringLiteral("HEX") : QString();
            auto& title = line == 0 ? lblSdTitle[static_cast<size_t>(t)] : lblRdTitle[static_cast<size_t>(t)];
            title = RowTitle(text);
            title->setObjectName(QStringLiteral("%1%2").arg(line == 0 ? "lblSdTitle" : "lblRdTitle").arg(t));
            titleColumn->addWidget(title);
        }
        grid->addLayout(titleColumn, row, 0);
        grid->addWidget(DesignGrid(sdGrid + line), row++, 1, Qt::AlignLeft);
    }
    return grid;
}

void frmTrig::DesignButtons() {
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTab1);
    column->addLayout(platform::ButtonRow({cmdSet, cmdCancel}));
    connect(cmdSet, &QPushButton::clicked, this,
            [this] { platform::NoThrow("trigger editor", [&] { cmdSet_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(SSTab1, &QTabWidget::currentChanged, this,
            [this] { platform::NoThrow("trigger editor", [&] { TrigControlsEnable(); }); });
}

// --- loading ----------------------------------------------------------------------

void frmTrig::Form_Load(QWidget* owner) {
    SubFormPlaceWindow(this, owner, "frmTrig");
    const QString codeName = Q(MonitorCodeName(settings_.Code));
    for (size_t t : {size_t{2}, size_t{4}}) {
        lblSdTitle[t]->setText(codeName);
        lblRdTitle[t]->setText(codeName);
    }
    for (int page = 0; page < 2; ++page) {
        const auto i = static_cast<size_t>(page);
        const TriggerPageForm& form = edit_.Page(page);
        const QSignalBlocker quiet(chkTrigFlg[i]);
        chkTrigFlg[i]->setChecked(form.active);
        cmbTrigLine[i]->setCurrentIndex(form.lineIndex);
        txtLength[i]->setText(Q(form.lengthText));
        txtSdCount[i]->setText(Q(form.sdCountText));
        txtRdCount[i]->setText(Q(form.rdCountText));
    }
    for (int g = 0; g < kTriggerGrids; ++g) GridShow(g);
    // Loading checks the boxes by the active rule, and what the boxes then
    // say is written at once, as every change of a box is.
    edit_.ActiveWrite(settings_.Trig);
    SSTab1->setCurrentIndex(kStopPage);
    TrigControlsEnable();
}

// --- the check boxes and enabling -----------------------------------------------------

// A box writes its trigger's Active the moment it changes; neither Cancel
// nor the close box takes it back.
void frmTrig::chkTrigFlg_Click(int page) {
    edit_.ActiveSet(page, chkTrigFlg[static_cast<size_t>(page)]->isChecked());
    for (int p = 0; p < 2; ++p) {
        const QSignalBlocker quiet(chkTrigFlg[static_cast<size_t>(p)]);
        chkTrigFlg[static_cast<size_t>(p)]->setChecked(edit_.Page(p).active);
    }
    edit_.ActiveWrite(settings_.Trig);
    TrigControlsEnable();
}

// A page's fields and grids follow its trigger's box; the box itself and
// the buttons stay usable.
void frmTrig::TrigControlsEnable() {
    for (int page = 0; page < 2; ++page) {
        const auto i = static_cast<size_t>(page);
        const bool on = edit_.Page(page).active;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 lblTrigLine[i], cmbTrigLine[i], lblLength[i], txtLength[i], UpDownLength[i],
                 lblSdCount[i], txtSdCount[i], UpDownSdCount[i], lblRdCount[i], txtRdCount[i],
                 UpDownRdCount[i], lblSd[i], lblRd[i], VSFlexGrid[2 * i], VSFlexGrid[2 * i + 1]}) {
            w->setEnabled(on);
        }
        const std::vector<size_t> titles = page == kStopPage ? std::vector<size_t>{0, 1, 2}
                                                             : std::vector<size_t>{3, 4};
        for (size_t t : titles) {
            lblSdTitle[t]->setEnabled(on);
            lblRdTitle[t]->setEnabled(on);
        }
    }
}

// --- Set ----------------------------------------------------------------------------------

void frmTrig::PagesRead() {
    for (int page = 0; page < 2; ++page) {
        const auto i = static_cast<size_t>(page);
        TriggerPageForm& form = edit_.Page(page);
        form.lineIndex = cmbTrigLine[i]->currentIndex();
        form.lengthText = S(txtLength[i]);
        form.sdCountText = S(txtSdCount[i]);
        form.rdCountText = S(txtRdCount[i]);
    }
}

// The fields that passed are stored also when a later one is refused.
void frmTrig::cmdSet_Click() {
    PagesRead();
    const TriggerEdit::Outcome out = edit_.Set(settings_.Trig);
    settings_.Trig = out.trig;
    if (out.refused) {
        Refuse(*out.refused);
        return;
    }
    accept();
}

void frmTrig::Refuse(const TriggerRefusal& refusal) {
    QApplication::beep();
    SSTab1->setCurrentIndex(refusal.page);
    const auto i = static_cast<size_t>(refusal.page);
    QWidget* control = nullptr;
    switch (refusal.field) {
        case TriggerField::Length: control = txtLength[i]; break;
        case TriggerField::SdCount: control = txtSdCount[i]; break;
        case TriggerField::RdCount: control = txtRdCount[i]; break;
        case TriggerField::SdGrid: control = VSFlexGrid[2 * i]; break;
        case TriggerField::RdGrid: control = VSFlexGrid[2 * i + 1]; break;
    }
    if (control != nullptr && control->isEnabled()) control->setFocus();
}

// The start page's length is raised to its lowest when the focus leaves.
bool frmTrig::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtLength[kStartPage] && event->type() == QEvent::FocusOut) {
        platform::NoThrow("length", [&] {
            txtLength[kStartPage]->setText(Q(StartLengthLeft(S(txtLength[kStartPage]))));
        });
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace mon
