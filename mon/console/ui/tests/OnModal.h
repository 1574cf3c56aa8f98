// Works a modal window from inside its exec: act runs on the next modal
// window of type W that opens, and must close it.
#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

namespace mon::test {

template <typename W>
void OnModal(std::function<void(W&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        if (w == nullptr) return;
        timer->stop();
        timer->deleteLater();
        act(*w);
    });
    timer->start();
}

}  // namespace mon::test
