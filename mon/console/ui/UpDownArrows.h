// An up-down control: two arrow buttons that step a value within a range
// and tell each change; the value is shown by the text box beside it.
#pragma once

#include <QToolButton>
#include <QWidget>

namespace mon {

class UpDownArrows : public QWidget {
    Q_OBJECT

public:
    UpDownArrows(int minimum, int maximum, QWidget* parent = nullptr);

    int value() const { return value_; }
    // Clamped to the range; changes are told.
    void setValue(int value);

    QToolButton* const Up = new QToolButton(this);
    QToolButton* const Down = new QToolButton(this);

signals:
    void valueChanged(int value);

private:
    int minimum_;
    int maximum_;
    int value_;
};

}  // namespace mon
