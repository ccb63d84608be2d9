// Finding entries in a journal list by their stored bytes, case and accents ignored, in every
// encoding a journal can have; stepping from match to match; an entry as a screen reader says it.
#include "JournalSearch.h"
#include "SpokenEntry.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(JournalEncoding)

class TestJournalSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsHolding_data()
    {
        QTest::addColumn<JournalEncoding>("encoding");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("rows");
        using E = JournalEncoding;
        const QStringList cafes { u"Wat zegt René?"_s, u"Een kop koffie in het café"_s, u"CAFÉ NOIR"_s };
        QTest::newRow("code page: cafe") << E::Ansi << cafes << u"cafe"_s << QList<int> { 1, 2 };
        QTest::newRow("code page: CAFÉ") << E::Ansi << cafes << u"CAFÉ"_s << QList<int> { 1, 2 };
        QTest::newRow("code page: capitals") << E::Ansi << QStringList { u"ALLEEN HOOFDLETTERS HIER"_s }
                                             << u"Hoofdletters"_s << QList<int> { 0 };
        QTest::newRow("UTF-8: cafe") << E::Utf8 << cafes << u"cafe"_s << QList<int> { 1, 2 };
        QTest::newRow("UTF-16LE: rene") << E::Utf16LE << cafes << u"rene"_s << QList<int> { 0 };
        QTest::newRow("UTF-16BE: RENÉ") << E::Utf16BE << cafes << u"RENÉ"_s << QList<int> { 0 };
        QTest::newRow("UTF-8: a combining accent")
            << E::Utf8 << QStringList { u"Cafe\u0301 Noir"_s, u"cafe"_s } << u"café n"_s << QList<int> { 0 };
        QTest::newRow("code page: letters beyond Latin-1")
            << E::Ansi << QStringList { u"Œuvre"_s, u"Ÿvonne"_s, u"Škoda"_s } << u"yvonne"_s
            << QList<int> { 1 };
        QTest::newRow("code page: a letter it lacks finds its base")
            << E::Ansi << QStringList { u"Kaart"_s, u"Markt"_s } << u"kā"_s << QList<int> { 0 };
        QTest::newRow("code page: a letter no line holds")
            << E::Ansi << QStringList { u"alfa"_s } << u"λ"_s << QList<int> {};
        QTest::newRow("UTF-8: Greek")
            << E::Utf8 << QStringList { u"logos"_s, u"ΛΌΓΟΣ"_s } << u"λογος"_s << QList<int> { 1 };
        QTest::newRow("a line counts once")
            << E::Ansi << QStringList { u"na na na"_s, u"nee"_s, u"na"_s } << u"na"_s << QList<int> { 0, 2 };
        QTest::newRow("every line") << E::Ansi << QStringList { u"a"_s, u"ba"_s, u"ab"_s } << u"a"_s
                                    << QList<int> { 0, 1, 2 };
        QStringList many;
        for (int i = 0; i < 100; ++i)
            many << (i == 3 || i == 64 || i == 99 ? u"regel %1 vondst"_s : u"regel %1"_s).arg(i);
        QTest::newRow("a few in many lines") << E::Ansi << many << u"VONDST"_s << QList<int> { 3, 64, 99 };
        QTest::newRow("absent") << E::Utf8 << cafes << u"thee"_s << QList<int> {};
        QTest::newRow("nothing typed") << E::Ansi << cafes << QString() << QList<int> {};
    }

    void rowsHolding()
    {
        QFETCH(JournalEncoding, encoding);
        QFETCH(QStringList, lines);
        QFETCH(QString, text);
        const JournalLines list(lines, encoding);
        QCOMPARE(list.encoding(), encoding);
        JournalSearch search;
        search.setList(list);
        QTEST(search.rowsHolding(text), "rows");
        // The folded copy is kept for the next keystroke, and made again for a new list.
        QTEST(search.rowsHolding(text), "rows");
        search.setList(JournalLines(QStringList { u"–"_s }, encoding));
        QCOMPARE(search.rowsHolding(text), QList<int> {});
    }

    void stepToMatch_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("to");
        const QList<int> rows { 2, 5, 9 };
        QTest::newRow("next from a match") << rows << 5 << true << 9;
        QTest::newRow("next from between") << rows << 3 << true << 5;
        QTest::newRow("next wraps to the first") << rows << 9 << true << 2;
        QTest::newRow("next from no entry") << rows << -1 << true << 2;
        QTest::newRow("previous from a match") << rows << 5 << false << 2;
        QTest::newRow("previous from between") << rows << 7 << false << 5;
        QTest::newRow("previous wraps to the last") << rows << 2 << false << 9;
        QTest::newRow("previous from no entry") << rows << -1 << false << 9;
        QTest::newRow("no matches") << QList<int> {} << 4 << true << -1;
    }

    void stepToMatch()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, from);
        QFETCH(bool, forward);
        QTEST(::stepToMatch(rows, from, forward), "to");
    }

    void spokenEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("moving lines")
            << u"09/12/26 20:11:00,Wat brengt de zomer?,61,19,778899"_s
            << u"Vraag 3 van 7, 9 december 2026 om 20:11: Wat brengt de zomer? Hexagram 61, verandert in 19"_s;
        QTest::newRow("no moving lines, other separators")
            << u"01-03-25 08.05.00,Werk,01,00,777777"_s
            << u"Vraag 3 van 7, 1 maart 2025 om 08:05: Werk. Hexagram 1"_s;
        QTest::newRow("no question") << u"01/03/25 08:05:00,,01,00,777777"_s
                                     << u"Vraag 3 van 7, 1 maart 2025 om 08:05: Zonder vraag. Hexagram 1"_s;
        QTest::newRow("no date") << u"31/02/25 08:05:00,Werk?,02,00,888888"_s
                                 << u"Vraag 3 van 7: Werk? Hexagram 2"_s;
        QTest::newRow("no cast") << u"01/03/25 08:05:00,iets anders"_s
                                 << u"Vraag 3 van 7, 1 maart 2025 om 08:05: iets anders"_s;
        QTest::newRow("neither") << u"kladje"_s << u"Vraag 3 van 7: kladje"_s;
        QTest::newRow("blank") << QString() << u"Vraag 3 van 7: lege regel"_s;
    }

    void spokenEntry()
    {
        QFETCH(QString, entry);
        QTEST(spokenJournalEntry(entry, 3, 7), "spoken");
    }
};

QTEST_GUILESS_MAIN(TestJournalSearch)
#include "tst_journalsearch.moc"
