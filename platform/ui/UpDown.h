// The up-down beside a number box: two arrow buttons, one above the
// other, that report a step up or down (repeating while held). The box
// beside it holds the value; the owner decides what a step does to it.
#ifndef PLATFORM_UI_UP_DOWN_H
#define PLATFORM_UI_UP_DOWN_H

#include <QToolButton>
#include <QWidget>

namespace platform {

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* const Up = new QToolButton(this);
    QToolButton* const Down = new QToolButton(this);

signals:
    void Stepped(bool up);
};

}  // namespace platform

#endif
