// The About window through its real controls.
#include "About.h"
#include "AppLook.h"

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

// A stand-in main window with one button, to see whether it takes clicks and keys.
struct MainWindow
{
    QWidget window;
    QPushButton *button = new QPushButton(u"Info"_s, &window);

    MainWindow()
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
    void initTestCase() { applyWendarixLook(*qApp); }

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
    MainWindow main;
    TAboutBox about(&main.window);
    QVERIFY(!about.isVisible());
    QVERIFY(main.window.isEnabled());
    QCOMPARE(about.parentWidget(), nullptr);
    QCOMPARE(about.windowTitle(), u"Meer informatie"_s);
    QCOMPARE(about.size(), QSize(449, 447));
    QCOMPARE(about.minimumSize(), about.maximumSize());
}

void TestAbout::showsCentredOverDisabledMainWindow()
{
    MainWindow main;
    TAboutBox about(&main.window);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QVERIFY(!main.window.isEnabled());
    QCOMPARE(about.geometry().center(), main.window.geometry().center());
    QCOMPARE(QApplication::focusWidget(), about.OKButton);
    QVERIFY(about.OKButton->isDefault());
    QCOMPARE(about.OKButton->cursor().shape(), Qt::PointingHandCursor);
}

void TestAbout::mainWindowTakesNoInputWhileShown()
{
    MainWindow main;
    TAboutBox about(&main.window);
    QSignalSpy clicks(main.button, &QPushButton::clicked);
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::mouseClick(main.button, Qt::LeftButton);
    main.button->setFocus();
    QTest::keyClick(main.button, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);

    QTest::keyClick(&about, Qt::Key_Escape);
    QTest::mouseClick(main.button, Qt::LeftButton);
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
    MainWindow main;
    TAboutBox about(&main.window);
    for (int round = 0; round < 2; ++round) {
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QVERIFY(!main.window.isEnabled());
        if (how == u"click"_s)
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        else if (how == u"enter"_s)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (how == u"escape"_s)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QVERIFY(about.close());
        QVERIFY(!about.isVisible());
        QVERIFY(main.window.isEnabled());
    }
}

void TestAbout::acknowledgementMemo()
{
    MainWindow main;
    TAboutBox about(&main.window);
    QPlainTextEdit *memo = about.Memo1;
    QCOMPARE(memo->document()->blockCount(), 18);
    QVERIFY(memo->isReadOnly());
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
    MainWindow main;
    TAboutBox about(&main.window);
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
    QTest::newRow("product") << u"ProductName"_s << u"WENDARIX - Geschikt voor Win95 t/m Win11"_s << 1;
    QTest::newRow("version") << u"Version"_s << u"Versie 13.1 - Okt 2023"_s << 1;
    QTest::newRow("rights") << u"Copyright"_s << QString() << 1;
    QTest::newRow("terms of use") << u"Comments"_s << QString() << 2;
}

void TestAbout::texts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, maxLines);
    MainWindow main;
    TAboutBox about(&main.window);
    auto *label = about.findChild<QLabel *>(control);
    QVERIFY(label);
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    QVERIFY(!label->text().isEmpty());
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                              label->wordWrap() ? Qt::TextWordWrap : 0,
                                              label->text());
    QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
              qPrintable(u"%1 x %2 in %3 x %4"_s.arg(needed.width()).arg(needed.height())
                             .arg(label->width()).arg(label->height())));
    QVERIFY(needed.height() <= maxLines * metrics.lineSpacing());
    if (control == u"Copyright"_s)
        QVERIFY(label->text().contains(u"WENDARIX"_s));
}

void TestAbout::picture()
{
    MainWindow main;
    TAboutBox about(&main.window);
    QCOMPARE(about.ProgramIcon->pixmap().size(), QSize(48, 48));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
