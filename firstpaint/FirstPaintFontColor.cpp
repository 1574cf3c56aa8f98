// The font dialog with its colour choice, as the analyser asks with it:
// every text whole, and the colour label's mnemonic underlines its letter
// instead of showing an ampersand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "ElisionCheck.h"
#include "FirstPaintSupport.h"
#include "FontColorDialog.h"

namespace firstpaint {
namespace {

TEST(FontColorDialogFirstPaint, TheDialogShowsEveryTextWholeAndNoMnemonicAmpersand) {
    ProgramLanguageSet();
    std::vector<std::string> cut;
    bool seen = false;
    const QLabel* colorLabel = nullptr;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<analyser::ui::FontColorDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || seen) return;
        seen = true;
        if (!WaitForFirstPaint(dialog)) ADD_FAILURE() << "the dialog never painted";
        cut = ElidedTexts(dialog);
        colorLabel = dialog->findChild<QLabel*>(QStringLiteral("lblColor"));
        if (colorLabel != nullptr && colorLabel->buddy() == nullptr) colorLabel = nullptr;
        dialog->reject();
    });
    look.start(20);
    QFont start(QStringLiteral("IPAGothic"), 10);
    const auto choice = analyser::ui::FontColorDialog::Ask({start, QColor(Qt::red)}, nullptr);
    look.stop();
    ASSERT_TRUE(seen);
    EXPECT_FALSE(choice.has_value());
    EXPECT_TRUE(cut.empty()) << Lines(cut);
    EXPECT_NE(colorLabel, nullptr) << "the colour label leads to the colour button";
}

}  // namespace
}  // namespace firstpaint
