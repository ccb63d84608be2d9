#pragma once

#include <QListView>
#include <QPersistentModelIndex>

// A list view whose rows all have the size of one: where a row lies is worked out from its
// number, so a list of a million rows lays out, opens and scrolls as fast as one of ten. A plain
// QListView places every row one by one whenever the number of rows changes. It moves, selects,
// scrolls, paints and speaks as a QListView in list mode with uniform item sizes does: top to
// bottom, no wrapping, no spacing or grid, no hidden rows, a flat model, scrolling a row at a
// time up and down.
class UniformRowList : public QListView
{
    Q_OBJECT
public:
    explicit UniformRowList(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void updateGeometries() override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void scrollContentsBy(int dx, int dy) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    struct Rows
    {
        int first = 0;
        int last = -1;
    };
    int rowCount() const;
    QModelIndex indexOfRow(int row) const;
    bool isOurs(const QModelIndex &index) const;
    // In the coordinates of the whole list, before scrolling.
    int rowWidth() const;
    QRect cellRect(int row) const;
    Rows rowsIn(const QRect &area) const;
    QItemSelection selectionIn(const QRect &area) const;
    // The row nearest to `target` of those in `rows`; -1 when there are none.
    int closestRow(const QRect &target, Rows rows) const;
    QModelIndex pageUp(int current);
    QModelIndex pageDown(int current);
    void placeScrollBars();
    int scrollValueFor(int row, int height, ScrollHint hint) const;
    void tellAccessibility(int event, const QModelIndex &index);

    QSize m_item; // every row's size, measured at the last layout
    QPersistentModelIndex m_hover;
    // A click on a row that is partly hidden scrolls it into view a moment later, unless the
    // list was scrolled meanwhile.
    bool m_scrolledSincePress = false;
    bool m_inTimer = false;
};
