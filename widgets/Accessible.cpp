#include "Accessible.h"

#include <QAccessibleWidget>
#include <QDialog>
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
        : QAccessibleWidget(window, qobject_cast<QDialog *>(window) ? QAccessible::Dialog
                                                                   : QAccessible::Window)
    {
    }

    int childCount() const override { return int(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        return shownChildren().value(index, nullptr);
    }

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

QAccessibleInterface *programWindowFactory(const QString &className, QObject *object)
{
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

void markDecorative(QWidget *control) { control->setProperty(DecorativeMark, true); }

void markProgramWindow(QWidget *window) { window->setProperty(WindowMark, true); }

void installAccessibleWindows()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programWindowFactory);
}
