#include "Yielder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace platform {
namespace {

using namespace std::chrono_literals;

class EventCounter : public QObject {
public:
    int count = 0;

    void Post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++count;
        return true;
    }
};

TEST(Yielder, ProcessesEventsAtMostOncePerIntervalUnlessForced) {
    auto now = std::chrono::steady_clock::time_point{} + 1h;
    Yielder yielder(30ms, [&now] { return now; });
    EventCounter counter;

    counter.Post();
    EXPECT_TRUE(yielder.Yield());  // the first call always runs
    EXPECT_EQ(counter.count, 1);

    counter.Post();
    now += 29ms;
    EXPECT_FALSE(yielder.Yield());
    EXPECT_EQ(counter.count, 1);
    now += 1ms;
    EXPECT_TRUE(yielder.Yield());
    EXPECT_EQ(counter.count, 2);

    counter.Post();
    EXPECT_TRUE(yielder.Yield(true));
    EXPECT_EQ(counter.count, 3);
}

}  // namespace
}  // namespace platform
