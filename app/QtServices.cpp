#include "QtServices.h"

#include "SingleLineValidator.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

using namespace Qt::StringLiterals;

namespace {
const QString Caption = u"WENDARIX"_s;
}

// Parentless boxes are centred on the screen and stay usable while the main window is disabled;
// they stay on top so the question dialog, itself always on top, never hides them.
static int showBox(
    QMessageBox::Icon icon, const QString &caption, const QString &text, QMessageBox::StandardButtons buttons)
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
    return showBox(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Question, caption, text,
               QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok;
}

std::optional<QString> QtPrompts::input(
    const QString &caption, const QString &label, const QString &initial, int maxLength)
{
    QInputDialog dialog;
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto *field = dialog.findChild<QLineEdit *>()) {
        SingleLineValidator::apply(*field, maxLength);
        // Wide enough to show the whole limit, as far as the screen allows.
        const QFontMetrics metrics(field->font());
        const int chrome = field->sizeHint().width() - 17 * metrics.horizontalAdvance(u'x');
        const int wanted = chrome + metrics.averageCharWidth() * maxLength;
        const QScreen *screen = dialog.screen();
        const int room = screen ? screen->availableGeometry().width() - 100 : wanted;
        field->setMinimumWidth(qMin(wanted, room));
    }
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompts::saveFileName(
    const QString &caption, const QString &proposed, const QString &filter)
{
    QFileDialog dialog(nullptr, caption, proposed, filter);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its extension still gets it; an existing file is asked about.
    dialog.setDefaultSuffix(QFileInfo(proposed).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QtShell::QtShell(Prompts &prompts, QString installedFolder)
    : m_prompts(prompts)
    , m_installedFolder(std::move(installedFolder))
{ }

QString QtShell::installedDataFolder()
{
    return QDir::cleanPath(
        QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(WENDARIX_DATA_FROM_BIN));
}

void QtShell::open(const QString &fileName)
{
    QString path;
    for (const QString &folder : { QDir::currentPath(), m_installedFolder }) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile()) {
            path = candidate.absoluteFilePath();
            break;
        }
    }
    if (path.isEmpty()) {
        m_prompts.error(u"Het bestand %1 is niet gevonden: niet in de map %2 en niet in %3."_s.arg(fileName,
            QDir::toNativeSeparators(QDir::currentPath()), QDir::toNativeSeparators(m_installedFolder)));
        return;
    }
    if (!startViewer(path))
        m_prompts.error(u"Er is geen programma dat %1 kan tonen.\n\n"
                        "Installeer een CHM-lezer, bijvoorbeeld xchm of kchmviewer "
                        "(sudo apt install xchm), en druk dan opnieuw op Help."_s.arg(fileName));
}

bool QtShell::startViewer(const QString &path)
{
    for (const QString &viewer : { u"xchm"_s, u"kchmviewer"_s }) {
        const QString program = QStandardPaths::findExecutable(viewer);
        if (!program.isEmpty() && QProcess::startDetached(program, { path }))
            return true;
    }
    // Another viewer the desktop knows for CHM files; without one, opening would fail unseen.
    const QString query = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (query.isEmpty())
        return false;
    QProcess ask;
    ask.start(query, { u"query"_s, u"default"_s, u"application/vnd.ms-htmlhelp"_s });
    if (!ask.waitForFinished(3000) || ask.readAllStandardOutput().trimmed().isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
