#include "frmSetMonitor.h"

#include <QApplication>
#include <QFontMetrics>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "Engine.h"
#include "MainWindowRules.h"
#include "SubFormWindow.h"
#include "frmBaud.h"
#include "frmBaudN5.h"
#include "frmTrig.h"
#include "platform/time/VbDate.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WindowOwner.h"

namespace mon {

namespace {

constexpr int kBaudDigits = 6;
constexpr char kDateFormat[] = "yyyy/MM/dd";
constexpr char kTimeFormat[] = "HH:mm:ss";

QString Q(const std::string& text) { return QString::fromStdString(text); }

template <size_t N>
void OptionsMake(std::array<QRadioButton*, N>& options, QGroupBox* frame, const char* name,
                 std::array<const char*, N> captions, bool across) {
    auto* group = new QButtonGroup(frame);
    QBoxLayout* box = across ? static_cast<QBoxLayout*>(new QHBoxLayout(frame))
                             : static_cast<QBoxLayout*>(new QVBoxLayout(frame));
    for (size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]));
        options[i]->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(options[i], static_cast<int>(i));
        box->addWidget(options[i]);
    }
}

template <size_t N>
void OptionCheck(const std::array<QRadioButton*, N>& options, int index) {
    if (index >= 0 && static_cast<size_t>(index) < N) options[static_cast<size_t>(index)]->setChecked(true);
}

template <size_t N>
int OptionChosen(const std::array<QRadioButton*, N>& options) {
    for (size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

QLabel* Caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

}  // namespace

frmSetMonitor::frmSetMonitor(Engine& engine, const BaudTable& table, QWidget* mainWindow,
                             QWidget* ownerForm)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      engine_(engine),
      table_(table),
      main_(mainWindow),
      owner_(ownerForm) {
    Design();
    Form_Load();
}

int16_t frmSetMonitor::Model() const { return engine_.Pc.ModelNumber; }

// --- design -------------------------------------------------------------------

void frmSetMonitor::Design() {
    setObjectName(QStringLiteral("frmSetMonitor"));
    setWindowTitle(QStringLiteral("モニタ設定"));
    setFont(platform::UiFont());
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(DesignMeasurePage(), QStringLiteral("計測モード"));
    SSTab1->addTab(DesignRangePage(), QStringLiteral("範囲指定"));
    DesignButtons();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmSetMonitor::DesignMeasurePage() {
    DesignOptions();
    DesignCondition();
    FrameTrig->setObjectName(QStringLiteral("FrameTrig"));
    cmdTrig->setObjectName(QStringLiteral("cmdTrig"));
    cmdTrig->setAutoDefault(false);
    auto* trig = new QHBoxLayout(FrameTrig);
    trig->addWidget(cmdTrig);
    chkCharTime->setObjectName(QStringLiteral("chkCharTime"));
    chkErrStop->setObjectName(QStringLiteral("chkErrStop"));
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(FrameInterface, 0, 0);
    grid->addWidget(FrameLed, 0, 1);
    grid->addWidget(FrameMemoryMode, 1, 0);
    grid->addWidget(FrameDirection, 1, 1);
    grid->addWidget(FrameCondition, 0, 2, 2, 1);
    grid->addWidget(FrameTrig, 2, 2);
    grid->addWidget(chkCharTime, 2, 0);
    grid->addWidget(chkErrStop, 2, 1);
    connect(cmdTrig, &QPushButton::clicked, this,
            [this] { platform::NoThrow("trigger editor", [&] { cmdTrig_Click(); }); });
    return page;
}

void frmSetMonitor::DesignOptions() {
    FrameInterface->setObjectName(QStringLiteral("FrameInterface"));
    FrameLed->setObjectName(QStringLiteral("FrameLed"));
    FrameMemoryMode->setObjectName(QStringLiteral("FrameMemoryMode"));
    FrameDirection->setObjectName(QStringLiteral("FrameDirection"));
    OptionsMake<2>(optInterface, FrameInterface, "optInterface", {"RS-232C", "RS-422"}, false);
    OptionsMake<2>(optLed, FrameLed, "optLed", {"CD", "CI"}, false);
    OptionsMake<3>(optMemoryMode, FrameMemoryMode, "optMemoryMode",
                   {"RING(RESTART)", "RING(STOP)", "FIX"}, false);
    OptionsMake<3>(optDirection, FrameDirection, "optDirection", {"DUAL", "SD", "RD"}, false);
}

void frmSetMonitor::DesignCondition() {
    FrameCondition->setObjectName(QStringLiteral("FrameCondition"));
    txtBaudRate->setObjectName(QStringLiteral("txtBaudRate"));
    txtBaudRate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtBaudRate->setMaxLength(kBaudDigits);
    txtBaudRate->setFixedWidth(QFontMetrics(platform::UiFont()).horizontalAdvance(QStringLiteral("0")) * (kBaudDigits + 4));
    platform::SelectAllOnFocus::Install(txtBaudRate);
    UpDownBaudRate->setObjectName(QStringLiteral("UpDownBaudRate"));
    cmdDetail->setObjectName(QStringLiteral("cmdDetail"));
    cmdDetail->setAutoDefault(false);
    cmbDataLength->setObjectName(QStringLiteral("cmbDataLength"));
    cmbDataLength->addItems({QStringLiteral("７"), QStringLiteral("８")});
    cmbParity->setObjectName(QStringLiteral("cmbParity"));
    cmbParity->addItems({QStringLiteral("なし(NON)"), QStringLiteral("奇数(ODD)"), QStringLiteral("偶数(EVEN)")});
    cmbCode->setObjectName(QStringLiteral("cmbCode"));
    cmbCode->addItems({QStringLiteral("ＨＥＸ"), QStringLiteral("ＡＳＣＩＩ"), QStringLiteral("ＪＩＳ７"),
                       QStringLiteral("ＪＩＳ８"), QStringLiteral("ＥＢＣＤＩＣ")});
    // txtBaudRateDmy: the frame the box and its up-down sit in.
    auto* baud = new QHBoxLayout;
    baud->setSpacing(0);
    baud->addWidget(txtBaudRate);
    baud->addWidget(UpDownBaudRate);
    baud->addSpacing(4);
    baud->addWidget(cmdDetail);
    auto* grid = new QGridLayout(FrameCondition);
    grid->addWidget(Caption("回線速度"), 0, 0);
    grid->addLayout(baud, 0, 1);
    grid->addWidget(Caption("データ長"), 1, 0);
    grid->addWidget(cmbDataLength, 1, 1);
    grid->addWidget(Caption("パリティビット"), 2, 0);
    grid->addWidget(cmbParity, 2, 1);
    grid->addWidget(Caption("表示形式"), 3, 0);
    grid->addWidget(cmbCode, 3, 1);
    connect(UpDownBaudRate, &platform::UpDown::Stepped, this, [this](bool up) {
        platform::NoThrow("baud up-down", [&] { UpDownBaudRate_Change(up); });
    });
    connect(cmdDetail, &QPushButton::clicked, this,
            [this] { platform::NoThrow("baud window", [&] { cmdDetail_Click(); }); });
    connect(cmbCode, &QComboBox::currentIndexChanged, this,
            [this](int index) { platform::NoThrow("code list", [&] { cmbCode_Click(index); }); });
}

QWidget* frmSetMonitor::DesignRangePage() {
    chkRangeDate->setObjectName(QStringLiteral("chkRangeDate"));
    FrameRange->setObjectName(QStringLiteral("FrameRange"));
    auto* grid = new QGridLayout(FrameRange);
    grid->addWidget(lblDate, 0, 1);
    grid->addWidget(lblTime, 0, 2);
    grid->addWidget(lblStart, 1, 0);
    grid->addWidget(lblStop, 2, 0);
    for (int i = 0; i < 2; ++i) {
        DTPickerDate[static_cast<size_t>(i)] = new QDateEdit;
        DTPickerDate[static_cast<size_t>(i)]->setObjectName(QStringLiteral("DTPickerDate%1").arg(i));
        DTPickerDate[static_cast<size_t>(i)]->setDisplayFormat(QString::fromLatin1(kDateFormat));
        DTPickerDate[static_cast<size_t>(i)]->setCalendarPopup(true);
        DTPickerTime[static_cast<size_t>(i)] = new QTimeEdit;
        DTPickerTime[static_cast<size_t>(i)]->setObjectName(QStringLiteral("DTPickerTime%1").arg(i));
        DTPickerTime[static_cast<size_t>(i)]->setDisplayFormat(QString::fromLatin1(kTimeFormat));
        grid->addWidget(DTPickerDate[static_cast<size_t>(i)], i + 1, 1);
        grid->addWidget(DTPickerTime[static_cast<size_t>(i)], i + 1, 2);
    }
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(chkRangeDate);
    column->addWidget(FrameRange);
    column->addStretch(1);
    connect(chkRangeDate, &QCheckBox::toggled, this,
            [this] { platform::NoThrow("range", [&] { chkRangeDate_Click(); }); });
    return page;
}

void frmSetMonitor::DesignButtons() {
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTab1);
    column->addLayout(platform::ButtonRow({cmdSet, cmdCancel}));
    connect(cmdSet, &QPushButton::clicked, this,
            [this] { platform::NoThrow("device settings", [&] { cmdSet_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { platform::NoThrow("device settings", [&] { cmdCancel_Click(); }); });
}

// --- loading --------------------------------------------------------------------

void frmSetMonitor::Form_Load() {
    SubFormPlaceWindow(this, owner_, "frmSetMonitor");
    platform::TieToOwner(this, owner_);
    if (main_ != nullptr) main_->setEnabled(false);
    engine_.MonitorDialogShown = -1;
    Draft = engine_.CommittedSettings;
    optInterface[1]->setText(Model() == 2 ? QStringLiteral("RS-422/485") : QStringLiteral("RS-422"));
    cmdDetail->setText(Model() == 2 ? QStringLiteral("基準") : QStringLiteral("詳細"));
    if (Model() != 2) currentRow_ = BaudInitialRow(table_, Draft.BaudRate);
    FormShow(MonitorFormLoad(Draft, engine_.Clock.NowDate()));
    SSTab1->setCurrentIndex(kMeasurePage);
}

void frmSetMonitor::FormShow(const MonitorForm& f) {
    OptionCheck(optInterface, f.interfaceIndex);
    OptionCheck(optLed, f.led);
    OptionCheck(optMemoryMode, f.memoryMode);
    OptionCheck(optDirection, f.direction);
    txtBaudRate->setText(Q(f.baudText));
    cmbDataLength->setCurrentIndex(f.dataLengthIndex);
    cmbParity->setCurrentIndex(f.parityIndex);
    // Choosing the entry writes the code, so the kana form of JIS7 comes
    // out of loading as JIS7.
    cmbCode->setCurrentIndex(f.codeIndex);
    cmbCode_Click(f.codeIndex);
    chkCharTime->setChecked(f.charTime);
    chkErrStop->setChecked(f.errStop);
    for (size_t i = 0; i < 2; ++i) {
        const std::string& date = i == 0 ? f.startDate : f.stopDate;
        const std::string& time = i == 0 ? f.startTime : f.stopTime;
        DTPickerDate[i]->setDate(QDate::fromString(Q(date), QString::fromLatin1(kDateFormat)));
        DTPickerTime[i]->setTime(QTime::fromString(Q(time), QString::fromLatin1(kTimeFormat)));
    }
    chkRangeDate->setChecked(f.rangeDate);
    chkRangeDate_Click();
}

MonitorForm frmSetMonitor::FormRead() const {
    MonitorForm f;
    f.codeIndex = cmbCode->currentIndex();
    f.dataLengthIndex = cmbDataLength->currentIndex();
    f.parityIndex = cmbParity->currentIndex();
    f.interfaceIndex = OptionChosen(optInterface);
    f.led = OptionChosen(optLed);
    f.memoryMode = OptionChosen(optMemoryMode);
    f.direction = OptionChosen(optDirection);
    f.charTime = chkCharTime->isChecked();
    f.errStop = chkErrStop->isChecked();
    f.baudText = txtBaudRate->text().toStdString();
    f.rangeDate = chkRangeDate->isChecked();
    f.startDate = DTPickerDate[0]->date().toString(QString::fromLatin1(kDateFormat)).toStdString();
    f.startTime = DTPickerTime[0]->time().toString(QString::fromLatin1(kTimeFormat)).toStdString();
    f.stopDate = DTPickerDate[1]->date().toString(QString::fromLatin1(kDateFormat)).toStdString();
    f.stopTime = DTPickerTime[1]->time().toString(QString::fromLatin1(kTimeFormat)).toStdString();
    return f;
}

// --- events -------------------------------------------------------------------------

void frmSetMonitor::cmbCode_Click(int index) {
    if (CodeOfIndex(index) >= 0) Draft.Code = CodeOfIndex(index);
}

void frmSetMonitor::chkRangeDate_Click() {
    const bool on = chkRangeDate->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{DTPickerDate[0], DTPickerDate[1], DTPickerTime[0],
                                                      DTPickerTime[1], lblStart, lblStop, lblDate, lblTime}) {
        w->setEnabled(on);
    }
}

void frmSetMonitor::UpDownBaudRate_Change(bool up) {
    const float typed = TypedBaud(txtBaudRate->text().toStdString());
    const float shown = up ? BaudStepUp(table_, Model(), typed, currentRow_)
                           : BaudStepDown(table_, Model(), typed, currentRow_);
    txtBaudRate->setText(Q(BaudText(shown)));
}

void frmSetMonitor::cmdDetail_Click() {
    if (Model() == 2) {
        frmBaudN5 window(this, *txtBaudRate);
        window.exec();
    } else {
        frmBaud window(this, table_, *txtBaudRate);
        window.exec();
    }
}

void frmSetMonitor::cmdTrig_Click() {
    frmTrig editor(this, Draft);
    editor.exec();
}

void frmSetMonitor::cmdSet_Click() {
    const MonitorSetOutcome out = MonitorSetApply(Draft, FormRead(), Model(), table_);
    if (out.refused) {
        Refuse(*out.refused);
        return;
    }
    engine_.WorkingSettings = out.settings;
    engine_.EngineState = kStateParamDownload;
    engine_.ParamSetStart();
    close();
}

void frmSetMonitor::Refuse(const MonitorRefusal& refusal) {
    SSTab1->setCurrentIndex(refusal.page);
    QWidget* control = txtBaudRate;
    switch (refusal.field) {
        case MonitorField::BaudRate: control = txtBaudRate; break;
        case MonitorField::StartDate: control = DTPickerDate[0]; break;
        case MonitorField::StartTime: control = DTPickerTime[0]; break;
        case MonitorField::StopDate: control = DTPickerDate[1]; break;
        case MonitorField::StopTime: control = DTPickerTime[1]; break;
    }
    control->setFocus();
    QApplication::beep();
}

void frmSetMonitor::cmdCancel_Click() { close(); }

void frmSetMonitor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdCancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSetMonitor::closeEvent(QCloseEvent* event) {
    platform::NoThrow("device settings", [&] { Form_QueryUnload(); });
    event->accept();
}

// The step window of a download just started keeps the main window
// disabled until it closes.
void frmSetMonitor::Form_QueryUnload() {
    if (unloaded_) return;
    unloaded_ = true;
    engine_.MonitorDialogShown = 0;
    if (main_ != nullptr && MainWindowMayEnable(engine_)) main_->setEnabled(true);
}

}  // namespace mon
