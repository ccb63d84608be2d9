// The floors of the start-up figures: a bare Qt program mapping one empty window of the
// question dialog's size, and (built with FLOOR_TEXT) the same window carrying 130 labels of
// text, which adds the one-time cost of loading a font. WENDARIX cannot start faster than the
// window with text, so that is the fair comparison.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("WENDARIX bench floor"));
    window.setFixedSize(690, 446);
#ifdef FLOOR_TEXT
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    // Five columns of 26 rows fill the window as the dialog's controls do.
    for (int i = 0; i < 130; ++i) {
        auto *label = new QLabel(QStringLiteral("Proefregel %1 met tekst").arg(i + 1), &window);
        label->setFont(font);
        label->setGeometry((i / 26) * 138 + 4, (i % 26) * 17 + 2, 134, 16);
    }
#endif
    window.show();
    return QApplication::exec();
}
