#include "QuivarDATA.h"
#include "QuivarFuncties.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestOracleTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titlesAndHouseWords()
    {
        const QStringList titles = {
            u"HET SCHEPPENDE"_s,
            u"HET ONTVANGENDE"_s,
            u"AANVANGSPROBLEMEN"_s,
            u"ONERVARENHEID"_s,
            u"HET WACHTEN"_s,
            u"HET CONFLICT"_s,
            u"VERZAMELDE KRACHT"_s,
            u"VERENIGING"_s,
            u"KLEINE VRUCHTBAARHEID"_s,
            u"HET OPTREDEN"_s,
            u"DE VREDE"_s,
            u"DE WANKLANK"_s,
            u"SAAMHORIGHEID"_s,
            u"OVERVLOED"_s,
            u"DE BESCHEIDENHEID"_s,
            u"DE GEESTDRIFT"_s,
            u"DE NAVOLGING"_s,
            u"HET HERSTELLEN"_s,
            u"DE TOENADERING"_s,
            u"DE BESCHOUWING"_s,
            u"HET DOORBIJTEN"_s,
            u"DE BEKOORLIJKHEID"_s,
            u"DE VERSPLINTERING"_s,
            u"HET KEERPUNT"_s,
            u"DE ONSCHULD"_s,
            u"DE TEMMENDE KRACHT"_s,
            u"DE VOEDING"_s,
            u"OVERDAAD IN HET GROTE"_s,
            u"HET ONPEILBARE"_s,
            u"HET ZICH-HECHTENDE"_s,
            u"DE AANTREKKING"_s,
            u"DE DUURZAAMHEID"_s,
            u"DE AFZIJDIGHEID"_s,
            u"MACHT VAN HET GROTE"_s,
            u"DE VOORUITGANG"_s,
            u"DE VERDUISTERING"_s,
            u"HET GEZIN (DE CLAN)"_s,
            u"DE TEGENSTELLING"_s,
            u"DE HINDERNIS"_s,
            u"DE BEVRIJDING"_s,
            u"DE VERMINDERING"_s,
            u"DE VERMEERDERING"_s,
            u"DE VASTBERADENHEID"_s,
            u"HET TEGEMOETKOMEN"_s,
            u"HET VERZAMELEN"_s,
            u"HET OMHOOGDRINGEN"_s,
            u"DE BENAUWENIS"_s,
            u"DE BRON"_s,
            u"DE OMWENTELING"_s,
            u"KOSMISCHE ORDE"_s,
            u"HET OPWINDENDE"_s,
            u"HET STILHOUDEN"_s,
            u"DE ONTWIKKELING"_s,
            u"BETAMELIJKHEID"_s,
            u"DE VOLHEID"_s,
            u"DE ZWERVER"_s,
            u"HET ZACHTMOEDIGE"_s,
            u"HET BLIJMOEDIGE"_s,
            u"DE OPLOSSING"_s,
            u"DE BEPERKING"_s,
            u"INNERLIJKE WAARHEID"_s,
            u"BEPERKTE INVLOED"_s,
            u"NA DE VOLTOOIING"_s,
            u"VOOR DE VOLEINDING"_s,
        };
        QCOMPARE(titles.size(), 64);
        for (int n = 1; n <= 64; ++n)
            QCOMPARE(Title(n), titles[n - 1]);
        const QStringList houses = { u"Uitdaging"_s, u"Ontwikkeling"_s, u"Ontwaken"_s, u"Voorspoed"_s,
            u"Tegenspoed"_s, u"Intensiteit"_s, u"Vastberadenheid"_s, u"Ontsnapping"_s };
        for (int t = 1; t <= 8; ++t)
            QCOMPARE(HouseWords(t), houses[t - 1]);
    }

    void columns_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        QTest::addColumn<double>("average");
        QTest::newRow("titles") << 0 << 64 << 7 << 21 << 0.0;
        QTest::newRow("process texts") << 64 << 64 << 54 << 127 << 88.0;
        QTest::newRow("advice") << 128 << 64 << 17 << 34 << 26.0;
        QTest::newRow("line texts") << 192 << 384 << 52 << 77 << 70.0;
    }

    void columns()
    {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, shortest);
        QFETCH(int, longest);
        QFETCH(double, average);
        static const QRegularExpression formal(u"\\b[Uu]w?\\b"_s);
        double total = 0;
        for (int i = first; i < first + count; ++i) {
            const QString text = OracleTexts[std::size_t(i)].toString();
            const QByteArray where = "entry " + QByteArray::number(i) + ": " + text.toUtf8();
            QVERIFY2(text.size() >= shortest && text.size() <= longest, where.constData());
            QVERIFY2(text == text.trimmed(), where.constData());
            for (QChar c : text) {
                const bool allowed = (c.unicode() >= 0x20 && c.unicode() < 0x7f) || c == u'è' || c == u'é'
                    || c == u'ë' || c == u'ï';
                QVERIFY2(allowed, where.constData());
            }
            if (first == 128)
                QVERIFY2(text.endsWith(u'.'), where.constData());
            if (first >= 64) // one voice: the reader is "je", never "u"
                QVERIFY2(!text.contains(formal), where.constData());
            total += text.size();
        }
        if (average > 0)
            QVERIFY2(std::abs(total / count - average) <= 0.15 * average, QByteArray::number(total / count));
    }

    void noTwoTextsAlike()
    {
        QSet<QString> seen;
        for (QStringView text : OracleTexts)
            seen.insert(text.toString());
        QCOMPARE(seen.size(), 576);
    }

    void lookupsUseTheirEntries()
    {
        QCOMPARE(LineTexts(1, 1), OracleTexts[192].toString());
        QCOMPARE(LineTexts(64, 6), OracleTexts[575].toString());
        QCOMPARE(LineTexts(43, 1), OracleTexts[444].toString());
        QCOMPARE(LineTexts(43, 6), OracleTexts[449].toString());
        QCOMPARE(ProcessText(1), OracleTexts[64].toString());
        QCOMPARE(AdviceText(64), OracleTexts[191].toString());
        QCOMPARE(Title(0), QString());
        QCOMPARE(LineTexts(1, 7), QString());
        QCOMPARE(HouseWords(9), QString());
    }

    void houseWordsOfACast()
    {
        ConsultationState s;
        s.lines = { 9, 7, 7, 7, 7, 6 };
        s.derivePatterns();
        QCOMPARE(HouseWords(s.primaryUpperTrigram), u"Ontsnapping"_s);
        QCOMPARE(HouseWords(s.changedUpperTrigram), u"Uitdaging"_s);
    }
};

QTEST_GUILESS_MAIN(TestOracleTexts)
#include "tst_oracletexts.moc"
