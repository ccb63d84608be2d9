// The reading leaves the program: copied as text and HTML, printed, or saved as an A4 PDF.
#include "Quivar.h"

#include "ReadingPage.h"
#include "Shapes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// The bar colours on screen, line 1 first: the solid bar's fill for a yang line, the halves'
// for a yin one, whichever the scheme gave.
std::array<QColor, 6> barColours(const std::array<LineValue, 6> &lines, const std::array<TShape *, 6> &solid,
    const std::array<TShape *, 6> &half)
{
    std::array<QColor, 6> colours;
    for (std::size_t row = 0; row < 6; ++row) {
        const std::size_t line = 5 - row;
        colours[line] = (isYang(lines[line]) ? solid : half)[row]->brushColor();
    }
    return colours;
}

} // namespace

void TForm1::createExportActions()
{
    const auto action = [this](const QString &text, const QKeySequence &keys, void (TForm1::*run)()) {
        auto *a = new QAction(text, this);
        a->setShortcut(keys);
        // The main window holds no edit field; in another window the key is that window's own.
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, run);
        addAction(a);
        return a;
    };
    actCopyReading = action(u"Kopieer raadpleging"_s, QKeySequence::Copy, &TForm1::copyReading);
    actPrintReading = action(u"Afdrukken..."_s, QKeySequence::Print, &TForm1::printReading);
    actSaveReadingPdf = action(
        u"Bewaar als PDF..."_s, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &TForm1::saveReadingAsPdf);
}

void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    const bool shown = hasReading(m_session.state());
    for (QAction *a : { actCopyReading, actPrintReading, actSaveReadingPdf })
        a->setEnabled(shown);
    QMenu menu(this);
    menu.addActions({ actCopyReading, actPrintReading, actSaveReadingPdf });
    menu.exec(event->globalPos());
    // The keys stay live; with nothing on screen they do nothing.
    for (QAction *a : { actCopyReading, actPrintReading, actSaveReadingPdf })
        a->setEnabled(true);
}

// The date, caption and view as the session shows them, so the copy says what the screen says.
Reading TForm1::shownReading() const
{
    return readingOf(
        m_session.state(), { m_session.dateText(), m_session.methodCaption(), m_session.view() });
}

void TForm1::copyReading()
{
    if (!hasReading(m_session.state()))
        return;
    const Reading reading = shownReading();
    auto *copy = new QMimeData;
    copy->setText(readingPlainText(reading));
    copy->setHtml(readingHtml(reading));
    QApplication::clipboard()->setMimeData(copy);
}

bool TForm1::paintReading(QPagedPaintDevice &device)
{
    const Reading reading = shownReading();
    ReadingPageLook look;
    look.primaryBars = barColours(reading.primary.lines, shp_LijnA_A, shp_LijnBA_A);
    if (reading.secondary)
        look.secondaryBars = barColours(reading.secondary->lines, shp_LijnA_B, shp_LijnBA_B);
    look.lineBackground = GPnl_Hex1b;
    return paintReadingPage(device, reading, look);
}

void TForm1::printReading()
{
    if (!hasReading(m_session.state()))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_session.state().question);
    printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(u"Raadpleging afdrukken"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!paintReading(printer) && m_prompts)
        m_prompts->error(u"De raadpleging kon niet worden afgedrukt op %1."_s.arg(printer.printerName()));
}

// "<datum> <vraag>.pdf" in the working folder; what a file name cannot hold becomes "-".
QString TForm1::proposedPdfName() const
{
    static const QRegularExpression unsafe(u"[\\\\/:*?\"<>|\\x00-\\x1f\\x7f]+"_s);
    QString name = m_session.dateText() + u' ' + m_session.state().question;
    name.replace(unsafe, u"-"_s);
    static const QRegularExpression ragged(u"^[\\s.-]+|[\\s.-]+$"_s);
    name.remove(ragged);
    if (name.isEmpty())
        name = u"Raadpleging"_s;
    return QDir::current().filePath(name + u".pdf"_s);
}

void TForm1::saveReadingAsPdf()
{
    if (!hasReading(m_session.state()) || !m_prompts)
        return;
    const std::optional<QString> chosen
        = m_prompts->saveFileName(u"Bewaar als PDF"_s, proposedPdfName(), u"PDF-bestanden (*.pdf)"_s);
    if (chosen && !chosen->isEmpty())
        writeReadingPdf(*chosen);
}

// Written to a temporary file that replaces the old one only when it is whole.
bool TForm1::writeReadingPdf(const QString &fileName)
{
    QSaveFile file(fileName);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else {
        QPdfWriter writer(&file);
        writer.setTitle(m_session.state().question);
        writer.setCreator(u"WENDARIX"_s);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        if (!paintReading(writer))
            failure = u"de pagina kon niet worden opgemaakt"_s;
        else if (!file.commit())
            failure = file.errorString();
    }
    if (failure.isEmpty())
        return true;
    if (m_prompts)
        m_prompts->error(
            u"De raadpleging kon niet als PDF worden bewaard in %1:\n%2\n\nKies een andere map of naam."_s
                .arg(QDir::toNativeSeparators(fileName), failure));
    return false;
}
