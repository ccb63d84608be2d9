#include "QtServices.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
const QString Caption = u"WENDARIX"_s;
}

// Parentless boxes are centred on the screen and stay usable while the main window is disabled.
void QtPrompts::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, Caption, text, QMessageBox::Ok);
    box.exec();
}

void QtPrompts::error(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, Caption, text, QMessageBox::Ok);
    box.exec();
}

bool QtPrompts::confirm(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> QtPrompts::input(const QString &caption, const QString &label,
                                        const QString &initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(nullptr, caption, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtShell::open(const QString &fileName)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
