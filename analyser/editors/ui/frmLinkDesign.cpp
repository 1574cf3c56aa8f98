// The link table editor's controls, menus, seams and layout.
#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include "EditorControls.h"
#include "EditorDialogs.h"
#include "EditorTexts.h"
#include "frmLink.h"
#include "his/store/LooseValue.h"
#include "platform/ui/BgrColor.h"
#include "platform/ui/FontMap.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/Twips.h"

namespace analyser::editors::ui {

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

void frmLink::Design() {
    setObjectName(QStringLiteral("frmLink"));
    setWindowTitle(Q(kLinkCaption));
    setSizeGripEnabled(true);
    menuBar = new QMenuBar(this);
    DesignMenus();

    frameTop = new QWidget(this);
    lblLinkName = new QLabel(QStringLiteral("関連付け構成名(&N)"), frameTop);
    txtLinkName = new QLineEdit(frameTop);
    txtLinkName->setObjectName(QStringLiteral("txtLinkName"));
    lblLinkName->setBuddy(txtLinkName);

    picInput = new QWidget(this);
    DesignPanel();

    fgLink = new platform::GridAdapter(this);
    fgLink->setObjectName(QStringLiteral("fgLink"));
    fgLink->SetEditable(true);
    fgLink->BeforeEdit = [](int, int col) { return col <= 1; };
    fgLink->installEventFilter(this);
    fgLink->viewport()->installEventFilter(this);
}

void frmLink::DesignPanel() {
    frameItemName = PanelFrame(picInput, "frameItemName", "関連付け項目名(&N)", 120, 735);
    txtItemName = new QLineEdit(frameItemName);
    txtItemName->setObjectName(QStringLiteral("txtItemName"));
    PlaceTwips(txtItemName, 120, 300, 2535, 300);

    frameAttr = PanelFrame(picInput, "frameAttr", "関連付け属性(&A)", 960, 855);
    cmbAttr = new QComboBox(frameAttr);
    cmbAttr->setObjectName(QStringLiteral("cmbAttr"));
    QFont font = platform::MappedFont("ＭＳ Ｐゴシック", 12);
    font.setBold(true);
    cmbAttr->setFont(font);
    PlaceTwips(cmbAttr, 120, 300, 1575, 420);
    cmdColor = PanelButton(frameAttr, "cmdColor", "色(&C)", 1800, 300, 855, 420);

    frameCode = PanelFrame(picInput, "frameCode", "関連付け対象コード(&C)", 1920, 1455);
    fgCode = new platform::GridAdapter(frameCode);
    fgCode->setObjectName(QStringLiteral("fgCode"));
    PlaceTwips(fgCode, 120, 240, 2535, 1095);
    fgCode->installEventFilter(this);

    cmdUpdate = PanelButton(picInput, "cmdUpdate", "更新(&R)", 120, 3480, 855, 375);
    cmdInsert = PanelButton(picInput, "cmdInsert", "挿入(&I)", 1080, 3480, 855, 375);
    cmdDelete = PanelButton(picInput, "cmdDelete", "削除(&D)", 2040, 3480, 855, 375);
    cmdTop = PanelButton(picInput, "cmdTop", "<<", 0, 3960, 495, 270);
    cmdBefore = PanelButton(picInput, "cmdBefore", "<", 480, 3960, 495, 270);
    txtItemNo = new QLineEdit(picInput);
    txtItemNo->setObjectName(QStringLiteral("txtItemNo"));
    txtItemNo->setAlignment(Qt::AlignRight);
    txtItemNo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), txtItemNo));
    PlaceTwips(txtItemNo, 960, 3960, 615, 270);
    cmdNext = PanelButton(picInput, "cmdNext", ">", 1560, 3960, 495, 270);
    cmdEnd = PanelButton(picInput, "cmdEnd", ">>", 2040, 3960, 495, 270);

    for (QLineEdit* box : {txtItemNo, txtItemName, txtLinkName}) platform::SelectAllOnFocus::Install(box);
    for (QWidget* enter : std::initializer_list<QWidget*>{txtItemName, cmbAttr, txtItemNo}) {
        enter->installEventFilter(this);
    }
}

void frmLink::DesignMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption, const char* key = nullptr) {
        return MenuItem(this, menu, name, caption, key);
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFileOpenKYF = item(file, "mnuFileOpenKYF", "フレーム構成ファイルから作成(&F)");
    mnuFileOpenKYL = item(file, "mnuFileOpenKYL", "関連付けファイルの修正(&O)", "Ctrl+O");
    mnuFileSave = item(file, "mnuFileSave", "保存(&S)", "Ctrl+S");
    file->addSeparator();
    mnuFileExit = item(file, "mnuFileExit", "終了(&X)");

    QMenu* edit = menuBar->addMenu(QStringLiteral("編集(&E)"));
    mnuEditFrameLink = item(edit, "mnuEditFrameLink", "フレーム構成ファイルとリンク(&L)");
    edit->addSeparator();
    mnuEditAdd = item(edit, "mnuEditAdd", "追加(&A)");
    mnuEditInsert = item(edit, "mnuEditInsert", "挿入(&I)");
    mnuEditDelete = item(edit, "mnuEditDelete", "削除(&D)");
    edit->addSeparator();
    mnuEditColor = item(edit, "mnuEditColor", "オートカラーリング(&C)");

    QMenu* help = menuBar->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelpTopic = item(help, "mnuHelpTopic", "トピックの検索(&T)...");

    mnuRight = new QMenu(QStringLiteral("右クリック"), this);
    mnuRightAdd = item(mnuRight, "mnuRightAdd", "追加(&A)");
    mnuRightInsert = item(mnuRight, "mnuRightInsert", "挿入(&I)");
    mnuRightDelete = item(mnuRight, "mnuRightDelete", "削除(&D)");
}

void frmLink::DefaultSeams() {
    MessageAsk = [this](const std::string& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
        return EditorMessage(this, text, icon, buttons);
    };
    SaveFileAsk = [this] {
        return EditorSaveAsk(this, QString(), Q(kLinkFilter), QStringLiteral("kyl"),
                             context_.linkTableFolder ? *context_.linkTableFolder : std::string());
    };
    ColorAsk = [this](int32_t start) -> std::optional<int32_t> {
        QColorDialog dialog(platform::ColorFromBgr(static_cast<uint32_t>(start)), this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return static_cast<int32_t>(platform::BgrFromColor(dialog.selectedColor()));
    };
    PopupRun = [](QMenu* menu, const QPoint& at) { menu->exec(at); };
}

void frmLink::Connect() {
    auto on = [this](QAction* a, std::function<void()> f) { connect(a, &QAction::triggered, this, std::move(f)); };
    on(mnuFileOpenKYF, [this] { doc_->NewFromConfig(); });
    on(mnuFileOpenKYL, [this] { doc_->OpenLink(); });
    on(mnuFileSave, [this] {
        doc_->LinkName(txtLinkName->text().toStdString());
        doc_->Save();
    });
    on(mnuFileExit, [this] { reject(); });
    on(mnuEditFrameLink, [this] { doc_->Relink(); });
    // 追加 of the Edit menu appends a row, as the pop-up menu's does.
    on(mnuEditAdd, [this] { fLinkRowAdd(); });
    on(mnuEditInsert, [this] { fLinkRowInsert(); });
    on(mnuEditDelete, [this] { fLinkRowDelete(); });
    on(mnuEditColor, [this] { mnuEditColor_Click(); });
    on(mnuHelpTopic, [this] {
        if (context_.HelpShow) context_.HelpShow();
    });
    on(mnuRightAdd, [this] { fLinkRowAdd(); });
    on(mnuRightInsert, [this] { fLinkRowInsert(); });
    on(mnuRightDelete, [this] { fLinkRowDelete(); });

    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdInsert, &QPushButton::clicked, this, [this] { cmdInsert_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdTop, &QPushButton::clicked, this, [this] { cmdTop_Click(); });
    connect(cmdBefore, &QPushButton::clicked, this, [this] { cmdBefore_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdColor, &QPushButton::clicked, this, [this] { cmdColor_Click(); });
    connect(txtLinkName, &QLineEdit::textChanged, this,
            [this](const QString& text) { doc_->LinkName(text.toStdString()); });

    connect(fgLink, &platform::GridAdapter::CurrentCellChanged, this, [this](int row, int) {
        if (!showing_) fLinkRowShow(row);
    });
    connect(fgLink, &platform::GridAdapter::AfterEdit, this, [this](int row, int col) {
        const std::string text = fgLink->TextMatrix(row, col).toStdString();
        if (col == 0) doc_->Table().SetName(row, text);
        if (col == 1) doc_->Table().SetDirection(row, text);
        ColumnsWiden(row);
        fLinkRowShow(row);
    });
    connect(fgLink, &platform::GridAdapter::CellDoubleClicked, this, [this](int, int col) {
        if (col == 2) fColorSelect();
    });
    connect(fgLink, &platform::GridAdapter::RightButtonReleased, this,
            [this](const QPoint& globalPos) { PopupRun(mnuRight, globalPos); });
}

// --- layout --------------------------------------------------------------------------

void frmLink::Form_Resize() {
    const int bar = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), bar);
    const int strip = platform::TwipsToPixels(kTopStripHeight, this);
    frameTop->setGeometry(0, bar, width(), strip);
    // The label keeps its design width unless its text needs more.
    const int labelWidth = std::max(platform::TwipsToPixels(1500, this), lblLinkName->sizeHint().width());
    lblLinkName->setGeometry(platform::TwipsToPixels(120, this), platform::TwipsToPixels(120, this), labelWidth,
                             platform::TwipsToPixels(300, this));
    const int boxLeft = lblLinkName->x() + labelWidth + platform::TwipsToPixels(60, this);
    txtLinkName->setGeometry(boxLeft, platform::TwipsToPixels(90, this),
                             std::max(width() - boxLeft - platform::TwipsToPixels(240, this), 0),
                             platform::TwipsToPixels(330, this));
    const int panel = platform::TwipsToPixels(kPanelWidth, this);
    const int gap = platform::TwipsToPixels(50, this);
    const int below = std::max(height() - bar - strip - platform::TwipsToPixels(30, this), 0);
    picInput->setGeometry(0, bar + strip, panel, below);
    fgLink->setGeometry(panel + gap, bar + strip, std::max(width() - panel - gap, 0), below);
}

void frmLink::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fgLink->viewport() && event->type() == QEvent::MouseButtonPress) {
        // The cell under the pointer becomes current before anything else.
        const QModelIndex at = fgLink->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (at.isValid()) fgLink->SetCurrentCell(at.row(), at.column());
        return false;
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == fgLink && !fgLink->Editing()) {
        if (fgLink->Col() == 2) return ColorKey(key);
        if (fgLink->Col() >= 3) return CodeKey(fgLink, fgLink->Row(), fgLink->Col(), key);
        return false;
    }
    if (watched == fgCode) {
        if (enter) {
            cmdUpdate_Click();
            return true;
        }
        return CodeKey(fgCode, fgCode->Row(), 1, key);
    }
    if (enter && (watched == txtItemName || watched == cmbAttr)) {
        cmdUpdate_Click();
        return true;
    }
    if (enter && watched == txtItemNo) {
        if (store::LooseValue(txtItemNo->text().toStdString()).AsNumber()) fLinkRowShow(NumberOr(1));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace analyser::editors::ui
