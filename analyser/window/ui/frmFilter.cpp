#include "frmFilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

#include "AnalyserFonts.h"
#include "CommentColumn.h"
#include "DialogLook.h"
#include "FilterRun.h"
#include "FrameChart.h"
#include "HexByteRow.h"
#include "MarkPictures.h"
#include "VbDate.h"
#include "clsFilter.h"
#include "clsProtocol.h"
#include "frmFilterRelation.h"
#include "frmMain.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

namespace {

constexpr int kClientWidth = 5070;  // twips
constexpr int kClientHeight = 3465;
constexpr int kByteColumnWidth = 397;

QString Q(const std::string& s) { return QString::fromStdString(s); }

double DateOf(const QDate& date, const QTime& time) {
    return platform::MakeDate({date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()})
        .value_or(0);
}

}  // namespace

frmFilter::frmFilter(frmMain& main, Message message)
    : QDialog(&main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(main),
      message_(std::move(message)) {
    setAttribute(Qt::WA_DeleteOnClose);
    Design();
    Form_Load();
}

frmFilterRelation* frmFilter::RelationPicker() const { return picker_.data(); }

frmFilter::~frmFilter() {
    if (picker_) picker_->close();
}

// --- design -------------------------------------------------------------------

void frmFilter::Design() {
    setObjectName(QStringLiteral("frmFilter"));
    setWindowTitle(QStringLiteral("フィルタ"));
    setWindowIcon(WindowIconMake());
    setFont(DialogFont());
    setModal(false);
    tabFilter->setObjectName(QStringLiteral("tabFilter"));
    tabFilter->addTab(DesignRelationTab(), QStringLiteral("関連付け項目"));
    tabFilter->addTab(DesignDataTab(), QStringLiteral("フレームデータ"));
    tabFilter->addTab(DesignDateTab(), QStringLiteral("範囲指定時刻"));
    tabFilter->addTab(DesignDirectionTab(), QStringLiteral("方向"));
    // Every tab shows its caption: the dialog is as wide as they need.
    tabFilter->tabBar()->setUsesScrollButtons(false);
    const std::pair<QPushButton*, const char*> buttons[] = {
        {cmdOK, "cmdOK"}, {cmdCancel, "cmdCancel"}, {cmdApply, "cmdApply"}, {cmdReset, "cmdReset"}};
    for (const auto& [b, name] : buttons) {
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setFixedSize(platform::TwipsToPixels(QRect(0, 0, 1095, 375), this).size());
    }
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdApply);
    setTabOrder(cmdApply, cmdReset);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabFilter);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {cmdOK, cmdCancel, cmdApply, cmdReset}) row->addWidget(b);
    layout->addLayout(row);
    const auto on = [this](QPushButton* b, void (frmFilter::*click)()) {
        connect(b, &QPushButton::clicked, this, [this, click] { platform::NoThrow("frmFilter", [&] { (this->*click)(); }); });
    };
    on(cmdApply, &frmFilter::cmdApply_Click);
    on(cmdOK, &frmFilter::cmdOK_Click);
    on(cmdReset, &frmFilter::cmdReset_Click);
    on(cmdSetRelation, &frmFilter::cmdSetRelation_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    for (QCheckBox* box : {chkFilRelation, chkFilData, chkFilDate, chkFilDirection}) {
        connect(box, &QCheckBox::toggled, this, [this] { Switches(); });
    }
    resize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));
}

QWidget* frmFilter::DesignRelationTab() {
    auto* tab = new QWidget;
    chkFilRelation = new QCheckBox(QStringLiteral("適用する"), tab);
    chkFilRelation->setObjectName(QStringLiteral("chkFilRelation"));
    frameFilRelation = new QGroupBox(tab);
    frameFilRelation->setObjectName(QStringLiteral("frameFilRelation"));
    cmdSetRelation = new QPushButton(QStringLiteral("設定(&S)"), frameFilRelation);
    cmdSetRelation->setObjectName(QStringLiteral("cmdSetRelation"));
    cmdSetRelation->setAutoDefault(false);
    listItemList = new QListWidget(frameFilRelation);
    listItemList->setObjectName(QStringLiteral("listItemList"));
    optFilRelation[0] = new QRadioButton(QStringLiteral("部分一致"), frameFilRelation);
    optFilRelation[1] = new QRadioButton(QStringLiteral("完全一致"), frameFilRelation);
    auto* inner = new QHBoxLayout(frameFilRelation);
    auto* side = new QVBoxLayout;
    side->addWidget(cmdSetRelation);
    for (QRadioButton* o : optFilRelation) side->addWidget(o);
    side->addStretch();
    inner->addWidget(listItemList, 1);
    inner->addLayout(side);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chkFilRelation);
    layout->addWidget(frameFilRelation, 1);
    return tab;
}

QWidget* frmFilter::DesignDataTab() {
    auto* tab = new QWidget;
    chkFilData = new QCheckBox(QStringLiteral("適用する"), tab);
    chkFilData->setObjectName(QStringLiteral("chkFilData"));
    frameFilData = new QGroupBox(tab);
    frameFilData->setObjectName(QStringLiteral("frameFilData"));
    fgFilData = new HexByteRow(10, frameFilData);
    fgFilData->setObjectName(QStringLiteral("fgFilData"));
    fgFilData->SetColumnTwips(kByteColumnWidth);
    fgFilData->SetEnterAdvances(true);
    auto* inner = new QVBoxLayout(frameFilData);
    inner->addWidget(fgFilData);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chkFilData);
    layout->addWidget(frameFilData, 1);
    return tab;
}

QWidget* frmFilter::DesignDateTab() {
    auto* tab = new QWidget;
    chkFilDate = new QCheckBox(QStringLiteral("適用する"), tab);
    chkFilDate->setObjectName(QStringLiteral("chkFilDate"));
    frameFilDate = new QGroupBox(tab);
    frameFilDate->setObjectName(QStringLiteral("frameFilDate"));
    auto* grid = new QGridLayout(frameFilDate);
    grid->addWidget(new QLabel(QStringLiteral("日付"), frameFilDate), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("時刻"), frameFilDate), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("開始時刻"), frameFilDate), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("終了時刻"), frameFilDate), 2, 0);
    for (int k = 0; k < 2; ++k) {
        DTPickerDate[static_cast<size_t>(k)] = new QDateEdit(frameFilDate);
        DTPickerDate[static_cast<size_t>(k)]->setObjectName(QStringLiteral("DTPickerDate%1").arg(k));
        DTPickerDate[static_cast<size_t>(k)]->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        DTPickerDate[static_cast<size_t>(k)]->setCalendarPopup(true);
        DTPickerTime[static_cast<size_t>(k)] = new QTimeEdit(frameFilDate);
        DTPickerTime[static_cast<size_t>(k)]->setObjectName(QStringLiteral("DTPickerTime%1").arg(k));
        DTPickerTime[static_cast<size_t>(k)]->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        grid->addWidget(DTPickerDate[static_cast<size_t>(k)], k + 1, 1);
        grid->addWidget(DTPickerTime[static_cast<size_t>(k)], k + 1, 2);
    }
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chkFilDate);
    layout->addWidget(frameFilDate, 1);
    return tab;
}

QWidget* frmFilter::DesignDirectionTab() {
    auto* tab = new QWidget;
    chkFilDirection = new QCheckBox(QStringLiteral("適用する"), tab);
    chkFilDirection->setObjectName(QStringLiteral("chkFilDirection"));
    frameFilDirection = new QGroupBox(tab);
    frameFilDirection->setObjectName(QStringLiteral("frameFilDirection"));
    cmbFilDirection = new QComboBox(frameFilDirection);
    cmbFilDirection->setObjectName(QStringLiteral("cmbFilDirection"));
    auto* inner = new QVBoxLayout(frameFilDirection);
    inner->addWidget(cmbFilDirection);
    inner->addStretch();
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(chkFilDirection);
    layout->addWidget(frameFilDirection, 1);
    return tab;
}

// --- loading --------------------------------------------------------------------

void frmFilter::Form_Load() {
    Place();
    tabFilter->setCurrentIndex(0);
    for (QRadioButton* o : optFilRelation) o->hide();
    optFilRelation[1]->setChecked(true);
    const bool linked = Linked();
    chkFilRelation->setEnabled(linked);
    BackgroundColour(listItemList, linked ? platform::kSysWindow : platform::kSysButtonFace);
    cmbFilDirection->clear();
    for (const std::string& item : DirectionItems(linked)) cmbFilDirection->addItem(Q(item));
    const std::array<double, 2> rows = RowDates();
    // Rows that came from elsewhere show as a filter with every condition off.
    const frames::clsFilter none;
    const auto* filter = dynamic_cast<const frames::clsFilter*>(main_.State().gFilter.get());
    Show(FilterFormLoad(filter != nullptr ? *filter : none, linked, rows[0], rows[1]));
}

// Beside the chart, over the right comment column, kept on the screen.
void frmFilter::Place() {
    const platform::TwipsRect mainRect = platform::WindowTwips(&main_);
    const QRect comments = platform::PixelsToTwips(main_.picCommentsR->geometry(), &main_);
    const QRect chart = platform::PixelsToTwips(main_.picFrameView->geometry(), &main_);
    PlaceOnScreen(this, {mainRect.left + comments.left(), mainRect.top + chart.top(), kClientWidth, kClientHeight},
                  &main_);
    raise();
}

void frmFilter::Show(const FilterForm& form) {
    listItemList->clear();
    for (const std::string& name : form.Names) listItemList->addItem(Q(name));
    chkFilRelation->setChecked(form.RelationOn && chkFilRelation->isEnabled());
    chkFilData->setChecked(form.DataOn);
    fgFilData->SetBytes(form.Bytes);
    chkFilDate->setChecked(form.DateOn);
    RangeShow(form.Range);
    chkFilDirection->setChecked(form.DirectionOn);
    cmbFilDirection->setCurrentText(Q(form.Direction));
    Switches();
}

void frmFilter::RangeShow(const std::array<double, 2>& range) {
    for (size_t k = 0; k < 2; ++k) {
        const platform::DateParts d = platform::SplitDate(range[k]);
        DTPickerDate[k]->setDate(QDate(d.year, d.month, d.day));
        DTPickerTime[k]->setTime(QTime(d.hour, d.minute, d.second));
    }
}

// A ticked box switches its tab's controls on, a cleared one off.
void frmFilter::Switches() {
    const bool relation = chkFilRelation->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{frameFilRelation, cmdSetRelation, listItemList,
                                                      optFilRelation[0], optFilRelation[1]}) {
        w->setEnabled(relation);
    }
    fgFilData->setEnabled(chkFilData->isChecked());
    for (size_t k = 0; k < 2; ++k) {
        DTPickerDate[k]->setEnabled(chkFilDate->isChecked());
        DTPickerTime[k]->setEnabled(chkFilDate->isChecked());
    }
    cmbFilDirection->setEnabled(chkFilDirection->isChecked());
}

bool frmFilter::Linked() const { return main_.mnuEditRelationSet->isChecked(); }

std::array<double, 2> frmFilter::RowDates() const {
    const AnalyserState& st = main_.State();
    if (!st.gProtocol || !st.gFilter) return {0, 0};
    return {st.gProtocol->FrameDate(st.gFilter->FilterNo(0)),
            st.gProtocol->FrameDate(st.gFilter->FilterNo(st.gRowCount - 1))};
}

FilterForm frmFilter::Form() const {
    FilterForm form;
    form.RelationOn = chkFilRelation->isChecked();
    for (int i = 0; i < listItemList->count(); ++i) form.Names.push_back(listItemList->item(i)->text().toStdString());
    form.DataOn = chkFilData->isChecked();
    form.Bytes = fgFilData->Bytes();
    form.DateOn = chkFilDate->isChecked();
    for (size_t k = 0; k < 2; ++k) form.Range[k] = DateOf(DTPickerDate[k]->date(), DTPickerTime[k]->time());
    form.DirectionOn = chkFilDirection->isChecked();
    form.Direction = cmbFilDirection->currentText().toStdString();
    return form;
}

// --- the buttons ------------------------------------------------------------------

void frmFilter::ButtonsEnable(bool on) {
    for (QPushButton* b : {cmdApply, cmdCancel, cmdOK, cmdReset}) b->setEnabled(on);
}

FilterRefusal frmFilter::Apply() {
    AnalyserState& st = main_.State();
    if (!st.gProtocol) return FilterRefusal::None;
    ButtonsEnable(false);
    // A filter of the window's own kind takes the settings.
    std::unique_ptr<frames::clsFilter> fresh;
    auto* filter = dynamic_cast<frames::clsFilter*>(st.gFilter.get());
    if (filter == nullptr) {
        fresh = std::make_unique<frames::clsFilter>();
        filter = fresh.get();
    }
    const FilterRefusal refusal = FilterFormApply(Form(), *filter);
    if (refusal != FilterRefusal::None) {
        if (refusal == FilterRefusal::NoBytes) {
            chkFilData->setChecked(false);
        } else if (message_) {
            message_(kMsgNoNames, platform::kMsgIconExclamation);
        }
        ButtonsEnable(true);
        return refusal;
    }
    main_.fTextSetOnStatusBar("フィルタ処理中...");
    // The link table in use stays the chart's: the run gets a copy.
    FilterRun(*filter, *st.gProtocol, st.gLinkFile, &main_);
    if (fresh) st.gFilter = std::move(fresh);
    main_.fTextSetOnStatusBar("");
    st.gRowCount = st.gFilter->FilterMax();
    main_.fCurrentFrameChange(0);
    ButtonsEnable(true);
    raise();
    return FilterRefusal::None;
}

void frmFilter::cmdApply_Click() { Apply(); }

// A list without names is refused and the dialog stays for the names.
void frmFilter::cmdOK_Click() {
    if (Apply() != FilterRefusal::NoNames) close();
}

void frmFilter::cmdReset_Click() {
    chkFilRelation->setChecked(false);
    optFilRelation[1]->setChecked(true);
    chkFilData->setChecked(false);
    fgFilData->Clear();
    chkFilDate->setChecked(false);
    RangeShow(RowDates());
    chkFilDirection->setChecked(false);
    cmbFilDirection->setCurrentIndex(0);
    Switches();
}

void frmFilter::cmdSetRelation_Click() {
    setEnabled(false);
    QPointer<frmFilter> self(this);
    picker_ = new frmFilterRelation(
        main_.State().gLinkFile,
        [self](const QStringList& names) {
            if (!self) return;
            self->listItemList->clear();
            self->listItemList->addItems(names);
        },
        [self] {
            if (self) self->setEnabled(true);
        });
    picker_->show();
}

}  // namespace analyser::ui
