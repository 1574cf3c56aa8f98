#include "frmFind.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <optional>

#include "FrameSearch.h"
#include "HexByteRow.h"
#include "MarkPictures.h"
#include "frmMain.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {
namespace {

constexpr int kFindDataCols = 10;
constexpr int kFindDataColTwips = 320;

QCheckBox* Check(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

// A window of its own, without an owner, as the main window's peer.
frmFind::frmFind(frmMain& main) : QDialog(nullptr, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("frmFind"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("検索"));
    setWindowIcon(ToolbarIcon(4));
    setFont(main.font());
    tabFind->setObjectName(QStringLiteral("tabFind"));
    tabFind->addTab(DesignTextTab(), QStringLiteral("文字列検索(&S)"));
    tabFind->addTab(DesignDataTab(), QStringLiteral("データ検索(&D)"));
    tabFind->addTab(DesignErrorTab(), QStringLiteral("エラー検索(&E)"));
    tabFind->setCurrentIndex(0);
    connect(tabFind, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1) fgFindData->setFocus();
    });

    lblDirection->setObjectName(QStringLiteral("lblDirection"));
    lblDirection->setText(QStringLiteral("検索方向(&;)"));
    lblDirection->setBuddy(cmbDirection);
    cmbDirection->setObjectName(QStringLiteral("cmbDirection"));
    cmbDirection->addItems({QStringLiteral("下へ"), QStringLiteral("上へ"), QStringLiteral("全体")});
    cmbDirection->setCurrentIndex(kFindWhole);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setText(QStringLiteral("次を検索(&F)"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("キャンセル(&C)"));
    connect(cmdNext, &QPushButton::clicked, this, [this] { platform::NoThrow("cmdNext", [&] { cmdNext_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);

    auto* direction = new QHBoxLayout;
    direction->addWidget(lblDirection);
    direction->addWidget(cmbDirection);
    direction->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabFind);
    layout->addLayout(direction);
    layout->addLayout(platform::ButtonRow({cmdNext, cmdCancel}));
    cmdNext->setDefault(true);  // Enter searches; Esc closes (the dialog's own reject)
    adjustSize();
}

QWidget* frmFind::DesignTextTab() {
    auto* tab = new QWidget;
    lblSerchStr = new QLabel(QStringLiteral("検索する文字列(&N)"), tab);
    lblSerchStr->setObjectName(QStringLiteral("lblSerchStr"));
    txtSerchStr = new QLineEdit(tab);
    txtSerchStr->setObjectName(QStringLiteral("txtSerchStr"));
    lblSerchStr->setBuddy(txtSerchStr);
    platform::SelectAllOnFocus::Install(txtSerchStr);
    fraTarget = new QGroupBox(QStringLiteral("対象"), tab);
    chkLinkName = Check("chkLinkName", "関連付け項目名(&L)", fraTarget);
    chkLinkName->setChecked(true);
    chkCommentL = Check("chkCommentL", "コメント1(&L)", fraTarget);
    chkCommentR = Check("chkCommentR", "コメント2(&R)", fraTarget);
    auto* targets = new QVBoxLayout(fraTarget);
    for (QCheckBox* box : {chkLinkName, chkCommentL, chkCommentR}) targets->addWidget(box);
    chkAllMatch = Check("chkAllMatch", "完全に一致する単語を検索する(&A)", tab);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(lblSerchStr);
    layout->addWidget(txtSerchStr);
    layout->addWidget(fraTarget);
    layout->addWidget(chkAllMatch);
    layout->addStretch(1);
    return tab;
}

QWidget* frmFind::DesignDataTab() {
    auto* tab = new QWidget;
    fraFindData = new QGroupBox(QStringLiteral("検索するデータ(&D)"), tab);
    // Ten cells a row; Enter goes on to the next cell and adds rows.
    fgFindData = new HexByteRow(kFindDataCols, fraFindData);
    fgFindData->setObjectName(QStringLiteral("fgFindData"));
    fgFindData->SetColumnTwips(kFindDataColTwips);
    fgFindData->SetEnterAdvances(true);
    auto* data = new QVBoxLayout(fraFindData);
    data->addWidget(fgFindData);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(fraFindData);
    layout->addStretch(1);
    return tab;
}

QWidget* frmFind::DesignErrorTab() {
    auto* tab = new QWidget;
    chkErrorParity = Check("chkErrorParity", "パリティエラー(&P)", tab);
    chkErrorOverrun = Check("chkErrorOverrun", "オーバーランエラー(&O)", tab);
    chkErrorFraming = Check("chkErrorFraming", "フレーミングエラー(&F)", tab);
    fraCondition = new QGroupBox(QStringLiteral("条件"), tab);
    optErrorAnd = new QRadioButton(QStringLiteral("AND"), fraCondition);
    optErrorAnd->setObjectName(QStringLiteral("optErrorAnd"));
    optErrorOr = new QRadioButton(QStringLiteral("OR"), fraCondition);
    optErrorOr->setObjectName(QStringLiteral("optErrorOr"));
    optErrorOr->setChecked(true);
    auto* condition = new QHBoxLayout(fraCondition);
    condition->addWidget(optErrorAnd);
    condition->addWidget(optErrorOr);
    auto* layout = new QVBoxLayout(tab);
    for (QCheckBox* box : {chkErrorParity, chkErrorOverrun, chkErrorFraming}) layout->addWidget(box);
    layout->addWidget(fraCondition);
    layout->addStretch(1);
    return tab;
}

// The top-left corner at the main window's centre, inside the screen.
void frmFind::ShowBeside() {
    main_.raise();
    main_.activateWindow();
    show();
    const QPoint corner = main_.CentreTwips();
    platform::PlaceWindowInside(this, corner.x(), corner.y());
    raise();
    activateWindow();
}

std::optional<bool> frmFind::Search() {
    switch (tabFind->currentIndex()) {
        case 0: {
            const std::string text = txtSerchStr->text().toStdString();
            if (text.empty()) return std::nullopt;
            const platform::WaitCursor wait;
            return main_.fFindLinkCaption(text, static_cast<int16_t>(cmbDirection->currentIndex()),
                                          chkAllMatch->isChecked());
        }
        case 1: {
            const std::string bytes = fgFindData->Bytes();
            if (bytes.empty()) return std::nullopt;
            const platform::WaitCursor wait;
            return main_.fFindData(bytes);
        }
        case 2: {
            if (!chkErrorParity->isChecked() && !chkErrorOverrun->isChecked() && !chkErrorFraming->isChecked()) {
                return std::nullopt;
            }
            const platform::WaitCursor wait;
            return main_.fFindError(chkErrorParity->isChecked(), chkErrorOverrun->isChecked(),
                                    chkErrorFraming->isChecked(), optErrorAnd->isChecked());
        }
        default: return std::nullopt;
    }
}

void frmFind::reject() { close(); }

// Closing never asks back (a dialog would reject first).
void frmFind::closeEvent(QCloseEvent* event) { event->accept(); }

void frmFind::cmdNext_Click() {
    const std::optional<bool> found = Search();
    if (!found) return;
    if (!*found) main_.MsgShow(kMsgNotFound, platform::kMsgIconInformation);
    raise();
    activateWindow();
}

}  // namespace analyser::ui
