#include "EditorsMenu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "Ky2History.h"
#include "clsAnalysis.h"
#include "frmFrameMake.h"
#include "frmLink.h"
#include "frmMain.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::editors::ui {
namespace {

TEST(EditorsMenu, TheToolMenuOpensBothEditors) {
    TempFolder dir{"editors-menu"};
    analyser::ui::frmMain main(dir.path());
    main.MessageShow = [](const std::string&, int16_t) {};
    main.Form_Load();
    main.show();
    EXPECT_FALSE(main.mnuToolFrameMake->isEnabled());
    EditorsMenuHookUp(main, [](int16_t) { return std::string(); });
    EXPECT_TRUE(main.mnuToolFrameMake->isEnabled());
    EXPECT_TRUE(main.mnuToolLink->isEnabled());

    static QString opened;
    for (QAction* item : {main.mnuToolFrameMake, main.mnuToolLink}) {
        opened.clear();
        QTimer::singleShot(0, [] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            opened = modal->objectName();
            static_cast<QDialog*>(modal)->reject();
        });
        main.RunCommand(item);
        EXPECT_EQ(opened, item == main.mnuToolFrameMake ? QStringLiteral("frmFrameMake") : QStringLiteral("frmLink"));
    }

    // The context takes the main window's folders and places the editor
    // beside its left comment column.
    const EditorContext context = MainWindowContext(main, {});
    EXPECT_EQ(context.frameConfigFolder, &main.State().gFrameConfigFolder);
    EXPECT_EQ(context.linkTableFolder, &main.State().gLinkTableFolder);
    ASSERT_TRUE(context.Anchor);
    EXPECT_GE(context.Anchor().x(), platform::WindowTwips(&main).left);
}

// A frame configuration and a link table made in the editors convert a
// history into frames that the chart shows by the table's names.
TEST(EditorsMenu, ConvertingWithTheEditorsFilesNamesTheFramesInTheChart) {
    TempFolder dir{"editors-chart"};
    const std::string kyf = dir / "cmd.kyf";
    const std::string kyl = dir / "cmd.kyl";
    {
        EditorContext context;
        frmFrameMake make(context);
        make.MessageAsk = [](const std::string& text, QMessageBox::Icon, QMessageBox::StandardButtons) {
            ADD_FAILURE() << text;
            return QMessageBox::Ok;
        };
        make.SaveFileAsk = [&](const QString&) { return kyf; };
        make.txtProtocolName->setText(QStringLiteral("命令"));
        make.Doc().NameChange("命令");
        make.txtItemName->setText(QStringLiteral("命令"));
        make.txtItemSize->setText(QStringLiteral("1"));
        make.cmdUpdate_Click();
        make.txtItemName->setText(QStringLiteral("残り"));
        make.cmbItemType->setCurrentText(QStringLiteral("データ"));
        make.cmbItemSize->setCurrentText(QStringLiteral("可変"));
        make.cmbItemSize_Validate();
        make.cmdUpdate_Click();
        make.mnuFileSave->trigger();
    }
    {
        EditorContext context;
        context.FilePick = [&](int16_t) { return kyf; };
        frmLink link(context);
        link.MessageAsk = [](const std::string& text, QMessageBox::Icon, QMessageBox::StandardButtons) {
            ADD_FAILURE() << text;
            return QMessageBox::Ok;
        };
        link.SaveFileAsk = [&] { return kyl; };
        link.mnuFileOpenKYF->trigger();
        const char* names[2] = {"問合せ", "応答"};
        const char* codes[2] = {"05", "06"};
        for (int r = 1; r <= 2; ++r) {
            link.fLinkRowShow(r);
            link.txtItemName->setText(QString::fromUtf8(names[r - 1]));
            link.fgCode->SetTextMatrix(1, 1, QString::fromLatin1(codes[r - 1]));
            link.cmdUpdate_Click();
        }
        link.txtLinkName->setText(QStringLiteral("命令表"));
        link.mnuFileSave->trigger();
    }

    // A history of three lines, cut at CR LF with the editors' files.
    frames::test::Ky2History history;
    history.Units(frames::test::kSd, {0x05, 0x41, 0x0D, 0x0A});
    history.Units(frames::test::kRd, {0x06, 0x42, 0x0D, 0x0A});
    history.Units(frames::test::kSd, {0x09, 0x0D, 0x0A});
    const std::string ky2 = history.Save(dir / "line.ky2");
    const std::string kyp = dir / "line.kyp";
    frames::clsAnalysis conversion;
    conversion.CutMode(1, 1);
    ASSERT_TRUE(conversion.ProtocolConv(ky2, kyp, kyf, kyl));

    analyser::ui::frmMain main(dir.path());
    main.MessageShow = [](const std::string& text, int16_t) { ADD_FAILURE() << text; };
    main.Form_Load();
    ASSERT_TRUE(main.fFileOpenKYP(kyp));
    ASSERT_EQ(main.FrameCount(), 3);
    EXPECT_EQ(main.TableEntry(0).Caption, "問合せ");
    EXPECT_EQ(main.TableEntry(1).Caption, "応答");
    EXPECT_EQ(main.TableEntry(2).Caption, "") << "no row of the table matches 09";
}

}  // namespace
}  // namespace analyser::editors::ui
