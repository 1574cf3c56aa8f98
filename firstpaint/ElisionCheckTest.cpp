// The checker itself: each kind of cut text it looks for is found, and a
// control with room enough passes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include "ElisionCheck.h"

namespace firstpaint {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
}

TEST(ElisionCheck, FindsCutCellsHeadersLabelsAndEntriesAndPassesRoomyOnes) {
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    window.resize(600, 300);
    auto* layout = new QHBoxLayout(&window);
    auto* table = new QTableView(&window);
    table->setObjectName(QStringLiteral("table"));
    QStandardItemModel model(2, 2);
    model.setItem(0, 0, new QStandardItem(QStringLiteral("p1A")));
    model.setItem(1, 1, new QStandardItem(QStringLiteral("x")));
    model.setHorizontalHeaderLabels({QStringLiteral("一番目の列の見出し"), QStringLiteral("B")});
    table->setModel(&model);
    layout->addWidget(table);
    auto* label = new QLabel(QStringLiteral("ファイルの保存に失敗しました"), &window);
    label->setObjectName(QStringLiteral("label"));
    layout->addWidget(label);
    auto* edit = new QLineEdit(QStringLiteral("0A 5A 0A 5A 0A 5A"), &window);
    edit->setObjectName(QStringLiteral("edit"));
    layout->addWidget(edit);
    auto* colour = new QLabel(QStringLiteral("色(&C):"), &window);
    colour->setObjectName(QStringLiteral("colour"));
    layout->addWidget(colour);
    window.show();
    QApplication::processEvents();

    // Everything with room first.
    table->setColumnWidth(0, 200);
    table->setColumnWidth(1, 60);
    label->setMinimumWidth(label->sizeHint().width());
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->text()) + 30);
    colour->setBuddy(edit);
    QApplication::processEvents();
    const auto roomy = ElidedTexts(&window);
    EXPECT_TRUE(roomy.empty()) << Joined(roomy);

    // Then each one too small.
    table->setColumnWidth(0, 12);
    label->setMinimumWidth(0);
    label->setFixedWidth(20);
    edit->setMinimumWidth(0);
    edit->setFixedWidth(30);
    colour->setBuddy(nullptr);
    QApplication::processEvents();
    const std::string found = Joined(ElidedTexts(&window));
    EXPECT_NE(found.find("window/table cell (0,0) \"p1A\": elided"), std::string::npos) << found;
    EXPECT_EQ(found.find("cell (1,1)"), std::string::npos) << found;
    EXPECT_NE(found.find("\"一番目の列の見出し\": elided"), std::string::npos) << found;
    EXPECT_NE(found.find("window/label \"ファイルの保存に失敗しました\": cut"), std::string::npos) << found;
    EXPECT_NE(found.find("window/edit \"0A 5A 0A 5A 0A 5A\": cut"), std::string::npos) << found;
    EXPECT_NE(found.find("window/colour \"色(&C):\": shows its mnemonic ampersand"), std::string::npos) << found;

    // A panel laid over another panel's text covers it; one beside it not.
    auto* bar = new QWidget(&window);
    bar->setObjectName(QStringLiteral("bar"));
    bar->setFixedSize(300, 30);
    layout->addWidget(bar);
    auto* time = new QLabel(QStringLiteral("2023/03/15 12:00:00"), bar);
    time->setObjectName(QStringLiteral("time"));
    time->setGeometry(0, 0, time->sizeHint().width(), 24);
    auto* next = new QLabel(QStringLiteral("0ms"), bar);
    next->setObjectName(QStringLiteral("next"));
    next->setGeometry(time->width() + 4, 0, 60, 24);
    bar->show();
    QApplication::processEvents();
    EXPECT_EQ(Joined(ElidedTexts(bar)).find("covered"), std::string::npos) << Joined(ElidedTexts(bar));
    next->move(time->width() / 2, 0);
    QApplication::processEvents();
    const std::string covered = Joined(ElidedTexts(bar));
    EXPECT_NE(covered.find("window/bar/time \"2023/03/15 12:00:00\": covered by window/bar/next"), std::string::npos) << covered;
    bar->hide();

    // Tabs pushed behind the scroll buttons are caught; a bar that takes
    // every tab is not.
    QTabWidget tabs;
    tabs.setObjectName(QStringLiteral("tabs"));
    for (const char* caption : {"関連付け項目", "フレームデータ", "範囲指定時刻", "方向"}) {
        tabs.addTab(new QWidget, QString::fromUtf8(caption));
    }
    tabs.resize(200, 100);
    tabs.show();
    QApplication::processEvents();
    const std::string hidden = Joined(ElidedTexts(&tabs));
    EXPECT_NE(hidden.find("tab \"方向\": past the end of its bar"), std::string::npos) << hidden;
    tabs.tabBar()->setUsesScrollButtons(false);
    tabs.resize(tabs.minimumSizeHint().width(), 100);
    QApplication::processEvents();
    EXPECT_TRUE(ElidedTexts(&tabs).empty()) << Joined(ElidedTexts(&tabs));
    tabs.hide();

    // A row too low cuts its text, and hidden windows show nothing.
    table->setColumnWidth(0, 200);
    table->verticalHeader()->setMinimumSectionSize(0);
    table->setRowHeight(1, 4);
    QApplication::processEvents();
    const std::string low = Joined(ElidedTexts(table));
    EXPECT_NE(low.find("cell (1,1) \"x\": cut at top and bottom"), std::string::npos) << low;
    window.hide();
    EXPECT_TRUE(ElidedTexts(&window).empty());
}

}  // namespace
}  // namespace firstpaint
