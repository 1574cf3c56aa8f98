#include "KeyedActions.h"

#include <QToolBar>

#include "NoThrow.h"

namespace platform {

QAction* KeyedActions::Add(QToolBar* bar, const QString& key, const QIcon& icon,
                           const QString& toolTip) {
    if (QAction* existing = Button(key)) return existing;
    QAction* action = bar->addAction(icon, toolTip);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    QObject::connect(action, &QAction::triggered, bar, [this, key] {
        NoThrow("toolbar button", [&] {
            if (onClick_) onClick_(key);
        });
    });
    buttons_.emplace_back(key, action);
    return action;
}

QAction* KeyedActions::Button(const QString& key) const {
    for (const auto& [k, action] : buttons_) {
        if (k == key) return action.data();
    }
    return nullptr;
}

bool KeyedActions::SetEnabled(const QString& key, bool enabled) {
    QAction* action = Button(key);
    if (action == nullptr) return false;
    action->setEnabled(enabled);
    return true;
}

QStringList KeyedActions::Keys() const {
    QStringList keys;
    for (const auto& entry : buttons_) keys << entry.first;
    return keys;
}

}  // namespace platform
