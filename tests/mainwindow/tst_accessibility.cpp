// The windows as a screen reader meets them: through QAccessible, the interface AT-SPI reads,
// with its actions (Toggle, Press), names, descriptions, roles and focus.
#include "AppSetup.h"
#include "MainWindowRig.h"
#include "Program.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

void doAction(QWidget *widget, const QString &action)
{
    QAccessibleActionInterface *actions = accessible(widget)->actionInterface();
    QVERIFY(actions);
    QVERIFY2(actions->actionNames().contains(action), qPrintable(action));
    actions->doAction(action);
}

// Every node under `node`; each child knows its parent and its place.
void collect(QAccessibleInterface *node, QList<QAccessibleInterface *> &all)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        QVERIFY(child);
        QCOMPARE(child->parent()->object(), node->object());
        QCOMPARE(node->indexOfChild(child), i);
        all.append(child);
        collect(child, all);
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        setUpApplication(*qApp);
        QLocale::setDefault(QLocale::c());
    }

    void viewButtonsTellTheirCaption_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("kern");
        QTest::addColumn<QString>("tussen");
        QTest::newRow("normal view") << QStringList {} << u"S: starthexagram"_s << u"R: resultaathexagram"_s;
        QTest::newRow("nuclear view")
            << QStringList { u"btKernHex"_s } << u"K: kernhexagram"_s << u"R: resultaathexagram"_s;
        QTest::newRow("intermediate view")
            << QStringList { u"btTussenHex"_s } << u"S: starthexagram"_s << u"T: tussenhexagram"_s;
    }

    // Pressed through the Press action, as a screen reader does it.
    void viewButtonsTellTheirCaption()
    {
        QFETCH(QStringList, presses);
        Rig rig;
        rig.cast(u"977776"_s);
        for (const QString &name : presses) {
            auto *button = rig.form.findChild<QAbstractButton *>(name);
            const QString before = button->text();
            doAction(button, QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(button->text() != before);
        }
        QTEST(accessible(rig.ui.btKernHex)->text(QAccessible::Description), "kern");
        QTEST(accessible(rig.ui.btTussenHex)->text(QAccessible::Description), "tussen");
    }

    // A value or a line text is read with its line; a row at rest has no text to read.
    void lineRowsSpeakTheirLine_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("row 1: line 6 at rest") << 1 << u"Lijn 6: 8, gebroken lijn"_s << QString();
        QTest::newRow("row 3: line 4 old yin")
            << 3 << u"Lijn 4: 6, bewegende gebroken lijn"_s << u"Lijn 4: "_s + LineTexts(63, 4);
        QTest::newRow("row 4: line 3 old yang")
            << 4 << u"Lijn 3: 9, bewegende hele lijn"_s << u"Lijn 3: "_s + LineTexts(63, 3);
    }

    void lineRowsSpeakTheirLine()
    {
        QFETCH(int, row);
        Rig rig;
        rig.cast(u"789678"_s);
        const std::size_t i = std::size_t(row - 1);
        QTEST(accessible(rig.ui.lbl_Uitk_A[i])->text(QAccessible::Name), "value");
        QTEST(accessible(rig.ui.lbl_Lijnb[i])->text(QAccessible::Name), "text");
    }

    void toolButtonPressReturnsBeforeItsHandler_data()
    {
        QTest::addColumn<bool>("inDialog");
        QTest::addColumn<QString>("name");
        for (const char16_t *name : { u"BackHistory", u"GoHistory", u"btKernHex" })
            QTest::newRow(qPrintable(QString::fromUtf16(name))) << false << QString::fromUtf16(name);
        for (const char16_t *name : { u"Wis1", u"Wis2", u"btHLP", u"HexaSpinUp" })
            QTest::newRow(qPrintable(QString::fromUtf16(name))) << true << QString::fromUtf16(name);
    }

    // As a push button's: a screen reader's Press returns first, the click follows.
    void toolButtonPressReturnsBeforeItsHandler()
    {
        QFETCH(bool, inDialog);
        QFETCH(QString, name);
        WindowServices services;
        Program program { { &services.random, &services.clock, &services.prompts, &services.shell } };
        if (!inDialog)
            control<QPushButton>(program.questionDialog(), u"CancelBtn")->click();
        QWidget &window = inDialog ? static_cast<QWidget &>(program.questionDialog()) : program.mainWindow();
        auto *button = window.findChild<QAbstractButton *>(name);
        QVERIFY(button);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        doAction(button, QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 0);
        QTRY_COMPARE(clicked.count(), 1);
    }

    // Only what says something: no painted frame (a Border), no gradient or shape (unnamed
    // fillers, role Client), no window inside a window.
    void windowsExposeNoDecoration_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("main window") << u"main"_s << int(QAccessible::Window) << u"WENDARIX vs 13.2"_s;
        QTest::newRow("question dialog")
            << u"dialog"_s << int(QAccessible::Dialog) << u"Een Vraag Stellen aan de I Tjing"_s;
    }

    void windowsExposeNoDecoration()
    {
        QFETCH(QString, window);
        WindowServices services;
        Program program { { &services.random, &services.clock, &services.prompts, &services.shell } };
        QWidget *shown
            = window == u"main"_s ? static_cast<QWidget *>(&program.mainWindow()) : &program.questionDialog();
        QAccessibleInterface *top = accessible(shown);
        QTEST(int(top->role()), "role");
        QTEST(top->text(QAccessible::Name), "name");
        QList<QAccessibleInterface *> all;
        collect(top, all);
        QVERIFY(all.size() > 20);
        for (QAccessibleInterface *node : all) {
            const QString what = QLatin1String(node->object()->metaObject()->className()) + u' '
                + node->object()->objectName();
            QVERIFY2(
                node->role() != QAccessible::Window && node->role() != QAccessible::Border, qPrintable(what));
            if (node->role() == QAccessible::Client)
                QVERIFY2(!node->text(QAccessible::Name).isEmpty(), qPrintable(what));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
