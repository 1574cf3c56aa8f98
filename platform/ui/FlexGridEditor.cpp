#include "FlexGridEditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "FlexGrid.h"

namespace platform {

namespace {

constexpr char kRowProperty[] = "flexGridRow";
constexpr char kColProperty[] = "flexGridCol";

bool IsCommitKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

}  // namespace

FlexGridEditor::FlexGridEditor(FlexGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* FlexGridEditor::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    if (grid_.BeforeEdit && !grid_.BeforeEdit(index.row(), index.column())) return nullptr;
    QWidget* editor = nullptr;
    const QStringList items = grid_.ColComboList(index.column());
    if (!items.isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->addItems(items);
        // A choice from the list is the whole edit.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            if (!Accepts(combo)) return;
            emit const_cast<FlexGridEditor*>(this)->commitData(combo);
            emit const_cast<FlexGridEditor*>(this)->closeEditor(combo);
        });
        editor = combo;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    }
    if (editor != nullptr) {
        editor->setProperty(kRowProperty, index.row());
        editor->setProperty(kColProperty, index.column());
    }
    return editor;
}

void FlexGridEditor::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void FlexGridEditor::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (!Accepts(editor)) return;
    const QString text = EditorText(editor);
    if (model->data(index, Qt::EditRole).toString() == text) return;
    model->setData(index, text, Qt::EditRole);
    emit grid_.AfterEdit(index.row(), index.column());
}

bool FlexGridEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor != nullptr && IsCommitKey(event) && !Accepts(editor)) return true;
    return QStyledItemDelegate::eventFilter(watched, event);
}

QString FlexGridEditor::EditorText(const QWidget* editor) {
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor)) return edit->text();
    return {};
}

bool FlexGridEditor::Accepts(const QWidget* editor) const {
    if (!grid_.ValidateEdit) return true;
    const int row = editor->property(kRowProperty).toInt();
    const int col = editor->property(kColProperty).toInt();
    return grid_.ValidateEdit(row, col, EditorText(editor));
}

}  // namespace platform
