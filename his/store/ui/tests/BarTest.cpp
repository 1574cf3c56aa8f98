#include "clsBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <cmath>
#include <memory>

#include "frmBar.h"

namespace store {
namespace {

// True when inner's middle is within a pixel of outer's: twips and whole
// pixels cannot meet more exactly than that.
bool CentredOn(const QRect& inner, const QRect& outer) {
    const double dx = (inner.x() + inner.width() / 2.0) - (outer.x() + outer.width() / 2.0);
    const double dy = (inner.y() + inner.height() / 2.0) - (outer.y() + outer.height() / 2.0);
    return std::abs(dx) <= 1.0 && std::abs(dy) <= 1.0;
}

// Lets windows closed by the last step finish deleting themselves.
void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST(clsBar, PositionIsKeptWithinTheTotal) {
    QWidget main;
    main.setGeometry(40, 30, 700, 500);
    clsBar bar(&main);
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(bar.PosValue(), 0);
    bar.PosValue(30);

    bar.Show(100, "");
    ASSERT_NE(bar.Form(), nullptr);
    const frmBar& form = *bar.Form();
    EXPECT_TRUE(bar.Visible());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle().toStdString(), "読込");
    EXPECT_EQ(form.cmdCancel->text().toStdString(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(form.ProgressBar1->minimum(), 0);
    EXPECT_EQ(form.ProgressBar1->maximum(), 100);
    EXPECT_EQ(form.ProgressBar1->value(), 0);
    EXPECT_EQ(bar.PosValue(), 30);  // Show leaves it alone
    EXPECT_TRUE(CentredOn(form.geometry(), main.geometry()));

    bar.PosValue(150);
    EXPECT_EQ(bar.PosValue(), 100);
    EXPECT_EQ(form.ProgressBar1->value(), form.ProgressBar1->maximum());
    bar.PosValue(-1);
    EXPECT_EQ(bar.PosValue(), 100);
    bar.PosValue(40);
    EXPECT_EQ(form.ProgressBar1->value(), 40);

    bar.Show(500, "保存");
    EXPECT_EQ(bar.Form(), &form);
    EXPECT_EQ(form.windowTitle().toStdString(), "保存");
    EXPECT_EQ(form.ProgressBar1->maximum(), 500);
    EXPECT_EQ(form.ProgressBar1->value(), 0);
    EXPECT_EQ(bar.PosValue(), 40);

    bar.Clear();
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(bar.Form(), nullptr);
    EXPECT_FALSE(form.isVisible());
    DeleteClosedWindows();
}

TEST(clsBar, CancelButtonCancelsAndCloseBoxDoesNot) {
    clsBar bar;
    bar.Show(10, "");
    ASSERT_NE(bar.Form(), nullptr);
    QTest::mouseClick(bar.Form()->cmdCancel, Qt::LeftButton);
    EXPECT_TRUE(bar.Cancel());
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(bar.Form(), nullptr);
    bar.Clear();  // nothing left to close
    EXPECT_TRUE(bar.Cancel());
    DeleteClosedWindows();

    bar.Show(10, "");
    EXPECT_FALSE(bar.Cancel());
    EXPECT_TRUE(bar.Visible());
    ASSERT_NE(bar.Form(), nullptr);
    EXPECT_EQ(bar.Form()->windowTitle().toStdString(), "読込");  // a fresh window
    bar.Form()->close();
    EXPECT_FALSE(bar.Visible());
    EXPECT_FALSE(bar.Cancel());
    EXPECT_EQ(bar.Form(), nullptr);
    DeleteClosedWindows();
}

TEST(clsBar, TheWindowNeverOutlivesTheObject) {
    auto bar = std::make_unique<clsBar>();
    bar->Show(10, "");
    QPointer<frmBar> form = bar->Form();
    bar->Visible(false);  // so Clear alone would leave it
    bar.reset();
    EXPECT_TRUE(form.isNull() || !form->isVisible());
    DeleteClosedWindows();
    EXPECT_TRUE(form.isNull());

    // Deleting the main window takes the progress window with it.
    auto main = std::make_unique<QWidget>();
    clsBar owned;
    owned.SetMainWindow(main.get());
    owned.Show(10, "");
    main.reset();
    EXPECT_FALSE(owned.Visible());
    EXPECT_EQ(owned.Form(), nullptr);
}

}  // namespace
}  // namespace store
