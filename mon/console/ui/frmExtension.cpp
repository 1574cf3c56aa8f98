#include "frmExtension.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <filesystem>
#include <utility>

#include "Engine.h"
#include "SRecordFile.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WindowOwner.h"

namespace mon {

namespace {

constexpr int kDumpCols = 21;
constexpr int kSeparatorCol = 9;
constexpr int kText1Col = 18;
constexpr int kText2Col = 20;
constexpr char kIdleCaption[] = "実行";
constexpr char kBusyCaption[] = "ｷｬﾝｾﾙ";
constexpr char kDownloadTitle[] = "ダウンロード";
constexpr int16_t kIconExclamation = 48;
constexpr int16_t kIconInformation = 64;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

QLabel* Caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

// The grid column of the byte at offset j of a row.
int ByteCol(size_t j) { return static_cast<int>(j < 8 ? j + 1 : j + 2); }

// Radio buttons in a frame, the first one on.
template <size_t N>
QGroupBox* OptionFrame(const char* title, const char* name, std::array<QRadioButton*, N>& options,
                       const std::array<const char*, N>& captions) {
    auto* frame = new QGroupBox(QString::fromUtf8(title));
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]));
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(options[i], static_cast<int>(i));
        column->addWidget(options[i]);
    }
    options[0]->setChecked(true);
    return frame;
}

template <size_t N>
int Selected(const std::array<QRadioButton*, N>& options) {
    for (size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked()) return static_cast<int>(i);
    }
    return 0;
}

// What a list line shows of a line sent: the line without its end.
QString ListText(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return Q(line);
}

}  // namespace

frmExtension::frmExtension(Engine& engine, Message message, QWidget* owner, uint32_t readAddress,
                           int16_t readLength)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      control_(engine.Api, engine.Io, engine.Pc.WaitSend),
      message_(std::move(message)) {
    control_.AddressTake(HexDigits(readAddress, 8));
    control_.LengthTake(HexDigits(static_cast<uint32_t>(readLength), 2));
    setWindowModality(Qt::ApplicationModal);
    Design();
    platform::TieToOwner(this, owner);
    Form_Load();
}

// --- design -----------------------------------------------------------------

void frmExtension::Design() {
    setObjectName(QStringLiteral("frmExtension"));
    setWindowTitle(QStringLiteral("拡張コマンド"));
    setFont(platform::UiFont());
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(DesignMemoryPage(), QStringLiteral("メモリリード／ライト"));
    SSTab1->addTab(DesignBuzzerPage(), QStringLiteral("ブザー"));
    SSTab1->addTab(DesignBreakPage(), QStringLiteral("ブレーク信号"));
    SSTab1->addTab(DesignDownloadPage(), QStringLiteral("ダウンロード"));
    DesignButtons();
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerMs);
    connect(Timer1, &QTimer::timeout, this,
            [this] { platform::NoThrow("maintenance", [&] { Timer1_Timer(); }); });
    setFixedSize(sizeHint());
}

void frmExtension::Connect(QPushButton* button, void (frmExtension::*handler)()) {
    // Enter in a box must not press whatever button is the default.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, handler] { platform::NoThrow("maintenance", [&] { (this->*handler)(); }); });
}

QWidget* frmExtension::DesignMemoryPage() {
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtLength->setObjectName(QStringLiteral("txtLength"));
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    txtAddress->setMaxLength(6);
    txtLength->setMaxLength(2);
    const int digit = txtAddress->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    txtAddress->setFixedWidth(digit * 10);
    txtLength->setFixedWidth(digit * 5);
    auto* row = new QHBoxLayout(FrameCommand);
    row->addWidget(Caption("アドレス(H)"));
    row->addWidget(txtAddress);
    row->addWidget(Caption("データ数"));
    row->addWidget(txtLength);
    row->addWidget(UpDown1);
    row->addStretch(1);
    row->addWidget(cmdSet);
    for (QLineEdit* box : {txtAddress, txtLength}) {
        platform::SelectAllOnFocus::Install(box);
        connect(box, &QLineEdit::returnPressed, this,
                [this] { platform::NoThrow("maintenance", [&] { cmdSet_Click(); }); });
    }
    connect(UpDown1, &UpDownArrows::valueChanged, this,
            [this] { platform::NoThrow("maintenance", [&] { UpDown1_Change(); }); });
    Connect(cmdSet, &frmExtension::cmdSet_Click);
    DesignGrid();
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(FrameCommand);
    column->addWidget(VSFlexGrid1, 1);
    return page;
}

void frmExtension::DesignGrid() {
    VSFlexGrid1->setObjectName(QStringLiteral("VSFlexGrid1"));
    VSFlexGrid1->horizontalHeader()->hide();
    VSFlexGrid1->verticalHeader()->hide();
    VSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VSFlexGrid1->setColumnCount(kDumpCols);
    const int digit = VSFlexGrid1->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < kDumpCols; ++c) VSFlexGrid1->setColumnWidth(c, digit * 3);
    VSFlexGrid1->setColumnWidth(0, digit * 8);
    VSFlexGrid1->setColumnWidth(kSeparatorCol, digit * 2);
    VSFlexGrid1->setColumnWidth(kText1Col, digit * 10);
    VSFlexGrid1->setColumnWidth(19, digit);
    VSFlexGrid1->setColumnWidth(kText2Col, digit * 10);
    int width = 4;
    for (int c = 0; c < kDumpCols; ++c) width += VSFlexGrid1->columnWidth(c);
    VSFlexGrid1->setMinimumWidth(width + VSFlexGrid1->verticalScrollBar()->sizeHint().width());
    const int rowPx = VSFlexGrid1->fontMetrics().height() + 4;
    VSFlexGrid1->verticalHeader()->setDefaultSectionSize(rowPx);
    VSFlexGrid1->setMinimumHeight(rowPx * 18);
}

QWidget* frmExtension::DesignBuzzerPage() {
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    Connect(cmdGo, &frmExtension::cmdGo_Click);
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->addWidget(OptionFrame<2>("音色", "optTone", optTone, {"４ｋＨｚ", "１ｋＨｚ"}));
    row->addWidget(OptionFrame<3>("発音時間", "optTime", optTime,
                                  {"３ｍｓ　　BELL", "５０ｍｓ　BUZZER", "０．５ｓ　BEEP"}));
    row->addWidget(cmdGo, 0, Qt::AlignBottom);
    return page;
}

QWidget* frmExtension::DesignBreakPage() {
    cmdBreak->setObjectName(QStringLiteral("cmdBreak"));
    Connect(cmdBreak, &frmExtension::cmdBreak_Click);
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->addWidget(OptionFrame<2>("ブレーク信号", "optBreak", optBreak, {"ON", "OFF"}));
    row->addStretch(1);
    row->addWidget(cmdBreak, 0, Qt::AlignBottom);
    return page;
}

QWidget* frmExtension::DesignDownloadPage() {
    txtExeAdr->setObjectName(QStringLiteral("txtExeAdr"));
    txtOffset->setObjectName(QStringLiteral("txtOffset"));
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    cmdList->setObjectName(QStringLiteral("cmdList"));
    lstMsg->setObjectName(QStringLiteral("lstMsg"));
    cmdDownload->setObjectName(QStringLiteral("cmdDownload"));
    // A download lists every line it sends: thousands of them.
    lstMsg->setUniformItemSizes(true);
    txtExeAdr->setMaxLength(6);
    txtOffset->setMaxLength(6);
    auto* address = new QGroupBox(QStringLiteral("アドレス"));
    auto* grid = new QGridLayout(address);
    grid->addWidget(Caption("実行アドレス"), 0, 0);
    grid->addWidget(txtExeAdr, 0, 1);
    grid->addWidget(Caption("オフセット"), 1, 0);
    grid->addWidget(txtOffset, 1, 1);
    auto* file = new QGroupBox(QStringLiteral("ファイル名"));
    auto* fileRow = new QHBoxLayout(file);
    fileRow->addWidget(txtFileName, 1);
    fileRow->addWidget(cmdList);
    for (QLineEdit* box : {txtExeAdr, txtOffset, txtFileName}) platform::SelectAllOnFocus::Install(box);
    Connect(cmdList, &frmExtension::cmdList_Click);
    Connect(cmdDownload, &frmExtension::cmdDownload_Click);
    auto* top = new QHBoxLayout;
    top->addWidget(OptionFrame<2>("モード", "optMode", optMode, {"F-ROM書込", "S-RAM書込"}));
    top->addWidget(address);
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addLayout(top);
    column->addWidget(file);
    column->addWidget(lstMsg, 1);
    column->addWidget(cmdDownload, 0, Qt::AlignRight);
    return page;
}

void frmExtension::DesignButtons() {
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Connect(cmdCancel, &frmExtension::cmdCancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(SSTab1);
    column->addLayout(buttons);
}

// --- loading and closing ------------------------------------------------------

void frmExtension::Form_Load() {
    DumpHeaderShow();
    txtAddress->setText(Q(control_.ReadAddressText()));
    txtLength->setText(Q(control_.ReadLengthText()));
    {
        const QSignalBlocker quiet(UpDown1);
        UpDown1->setValue(control_.ReadLength());
    }
    txtExeAdr->setText(QStringLiteral("FFFFFF"));
    // The timer reads the unit from the opening on.
    TimerSync();
}

// No close while a download runs.
bool frmExtension::Form_QueryUnload() const { return !control_.Downloading(); }

void frmExtension::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload()) {
        Timer1->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

void frmExtension::reject() {
    if (Form_QueryUnload()) {
        Timer1->stop();
        QDialog::reject();
    }
}

void frmExtension::cmdCancel_Click() { close(); }

// --- memory read, buzzer, break -------------------------------------------------

void frmExtension::cmdSet_Click() {
    control_.AddressTake(S(txtAddress->text()));
    txtAddress->setText(Q(control_.ReadAddressText()));
    if (control_.LengthTake(S(txtLength->text()))) {
        txtLength->setText(Q(control_.ReadLengthText()));
        const QSignalBlocker quiet(UpDown1);
        UpDown1->setValue(control_.ReadLength());
    }
    control_.MemoryRead();
    TimerSync();
}

void frmExtension::UpDown1_Change() {
    txtLength->setText(Q(HexDigits(static_cast<uint32_t>(UpDown1->value()), 2)));
}

void frmExtension::cmdGo_Click() { control_.Buzzer(Selected(optTone), Selected(optTime)); }

void frmExtension::cmdBreak_Click() { control_.Break(optBreak[0]->isChecked()); }

void frmExtension::DumpHeaderShow() {
    VSFlexGrid1->clearContents();
    VSFlexGrid1->setRowCount(1);
    auto header = [this](int col, const QString& text) {
        auto* cell = new QTableWidgetItem(text);
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setBackground(palette().button());
        cell->setTextAlignment(Qt::AlignCenter);
        VSFlexGrid1->setItem(0, col, cell);
    };
    for (int c = 0; c < kDumpCols; ++c) header(c, QString());
    header(0, QStringLiteral("ｱﾄﾞﾚｽ"));
    for (size_t j = 0; j < 16; ++j) header(ByteCol(j), Q(HexDigits(static_cast<uint32_t>(j), 2)));
}

void frmExtension::DumpGridShow(const std::vector<DumpRow>& rows) {
    DumpHeaderShow();
    VSFlexGrid1->setRowCount(static_cast<int>(rows.size()) + 1);
    auto put = [this](int row, int col, const std::string& text) {
        auto* cell = new QTableWidgetItem(Q(text));
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setTextAlignment(col >= kText1Col ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
        VSFlexGrid1->setItem(row, col, cell);
    };
    for (size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        put(row, 0, rows[r].address);
        put(row, kSeparatorCol, "-");
        for (size_t j = 0; j < 16; ++j) {
            if (!rows[r].bytes[j].empty()) put(row, ByteCol(j), rows[r].bytes[j]);
        }
        put(row, kText1Col, rows[r].text1);
        put(row, kText2Col, rows[r].text2);
    }
}

// --- download -------------------------------------------------------------------

void frmExtension::cmdList_Click() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, QString(), QString(), QStringLiteral("Ｓフォーマット　ファイル (*.hex *.s)"));
    if (!chosen.isEmpty()) txtFileName->setText(chosen);
}

void frmExtension::cmdDownload_Click() {
    if (cmdDownload->text() == QString::fromUtf8(kIdleCaption)) {
        DownloadStart();
    } else {
        DownloadStop();
    }
}

void frmExtension::DownloadStart() {
    std::vector<std::string> lines;
    if (!DownloadFileRead(&lines)) return;
    const auto check = control_.DownloadStart(std::move(lines), Selected(optMode), S(txtExeAdr->text()),
                                              S(txtOffset->text()));
    if (check == ExtensionControl::StartCheck::ExecutionAddressBad) {
        txtExeAdr->setFocus();
        return;
    }
    if (check == ExtensionControl::StartCheck::OffsetBad) {
        txtOffset->setFocus();
        return;
    }
    lstMsg->clear();
    TimerSync();
    cmdDownload->setText(QString::fromUtf8(kBusyCaption));
    DownloadControlsEnable(false);
}

// Every line of the file goes to the unit as it stands; the unit's reply
// says whether they made a good S-record download.
bool frmExtension::DownloadFileRead(std::vector<std::string>* lines) {
    const std::string path = S(txtFileName->text());
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        txtFileName->setFocus();
        return false;
    }
    SRecordFile file = SRecordRead(path);
    if (file.status == SRecordFile::Status::Unreadable) {
        Notify(path + "の読込に失敗しました", kIconExclamation);
        return false;
    }
    *lines = std::move(file.lines);
    return true;
}

void frmExtension::DownloadStop() {
    control_.DownloadStop();
    TimerSync();
    cmdDownload->setText(QString::fromUtf8(kIdleCaption));
    DownloadControlsEnable(true);
}

void frmExtension::DownloadControlsEnable(bool idle) {
    for (int page = kPageMemory; page < kPageDownload; ++page) SSTab1->setTabEnabled(page, idle);
    txtFileName->setEnabled(idle);
    cmdList->setEnabled(idle);
    cmdCancel->setEnabled(idle);
}

// --- the timer ------------------------------------------------------------------

void frmExtension::Timer1_Timer() {
    const ExtensionControl::Tick tick = control_.TimerTick(SSTab1->currentIndex());
    TimerSync();
    if (tick.sent) {
        lstMsg->addItem(ListText(*tick.sent));
        lstMsg->setCurrentRow(lstMsg->count() - 1);
    }
    if (tick.dump) DumpGridShow(*tick.dump);
    if (tick.downloadResult) {
        Notify(*tick.downloadResult, kIconInformation);
        DownloadStop();
    }
}

void frmExtension::TimerSync() {
    if (!control_.TimerEnabled()) {
        Timer1->stop();
    } else if (!Timer1->isActive()) {
        Timer1->start();
    }
}

void frmExtension::Notify(const std::string& text, int16_t icon) {
    if (message_) message_(this, text, icon, kDownloadTitle);
}

}  // namespace mon
