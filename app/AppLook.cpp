#include "AppLook.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

QPalette wendarixPalette()
{
    const QColor face(0xF0, 0xF0, 0xF0);
    const QColor text(0x00, 0x00, 0x00);
    const QColor disabledText(0x80, 0x80, 0x80);
    QPalette palette(face);
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        const QColor &ink = group == QPalette::Disabled ? disabledText : text;
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::Base, QColor(0xFF, 0xFF, 0xFF));
        palette.setColor(group, QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
        palette.setColor(group, QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
        palette.setColor(group, QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
        palette.setColor(group, QPalette::Mid, QColor(0xB4, 0xB4, 0xB4));
        palette.setColor(group, QPalette::Dark, QColor(0xA0, 0xA0, 0xA0));
        palette.setColor(group, QPalette::Shadow, QColor(0x69, 0x69, 0x69));
        palette.setColor(group, QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
        palette.setColor(group, QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
        palette.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::PlaceholderText, disabledText);
        palette.setColor(group, QPalette::BrightText, QColor(0xFF, 0xFF, 0xFF));
        palette.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0xFF));
        palette.setColor(group, QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
    }
    return palette;
}

void applyWendarixLook(QApplication &app)
{
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    app.setPalette(wendarixPalette());
    const QString stand_in = u"Liberation Sans"_s;
    QFont::insertSubstitution(u"Microsoft Sans Serif"_s, stand_in);
    QFont::insertSubstitution(u"MS Sans Serif"_s, stand_in);
    QFont::insertSubstitution(u"Arial"_s, stand_in);
    // Message boxes, prompts and menus take the application font: the windows' one, not the
    // desktop's DejaVu Sans beside it.
    QFont face(u"Microsoft Sans Serif"_s);
    face.setPixelSize(13);
    QApplication::setFont(face);
}
