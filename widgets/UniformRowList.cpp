#include "UniformRowList.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <climits>

namespace {

int floorDiv(int value, int by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

} // namespace

UniformRowList::UniformRowList(QWidget *parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setVerticalScrollMode(ScrollPerItem);
}

int UniformRowList::rowCount() const
{
    return model() && model()->columnCount(rootIndex()) > 0 ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex UniformRowList::indexOfRow(int row) const
{
    return model() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

bool UniformRowList::isOurs(const QModelIndex &index) const
{
    return index.isValid() && index.model() == model() && index.parent() == rootIndex()
        && index.column() == modelColumn() && index.row() < rowCount();
}

int UniformRowList::rowWidth() const
{
    // Rows reach across the viewport, and further when they are wider.
    return qMax(m_item.width(), viewport()->width());
}

QRect UniformRowList::cellRect(int row) const
{
    return { 0, row * m_item.height(), rowWidth(), m_item.height() };
}

UniformRowList::Rows UniformRowList::rowsIn(const QRect &area) const
{
    const int rows = rowCount();
    const int height = m_item.height();
    // Rows start at their top edge: the first is the one the area's top lies in, and each next
    // one counts while it starts above the area's bottom.
    if (rows <= 0 || height <= 0 || area.right() < 0 || area.left() >= rowWidth()
        || area.top() > rows * height)
        return {};
    const int first = qBound(0, floorDiv(area.top(), height), rows - 1);
    const int last = qMin(rows - 1, floorDiv(area.bottom(), height));
    return { first, last };
}

QItemSelection UniformRowList::selectionIn(const QRect &area) const
{
    QItemSelection selection;
    const Rows rows = rowsIn(area);
    if (rows.first <= rows.last)
        selection.select(indexOfRow(rows.first), indexOfRow(rows.last));
    return selection;
}

int UniformRowList::closestRow(const QRect &target, Rows rows) const
{
    int shortest = INT_MAX;
    int closest = -1;
    for (int row = rows.first; row <= rows.last; ++row) {
        const QRect cell = cellRect(row);
        int distance;
        if ((target.center().x() >= cell.x() && target.center().x() < cell.right())
            || (cell.center().x() >= target.x() && cell.center().x() < target.right()))
            distance = qAbs(cell.center().y() - target.center().y());
        else if ((target.center().y() >= cell.y() && target.center().y() < cell.bottom())
            || (cell.center().y() >= target.y() && cell.center().y() < target.bottom()))
            distance = qAbs(cell.center().x() - target.center().x());
        else
            distance = (cell.center() - target.center()).manhattanLength();
        if (distance < shortest) {
            shortest = distance;
            closest = row;
        }
    }
    return closest;
}

void UniformRowList::doItemsLayout()
{
    // Showing the scroll bars resizes the view; that must not start another layout.
    const State before = state();
    setState(ExpandingState);
    placeScrollBars();
    m_item = {};
    if (const int rows = rowCount(); rows > 0) {
        // The last row is measured, as a plain list view measures it.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex last = indexOfRow(rows - 1);
        if (QAbstractItemDelegate *delegate = itemDelegateForIndex(last))
            m_item = delegate->sizeHint(option, last);
    }
    QAbstractItemView::doItemsLayout();
    setState(before);
}

void UniformRowList::updateGeometries()
{
    QScrollBar *across = horizontalScrollBar();
    QScrollBar *down = verticalScrollBar();
    const int rows = rowCount();
    if (geometry().isEmpty() || rows <= 0) {
        across->setRange(0, 0);
        down->setRange(0, 0);
    } else {
        const QSize contents(m_item.width(), rows * m_item.height());
        const QSize bare = contentsRect().marginsRemoved(viewportMargins()).size();
        if (m_item.width() > 0)
            across->setSingleStep(m_item.width());
        across->setPageStep(viewport()->width());
        const bool downShows = contents.height() > bare.height();
        const bool acrossShows = contents.width() > bare.width() - (downShows ? down->width() : 0);
        const bool bothAuto = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded
            && horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
        across->setRange(0, bothAuto && !acrossShows ? 0 : contents.width() - viewport()->width());
        // A row a step; a page is the rows that fit wholly.
        const int height = viewport()->height();
        const int page
            = contents.height() <= height || m_item.height() <= 0 ? rows + 1 : height / m_item.height();
        down->setSingleStep(1);
        down->setPageStep(page);
        down->setRange(0, rows - page);
    }
    QAbstractItemView::updateGeometries();
    placeScrollBars();
}

void UniformRowList::placeScrollBars()
{
    // The scroll bars shown or hidden now, not once the event loop runs, as a plain list view
    // does it: a scroll that follows at once sees the viewport as it will be.
    QEvent request(QEvent::LayoutRequest);
    QAbstractScrollArea::event(&request);
}

int UniformRowList::horizontalOffset() const
{
    const QScrollBar *across = horizontalScrollBar();
    return isRightToLeft() ? across->maximum() - across->value() : across->value();
}

int UniformRowList::verticalOffset() const
{
    const int value = verticalScrollBar()->value();
    return rowCount() > 0 ? value * m_item.height() : value;
}

void UniformRowList::scrollContentsBy(int dx, int dy)
{
    m_scrolledSincePress = true;
    // The vertical bar counts rows; the viewport moves by their pixels.
    const int rows = rowCount();
    if (rows > 0) {
        const int value = verticalScrollBar()->value();
        dy = (qBound(0, value + dy, rows) - qBound(0, value, rows)) * m_item.height();
    }
    QAbstractItemView::scrollContentsBy(isRightToLeft() ? -dx : dx, dy);
}

QRect UniformRowList::visualRect(const QModelIndex &index) const
{
    if (!isOurs(index) || isRowHidden(index.row()))
        return {};
    const_cast<UniformRowList *>(this)->executeDelayedItemsLayout();
    return cellRect(index.row()).translated(-horizontalOffset(), -verticalOffset());
}

QModelIndex UniformRowList::indexAt(const QPoint &point) const
{
    const Rows rows = rowsIn(QRect(point.x() + horizontalOffset(), point.y() + verticalOffset(), 1, 1));
    if (rows.first > rows.last)
        return {};
    const QModelIndex index = indexOfRow(rows.last);
    return visualRect(index).contains(point) ? index : QModelIndex();
}

int UniformRowList::scrollValueFor(int row, int height, ScrollHint hint) const
{
    const int rows = rowCount();
    if (hint == EnsureVisible)
        return qBound(0, verticalScrollBar()->value(), rows);
    // The rows that fit wholly above and with this one, at least this one.
    const int fitting = m_item.height() > 0 ? qBound(1, height / m_item.height(), row + 1) : row + 1;
    switch (hint) {
    case PositionAtTop:
        return row;
    case PositionAtBottom:
        return row - fitting + 1;
    case PositionAtCenter:
        return row - fitting / 2;
    default:
        return verticalScrollBar()->value();
    }
}

void UniformRowList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.parent() != rootIndex() || index.column() != modelColumn()
        || (m_inTimer && m_scrolledSincePress))
        return;
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    if (hint == EnsureVisible && rect.top() < area.top())
        hint = PositionAtTop;
    else if (hint == EnsureVisible && rect.bottom() > area.bottom())
        hint = PositionAtBottom;
    verticalScrollBar()->setValue(scrollValueFor(index.row(), area.height(), hint));
}

QModelIndex UniformRowList::pageUp(int current)
{
    const QRect initial = cellRect(current);
    QRect rect = initial;
    if (rect.height() >= viewport()->height())
        return moveCursor(MoveUp, Qt::NoModifier);
    rect.moveTop(rect.top() - viewport()->height() + 1);
    if (rect.top() < rect.height()) {
        rect.setTop(0);
        rect.setBottom(1);
    }
    // Down a pixel at a time from a page above, to the first row that lies within a page.
    int found = current;
    bool none = true;
    const int limit = initial.bottom() - viewport()->rect().height();
    while (none || cellRect(found).top() <= limit || rect.top() <= 0) {
        rect.translate(0, 1);
        if (rect.bottom() <= 0)
            return indexOfRow(current);
        const Rows rows = rowsIn(rect);
        none = rows.first > rows.last;
        found = closestRow(initial, rows);
    }
    return indexOfRow(found);
}

QModelIndex UniformRowList::pageDown(int current)
{
    const QRect initial = cellRect(current);
    QRect rect = initial;
    if (rect.height() >= viewport()->height())
        return moveCursor(MoveDown, Qt::NoModifier);
    const int contents = rowCount() * m_item.height();
    rect.moveTop(rect.top() + viewport()->height() - 1);
    if (rect.bottom() > contents - rect.height()) {
        rect.setTop(contents - 1);
        rect.setBottom(contents);
    }
    int found = current;
    bool none = true;
    const int limit = initial.top() + viewport()->rect().height();
    while (none || cellRect(found).bottom() >= limit || rect.bottom() > contents) {
        rect.translate(0, -1);
        if (rect.top() >= contents)
            return indexOfRow(current);
        const Rows rows = rowsIn(rect);
        none = rows.first > rows.last;
        found = closestRow(initial, rows);
    }
    return indexOfRow(found);
}

QModelIndex UniformRowList::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    const auto enabled
        = [this](int row) { return bool(model()->flags(indexOfRow(row)) & Qt::ItemIsEnabled); };
    const auto backFrom = [&](int row) {
        while (row >= 0 && !enabled(row))
            --row;
        return row;
    };
    const auto onFrom = [&](int row) {
        while (row < rows && !enabled(row))
            ++row;
        return row < rows ? row : -1;
    };
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        const int row = rows > 0 ? onFrom(0) : -1;
        return row >= 0 ? indexOfRow(row) : QModelIndex();
    }
    if (action == MoveUp || action == MovePrevious) {
        const int row = backFrom(current.row() - 1);
        return row >= 0 ? indexOfRow(row) : current;
    }
    if (action == MoveDown || action == MoveNext) {
        const int row = onFrom(current.row() + 1);
        return row >= 0 ? indexOfRow(row) : current;
    }
    if (cellRect(current.row()).isEmpty())
        return indexOfRow(0);
    switch (action) {
    case MovePageUp:
        return pageUp(current.row());
    case MovePageDown:
        return pageDown(current.row());
    case MoveHome:
        return indexOfRow(onFrom(0));
    case MoveEnd:
        return indexOfRow(backFrom(rows - 1));
    default:
        // Every row starts at the left edge and spans the list: there is nothing beside it.
        return current;
    }
}

void UniformRowList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const QPoint offset(horizontalOffset(), verticalOffset());
    const auto lastIn = [this](const QRect &area) {
        const Rows rows = rowsIn(area);
        return rows.first <= rows.last ? indexOfRow(rows.last) : QModelIndex();
    };
    const auto enabled
        = [this](const QModelIndex &index) { return bool(model()->flags(index) & Qt::ItemIsEnabled); };
    QItemSelection selection;
    if (rect.width() == 1 && rect.height() == 1) {
        // A click selects the row under it.
        const QModelIndex hit = lastIn(rect.translated(offset));
        if (hit.isValid() && enabled(hit))
            selection.select(hit, hit);
    } else if (state() == DragSelectingState) {
        selection = selectionIn(rect.normalized().translated(offset));
    } else {
        // From the row at one corner to the row at the other, both ends included.
        const QModelIndex from = lastIn(QRect(rect.topLeft() + offset, QSize(1, 1)));
        const QModelIndex to = lastIn(QRect(rect.bottomRight() + offset, QSize(1, 1)));
        if (from.isValid() && to.isValid() && enabled(from) && enabled(to)) {
            // As a plain list view hands it over: the lower end alone, and the rows above it,
            // the range of the corner the rectangle starts from first.
            const int upper = qMin(from.row(), to.row());
            const int lower = qMax(from.row(), to.row());
            const QItemSelectionRange end(indexOfRow(lower));
            if (from.row() == lower)
                selection.append(end);
            if (upper < lower)
                selection.select(indexOfRow(upper), indexOfRow(lower - 1));
            if (from.row() == upper && upper < lower)
                selection.append(end);
        }
    }
    selectionModel()->select(selection, command);
}

QRegion UniformRowList::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const QRect area = viewport()->rect();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex() || range.left() > modelColumn()
            || range.right() < modelColumn())
            continue;
        const QRect rect(visualRect(indexOfRow(range.top())).topLeft(),
            visualRect(indexOfRow(range.bottom())).bottomRight());
        if (area.intersects(rect))
            region += rect;
    }
    return region;
}

void UniformRowList::paintEvent(QPaintEvent *event)
{
    if (!itemDelegate())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const Rows rows = rowsIn(event->rect().translated(horizontalOffset(), verticalOffset()));
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const int width = qMax(viewport()->width(), m_item.width());
    for (int row = rows.first; row <= rows.last; ++row) {
        const QModelIndex index = indexOfRow(row);
        option.rect = visualRect(index);
        option.rect.setWidth(qMin(width, option.rect.width()));
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool on = model()->flags(index) & Qt::ItemIsEnabled;
            if (!on)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(on ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && current == index) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == m_hover);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

bool UniformRowList::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hover = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QPersistentModelIndex();
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

void UniformRowList::mousePressEvent(QMouseEvent *event)
{
    m_scrolledSincePress = false;
    QListView::mousePressEvent(event);
}

void UniformRowList::timerEvent(QTimerEvent *event)
{
    // The only scroll a timer of the view asks for is the late one of a click.
    m_inTimer = true;
    QListView::timerEvent(event);
    m_inTimer = false;
}

void UniformRowList::tellAccessibility(int event, const QModelIndex &index)
{
    if (!index.isValid())
        return;
    QAccessibleEvent told(this, QAccessible::Event(event));
    told.setChild(index.row());
    QAccessible::updateAccessibility(&told);
}

// A plain list view finds a row's place among the spoken children through its layout; here
// the place is the row.
void UniformRowList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (QAccessible::isActive() && hasFocus())
        tellAccessibility(QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

void UniformRowList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (QAccessible::isActive()) {
        tellAccessibility(QAccessible::SelectionAdd, selected.indexes().value(0));
        tellAccessibility(QAccessible::SelectionRemove, deselected.indexes().value(0));
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}
