// The session's intents: what each changes and what it tells the windows, in order.
#include "ScriptedServices.h"
#include "Session.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct SessionRig
{
    ScriptedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    Session session { random, clock, prompts };
    QStringList log;

    SessionRig()
    {
        const auto note = [this](const QString &what) { log << what; };
        QObject::connect(&session, &Session::consultationShown, &session, [=] { note(u"shown"_s); });
        QObject::connect(&session, &Session::intermediateShown, &session, [=] { note(u"intermediate"_s); });
        QObject::connect(&session, &Session::questionConfirmed, &session, [=] { note(u"confirmed"_s); });
        QObject::connect(&session, &Session::methodCaptionChanged, &session,
            [=](const QString &caption) { note(u"caption "_s + caption.section(u' ', -1)); });
        QObject::connect(&session, &Session::dateTextChanged, &session,
            [=](const QString &date) { note(u"date "_s + date); });
        QObject::connect(&session, &Session::listNumberChanged, &session,
            [=](const ListNumber &number) { note(u"list "_s + number.text()); });
        QObject::connect(&session, &Session::viewChanged, &session,
            [=](ConsultationViewKind view) { note(u"view %1"_s.arg(int(view))); });
    }

    // One step of a row's script.
    void run(const QString &step)
    {
        const QString arg = step.section(u' ', 1);
        if (step.startsWith(u"confirm"))
            session.confirmQuestion(u"Vraag"_s, arg, QString());
        else if (step.startsWith(u"replay")) {
            session.replay(u"Vraag"_s, arg);
            session.showEntryDate(u"01/01/01 01:01:01"_s);
            session.showListPosition(3, 12);
        } else if (step == u"nuclear")
            session.toggleNuclearView();
        else if (step == u"intermediate")
            session.toggleIntermediateView();
        else if (step == u"recast")
            session.recast();
        else if (step == u"begin")
            session.beginQuestion();
    }
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void intents_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("lastSignals"); // what the last step told, in order
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("stored");

        QTest::newRow("a question") << QStringList { u"confirm 977776"_s }
                                    << QStringList { u"confirmed"_s, u"view 0"_s, u"list Nieuw"_s,
                                           u"caption Zien"_s, u"shown"_s }
                                    << u"Nieuw"_s << 0 << false;
        QTest::newRow("a refused question changes nothing")
            << QStringList { u"confirm 12"_s } << QStringList {} << u"Lijstnummer"_s << 0 << false;
        QTest::newRow("an entry keeps its date through the nuclear view")
            << QStringList { u"replay 977776"_s, u"nuclear"_s }
            << QStringList { u"caption Zien"_s, u"caption Geschiedenislijst."_s, u"shown"_s, u"view 2"_s,
                   u"caption Geschiedenislijst."_s, u"date 01/01/01 01:01:01"_s }
            << u"3 v 12"_s << 2 << false;
        QTest::newRow("the intermediate view draws one panel")
            << QStringList { u"confirm 977776"_s, u"intermediate"_s }
            << QStringList { u"intermediate"_s, u"view 1"_s, u"caption Zien"_s, u"date 07/03/25 09:05:07"_s }
            << u"Nieuw"_s << 1 << false;
        QTest::newRow("leaving a view restores caption and date")
            << QStringList { u"replay 977776"_s, u"intermediate"_s, u"nuclear"_s }
            << QStringList { u"caption Zien"_s, u"caption Geschiedenislijst."_s, u"shown"_s, u"view 0"_s,
                   u"caption Geschiedenislijst."_s, u"date 01/01/01 01:01:01"_s }
            << u"3 v 12"_s << 0 << false;
        QTest::newRow("no moving line, no intermediate view")
            << QStringList { u"confirm 777777"_s, u"intermediate"_s }
            << QStringList { u"view 0"_s, u"date 07/03/25 09:05:07"_s } << u"Nieuw"_s << 0 << false;
        QTest::newRow("a recast leaves the list number")
            << QStringList { u"replay 977776"_s, u"nuclear"_s, u"recast"_s }
            << QStringList { u"view 0"_s, u"caption Duizendblad-Orakel"_s, u"shown"_s } << u"3 v 12"_s << 0
            << false;
        QTest::newRow("a new question after an entry counts it stored")
            << QStringList { u"replay 977776"_s, u"begin"_s } << QStringList {} << u"3 v 12"_s << 0 << true;
    }

    void intents()
    {
        QFETCH(QStringList, script);
        SessionRig rig;
        rig.clock = FixedClock(QDateTime(QDate(2025, 3, 7), QTime(9, 5, 7)), u"/"_s);
        for (const QString &step : script) {
            rig.log.clear();
            rig.run(step);
        }
        QTEST(rig.log, "lastSignals");
        QTEST(rig.session.listNumber().text(), "list");
        QTEST(int(rig.session.view()), "view");
        QTEST(rig.session.state().storedInJournal, "stored");
        QCOMPARE(rig.session.state().secondaryViewActive, rig.session.view() != ConsultationViewKind::Normal);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
