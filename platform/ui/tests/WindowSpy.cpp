// A spy for tests that run one of the real programs: preloaded into it
// (LD_PRELOAD), it notes every dialog the program shows in the file named
// by KY_WINDOW_SPY_LOG, one line each:
//   shown <object name>: <the texts of its labels, joined by " | ">
// It closes the splash window (frmOpen) at once, and presses the OK button
// (cmdOk) of each dialog whose object name KY_WINDOW_SPY_ANSWER lists
// (comma-separated). Once the program is back in its event loop after
// such an answer it notes
//   alive <title of the visible main window>
// The program itself is not changed in any way.
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kAliveCheckMs = 300;

void Note(const QString& line) {
    const char* path = std::getenv("KY_WINDOW_SPY_LOG");
    if (path == nullptr) return;
    if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s\n", line.toUtf8().constData());
        std::fclose(f);
    }
}

class WindowSpy : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog != nullptr && dialog->isWindow()) {
                QPointer<QDialog> shown(dialog);
                QTimer::singleShot(0, this, [this, shown] {
                    if (shown) Seen(shown);
                });
            }
        }
        return false;
    }

private:
    void Seen(QDialog* dialog) {
        QStringList texts;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) texts << label->text();
        }
        Note(QStringLiteral("shown %1: %2").arg(dialog->objectName(), texts.join(QStringLiteral(" | "))));
        if (dialog->objectName() == QLatin1String("frmOpen")) {
            dialog->accept();
            return;
        }
        const QStringList answer =
            QString::fromLocal8Bit(qgetenv("KY_WINDOW_SPY_ANSWER")).split(QLatin1Char(','));
        if (!answer.contains(dialog->objectName())) return;
        if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"))) ok->click();
        QTimer::singleShot(kAliveCheckMs, this, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMainWindow*>(w) != nullptr && w->isVisible())
                    Note(QStringLiteral("alive %1").arg(w->windowTitle()));
            }
        });
    }
};

void WindowSpyInstall() {
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new WindowSpy(app));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WindowSpyInstall)
