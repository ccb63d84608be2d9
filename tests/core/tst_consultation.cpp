#include "ScriptedServices.h"
#include "consultation.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Rig = ConsultationRig;

class TestConsultation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void methodCaptions_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("seeds");

        QTest::newRow("yarrow") << 0 << QList<int> {} << MethodCaptions::Yarrow << 1;
        QTest::newRow("coins") << 1 << QList<int> {} << MethodCaptions::Coins << 1;
        QTest::newRow("rice grains") << 2 << QList<int> {} << MethodCaptions::RiceGrains << 2;
        QTest::newRow("trigrams") << 3 << QList<int> {} << MethodCaptions::Trigrams << 1;
        QTest::newRow("six lines") << 4 << QList<int> {} << MethodCaptions::SixLines << 1;
        QTest::newRow("computer picks yarrow") << 5 << QList<int> { 0 } << MethodCaptions::PickedYarrow << 1;
        QTest::newRow("computer picks coins") << 5 << QList<int> { 1 } << MethodCaptions::PickedCoins << 1;
        QTest::newRow("computer picks rice")
            << 5 << QList<int> { 2 } << MethodCaptions::PickedRiceGrains << 2;
        QTest::newRow("computer picks trigrams") << 5 << QList<int> { 3 } << MethodCaptions::Trigrams << 1;
        QTest::newRow("computer picks six lines") << 5 << QList<int> { 4 } << MethodCaptions::SixLines << 1;
    }

    void methodCaptions()
    {
        QFETCH(int, method);
        QFETCH(QList<int>, draws);
        Rig rig;
        rig.random.draws.assign(draws.begin(), draws.end());
        rig.state.method = CastMethod(method);
        rig.state.question = u"Wat nu?"_s;
        qsizetype drawsBeforeCaption = -1;
        rig.view.onCaption = [&](const QString &) { drawsBeforeCaption = rig.random.asked.size(); };
        rig.consultation.runConsultation();
        // The caption is up before the method seeds and draws; only the computer's pick precedes it.
        QCOMPARE(drawsBeforeCaption, method == 5 ? 1 : 0);
        QCOMPARE(rig.view.captions.size(), 1);
        QTEST(rig.view.caption(), "caption");
        QTEST(rig.random.seeds, "seeds");
        QCOMPARE(rig.view.shown, 1);
        QCOMPARE(rig.state.lineDigits.size(), 6);
        QCOMPARE(int(rig.state.method), method);
        QCOMPARE(rig.state.question, u"Wat nu?"_s);
        if (method == 5)
            QCOMPARE(rig.random.asked.first(), 5); // the pick comes before the method's seeding
    }

    void givenDigits_data()
    {
        QTest::addColumn<QString>("own"); // null: the dice are read
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("primary");
        QTest::addColumn<int>("changed");
        QTest::newRow("own 789678") << u"789678"_s << QString() << u"789678"_s << 63 << 17;
        QTest::newRow("own 977776") << u"977776"_s << QString() << u"977776"_s << 43 << 44;
        QTest::newRow("own 777777") << u"777777"_s << QString() << u"777777"_s << 1 << 1;
        QTest::newRow("dice 123") << QString() << u"123"_s << u"779778"_s << 43 << 58;
        QTest::newRow("dice 886") << QString() << u"886"_s << u"888886"_s << 2 << 23;
        QTest::newRow("dice 12 second digit twice") << QString() << u"12"_s << u"797778"_s << 43 << 49;
        QTest::newRow("dice 111") << QString() << u"111"_s << u"977777"_s << 1 << 44;
    }

    void givenDigits()
    {
        QFETCH(QString, own);
        QFETCH(QString, dice);
        Rig rig;
        rig.state.method = CastMethod(own.isNull() ? 3 : 2); // a chosen method, which is not cast
        if (own.isNull()) {
            rig.state.diceInput = dice;
            rig.consultation.readDice();
        } else {
            rig.state.ownThrowInput = own;
            rig.consultation.readOwnThrow();
        }
        QTEST(rig.state.lineDigits, "digits");
        QTEST(rig.state.primaryNumber, "primary");
        QTEST(rig.state.changedNumber, "changed");
        QVERIFY(rig.state.isOwnThrow);
        QCOMPARE(rig.view.captions, QStringList { MethodCaptions::OwnThrow });
        QCOMPARE(rig.random.asked, QList<int> {}); // never casts
        QCOMPARE(rig.state.castDate, u"24-12-25 09:05:07"_s);
    }

    void incompleteOwnDigitsFallBackToYarrow_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<int>("method");
        QTest::newRow("789 with coins chosen") << u"789"_s << 1;
        QTest::newRow("7 with computer choosing") << u"7"_s << 5;
        QTest::newRow("78967 with yarrow chosen") << u"78967"_s << 0;
    }

    void incompleteOwnDigitsFallBackToYarrow()
    {
        QFETCH(QString, own);
        QFETCH(int, method);
        Rig rig;
        // An earlier consultation on screen does not stop the new cast.
        rig.state.lineDigits = u"777777"_s;
        rig.state.method = CastMethod(method);
        rig.state.ownThrowInput = own;
        rig.consultation.readOwnThrow();
        QCOMPARE(rig.prompts.messages, QStringList { CastMessages::Incomplete });
        QCOMPARE(rig.view.captions, QStringList { MethodCaptions::Yarrow });
        QCOMPARE(int(rig.state.method), method);
        QCOMPARE(rig.random.asked.first(), -1);
        QCOMPARE(rig.random.asked.size(), 1 + 18); // one seeding, 18 stalk draws
        QCOMPARE(rig.state.lineDigits.size(), 6);
        QVERIFY(!rig.state.isOwnThrow);
    }

    void noDigitsCastWithTheChosenMethod()
    {
        Rig rig;
        rig.state.method = CastMethod(4);
        rig.state.lineDigits = u"777777"_s;
        rig.consultation.readOwnThrow();
        QCOMPARE(rig.view.captions, QStringList { MethodCaptions::SixLines });
        QVERIFY(rig.prompts.messages.isEmpty());
    }

    void refusedInputChangesNothing_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<QString>("message");
        QTest::newRow("one dice digit") << QString() << u"1"_s << CastMessages::DiceInvalid;
        QTest::newRow("dice reader without digits") << QString() << u""_s << CastMessages::DiceInvalid;
        QTest::newRow("dice line 7") << QString() << u"127"_s << CastMessages::DiceNoSuchLine;
        QTest::newRow("dice line 8") << QString() << u"118"_s << CastMessages::DiceNoSuchLine;
        QTest::newRow("dice trigram 9 pasted") << QString() << u"913"_s << CastMessages::DiceInvalid;
        QTest::newRow("dice trigram 0 pasted") << QString() << u"103"_s << CastMessages::DiceInvalid;
        QTest::newRow("dice letter pasted") << QString() << u"1x3"_s << CastMessages::DiceInvalid;
        QTest::newRow("own digit 5 pasted") << u"778577"_s << QString() << CastMessages::OwnThrowInvalid;
        QTest::newRow("own letter in journal") << u"77a777"_s << QString() << CastMessages::OwnThrowInvalid;
        QTest::newRow("own seven digits") << u"7777777"_s << QString() << CastMessages::OwnThrowInvalid;
        // Short pasted text is not an incomplete cast: no yarrow fallback for it.
        QTest::newRow("own letters pasted") << u"abc"_s << QString() << CastMessages::OwnThrowInvalid;
        QTest::newRow("own digits with a 5 pasted") << u"75"_s << QString() << CastMessages::OwnThrowInvalid;
        QTest::newRow("own space pasted") << u" "_s << QString() << CastMessages::OwnThrowInvalid;
    }

    void refusedInputChangesNothing()
    {
        QFETCH(QString, own);
        QFETCH(QString, dice);
        Rig rig;
        rig.state.ownThrowInput = u"977776"_s;
        rig.consultation.readOwnThrow();
        rig.view.captions.clear();
        const ConsultationState before = rig.state;

        rig.state.ownThrowInput = own;
        rig.state.diceInput = dice;
        if (dice.isNull())
            rig.consultation.readOwnThrow();
        else
            rig.consultation.readDice();
        QTEST(rig.prompts.errors.value(0), "message");
        QCOMPARE(rig.prompts.errors.size(), 1);
        QCOMPARE(rig.view.shown, 1);
        QVERIFY(rig.view.captions.isEmpty());
        QCOMPARE(rig.state.lineDigits, before.lineDigits);
        QCOMPARE(rig.state.castDate, before.castDate);
        QCOMPARE(rig.state.lines, before.lines);
        QCOMPARE(rig.state.primaryNumber, 43);
        if (!dice.isNull() && dice.isEmpty())
            return; // the dialog never calls the dice reader without digits
        QCOMPARE(castInputError(own, dice), std::optional<QString>(rig.prompts.errors.value(0)));
    }

    void acceptedInputsAreNotRefused_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("dice");
        QTest::newRow("nothing") << QString() << QString();
        QTest::newRow("three own digits") << u"789"_s << QString();
        QTest::newRow("six own digits") << u"696969"_s << QString();
        QTest::newRow("two dice digits") << QString() << u"86"_s;
        QTest::newRow("dice win over bad own digits") << u"5"_s << u"886"_s;
    }

    void acceptedInputsAreNotRefused()
    {
        QFETCH(QString, own);
        QFETCH(QString, dice);
        QCOMPARE(castInputError(own, dice), std::optional<QString>());
    }

    void journalEntryKeepsItsDateAndEndsWithTheJournalCaption()
    {
        Rig rig;
        rig.state.isFromJournal = true;
        rig.state.castDate = u"01/02/03 04:05:06"_s;
        rig.state.ownThrowInput = u"879687"_s;
        rig.consultation.readOwnThrow();
        QCOMPARE(rig.view.captions, (QStringList { MethodCaptions::OwnThrow, MethodCaptions::FromJournal }));
        QCOMPARE(rig.state.castDate, u"01/02/03 04:05:06"_s);
        QCOMPARE(rig.state.primaryNumber, 18);
        QCOMPARE(rig.state.changedNumber, 64);
    }

    void givenLinesWithoutFlagsAreShownUnchanged()
    {
        Rig rig;
        rig.state.ownThrowInput = u"977776"_s;
        rig.consultation.readOwnThrow();
        rig.state.isOwnThrow = false;
        rig.view.captions.clear();
        rig.consultation.runConsultation();
        QVERIFY(rig.view.captions.isEmpty());
        QCOMPARE(rig.view.shown, 2);
        QCOMPARE(rig.random.asked, QList<int> {});
    }

    void castDateStamp_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("dateSep");
        QTest::addColumn<QString>("timeSep");
        QTest::addColumn<QString>("stamp");
        const QDateTime xmas(QDate(2025, 12, 24), QTime(9, 5, 7));
        QTest::newRow("dash and colon") << xmas << u"-"_s << u":"_s << u"24-12-25 09:05:07"_s;
        QTest::newRow("slash and dot") << xmas << u"/"_s << u"."_s << u"24/12/25 09.05.07"_s;
        QTest::newRow("two-character date separator") << xmas << u". "_s << u":"_s << u"24/12/25 09:05:07"_s;
        QTest::newRow("empty separators") << xmas << QString() << QString() << u"24/12/25 09:05:07"_s;
        QTest::newRow("blank and letter separators") << xmas << u" "_s << u"h"_s << u"24/12/25 09:05:07"_s;
        QTest::newRow("direction mark and accent separators")
            << xmas << u"\u200F"_s << u"\u0301"_s << u"24/12/25 09:05:07"_s;
        QTest::newRow("control and symbol separators")
            << xmas << u"\x01"_s << u"+"_s << u"24/12/25 09:05:07"_s;
        QTest::newRow("midnight new year 2000")
            << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)) << u"/"_s << u":"_s << u"01/01/00 00:00:00"_s;
        QTest::newRow("last second of 2099") << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << u"/"_s
                                             << u":"_s << u"31/12/99 23:59:59"_s;
    }

    void castDateStamp()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, dateSep);
        QFETCH(QString, timeSep);
        const QString stamp = formatCastDate(moment, dateSep, timeSep);
        QTEST(stamp, "stamp");
        QCOMPARE(stamp.size(), 17);
    }

    void separatorsOfLocaleFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("separator");
        QTest::newRow("dutch date") << u"dd-MM-yyyy"_s << u"-"_s;
        QTest::newRow("american date") << u"M/d/yy"_s << u"/"_s;
        QTest::newRow("german date") << u"dd.MM.yy"_s << u"."_s;
        QTest::newRow("time") << u"HH:mm:ss"_s << u":"_s;
        QTest::newRow("two-character") << u"d. M. yyyy"_s << u". "_s;
        QTest::newRow("no separator") << u"yyyyMMdd"_s << QString();
    }

    void separatorsOfLocaleFormats()
    {
        QFETCH(QString, format);
        QTEST(separatorOfFormat(format), "separator");
    }
};

QTEST_GUILESS_MAIN(TestConsultation)
#include "tst_consultation.moc"
