// Qt's own dialogs in Japanese whatever the user's LANG (the test runs with
// LANG=C.UTF-8): Rewindo's open dialog with its column headers, file types
// and dates, and the calendar of Capturo's date pickers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

#include "CapturoApp.h"
#include "CapturoConsole.h"
#include "FakePortello.h"
#include "FirstPaintSupport.h"
#include "PortelloModel.h"
#include "RealPortello.h"
#include "HistorySaving.h"
#include "RewindoApp.h"
#include "frmSetMonitor.h"
#include "platform/file/tests/TempFolder.h"

namespace firstpaint {
namespace {

bool HasLatinLetters(const QString& text) {
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return text.contains(latin);
}

// What the detail view of an open file dialog shows: the headers, and per
// entry its type and date.
struct FileListing {
    QStringList headers;
    QString folderType, fileType, fileDate;
};

FileListing Listing(QFileDialog& dialog) {
    FileListing seen;
    dialog.setViewMode(QFileDialog::Detail);
    QTreeView* view = nullptr;
    for (QTreeView* v : dialog.findChildren<QTreeView*>()) {
        if (v->isVisible()) view = v;
    }
    if (view == nullptr) return seen;
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c) seen.headers << model->headerData(c, Qt::Horizontal).toString();
    const QModelIndex root = view->rootIndex();
    // The listing fills in from a worker thread; what came by then is
    // what the checks below see.
    (void)QTest::qWaitFor([&] { return model->rowCount(root) >= 2; }, 60000);
    for (int r = 0; r < model->rowCount(root); ++r) {
        const QString name = model->index(r, 0, root).data().toString();
        if (name == QLatin1String("sub")) seen.folderType = model->index(r, 2, root).data().toString();
        if (name == QLatin1String("a.ky2")) {
            seen.fileType = model->index(r, 2, root).data().toString();
            seen.fileDate = model->index(r, 3, root).data().toString();
        }
    }
    return seen;
}

TEST(QtDialogsInJapanese, RewindosOpenDialogAndCapturosCalendarReadJapanese) {
    ASSERT_EQ(qgetenv("LANG"), "C.UTF-8") << "the test stands for a user whose LANG is not Japanese";
    ProgramLanguageSet();
    TempFolder dir("first-paint-locale");
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(dir / "sub")));
    TempFolder::WriteAll(dir / "a.ky2", "x");
    // An hour below ten: the short format writes it with one digit.
    {
        QFile file(QString::fromStdString(dir / "a.ky2"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 10), QTime(0, 7)), QFileDevice::FileModificationTime));
    }
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));

    auto library = viewer::ui::LoadPortelloModel(PORTELLO_LIBRARY_PATH, [](const std::string& why) { FAIL() << why; });
    viewer::ui::RewindoApp rewindo(*library, dir.path());
    rewindo.Start("", false);
    FileListing seen;
    bool dialogSeen = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialogSeen) return;
        dialogSeen = true;
        seen = Listing(*dialog);
        dialog->reject();
    });
    look.start(20);
    rewindo.MainWindow().mnuRead->trigger();
    look.stop();
    QDir::setCurrent(oldCurrent);
    ASSERT_TRUE(dialogSeen) << "the open command shows Qt's file dialog";
    EXPECT_EQ(seen.headers.join(u'|').toStdString(), "名前|サイズ|タイプ|更新日");
    EXPECT_FALSE(seen.folderType.isEmpty());
    EXPECT_FALSE(HasLatinLetters(seen.folderType)) << seen.folderType.toStdString();
    const QDateTime modified = QFileInfo(QString::fromStdString(dir / "a.ky2")).lastModified();
    // The dialog writes dates in the system locale's short format, whose
    // date part is Japanese whatever LANG says.
    EXPECT_EQ(seen.fileDate.toStdString(), QLocale::system().toString(modified, QLocale::ShortFormat).toStdString());
    EXPECT_TRUE(seen.fileDate.startsWith(QStringLiteral("2026/12/10 "))) << seen.fileDate.toStdString();

    // Capturo's device settings: the calendar of a date picker.
    mon::test::FakePortello api{&mon::test::RealPortello()};
    mon::test::FakeClock clock;
    TempFolder capturoDir("first-paint-locale-capturo");
    mon::CapturoApp capturo(api, clock, capturoDir.path(), mon::CapturoApp::kAppTitle, mon::CapturoConsole::Make);
    capturo.Start(false);
    capturo.Driver().Stop();
    if (QWidget* pcLink = QApplication::activeModalWidget()) pcLink->close();
    capturo.MainWindow().Buttons.Button("Monitor")->trigger();
    mon::frmSetMonitor* settings = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* s = qobject_cast<mon::frmSetMonitor*>(w); s && s->isVisible()) settings = s;
    }
    ASSERT_NE(settings, nullptr);
    QDateEdit* picker = settings->DTPickerDate[0];
    ASSERT_TRUE(picker->calendarPopup());
    picker->setDate(QDate(2026, 12, 9));
    QCalendarWidget* calendar = picker->calendarWidget();
    const QTableView* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    QStringList dayNames;
    for (int c = 0; c < days->model()->columnCount(); ++c) {
        const QString name = days->model()->index(0, c).data().toString();
        if (!name.isEmpty()) dayNames << name;
    }
    EXPECT_EQ(dayNames.join(u'|').toStdString(), "日|月|火|水|木|金|土");
    QStringList buttons;
    for (const QAbstractButton* b : calendar->findChildren<QAbstractButton*>()) {
        if (!b->text().isEmpty()) buttons << b->text();
    }
    EXPECT_TRUE(buttons.contains(QStringLiteral("12月"))) << buttons.join(u'|').toStdString();
    settings->close();
    capturo.Finish();
}

}  // namespace
}  // namespace firstpaint

namespace firstpaint {
namespace {

// The system's reason at the end of a failed save reads Japanese too.
TEST(QtDialogsInJapanese, ASaveIntoAMissingFolderEndsInAJapaneseReason) {
    store::clsCommon doc;
    doc.Direction(1);
    doc.RecordAdd(45000.0, 0x80, 'A');
    const std::string path = "/no/such/folder/x.ky2";
    EXPECT_EQ(viewer::ui::HistorySaveAs(doc, path, viewer::ui::kSaveFilterKy2, {}),
              path + "\nファイルの保存に失敗しました（指定されたファイルまたはフォルダーが見つかりません）");
}

}  // namespace
}  // namespace firstpaint
