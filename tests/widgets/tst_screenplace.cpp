// Windows keep their given places where these fit the screen, and move just onto it otherwise.
#include "ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

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
        QTest::newRow("right edge at 1281 on 1280") << QRect(592, 208, 689, 447) << laptop << QPoint(591, 208);
        QTest::newRow("below a panel's edge") << QRect(592, 208, 689, 448) << QRect(0, 0, 1280, 600)
                                              << QPoint(591, 152);
        QTest::newRow("left of the area") << QRect(-40, 10, 689, 447) << wide << QPoint(0, 10);
        QTest::newRow("larger than the area: top-left corner") << QRect(592, 208, 689, 447)
                                                               << QRect(0, 0, 640, 400) << QPoint(0, 0);
        QTest::newRow("second screen to the right") << QRect(1900, 208, 689, 447)
                                                    << QRect(1366, 0, 1024, 768) << QPoint(1701, 208);
    }

    void fitInto()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QTEST(::fitInto(frame, available), "placed");
    }

    // The real window on the test screen (1366 x 768): its given place, or just onto the screen.
    void placeOnScreen_data()
    {
        QTest::addColumn<QPoint>("given");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("main window's place") << QPoint(592, 208) << QPoint(592, 208);
        QTest::newRow("off the bottom right") << QPoint(900, 500) << QPoint(1366 - 689, 768 - 447);
    }

    void placeOnScreen()
    {
        QFETCH(QPoint, given);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
        QWidget window;
        window.setFixedSize(689, 447);
        ::placeOnScreen(window, given);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTEST(window.frameGeometry().topLeft(), "placed");
    }
};

QTEST_MAIN(TestScreenPlace)
#include "tst_screenplace.moc"
