#pragma once

// Checks the window tests share: whether a text fits its label, and the order Tab takes.

#include <QByteArray>
#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QStringList>

// The room a text takes in a label, laid out as the label lays it out: its font, width,
// alignment and word wrap.
inline QSize neededSize(const QLabel *label, const QString &text)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return QFontMetrics(label->font()).boundingRect(QRect(0, 0, label->width(), 10000), flags, text).size();
}

// Empty when the text fits; otherwise the failure message: the label, what the text needs, what
// the label has, and the text.
inline QByteArray textOverflow(const QLabel *label, const QString &text)
{
    const QSize needed = neededSize(label, text);
    if (needed.width() <= label->width() && needed.height() <= label->height())
        return {};
    return QStringLiteral("%1 needs %2 x %3 in %4 x %5: %6")
        .arg(label->objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(label->width())
        .arg(label->height())
        .arg(text)
        .toUtf8();
}

// The names of the controls Tab stops at, in order, once round the window from the first.
inline QStringList tabStops(QWidget *first)
{
    QStringList names;
    QWidget *w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->isWindow())
            names.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}
