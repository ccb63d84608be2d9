// The reading as text: what the copy of each view holds.
#include "QuivarDATA.h"
#include "ReadingText.h"
#include "ScriptedServices.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReadingView)

namespace {

// The state as the window leaves it in each view.
Reading readingAfter(const QString &digits, ReadingView view, const QString &question)
{
    ConsultationRig rig;
    rig.state.question = question;
    rig.state.ownThrowInput = digits;
    rig.consultation.readOwnThrow();
    if (view == ReadingView::Intermediate)
        rig.state.deriveIntermediate();
    if (view == ReadingView::Nuclear) {
        const auto cast = rig.state.lines;
        rig.state.lines = deriveNuclear(cast);
        rig.state.isOwnThrow = true;
        rig.consultation.runConsultation();
        rig.state.lines = cast;
    }
    return readingOf(rig.state, { u"07/03/25 09:05:07"_s, rig.view.caption(), view });
}

} // namespace

class TestReadingText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void plainText_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<ReadingView>("view");
        QTest::addColumn<QStringList>("holds");
        QTest::addColumn<QStringList>("lacks");
        QTest::newRow("789678 changes 63 into 17")
            << u"789678"_s << ReadingView::Normal
            << QStringList { u"HEXAGRAM 63: NA DE VOLTOOIING\nIn het Huis van: Tegenspoed\n\n"_s
                             // line 6 on top, the moving lines marked
                             "8  ━━━━   ━━━━\n7  ━━━━━━━━━━━\n6  ━━━━   ━━━━  ×\n"
                             "9  ━━━━━━━━━━━  ○\n8  ━━━━   ━━━━\n7  ━━━━━━━━━━━\n\n"
                             "Processen volgens Doravel: "
                       + ProcessText(63) + u"\nSelvine's Praktische Raad: "_s + AdviceText(63),
                   u"De Bewegende Lijnen\nLijn 3: 9, bewegende hele lijn\n"_s + LineTexts(63, 3)
                       + u"\nLijn 4: 6, bewegende gebroken lijn\n"_s + LineTexts(63, 4),
                   u"Hexagram verandert\nHEXAGRAM 17: DE NAVOLGING\nIn het Huis van: Ontsnapping\n\n"
                   "━━━━   ━━━━\n━━━━━━━━━━━\n━━━━━━━━━━━\n━━━━   ━━━━\n━━━━   ━━━━\n━━━━━━━━━━━\n"_s }
            << QStringList { LineTexts(63, 1), LineTexts(63, 6) };
        QTest::newRow("777777 without moving lines")
            << u"777777"_s << ReadingView::Normal
            << QStringList { u"HEXAGRAM 1: HET SCHEPPENDE\nIn het Huis van: Uitdaging"_s,
                   u"Selvine's Praktische Raad: "_s + AdviceText(1) + u"\n\nGeen Veranderingen\n"_s }
            << QStringList { u"De Bewegende Lijnen"_s, u"×"_s };
        QTest::newRow("977776 intermediate view")
            << u"977776"_s << ReadingView::Intermediate
            << QStringList { u"HEXAGRAM 43: DE VASTBERADENHEID"_s, LineTexts(43, 1), LineTexts(43, 6),
                   u"Het TussenHexagram\nTUSSENHEXAGRAM 27: DE VOEDING"_s, ProcessText(27) }
            << QStringList { u"HEXAGRAM 44"_s, u"Hexagram verandert"_s };
        QTest::newRow("879687 nuclear view")
            << u"879687"_s << ReadingView::Nuclear
            << QStringList { u"KERNHEXAGRAM 54: BETAMELIJKHEID"_s, LineTexts(54, 2),
                   u"Lijn 3: 6, bewegende gebroken lijn\n"_s + LineTexts(54, 3), LineTexts(54, 4),
                   LineTexts(54, 5), u"Hexagram verandert\nHEXAGRAM 63: NA DE VOLTOOIING"_s }
            << QStringList { u"HEXAGRAM 18"_s, LineTexts(54, 1), LineTexts(54, 6) };
    }

    void plainText()
    {
        QFETCH(QString, digits);
        QFETCH(ReadingView, view);
        QFETCH(QStringList, holds);
        QFETCH(QStringList, lacks);
        const QString text = readingPlainText(readingAfter(digits, view, u"Wat brengt de zomer?"_s));
        QVERIFY(text.startsWith(u"Datum : 07/03/25 09:05:07\nMijn Vraag aan de QUIVAR was: "
                                "Wat brengt de zomer?\nUw Worp geeft het Volgende Resultaat te Zien\n"_s));
        for (const QString &part : holds)
            QVERIFY2(text.contains(part), qPrintable(part + u"\n--- not in ---\n"_s + text));
        for (const QString &part : lacks)
            QVERIFY2(!text.contains(part), qPrintable(part));
    }

    // The HTML is escaped: a question's markup stays text (the window test reads the rest).
    void htmlEscapesTheQuestion()
    {
        const Reading reading = readingAfter(u"789678"_s, ReadingView::Normal, u"<b>Kies ik A & B?</b>"_s);
        QVERIFY(readingHtml(reading).contains(
            u"<h1>Mijn Vraag aan de QUIVAR was: &lt;b&gt;Kies ik A &amp; B?&lt;/b&gt;</h1>"_s));
    }
};

QTEST_GUILESS_MAIN(TestReadingText)
#include "tst_readingtext.moc"
