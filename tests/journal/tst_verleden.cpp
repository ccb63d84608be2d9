// The journal window "Verleden" on journal files in a temporary directory: its layout, the
// replays from the list, deleting, clearing, restoring, editing and copying, and a list that
// follows the file.
#include "History.h"
#include "JournalRig.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>

#include <functional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct WindowRig : JournalRig
{
    TVerleden &window = program.journalWindow();
    QListView *list = control<QListView>(window, u"lbxLijst");

    explicit WindowRig(int entries = 5)
        : WindowRig(journalOf(entries))
    { }
    explicit WindowRig(const QByteArray &bytes)
    {
        write(bytes);
        open();
    }
    void open() { QTest::mouseClick(ui.knpOpen, Qt::LeftButton); }
    void press(const char16_t *button)
    {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    // A click on entry n (1-based) of the list.
    void clickEntry(int n, Qt::KeyboardModifiers modifiers = {})
    {
        const QModelIndex index = list->model()->index(n - 1, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(index).center());
    }
    QList<int> selected() const
    {
        QList<int> rows;
        for (const QModelIndex &index : list->selectionModel()->selectedRows())
            rows.append(index.row() + 1);
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    int focused() const { return list->currentIndex().row() + 1; }
    int rows() const { return list->model()->rowCount(); }
    static QByteArray backup() { return file(JournalBackupName); }
};

QByteArray entries(std::initializer_list<int> numbers)
{
    QByteArray bytes;
    for (int n : numbers)
        bytes += entry(n).toLatin1() + "\r\n";
    return bytes;
}

// A folder in which no file may be made, though its files may still be written; root needs the
// immutable flag for that.
bool makeReadOnly(const QString &folder, bool readOnly)
{
    if (geteuid() == 0)
        return QProcess::execute(u"chattr"_s, { readOnly ? u"+i"_s : u"-i"_s, folder }) == 0;
    const auto all = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser;
    return QFile::setPermissions(folder, readOnly ? all : all | QFile::WriteOwner | QFile::WriteUser);
}

using Steps = std::function<void(WindowRig &)>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestVerleden : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { JournalRig::setUpApplication(); }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("tabStop");
        QTest::newRow("lbxLijst") << u"lbxLijst"_s << QRect(9, 9, 544, 326) << QString()
                                  << u"Kopieer de tekst naar klembord"_s << true;
        QTest::newRow("btWisLst") << u"btWisLst"_s << QRect(9, 343, 65, 22) << u"Wis Lijst"_s << QString()
                                  << true;
        QTest::newRow("btWisSel") << u"btWisSel"_s << QRect(76, 343, 93, 22) << u"Wis Selectie"_s
                                  << u"Selectie = Klik (+ Ctrl / Shift)"_s << true;
        QTest::newRow("btKlip") << u"btKlip"_s << QRect(206, 343, 88, 22) << u"Kopieer Lijst"_s << QString()
                                << true;
        QTest::newRow("btBewerk") << u"btBewerk"_s << QRect(322, 342, 99, 22) << u"Bewerk vraag"_s
                                  << u"Bewerk de Vraag"_s << true;
        QTest::newRow("btKeuze")
            << u"btKeuze"_s << QRect(446, 342, 109, 22) << u"Kies een vraag"_s
            << u"Zet de gekozen vraag weer op het scherm; een klik of Enter in de lijst doet hetzelfde."_s
            << true;
        QTest::newRow("btHerstel") << u"btHerstel"_s << QRect(42, 371, 66, 22) << u"Herstel"_s << QString()
                                   << true;
        QTest::newRow("Label1") << u"Label1"_s << QRect(214, 374, 147, 13) << u"Is de Vraag al Bewaard??"_s
                                << QString() << false;
        QTest::newRow("btGoBew") << u"btGoBew"_s << QRect(398, 370, 64, 22) << u"Doe Nu"_s << QString()
                                 << true;
        QTest::newRow("btTerug") << u"btTerug"_s << QRect(495, 370, 60, 22) << u"&Sluiten"_s << QString()
                                 << true;
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        WindowRig rig;
        QCOMPARE(rig.window.windowTitle(), u"Verleden"_s);
        QCOMPARE(rig.window.size(), QSize(563, 400));
        QCOMPARE(rig.window.pos(), QPoint(25, 230));
        QVERIFY(!rig.window.parentWidget());
        QWidget *control = rig.window.findChild<QWidget *>(name);
        QVERIFY(control);
        QFETCH(QRect, place);
        QCOMPARE(control->geometry(), place);
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), caption);
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
        QCOMPARE(control->toolTip(), hint);
        QFETCH(bool, tabStop);
        QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), tabStop);
        QVERIFY(!control->accessibleName().isEmpty() || !caption.isEmpty());
    }

    void tabOrderAndEsc()
    {
        WindowRig rig;
        TVerleden &w = rig.window;
        QStringList order { rig.list->objectName() };
        for (QWidget *next = rig.list->nextInFocusChain(); next != rig.list;
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(&w))
                order.append(next->objectName());
        }
        QCOMPARE(order,
            (QStringList { u"lbxLijst"_s, u"btWisLst"_s, u"btWisSel"_s, u"btKeuze"_s, u"btTerug"_s,
                u"btKlip"_s, u"btGoBew"_s, u"btBewerk"_s, u"btHerstel"_s }));
        QCOMPARE(control<QPushButton>(w, u"btHerstel")->cursor().shape(), Qt::PointingHandCursor);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QVERIFY(rig.form.isEnabled());
    }

    // Without a mouse: Tab reaches the list, Enter shows the focused entry, Delete asks and
    // deletes the selection. A screen reader hears the list by its name and an entry as a sentence.
    void keyboardWalk()
    {
        WindowRig rig;
        TVerleden &w = rig.window;
        auto *herstel = control<QPushButton>(w, u"btHerstel");
        herstel->setFocus();
        QTest::keyClick(herstel, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), rig.list);
        QTest::keyClick(rig.list, Qt::Key_Return);
        QVERIFY_SHOWS(rig, 5, 5);
        QCOMPARE(rig.selected(), QList<int> { 5 });
        QTest::keyClick(rig.list, Qt::Key_Up);
        QTest::keyClick(rig.list, Qt::Key_Delete);
        QCOMPARE(rig.prompts.confirms, QStringList { u"Selectie wordt verwijderd!"_s });
        QCOMPARE(rig.file(), entries({ 1, 2, 3, 5 }));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(rig.list);
        QCOMPARE(list->text(QAccessible::Name), u"Geschiedenislijst"_s);
        QCOMPARE(list->text(QAccessible::Description), u"Kopieer de tekst naar klembord"_s);
        QCOMPARE(list->child(0)->text(QAccessible::Name),
            u"Vraag 1 van 4, 1 januari 2025 om 10:01: Vraag 01, of niet? Hexagram 1"_s);
    }

    // Ctrl+F, then typing: the first entry from the top that holds the text is focused and
    // selected; Enter and F3 go on, with Shift back, round the ends; Esc closes the field.
    void findAsYouType()
    {
        WindowRig rig;
        QByteArray journal;
        for (int n = 1; n <= 12; ++n)
            journal += u"01/01/25 10:%1:00,Vraag nummer %2, of niet?,01,00,777777\r\n"_s
                           .arg(n, 2, 10, QChar(u'0'))
                           .arg(n)
                           .toLatin1();
        rig.write(journal);
        rig.open();
        TVerleden &w = rig.window;
        QVERIFY(!w.findChild<QLineEdit *>(u"zoekVeld"_s));
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        auto *field = w.findChild<QLineEdit *>(u"zoekVeld"_s);
        QVERIFY(field && field->isVisible() && field->hasFocus());
        auto *count = w.findChild<QLabel *>(u"zoekAantal"_s);
        QTest::keyClicks(field, u"nummer 7,"_s);
        QCOMPARE(rig.focused(), 7);
        QCOMPARE(rig.selected(), QList<int> { 7 });
        QCOMPARE(count->text(), u"1 van 1"_s);
        field->selectAll();
        QTest::keyClicks(field, u"NÚMMER 1"_s);
        QCOMPARE(rig.focused(), 1);
        QCOMPARE(count->text(), u"1 van 4"_s);
        const struct
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int to;
        } steps[] = { { Qt::Key_F3, {}, 10 }, { Qt::Key_Return, {}, 11 },
            { Qt::Key_Return, Qt::ShiftModifier, 10 }, { Qt::Key_F3, Qt::ShiftModifier, 1 },
            { Qt::Key_F3, {}, 10 }, { Qt::Key_F3, Qt::ShiftModifier, 1 } };
        for (const auto &step : steps) {
            QTest::keyClick(field, step.key, step.modifiers);
            QCOMPARE(rig.focused(), step.to);
        }
        QTest::keyClick(field, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(rig.focused(), 12);
        QCOMPARE(count->text(), u"4 van 4"_s);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QVERIFY(w.isVisible());
        QCOMPARE(w.focusWidget(), rig.list);
        QCOMPARE(rig.file(), journal);
        QCOMPARE(rig.listNumber(), u"Lijstnummer"_s);
    }

    // A plain click replays at once, and so does a Ctrl+click that adds to the selection; an
    // arrow key replays the entry it moves to.
    void clicksAndKeysReplay()
    {
        WindowRig rig;
        rig.clickEntry(2);
        QVERIFY_SHOWS(rig, 2, 5);
        rig.clickEntry(4, Qt::ControlModifier);
        QVERIFY_SHOWS(rig, 4, 5);
        QCOMPARE(rig.selected(), (QList<int> { 2, 4 }));
        QVERIFY(rig.state.storedInJournal);
        QTest::keyClick(rig.list, Qt::Key_Up);
        QVERIFY_SHOWS(rig, 3, 5);
        rig.press(u"btKeuze");
        QVERIFY_SHOWS(rig, 3, 5);
    }

    void reopeningSelectsTheEntryLastReplayed_data()
    {
        QTest::addColumn<int>("replayed");
        QTest::addColumn<QList<int>>("selection");
        QTest::newRow("entry 5") << 5 << QList<int> { 5 };
        QTest::newRow("entry 1: nothing") << 1 << QList<int>();
    }

    void reopeningSelectsTheEntryLastReplayed()
    {
        QFETCH(int, replayed);
        WindowRig rig(6);
        rig.clickEntry(replayed);
        rig.press(u"btTerug");
        rig.open();
        QFETCH(QList<int>, selection);
        QCOMPARE(rig.selected(), selection);
        QCOMPARE(rig.focused(), 6);
    }

    void deletingTheSelection()
    {
        WindowRig rig;
        rig.clickEntry(2);
        rig.clickEntry(4, Qt::ControlModifier);
        rig.press(u"btWisSel");
        QCOMPARE(rig.prompts.confirms, QStringList { u"Selectie wordt verwijderd!"_s });
        QCOMPARE(rig.prompts.confirmIcons, QList<Prompts::Icon> { Prompts::Icon::Warning });
        QCOMPARE(rig.file(), entries({ 1, 3, 5 }));
        QCOMPARE(rig.backup(), journalOf(5));
        QCOMPARE(rig.listNumber(), u"3 v 3"_s);
        QVERIFY(!rig.state.storedInJournal);
        QVERIFY(rig.window.isEnabled());
        rig.press(u"btTerug");
        rig.open();
        QCOMPARE(rig.selected(), QList<int>());
    }

    void deletingNothingAsksNothing()
    {
        WindowRig rig;
        rig.state.storedInJournal = true;
        rig.press(u"btWisSel");
        QVERIFY(rig.prompts.confirms.isEmpty());
        QCOMPARE(rig.file(), journalOf(5));
        QCOMPARE(rig.backup(), QByteArray("<none>"));
        QVERIFY(!rig.state.storedInJournal);
        QCOMPARE(rig.listNumber(), u"0 v 5"_s);
    }

    void clearingAndRestoring()
    {
        WindowRig rig;
        rig.prompts.confirmAnswer = false;
        rig.press(u"btWisLst");
        QCOMPARE(rig.prompts.confirms, QStringList { u"Hele Lijst Wissen?!"_s });
        QCOMPARE(rig.file(), journalOf(5));
        QVERIFY(rig.window.isEnabled());
        rig.prompts.confirmAnswer = true;
        rig.press(u"btWisLst");
        QCOMPARE(rig.file(), QByteArray());
        QCOMPARE(rig.backup(), journalOf(5));
        QCOMPARE(rig.rows(), 0);
        QCOMPARE(rig.listNumber(), u"0 v 0"_s);
        rig.press(u"btHerstel");
        QCOMPARE(rig.file(), journalOf(5));
        QCOMPARE(rig.rows(), 5);
        QCOMPARE(rig.listNumber(), u"5 v 5"_s);
        QCOMPARE(rig.prompts.messages, QStringList { u"Lijst is hersteld naar laatst bewerkte versie."_s });
    }

    void editingAQuestion_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QByteArray>("backup");
        const QByteArray head = entry(2).left(18).toLatin1(), tail = entry(2).right(13).toLatin1();
        QTest::newRow("emptied: three dots")
            << std::optional(QString()) << head + "..." + tail << journalOf(3);
        QTest::newRow("a line break becomes a space")
            << std::optional(u"Nieuw,\r\nnu"_s) << head + "Nieuw, nu" + tail << journalOf(3);
    }

    void editingAQuestion()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QByteArray, second);
        WindowRig rig(3);
        rig.clickEntry(2);
        rig.prompts.inputAnswer = answer;
        rig.press(u"btBewerk");
        QCOMPARE(rig.prompts.inputCaptions, QStringList { u"Bewerk Selectie:"_s });
        QCOMPARE(rig.prompts.inputInitials, QStringList { u"Vraag 02, of niet?"_s });
        QCOMPARE(rig.prompts.inputMaxLengths, QList<int> { 255 });
        QFETCH(QByteArray, backup);
        QCOMPARE(rig.backup(), backup);
        QCOMPARE(rig.file(), entries({ 1 }) + second + "\r\n" + entries({ 3 }));
        QCOMPARE(rig.selected(), QList<int> { 2 });
    }

    void copyingTheList_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("three") << 3;
        QTest::newRow("empty") << 0;
    }

    void copyingTheList()
    {
        QFETCH(int, count);
        WindowRig rig(count);
        QGuiApplication::clipboard()->setText(u"iets anders"_s);
        rig.press(u"btKlip");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(journalOf(count)));
    }

    void saveNowOnAStoredConsultation()
    {
        WindowRig rig(2);
        rig.clickEntry(1);
        rig.write(journalOf(3));
        rig.press(u"btGoBew");
        QVERIFY(rig.prompts.shown.isEmpty());
        QCOMPARE(rig.rows(), 3);
        QVERIFY(rig.window.isVisible());
    }

    // A consultation saved in the main window while the list is open joins the list, keeps the
    // selection where it was, and survives deleting here; "Herstel" keeps what was saved after
    // the backup too.
    void theListFollowsTheFile()
    {
        WindowRig rig(3);
        rig.clickEntry(2);
        rig.consult(u"Eerst bewaard"_s);
        rig.save();
        QTRY_COMPARE(rig.rows(), 4);
        QCOMPARE(rig.selected(), QList<int> { 2 });
        rig.press(u"btWisSel");
        const QByteArray first = rig.file().mid(entries({ 1, 3 }).size());
        QVERIFY(first.contains(",Eerst bewaard,01,44,977777"));
        QCOMPARE(rig.backup(), journalOf(3) + first);
        rig.consult(u"Daarna bewaard"_s);
        rig.save();
        const QByteArray second = rig.file().mid(entries({ 1, 3 }).size() + first.size());
        QVERIFY(second.contains(",Daarna bewaard,"));
        rig.press(u"btHerstel");
        QCOMPARE(rig.file(), journalOf(3) + first + second);
        QCOMPARE(rig.listNumber(), u"5 v 5"_s);
    }

    void aFailedBackupLeavesTheJournal()
    {
        WindowRig rig;
        QVERIFY(QDir().mkdir(JournalBackupName));
        rig.press(u"btWisLst");
        QCOMPARE(rig.prompts.errors.size(), 1);
        QVERIFY(rig.prompts.errors.first().contains(JournalBackupName));
        QCOMPARE(rig.file(), journalOf(5));
        QCOMPARE(rig.rows(), 5);
    }

    // What a tester found, each as the user met it: the steps, the journal file and backup
    // after them, and a text the user was shown.
    void testersFaults_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QByteArray>("file"); // how the file starts after the steps
        QTest::addColumn<int>("lines");
        QTest::addColumn<QByteArray>("backup");
        QTest::addColumn<QString>("said");
        QTest::newRow("a cancelled edit keeps the only backup") << journalOf(4) << Steps([](WindowRig &rig) {
            rig.clickEntry(2);
            rig.clickEntry(3, Qt::ControlModifier);
            rig.clickEntry(4, Qt::ControlModifier);
            rig.press(u"btWisSel");
            rig.clickEntry(1);
            rig.press(u"btBewerk");
            rig.press(u"btHerstel");
        }) << journalOf(4) << 4 << journalOf(4) << u"Lijst is hersteld naar laatst bewerkte versie."_s;
        QTest::newRow("Herstel without a backup")
            << journalOf(2) << Steps([](WindowRig &rig) { rig.press(u"btHerstel"); }) << journalOf(2) << 2
            << QByteArray("<none>") << u"Er is geen reservekopie"_s;
        const QByteArray utf8 = u"01/01/25 10:01:00,Café of thé?,01,00,777777\r\n"_s.toUtf8();
        QTest::newRow("UTF-8 without a mark stays UTF-8") << utf8 << Steps([](WindowRig &rig) {
            QCOMPARE(rig.list->model()->index(0, 0).data().toString().mid(18, 12), u"Café of thé?"_s);
            rig.consult(u"Één vraag"_s);
            rig.save();
            QVERIFY(rig.file().endsWith(u",Één vraag,01,44,977777\r\n"_s.toUtf8()));
        }) << utf8 << 2 << QByteArray("<none>") << JournalTexts::Added;
        QTest::newRow("a fresh cast is offered for saving before <<") << journalOf(
            3) << Steps([](WindowRig &rig) {
            rig.back();
            QTest::keyClick(&rig.form, Qt::Key_H);
            rig.back();
        }) << journalOf(3) << 4 << QByteArray("<none>") << JournalTexts::SaveFirst;
        const QByteArray long300 = "01/01/25 10:01:00," + QByteArray(300, 'v') + ",01,00,777777\r\n";
        QTest::newRow("an unchanged long question writes nothing") << long300 << Steps([](WindowRig &rig) {
            rig.clickEntry(1);
            rig.prompts.inputAnswer = QString(255, u'v');
            rig.press(u"btBewerk");
        }) << long300 << 1 << QByteArray("<none>") << u"Max. Ongeveer 90 tekens."_s;
        const QByteArray dateOnly = "26/02/25 11:00:00\r\n" + entries({ 2 });
        QTest::newRow("an entry too short to hold a question") << dateOnly << Steps([](WindowRig &rig) {
            rig.clickEntry(1);
            rig.press(u"btBewerk");
            QVERIFY(rig.prompts.inputs.isEmpty());
        }) << dateOnly << 2 << QByteArray("<none>") << u"te kort om een vraag te bevatten"_s;
        QTest::newRow("a read-only folder is named") << journalOf(1) << Steps([](WindowRig &rig) {
            if (!makeReadOnly(rig.dir.path(), true))
                QSKIP("the folder cannot be made read-only here");
            const auto undo = qScopeGuard([&] { makeReadOnly(rig.dir.path(), false); });
            rig.consult(u"Mag het?"_s);
            rig.save();
            QVERIFY(rig.prompts.errors.last().contains(QDir::toNativeSeparators(rig.dir.path())));
        }) << journalOf(1) << 1 << QByteArray("<none>")
                                                     << u"In de map "_s;
    }

    void testersFaults()
    {
        QFETCH(QByteArray, journal);
        QFETCH(Steps, steps);
        WindowRig rig(journal);
        steps(rig);
        if (QTest::currentTestFailed())
            return;
        QFETCH(QByteArray, file);
        QVERIFY(rig.file().startsWith(file));
        QFETCH(int, lines);
        QCOMPARE(rig.file().count('\n'), lines);
        QFETCH(QByteArray, backup);
        QCOMPARE(rig.backup(), backup);
        QFETCH(QString, said);
        QVERIFY2(rig.prompts.shown.join(u'|').contains(said), qPrintable(rig.prompts.shown.join(u'|')));
    }
};

QTEST_MAIN(TestVerleden)
#include "tst_verleden.moc"
