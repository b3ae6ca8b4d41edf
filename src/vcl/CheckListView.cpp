#include "vcl/CheckListView.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "vcl/Application.h"
#include "vcl/CheckListBox.h"

namespace vcl {
namespace {

class EntryPainter : public QStyledItemDelegate {
public:
    explicit EntryPainter(QObject* parent) : QStyledItemDelegate(parent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect row = option.rect;
        const bool current = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        const QRect box(row.left() + 1, row.top() + 1, CheckListView::BoxWidth - 2, CheckListView::BoxWidth - 2);
        painter->save();
        painter->setPen(palette.color(QPalette::Text));
        painter->drawRect(box.adjusted(0, 0, -1, -1));
        if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked) {
            painter->drawLine(box.left() + 2, box.center().y(), box.center().x() - 1, box.bottom() - 3);
            painter->drawLine(box.center().x() - 1, box.bottom() - 3, box.right() - 2, box.top() + 2);
        }
        const QRect textRect(row.left() + CheckListView::BoxWidth + 2, row.top(),
                             row.width() - CheckListView::BoxWidth - 2, row.height());
        const QString text = index.data(Qt::DisplayRole).toString();
        if (current) {
            const QRect mark(textRect.left(), row.top(), option.fontMetrics.horizontalAdvance(text) + 4, row.height());
            painter->fillRect(mark, palette.color(QPalette::Highlight));
            painter->setPen(palette.color(QPalette::HighlightedText));
        }
        painter->setFont(option.font);
        painter->drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), 13};
    }
};

}  // namespace

int CheckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entries.size());
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(entries.size())) return {};
    const CheckListEntry& entry = entries[index.row()];
    if (role == Qt::DisplayRole) return QFile::decodeName(entry.text.c_str());
    if (role == Qt::CheckStateRole) return entry.ticked ? Qt::Checked : Qt::Unchecked;
    return {};
}

void CheckListModel::Append(const std::string& text) {
    const int i = int(entries.size());
    beginInsertRows({}, i, i);
    entries.push_back({text, false});
    endInsertRows();
}

void CheckListModel::Remove(int i) {
    beginRemoveRows({}, i, i);
    entries.erase(entries.begin() + i);
    endRemoveRows();
}

void CheckListModel::MoveRow(int from, int to) {
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    CheckListEntry entry = std::move(entries[from]);
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(entry));
    endMoveRows();
}

void CheckListModel::RemoveAll() {
    beginResetModel();
    entries.clear();
    endResetModel();
}

void CheckListModel::SetTicked(int i, bool ticked) {
    entries[i].ticked = ticked;
    const QModelIndex changed = index(i);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

CheckListView::CheckListView(TCheckListBox* owner, CheckListModel* model) : owner_(owner) {
    setModel(model);
    setItemDelegate(new EntryPainter(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTextElideMode(Qt::ElideNone);
}

void CheckListView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (event->button() != Qt::LeftButton || !index.isValid()) return;
    const int row = index.row();
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    owner_->UserMadeCurrent();
    if (at.x() - visualRect(index).left() < BoxWidth) owner_->UserToggled(row);
}

void CheckListView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void CheckListView::mouseMoveEvent(QMouseEvent*) {
    // Dragging over the list does not move the current entry.
}

void CheckListView::focusInEvent(QFocusEvent* event) {
    // Taking the focus makes no entry current: the list has none until the user or a command picks one.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CheckListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const QModelIndex current = currentIndex();
        if (current.isValid()) owner_->UserToggled(current.row());
        return;
    }
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before) {
        selectionModel()->select(after, QItemSelectionModel::ClearAndSelect);
        owner_->UserMadeCurrent();
    }
}

}  // namespace vcl
