#include "MessageIcons.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

#include <optional>

namespace platform {

namespace {

std::optional<QStyle::StandardPixmap> PixmapFor(const QString& key) {
    struct Row {
        const char* key;
        QStyle::StandardPixmap pixmap;
    };
    static constexpr Row kRows[] = {
        {"Critical", QStyle::SP_MessageBoxCritical},
        {"Question", QStyle::SP_MessageBoxQuestion},
        {"Exclamation", QStyle::SP_MessageBoxWarning},
        {"Information", QStyle::SP_MessageBoxInformation},
    };
    for (const Row& r : kRows) {
        if (key == QLatin1String(r.key)) return r.pixmap;
    }
    return std::nullopt;
}

const QStyle* StyleOf(const QWidget* reference) {
    if (reference != nullptr) return reference->style();
    if (qApp == nullptr) return nullptr;
    return QApplication::style();
}

}  // namespace

bool IsMessageIconKey(const QString& key) { return PixmapFor(key).has_value(); }

QPixmap MessageIcon(const QString& key, const QWidget* reference, int sizePx) {
    const auto which = PixmapFor(key);
    const QStyle* style = StyleOf(reference);
    if (!which || style == nullptr) return {};
    return style->standardIcon(*which, nullptr, reference).pixmap(sizePx, sizePx);
}

}  // namespace platform
