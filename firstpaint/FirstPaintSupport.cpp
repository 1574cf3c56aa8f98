#include "FirstPaintSupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QTimer>

#include "platform/ui/QtTranslation.h"

namespace firstpaint {

namespace {

class PaintSpy : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

[[maybe_unused]] const bool kLocaleSet = (platform::JapaneseLocaleSet(), true);

}  // namespace

void ProgramLanguageSet() {
    static bool done = false;
    if (done) return;
    done = true;
    platform::QtJapaneseLoad(*QCoreApplication::instance());
}

bool WaitForFirstPaint(QWidget* widget, int seconds) {
    PaintSpy spy;
    widget->installEventFilter(&spy);
    widget->update();
    const QDeadlineTimer deadline(seconds * 1000);
    while (!spy.painted && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    widget->removeEventFilter(&spy);
    // What the paint set off (late layouts of the status bar) settles too.
    QCoreApplication::processEvents();
    return spy.painted;
}

Desktop::Desktop() {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QApplication::activeWindow() != nullptr) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->activateWindow();
            return;
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
            QWidget* w = *it;
            if (w->isVisible() && !(w->windowFlags() & Qt::WindowDoesNotAcceptFocus) &&
                w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup) {
                w->activateWindow();
                return;
            }
        }
    });
    timer->start(5);
    timer_ = timer;
}

Desktop::~Desktop() { delete static_cast<QTimer*>(timer_); }

bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 60000);
}

std::string Lines(const std::vector<std::string>& findings) {
    std::string all = std::to_string(findings.size()) + " cut:\n";
    // The first few name the fault; a whole page of them tells no more.
    constexpr size_t kShown = 20;
    for (size_t i = 0; i < findings.size() && i < kShown; ++i) all += "  " + findings[i] + "\n";
    if (findings.size() > kShown) all += "  ...\n";
    return all;
}

}  // namespace firstpaint
