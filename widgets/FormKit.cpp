#include "FormKit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

using namespace Qt::StringLiterals;

QFont fontFor(const QFont &base, const Look &look)
{
    QFont font = base;
    if (!look.family.isEmpty())
        font.setFamily(look.family);
    font.setPixelSize(look.pixelSize);
    font.setBold(look.bold);
    font.setItalic(look.italic);
    return font;
}

QFont pixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    // Captions and oracle texts are shown as written, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int width, int height,
    const QString &text, const Look &look, Qt::Alignment alignment, bool wraps)
{
    QLabel *label = newLabel(parent, name, text, fontFor(parent->font(), look));
    setTextColour(label, look.colour);
    label->setAlignment(alignment);
    label->setWordWrap(wraps);
    const QFontMetrics metrics(label->font());
    if (width == 0)
        width = metrics.horizontalAdvance(text) + 1;
    // The height a line of text takes when laid out, which rounds up past lineSpacing().
    if (height == 0)
        height
            = metrics.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, u"Xg"_s).height();
    label->setGeometry(left, top, width, height);
    return label;
}
