#include "QtTranslation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTranslator>

namespace platform {
namespace {

QStringList ButtonTexts(const QFileDialog& dialog) {
    QStringList texts;
    for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        for (const QAbstractButton* b : box->buttons()) texts << b->text();
    }
    return texts;
}

TEST(QtJapanese, QtsFileDialogsSpeakJapanese) {
    QTranslator* translator = QtJapaneseLoad(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's Japanese translation is installed";
    for (auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(mode);
        const QStringList texts = ButtonTexts(dialog);
        ASSERT_EQ(texts.size(), 2) << texts.join(u'|').toStdString();
        const QString accept = mode == QFileDialog::AcceptOpen ? QStringLiteral("開く") : QStringLiteral("保存");
        EXPECT_TRUE(texts[0].startsWith(accept) || texts[1].startsWith(accept)) << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("キャンセル"))) << texts.join(u'|').toStdString();
    }
    // The other window tests of this program read Qt's texts untranslated.
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

}  // namespace
}  // namespace platform
