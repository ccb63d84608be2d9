#include "GradPnl.h"

#include "painttest.h"

#include <QSet>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QColor From(255, 0, 100);
const QColor To(0, 255, 0);

// Step s of the n - 1 steps from From to To: each channel's distance rounded, halves away
// from zero.
QRgb step(int s, int n)
{
    const auto channel = [&](int from, int to) {
        return from + static_cast<int>(std::lround(double(s) * (to - from) / (n - 1)));
    };
    return qRgb(
        channel(From.red(), To.red()), channel(From.green(), To.green()), channel(From.blue(), To.blue()));
}

} // namespace

class tst_GradPnl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pixels_data();
    void pixels();
    void moreColoursThanPixels();
    void equalColoursAreFlat_data();
    void equalColoursAreFlat();
    void setterRepaintsOnlyOnChange_data();
    void setterRepaintsOnlyOnChange();
    void parentShowsThroughUnpaintedPixels();
};

// Expected pixels "x,y=c": c is a step from ColorFrom (0 .. n - 1), F or T for ColorFrom or
// ColorTo, "-" for unpainted. Worked out by hand from the band edges.
void tst_GradPnl::pixels_data()
{
    QTest::addColumn<TDirection>("direction");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    const QSize s(40, 30);
    QTest::newRow("TopToBottom 2 colours on 30 px")
        << TDirection::TopToBottom << QSize(10, 30) << 2
        << u"0,0=F 5,8=F 5,9=T 5,18=T 5,19=T 5,28=T 5,29=- 9,5=-"_s;
    QTest::newRow("TopToBottom 3 colours, halves")
        << TDirection::TopToBottom << QSize(10, 40) << 3 << u"5,8=0 5,9=1 5,18=1 5,19=T 5,38=T 5,39=-"_s;
    // 255 / 6 = 42.5 and 5 * 255 / 6 = 212.5: halves go away from zero, not to the even side.
    QTest::newRow("TopToBottom 7 colours, halves away")
        << TDirection::TopToBottom << QSize(10, 40) << 7
        << u"5,3=0 5,4=1 5,8=1 5,9=2 5,23=4 5,24=5 5,28=5 5,29=6 5,38=6 5,39=-"_s;
    QTest::newRow("TopToBottom 1 colour")
        << TDirection::TopToBottom << QSize(10, 30) << 1 << u"5,0=F 5,13=F 5,14=T 5,28=T 5,29=-"_s;
    QTest::newRow("EdgesToCenter 1 colour")
        << TDirection::EdgesToCenter << QSize(20, 20) << 1 << u"0,0=F 10,10=F 18,18=F 19,5=- 5,19=-"_s;
    QTest::newRow("TopLeft 1 colour")
        << TDirection::TopLeft << QSize(20, 20) << 1 << u"0,0=T 10,10=T 19,19=T"_s;
    QTest::newRow("EllipticIn 1 colour")
        << TDirection::EllipticIn << QSize(20, 20) << 1 << u"0,0=F 10,10=F 18,18=F"_s;
    QTest::newRow("HCenterToEdges 1 colour") << TDirection::HCenterToEdges << QSize(20, 30) << 1
                                             << u"5,0=T 5,5=T 5,6=F 5,22=F 5,23=T 5,29=T 19,10=-"_s;
    QTest::newRow("EdgesToVCenter 1 colour") << TDirection::EdgesToVCenter << QSize(30, 10) << 1
                                             << u"0,5=F 5,5=F 6,5=T 22,5=T 23,5=F 29,5=F 10,9=-"_s;

    QTest::newRow("TopToBottom")
        << TDirection::TopToBottom << s << 4
        << u"0,0=0 10,4=0 10,5=1 10,10=1 10,11=2 10,17=3 10,22=3 10,23=T 38,28=T 10,29=- 39,10=-"_s;
    QTest::newRow("BottomToTop")
        << TDirection::BottomToTop << s << 4
        << u"0,0=3 10,4=3 10,5=2 10,11=1 10,17=0 10,22=0 10,23=F 38,28=F 10,29=- 39,10=-"_s;
    QTest::newRow("LeftToRight")
        << TDirection::LeftToRight << s << 4
        << u"0,0=0 6,10=0 7,10=1 15,10=2 23,10=3 30,28=3 31,10=T 38,10=T 39,10=- 10,29=-"_s;
    QTest::newRow("RightToLeft")
        << TDirection::RightToLeft << s << 4
        << u"0,0=3 6,10=3 7,10=2 15,10=1 23,10=0 30,28=0 31,10=F 38,10=F 39,10=- 10,29=-"_s;
    QTest::newRow("EdgesToCenter")
        << TDirection::EdgesToCenter << s << 4
        << u"0,0=0 2,10=0 3,10=1 3,1=0 3,2=1 7,5=2 6,5=1 11,8=3 26,19=3 27,19=2 26,20=2 "
           u"34,25=1 35,25=0 38,28=0 39,5=- 5,29=-"_s;
    QTest::newRow("CenterToEdges")
        << TDirection::CenterToEdges << s << 4
        << u"0,0=3 2,10=3 3,10=2 3,1=3 3,2=2 7,5=1 6,5=2 11,8=0 26,19=0 27,19=1 26,20=1 "
           u"34,25=2 35,25=3 38,28=3 39,5=- 5,29=-"_s;
    QTest::newRow("HCenterToEdges")
        << TDirection::HCenterToEdges << s << 4
        << u"0,0=3 0,1=3 0,2=2 0,7=1 0,8=0 10,10=0 10,11=F 10,17=F 10,18=0 10,20=0 10,21=1 "
           u"10,24=2 10,26=2 10,27=3 38,29=3 39,0=-"_s;
    QTest::newRow("EdgesToHCenter")
        << TDirection::EdgesToHCenter << s << 4
        << u"0,0=0 0,1=0 0,2=1 0,7=2 0,8=3 10,10=3 10,11=T 10,17=T 10,18=3 10,20=3 10,21=2 "
           u"10,24=1 10,26=1 10,27=0 38,29=0 39,0=-"_s;
    QTest::newRow("VCenterToEdges")
        << TDirection::VCenterToEdges << s << 4
        << u"0,0=3 2,0=3 3,0=2 10,5=1 11,5=0 14,5=0 15,5=F 23,5=F 24,5=0 28,5=1 35,5=2 "
           u"36,5=3 39,28=3 10,29=-"_s;
    QTest::newRow("EdgesToVCenter")
        << TDirection::EdgesToVCenter << s << 4
        << u"0,0=0 2,0=0 3,0=1 10,5=2 11,5=3 14,5=3 15,5=T 23,5=T 24,5=3 28,5=2 35,5=1 "
           u"36,5=0 39,28=0 10,29=-"_s;
    QTest::newRow("TopLeft")
        << TDirection::TopLeft << s << 4
        << u"0,0=0 15,11=0 16,11=1 15,12=1 23,17=1 24,17=2 31,23=2 32,23=3 31,24=3 39,29=3"_s;
    QTest::newRow("BottomLeft")
        << TDirection::BottomLeft << s << 4
        << u"0,28=0 15,17=0 15,16=1 16,17=1 23,11=1 23,10=2 24,11=2 31,5=2 31,4=3 32,5=3 "
           u"39,0=3 0,29=- 39,29=-"_s;
    QTest::newRow("TopRight")
        << TDirection::TopRight << s << 4
        << u"38,0=0 23,11=0 22,11=1 23,12=1 15,17=1 14,17=2 15,18=2 7,23=2 6,23=3 7,24=3 "
           u"0,29=3 39,0=-"_s;
    QTest::newRow("BottomRight")
        << TDirection::BottomRight << s << 4
        << u"38,28=0 23,17=0 22,17=1 23,16=1 15,11=1 14,11=2 15,10=2 7,5=2 6,5=3 7,4=3 "
           u"0,0=3 39,10=- 10,29=-"_s;
    // Steps of 4.625 x 2.875 and 7.4 x 4.6 pixels: the band edges truncate, they do not round.
    QTest::newRow("EdgesToCenter, fractional steps")
        << TDirection::EdgesToCenter << QSize(37, 23) << 3
        << u"3,1=1 2,1=0 3,0=0 31,19=1 32,19=0 31,20=0 8,4=2 7,4=1 8,3=1 26,16=2 27,16=1 26,17=1 "
           u"36,5=- 5,22=-"_s;
    QTest::newRow("TopLeft, fractional steps")
        << TDirection::TopLeft << QSize(37, 23) << 4
        << u"29,18=2 30,18=3 29,19=3 22,13=1 23,13=2 22,14=2 14,9=0 15,9=1 14,10=1 7,4=0 36,22=3"_s;
    // Ellipse pixels are chosen well inside or outside the rasterised edges.
    QTest::newRow("EllipticIn") << TDirection::EllipticIn << s << 4
                                << u"0,0=0 38,28=0 20,4=1 20,7=2 20,12=3 19,14=3 39,0=- 39,29=-"_s;
    QTest::newRow("EllipticOut") << TDirection::EllipticOut << s << 4
                                 << u"0,0=3 38,28=3 20,4=2 20,7=1 20,12=0 19,14=0 39,0=- 39,29=-"_s;
}

void tst_GradPnl::pixels()
{
    QFETCH(TDirection, direction);
    QFETCH(QSize, size);
    QFETCH(int, count);
    QFETCH(QString, expected);

    TGradientPanel panel;
    panel.resize(size);
    panel.setColorFrom(From);
    panel.setColorTo(To);
    panel.setColorCount(static_cast<TCountOfColor>(count));
    panel.setDirection(direction);
    checkPixels(render(panel), expected, [count](QChar code) {
        return code == u'-' ? 0u
            : code == u'F'  ? From.rgb()
            : code == u'T'  ? To.rgb()
                            : step(code.digitValue(), count);
    });
}

void tst_GradPnl::moreColoursThanPixels()
{
    TGradientPanel panel;
    panel.resize(5, 27);
    panel.setColorFrom(QColor(255, 0, 0));
    panel.setColorTo(QColor(0, 0, 255));
    panel.setColorCount(64);
    const QImage image = render(panel);

    // Rows 0..25 are painted, each by the last band reaching it; row 26 is not.
    QSet<QRgb> seen;
    for (int y = 0; y <= 25; ++y) {
        const QRgb c = image.pixel(2, y);
        seen.insert(c);
        QCOMPARE(qAlpha(c), 255);
        if (y > 0) {
            const QRgb above = image.pixel(2, y - 1);
            QVERIFY(qRed(c) <= qRed(above));
            QVERIFY(qBlue(c) >= qBlue(above));
        }
    }
    QCOMPARE(QColor(image.pixel(2, 25)), QColor(0, 0, 255));
    QCOMPARE(QColor::fromRgba(image.pixel(2, 26)), QColor::fromRgba(0));
    QVERIFY(seen.size() < 64);
}

void tst_GradPnl::equalColoursAreFlat_data()
{
    QTest::addColumn<int>("direction");
    for (int d = 0; d < 16; ++d)
        QTest::addRow("direction %d", d) << d;
}

void tst_GradPnl::equalColoursAreFlat()
{
    QFETCH(int, direction);
    TGradientPanel panel;
    panel.resize(37, 23);
    panel.setColorFrom(QColor(40, 80, 120));
    panel.setColorTo(QColor(40, 80, 120));
    panel.setColorCount(5);
    panel.setDirection(static_cast<TDirection>(direction));
    const QImage image = render(panel);

    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c != 0) {
                QCOMPARE(QColor(c), QColor(40, 80, 120));
                ++painted;
            }
        }
    QVERIFY(painted >= 36 * 22 / 2);
}

void tst_GradPnl::setterRepaintsOnlyOnChange_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("ColorFrom") << "ColorFrom"_ba << QVariant(QColor(1, 2, 3)) << true;
    QTest::newRow("ColorTo") << "ColorTo"_ba << QVariant(QColor(4, 5, 6)) << true;
    QTest::newRow("ColorCount") << "ColorCount"_ba << QVariant::fromValue(quint8(7)) << true;
    QTest::newRow("Direction") << "Direction"_ba << QVariant::fromValue(TDirection::EllipticOut) << true;
    // Only the RGB bytes count: the default blue with another alpha is the same colour.
    QTest::newRow("ColorFrom alpha ignored") << "ColorFrom"_ba << QVariant(QColor(0, 0, 255, 10)) << false;
}

void tst_GradPnl::setterRepaintsOnlyOnChange()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, repaints);

    QWidget window;
    auto *panel = new TGradientPanel(&window);
    PaintCounter paints(panel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(paints.count > 0);

    // The repaint is synchronous: no event loop runs between setting and counting.
    const int before = paints.count;
    QVERIFY(panel->setProperty(property, panel->property(property)));
    QCOMPARE(paints.count, before);
    const QVariant old = panel->property(property);
    QVERIFY(panel->setProperty(property, value));
    QCOMPARE(paints.count, before + (repaints ? 1 : 0));
    QCOMPARE(panel->property(property), repaints ? value : old);
}

void tst_GradPnl::parentShowsThroughUnpaintedPixels()
{
    QWidget window;
    auto *panel = new TGradientPanel(&window);
    panel->setGeometry(0, 0, 20, 20);
    panel->setColorCount(2);
    makeRedWindow(window, { 40, 40 });

    const QImage image = window.grab().toImage();
    QCOMPARE(QColor(image.pixel(10, 0)), QColor(0, 0, 255)); // ColorFrom (default) at the top
    QCOMPARE(QColor(image.pixel(10, 19)), QColor(Qt::red)); // last row: no band covers it
    QCOMPARE(QColor(image.pixel(19, 10)), QColor(Qt::red));
}

QTEST_MAIN(tst_GradPnl)
#include "tst_gradpnl.moc"
