// Selects a text box's whole text whenever it gets the focus, by keyboard
// or by mouse, so that typing replaces the old value.
#ifndef PLATFORM_UI_SELECT_ALL_ON_FOCUS_H
#define PLATFORM_UI_SELECT_ALL_ON_FOCUS_H

#include <QObject>

class QLineEdit;

namespace platform {

class SelectAllOnFocus : public QObject {
public:
    // The filter lives as long as the edit.
    static void Install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace platform

#endif
