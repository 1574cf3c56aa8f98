#include "frmColor.h"

#include <QColorDialog>
#include <QHeaderView>

#include <algorithm>

#include "DialogPlacer.h"
#include "ViewerColor.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

namespace {

constexpr int kPreviewCols = 11;
constexpr int kPreviewRows = 4;
constexpr int kSpacerRow = 3;

QTableWidgetItem* Cell(QTableWidget* grid, int row, int col) {
    QTableWidgetItem* item = grid->item(row, col);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(col == 1 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
        grid->setItem(row, col, item);
    }
    return item;
}

}  // namespace

frmColor::frmColor(QWidget* owner, const ColorRecord& current) : QDialog(owner), working_(current) {
    ChooseColor = [this](const QColor& start) { return QColorDialog::getColor(start, this); };
    Design();
    Form_Load(owner);
}

void frmColor::Design() {
    setObjectName(QStringLiteral("frmColor"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("表示色設定"));
    setFixedSize(platform::TwipsToPixels(kWidthTwips), platform::TwipsToPixels(kHeightTwips));
    const auto px = [this](int twips) { return platform::TwipsToPixels(twips, this); };
    Frame1->setTitle(QStringLiteral("背景色"));
    Frame1->setGeometry(px(120), px(60), px(5160), px(700));
    cmbColor->setObjectName(QStringLiteral("cmbColor"));
    cmbColor->addItems({QStringLiteral("奇数行"), QStringLiteral("偶数行"),
                        QStringLiteral("マーク設定"), QStringLiteral("トリガポイント")});
    cmbColor->setGeometry(px(120), px(280), px(2400), px(330));
    cmdChng->setObjectName(QStringLiteral("cmdChng"));
    cmdChng->setText(QStringLiteral("変更"));
    cmdChng->setGeometry(px(2700), px(270), px(1100), px(360));
    connect(cmdChng, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdChng", [&] { cmdChng_Click(); }); });
    Label1->setText(QStringLiteral("例）"));
    Label1->setGeometry(px(120), px(840), px(1000), px(240));
    DesignPreview();
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setText(QStringLiteral("OK"));
    cmdOk->setGeometry(px(2700), px(2400), px(1200), px(400));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    cmdClose->setGeometry(px(4020), px(2400), px(1200), px(400));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmColor::DesignPreview() {
    const auto px = [this](int twips) { return platform::TwipsToPixels(twips, this); };
    QTableWidget* g = VSFlexGrid1;
    g->setObjectName(QStringLiteral("VSFlexGrid1"));
    g->setGeometry(px(120), px(1100), px(5160), px(1100));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setMinimumSectionSize(0);
    g->verticalHeader()->setMinimumSectionSize(0);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setColumnCount(kPreviewCols);
    g->setRowCount(kPreviewRows);
    g->setColumnHidden(0, true);
    // The design's widths, or what the font needs for the sample's texts.
    const int rowHeight = std::max(px(240), platform::CellHeightFor(g));
    g->setColumnWidth(1, std::max(px(700), platform::CellWidthFor(g, {"No.", "000001"})));
    g->setColumnWidth(2, std::max(px(300), platform::CellWidthFor(g, {"L", "S", "R"})));
    const int dataWidth = std::max(px(400), platform::CellWidthFor(g, {"00", "01", "02", "03", "04", "7"}));
    for (int c = 3; c < kPreviewCols; ++c) g->setColumnWidth(c, dataWidth);
    for (int r = 0; r < kPreviewRows; ++r) g->setRowHeight(r, r == kSpacerRow ? px(120) : rowHeight);
    connect(g, &QTableWidget::cellClicked, this, [this](int r, int c) {
        platform::NoThrow("frmColor grid", [&] { VSFlexGrid1_Click(r, c); });
    });
    connect(g, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        platform::NoThrow("frmColor grid", [&] {
            if (r == 1 || r == 2) cmdChng_Click();
        });
    });
}

void frmColor::Form_Load(QWidget* owner) {
    DialogPlaceOn(this, owner, "frmColor");
    QTableWidget* g = VSFlexGrid1;
    Cell(g, 0, 1)->setText(QStringLiteral("No."));
    Cell(g, 0, 2)->setText(QStringLiteral("L"));
    for (int c = 3; c < kPreviewCols; ++c) Cell(g, 0, c)->setText(QString::number(c - 3));
    Cell(g, 1, 1)->setText(QStringLiteral("000001"));
    Cell(g, 1, 2)->setText(QStringLiteral("S"));
    for (int c = 3; c <= 7; ++c) Cell(g, 1, c)->setText(QStringLiteral("%1").arg(c - 3, 2, 10, QLatin1Char('0')));
    Cell(g, 2, 1)->setText(QStringLiteral("000001"));
    Cell(g, 2, 2)->setText(QStringLiteral("R"));
    for (int c = 8; c <= 10; ++c) Cell(g, 2, c)->setText(QStringLiteral("%1").arg(c - 7, 2, 10, QLatin1Char('0')));
    PreviewPaint();
    cmbColor->setCurrentIndex(0);
}

void frmColor::PreviewPaint() {
    const QPalette& pal = palette();
    for (int r = 1; r < kPreviewRows; ++r) {
        const QColor back = ScreenColor(r % 2 == 1 ? working_.OddBack : working_.EvenBack, pal);
        for (int c = 1; c < kPreviewCols; ++c) Cell(VSFlexGrid1, r, c)->setBackground(back);
    }
    Cell(VSFlexGrid1, 1, 4)->setBackground(ScreenColor(working_.MarkBack, pal));
    Cell(VSFlexGrid1, 2, 8)->setBackground(ScreenColor(working_.TrigBack, pal));
}

void frmColor::cmdChng_Click() {
    Colour& field = FieldOf(working_, cmbColor->currentIndex());
    const QColor chosen = ChooseColor(ScreenColor(field, palette()));
    // A cancelled chooser keeps the colour it started from.
    if (chosen.isValid()) field = StoredColor(chosen);
    PreviewPaint();
}

void frmColor::VSFlexGrid1_Click(int row, int col) {
    if (row == kSpacerRow) {
        row = 2;
        VSFlexGrid1->setCurrentCell(row, col);
    }
    const int index = ComboIndexForCell(row, col);
    if (index >= 0) cmbColor->setCurrentIndex(index);
}

int frmColor::ComboIndexForCell(int row, int col) {
    if (row == 1) return col == 4 ? 2 : 0;
    if (row == 2) return col == 8 ? 3 : 1;
    return -1;
}

Colour& frmColor::FieldOf(ColorRecord& rec, int comboIndex) {
    switch (comboIndex) {
        case 1: return rec.EvenBack;
        case 2: return rec.MarkBack;
        case 3: return rec.TrigBack;
        default: return rec.OddBack;
    }
}

}  // namespace viewer::ui
