// The word list as assistive technology reads it: a list of rows in Unicode
// Bengali, named by its caption. Focus is told truthfully: a row is focused
// only while the list has the keyboard focus, so that a search that moves
// the selection while the search box is focused is the list's selection
// (the reader stays in the search box), and entering the list lands on its
// current row. Qt's own list interface marks the current row focused
// whether or not the list has the focus, hence this one.
#include "platform/AccessibleParts.h"
#include "platform/ListBox.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace platform::accessible {
namespace {

class RowAccessible final : public QAccessibleInterface {
public:
    RowAccessible(ListBox& list, int row) : list_(&list), row_(row) {}

    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    int row() const { return row_; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid()) return {};
        const QListWidgetItem* item = list_->item(row_);
        const QString spoken = item->data(Qt::AccessibleTextRole).toString();
        return spoken.isEmpty() ? item->text() : spoken;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect box = list_->visualItemRect(list_->item(row_));
        return QRect(list_->viewport()->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = list_->item(row_)->isSelected();
        state.focused = list_->currentRow() == row_ && list_->hasFocus();
        const QRect box = list_->visualItemRect(list_->item(row_));
        state.invisible = !list_->isVisible() || !list_->viewport()->rect().intersects(box);
        state.offscreen = state.invisible;
        return state;
    }

private:
    QPointer<ListBox> list_;
    int row_;
};

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(ListBox& list) : QAccessibleWidget(&list, QAccessible::List) {}
    ~ListAccessible() override {
        for (const QAccessible::Id id : rows_) QAccessible::deleteAccessibleInterface(id);
    }

    ListBox* list() const { return static_cast<ListBox*>(widget()); }

    int childCount() const override { return list()->count(); }

    // Each row's interface is made once and kept, so that a reader meets the
    // same object for the same row every time.
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list()->count()) return nullptr;
        while (static_cast<int>(rows_.size()) <= index)
            rows_.push_back(QAccessible::registerAccessibleInterface(
                new RowAccessible(*list(), static_cast<int>(rows_.size()))));
        return QAccessible::accessibleInterface(rows_[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const RowAccessible*>(child);
        return row && row->parent() == this ? row->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint inside = list()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = list()->indexAt(inside);
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() && list()->currentRow() >= 0 ? child(list()->currentRow()) : nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description && list()->currentRow() < 0) return QStringLiteral("No word selected");
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return LabelRelations(*list(), match);
    }

private:
    mutable std::vector<QAccessible::Id> rows_;
};

}  // namespace

QAccessibleInterface* NewListInterface(ListBox& list) { return new ListAccessible(list); }

// Qt tells the list's current row as focused whenever it changes; only a
// list with the keyboard focus has a focused row, and entering the list
// lands on its current row (or on the list itself, which then says that no
// word is selected). Selection events pass as they are.
void RouteListEvent(ListBox& list, QAccessibleEvent* event) {
    if (event->type() != QAccessible::Focus) {
        Send(event);
        return;
    }
    if (!list.hasFocus()) return;
    QAccessibleEvent focus(&list, QAccessible::Focus);
    if (list.currentRow() >= 0) focus.setChild(list.currentRow());
    Send(&focus);
}

}  // namespace platform::accessible
