#include "FormKit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPointer>

#include <algorithm>
#include <vector>

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
    if (width != 0 && height != 0) {
        label->setGeometry(left, top, width, height);
        return label;
    }
    // Any size until the text is measured: a widget shown without one would measure at once.
    label->setGeometry(left, top, std::max(width, 1), std::max(height, 1));
    measureText(label, [label, width, height, text] {
        const QFontMetrics metrics(label->font());
        // The height a line of text takes when laid out, which rounds up past lineSpacing().
        label->resize(width != 0 ? width : metrics.horizontalAdvance(text) + 1,
            height != 0 ? height
                        : metrics.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, u"Xg"_s)
                              .height());
    });
    return label;
}

namespace {

struct DeferredStep
{
    QPointer<QWidget> owner;
    std::function<void()> step;
};

// Null while no deferral is in force.
std::vector<DeferredStep> *deferredSteps = nullptr;

} // namespace

TextMeasureDeferral::TextMeasureDeferral()
{
    if (!deferredSteps)
        deferredSteps = new std::vector<DeferredStep>;
}

TextMeasureDeferral::~TextMeasureDeferral()
{
    finish();
}

void TextMeasureDeferral::finish()
{
    std::vector<DeferredStep> *steps = deferredSteps;
    deferredSteps = nullptr;
    if (!steps)
        return;
    for (const DeferredStep &deferred : *steps) {
        if (deferred.owner)
            deferred.step();
    }
    delete steps;
}

void measureText(QWidget *owner, std::function<void()> step)
{
    if (deferredSteps)
        deferredSteps->push_back({ owner, std::move(step) });
    else
        step();
}
