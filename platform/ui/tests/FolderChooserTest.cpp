#include "FolderChooser.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStorageInfo>
#include <QWidget>

#include <filesystem>

#include "platform/file/tests/TempFolder.h"

namespace platform {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

TEST(FolderChooser, OpensAFolderWithItsDriveAndReportsEveryChange) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "inner");
    QWidget owner;
    FolderChooser chooser(&owner, "t", nullptr);
    QSignalSpy changes(&chooser, &FolderChooser::FolderChanged);
    EXPECT_FALSE(chooser.Open(Q(dir / "missing")));
    EXPECT_FALSE(chooser.Open(""));
    EXPECT_EQ(changes.count(), 0);
    ASSERT_TRUE(chooser.Open(Q(dir.path())));
    EXPECT_EQ(chooser.Folder(), Q(dir.path()));
    EXPECT_EQ(chooser.Drive1->currentData().toString(), QStorageInfo(Q(dir.path())).rootPath());
    EXPECT_EQ(changes.count(), 1);
    ASSERT_TRUE(chooser.Open(Q(dir / "inner")));
    EXPECT_EQ(chooser.Folder(), Q(dir / "inner"));
    ASSERT_TRUE(chooser.Open(Q(dir / "inner")));
    EXPECT_EQ(changes.count(), 3) << "the same folder again is reported too, so its listing is made anew";
}

TEST(FolderChooser, ADriveThatCannotBeReadIsAskedAgainUntilGivenUp) {
    TempFolder dir;
    QWidget owner;
    QString asked;
    FolderChooser chooser(&owner, "t", [](const QString& d) { return d + " ?"; });
    chooser.Open(Q(dir.path()));
    chooser.SaveDrive();
    const QString saved = chooser.SavedDrive;
    int asks = 0;
    chooser.DriveRetryAsk = [&](const QString& drive) {
        asked = drive;
        return ++asks < 3;  // Retry twice, then Cancel
    };
    chooser.Drive1->addItem("/no-such-volume", "/no-such-volume");
    chooser.Drive1->setCurrentIndex(chooser.Drive1->count() - 1);
    EXPECT_EQ(asks, 3);
    EXPECT_EQ(asked, "/no-such-volume");
    EXPECT_EQ(chooser.Drive1->currentData().toString(), saved) << "Cancel returns to the saved drive";
    EXPECT_EQ(chooser.Folder(), saved) << "whose folder is open then";

    // A volume that is not ready at first and then is.
    std::filesystem::create_directories(dir / "volume");
    int readable = 0;
    chooser.DriveReadable = [&](const QString&) { return ++readable > 1; };
    asks = 0;
    chooser.DriveRetryAsk = [&](const QString&) { return ++asks > 0; };
    chooser.Drive1->addItem("volume", Q(dir / "volume"));
    chooser.Drive1->setCurrentIndex(chooser.Drive1->count() - 1);
    EXPECT_EQ(asks, 1) << "a Retry that succeeds opens the drive";
    EXPECT_EQ(chooser.Folder(), Q(dir / "volume"));
}

}  // namespace
}  // namespace platform
