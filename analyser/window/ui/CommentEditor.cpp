#include "CommentEditor.h"

#include <QKeyEvent>
#include <QMimeData>

#include "CommentLine.h"

namespace analyser::ui {

CommentEditor::CommentEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    hide();
}

void CommentEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            event->accept();
            emit Cancelled();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();  // a comment is one line
            return;
        default:
            QPlainTextEdit::keyPressEvent(event);
    }
}

void CommentEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    emit Left();
}

void CommentEditor::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    insertPlainText(QString::fromStdString(analyser::CommentOneLine(source->text().toStdString())));
}

}  // namespace analyser::ui
