#include "GridAdapterEditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "GridAdapter.h"

namespace platform {

namespace {

constexpr char kRowProperty[] = "gridAdapterRow";
constexpr char kColProperty[] = "gridAdapterCol";

bool IsCommitKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

}  // namespace

GridAdapterEditor::GridAdapterEditor(GridAdapter& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

QWidget* GridAdapterEditor::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
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
            emit const_cast<GridAdapterEditor*>(this)->commitData(combo);
            emit const_cast<GridAdapterEditor*>(this)->closeEditor(combo);
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

void GridAdapterEditor::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridAdapterEditor::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    if (!Accepts(editor)) return;
    const QString text = EditorText(editor);
    if (model->data(index, Qt::EditRole).toString() == text) return;
    model->setData(index, text, Qt::EditRole);
    emit grid_.AfterEdit(index.row(), index.column());
}

bool GridAdapterEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor != nullptr && IsCommitKey(event) && !Accepts(editor)) return true;
    return QStyledItemDelegate::eventFilter(watched, event);
}

QString GridAdapterEditor::EditorText(const QWidget* editor) {
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor)) return edit->text();
    return {};
}

bool GridAdapterEditor::Accepts(const QWidget* editor) const {
    if (!grid_.ValidateEdit) return true;
    const int row = editor->property(kRowProperty).toInt();
    const int col = editor->property(kColProperty).toInt();
    return grid_.ValidateEdit(row, col, EditorText(editor));
}

}  // namespace platform
