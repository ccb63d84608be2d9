#include "QuivarFuncties.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using Lines = std::array<LineValue, 6>;
Q_DECLARE_METATYPE(Lines)

static Lines linesFrom(const QString &digits)
{
    Lines lines {};
    for (int i = 0; i < 6; ++i)
        lines[std::size_t(i)] = digits.at(i).digitValue();
    return lines;
}

static ConsultationState stateWith(const QString &digits)
{
    ConsultationState s;
    s.lines = linesFrom(digits);
    s.lineDigits = digits;
    s.derivePatterns();
    return s;
}

class TestHexagramModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyPatternMapsToItsNumberAndBack()
    {
        QSet<QString> seen;
        for (int n = 1; n <= 64; ++n) {
            const QString p = HexPatterns[std::size_t(n - 1)];
            QCOMPARE(p.size(), 6);
            QVERIFY(p.count(u'A') + p.count(u'B') == 6);
            QCOMPARE(lookupHexagram(p), n);
            seen.insert(p);
        }
        QCOMPARE(seen.size(), 64);
        for (int t = 1; t <= 8; ++t)
            QCOMPARE(lookupTrigram(QString(TrigramPatterns[std::size_t(t - 1)])), t);
    }

    void malformedPatternsFindNothing()
    {
        QCOMPARE(lookupHexagram(u""), 0);
        QCOMPARE(lookupHexagram(u"AAAAA"), 0);
        QCOMPARE(lookupHexagram(u"AAAAAC"), 0);
        QCOMPARE(lookupTrigram(u"AAAA"), 0);
    }

    void trigramTableAgreesWithPatterns()
    {
        // Row and column order of the lookup pane, as indices into TrigramPatterns.
        const int paneOrder[8] = { 1, 3, 5, 7, 2, 4, 6, 8 };
        QSet<int> numbers;
        for (int row = 0; row < 8; ++row) {
            for (int col = 0; col < 8; ++col) {
                const QString upper = TrigramPatterns[std::size_t(paneOrder[col] - 1)];
                const QString lower = TrigramPatterns[std::size_t(paneOrder[row] - 1)];
                const int n = HexagramByTrigrams[std::size_t(8 * row + col)];
                QCOMPARE(n, lookupHexagram(QString(upper + lower)));
                numbers.insert(n);
            }
        }
        QCOMPARE(numbers.size(), 64);
    }

    void diceTrigramsReadBottomFirst()
    {
        // Earlier Heaven numbering: Heaven, Lake, Fire, Thunder, Wind, Water, Mountain, Earth.
        const int trigram[8] = { 1, 8, 6, 3, 4, 5, 7, 2 };
        for (int k = 0; k < 8; ++k) {
            QString topFirst = DiceTrigrams[std::size_t(k)];
            std::reverse(topFirst.begin(), topFirst.end());
            QCOMPARE(lookupTrigram(topFirst), trigram[k]);
        }
    }

    void derivation_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<int>("primaryNumber");
        QTest::addColumn<int>("primaryUpper");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<int>("changedNumber");
        QTest::addColumn<int>("changedUpper");
        QTest::addColumn<bool>("moving");

        QTest::newRow("777777 heaven at rest")
            << u"777777"_s << u"AAAAAA"_s << 1 << 1 << u"AAAAAA"_s << 1 << 1 << false;
        QTest::newRow("999999 all yang moving")
            << u"999999"_s << u"AAAAAA"_s << 1 << 1 << u"BBBBBB"_s << 2 << 2 << true;
        QTest::newRow("666666 all yin moving")
            << u"666666"_s << u"BBBBBB"_s << 2 << 2 << u"AAAAAA"_s << 1 << 1 << true;
        QTest::newRow("788878 hexagram 3")
            << u"788878"_s << u"BABBBA"_s << 3 << 5 << u"BABBBA"_s << 3 << 5 << false;
        QTest::newRow("977776 43 to 44")
            << u"977776"_s << u"BAAAAA"_s << 43 << 8 << u"AAAAAB"_s << 44 << 1 << true;
        QTest::newRow("879687 18 to 64")
            << u"879687"_s << u"ABBAAB"_s << 18 << 7 << u"ABABAB"_s << 64 << 6 << true;
        QTest::newRow("789678 63 to 17")
            << u"789678"_s << u"BABABA"_s << 63 << 5 << u"BAABBA"_s << 17 << 8 << true;
        // Values outside 6..9 come only from unfiltered digits: parity decides, nothing moves.
        QTest::newRow("digits 0 and 5 by parity")
            << u"057777"_s << u"AAAAAB"_s << 44 << 1 << u"AAAAAB"_s << 44 << 1 << false;
    }

    void derivation()
    {
        QFETCH(QString, digits);
        const ConsultationState s = stateWith(digits);
        QTEST(s.primaryPattern, "primary");
        QTEST(s.primaryNumber, "primaryNumber");
        QTEST(s.primaryUpperTrigram, "primaryUpper");
        QTEST(s.changedPattern, "changed");
        QTEST(s.changedNumber, "changedNumber");
        QTEST(s.changedUpperTrigram, "changedUpper");
        QTEST(s.hasMovingLines, "moving");
        QCOMPARE(s.primaryUpperPattern + s.primaryLowerPattern, s.primaryPattern);
        QCOMPARE(s.changedUpperPattern + s.changedLowerPattern, s.changedPattern);
        for (std::size_t i = 0; i < 6; ++i)
            QCOMPARE(s.changedLines[i] == 7, s.changedLetters[i] == u"A"_s);
    }

    void intermediate_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("derived"); // false: no moving line, nothing changes
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("number");
        QTest::newRow("977776 gives 27") << u"977776"_s << true << u"ABBBBA"_s << 27;
        QTest::newRow("879687 gives 62") << u"879687"_s << true << u"BBAABB"_s << 62;
        QTest::newRow("999999 gives 1") << u"999999"_s << true << u"AAAAAA"_s << 1;
        QTest::newRow("788878 without moving line keeps 3") << u"788878"_s << false << u"BABBBA"_s << 3;
    }

    void intermediate()
    {
        QFETCH(QString, digits);
        QFETCH(bool, derived);
        ConsultationState s = stateWith(digits);
        const ConsultationState before = s;
        QCOMPARE(s.deriveIntermediate(), derived);
        QTEST(s.changedPattern, "pattern");
        QTEST(s.changedNumber, "number");
        QVERIFY(s.isOwnThrow);
        if (!derived) {
            QCOMPARE(s.changedLines, before.changedLines);
            QCOMPARE(s.changedPattern, before.changedPattern);
            return;
        }
        QCOMPARE(s.changedUpperTrigram, lookupTrigram(QStringView(s.changedPattern).first(3)));
        // The colour schemes keep reading the cast's changed trigrams.
        QCOMPARE(s.changedUpperPattern, before.changedUpperPattern);
        QCOMPARE(s.changedLowerPattern, before.changedLowerPattern);
        QCOMPARE(s.primaryNumber, before.primaryNumber);
    }

    void nuclear_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("nuclear");
        QTest::addColumn<int>("number");
        QTest::newRow("977776 gives 1") << u"977776"_s << u"777777"_s << 1;
        QTest::newRow("879687 gives 54") << u"879687"_s << u"796968"_s << 54;
        QTest::newRow("787878 gives 64") << u"787878"_s << u"878787"_s << 64;
    }

    void nuclear()
    {
        QFETCH(QString, digits);
        QFETCH(QString, nuclear);
        ConsultationState s;
        s.lines = deriveNuclear(linesFrom(digits));
        QCOMPARE(s.lines, linesFrom(nuclear));
        s.derivePatterns();
        QTEST(s.primaryNumber, "number");
    }

    void lineDigitsFollowLines()
    {
        ConsultationState s;
        s.lines = { 6, 7, 8, 9, 9, 6 };
        s.writeLineDigits();
        QCOMPARE(s.lineDigits, u"678996"_s);
    }
};

QTEST_GUILESS_MAIN(TestHexagramModel)
#include "tst_hexagrammodel.moc"
