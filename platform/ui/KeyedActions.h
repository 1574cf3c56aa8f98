// Toolbar buttons addressed by key, as the forms address them ("Start",
// "Stop", ...). A click reports the button's key to one handler, the way
// a toolbar's button-click event did.
#ifndef PLATFORM_UI_KEYED_ACTIONS_H
#define PLATFORM_UI_KEYED_ACTIONS_H

#include <QAction>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QToolBar;

namespace platform {

class KeyedActions {
public:
    using ClickHandler = std::function<void(const QString& key)>;

    explicit KeyedActions(ClickHandler onClick) : onClick_(std::move(onClick)) {}

    // Adds a button at the right of bar's buttons.
    QAction* Add(QToolBar* bar, const QString& key, const QIcon& icon, const QString& toolTip);
    // The button, or nullptr for an unknown key.
    QAction* Button(const QString& key) const;
    // False for an unknown key.
    bool SetEnabled(const QString& key, bool enabled);
    QStringList Keys() const;

private:
    ClickHandler onClick_;
    std::vector<std::pair<QString, QPointer<QAction>>> buttons_;
};

}  // namespace platform

#endif
