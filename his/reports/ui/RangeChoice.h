// The range and character-time choice the print dialog and the HTML export
// window share: "範囲指定" or "全て", and "文字間時間表示".
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include <cstdint>

#include "ViewerState.h"

namespace reports::ui {

// Captions, names and the frame's layout.
void RangeChoiceDesign(QGroupBox* frame, QRadioButton* range, QRadioButton* all, QCheckBox* times);

// The marked range only in DUAL with both marks; everything chosen; the
// times only for a history that has them (charTime 1), never ticked.
void RangeChoiceLoad(const viewer::ViewerState& state, int16_t charTime, QRadioButton* range,
                     QRadioButton* all, QCheckBox* times);

}  // namespace reports::ui
