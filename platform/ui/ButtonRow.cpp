#include "ButtonRow.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace platform {

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    return row;
}

}  // namespace platform
