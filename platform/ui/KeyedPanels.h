// Status-bar panels addressed by key, as the forms address them ("Status",
// "SdCount", ...). Each panel is a sunken label on one of the window's
// status bars; the keys are unique across all bars of a window.
#ifndef PLATFORM_UI_KEYED_PANELS_H
#define PLATFORM_UI_KEYED_PANELS_H

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QStatusBar;

namespace platform {

class KeyedPanels {
public:
    // Adds a panel at the right of bar's panels. widthTwips 0 lets the
    // panel take the room the others leave. A key already present is not
    // added again; its panel is returned.
    QLabel* Add(QStatusBar* bar, const QString& key, const QString& text, const QString& toolTip,
                int widthTwips);

    // The panel, or nullptr for an unknown key.
    QLabel* Panel(const QString& key) const;
    // False, changing nothing, for an unknown key.
    bool SetText(const QString& key, const QString& text);
    // Empty for an unknown key.
    QString Text(const QString& key) const;
    QStringList Keys() const;

private:
    std::vector<std::pair<QString, QPointer<QLabel>>> panels_;
};

}  // namespace platform

#endif
