// The About window through its real controls.
#include "About.h"
#include "AppLook.h"
#include "QuietRaise.h"
#include "WidgetChecks.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A fresh About window over a stand-in main window with one button, to see whether the main
// window takes clicks and keys.
struct AboutRig
{
    QWidget window;
    QPushButton *button = new QPushButton(u"Info"_s, &window);
    TAboutBox about { &window };

    AboutRig()
    {
        window.setGeometry(592, 208, 689, 447);
        button->setGeometry(10, 10, 80, 24);
        window.show();
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        applyWendarixLook(*qApp);
        quietenRaiseWarnings();
    }

    void createdHidden();
    void showsCentredOverDisabledMainWindow();
    void mainWindowTakesNoInputWhileShown();
    void closingPaths_data();
    void closingPaths();
    void acknowledgementMemo();
    void okButtonPictures();
    void texts_data();
    void texts();
    void picture();
};

void TestAbout::createdHidden()
{
    AboutRig rig;
    TAboutBox &about = rig.about;
    QVERIFY(!about.isVisible());
    QVERIFY(rig.window.isEnabled());
    QCOMPARE(about.parentWidget(), nullptr);
    QCOMPARE(about.windowTitle(), u"Meer informatie"_s);
    QCOMPARE(about.size(), QSize(449, 447));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.font().family(), u"Microsoft Sans Serif"_s);
    QCOMPARE(about.Panel1->geometry(), QRect(-2, 0, 451, 448));
    QCOMPARE(about.ProgramIcon->geometry(), QRect(13, 9, 49, 48));
    QCOMPARE(about.Memo1->geometry(), QRect(10, 65, 431, 286));
    QCOMPARE(about.OKButton->parentWidget(), &about);
    QCOMPARE(about.OKButton->geometry(), QRect(190, 413, 69, 24));
    QCOMPARE(about.OKButton->font().pixelSize(), 13);
    QCOMPARE(tabStops(about.OKButton), QStringList { u"OKButton"_s });
}

void TestAbout::showsCentredOverDisabledMainWindow()
{
    AboutRig rig;
    TAboutBox &about = rig.about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QVERIFY(!rig.window.isEnabled());
    QCOMPARE(about.geometry().center(), rig.window.geometry().center());
    QCOMPARE(QApplication::focusWidget(), about.OKButton);
    QVERIFY(about.OKButton->isDefault());
    QCOMPARE(about.OKButton->cursor().shape(), Qt::PointingHandCursor);
}

void TestAbout::mainWindowTakesNoInputWhileShown()
{
    AboutRig rig;
    TAboutBox &about = rig.about;
    QSignalSpy clicks(rig.button, &QPushButton::clicked);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::mouseClick(rig.button, Qt::LeftButton);
    rig.button->setFocus();
    QTest::keyClick(rig.button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);

    QTest::keyClick(&about, Qt::Key_Escape);
    QTest::mouseClick(rig.button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void TestAbout::closingPaths_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << u"click"_s;
    QTest::newRow("Enter") << u"enter"_s;
    QTest::newRow("Esc") << u"escape"_s;
    QTest::newRow("close box") << u"close"_s;
}

void TestAbout::closingPaths()
{
    QFETCH(QString, how);
    AboutRig rig;
    TAboutBox &about = rig.about;
    for (int round = 0; round < 2; ++round) {
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QVERIFY(!rig.window.isEnabled());
        if (how == u"click"_s)
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        else if (how == u"enter"_s)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (how == u"escape"_s)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QVERIFY(about.close());
        QVERIFY(!about.isVisible());
        QVERIFY(rig.window.isEnabled());
    }
}

void TestAbout::acknowledgementMemo()
{
    AboutRig rig;
    TAboutBox &about = rig.about;
    QPlainTextEdit *memo = about.Memo1;
    QCOMPARE(memo->document()->blockCount(), 18);
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->frameShadow(), QFrame::Plain);
    QVERIFY(!(memo->focusPolicy() & Qt::TabFocus));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    // Every line fits the memo's width, so the text shows as eighteen lines.
    const int room = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        const int width = memo->fontMetrics().horizontalAdvance(block.text());
        QVERIFY2(width <= room, qPrintable(u"%1 > %2: %3"_s.arg(width).arg(room).arg(block.text())));
    }
    const QImage shot = memo->viewport()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() - 3, shot.height() - 3), QColor(0xFF, 0xFB, 0xF0));
}

void TestAbout::okButtonPictures()
{
    AboutRig rig;
    TAboutBox &about = rig.about;
    QCOMPARE(about.OKButton->text(), QString());
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(about.OKButton);
    QCOMPARE(accessible->text(QAccessible::Name), u"OK"_s);
    const QIcon icon = about.OKButton->icon();
    const QImage normal = icon.pixmap(QSize(18, 18), QIcon::Normal).toImage();
    const QImage grey = icon.pixmap(QSize(18, 18), QIcon::Disabled).toImage();
    int green = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            const QColor n = normal.pixelColor(x, y);
            const QColor g = grey.pixelColor(x, y);
            if (n.alpha() == 255) {
                QVERIFY(n.green() > n.red() && n.green() > n.blue());
                ++green;
            }
            if (g.alpha() == 255)
                QVERIFY(g.red() == g.green() && g.green() == g.blue());
        }
    }
    QVERIFY(green > 20);
}

void TestAbout::texts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QPoint>("at"); // on Panel1; the one-line labels grow to their text
    QTest::newRow("product") << u"ProductName"_s << u"WENDARIX - Geschikt voor Win95 t/m Win11"_s << 1
                             << QPoint(67, 9);
    QTest::newRow("version") << u"Version"_s << u"Versie 13.1 - Okt 2023"_s << 1 << QPoint(67, 35);
    QTest::newRow("rights") << u"Copyright"_s << QString() << 1 << QPoint(110, 359);
    QTest::newRow("terms of use") << u"Comments"_s << QString() << 2 << QPoint(122, 377);
}

void TestAbout::texts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, maxLines);
    QFETCH(QPoint, at);
    AboutRig rig;
    TAboutBox &about = rig.about;
    auto *label = about.findChild<QLabel *>(control);
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), about.Panel1);
    QCOMPARE(label->pos(), at);
    QCOMPARE(label->font().pixelSize(), 12);
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    QVERIFY(!label->text().isEmpty());
    const QByteArray overflow = textOverflow(label, label->text());
    QVERIFY2(overflow.isEmpty(), overflow.constData());
    QVERIFY(neededSize(label, label->text()).height() <= maxLines * label->fontMetrics().lineSpacing());
    if (control == u"Copyright"_s)
        QVERIFY(label->text().contains(u"WENDARIX"_s));
}

// Decoded when the window is first shown, not at start-up.
void TestAbout::picture()
{
    AboutRig rig;
    TAboutBox &about = rig.about;
    QVERIFY(about.ProgramIcon->pixmap().isNull());
    about.show();
    QCOMPARE(about.ProgramIcon->pixmap().size(), QSize(48, 48));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
