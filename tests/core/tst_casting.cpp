#include "ScriptedServices.h"
#include "casting.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;
using Cast = void (*)(ConsultationState &, RandomSource &);
Q_DECLARE_METATYPE(Cast)

static QString digitsOf(const ConsultationState &s)
{
    QString d;
    for (LineValue v : s.lines)
        d += QString::number(v);
    return d;
}

static QList<int> repeated(const QList<int> &part, int times)
{
    QList<int> all;
    for (int i = 0; i < times; ++i)
        all += part;
    return all;
}

// A seeded generator whose clock ticks by one per seeding, so a run is repeatable.
static ClockRandomSource fixedSeedRandom()
{
    return ClockRandomSource([tick = std::uint64_t(20251224)]() mutable { return tick++; });
}

class TestCasting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scriptedCasts_data()
    {
        QTest::addColumn<Cast>("cast");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QList<int>>("asked");
        QTest::addColumn<int>("primary");

        // u = 0 (Heaven above), l = 1 (Lake below), m = 0 (line 1 moves).
        QTest::newRow("trigrams u0 l1 m0") << Cast(castTrigrams) << QList<int> { 0, 1, 0 } << u"978777"_s
                                           << QList<int> { -1, 8, 8, 6 } << 10;
        QTest::newRow("trigrams u7 l7 m5")
            << Cast(castTrigrams) << QList<int> { 7, 7, 5 } << u"888886"_s << QList<int> { -1, 8, 8, 6 } << 2;
        // Every x = 64 makes all lines yin; y = 6 and y = 12 both pick line 6.
        QTest::newRow("rice x64 y6") << Cast(castRiceGrains) << QList<int> { 63, 63, 63, 63, 63, 63, 5 }
                                     << u"888886"_s << QList<int> { -1, 64, 64, 64, 64, 64, 64, -1, 64 } << 2;
        QTest::newRow("rice x64 y12")
            << Cast(castRiceGrains) << QList<int> { 63, 63, 63, 63, 63, 63, 11 } << u"888886"_s
            << QList<int> { -1, 64, 64, 64, 64, 64, 64, -1, 64 } << 2;
        QTest::newRow("rice odd x y1")
            << Cast(castRiceGrains) << QList<int> { 0, 2, 4, 1, 0, 0, 0 } << u"977877"_s
            << QList<int> { -1, 64, 64, 64, 64, 64, 64, -1, 64 } << 9;
        QTest::newRow("rice y64 line 4")
            << Cast(castRiceGrains) << QList<int> { 0, 0, 0, 0, 0, 0, 63 } << u"777977"_s
            << QList<int> { -1, 64, 64, 64, 64, 64, 64, -1, 64 } << 1;
        QTest::newRow("six lines 0123") << Cast(castSixLines) << QList<int> { 0, 1, 2, 3, 3, 0 }
                                        << u"798667"_s << QList<int> { -1, 4, 4, 4, 4, 4, 4 } << 41;
        QTest::newRow("coins") << Cast(castCoins)
                               << QList<int> { 0, 0, 0, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1 }
                               << u"697878"_s << (QList<int> { -1 } + QList<int>(18, 2)) << 48;
        // Left heaps of one stalk: 49 -> r = 1 + 1 + 47 mod 4 = 5, 44 -> r = 1 + 1 + 42 mod 4 = 4,
        // 40 -> r = 1 + 1 + 38 mod 4 = 4: three changes scoring 3, an old yang line.
        QTest::newRow("yarrow smallest heaps")
            << Cast(castYarrow) << QList<int>(18, 0) << u"999999"_s
            << QList<int> { -1, 49, 44, 40, 49, 44, 40, 49, 44, 40, 49, 44, 40, 49, 44, 40, 49, 44, 40 } << 1;
        // Left heaps of 48, 40 and 32: remainders of four on both sides remove 9, then 8 and 8 with
        // a right remainder of 3: three changes scoring 2, an old yin line.
        QTest::newRow("yarrow remainders of four")
            << Cast(castYarrow) << repeated({ 47, 39, 31 }, 6) << u"666666"_s
            << QList<int> { -1 } + repeated({ 49, 40, 32 }, 6) << 2;
    }

    void scriptedCasts()
    {
        QFETCH(Cast, cast);
        QFETCH(QList<int>, draws);
        ScriptedRandom random;
        random.draws.assign(draws.begin(), draws.end());
        ConsultationState s;
        s.lineDigits = u"old"_s;
        s.question = u"blijft staan"_s;
        cast(s, random);
        QTEST(s.lineDigits, "digits");
        QCOMPARE(digitsOf(s), s.lineDigits);
        QTEST(random.asked, "asked");
        QVERIFY(random.draws.empty());
        QCOMPARE(s.question, u"blijft staan"_s);
        QCOMPARE(s.primaryNumber, lookupHexagram(s.primaryPattern));
        QTEST(s.primaryNumber, "primary");
        QVERIFY(s.hasMovingLines); // every script here moves a line
    }

    void yarrowLineFollowsTheStalks()
    {
        // L = 49 removes 1 + 1 + 3 = 5 (score 3, 44 left); L = 44 removes 1 + 4 + 3 = 8 (score 2,
        // 36 left); L = 36 removes 1 + 4 + 3 = 8 (score 2): a young yang line.
        ScriptedRandom random { 48, 43, 35 };
        QCOMPARE(yarrowLine(random), 7);
        QCOMPARE(random.asked, (QList<int> { 49, 44, 36 }));
    }

    void distributions_data()
    {
        QTest::addColumn<Cast>("cast");
        QTest::addColumn<int>("casts");
        QTest::addColumn<QList<double>>("expected"); // frequency of 6, 7, 8, 9 per line
        QTest::newRow("yarrow") << Cast(castYarrow) << 34000
                                << QList<double> { 3.0 / 49, 61.0 / 196, 43.0 / 98, 37.0 / 196 };
        QTest::newRow("coins") << Cast(castCoins) << 34000
                               << QList<double> { 1.0 / 8, 3.0 / 8, 3.0 / 8, 1.0 / 8 };
        QTest::newRow("six lines") << Cast(castSixLines) << 34000 << QList<double> { 0.25, 0.25, 0.25, 0.25 };
        // One moving line in six, yang and yin alike.
        QTest::newRow("rice grains") << Cast(castRiceGrains) << 34000
                                     << QList<double> { 1.0 / 12, 5.0 / 12, 5.0 / 12, 1.0 / 12 };
        QTest::newRow("trigrams") << Cast(castTrigrams) << 34000
                                  << QList<double> { 1.0 / 12, 5.0 / 12, 5.0 / 12, 1.0 / 12 };
    }

    void distributions()
    {
        QFETCH(Cast, cast);
        QFETCH(int, casts);
        QFETCH(QList<double>, expected);
        ClockRandomSource random = fixedSeedRandom();
        ConsultationState s;
        std::array<int, 4> count {};
        for (int i = 0; i < casts; ++i) {
            cast(s, random);
            for (LineValue v : s.lines) {
                QVERIFY(v >= 6 && v <= 9);
                ++count[std::size_t(v - 6)];
            }
        }
        const double lines = 6.0 * casts;
        for (int v = 0; v < 4; ++v) {
            const double seen = count[std::size_t(v)] / lines;
            if (std::abs(seen - expected[v]) > 0.01)
                QFAIL(qPrintable(u"value %1: %2 against %3"_s.arg(v + 6).arg(seen).arg(expected[v])));
        }
    }

    void movingLinePositions_data()
    {
        QTest::addColumn<Cast>("cast");
        QTest::addColumn<QList<double>>("expected");
        const double a = 11.0 / 64, b = 10.0 / 64, c = 1.0 / 6;
        QTest::newRow("rice grains") << Cast(castRiceGrains) << QList<double> { a, a, a, a, b, b };
        QTest::newRow("trigrams") << Cast(castTrigrams) << QList<double> { c, c, c, c, c, c };
    }

    void movingLinePositions()
    {
        QFETCH(Cast, cast);
        QFETCH(QList<double>, expected);
        ClockRandomSource random = fixedSeedRandom();
        ConsultationState s;
        const int casts = 60000;
        std::array<int, 6> at {};
        std::map<int, int> primary;
        for (int i = 0; i < casts; ++i) {
            cast(s, random);
            int moving = 0;
            for (std::size_t k = 0; k < 6; ++k) {
                if (isMoving(s.lines[k])) {
                    ++moving;
                    ++at[k];
                }
            }
            QCOMPARE(moving, 1);
            QVERIFY(s.hasMovingLines);
            ++primary[s.primaryNumber];
        }
        for (std::size_t k = 0; k < 6; ++k)
            QVERIFY2(std::abs(double(at[k]) / casts - expected[qsizetype(k)]) < 0.01,
                qPrintable(QString::number(k)));
        // Every hexagram equally likely: 1/64 each, within 1 % absolute.
        QCOMPARE(primary.size(), std::size_t(64));
        for (const auto &[number, n] : primary)
            QVERIFY2(std::abs(double(n) / casts - 1.0 / 64) < 0.01, qPrintable(QString::number(number)));
    }

    void seedsInOneClockTickStillDiffer()
    {
        ClockRandomSource random([] { return std::uint64_t(777); });
        QSet<std::uint64_t> seeds { random.lastSeed() };
        ConsultationState a, b;
        castYarrow(a, random);
        seeds.insert(random.lastSeed());
        castYarrow(b, random);
        seeds.insert(random.lastSeed());
        QCOMPARE(seeds.size(), 3);
        // Equal seeds would repeat the same cast every time.
        QSet<QString> casts;
        for (int i = 0; i < 10; ++i) {
            castSixLines(a, random);
            casts.insert(a.lineDigits);
        }
        QVERIFY(casts.size() > 1);
    }

    void seedsKeepRisingWhenTheClockGoesBack()
    {
        std::uint64_t now = 1000;
        ClockRandomSource random([&now] { return now; });
        QSet<std::uint64_t> seeds { random.lastSeed() };
        for (std::uint64_t t : { 1000, 999, 5, 1001, 1001 }) {
            now = t;
            random.seed();
            seeds.insert(random.lastSeed());
        }
        QCOMPARE(seeds.size(), 6);
    }
};

QTEST_GUILESS_MAIN(TestCasting)
#include "tst_casting.moc"
