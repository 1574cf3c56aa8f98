#include "ElisionCheck.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>

#include <algorithm>

namespace firstpaint {

namespace {

using Findings = std::vector<std::string>;

std::string Quote(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return "\"" + shown.toStdString() + "\"";
}

void Add(Findings& out, const QWidget* w, const std::string& where, const QString& text,
         const std::string& why) {
    out.push_back(WidgetName(w) + where + " " + Quote(text) + ": " + why);
}

std::string Px(int needed, int room) {
    return "needs " + std::to_string(needed) + " px, has " + std::to_string(room);
}

// How much of a widget's width survives the clipping of its ancestors up to
// its window.
int VisibleWidth(const QWidget* w) {
    QRect r = w->rect();
    QPoint offset(0, 0);
    for (const QWidget* child = w; !child->isWindow() && child->parentWidget() != nullptr;
         child = child->parentWidget()) {
        offset += child->pos();
        const QRect parentRect = child->parentWidget()->rect().translated(-offset);
        r &= parentRect;
    }
    return std::max(0, r.width());
}

// The first visible sibling stacked above w that covers more than a sliver
// of area (in w's coordinates), or null.
const QWidget* CoveringSibling(const QWidget* w, const QRect& area) {
    const QWidget* parent = w->parentWidget();
    if (parent == nullptr || w->isWindow()) return nullptr;
    const QObjectList& siblings = parent->children();
    const auto self = std::find(siblings.begin(), siblings.end(), w);
    if (self == siblings.end()) return nullptr;
    const QRect shown = area.translated(w->pos());
    for (auto it = self + 1; it != siblings.end(); ++it) {
        const auto* other = qobject_cast<const QWidget*>(*it);
        if (other == nullptr || other->isWindow() || !other->isVisible()) continue;
        constexpr int kSliver = 2;  // frames and focus rings may touch
        const QRect covered = other->geometry() & shown;
        if (covered.width() > kSliver && covered.height() > kSliver) return other;
    }
    return nullptr;
}

// --- item views --------------------------------------------------------------

// The rows the viewport shows, as their column-0 index; hidden rows left
// out.
std::vector<QModelIndex> ShownRows(const QAbstractItemView* view) {
    std::vector<QModelIndex> rows;
    const QAbstractItemModel* model = view->model();
    const QRect port = view->viewport()->rect();
    const QModelIndex root = view->rootIndex();
    if (const auto* tree = qobject_cast<const QTreeView*>(view)) {
        for (QModelIndex i = model->index(0, 0, root); i.isValid(); i = tree->indexBelow(i)) {
            const QRect r = tree->visualRect(i);
            if (r.top() > port.bottom()) break;
            if (r.bottom() >= port.top()) rows.push_back(i);
        }
        return rows;
    }
    int first = 0;
    int last = model->rowCount(root) - 1;
    if (const auto* table = qobject_cast<const QTableView*>(view)) {
        first = std::max(0, table->rowAt(port.top()));
        const int bottom = table->rowAt(port.bottom());
        if (bottom >= 0) last = bottom;
    }
    for (int r = first; r <= last; ++r) {
        if (const auto* table = qobject_cast<const QTableView*>(view); table && table->isRowHidden(r)) continue;
        if (const auto* list = qobject_cast<const QListView*>(view); list && list->isRowHidden(r)) continue;
        rows.push_back(model->index(r, 0, root));
    }
    return rows;
}

bool ColumnHidden(const QAbstractItemView* view, int col) {
    if (const auto* table = qobject_cast<const QTableView*>(view)) return table->isColumnHidden(col);
    if (const auto* tree = qobject_cast<const QTreeView*>(view)) return tree->isColumnHidden(col);
    if (const auto* list = qobject_cast<const QListView*>(view)) return col != list->modelColumn();
    return false;
}

void CellCheck(const QAbstractItemView* view, const QModelIndex& index, Findings& out) {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    const QRect port = view->viewport()->rect();
    const QRect cell = view->visualRect(index);
    if (cell.isEmpty() || !cell.intersects(port)) return;
    const QSize needed = view->sizeHintForIndex(index);
    const std::string where =
        " cell (" + std::to_string(index.row()) + "," + std::to_string(index.column()) + ")";
    if (needed.width() > cell.width()) {
        Add(out, view, where, text, "elided, " + Px(needed.width(), cell.width()));
        return;
    }
    QFont font = view->font();
    const QVariant cellFont = index.data(Qt::FontRole);
    if (cellFont.isValid()) font = qvariant_cast<QFont>(cellFont).resolve(font);
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    const int textHeight = QFontMetrics(font).height() * lines;
    if (textHeight > cell.height()) {
        Add(out, view, where, text, "cut at top and bottom, " + Px(textHeight, cell.height()) + " down");
        return;
    }
    // Parts of a cell outside the viewport are only hidden for good when
    // the view cannot scroll them in.
    const QRect seen = cell & port;
    const QScrollBar* across = view->horizontalScrollBar();
    if (seen.width() < needed.width() && across->maximum() <= across->minimum()) {
        Add(out, view, where, text, "cut by the view's edge, " + Px(needed.width(), seen.width()));
        return;
    }
    const QScrollBar* down = view->verticalScrollBar();
    if (seen.height() < textHeight && down->maximum() <= down->minimum()) {
        Add(out, view, where, text, "cut by the view's edge, " + Px(textHeight, seen.height()) + " down");
    }
}

void ItemViewCheck(const QAbstractItemView* view, Findings& out) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    const std::vector<QModelIndex> rows = ShownRows(view);
    const int cols = model->columnCount(view->rootIndex());
    for (const QModelIndex& row : rows) {
        for (int c = 0; c < cols; ++c) {
            if (ColumnHidden(view, c)) continue;
            const QModelIndex index = row.siblingAtColumn(c);
            if (index.isValid()) CellCheck(view, index, out);
        }
    }
}

// A header elides a section's text to its label rect: the section less
// the style's header margin on each side, less the sort arrow.
void HeaderCheck(const QHeaderView* header, Findings& out) {
    const QAbstractItemModel* model = header->model();
    if (model == nullptr) return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const bool across = header->orientation() == Qt::Horizontal;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical) || header->sectionSize(logical) <= 0) continue;
        const QString text = model->headerData(logical, header->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        QFont font = header->font();
        const QVariant f = model->headerData(logical, header->orientation(), Qt::FontRole);
        if (f.isValid()) font = qvariant_cast<QFont>(f).resolve(font);
        const QFontMetrics fm(font);
        const int width = across ? header->sectionSize(logical) : header->width();
        const int height = across ? header->height() : header->sectionSize(logical);
        int room = width - 2 * margin;
        if (across && header->isSortIndicatorShown() && header->sortIndicatorSection() == logical) {
            room -= height / 2;
        }
        const int needed = fm.horizontalAdvance(text);
        const std::string where = " header section " + std::to_string(logical);
        if (needed > room) {
            Add(out, header, where, text, "elided, " + Px(needed, room));
            continue;
        }
        if (fm.height() > height) Add(out, header, where, text, "cut at top and bottom, " + Px(fm.height(), height) + " down");
    }
}

// --- labels and line edits ----------------------------------------------------

void LabelCheck(const QLabel* label, Findings& out) {
    const QString text = label->text();
    if (text.isEmpty()) return;
    static const QRegularExpression mnemonic(QStringLiteral("\\(&[A-Za-z0-9]\\)"));
    if (label->buddy() == nullptr && text.contains(mnemonic)) {
        Add(out, label, "", text, "shows its mnemonic ampersand");
    }
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height()) {
            Add(out, label, "", text, "cut at the bottom, " + Px(needed, label->height()) + " down");
        }
        return;
    }
    const QSize needed = label->sizeHint();
    if (needed.width() > label->width()) {
        Add(out, label, "", text, "cut, " + Px(needed.width(), label->width()));
        return;
    }
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    const int textHeight = label->fontMetrics().height() * lines;
    if (textHeight > label->contentsRect().height()) {
        Add(out, label, "", text,
            "cut at top and bottom, " + Px(textHeight, label->contentsRect().height()) + " down");
        return;
    }
    const int seen = VisibleWidth(label);
    if (seen < needed.width()) {
        Add(out, label, "", text, "outside its parent, " + Px(needed.width(), seen));
        return;
    }
    const int flags = static_cast<int>(label->alignment()) |
                      (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0);
    const QRect textRect =
        label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), flags, label->isEnabled(), text) &
        label->rect();
    if (const QWidget* other = CoveringSibling(label, textRect)) {
        Add(out, label, "", text, "covered by " + WidgetName(other));
    }
}

// The room a line edit leaves its text, as the style lays it out.
int LineEditRoom(const QLineEdit* edit) {
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
    const QMargins m = edit->textMargins();
    constexpr int kInnerMargin = 2;
    return contents.width() - m.left() - m.right() - 2 * kInnerMargin;
}

void LineEditCheck(const QLineEdit* edit, Findings& out) {
    const QString text = edit->displayText();
    if (text.isEmpty()) return;
    const int needed = edit->fontMetrics().horizontalAdvance(text);
    const int room = LineEditRoom(edit);
    if (needed > room) {
        Add(out, edit, "", text, "cut, " + Px(needed, room));
        return;
    }
    if (edit->fontMetrics().height() > edit->height()) {
        Add(out, edit, "", text, "cut at top and bottom, " + Px(edit->fontMetrics().height(), edit->height()) + " down");
        return;
    }
    const int seen = VisibleWidth(edit);
    if (seen < edit->width() && seen < needed) Add(out, edit, "", text, "outside its parent, " + Px(needed, seen));
}

// A tab whose caption is elided, or that lies past the bar's end (behind
// its scroll buttons), is a caption the user cannot read.
void TabBarCheck(const QTabBar* bar, Findings& out) {
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i)) continue;
        const QString text = bar->tabText(i);
        const QRect r = bar->tabRect(i);
        if (r.left() < 0 || r.right() >= bar->width()) {
            Add(out, bar, " tab", text, "past the end of its bar");
        } else if (bar->elideMode() != Qt::ElideNone &&
                   bar->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&'))) > r.width()) {
            Add(out, bar, " tab", text, "elided, " + Px(bar->fontMetrics().horizontalAdvance(text), r.width()));
        }
    }
}

void WidgetCheck(const QWidget* w, Findings& out) {
    if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
        TabBarCheck(bar, out);
        return;
    }
    if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
        HeaderCheck(header, out);
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
        ItemViewCheck(view, out);
    } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
        LabelCheck(label, out);
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        LineEditCheck(edit, out);
    }
}

}  // namespace

std::string WidgetName(const QWidget* widget) {
    std::string name;
    for (const QWidget* w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QString own = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                      : w->objectName();
        name = own.toStdString() + (name.empty() ? "" : "/" + name);
    }
    return name;
}

std::vector<std::string> ElidedTexts(QWidget* root) {
    Findings out;
    if (root == nullptr || !root->isVisible()) return out;
    std::vector<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<QWidget*>()) widgets.push_back(w);
    for (const QWidget* w : widgets) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0) continue;
        // Another window (a dialog parented here) is checked on its own.
        if (w != root && w->isWindow()) continue;
        WidgetCheck(w, out);
    }
    return out;
}

}  // namespace firstpaint
