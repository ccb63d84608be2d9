// The uniform list against a plain QListView set up the same way, both on one model: after every
// step of a script they must agree on the current row, the selection, the scroll bars, where
// rows lie, which row each point hits, what a screen reader is told of the rows, and every pixel.
#include "UniformRowList.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class WideRows final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return { 800, QStyledItemDelegate::sizeHint(option, index).height() };
    }
};

QStringList rowsOf(int count, int from = 0)
{
    QStringList rows;
    for (int k = from; k < from + count; ++k)
        rows.append(u"Rij %1 %2"_s.arg(k).arg(QString(k % 7 * 9, u'x')));
    return rows;
}

void setUp(QListView &view, QAbstractItemModel &model)
{
    view.setModel(&model);
    view.setItemDelegate(new WideRows(&view));
    view.setUniformItemSizes(true);
    view.setTextElideMode(Qt::ElideNone);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(13);
    view.setFont(font);
    view.setGeometry(40, 40, 544, 326);
    view.show();
}

// What a user and a screen reader can tell of a view.
QString stateOf(QListView &view)
{
    QString text;
    QDebug out(&text);
    const int count = view.model()->rowCount();
    const int current = view.currentIndex().row();
    out << current << view.selectionModel()->selectedIndexes() << view.viewport()->geometry();
    for (const QScrollBar *bar : { view.verticalScrollBar(), view.horizontalScrollBar() })
        out << bar->minimum() << bar->maximum() << bar->value() << bar->pageStep() << bar->singleStep()
            << bar->isVisible();
    for (int row : { 0, 1, current, view.verticalScrollBar()->value() + 17, count - 1 })
        out << view.visualRect(view.model()->index(row, 0));
    for (int y = -2; y < 340; y += 5) {
        for (int x : { -1, 0, 300, 540 })
            out << view.indexAt(QPoint(x, y)).row();
    }
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&view);
    out << spoken->childCount();
    for (int child : { 0, 1, qMax(0, current), qMax(0, count - 1) }) {
        if (QAccessibleInterface *item = spoken->child(child))
            out << item->text(QAccessible::Name) << item->rect() << item->state().selected
                << item->state().focused << item->state().invisible;
    }
    return text;
}

// Keys go to the view with the focus, and the focused row is painted with a frame.
void focus(QListView &view)
{
    QApplication::setActiveWindow(&view);
    view.setFocus(Qt::OtherFocusReason);
}

// One step of a script, as a user takes it: "k:S+PgDn" a key, "c:x,y" (sc, cc: with Shift,
// Ctrl) a click, "d:x,y,x,y" a drag, "w:d" a wheel turn, "t:row:hint" a scroll to a row,
// "h:x" the horizontal bar moved.
void act(QListView &view, const QString &verb, const QString &what)
{
    const QStringList numbers = what.split(QRegularExpression(u"[,:]"_s));
    const auto at = [&](int k) { return numbers.value(k).toInt(); };
    QWidget *area = view.viewport();
    const Qt::KeyboardModifiers modifiers = what.startsWith(u"S+") || verb == u"sc" ? Qt::ShiftModifier
        : what.startsWith(u"C+") || verb == u"cc"                                   ? Qt::ControlModifier
                                                                                    : Qt::NoModifier;
    static const QHash<QString, Qt::Key> keys { { u"Down"_s, Qt::Key_Down }, { u"Up"_s, Qt::Key_Up },
        { u"PgDn"_s, Qt::Key_PageDown }, { u"PgUp"_s, Qt::Key_PageUp }, { u"End"_s, Qt::Key_End },
        { u"Home"_s, Qt::Key_Home }, { u"Left"_s, Qt::Key_Left }, { u"Right"_s, Qt::Key_Right },
        { u"A"_s, Qt::Key_A } };
    if (verb == u"k") {
        QTest::keyClick(&view, keys.value(what.section(u'+', -1)), modifiers);
    } else if (verb.endsWith(u'c')) {
        QTest::mouseClick(area, Qt::LeftButton, modifiers, QPoint(at(0), at(1)));
    } else if (verb == u"d") {
        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(at(0), at(1)));
        QTest::mouseMove(area, QPoint(at(2), (at(1) + at(3)) / 2));
        QTest::mouseMove(area, QPoint(at(2), at(3)));
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(at(2), at(3)));
    } else if (verb == u"w") {
        QWheelEvent wheel(QPointF(100, 100), area->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, at(0)),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(area, &wheel);
    } else if (verb == u"t") {
        view.scrollTo(view.model()->index(at(0), 0), QAbstractItemView::ScrollHint(at(1)));
    } else if (verb == u"h") {
        view.horizontalScrollBar()->setValue(at(0));
    }
}

} // namespace

class TestUniformRowList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Besides the steps of act(): "i:row,n" and "r:row,n" insert and remove rows, "m:n" puts
    // n new rows in the model at once, "z" waits as long as a click's late scroll does.
    void behavesAsAPlainList_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("script");
        QTest::newRow("empty") << 0 << u"k:Down k:End c:10,10 i:0,3 k:End"_s;
        QTest::newRow("one row") << 1 << u"k:Down c:10,5 k:PgDn k:PgUp r:0,1 i:0,1"_s;
        QTest::newRow("fits") << 12 << u"k:End k:PgUp k:PgDn sc:20,40 c:20,200 k:Up"_s;
        QTest::newRow("keys")
            << 300
            << u"k:Down k:PgDn k:PgDn k:PgDn k:PgUp k:End k:PgUp k:Up k:Home k:Left k:Right "
               u"k:S+PgDn k:S+End k:C+A k:S+Up k:Home k:Down k:Down k:Down k:PgUp w:-120 c:30,150 "
               u"k:PgUp k:PgUp k:PgDn k:Down k:PgDn"_s;
        QTest::newRow("mouse")
            << 300
            << u"c:30,33 sc:30,290 cc:30,120 d:30,60,30,250 d:30,250,30,20 w:-120 w:-360 "
               u"c:30,310 w:240 c:700,10 c:30,318 z c:30,318 w:360 z h:258 c:530,10 sc:5,300"_s;
        QTest::newRow("scrolls")
            << 300 << u"t:150:0 t:150:1 t:150:2 t:150:3 t:0:0 t:299:0 t:5:2 h:120 t:290:3 h:400"_s;
        QTest::newRow("rows come and go")
            << 40 << u"k:End i:40,5 k:End r:0,30 k:PgUp m:200 k:End r:190,10 i:0,50 k:PgUp m:0"_s;
    }

    void behavesAsAPlainList()
    {
        QFETCH(int, rows);
        QFETCH(QString, script);
        QStringListModel model(rowsOf(rows));
        QListView plain;
        UniformRowList uniform;
        setUp(plain, model);
        setUp(uniform, model);
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QVERIFY(QTest::qWaitForWindowExposed(&uniform));
        for (const QString &step : script.split(u' ')) {
            const QString verb = step.section(u':', 0, 0);
            const QStringList numbers = step.section(u':', 1).split(u',');
            for (QListView *view : { static_cast<QListView *>(&plain), static_cast<QListView *>(&uniform) }) {
                focus(*view);
                act(*view, verb, step.section(u':', 1));
            }
            if (verb == u"i")
                QVERIFY(model.insertRows(numbers[0].toInt(), numbers[1].toInt()));
            else if (verb == u"r")
                QVERIFY(model.removeRows(numbers[0].toInt(), numbers[1].toInt()));
            else if (verb == u"m")
                model.setStringList(rowsOf(numbers[0].toInt(), 1000));
            else if (verb == u"z")
                QTest::qWait(QApplication::doubleClickInterval() + 200);
            // At once, and once the events the step posted are handled.
            QCOMPARE(step + stateOf(uniform), step + stateOf(plain));
            QTest::qWait(1);
            QCOMPARE(step + stateOf(uniform), step + stateOf(plain));
            focus(plain);
            const QImage expected = plain.grab().toImage();
            focus(uniform);
            QVERIFY2(uniform.grab().toImage() == expected, qPrintable(step));
        }
    }
};

QTEST_MAIN(TestUniformRowList)
#include "tst_uniformrowlist.moc"
