#include "UpDown.h"

#include <QVBoxLayout>

namespace platform {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QToolButton* b : {Up, Down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        column->addWidget(b);
    }
    Up->setObjectName(QStringLiteral("Up"));
    Down->setObjectName(QStringLiteral("Down"));
    Up->setArrowType(Qt::UpArrow);
    Down->setArrowType(Qt::DownArrow);
    connect(Up, &QToolButton::clicked, this, [this] { emit Stepped(true); });
    connect(Down, &QToolButton::clicked, this, [this] { emit Stepped(false); });
}

}  // namespace platform
