#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "MessageIcons.h"
#include "WaitCursor.h"

namespace platform {
namespace {

TEST(WaitCursor, OverridesTheCursorForItsScopeOnly) {
    {
        WaitCursor outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        WaitCursor nested;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(MessageIcons, FourKeysHaveAnIconAnythingElseNone) {
    for (const char* key : {"Critical", "Question", "Exclamation", "Information"}) {
        EXPECT_TRUE(IsMessageIconKey(key)) << key;
        EXPECT_EQ(MessageIcon(key).size(), QSize(32, 32)) << key;
    }
    EXPECT_FALSE(IsMessageIconKey("critical"));
    EXPECT_TRUE(MessageIcon("Warning").isNull());
}

}  // namespace
}  // namespace platform
