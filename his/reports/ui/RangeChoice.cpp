#include "RangeChoice.h"

#include <QHBoxLayout>

namespace reports::ui {

void RangeChoiceDesign(QGroupBox* frame, QRadioButton* range, QRadioButton* all, QCheckBox* times) {
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setTitle(QStringLiteral("印刷範囲の選択"));
    range->setObjectName(QStringLiteral("optHani0"));
    range->setText(QStringLiteral("範囲指定"));
    all->setObjectName(QStringLiteral("optHani1"));
    all->setText(QStringLiteral("全て"));
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(range);
    layout->addWidget(all);
    times->setObjectName(QStringLiteral("chkTimeDsp"));
    times->setText(QStringLiteral("文字間時間表示"));
}

void RangeChoiceLoad(const viewer::ViewerState& state, int16_t charTime, QRadioButton* range,
                     QRadioButton* all, QCheckBox* times) {
    range->setEnabled(state.DspLine == viewer::kLineDual && state.BothMarksSet());
    all->setChecked(true);
    times->setEnabled(charTime == 1);
    times->setChecked(false);
}

}  // namespace reports::ui
