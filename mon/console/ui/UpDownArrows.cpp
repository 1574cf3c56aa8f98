#include "UpDownArrows.h"

#include <QVBoxLayout>

#include <algorithm>

namespace mon {

UpDownArrows::UpDownArrows(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), value_(minimum) {
    Up->setArrowType(Qt::UpArrow);
    Down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {Up, Down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedHeight(b->sizeHint().height() / 2 + 2);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Up);
    column->addWidget(Down);
    connect(Up, &QToolButton::clicked, this, [this] { setValue(value_ + 1); });
    connect(Down, &QToolButton::clicked, this, [this] { setValue(value_ - 1); });
}

void UpDownArrows::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) return;
    value_ = value;
    emit valueChanged(value_);
}

}  // namespace mon
