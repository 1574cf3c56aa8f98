#include "frmProp.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QVBoxLayout>

#include "DialogPlacer.h"
#include "platform/ui/UiFont.h"

namespace viewer::ui {

frmProp::frmProp(QWidget* owner, bool& propOpen) : QDialog(owner), propOpen_(propOpen) {
    setObjectName(QStringLiteral("frmProp"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("ヒストリ情報"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    SSTab1->addTab(Tab({{"表示コード：", "lblDspCode"}, {"モニタライン：", "lblDirection"},
                        {"回線速度：", "lblBaud"}, {"データ長：", "lblDataLength"},
                        {"パリティビット：", "lblParity"}, {"エラーストップ：", "lblErrStop"},
                        {"文字間時間：", "lblCharTime"}, {"インタフェース：", "lblInterface"},
                        {"CD/CI選択：", "lblLed"}, {"メモリモード：", "lblMemoryMode"},
                        {"モニタ開始時刻：", "lblStart"}, {"モニタ終了時刻：", "lblStop"},
                        {"範囲指定時刻：", "lblRangeDate"}, {"範囲開始時刻：", "lblRangeStart"},
                        {"範囲終了時刻：", "lblRangeStop"}}),
                   QStringLiteral("情報"));
    SSTab1->addTab(Tab({{"トリガストップ：", "lblTrig1Stop"}, {"トリガライン：", "lblTrig1Line"},
                        {"レングスアフタ：", "lblTrig1After"}, {"ＳＤカウント：", "lblTrig1SdCnt"},
                        {"ＲＤカウント：", "lblTrig1RdCnt"}, {"ＳＤ　ＮＯＴ：", "lblTrig1SdNot"},
                        {"ＨＥＸ：", "lblTrig1SdChar"}, {nullptr, "lblTrig1SdCharCode"},
                        {"ＲＤ　ＮＯＴ：", "lblTrig1RdNot"}, {"ＨＥＸ：", "lblTrig1RdChar"},
                        {nullptr, "lblTrig1RdCharCode"}}),
                   QStringLiteral("トリガストップ"));
    SSTab1->addTab(Tab({{"トリガスタート：", "lblTrig2Stop"}, {"トリガライン：", "lblTrig2Line"},
                        {"モニタレングス：", "lblTrig2After"}, {"ＳＤカウント：", "lblTrig2SdCnt"},
                        {"ＲＤカウント：", "lblTrig2RdCnt"}, {"ＳＤ　ＨＥＸ：", "lblTrig2SdChar"},
                        {nullptr, "lblTrig2SdCharCode"}, {"ＲＤ　ＨＥＸ：", "lblTrig2RdChar"},
                        {nullptr, "lblTrig2RdCharCode"}}),
                   QStringLiteral("トリガスタート"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("閉じる"));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addWidget(cmdCancel, 0, Qt::AlignRight);
    adjustSize();
    DialogPlaceOn(this, owner, "frmProp");
    propOpen_ = true;
}

QWidget* frmProp::Tab(std::initializer_list<Row> rows) {
    auto* tab = new QWidget;
    auto* form = new QFormLayout(tab);
    for (const Row& row : rows) {
        auto* caption = new QLabel(row.caption != nullptr ? QString::fromUtf8(row.caption) : QString(), tab);
        if (row.caption == nullptr) codeCaptions_.push_back(caption);
        auto* value = new QLabel(tab);
        value->setObjectName(QString::fromLatin1(row.name));
        values_[row.name] = value;
        form->addRow(caption, value);
    }
    return tab;
}

QLabel* frmProp::Value(const std::string& name) const {
    const auto it = values_.find(name);
    return it != values_.end() ? it->second : nullptr;
}

void frmProp::Set(const char* name, const std::string& text, bool enabled) {
    if (QLabel* label = Value(name)) {
        label->setText(QString::fromStdString(text));
        label->setEnabled(enabled);
    }
}

void frmProp::DspProp(const store::clsCommon& doc) {
    const PropView v = viewer::DspProp(doc);
    for (const auto& [name, text] : {std::pair{"lblDspCode", &v.DspCode}, {"lblDirection", &v.Direction},
                                     {"lblBaud", &v.Baud}, {"lblDataLength", &v.DataLength},
                                     {"lblParity", &v.Parity}, {"lblErrStop", &v.ErrStop},
                                     {"lblCharTime", &v.CharTime}, {"lblInterface", &v.Interface},
                                     {"lblLed", &v.Led}, {"lblMemoryMode", &v.MemoryMode},
                                     {"lblStart", &v.Start}, {"lblStop", &v.Stop},
                                     {"lblRangeDate", &v.RangeDate}, {"lblTrig1Stop", &v.Trig1Stop},
                                     {"lblTrig2Stop", &v.Trig2Stop}}) {
        Set(name, *text);
    }
    Set("lblRangeStart", v.RangeStart, v.RangeEnabled);
    Set("lblRangeStop", v.RangeStop, v.RangeEnabled);
    for (const auto& [name, text] :
         {std::pair{"lblTrig1Line", &v.Trig1Line}, {"lblTrig1After", &v.Trig1After},
          {"lblTrig1SdCnt", &v.Trig1SdCnt}, {"lblTrig1RdCnt", &v.Trig1RdCnt},
          {"lblTrig1SdNot", &v.Trig1SdNot}, {"lblTrig1SdChar", &v.Trig1SdChar},
          {"lblTrig1SdCharCode", &v.Trig1SdCharCode}, {"lblTrig1RdNot", &v.Trig1RdNot},
          {"lblTrig1RdChar", &v.Trig1RdChar}, {"lblTrig1RdCharCode", &v.Trig1RdCharCode}}) {
        Set(name, *text, v.Trig1Enabled);
    }
    for (const auto& [name, text] :
         {std::pair{"lblTrig2Line", &v.Trig2Line}, {"lblTrig2After", &v.Trig2After},
          {"lblTrig2SdCnt", &v.Trig2SdCnt}, {"lblTrig2RdCnt", &v.Trig2RdCnt},
          {"lblTrig2SdChar", &v.Trig2SdChar}, {"lblTrig2SdCharCode", &v.Trig2SdCharCode},
          {"lblTrig2RdChar", &v.Trig2RdChar}, {"lblTrig2RdCharCode", &v.Trig2RdCharCode}}) {
        Set(name, *text, v.Trig2Enabled);
    }
    for (QLabel* caption : codeCaptions_) caption->setText(QString::fromStdString(v.CodeCaption));
}

void frmProp::reject() { close(); }

void frmProp::closeEvent(QCloseEvent* event) {
    event->accept();
    propOpen_ = false;
}

}  // namespace viewer::ui
