// The edit box over a comment column (txtEditCommentsL/R): shows a long
// comment wrapped over several lines, takes no line break (Enter does
// nothing, pasted line breaks become blanks), Esc cancels, and losing the
// focus to another control ends the edit.
#pragma once

#include <QPlainTextEdit>

namespace analyser::ui {

class CommentEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CommentEditor(QWidget* parent);

signals:
    void Cancelled();
    // The focus went to another control of the program; leaving the window
    // for another program, or the box's own context menu, does not end it.
    void Left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace analyser::ui
