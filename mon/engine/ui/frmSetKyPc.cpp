#include "frmSetKyPc.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <optional>
#include <utility>

#include "Engine.h"
#include "IniFile.h"
#include "MainWindowRules.h"
#include "PcDraftChecks.h"
#include "SubFormWindow.h"
#include "clsMsgBox.h"
#include "frmDirectory.h"
#include "platform/ui/MsgBoxWindow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowOwner.h"

namespace mon {

namespace {

constexpr int kPortItems = 6;
constexpr int kBaudItems = 6;
constexpr int kModel1BaudItems = 5;
constexpr int16_t kBaud115200 = 4;
constexpr int16_t kSerialLink = 1;

QLabel* Caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

}  // namespace

frmSetKyPc::frmSetKyPc(Engine& engine, clsMsgBox& msgBox, QWidget* mainWindow, QWidget* ownerForm,
                       QString appTitle)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      engine_(engine),
      msgBox_(msgBox),
      main_(mainWindow),
      owner_(ownerForm),
      appTitle_(std::move(appTitle)) {
    Design();
    Form_Load();
}

// --- design ---------------------------------------------------------------

void frmSetKyPc::Design() {
    setObjectName(QStringLiteral("frmSetKyPc"));
    setWindowTitle(QStringLiteral("ＫＹ＿ＰＣ設定"));
    setFont(platform::UiFont());
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(DesignPage(), QStringLiteral("KY_PC設定"));
    DesignButtons();
    setFixedSize(sizeHint());
}

QWidget* frmSetKyPc::DesignPage() {
    DesignLink();
    DesignFolder();
    DesignFile();
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(FrameRs232c);
    column->addWidget(Frame3);
    column->addWidget(Frame1);
    return page;
}

void frmSetKyPc::DesignLink() {
    FrameRs232c->setObjectName(QStringLiteral("FrameRs232c"));
    cmbPort->setObjectName(QStringLiteral("cmbPort"));
    cmbPort->setEditable(true);
    for (int n = 1; n <= kPortItems; ++n) cmbPort->addItem(QStringLiteral("COM%1").arg(n));
    cmbBaudRate->setObjectName(QStringLiteral("cmbBaudRate"));
    for (int16_t i = 1; i <= kBaudItems; ++i) {
        const uint32_t baud = PcBaudRate(i);
        cmbBaudRate->addItem(QString::number(baud), QVariant::fromValue(baud));
    }
    auto* grid = new QGridLayout(FrameRs232c);
    grid->addWidget(Caption("通信ポート"), 0, 0);
    grid->addWidget(cmbPort, 0, 1);
    grid->addWidget(Caption("ｂｐｓ設定"), 0, 2);
    grid->addWidget(cmbBaudRate, 0, 3);
    grid->addWidget(Caption("ﾃﾞｰﾀ長：8、ﾊﾟﾘﾃｨ：なし、ｽﾄｯﾌﾟﾋﾞｯﾄ：１、ﾌﾛｰ制御：ﾊｰﾄﾞｳｪｱ"), 1, 0, 1, 4);
}

void frmSetKyPc::DesignFolder() {
    Frame3->setObjectName(QStringLiteral("Frame3"));
    txtDataDirectory->setObjectName(QStringLiteral("txtDataDirectory"));
    txtDataDirectory->setMinimumWidth(txtDataDirectory->fontMetrics().averageCharWidth() * 48);
    cmdSansyo->setObjectName(QStringLiteral("cmdSansyo"));
    cmdSansyo->setAutoDefault(false);
    auto* row = new QHBoxLayout(Frame3);
    row->addWidget(txtDataDirectory, 1);
    row->addWidget(cmdSansyo);
    platform::SelectAllOnFocus::Install(txtDataDirectory);
    connect(cmdSansyo, &QPushButton::clicked, this,
            [this] { platform::NoThrow("folder chooser", [&] { cmdSansyo_Click(); }); });
}

void frmSetKyPc::DesignFile() {
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileMax->setObjectName(QStringLiteral("txtFileMax"));
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Caption("ファイル名"), 0, 0);
    grid->addWidget(txtFileName, 0, 1);
    grid->addWidget(Caption("＿００．ｋｙ２"), 0, 2);
    grid->addWidget(Caption("最大ファイル数"), 1, 0);
    grid->addWidget(txtFileMax, 1, 1);
    grid->addWidget(Caption("ファイル名の＿００は、最大ファイル数で折り返します"), 2, 0, 1, 3);
    platform::SelectAllOnFocus::Install(txtFileName);
    platform::SelectAllOnFocus::Install(txtFileMax);
    txtFileMax->installEventFilter(this);
}

void frmSetKyPc::DesignButtons() {
    cmdSetting->setObjectName(QStringLiteral("cmdSetting"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSetting);
    buttons->addWidget(cmdCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTab1);
    column->addLayout(buttons);
    connect(cmdSetting, &QPushButton::clicked, this,
            [this] { platform::NoThrow("PC-link settings", [&] { cmdSetting_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { platform::NoThrow("PC-link settings", [&] { cmdCancel_Click(); }); });
}

// --- loading --------------------------------------------------------------

void frmSetKyPc::Form_Load() {
    SubFormPlaceWindow(this, owner_, "frmSetKyPc");
    platform::TieToOwner(this, owner_);
    if (main_ != nullptr) main_->setEnabled(false);
    engine_.PcDialogShown = -1;
    PcDraft = engine_.Pc;
    PortShow();
    BaudShow();
    txtDataDirectory->setText(QString::fromStdString(PcDraft.DataDir));
    txtFileName->setText(QString::fromStdString(PcDraft.FileName));
    txtFileMax->setText(PcDraft.FileMax == kFileMaxUnlimited ? QString()
                                                             : QString::number(PcDraft.FileMax));
    SettingAccepted = false;
}

void frmSetKyPc::PortShow() {
    const int n = PcDraft.PortNumber;
    if (n >= 1 && n <= kPortItems) {
        cmbPort->setCurrentIndex(n - 1);
        return;
    }
    cmbPort->setCurrentIndex(0);
    cmbPort->setEditText(QStringLiteral("COM%1").arg(n));
}

void frmSetKyPc::BaudShow() {
    // The model-1 unit's link cannot take 460800 baud.
    if (PcDraft.ModelNumber == 1) {
        cmbBaudRate->removeItem(kBaudItems - 1);
        if (PcDraft.PcBaudIndex > kModel1BaudItems) PcDraft.PcBaudIndex = kBaud115200;
    }
    if (PcDraft.PcBaudIndex < 1 || PcDraft.PcBaudIndex > cmbBaudRate->count()) {
        PcDraft.PcBaudIndex = kBaud115200;
    }
    cmbBaudRate->setCurrentIndex(PcDraft.PcBaudIndex - 1);
}

// --- accepting ------------------------------------------------------------

void frmSetKyPc::cmdSetting_Click() {
    std::optional<platform::WaitCursor> hourglass(std::in_place);
    if (!PortTextCheck() || !FileMaxTextCheck()) return;
    PcDraft.LinkKind = kSerialLink;
    if (!PortOpen()) return;
    PcDraft.PortNumber = portNumber_;
    PcDraft.PcBaudIndex = static_cast<int16_t>(cmbBaudRate->currentIndex() + 1);
    if (!DataFolderCheck() || !FileNameCheck() || !WriteTestRun()) return;
    hourglass.reset();
    if (!ExistingFilesAsk()) return;
    Commit();
}

bool frmSetKyPc::PortTextCheck() {
    const std::optional<int16_t> number = PortTextNumber(cmbPort->currentText().toStdString());
    if (!number) {
        cmbPort->setFocus();
        return false;
    }
    portNumber_ = *number;
    return true;
}

bool frmSetKyPc::FileMaxTextCheck() {
    const std::string text = Text(txtFileMax);
    const FileMaxCheck check = FileMaxFromText(text);
    if (check.verdict == FileMaxVerdict::Accepted) {
        PcDraft.FileMax = check.fileMax;
        return true;
    }
    txtFileMax->setFocus();
    if (check.verdict == FileMaxVerdict::NotNumeric) ErrorShow(FileMaxMessage(text), txtFileMax);
    return false;
}

bool frmSetKyPc::PortOpen() {
    engine_.Api.CommClose();
    const std::string name = PortDeviceName(cmbPort->currentText().toStdString());
    const uint32_t baud = cmbBaudRate->currentData().toUInt();
    if (engine_.Api.CommInitialize(name.c_str(), baud) != 0) return true;
    engine_.Api.CommClose();
    cmbPort->setFocus();
    ErrorShow("通信ポートをオープンすることが出来ません！", cmbPort);
    return false;
}

bool frmSetKyPc::DataFolderCheck() {
    const std::string text = Text(txtDataDirectory);
    if (DataFolderPresent(text)) {
        PcDraft.DataDir = text;
        return true;
    }
    txtDataDirectory->setFocus();
    ErrorShow(FolderMissingMessage(text), txtDataDirectory);
    return false;
}

bool frmSetKyPc::FileNameCheck() {
    if (!txtFileName->text().isEmpty()) return true;
    txtFileName->setFocus();
    return false;
}

bool frmSetKyPc::WriteTestRun() {
    const std::string name = Text(txtFileName);
    if (!WriteTest(PcDraft.DataDir, name)) {
        txtFileName->setFocus();
        return false;
    }
    PcDraft.FileName = name;
    return true;
}

bool frmSetKyPc::ExistingFilesAsk() {
    if (!HistoryFilesExist(PcDraft.DataDir, PcDraft.FileName)) return true;
    txtFileName->setFocus();
    const int16_t answer = msgBox_.Show("既存のファイルがあります。継続しますか？", 3, this, 48,
                                        "KY_PC設定", kMsgModal);
    return answer != 7;
}

void frmSetKyPc::Commit() {
    engine_.Pc = PcDraft;
    engine_.IniFileWrite();
    engine_.Api.SetActive(PcDraft.LinkKind);
    SettingAccepted = true;
    close();
}

// The box disables the dialog, which takes the focus from the control in
// error; it gets it back when the box closes.
void frmSetKyPc::ErrorShow(const std::string& text, QWidget* control) {
    msgBox_.Show(text, 1, this, 16, "", 0);
    if (platform::MsgBoxWindow* box = msgBox_.Window()) {
        connect(box, &QDialog::finished, control, [control] { control->setFocus(); });
    }
}

std::string frmSetKyPc::Text(const QLineEdit* edit) const { return edit->text().toStdString(); }

// --- other buttons and closing --------------------------------------------

void frmSetKyPc::cmdSansyo_Click() {
    frmDirectory chooser(this, PcDraft.DataDir, engine_.ProgramDir, msgBox_, appTitle_);
    chooser.exec();
    txtDataDirectory->setText(QString::fromStdString(PcDraft.DataDir));
}

void frmSetKyPc::cmdCancel_Click() { close(); }

void frmSetKyPc::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdCancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmSetKyPc::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtFileMax || event->type() != QEvent::KeyPress) return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    // Keys that type nothing (arrows, Home, ...) only move the cursor.
    if (typed.isEmpty()) return false;
    return !FileMaxKeyPasses(typed.front().unicode());
}

void frmSetKyPc::closeEvent(QCloseEvent* event) {
    platform::NoThrow("PC-link settings", [&] { Form_QueryUnload(); });
    event->accept();
}

void frmSetKyPc::Form_QueryUnload() {
    if (unloaded_) return;
    unloaded_ = true;
    engine_.PcDialogShown = 0;
    // The step window, when it is up, keeps the main window disabled.
    if (main_ != nullptr && MainWindowMayEnable(engine_)) main_->setEnabled(true);
    if (!SettingAccepted) return;
    engine_.EngineState = kStateConnecting;
    engine_.ConnectStart();
}

}  // namespace mon
