#include "frmFileConvert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <memory>
#include <utility>

#include "AnalyserBar.h"
#include "AnalyserFonts.h"
#include "CommentColumn.h"
#include "ConvertInput.h"
#include "DialogLook.h"
#include "HexByteRow.h"
#include "MarkPictures.h"
#include "clsAnalysis.h"
#include "frmMain.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/SystemColor.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

namespace {

constexpr int kFileTab = 0;
constexpr int kConditionTab = 1;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

std::string FolderOf(const std::string& path) { return S(QFileInfo(Q(path)).absolutePath()); }

QFrame* Line(QWidget* parent, uint32_t colour) {
    auto* line = new QFrame(parent);
    line->setFixedHeight(1);
    BackgroundColour(line, colour);
    return line;
}

}  // namespace

frmFileConvert::frmFileConvert(frmMain& main, Seams seams)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(main),
      seams_(std::move(seams)) {
    setAttribute(Qt::WA_DeleteOnClose);
    Design();
    Form_Load();
}

frmFileConvert::~frmFileConvert() {
    // However the dialog goes, the main window is usable again.
    main_.setEnabled(true);
}

void frmFileConvert::closeEvent(QCloseEvent* event) {
    main_.setEnabled(true);
    QDialog::closeEvent(event);
}

// --- design -------------------------------------------------------------------

void frmFileConvert::Design() {
    setObjectName(QStringLiteral("frmFileConvert"));
    setWindowTitle(QStringLiteral("ファイル変換"));
    setWindowIcon(WindowIconMake());
    setFont(DialogFont());
    setModal(false);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    tabMain->addTab(DesignFileTab(), QStringLiteral("ファイル(&F)"));
    tabMain->addTab(DesignConditionTab(), QStringLiteral("フレーム区切り条件(&L)"));
    chkAndOpen->setObjectName(QStringLiteral("chkAndOpen"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    const uint32_t colours[4] = {platform::kSysButtonShadow, platform::kSysButtonHighlight,
                                 platform::kSysButtonShadow, platform::kSysButtonHighlight};
    for (size_t k = 0; k < linSplit.size(); ++k) {
        linSplit[k] = Line(this, colours[k]);
        linSplit[k]->setObjectName(QStringLiteral("linSplit%1").arg(k));
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabMain);
    layout->addWidget(linSplit[0]);
    layout->addWidget(linSplit[1]);
    layout->setSpacing(4);
    layout->addWidget(chkAndOpen);
    layout->addWidget(linSplit[2]);
    layout->addWidget(linSplit[3]);
    layout->addLayout(platform::ButtonRow({cmdOK, cmdCancel}));
    cmdOK->setDefault(true);
    const auto on = [this](QPushButton* b, void (frmFileConvert::*click)()) {
        connect(b, &QPushButton::clicked, this,
                [this, click] { platform::NoThrow("frmFileConvert", [&] { (this->*click)(); }); });
    };
    on(cmdKY2file, &frmFileConvert::cmdKY2file_Click);
    on(cmdKYF, &frmFileConvert::cmdKYF_Click);
    on(cmdKYL, &frmFileConvert::cmdKYL_Click);
    on(cmdOK, &frmFileConvert::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

QWidget* frmFileConvert::DesignFileTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const auto fileRow = [&](const char* caption, const char* boxName, QGroupBox*& frame, QLineEdit*& box,
                             QPushButton*& button, const char* buttonName) {
        frame = new QGroupBox(QString::fromUtf8(caption), tab);
        box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(boxName));
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 44);
        platform::SelectAllOnFocus::Install(box);
        button = new QPushButton(QStringLiteral("参照"), frame);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setAutoDefault(false);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(box, 1);
        row->addWidget(button);
        layout->addWidget(frame);
    };
    fileRow("変換元ファイル", "txtKY2file", frameKY2file, txtKY2file, cmdKY2file, "cmdKY2file");
    fileRow("フレーム構成ファイル", "txtKYF", frameKYFfile, txtKYF, cmdKYF, "cmdKYF");
    fileRow("関連付けファイル", "txtKYL", frameKYL, txtKYL, cmdKYL, "cmdKYL");
    layout->addStretch();
    return tab;
}

QWidget* frmFileConvert::DesignConditionTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const char* captions[3] = {"CR・LF", "文字間時間", "データ"};
    for (size_t k = 0; k < chkFrameCondition.size(); ++k) {
        chkFrameCondition[k] = new QCheckBox(QString::fromUtf8(captions[k]), tab);
        chkFrameCondition[k]->setObjectName(QStringLiteral("chkFrameCondition%1").arg(k));
    }
    layout->addWidget(chkFrameCondition[0]);
    auto* time = new QHBoxLayout;
    time->addWidget(chkFrameCondition[1]);
    txtConditionTime = new QLineEdit(QStringLiteral("0"), tab);
    txtConditionTime->setObjectName(QStringLiteral("txtConditionTime"));
    txtConditionTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtConditionTime->setFixedWidth(txtConditionTime->fontMetrics().averageCharWidth() * 12);
    txtConditionTime->installEventFilter(this);
    platform::SelectAllOnFocus::Install(txtConditionTime);
    connect(txtConditionTime, &QLineEdit::textChanged, this,
            [this] { platform::NoThrow("txtConditionTime", [&] { TimeBoxChange(); }); });
    udConditionTime = new platform::UpDown(tab);
    udConditionTime->setObjectName(QStringLiteral("udConditionTime"));
    connect(udConditionTime, &platform::UpDown::Stepped, this, [this](bool up) {
        const int32_t value = TimeBoxValue(S(txtConditionTime->text())).value_or(0);
        txtConditionTime->setText(QString::number(TimeBoxStep(value, up)));
    });
    lblConditionTime = new QLabel(QStringLiteral("ms"), tab);
    lblConditionTime->setObjectName(QStringLiteral("lblConditionTime"));
    time->addWidget(txtConditionTime);
    time->addWidget(udConditionTime);
    time->addWidget(lblConditionTime);
    time->addStretch();
    layout->addLayout(time);
    layout->addWidget(chkFrameCondition[2]);
    fgConditionChar = new HexByteRow(10, tab);
    fgConditionChar->setObjectName(QStringLiteral("fgConditionChar"));
    fgConditionChar->Grid->setObjectName(QStringLiteral("fgConditionCharGrid"));
    fgConditionChar->SetColumnTwips(0);
    fgConditionChar->setFixedHeight(fgConditionChar->Grid->verticalHeader()->defaultSectionSize() + 6);
    layout->addWidget(fgConditionChar);
    layout->addStretch();
    chkFrameCondition[2]->raise();
    return tab;
}

// Beside the main window's left comment column, kept on the screen.
void frmFileConvert::Form_Load() {
    tabMain->setCurrentIndex(kFileTab);
    adjustSize();
    const platform::TwipsRect mainRect = platform::WindowTwips(&main_);
    const QRect comments = platform::PixelsToTwips(main_.picCommentsL->geometry(), &main_);
    platform::TwipsRect r = platform::WindowTwips(this);
    r.left = mainRect.left + comments.width();
    r.top = mainRect.top + comments.top();
    PlaceOnScreen(this, r, &main_);
}

// --- the file boxes -----------------------------------------------------------

void frmFileConvert::cmdKY2file_Click() {
    AnalyserState& st = main_.State();
    if (!seams_.OpenAsk) return;
    const std::string path =
        seams_.OpenAsk(QStringLiteral("変換元ファイルの選択"), QStringLiteral("ky2ファイル(*.ky2)"), st.gHistoryFileFolder);
    if (path.empty()) return;
    st.gHistoryFileFolder = FolderOf(path);
    txtKY2file->setText(Q(path));
}

void frmFileConvert::cmdKYF_Click() {
    if (!seams_.Pick) return;
    const FilePick pick = seams_.Pick(kPickFrameConfig);
    if (!pick.Folder.empty()) main_.State().gFrameConfigFolder = pick.Folder;
    if (!pick.Path.empty()) txtKYF->setText(Q(pick.Path));
}

void frmFileConvert::cmdKYL_Click() {
    if (!seams_.Pick) return;
    const FilePick pick = seams_.Pick(kPickLinkTable);
    if (!pick.Folder.empty()) main_.State().gLinkTableFolder = pick.Folder;
    if (!pick.Path.empty()) txtKYL->setText(Q(pick.Path));
}

// --- the time box ---------------------------------------------------------------

void frmFileConvert::TimeBoxChange() {
    const QString shown = Q(TimeBoxChanged(S(txtConditionTime->text())));
    if (shown == txtConditionTime->text()) return;
    const QSignalBlocker quiet(txtConditionTime);
    txtConditionTime->setText(shown);
}

// False, after the message, when the box holds no time; the focus stays.
bool frmFileConvert::TimeBoxLeave() {
    if (TimeBoxValue(S(txtConditionTime->text()))) return true;
    checking_ = true;
    Message(kMsgBadTime);
    tabMain->setCurrentIndex(kConditionTab);
    txtConditionTime->setFocus();
    checking_ = false;
    return false;
}

bool frmFileConvert::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtConditionTime) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // Every typed character but a digit is dropped, Backspace too;
        // Delete and the arrow keys edit as usual.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Backspace) return true;
        if (!text.isEmpty() && text.front().isPrint()) return !TimeBoxAccepts(text.front().unicode());
        return false;
    }
    if (event->type() == QEvent::FocusOut && !checking_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving for another control of the dialog; not a message box
        // coming up or the dialog going.
        const bool left = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        if (left && QApplication::focusWidget() != cmdCancel) {
            platform::NoThrow("txtConditionTime", [&] { TimeBoxLeave(); });
        }
    }
    return false;
}

// --- OK ---------------------------------------------------------------------------

void frmFileConvert::PathRefused(QLineEdit* box, const char* text) {
    tabMain->setCurrentIndex(kFileTab);
    box->selectAll();
    box->setFocus();
    Message(text);
}

void frmFileConvert::Message(const std::string& text) {
    if (seams_.MessageShow) seams_.MessageShow(text, platform::kMsgIconExclamation);
}

void frmFileConvert::cmdOK_Click() {
    const std::string source = S(txtKY2file->text());
    if (!ConvertPathValid(source, ".ky2")) return PathRefused(txtKY2file, kMsgBadSource);
    const std::string config = S(txtKYF->text());
    if (!ConvertPathValid(config, ".kyf")) return PathRefused(txtKYF, kMsgBadConfig);
    std::string link = S(txtKYL->text());
    if (!ConvertPathValid(link, ".kyl")) link.clear();  // converted without a link table
    const std::optional<int32_t> deadhead = TimeBoxValue(S(txtConditionTime->text()));
    if (!deadhead) {
        TimeBoxLeave();
        return;
    }
    const std::string userBytes = fgConditionChar->Bytes();
    if (chkFrameCondition[2]->isChecked() && userBytes.empty()) {
        tabMain->setCurrentIndex(kConditionTab);
        fgConditionChar->setFocus();
        Message(kMsgNoUserBytes);
        return;
    }

    AnalyserState& st = main_.State();
    const std::string destination =
        seams_.SaveAsk ? seams_.SaveAsk(QStringLiteral("変換先"), QStringLiteral("kypファイル(*.kyp)"), st.gFrameFileFolder)
                       : std::string();
    if (destination.empty()) return;  // the dialog stays as it is
    // The result replaces the open document: its changed comments are
    // asked about first, over this dialog (the main window is disabled
    // while it is up), and Cancel leaves the dialog as it is.
    if (chkAndOpen->isChecked() && !main_.CommentChangesResolved(this)) return;
    st.gFrameFileFolder = FolderOf(destination);

    bool converted = false;
    {
        const platform::WaitCursor wait;
        setEnabled(false);
        frames::clsAnalysis engine;
        for (int k = 1; k <= 3; ++k) engine.CutMode(k, chkFrameCondition[static_cast<size_t>(k - 1)]->isChecked() ? 1 : 0);
        engine.Deadhead(*deadhead);
        if (!userBytes.empty()) engine.UserChar(userBytes);
        // Made once the dialog is disabled, so that it is not disabled
        // with it and its Cancel works.
        const std::unique_ptr<store::clsBar> bar =
            frames::NewAnalyserBar([this] { return platform::WindowTwips(&main_); }, this);
        converted = engine.ProtocolConv(source, destination, config, link, 0, bar.get());
    }
    setEnabled(true);
    if (!converted) Message(source + kMsgFailed);  // failed or cancelled: nothing is opened
    hide();
    if (converted && chkAndOpen->isChecked()) main_.fFileOpenKYP(destination, "");
    close();
}

}  // namespace analyser::ui
