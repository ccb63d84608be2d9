// Saves a picture of the main window showing the consultation 9,7,7,7,7,6, for the README:
//   shot_main <file.png> [--long-texts] [--digits=DDDDDD] [--nuclear] [--intermediate] [--pdf=FILE]
// --digits casts other own digits (line 1 first; empty: the window before any consultation),
// --nuclear then presses btKernHex, --intermediate btTussenHex, and --long-texts puts texts of
// the longest lengths the oracle may hold into the labels, to see that they fit. Run it on a
// real or virtual X display (QT_QPA_PLATFORM=xcb) or offscreen. --pdf also saves the reading
// on screen as the PDF that "Bewaar als PDF..." writes.
#include "AppSetup.h"
#include "MainWindowRig.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr,
            "usage: shot_main <file.png> [--long-texts] [--digits=DDDDDD] [--nuclear] "
            "[--intermediate]\n");
        return 2;
    }
    QString digits = u"977776"_s;
    for (const QString &arg : args) {
        if (arg.startsWith(u"--digits="_s))
            digits = arg.mid(9);
    }
    Rig rig;
    rig.form.move(0, 0);
    if (!digits.isEmpty())
        rig.cast(digits, u"Hoe vind ik rust in mijn werk?"_s);
    if (args.contains(u"--nuclear"_s))
        rig.ui.btKernHex->click();
    if (args.contains(u"--intermediate"_s))
        rig.ui.btTussenHex->click();
    if (args.contains(u"--long-texts"_s)) {
        TForm1 &f = rig.form;
        const QString process = u"Wat lang verborgen bleef, komt nu stap voor stap aan het licht; wie "
                                u"rustig kijkt, ziet hoe de weg zich langzaam voor hem opent."_s;
        const QString advice = u"Wacht af en houd je woord gestand."_s;
        const QString line
            = u"Je staat aan het begin van een lange weg; neem de tijd en kijk goed om je heen."_s.left(77);
        rig.ui.lbl_RaadDV_A->setText(process);
        rig.ui.lbl_RaadDV_B->setText(process);
        rig.ui.lbl_RaadSL_A->setText(advice);
        rig.ui.lbl_RaadSL_B->setText(advice);
        rig.ui.lbl_Lijnb[0]->setText(line);
        rig.ui.lbl_Lijnb[5]->setText(line);
        rig.ui.lbl_Vraag->setText(u"Wat moet ik weten over mijn werk, mijn huis en de mensen om mij?"_s);
        rig.ui.lbl_HexTitel_A->setText(Title(28));
        rig.ui.lbl_HexTitel_B->setText(Title(9));
        rig.ui.lbl_Huistxt_A->setText(HouseWords(7));
        f.setMethodCaption(MethodCaptions::PickedRiceGrains);
        rig.ui.lbRegelnr->setText(u"Lijstnummer"_s);
    }
    for (const QString &arg : args) {
        if (arg.startsWith(u"--pdf="_s) && !rig.form.writeReadingPdf(arg.mid(6)))
            return 1;
    }
    if (!QTest::qWaitForWindowExposed(&rig.form))
        std::fprintf(stderr, "the window was not shown; the picture may be incomplete\n");
    QApplication::processEvents();
    if (!rig.form.grab().save(args.at(1))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
