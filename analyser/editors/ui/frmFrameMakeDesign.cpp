// The frame configuration editor's controls, menus, seams and layout.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include "EditorControls.h"
#include "EditorDialogs.h"
#include "EditorLayout.h"
#include "EditorTexts.h"
#include "frmFrameMake.h"
#include "frmItemScope.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/Twips.h"

namespace analyser::editors::ui {

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

QStringList QList(const std::vector<std::string>& list) {
    QStringList items;
    for (const std::string& s : list) items << QString::fromStdString(s);
    return items;
}

QComboBox* List(QWidget* parent, const std::vector<std::string>& items) {
    auto* combo = new QComboBox(parent);
    combo->addItems(QList(items));
    return combo;
}

}  // namespace

void frmFrameMake::Design() {
    setObjectName(QStringLiteral("frmFrameMake"));
    setSizeGripEnabled(true);
    menuBar = new QMenuBar(this);
    DesignMenus();

    picTop = new QWidget(this);
    lblProtocolName = new QLabel(QStringLiteral("フレーム構成名："), picTop);
    txtProtocolName = new QLineEdit(picTop);
    txtProtocolName->setObjectName(QStringLiteral("txtProtocolName"));

    picInput = new QWidget(this);
    DesignPanel();

    fgFrameCreate = new platform::GridAdapter(this);
    fgFrameCreate->setObjectName(QStringLiteral("fgFrameCreate"));
    imgSplitter = new QWidget(this);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SizeVerCursor);
    fgFrameFormat = new BitPictureView(this);

    setTabOrder(txtProtocolName, txtItemName);
    setTabOrder(txtItemName, cmbItemType);
    setTabOrder(cmbItemType, txtItemSize);
    setTabOrder(txtItemSize, cmbItemSize);
    setTabOrder(cmbItemSize, cmbItemUnit);
    setTabOrder(cmbItemUnit, lstItemSpan);
    setTabOrder(lstItemSpan, cmdItemSpan);
    setTabOrder(cmdItemSpan, cmdUpdate);
    setTabOrder(cmdUpdate, cmdInsert);
    setTabOrder(cmdInsert, cmdDelete);
    setTabOrder(cmdDelete, txtItemNo);
}

void frmFrameMake::DesignPanel() {
    frameItemName = PanelFrame(picInput, "frameItemName", "項目名", 120, 615);
    txtItemName = new QLineEdit(frameItemName);
    txtItemName->setObjectName(QStringLiteral("txtItemName"));
    PlaceTwips(txtItemName, 120, 240, 2535, 270);

    frameItemType = PanelFrame(picInput, "frameItemType", "タイプ(T)", 840, 615);
    cmbItemType = List(frameItemType, ItemTypeList());
    PlaceTwips(cmbItemType, 120, 240, 1215, 300);

    frameItemSize = PanelFrame(picInput, "frameItemSize", "サイズ(&S)", 1560, 615);
    txtItemSize = new QLineEdit(frameItemSize);
    txtItemSize->setObjectName(QStringLiteral("txtItemSize"));
    txtItemSize->setMaxLength(3);
    PlaceTwips(txtItemSize, 120, 240, 1215, 270);
    udItemSize = new platform::UpDown(frameItemSize);
    PlaceTwips(udItemSize, 1335, 240, 240, 270);
    cmbItemSize = List(frameItemSize, SizeUnitList());
    PlaceTwips(cmbItemSize, 1440 + 240, 225, 1215 - 240, 300);

    frameItemUnit = PanelFrame(picInput, "frameItemUnit", "レングス単位(&U)", 2280, 615);
    cmbItemUnit = List(frameItemUnit, LengthUnitList());
    PlaceTwips(cmbItemUnit, 120, 240, 1095, 300);

    frameItemSpan = PanelFrame(picInput, "frameItemSpan", "レングス範囲(&L)", 3000, 1455);
    lstItemSpan = new QListWidget(frameItemSpan);
    lstItemSpan->setObjectName(QStringLiteral("lstItemSpan"));
    PlaceTwips(lstItemSpan, 120, 240, 2535, 780);
    cmdItemSpan = PanelButton(frameItemSpan, "cmdItemSpan", "設定", 1920, 1080, 735, 255);

    cmdUpdate = PanelButton(picInput, "cmdUpdate", "更新(&R)", 120, 4560, 855, 375);
    cmdInsert = PanelButton(picInput, "cmdInsert", "挿入(&I)", 1080, 4560, 855, 375);
    cmdDelete = PanelButton(picInput, "cmdDelete", "削除(&D)", 2040, 4560, 855, 375);
    cmdTop = PanelButton(picInput, "cmdTop", "<<", 90, 5040, 495, 270);
    cmdBefore = PanelButton(picInput, "cmdBefore", "<", 90 + 480, 5040, 495, 270);
    txtItemNo = new QLineEdit(picInput);
    txtItemNo->setObjectName(QStringLiteral("txtItemNo"));
    txtItemNo->setAlignment(Qt::AlignRight);
    PlaceTwips(txtItemNo, 90 + 960, 5040, 615, 270);
    cmdNext = PanelButton(picInput, "cmdNext", ">", 90 + 1560, 5040, 495, 270);
    cmdEnd = PanelButton(picInput, "cmdEnd", ">>", 90 + 2040, 5040, 495, 270);

    // Whole numbers only; Enter is the boxes' own command.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    for (QLineEdit* box : {txtItemSize, txtItemNo}) box->setValidator(new QRegularExpressionValidator(digits, box));
    for (QLineEdit* box : {txtItemName, txtItemNo, txtItemSize, txtProtocolName}) {
        platform::SelectAllOnFocus::Install(box);
    }
    for (QWidget* enter : std::initializer_list<QWidget*>{txtProtocolName, txtItemName, txtItemSize, cmbItemType,
                                                          cmbItemSize, cmbItemUnit, txtItemNo}) {
        enter->installEventFilter(this);
    }
}

void frmFrameMake::DesignMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption, const char* key = nullptr) {
        return MenuItem(this, menu, name, caption, key);
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFileNew = item(file, "mnuFileNew", "新規(&N)", "Ctrl+N");
    mnuFileOpen = item(file, "mnuFileOpen", "開く(&O)...", "Ctrl+O");
    mnuFileSave = item(file, "mnuFileSave", "上書き保存(&S)", "Ctrl+S");
    mnuFileSaveAs = item(file, "mnuFileSaveAs", "名前を付けて保存(&A)...");
    file->addSeparator();
    mnuFilePPP = item(file, "mnuFilePPP", "PPPフレームの作成(&P)");
    file->addSeparator();
    mnuFileEnd = item(file, "mnuFileEnd", "フレーム作成画面の終了(&X)");

    QMenu* edit = menuBar->addMenu(QStringLiteral("編集(&E)"));
    mnuEditAdd = item(edit, "mnuEditAdd", "追加(&A)");
    mnuEditInsert = item(edit, "mnuEditInsert", "挿入(&I)");
    mnuEditCopy = item(edit, "mnuEditCopy", "コピー(&C)");
    mnuEditPaste = item(edit, "mnuEditPaste", "貼り付け(&P)");
    mnuEditDelete = item(edit, "mnuEditDelete", "削除(&D)");

    QMenu* view = menuBar->addMenu(QStringLiteral("表示(&V)"));
    QMenu* widths = view->addMenu(QStringLiteral("フレームフォーマットの表示(&F)"));
    const char* names[3] = {"mnuViewWidth8", "mnuViewWidth16", "mnuViewWidth32"};
    const char* captions[3] = {"8", "16", "32"};
    for (int k = 0; k < 3; ++k) {
        mnuViewWidth[k] = item(widths, names[k], captions[k]);
        mnuViewWidth[k]->setCheckable(true);
    }
    mnuViewWidth[1]->setChecked(true);
    view->addSeparator();
    mnuViewRefresh = item(view, "mnuViewRefresh", "最新の情報に更新(&R)", "F5");

    QMenu* help = menuBar->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelpTopic = item(help, "mnuHelpTopic", "トピックの検索(&T)...");
    help->addSeparator()->setVisible(false);
    mnuHelpVersion = item(help, "mnuHelpVersion", "バージョン情報(&A)");

    mnuRight = new QMenu(QStringLiteral("右クリック"), this);
    mnuRightInsert = item(mnuRight, "mnuRightInsert", "挿入(&I)");
    mnuRightCopy = item(mnuRight, "mnuRightCopy", "コピー(&C)");
    mnuRightPaste = item(mnuRight, "mnuRightPaste", "貼り付け(&P)");
    mnuRightDelete = item(mnuRight, "mnuRightDelete", "削除(&D)");
    // Copy and paste are there but do nothing, and are not shown.
    for (QAction* hidden : {mnuEditCopy, mnuEditPaste, mnuRightCopy, mnuRightPaste, mnuHelpVersion}) {
        hidden->setVisible(false);
    }
}

void frmFrameMake::DefaultSeams() {
    MessageAsk = [this](const std::string& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
        return EditorMessage(this, text, icon, buttons);
    };
    SaveFileAsk = [this](const QString& title) {
        return EditorSaveAsk(this, title, Q(kConfigFilter), QStringLiteral("kyf"),
                             context_.frameConfigFolder ? *context_.frameConfigFolder : std::string());
    };
    SpanPickRun = [](frmItemScope& picker) { return picker.exec() == QDialog::Accepted; };
    PopupRun = [](QMenu* menu, const QPoint& at) { menu->exec(at); };
}

void frmFrameMake::Connect() {
    auto on = [this](QAction* a, std::function<void()> f) { connect(a, &QAction::triggered, this, std::move(f)); };
    on(mnuFileNew, [this] { doc_->New(); fItemShow(1); });
    on(mnuFileOpen, [this] {
        doc_->Open();
        fItemShow(1);
    });
    on(mnuFileSave, [this] { doc_->Save(); });
    on(mnuFileSaveAs, [this] { doc_->SaveAs(); });
    on(mnuFilePPP, [this] { doc_->PppCreate(); fItemShow(1); });
    on(mnuFileEnd, [this] { reject(); });
    on(mnuEditAdd, [this] { mnuEditAdd_Click(); });
    on(mnuEditInsert, [this] { cmdInsert_Click(); });
    on(mnuEditDelete, [this] { mnuEditDelete_Click(); });
    on(mnuRightInsert, [this] { mnuRightInsert_Click(); });
    on(mnuRightDelete, [this] { mnuEditDelete_Click(); });
    const int widths[3] = {8, 16, 32};
    for (int k = 0; k < 3; ++k) on(mnuViewWidth[k], [this, w = widths[k]] { mnuViewWidth_Click(w); });
    on(mnuViewRefresh, [this] { mnuViewRefresh_Click(); });
    on(mnuHelpTopic, [this] {
        if (context_.HelpShow) context_.HelpShow();
    });
    on(mnuHelpVersion, [this] { Inform(kMsgVersion); });

    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdInsert, &QPushButton::clicked, this, [this] { cmdInsert_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdTop, &QPushButton::clicked, this, [this] { cmdTop_Click(); });
    connect(cmdBefore, &QPushButton::clicked, this, [this] { cmdBefore_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdItemSpan, &QPushButton::clicked, this, [this] { cmdItemSpan_Click(); });
    connect(udItemSize, &platform::UpDown::Stepped, this, [this](bool up) { udItemSize_Stepped(up); });
    connect(cmbItemType, &QComboBox::currentIndexChanged, this, [this] { TypeRuleApply(); });
    connect(cmbItemSize, &QComboBox::activated, this, [this] { cmbItemSize_Validate(); });
    connect(txtProtocolName, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString kept = QString::fromStdString(doc_->NameChange(text.toStdString()));
        if (kept != text) txtProtocolName->setText(kept);
    });
    connect(txtItemNo, &QLineEdit::editingFinished, this, [this] {
        const int n = ItemNumberClamp(txtItemNo->text().toStdString(), doc_->Items().Count());
        txtItemNo->setText(QString::number(n));
        showing_ = true;
        fgFrameCreate->SetCurrentCell(n, std::max(fgFrameCreate->Col(), 1));
        showing_ = false;
    });
    imgSplitter->installEventFilter(this);
    ConnectGrid();
}

void frmFrameMake::ConnectGrid() {
    platform::GridAdapter* g = fgFrameCreate;
    g->SetCols(kItemColumns);
    g->SetRows(1);
    g->SetFixedRows(1);
    g->SetFixedCols(1);
    const char* headings[kItemColumns] = {"", "項目名", "タイプ", "サイズ", "サイズ", "スパン", "単位"};
    const int widths[kItemColumns] = {630, 1600, 1000, 800, 600, 0, 0};
    for (int c = 0; c < kItemColumns; ++c) {
        g->SetTextMatrix(0, c, Q(headings[c]));
        g->SetColWidth(c, widths[c]);
    }
    g->SetColComboList(kColType, QList(ItemTypeList()));
    g->SetColComboList(kColUnit, QList(SizeUnitList()));
    g->SetColComboList(kColLengthUnit, QList(LengthUnitList()));
    g->SetMergeRow(0, true);
    g->SetEditable(true);
    g->BeforeEdit = [this](int row, int col) { return CellEditable(doc_->Items(), row, col); };
    g->ValidateEdit = [this](int row, int col, const QString& text) {
        const auto refusal = CellRefusal(doc_->Items(), row, col, text.toStdString());
        if (!refusal) return true;
        CellRefused(row, col, text, *refusal);
        return false;
    };
    connect(g, &platform::GridAdapter::AfterEdit, this, [this](int row, int col) {
        doc_->CellEdit(row, col, fgFrameCreate->TextMatrix(row, col).toStdString());
        GridFill();
        BitLayoutDraw();
    });
    connect(g, &platform::GridAdapter::CurrentCellChanged, this, [this](int row, int) {
        if (!showing_) fItemShow(row);
    });
    connect(g, &platform::GridAdapter::RightButtonReleased, this,
            [this](const QPoint& globalPos) { GridRightClicked(globalPos); });
    g->viewport()->installEventFilter(this);
}

// --- layout --------------------------------------------------------------------------

int frmFrameMake::TopHeight() const {
    return platform::PixelsToTwips(lblProtocolName->sizeHint().height() + txtProtocolName->sizeHint().height(),
                                   this) + 4;
}

int frmFrameMake::InnerHeight() const {
    return platform::PixelsToTwips(height() - menuBar->sizeHint().height(), this);
}

void frmFrameMake::Form_Resize() {
    const int bar = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width(), bar);
    const int labelHeight = lblProtocolName->sizeHint().height();
    picTop->setGeometry(0, bar, width(), platform::TwipsToPixels(TopHeight(), this));
    lblProtocolName->setGeometry(0, platform::TwipsToPixels(40, this), width(), labelHeight);
    txtProtocolName->setGeometry(0, labelHeight + platform::TwipsToPixels(40, this), width(),
                                 txtProtocolName->sizeHint().height());
    fSizeControls(splitter_);
}

void frmFrameMake::fSizeControls(int y) {
    const int bar = menuBar->sizeHint().height();
    const FrameMakeLayout l =
        FrameMakeLayOut(platform::PixelsToTwips(width(), this), InnerHeight(), TopHeight(), y);
    splitter_ = l.splitter;
    auto place = [this, bar](QWidget* w, const platform::TwipsRect& r) {
        QRect px = platform::TwipsToPixels(QRect(r.left, r.top, r.width, r.height), this);
        px.translate(0, bar);
        w->setGeometry(px);
    };
    place(picInput, l.input);
    place(fgFrameCreate, l.grid);
    place(imgSplitter, l.bar);
    place(fgFrameFormat, l.picture);
}

void frmFrameMake::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

// The editor closes by its menu or its close box, never by Esc.
void frmFrameMake::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmFrameMake::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fgFrameCreate->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = fgFrameCreate->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && at.isValid()) GridPressed(at.row(), at.column());
        return false;
    }
    if (watched == imgSplitter) {
        if (event->type() == QEvent::MouseButtonPress) {
            dragStart_ = static_cast<QMouseEvent*>(event)->globalPosition().toPoint().y();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && dragStart_ >= 0) {
            const int moved = static_cast<QMouseEvent*>(event)->globalPosition().toPoint().y() - dragStart_;
            dragStart_ = -1;
            fSizeControls(SplitterDragClamp(splitter_ + platform::PixelsToTwips(moved, this), InnerHeight(),
                                            TopHeight()));
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == txtItemNo) {
                txtItemNo_Enter();
            } else {
                if (watched == cmbItemSize) cmbItemSize_Validate();
                cmdUpdate_Click();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace analyser::editors::ui
