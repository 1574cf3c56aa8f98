#include "UpDown.h"

#include <QVBoxLayout>

namespace platform {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 12;

}  // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QToolButton* b : {Up, Down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(kButtonWidth, kButtonHeight);
        column->addWidget(b);
    }
    Up->setObjectName(QStringLiteral("Up"));
    Down->setObjectName(QStringLiteral("Down"));
    Up->setArrowType(Qt::UpArrow);
    Down->setArrowType(Qt::DownArrow);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(Up, &QToolButton::clicked, this, [this] { emit Stepped(true); });
    connect(Down, &QToolButton::clicked, this, [this] { emit Stepped(false); });
}

}  // namespace platform
