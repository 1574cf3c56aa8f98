// The in-cell editor of a GridAdapter: a drop-down list for a column that has
// a combo list, a text box otherwise. The grid's edit check decides
// whether a text may go into the cell; a refused text keeps the editor
// open on Enter and is dropped when the editor loses the focus.
#ifndef PLATFORM_UI_GRID_ADAPTER_EDITOR_H
#define PLATFORM_UI_GRID_ADAPTER_EDITOR_H

#include <QStyledItemDelegate>

namespace platform {

class GridAdapter;

class GridAdapterEditor : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit GridAdapterEditor(GridAdapter& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString EditorText(const QWidget* editor);
    bool Accepts(const QWidget* editor) const;

    GridAdapter& grid_;
};

}  // namespace platform

#endif
