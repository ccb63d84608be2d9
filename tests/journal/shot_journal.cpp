// Saves a picture of the journal window with a dozen entries, the fifth one chosen, for the
// README:  shot_journal <file.png>. Run it on a real or virtual X display (QT_QPA_PLATFORM=xcb)
// or offscreen; it works in a temporary directory of its own.
#include "AppSetup.h"
#include "MainWindowRig.h"
#include "Program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: shot_journal <file.png>\n");
        return 2;
    }
    const QString picture = QDir::current().absoluteFilePath(args.at(1));
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QStringList questions = {
        u"Hoe vind ik rust in mijn werk?"_s,
        u"Moet ik verhuizen naar de stad?"_s,
        u"Wat vraagt mijn vriendschap met Anna van mij?"_s,
        u"Is dit het moment om te beginnen?"_s,
        u"Waar leidt de nieuwe baan toe?"_s,
        u"Hoe ga ik om met de ruzie thuis?"_s,
        u"Wat brengt het komende jaar?"_s,
        u"Zal de reis naar Portugal goed gaan?"_s,
        u"Hoe help ik mijn vader het best?"_s,
        u"Wat is wijs: wachten, of handelen?"_s,
        u"Moet ik het boek afmaken?"_s,
        u"Wat leert deze tegenslag mij?"_s,
    };
    const QStringList casts = { u"977776"_s, u"787878"_s, u"678977"_s, u"888777"_s };
    QFile file(u"QuivarLijst.txt"_s);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    for (int n = 0; n < questions.size(); ++n) {
        const QString digits = casts.at(n % casts.size());
        ConsultationState cast;
        for (int k = 0; k < 6; ++k)
            cast.lines[std::size_t(k)] = digits.at(k).digitValue();
        cast.derivePatterns();
        const QString date = u"%1/%2/25 %3:%4:12"_s.arg(n + 3, 2, 10, QChar(u'0'))
                                 .arg(n + 1, 2, 10, QChar(u'0'))
                                 .arg(9 + n % 10, 2, 10, QChar(u'0'))
                                 .arg(n * 4 % 60, 2, 10, QChar(u'0'));
        const QString line = makeJournalEntry(
            date, questions.at(n), cast.primaryNumber, cast.hasMovingLines ? cast.changedNumber : 0, digits);
        file.write((line + u"\r\n"_s).toLatin1());
    }
    file.close();

    WindowServices services;
    Program program { { &services.random, &services.clock, &services.prompts, &services.shell } };
    control<QPushButton>(program.questionDialog(), u"CancelBtn")->click();
    control<QPushButton>(program.mainWindow(), u"knpOpen")->click();
    TVerleden &window = program.journalWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "the window was not shown; the picture may be incomplete\n");
    auto *list = control<QListView>(window, u"lbxLijst");
    const QModelIndex fifth = list->model()->index(4, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(fifth).center());
    window.activateWindow();
    QApplication::processEvents();
    if (!window.grab().save(picture)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(picture));
        return 1;
    }
    return 0;
}
