// Paints the gradient panel and the bevel at arbitrary sizes with arbitrary property values.
// Beyond not crashing: no Qt warning (a NaN coordinate, a bad rectangle), every pixel the panel
// paints is opaque with each channel between those of its two colours, and every pixel the
// bevel paints has one of the colours it was given (lines, head and caption are not blended).
#include "GradPnl.h"
#include "SMBevel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

// fontconfig keeps a few patterns it never frees; they are not ours to mend.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

static bool g_painting = false;

// One font, unsmoothed, so that the caption has the colours it is drawn in and fontconfig does
// its one-time allocations before the first input, not inside one (where they read as leaks).
static QFont captionFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = { (*argv)[0], nullptr };
    (void)argc;
    new QApplication(qtArgc, qtArgv);
    QImage warmUp(64, 64, QImage::Format_ARGB32);
    QPainter painter(&warmUp);
    painter.setFont(captionFont());
    QString ascii;
    for (char c = ' '; c <= '~'; ++c)
        ascii += QLatin1Char(c);
    painter.drawText(
        QRect(0, 0, 64, 64), Qt::TextWordWrap | Qt::TextExpandTabs, ascii + QStringLiteral("\t\n"));
    painter.end();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        if (g_painting && type != QtDebugMsg && type != QtInfoMsg)
            std::abort();
    });
    return 0;
}

static bool between(int v, int a, int b)
{
    return v >= std::min(a, b) && v <= std::max(a, b);
}

// A painter cannot open an empty image; a control of width or height 0 paints into one pixel.
static QImage canvas(QSize size)
{
    QImage image(size.expandedTo({ 1, 1 }), QImage::Format_ARGB32);
    image.fill(0);
    return image;
}

static void paintPanel(FuzzedDataProvider &in)
{
    TGradientPanel panel;
    panel.resize(in.ConsumeIntegralInRange(0, 300), in.ConsumeIntegralInRange(0, 300));
    const QColor from = QColor::fromRgba(in.ConsumeIntegral<quint32>());
    const QColor to = QColor::fromRgba(in.ConsumeIntegral<quint32>());
    panel.setColorFrom(from);
    panel.setColorTo(to);
    panel.setColorCount(in.ConsumeIntegral<quint8>());
    panel.setDirection(TDirection(in.ConsumeIntegral<quint8>()));

    QImage image = canvas(panel.size());
    g_painting = true;
    {
        QPainter painter(&image);
        panel.Paint(painter);
    }
    g_painting = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == 0)
                continue;
            if (qAlpha(c) != 255 || !between(qRed(c), from.red(), to.red())
                || !between(qGreen(c), from.green(), to.green())
                || !between(qBlue(c), from.blue(), to.blue()))
                std::abort();
        }
}

static void paintBevel(FuzzedDataProvider &in)
{
    TSMBevel bevel;
    bevel.resize(in.ConsumeIntegralInRange(0, 300), in.ConsumeIntegralInRange(0, 300));
    bevel.setShape(TSMBevelShape(in.ConsumeIntegral<quint8>()));
    bevel.setStyle(TSMBevelStyle(in.ConsumeIntegral<quint8>()));
    bevel.setArrow(TSMArrow(in.ConsumeIntegral<quint8>()));
    bevel.setArrowType(TSMArrowType(in.ConsumeIntegral<quint8>()));
    bevel.setBevelWidth(in.ConsumeIntegral<int>());
    bevel.setArrowAngle(in.ConsumeIntegral<int>());
    bevel.setArrowLength(in.ConsumeIntegral<int>());
    bevel.setPenStyle(Qt::PenStyle(in.ConsumeIntegralInRange(0, int(Qt::CustomDashLine))));
    bevel.setLayout(TTextLayout(in.ConsumeIntegral<quint8>()));
    bevel.setAlignment(Qt::Alignment(in.ConsumeIntegral<int>()));
    bevel.setTopColor(QColor(QRgb(in.ConsumeIntegral<quint32>())));
    bevel.setBottomColor(QColor(QRgb(in.ConsumeIntegral<quint32>())));
    bevel.setEnabled(in.ConsumeBool());
    bevel.setFont(captionFont());
    // Printable ASCII, tabs and line breaks: other scripts would only exercise the font fallback.
    QString caption = QString::fromLatin1(in.ConsumeRandomLengthString(40));
    for (QChar &c : caption)
        if (c != u'\t' && c != u'\n' && (c < u' ' || c > u'~'))
            c = u'&';
    bevel.setCaption(caption);

    const QPalette &palette = bevel.palette();
    const QSet<QRgb> allowed { 0, bevel.TopColor().rgba(), bevel.BottomColor().rgba(),
        palette.color(QPalette::Normal, QPalette::WindowText).rgba(),
        palette.color(QPalette::Normal, QPalette::Light).rgba(),
        palette.color(QPalette::Normal, QPalette::Dark).rgba(),
        palette.color(bevel.foregroundRole()).rgba() };
    QImage image = canvas(bevel.size());
    g_painting = true;
    {
        QPainter painter(&image);
        bevel.Paint(painter);
    }
    g_painting = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!allowed.contains(image.pixel(x, y)))
                std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        paintPanel(in);
    else
        paintBevel(in);
    return 0;
}
