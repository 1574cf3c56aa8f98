// Changed comments are never dropped without a question: closing the
// window, opening another file and dropping one ask first, and each answer
// does what it says.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <fstream>
#include <iterator>

#include "CommentColumn.h"
#include "CommentEditor.h"
#include "DissectoApp.h"
#include "FrameChart.h"
#include "WindowAnswer.h"
#include "WindowFixture.h"
#include "clsProtocol.h"

namespace analyser::ui::test {
namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string StoredComment(const std::string& path, int32_t frame) {
    frames::clsProtocol doc;
    EXPECT_EQ(doc.FileRead(path), frames::clsProtocol::kReadDone) << path;
    return doc.FramePostit(0, frame);
}

std::string Question(const std::string& path) { return "\"" + path + "\"は変更されています。保存しますか?"; }

// Clicks the left comment of a slot and types text into its edit box.
void TypeComment(frmMain& w, int slot, const QString& text) {
    CommentColumn* column = w.picCommentsL;
    QTest::mouseClick(column, Qt::LeftButton, {}, column->CommentRect(slot).center());
    QApplication::processEvents();
    ASSERT_TRUE(w.txtEditComments[0]->isVisible());
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(w.txtEditComments[0], &press);
}

void EditEnd(frmMain& w) {
    w.picFrameView->setFocus();
    QApplication::processEvents();
}

class UnsavedComments : public WindowFixture {};

TEST_F(UnsavedComments, ClosingWithATypedCommentAsksAndEachAnswerDoesWhatItSays) {
    const std::string path = OpenFrames("typed.kyp", Numbered(12));
    const std::string before = FileBytes(path);
    TypeComment(w, 3, QString::fromUtf8("未保存の注記"));
    EditEnd(w);
    EXPECT_TRUE(w.CommentsChanged());

    // Cancel: the window stays open with the comment; nothing is written.
    answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(questions, std::vector<std::string>{Question(path)});
    EXPECT_EQ(FileBytes(path), before);
    ASSERT_NE(w.State().gProtocol, nullptr);
    EXPECT_EQ(w.State().gProtocol->FramePostit(0, 3), "未保存の注記");

    // No: the window closes and the file stays as it was.
    answers = {SaveAnswer::No};
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(FileBytes(path), before);

    // Yes, with the edit box still open: the comment it holds is saved
    // over the open file before the window closes.
    w.show();
    Open(path);
    TypeComment(w, 5, QString::fromUtf8("保存する注記"));
    answers = {SaveAnswer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions.back(), Question(path));
    EXPECT_EQ(StoredComment(path, 5), "保存する注記");
    EXPECT_EQ(StoredComment(path, 3), "") << "the comment answered No to never reached the file";
    EXPECT_TRUE(messages.empty()) << LastMessage();
}

TEST_F(UnsavedComments, AWindowWithoutChangesClosesWithoutAQuestion) {
    EXPECT_TRUE(w.close()) << "nothing open";
    w.show();
    const std::string path = OpenFrames("quiet.kyp", Numbered(12));
    // An edit that leaves the comment as it was changes nothing.
    TypeComment(w, 0, QString::fromUtf8("コメント0"));
    EditEnd(w);
    EXPECT_FALSE(w.CommentsChanged());
    // A comment saved over the file is no longer a change.
    TypeComment(w, 2, QString::fromUtf8("保存済み"));
    w.RunCommand(w.mnuFileSaveOver);
    EXPECT_FALSE(w.CommentsChanged());
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(StoredComment(path, 2), "保存済み");

    // Saving every row under a new name holds every comment: closing
    // asks nothing, and the new file has the comment.
    w.show();
    Open(path);
    TypeComment(w, 4, QString::fromUtf8("別名"));
    EditEnd(w);
    saves = {folder / "copy.kyp"};
    w.RunCommand(w.mnuFileSaveAll);
    EXPECT_FALSE(w.CommentsChanged());
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(StoredComment(folder / "copy.kyp", 4), "別名");

    // A range leaves frames out, and so does a filter that hides some:
    // the question stays.
    w.show();
    Open(path);
    TypeComment(w, 6, QString::fromUtf8("範囲"));
    EditEnd(w);
    w.fCurrentFrameChange(2);
    w.RunCommand(w.mnuEditMarkSetBegin);
    w.fCurrentFrameChange(8);
    w.RunCommand(w.mnuEditMarkSetEnd);
    saves = {folder / "range.kyp"};
    w.RunCommand(w.mnuFileSaveLimit);
    EXPECT_TRUE(w.CommentsChanged());
    FilterApply(w, {0, 6, 7});
    saves = {folder / "filtered.kyp"};
    w.RunCommand(w.mnuFileSaveAll);
    EXPECT_TRUE(w.CommentsChanged());
    answers = {SaveAnswer::No};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(questions, std::vector<std::string>{Question(folder / "filtered.kyp")});
}

TEST_F(UnsavedComments, OpeningOrDroppingAnotherFileAsksFirst) {
    const std::string first = OpenFrames("first.kyp", Numbered(12));
    const std::string second = WriteFrames(folder / "second.kyp", config, "", Numbered(4));
    TypeComment(w, 1, QString::fromUtf8("最初の注記"));
    EditEnd(w);

    // Cancel: no open dialog, the first file stays open and changed.
    opens = {second};
    answers = {SaveAnswer::Cancel};
    w.RunCommand(w.mnuFileOpen);
    EXPECT_EQ(questions, std::vector<std::string>{Question(first)});
    EXPECT_EQ(opens.size(), 1u) << "the open dialog was not shown";
    EXPECT_EQ(w.State().gFrameFile, first);
    EXPECT_TRUE(w.CommentsChanged());

    // Yes: saved, then the other file opens unchanged.
    answers = {SaveAnswer::Yes};
    w.RunCommand(w.mnuFileOpen);
    EXPECT_EQ(w.State().gFrameFile, second);
    EXPECT_EQ(StoredComment(first, 1), "最初の注記");
    EXPECT_FALSE(w.CommentsChanged());

    // A dropped frame file asks the same; No opens it without saving.
    TypeComment(w, 2, QString::fromUtf8("捨てる注記"));
    EditEnd(w);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(first))});
    QWidget* target = w.picFrameView;
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    answers = {SaveAnswer::No};
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions.back(), Question(second));
    EXPECT_EQ(w.State().gFrameFile, first);
    EXPECT_EQ(StoredComment(second, 2), "");
}

// The question as the program shows it: the editors' box, over a window
// started the way the program starts.
TEST(UnsavedCommentsBox, TheQuestionIsTheEditorsBoxAndCancelKeepsTheWindow) {
    TempFolder folder{"dissecto-question"};
    const std::string config = WriteConfig(folder / "test.kyf");
    const std::string path = WriteFrames(folder / "shown.kyp", config, "", Numbered(8));
    DissectoApp app(folder.path());
    std::vector<std::string> shown;
    app.Start(path, [&](frmMain& m) {
        m.MessageShow = [&](const std::string& text, int16_t) { shown.push_back(text); };
    });
    frmMain& w = app.MainWindow();
    ASSERT_TRUE(w.State().gFileOpen) << (shown.empty() ? "" : shown.back());
    TypeComment(w, 1, QStringLiteral("x"));

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press = QMessageBox::Cancel;
    const platform::test::WindowAnswer<QMessageBox> answer([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        box.button(press)->click();
    });
    EXPECT_FALSE(w.close());
    EXPECT_EQ(answer.Shown, 1);
    EXPECT_EQ(title.toStdString(), "Nubera Pro");
    EXPECT_EQ(text.toStdString(), Question(path));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(w.isVisible());

    press = QMessageBox::No;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(answer.Shown, 2);
    EXPECT_EQ(StoredComment(path, 1), "");
}

}  // namespace
}  // namespace analyser::ui::test
