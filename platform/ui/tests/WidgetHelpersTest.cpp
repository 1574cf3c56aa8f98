#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "MessageIcons.h"
#include "SystemColor.h"
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

TEST(SystemColor, TopByte80NamesAPaletteRoleElseBgr) {
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
    palette.setColor(QPalette::HighlightedText, QColor(10, 11, 12));
    palette.setColor(QPalette::Button, QColor(13, 14, 15));
    EXPECT_EQ(StoredColor(kSysWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(StoredColor(kSysWindowText, palette), QColor(4, 5, 6));
    EXPECT_EQ(StoredColor(kSysHighlight, palette), QColor(7, 8, 9));
    EXPECT_EQ(StoredColor(kSysHighlightText, palette), QColor(10, 11, 12));
    EXPECT_EQ(StoredColor(kSysButtonFace, palette), QColor(13, 14, 15));
    EXPECT_EQ(StoredColor(0x800000FF, palette), QColor(4, 5, 6)) << "unknown index: window text";
    // A plain colour keeps its BGR meaning, black and red included.
    EXPECT_EQ(StoredColor(0x000000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(StoredColor(0, palette), QColor(0, 0, 0));
    EXPECT_FALSE(IsSystemColor(0x00FF0000));
    EXPECT_TRUE(IsSystemColor(kSysButtonShadow));
}

}  // namespace
}  // namespace platform
