#include "QtServices.h"

#include "SingleLineValidator.h"

#include <QDesktopServices>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
const QString Caption = u"WENDARIX"_s;
}

// Parentless boxes are centred on the screen and stay usable while the main window is disabled;
// they stay on top so the question dialog, itself always on top, never hides them.
static int showBox(QMessageBox::Icon icon, const QString &caption, const QString &text,
                   QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (buttons & QMessageBox::Ok)
        box.setDefaultButton(QMessageBox::Ok);
    return box.exec();
}

void QtPrompts::message(const QString &text)
{
    showBox(QMessageBox::NoIcon, Caption, text, QMessageBox::Ok);
}

void QtPrompts::error(const QString &text)
{
    showBox(QMessageBox::Warning, Caption, text, QMessageBox::Ok);
}

bool QtPrompts::confirm(const QString &caption, const QString &text, Icon icon)
{
    return showBox(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Question, caption,
                   text, QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

std::optional<QString> QtPrompts::input(const QString &caption, const QString &label,
                                        const QString &initial, int maxLength)
{
    QInputDialog dialog;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto *field = dialog.findChild<QLineEdit *>())
        SingleLineValidator::apply(*field, maxLength);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

// A bare name is looked up in the current directory, where the program was started.
void QtShell::open(const QString &fileName)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(fileName)));
}
