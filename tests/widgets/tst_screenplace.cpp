// Windows keep their given places where these fit the screen, and move just onto it otherwise.
#include "ScreenPlace.h"

#include <QTest>

class TestScreenPlace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fitInto_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("placed");
        const QRect wide(0, 0, 1366, 768);
        const QRect laptop(0, 0, 1280, 800);
        QTest::newRow("fits: kept") << QRect(592, 208, 689, 447) << wide << QPoint(592, 208);
        QTest::newRow("right edge at 1281 on 1280")
            << QRect(592, 208, 689, 447) << laptop << QPoint(591, 208);
        QTest::newRow("below a panel's edge")
            << QRect(592, 208, 689, 448) << QRect(0, 0, 1280, 600) << QPoint(591, 152);
        QTest::newRow("left of the area") << QRect(-40, 10, 689, 447) << wide << QPoint(0, 10);
        QTest::newRow("larger than the area: top-left corner")
            << QRect(592, 208, 689, 447) << QRect(0, 0, 640, 400) << QPoint(0, 0);
        QTest::newRow("second screen to the right")
            << QRect(1900, 208, 689, 447) << QRect(1366, 0, 1024, 768) << QPoint(1701, 208);
    }

    void fitInto()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QTEST(::fitInto(frame, available), "placed");
    }
};

QTEST_MAIN(TestScreenPlace)
#include "tst_screenplace.moc"
