// The libjpeg decoder behind the About window's picture.
#include "JpegImage.h"

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

// The bytes with the frame header (SOF0) claiming another size.
static QByteArray withClaimedSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
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
    QTest::newRow("huge claimed size") << withClaimedSize(good, 65000, 65000);
    QTest::newRow("zero height") << withClaimedSize(good, 48, 0);
}

void TestJpegImage::badInputGivesNullImage()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeJpeg(bytes).isNull());
}

QTEST_GUILESS_MAIN(TestJpegImage)
#include "tst_jpegimage.moc"
