#include "SMBevel.h"

#include "AppLook.h"
#include "painttest.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

const QColor Top(255, 200, 0);
const QColor Bottom(0, 0, 128);

// Codes: T TopColor, B BottomColor; the palette's L Light, D Dark, K WindowText; - untouched.
void checkBevel(const TSMBevel &bevel, const QString &expected)
{
    const QPalette &palette = bevel.palette();
    checkPixels(render(bevel), expected, [&](QChar code) {
        return code == u'T' ? bevel.TopColor().rgba()
            : code == u'B'  ? bevel.BottomColor().rgba()
            : code == u'L'  ? palette.color(QPalette::Light).rgba()
            : code == u'D'  ? palette.color(QPalette::Dark).rgba()
            : code == u'K'  ? palette.color(QPalette::WindowText).rgba()
                            : 0u;
    });
}

// A bevel that shows only its caption, in a font drawn without antialiasing.
void captionOnly(TSMBevel &bevel, QSize size, const QString &caption)
{
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    bevel.setFont(font);
    bevel.resize(size);
    bevel.setPenStyle(Qt::NoPen);
    bevel.setCaption(caption);
}

} // namespace

class tst_SMBevel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shapes_data();
    void shapes();
    void everyShapePaintsAtDegenerateSizes();
    void disabledCaptionIsEmbossed();
    void captionPlacement_data();
    void captionPlacement();
    void captionFormat();
    void setterRepaintsOnlyOnChange_data();
    void setterRepaintsOnlyOnChange();
    void mnemonicFocusesControl_data();
    void mnemonicFocusesControl();
    void parentShowsThrough();
};

void tst_SMBevel::initTestCase()
{
    applyWendarixLook(*qApp);
    const QPalette palette = QApplication::palette();
    QVERIFY(palette.color(QPalette::Light) != palette.color(QPalette::Dark));
}

void tst_SMBevel::shapes_data()
{
    QTest::addColumn<TSMBevelShape>("shape");
    QTest::addColumn<TSMBevelStyle>("style");
    QTest::addColumn<TSMArrow>("arrow");
    QTest::addColumn<TSMArrowType>("arrowType");
    QTest::addColumn<int>("bevelWidth");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<Qt::PenStyle>("pen");
    using enum TSMBevelShape;
    using enum TSMBevelStyle;
    using enum TSMArrow;
    using enum TSMArrowType;
    const auto row
        = [](const char *name, TSMBevelShape shape, TSMBevelStyle style, TSMArrow arrow, TSMArrowType type,
              int bw, QSize size, const QString &expected, Qt::PenStyle pen = Qt::SolidLine) {
              QTest::newRow(name) << shape << style << arrow << type << bw << size << expected << pen;
          };

    // The boxes ignore the arrow; the defaults make a sunken box in the palette's colours.
    row("default box", mbsBox, mbsLowered, smaFinish, atSolid, 1, { 50, 50 },
        u"0,0=D 0,48=D 48,0=D 25,0=D 0,25=D 49,0=L 49,49=L 0,49=L 25,49=L 49,25=L 1,1=- 25,25=-"_s);
    row("mbsBoxIn", mbsBoxIn, mbsLowered, smaNone, atSolid, 1, { 50, 50 },
        u"0,0=B 49,49=T 1,1=T 1,47=T 47,1=T 48,1=B 1,48=B 48,48=B 25,48=B 48,25=B 2,2=-"_s);
    row("raised box, 3 rings", mbsBox, mbsRaised, smaNone, atSolid, 3, { 20, 16 },
        u"0,0=T 2,2=T 2,10=T 2,12=T 3,10=- 10,3=- 17,2=B 17,1=T 18,1=B 19,0=B 0,15=B 2,13=B "
        u"1,14=B 16,13=B"_s);
    row("mbsFrame", mbsFrame, mbsLowered, smaNone, atSolid, 1, { 20, 20 },
        u"0,0=T 18,0=T 0,18=T 18,18=T 10,18=T 1,18=T 1,1=B 19,1=B 1,19=B 19,19=B 10,19=B "
        u"19,10=B 19,0=- 0,19=- 2,2=-"_s);
    row("mbsNone box", mbsBox, mbsNone, smaNone, atSolid, 1, { 10, 10 }, u"0,0=K 9,0=K 0,9=K 9,9=K 1,1=-"_s);
    row("rings that do not fit", mbsBox, mbsLowered, smaNone, atSolid, 100, { 5, 3 },
        u"0,0=B 2,0=B 0,1=B 1,1=T 2,1=T 3,1=T 4,1=T 0,2=T"_s);
    // Every frame stroke takes the pen style, its pattern starting afresh on each side.
    row("dashed box", mbsBox, mbsLowered, smaNone, atSolid, 1, { 20, 8 },
        u"0,0=B 3,0=B 4,0=- 5,0=- 6,0=B 0,2=- 0,3=- 19,3=T 19,4=- 19,6=T 1,7=T 2,7=- 4,7=T"_s, Qt::DashLine);
    row("clear pen", mbsBox, mbsLowered, smaNone, atSolid, 1, { 20, 8 }, u"0,0=- 19,0=- 0,7=- 19,7=-"_s,
        Qt::NoPen);

    // Raised from here: the first line (c1) is TopColor, the second (c2) BottomColor.
    const QSize s(30, 20);
    row("top line", mbsTopLine, mbsRaised, smaNone, atSolid, 1, s, u"0,0=T 29,0=T 0,1=B 29,1=B 10,2=-"_s);
    row("top line BW 2", mbsTopLine, mbsRaised, smaNone, atSolid, 2, s, u"5,0=T 5,1=T 5,2=B 5,3=B 5,4=-"_s);
    row("bottom line", mbsBottomLine, mbsRaised, smaNone, atSolid, 1, s, u"5,17=- 5,18=T 5,19=B"_s);
    row("bottom line BW 2", mbsBottomLine, mbsRaised, smaNone, atSolid, 2, s,
        u"5,15=- 5,16=T 5,17=T 5,18=B 5,19=B"_s);
    row("bottom line BW 3", mbsBottomLine, mbsRaised, smaNone, atSolid, 3, s,
        u"5,13=- 5,14=T 5,16=T 5,17=B 5,19=B"_s);
    row("left line", mbsLeftLine, mbsRaised, smaNone, atSolid, 1, s, u"0,5=T 1,5=B 2,5=- 0,19=T"_s);
    row("right line", mbsRightLine, mbsRaised, smaNone, atSolid, 1, s, u"27,5=- 28,5=T 29,5=B"_s);
    row("right line BW 3", mbsRightLine, mbsRaised, smaNone, atSolid, 3, s,
        u"23,4=- 24,4=T 26,4=T 27,4=B 29,4=B"_s);
    row("top-left diagonal", mbsTopLeftLine, mbsRaised, smaNone, atSolid, 1, s,
        u"0,0=T 0,1=B 15,9=T 15,10=B 15,8=- 15,11=-"_s);
    row("top-right diagonal, end point left out", mbsTopRightLine, mbsRaised, smaNone, atSolid, 1, s,
        u"15,9=T 1,17=T 0,18=- 29,1=T 29,2=B"_s);
    row("top-left diagonal BW 2", mbsTopLeftLine, mbsRaised, smaNone, atSolid, 2, { 20, 24 },
        u"0,0=T 1,0=T 2,0=- 6,10=- 7,10=B 9,10=B 10,10=T 11,10=T 12,10=- 19,19=T 19,21=B 19,22=-"_s);
    row("top-right diagonal BW 2", mbsTopRightLine, mbsRaised, smaNone, atSolid, 2, { 20, 24 },
        u"17,0=- 18,0=T 19,0=T 7,10=- 8,10=T 10,10=T 11,10=B 13,10=B 14,10=-"_s);
    // The default head (25 degrees, 15 px) has half-width a = 3, so the lines move to rows 3
    // and 4; at the finish it runs from the barbs (15, 0) and (15, 7) to the tip (30, 4).
    row("top line, solid head at finish", mbsTopLine, mbsRaised, smaFinish, atSolid, 1, s,
        u"10,0=- 10,2=- 10,3=T 10,4=B 10,5=- 15,0=T 15,7=T 19,2=B 19,5=B"_s);
    row("top line, outline head at finish", mbsTopLine, mbsRaised, smaFinish, atOutline, 1, s,
        u"10,3=T 10,4=B 15,7=T 15,0=- 19,2=- 19,5=-"_s);
    row("top line, solid head at start", mbsTopLine, mbsRaised, smaStart, atSolid, 1, s,
        u"20,3=T 20,4=B 10,3=B 11,2=B 19,2=- 19,5=-"_s);
    // The other lines move in by a = 3 as well; the head is drawn over them, filled in c2.
    row("bottom line, solid head at finish", mbsBottomLine, mbsRaised, smaFinish, atSolid, 1, s,
        u"5,14=- 5,15=T 5,16=B 5,17=- 15,12=T 15,19=T 20,15=B 20,17=B"_s);
    row("left line, solid head at finish", mbsLeftLine, mbsRaised, smaFinish, atSolid, 1, s,
        u"2,2=- 3,2=T 4,2=B 5,2=- 0,6=T 7,5=T 3,10=B"_s);
    // From the barb (22, 15) to the tip (25, 0) and on to the barb (29, 14), which is left out.
    row("right line, outline head at start", mbsRightLine, mbsRaised, smaStart, atOutline, 1, s,
        u"24,18=- 25,18=T 26,18=B 27,18=- 22,15=T 29,13=T 29,14=- 24,9=-"_s);
    row("top-right diagonal BW 2, head at finish", mbsTopRightLine, mbsRaised, smaFinish, atSolid, 2,
        { 20, 24 }, u"2,22=T 9,9=T 14,13=T 2,23=-"_s);
    row("diagonal, same lines with arrow", mbsTopLeftLine, mbsRaised, smaStart, atSolid, 1, s,
        u"15,9=T 15,10=B 15,8=- 15,11=-"_s);
}

void tst_SMBevel::shapes()
{
    QFETCH(TSMBevelShape, shape);
    QFETCH(TSMBevelStyle, style);
    QFETCH(TSMArrow, arrow);
    QFETCH(TSMArrowType, arrowType);
    QFETCH(int, bevelWidth);
    QFETCH(QSize, size);
    QFETCH(QString, expected);
    QFETCH(Qt::PenStyle, pen);

    TSMBevel bevel;
    bevel.resize(size);
    bevel.setPenStyle(pen);
    bevel.setShape(shape);
    bevel.setStyle(style);
    bevel.setArrow(arrow);
    bevel.setArrowType(arrowType);
    bevel.setBevelWidth(bevelWidth);
    checkBevel(bevel, expected);
}

void tst_SMBevel::everyShapePaintsAtDegenerateSizes()
{
    // Any warning (a NaN coordinate, a bad rectangle) fails the test, as does a crash or,
    // under the sanitizers, an overflow.
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    struct Extreme
    {
        int bevelWidth, angle, length;
    };
    const Extreme extremes[]
        = { { 1, 25, 15 }, { 2, 25, 15 }, { INT_MAX, INT_MIN, INT_MAX }, { 3, 180, INT_MIN }, { 1, 0, 0 } };
    TSMBevel bevel;
    bevel.setCaption(u"x"_s);
    bevel.setLayout(TSMBevel::tlBottom);
    for (int shape = 0; shape <= int(TSMBevelShape::mbsTopRightLine); ++shape)
        for (int arrow = 0; arrow < 3; ++arrow)
            for (const Extreme &e : extremes)
                for (int w : { 0, 1, 2, 50 })
                    for (int h : { 0, 1, 2, 50 }) {
                        if (w == 50 && h == 50)
                            continue;
                        bevel.setShape(TSMBevelShape(shape));
                        bevel.setArrow(TSMArrow(arrow));
                        bevel.setArrowType(TSMArrowType((w + h) % 2));
                        bevel.setPenStyle(Qt::PenStyle((w + shape) % 7));
                        bevel.setBevelWidth(e.bevelWidth);
                        bevel.setArrowAngle(e.angle);
                        bevel.setArrowLength(e.length);
                        bevel.resize(w, h);
                        render(bevel, QSize(8, 8));
                    }
}

void tst_SMBevel::disabledCaptionIsEmbossed()
{
    TSMBevel bevel;
    captionOnly(bevel, { 40, 30 }, u"Ha"_s);
    const QPalette palette = bevel.palette();
    const QRgb text = palette.color(QPalette::WindowText).rgb();
    const QImage enabled = render(bevel);
    QVERIFY(!ink(enabled, text).isEmpty());

    bevel.setEnabled(false);
    const QImage disabled = render(bevel);
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb dark = palette.color(QPalette::Dark).rgb();
    // The shadow copy lies in place, over the highlight copy one pixel right and down.
    for (int y = 0; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x) {
            const bool shadow = enabled.pixel(x, y) == text;
            const bool highlight = x > 0 && y > 0 && enabled.pixel(x - 1, y - 1) == text;
            const QRgb want = shadow ? dark : highlight ? light : 0u;
            QCOMPARE(QColor::fromRgba(disabled.pixel(x, y)), QColor::fromRgba(want));
        }
}

void tst_SMBevel::captionPlacement_data()
{
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::addColumn<TTextLayout>("layout");
    const std::pair<const char *, Qt::Alignment> alignments[]
        = { { "left", Qt::AlignLeft }, { "centre", Qt::AlignHCenter }, { "right", Qt::AlignRight } };
    const std::pair<const char *, TTextLayout> layouts[] = { { "top", TTextLayout::tlTop },
        { "centre", TTextLayout::tlCenter }, { "bottom", TTextLayout::tlBottom } };
    for (const auto &[aName, alignment] : alignments)
        for (const auto &[lName, layout] : layouts)
            QTest::addRow("%s %s", aName, lName) << alignment << layout;
}

void tst_SMBevel::captionPlacement()
{
    QFETCH(Qt::Alignment, alignment);
    QFETCH(TTextLayout, layout);
    TSMBevel bevel;
    captionOnly(bevel, { 80, 60 }, u"Wx"_s);
    bevel.setAlignment(alignment);
    bevel.setLayout(layout);
    const QRect box = ink(render(bevel), bevel.palette().color(QPalette::WindowText).rgb());

    // The ink must lie in the one line of text placed as aligned and laid out.
    const QFontMetrics metrics(bevel.font());
    const int w = metrics.horizontalAdvance(bevel.Caption());
    const int h = metrics.height();
    const int x = alignment == Qt::AlignLeft ? 0 : alignment == Qt::AlignRight ? 80 - w : (80 - w) / 2;
    const int y = layout == TTextLayout::tlTop ? 0 : layout == TTextLayout::tlBottom ? 60 - h : (60 - h) / 2;
    QVERIFY(!box.isEmpty());
    QVERIFY2(
        QRect(x - 1, y, w + 2, h).contains(box), qPrintable(u"ink at %1,%2"_s.arg(box.x()).arg(box.y())));
}

void tst_SMBevel::captionFormat()
{
    TSMBevel bevel;
    captionOnly(bevel, { 60, 80 }, {});
    bevel.setAlignment(Qt::AlignLeft);
    const auto inkOf = [&bevel](const QString &caption) {
        bevel.setCaption(caption);
        return ink(render(bevel), bevel.palette().color(QPalette::WindowText).rgb());
    };
    const int lineHeight = QFontMetrics(bevel.font()).height();
    QVERIFY(inkOf(u"een twee drie"_s).height() > lineHeight); // wrapped at the width
    QVERIFY(inkOf(u"&b"_s).width() > inkOf(u"b"_s).width() + 4); // "&" drawn as it stands
    bevel.resize(300, 80);
    QVERIFY(inkOf(u"a\tb"_s).width() > inkOf(u"a b"_s).width() + 20); // tab expanded
}

void tst_SMBevel::setterRepaintsOnlyOnChange_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("Arrow") << "Arrow"_ba << QVariant::fromValue(TSMArrow::smaStart) << true;
    QTest::newRow("ArrowType") << "ArrowType"_ba << QVariant::fromValue(TSMArrowType::atOutline) << true;
    QTest::newRow("ArrowAngle") << "ArrowAngle"_ba << QVariant(40) << true;
    QTest::newRow("ArrowLength") << "ArrowLength"_ba << QVariant(9) << true;
    QTest::newRow("Alignment") << "Alignment"_ba << QVariant::fromValue(Qt::Alignment(Qt::AlignRight))
                               << true;
    QTest::newRow("Layout") << "Layout"_ba << QVariant::fromValue(TTextLayout::tlBottom) << true;
    QTest::newRow("BevelWidth") << "BevelWidth"_ba << QVariant(4) << true;
    QTest::newRow("BevelWidth 0 ignored") << "BevelWidth"_ba << QVariant(0) << false;
    QTest::newRow("BevelWidth -3 ignored") << "BevelWidth"_ba << QVariant(-3) << false;
    QTest::newRow("Style") << "Style"_ba << QVariant::fromValue(TSMBevelStyle::mbsRaised) << true;
    QTest::newRow("Shape") << "Shape"_ba << QVariant::fromValue(TSMBevelShape::mbsTopRightLine) << true;
    QTest::newRow("PenStyle") << "PenStyle"_ba << QVariant::fromValue(Qt::DashLine) << true;
    QTest::newRow("TopColor") << "TopColor"_ba << QVariant(QColor(1, 2, 3)) << true;
    QTest::newRow("BottomColor") << "BottomColor"_ba << QVariant(QColor(4, 5, 6)) << true;
    QTest::newRow("Caption") << "Caption"_ba << QVariant(u"Tekst"_s) << true;
}

void tst_SMBevel::setterRepaintsOnlyOnChange()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, repaints);

    QWidget window;
    auto *bevel = new TSMBevel(&window);
    bevel->setTopColor(QColor(9, 9, 9)); // set, so that setting the same colour is no change
    bevel->setBottomColor(QColor(8, 8, 8));
    PaintCounter paints(bevel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(paints.count > 0);
    QCoreApplication::processEvents();

    const QVariant old = bevel->property(property);
    const int before = paints.count;
    QVERIFY(bevel->setProperty(property, old));
    QCoreApplication::processEvents();
    QCOMPARE(paints.count, before);

    QVERIFY(bevel->setProperty(property, value));
    QCOMPARE(paints.count, before); // queued, not painted at once
    if (repaints) {
        QTRY_VERIFY(paints.count > before);
        QCOMPARE(bevel->property(property), value);
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, before);
        QCOMPARE(bevel->property(property), old);
    }
}

void tst_SMBevel::mnemonicFocusesControl_data()
{
    QTest::addColumn<bool>("bevelEnabled");
    QTest::addColumn<bool>("controlEnabled");
    QTest::addColumn<Qt::FocusPolicy>("policy");
    QTest::addColumn<QString>("control"); // "target", "none" or "destroyed"
    QTest::addColumn<bool>("moves");
    QTest::newRow("focus moves") << true << true << Qt::StrongFocus << u"target"_s << true;
    QTest::newRow("bevel disabled") << false << true << Qt::StrongFocus << u"target"_s << false;
    QTest::newRow("control disabled") << true << false << Qt::StrongFocus << u"target"_s << false;
    QTest::newRow("control takes no focus") << true << true << Qt::NoFocus << u"target"_s << false;
    QTest::newRow("no focus control") << true << true << Qt::StrongFocus << u"none"_s << false;
    QTest::newRow("focus control destroyed") << true << true << Qt::StrongFocus << u"destroyed"_s << false;
}

void tst_SMBevel::mnemonicFocusesControl()
{
    QFETCH(bool, bevelEnabled);
    QFETCH(bool, controlEnabled);
    QFETCH(Qt::FocusPolicy, policy);
    QFETCH(QString, control);
    QFETCH(bool, moves);

    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *target = new QLineEdit(&window);
    target->move(0, 40);
    target->setEnabled(controlEnabled);
    target->setFocusPolicy(policy);
    auto *bevel = new TSMBevel(&window);
    bevel->move(0, 80);
    bevel->setCaption(u"&Naam"_s);
    bevel->setEnabled(bevelEnabled);
    if (control == u"target")
        bevel->setFocusControl(target);
    if (control == u"destroyed") {
        auto *gone = new QLineEdit(&window);
        bevel->setFocusControl(gone);
        delete gone;
        QCOMPARE(bevel->FocusControl(), nullptr);
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());

    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(target->hasFocus(), moves);
    QCOMPARE(other->hasFocus(), !moves);
}

void tst_SMBevel::parentShowsThrough()
{
    QWidget window;
    auto *bevel = new TSMBevel(&window);
    bevel->setBottomColor(Bottom);
    makeRedWindow(window, { 60, 60 });

    const QImage image = window.grab().toImage();
    QCOMPARE(QColor(image.pixel(0, 10)), Bottom);
    QCOMPARE(QColor(image.pixel(25, 25)), QColor(Qt::red));
}

QTEST_MAIN(tst_SMBevel)
#include "tst_smbevel.moc"
