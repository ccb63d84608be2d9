#include "SpinButtons.h"

#include <QToolButton>

using namespace Qt::StringLiterals;

SpinButtons::SpinButtons(QWidget *parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    setAccessibleName(u"Hexagramnummer stappen"_s);
    const auto setUp = [this](QToolButton *button, Qt::ArrowType arrow, const QString &name,
                           const QString &accessibleName, int step) {
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAccessibleName(accessibleName);
        // Held down, the button keeps stepping; the dialog spaces the steps out.
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(300);
        button->setAutoRepeatInterval(100);
        connect(button, &QToolButton::clicked, this, [this, step] { Q_EMIT stepped(step); });
    };
    setUp(m_up, Qt::UpArrow, u"HexaSpinUp"_s, u"Hexagramnummer hoger"_s, 1);
    setUp(m_down, Qt::DownArrow, u"HexaSpinDown"_s, u"Hexagramnummer lager"_s, -1);
}

void SpinButtons::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
