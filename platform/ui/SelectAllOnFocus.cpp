#include "SelectAllOnFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace platform {

void SelectAllOnFocus::Install(QLineEdit* edit) {
    if (edit == nullptr) return;
    edit->installEventFilter(new SelectAllOnFocus(edit));
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // After the event: a mouse press that gave the focus would
        // otherwise put the cursor back and drop the selection.
        QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, this, [edit] {
            if (edit != nullptr) edit->selectAll();
        });
    }
    return false;
}

}  // namespace platform
