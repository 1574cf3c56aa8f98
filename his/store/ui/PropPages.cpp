#include "PropPages.h"

#include <QGridLayout>

#include <utility>

namespace store::ui {

PropPages::PropPages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("SSTab1"));
    addTab(Tab({{"インタフェース：", "lblInterface"}, {"CD/CI選択：", "lblLed"},
                {"メモリモード：", "lblMemoryMode"}, {"モニタライン：", "lblDirection"},
                {"表示コード：", "lblDspCode"}, {"回線速度：", "lblBaud"},
                {"データ長：", "lblDataLength"}, {"パリティビット：", "lblParity"},
                {"文字間時間：", "lblCharTime"}, {"エラーストップ：", "lblErrStop"},
                {"モニタ開始時刻：", "lblStart"}, {"モニタ終了時刻：", "lblStop"},
                {"範囲指定時刻：", "lblRangeDate"}, {"範囲開始時刻：", "lblRangeStart"},
                {"範囲終了時刻：", "lblRangeStop"}}),
           QStringLiteral("情報"));
    addTab(Tab({{"トリガストップ：", "lblTrig1Stop"}, {"トリガライン：", "lblTrig1Line"},
                {"レングスアフタ：", "lblTrig1After"}, {"ＳＤカウント：", "lblTrig1SdCnt"},
                {"ＲＤカウント：", "lblTrig1RdCnt"}, {"ＳＤ", nullptr},
                {"ＮＯＴ：", "lblTrig1SdNot"}, {"ＨＥＸ：", "lblTrig1SdChar"},
                {nullptr, "lblTrig1SdCharCode"}, {"ＲＤ", nullptr},
                {"ＮＯＴ：", "lblTrig1RdNot"}, {"ＨＥＸ：", "lblTrig1RdChar"},
                {nullptr, "lblTrig1RdCharCode"}}),
           QStringLiteral("トリガストップ"));
    addTab(Tab({{"トリガスタート：", "lblTrig2Stop"}, {"トリガライン：", "lblTrig2Line"},
                {"モニタレングス：", "lblTrig2After"}, {"ＳＤカウント：", "lblTrig2SdCnt"},
                {"ＲＤカウント：", "lblTrig2RdCnt"}, {"ＳＤ", nullptr},
                {"ＨＥＸ：", "lblTrig2SdChar"}, {nullptr, "lblTrig2SdCharCode"},
                {"ＲＤ", nullptr}, {"ＨＥＸ：", "lblTrig2RdChar"},
                {nullptr, "lblTrig2RdCharCode"}}),
           QStringLiteral("トリガスタート"));
}

QWidget* PropPages::Tab(std::initializer_list<Row> rows) {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->setColumnStretch(2, 1);
    int line = 0;
    for (const Row& row : rows) {
        if (row.name == nullptr) {  // a heading over the rows of one line
            auto* heading = new QLabel(QString::fromUtf8(row.caption), tab);
            grid->addWidget(heading, line++, 0, 1, 3);
            continue;
        }
        auto* caption = new QLabel(tab);
        if (row.caption != nullptr) {
            caption->setText(QString::fromUtf8(row.caption));
        } else if (codeCount_ < codeCaptions_.size()) {
            caption->setText(QStringLiteral("ＨＥＸ："));
            caption->setObjectName(QStringLiteral("lblCode%1").arg(codeCount_));
            codeCaptions_[codeCount_++] = caption;
        }
        auto* value = new QLabel(tab);
        value->setObjectName(QString::fromLatin1(row.name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[row.name] = value;
        grid->addWidget(caption, line, 1);
        grid->addWidget(value, line, 2);
        ++line;
    }
    grid->setRowStretch(line, 1);
    return tab;
}

QLabel* PropPages::Value(const std::string& name) const {
    const auto it = values_.find(name);
    return it != values_.end() ? it->second : nullptr;
}

void PropPages::Set(const char* name, const std::string& text, bool enabled) {
    if (QLabel* label = Value(name)) {
        label->setText(QString::fromStdString(text));
        label->setEnabled(enabled);
    }
}

void PropPages::Fill(const PropView& v) {
    const std::pair<const char*, const std::string*> always[] = {
        {"lblDspCode", &v.DspCode},       {"lblDirection", &v.Direction},
        {"lblBaud", &v.Baud},             {"lblDataLength", &v.DataLength},
        {"lblParity", &v.Parity},         {"lblErrStop", &v.ErrStop},
        {"lblCharTime", &v.CharTime},     {"lblInterface", &v.Interface},
        {"lblLed", &v.Led},               {"lblMemoryMode", &v.MemoryMode},
        {"lblStart", &v.Start},           {"lblStop", &v.Stop},
        {"lblRangeDate", &v.RangeDate},   {"lblTrig1Stop", &v.Trig1Stop},
        {"lblTrig2Stop", &v.Trig2Stop}};
    for (const auto& [name, text] : always) Set(name, *text);
    Set("lblRangeStart", v.RangeStart, v.RangeEnabled);
    Set("lblRangeStop", v.RangeStop, v.RangeEnabled);
    const std::pair<const char*, const std::string*> stop[] = {
        {"lblTrig1Line", &v.Trig1Line},     {"lblTrig1After", &v.Trig1After},
        {"lblTrig1SdCnt", &v.Trig1SdCnt},   {"lblTrig1RdCnt", &v.Trig1RdCnt},
        {"lblTrig1SdNot", &v.Trig1SdNot},   {"lblTrig1SdChar", &v.Trig1SdChar},
        {"lblTrig1SdCharCode", &v.Trig1SdCharCode}, {"lblTrig1RdNot", &v.Trig1RdNot},
        {"lblTrig1RdChar", &v.Trig1RdChar}, {"lblTrig1RdCharCode", &v.Trig1RdCharCode}};
    for (const auto& [name, text] : stop) Set(name, *text, v.Trig1Enabled);
    const std::pair<const char*, const std::string*> start[] = {
        {"lblTrig2Line", &v.Trig2Line},     {"lblTrig2After", &v.Trig2After},
        {"lblTrig2SdCnt", &v.Trig2SdCnt},   {"lblTrig2RdCnt", &v.Trig2RdCnt},
        {"lblTrig2SdChar", &v.Trig2SdChar}, {"lblTrig2SdCharCode", &v.Trig2SdCharCode},
        {"lblTrig2RdChar", &v.Trig2RdChar}, {"lblTrig2RdCharCode", &v.Trig2RdCharCode}};
    for (const auto& [name, text] : start) Set(name, *text, v.Trig2Enabled);
    for (QLabel* caption : codeCaptions_) {
        if (caption != nullptr) caption->setText(QString::fromStdString(v.CodeCaption));
    }
}

}  // namespace store::ui
