#include "EditorControls.h"

#include "platform/ui/Twips.h"

namespace analyser::editors::ui {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(platform::TwipsToPixels(QRect(left, top, width, height), widget));
}

QGroupBox* PanelFrame(QWidget* parent, const char* name, const char* caption, int top, int height) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    PlaceTwips(frame, 120, top, 2775, height);
    return frame;
}

QPushButton* PanelButton(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                         int height) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    PlaceTwips(button, left, top, width, height);
    return button;
}

QAction* MenuItem(QWidget* window, QMenu* menu, const char* name, const char* caption, const char* key) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (key != nullptr) item->setShortcut(QKeySequence(QString::fromLatin1(key)));
    window->addAction(item);
    return item;
}

}  // namespace analyser::editors::ui
