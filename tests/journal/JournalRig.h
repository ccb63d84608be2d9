#pragma once

// The whole program on journal files in a temporary directory, with scripted services.

#include "AppSetup.h"
#include "FileBytes.h"
#include "MainWindowRig.h"
#include "Program.h"
#include "QuietRaise.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Entry n of the journals written here: a question and a date of its own, hexagram 1 or 2.
inline QString entry(int n)
{
    return u"01/01/25 10:%1:00,Vraag %1, of niet?,0%2,00,%3"_s.arg(n, 2, 10, QChar(u'0'))
        .arg(n % 2 ? 1 : 2)
        .arg(n % 2 ? u"777777"_s : u"888888"_s);
}

inline QByteArray journalOf(int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += entry(n).toLatin1() + "\r\n";
    return bytes;
}

struct JournalRig : WindowServices
{
    QTemporaryDir dir;
    const QString home = QDir::currentPath();
    Program program { { &random, &clock, &prompts, &shell } };
    TForm1 &form = program.mainWindow();
    MainControls ui { form };
    ConsultationState &state = SessionProbe::state(program.session());
    JournalState &journal = SessionProbe::journal(program.session());

    static void setUpApplication()
    {
        ::setUpApplication(*qApp);
        quietenRaiseWarnings();
        QLocale::setDefault(QLocale::c());
    }

    JournalRig()
    {
        QDir::setCurrent(dir.path());
        // The user leaves the question dialog; the main window is usable.
        control<QPushButton>(program.questionDialog(), u"CancelBtn")->click();
    }
    ~JournalRig() { QDir::setCurrent(home); }

    // A new question, asked through the dialog with own digits.
    void consult(const QString &question, const QString &digits = u"977777"_s)
    {
        QTest::mouseClick(ui.knpVraag, Qt::LeftButton);
        QVERIFY(program.questionDialog().isVisible());
        QVERIFY(program.questionDialog().confirmQuestion(question, digits, QString()));
    }
    static void write(const QByteArray &bytes) { putBytes(JournalFileName, bytes); }
    static QByteArray file(const QString &name = JournalFileName) { return bytesOf(name); }
    void back(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(ui.BackHistory, Qt::LeftButton);
    }
    void forward() { QTest::mouseClick(ui.GoHistory, Qt::LeftButton); }
    void save() { QTest::mouseClick(ui.knpBewaar, Qt::LeftButton); }
    QString shownQuestion() const { return ui.lbl_Vraag->text(); }
    QString listNumber() const { return ui.lbRegelnr->text(); }
};

// Entry n is on screen as a consultation from the journal.
#define QVERIFY_SHOWS(rig, n, of)                                                                            \
    do {                                                                                                     \
        QCOMPARE((rig).listNumber(), u"%1 v %2"_s.arg(n).arg(of));                                           \
        QCOMPARE((rig).ui.lbl_Datumx->text(), entry(n).left(17));                                            \
        QCOMPARE((rig).shownQuestion(), u"Vraag %1, of niet?"_s.arg(n, 2, 10, QChar(u'0')));                 \
        QCOMPARE((rig).ui.lbl_Methode->text(), MethodCaptions::FromJournal);                                 \
    } while (false)
