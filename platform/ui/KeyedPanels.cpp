#include "KeyedPanels.h"

#include <QStatusBar>

#include "Twips.h"

namespace platform {

QLabel* KeyedPanels::Add(QStatusBar* bar, const QString& key, const QString& text,
                         const QString& toolTip, int widthTwips) {
    if (QLabel* existing = Panel(key)) return existing;
    auto* panel = new QLabel(text, bar);
    panel->setObjectName(key);
    panel->setToolTip(toolTip);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    panel->setIndent(2);
    if (widthTwips > 0) panel->setFixedWidth(TwipsToPixels(widthTwips, bar));
    bar->addWidget(panel, widthTwips > 0 ? 0 : 1);
    panels_.emplace_back(key, panel);
    return panel;
}

QLabel* KeyedPanels::Panel(const QString& key) const {
    for (const auto& [k, label] : panels_) {
        if (k == key) return label.data();
    }
    return nullptr;
}

bool KeyedPanels::SetText(const QString& key, const QString& text) {
    QLabel* panel = Panel(key);
    if (panel == nullptr) return false;
    panel->setText(text);
    return true;
}

QString KeyedPanels::Text(const QString& key) const {
    const QLabel* panel = Panel(key);
    return panel != nullptr ? panel->text() : QString();
}

QStringList KeyedPanels::Keys() const {
    QStringList keys;
    for (const auto& entry : panels_) keys << entry.first;
    return keys;
}

}  // namespace platform
