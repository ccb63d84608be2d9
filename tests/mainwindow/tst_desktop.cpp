// The program on a Linux desktop: Qt's own texts in Dutch and in the windows' font, the start
// from the menu in the data folder, and the help file found and handed to a viewer.
#include "AppSetup.h"
#include "QtServices.h"
#include "ScriptedServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QStringList buttonTexts(const QWidget &box)
{
    QStringList texts;
    for (const QAbstractButton *button : box.findChildren<QAbstractButton *>())
        texts.append(button->text().remove(u'&'));
    return texts;
}

// Puts the current directory back, whatever a test made it.
struct KeepCurrentDir
{
    QString saved = QDir::currentPath();
    ~KeepCurrentDir() { QDir::setCurrent(saved); }
};

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpApplication(*qApp); }

    // Qt's own texts, in the context menu of an edit field and on the buttons of a message box
    // and a prompt, in Dutch, and the boxes in the windows' font (Liberation Sans).
    void qtTextsAreDutch()
    {
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QMessageBox box(
            QMessageBox::Question, u"LET OP!"_s, u"Bewaren?"_s, QMessageBox::Ok | QMessageBox::Cancel);
        QInputDialog prompt;
        prompt.show();
        QStringList texts = buttonTexts(box) + buttonTexts(prompt);
        for (const QAction *action : menu->actions())
            texts.append(action->text().remove(u'&').section(u'\t', 0, 0));
        for (const QString &text : { u"Knippen"_s, u"Plakken"_s, u"Ongedaan maken"_s, u"Annuleren"_s })
            QVERIFY2(texts.count(text) >= (text == u"Annuleren"_s ? 2 : 1), qPrintable(texts.join(u", "_s)));
        for (QWidget *window : { static_cast<QWidget *>(&box), static_cast<QWidget *>(&prompt) })
            QCOMPARE(QFontInfo(window->font()).family(), u"Liberation Sans"_s);
    }

    void promptFieldShowsItsLimit_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("text"); // must fit; empty: the prompt must fit the screen
        QTest::newRow("64, a long question")
            << 64 << u"Wat moet ik weten over mijn werk, mijn huis en de mensen om mij?"_s;
        QTest::newRow("90, a long edit") << 90 << QString(90, u'e');
        QTest::newRow("255, wider than the screen") << 255 << QString();
    }

    void promptFieldShowsItsLimit()
    {
        QFETCH(int, limit);
        QFETCH(QString, text);
        QTimer::singleShot(0, qApp, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const QLineEdit *field = dialog->findChild<QLineEdit *>();
            const int shown = field->width() - 8; // frame and text margins
            if (text.isEmpty())
                QVERIFY(dialog->frameGeometry().width() <= dialog->screen()->availableGeometry().width());
            else
                QVERIFY2(QFontMetrics(field->font()).horizontalAdvance(text) <= shown,
                    qPrintable(QString::number(shown)));
            dialog->reject();
        });
        QtPrompts prompts;
        QCOMPARE(prompts.input(u"Bewaar vraag?"_s, u"Vraag"_s, QString(), limit), std::nullopt);
    }

    void menuStartEntersTheDataFolder()
    {
        QVERIFY(startedFromMenu({ u"wendarix"_s, u"--menu"_s }));
        QVERIFY(!startedFromMenu({ u"wendarix"_s }));
        KeepCurrentDir keep;
        QTemporaryDir home;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        const QString entered = enterDataFolder();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(entered, home.filePath(u"WENDARIX"_s));
        QCOMPARE(QDir::currentPath(), entered);
    }

    void helpFile_data()
    {
        QTest::addColumn<QStringList>("placedIn"); // "current", "installed"
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<QString>("outcome"); // the folder the viewer got the file from, or the message
        QTest::newRow("in the current folder") << QStringList { u"current"_s } << true << u"current"_s;
        QTest::newRow("only where installed") << QStringList { u"installed"_s } << true << u"installed"_s;
        QTest::newRow("current folder first")
            << QStringList { u"installed"_s, u"current"_s } << true << u"current"_s;
        QTest::newRow("nowhere") << QStringList {} << true
                                 << u"Het bestand QUIVARHELP.chm is niet gevonden"_s;
        QTest::newRow("no viewer") << QStringList { u"current"_s } << false
                                   << u"Er is geen programma dat QUIVARHELP.chm kan tonen."_s;
    }

    // A stand-in xchm on the PATH writes down the file it was asked to show.
    void helpFile()
    {
        QFETCH(QStringList, placedIn);
        QFETCH(bool, viewer);
        QFETCH(QString, outcome);
        KeepCurrentDir keep;
        QTemporaryDir root;
        const QDir top(root.path());
        for (const QString &folder : { u"current"_s, u"installed"_s, u"bin"_s })
            QVERIFY(top.mkdir(folder));
        for (const QString &folder : placedIn) {
            QFile help(top.filePath(folder + u"/QUIVARHELP.chm"_s));
            QVERIFY(help.open(QIODevice::WriteOnly));
        }
        const QString record = top.filePath(u"shown.txt"_s);
        if (viewer) {
            QFile script(top.filePath(u"bin/xchm"_s));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + record.toUtf8() + "'\n");
            script.close();
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", top.filePath(u"bin"_s).toUtf8());
        QDir::setCurrent(top.filePath(u"current"_s));

        RecordingPrompts prompts;
        QtShell shell(prompts, top.filePath(u"installed"_s));
        shell.open(u"QUIVARHELP.chm"_s);
        qputenv("PATH", path);

        if (outcome.contains(u' ')) {
            QCOMPARE(prompts.errors.size(), 1);
            QVERIFY2(prompts.errors.first().startsWith(outcome), qPrintable(prompts.errors.first()));
            QVERIFY(!QFile::exists(record));
            return;
        }
        QVERIFY(prompts.shown.isEmpty());
        const auto shown = [&record] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTRY_COMPARE(shown(), top.filePath(outcome + u"/QUIVARHELP.chm"_s));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
