#pragma once

#include "Session.h"

#include "QuivarFuncties.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// A consultation as it leaves the program: copied as text, printed, saved as PDF. Built from the
// state and what the window shows beside it, so that the copy says what the screen says.

// The main window's three views of one cast, as the session records them.
using ReadingView = ConsultationViewKind;

// What the window shows that the state does not hold: the date label (a journal entry shows its
// own date text there), the method caption, and the view.
struct ReadingScreen
{
    QString date;
    QString methodCaption;
    ReadingView view = ReadingView::Normal;
};

struct ReadingHexagram
{
    QString label; // "HEXAGRAM", or the derived view it belongs to
    int number = 0;
    QString title;
    QString house;
    QString process;
    QString advice;
    std::array<LineValue, 6> lines {}; // index 0 = line 1; the second hexagram holds 7 or 8
};

struct ReadingLine
{
    int line = 0; // 1 = bottom
    LineValue value = 0;
    QString text;
};

struct Reading
{
    QString date;
    QString question;
    QString methodCaption;
    ReadingHexagram primary;
    QList<ReadingLine> movingLines; // bottom line first
    QString changeHeading; // "Hexagram verandert", "Geen Veranderingen", ...
    std::optional<ReadingHexagram> secondary;
};

namespace ReadingHeadings {
inline const QString Question = QStringLiteral("Mijn Vraag aan de QUIVAR was:");
inline const QString Date = QStringLiteral("Datum :");
inline const QString House = QStringLiteral("In het Huis van:");
inline const QString Process = QStringLiteral("Processen volgens Doravel:");
inline const QString Advice = QStringLiteral("Selvine's Praktische Raad:");
inline const QString MovingLines = QStringLiteral("De Bewegende Lijnen");
inline const QString Changes = QStringLiteral("Hexagram verandert");
inline const QString NoChanges = QStringLiteral("Geen Veranderingen");
} // namespace ReadingHeadings

// False before the first consultation: there is nothing to copy or print yet.
bool hasReading(const ConsultationState &state);

// The reading of the view on screen. In the nuclear view the state's derived fields describe the
// nuclear hexagram while `lines` holds the cast again, so the lines shown are derived here.
Reading readingOf(const ConsultationState &state, const ReadingScreen &screen);

// "Lijn 4: 9, bewegende hele lijn": a line as it is read out and written in the copy.
QString spokenLine(int line, LineValue value);

// The six lines drawn with characters, top line first, the moving ones marked.
QStringList lineFigure(const std::array<LineValue, 6> &lines, bool marks);

QString readingPlainText(const Reading &reading);
// The same as a small HTML document; every text is escaped, a question may hold markup.
QString readingHtml(const Reading &reading);
