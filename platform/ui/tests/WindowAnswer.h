// Answers a window that a command opens and waits on (a modal dialog, a
// progress window of a long run): on every turn of the event loop, each
// visible top-level window of type W is handed to answer.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace platform::test {

template <typename W>
class WindowAnswer {
public:
    explicit WindowAnswer(std::function<void(W&)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    // How many times a window was answered.
    int Shown = 0;

private:
    void Poll() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<W*>(w);
            if (window == nullptr || !window->isVisible()) continue;
            ++Shown;
            answer_(*window);
        }
    }
    std::function<void(W&)> answer_;
    QTimer timer_;
};

}  // namespace platform::test
