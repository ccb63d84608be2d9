// The libjpeg decoder behind the About window's picture.
#include "JpegImage.h"
#include "JpegMaker.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

static QByteArray shippedPicture()
{
    QFile file(u":/pictures/yinyang.jpg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

class TestJpegImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Q_INIT_RESOURCE(aboutpictures);
        QVERIFY(shippedPicture().size() > 100);
    }

    void shippedPictureDecodes_data();
    void shippedPictureDecodes();
    void badInputGivesNullImage_data();
    void badInputGivesNullImage();
    void filesAtTheLimitsDecode_data();
    void filesAtTheLimitsDecode();
};

void TestJpegImage::shippedPictureDecodes_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("dark");
    QTest::newRow("left half is light") << QPoint(10, 24) << false;
    QTest::newRow("right half is dark") << QPoint(38, 24) << true;
    QTest::newRow("dot in the light head") << QPoint(24, 13) << true;
    QTest::newRow("dot in the dark head") << QPoint(24, 35) << false;
    QTest::newRow("light head beside its dot") << QPoint(30, 13) << false;
    QTest::newRow("dark head beside its dot") << QPoint(18, 35) << true;
}

void TestJpegImage::shippedPictureDecodes()
{
    QFETCH(QPoint, at);
    QFETCH(bool, dark);
    const QImage image = decodeJpeg(shippedPicture());
    QCOMPARE(image.size(), QSize(48, 48));
    QCOMPARE(qGray(image.pixel(at)) < 128, dark);
}

void TestJpegImage::badInputGivesNullImage_data()
{
    const QByteArray good = shippedPicture();
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("\x89PNG\r\n\x1A\n not really a picture");
    QTest::newRow("start marker only") << good.left(2);
    QTest::newRow("cut in the header") << good.left(40);
    QTest::newRow("cut in the pixel data") << good.left(good.size() / 2);
    QTest::newRow("end marker missing") << good.left(good.size() - 2);
    QByteArray markers = good;
    const qsizetype scan = good.indexOf("\xFF\xDA");
    for (qsizetype i = scan + 20; i < scan + 60 && i < markers.size(); i += 2) {
        markers[i] = char(0xFF);
        markers[i + 1] = char(0xD3);
    }
    QTest::newRow("stray markers in the pixel data") << markers;
    using namespace JpegMaker;
    QTest::newRow("huge claimed size") << withClaimedSize(good, 65000, 65000);
    QTest::newRow("zero height") << withClaimedSize(good, 48, 0);
    // Each of these once cost seconds or hundreds of megabytes before it was refused.
    QTest::newRow("small file claiming 8192 x 8192") << withClaimedSize(make(16, 16), 8192, 8192);
    QTest::newRow("progressive, claiming 8192 x 8192, last scan 200 times")
        << withScanRepeated(withClaimedSize(make(16, 16, 3, 10), 8192, 8192), 200);
    QTest::newRow("valid, one pixel too wide") << make(int(JpegLimits::MaximumSide) + 1, 8);
    QTest::newRow("valid, one pixel too high") << make(8, int(JpegLimits::MaximumSide) + 1);
    QTest::newRow("valid, one scan too many") << make(64, 64, 3, JpegLimits::MaximumScans + 1);
    QTest::newRow("last scan repeated 200 times") << withScanRepeated(make(48, 48, 3, 10), 200);
    QTest::newRow("first scan repeated 200 times") << withScanRepeated(make(48, 48, 3, 10), 200, true);
    QTest::newRow("CMYK") << make(48, 48, 4);
    QTest::newRow("more bytes than any picture needs")
        << good + QByteArray(JpegLimits::MaximumBytes - good.size() + 1, '\0');
}

void TestJpegImage::badInputGivesNullImage()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeJpeg(bytes).isNull());
}

void TestJpegImage::filesAtTheLimitsDecode_data()
{
    using namespace JpegMaker;
    const int side = int(JpegLimits::MaximumSide);
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::newRow("widest") << make(side, 8) << QSize(side, 8);
    QTest::newRow("largest, progressive, every scan allowed")
        << make(side, side, 3, JpegLimits::MaximumScans) << QSize(side, side);
    QTest::newRow("largest grey, noisy, at full quality")
        << make(side, side, 1, 0, 100, true) << QSize(side, side);
    QTest::newRow("largest colour, noisy, at full quality")
        << make(side, side, 3, 0, 100, true) << QSize(side, side);
}

void TestJpegImage::filesAtTheLimitsDecode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QVERIFY(bytes.size() <= JpegLimits::MaximumBytes);
    QCOMPARE(decodeJpeg(bytes).size(), size);
}

QTEST_GUILESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
