#include "Accessible.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMetaObject>
#include <QToolButton>
#include <QWidget>

namespace {

constexpr char DecorativeMark[] = "wendarixDecorative";
constexpr char WindowMark[] = "wendarixWindow";

bool isDecorative(const QAccessibleInterface *child)
{
    const QObject *object = child->object();
    if (object && object->property(DecorativeMark).toBool())
        return true;
    // A plain widget with no name and nothing inside says nothing to a listener.
    return child->role() == QAccessible::Client && child->text(QAccessible::Name).isEmpty()
        && child->childCount() == 0;
}

class ProgramWindow final : public QAccessibleWidget
{
public:
    explicit ProgramWindow(QWidget *window)
        : QAccessibleWidget(
            window, qobject_cast<QDialog *>(window) ? QAccessible::Dialog : QAccessible::Window)
    { }

    int childCount() const override { return int(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override { return shownChildren().value(index, nullptr); }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
    }

private:
    QList<QAccessibleInterface *> shownChildren() const
    {
        QList<QAccessibleInterface *> shown;
        const int count = QAccessibleWidget::childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !isDecorative(child))
                shown.append(child);
        }
        return shown;
    }
};

// A tool button as Qt presents it, save that Press queues the click, as a push button's Press
// does: a screen reader that presses "<<" gets its answer before the message box the step may
// open, rather than waiting until that box is closed.
class QueuedPressToolButton final : public QAccessibleWidget
{
public:
    explicit QueuedPressToolButton(QToolButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
        addControllingSignal(
            button->isCheckable() ? QStringLiteral("toggled(bool)") : QStringLiteral("clicked()"));
    }

    QAccessible::Role role() const override
    {
        return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        QString str;
        if (t == QAccessible::Name) {
            str = button()->accessibleName();
            if (str.isEmpty())
                str = button()->text();
        }
        return str.isEmpty() ? QAccessibleWidget::text(t) : str;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        state.hotTracked = button()->autoRaise();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (!widget()->isEnabled())
            return names;
        names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (!widget()->isEnabled())
            return;
        if (actionName == pressAction())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
        else if (actionName == toggleAction())
            button()->toggle();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QToolButton *button() const { return static_cast<QToolButton *>(widget()); }
};

QAccessibleInterface *programWindowFactory(const QString &className, QObject *object)
{
    // Tool buttons without a menu, the only kind the windows have.
    if (auto *button = qobject_cast<QToolButton *>(object);
        button && !button->menu() && className == QLatin1String("QToolButton"))
        return new QueuedPressToolButton(button);

    auto *window = qobject_cast<QWidget *>(object);
    if (!window || !window->isWindow() || !window->property(WindowMark).toBool())
        return nullptr;
    // Asked for the most derived class first; answering only then keeps Qt's own interfaces
    // for every other object.
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new ProgramWindow(window);
}

} // namespace

void markDecorative(QWidget *control)
{
    control->setProperty(DecorativeMark, true);
}

void markProgramWindow(QWidget *window)
{
    window->setProperty(WindowMark, true);
}

void installAccessibleWindows()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programWindowFactory);
}
