// OK pressed in the question dialog to the answer painted in the main window, against one
// forced full repaint of the main window showing an answer: the road of a consultation should
// cost little more than painting its result.
#include "Program.h"
#include "Report.h"
#include "Suites.h"
#include "Timed.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

namespace {

// Counts the paint events the main window itself receives; a full update of the window starts
// with one.
class PaintWatch final : public QObject
{
public:
    explicit PaintWatch(QWidget &widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until nothing has been painted for 100 ms (at most two seconds), so that
// a round starts from a quiet window.
void settle(const PaintWatch &watch)
{
    QElapsedTimer total, quiet;
    total.start();
    quiet.start();
    int seen = watch.paints;
    while (quiet.elapsed() < 100 && total.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (watch.paints != seen) {
            seen = watch.paints;
            quiet.restart();
        }
    }
}

bool waitExposed(QWidget &widget)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        if (widget.windowHandle() && widget.windowHandle()->isExposed())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return false;
}

} // namespace

void runAnswerSuite(const BenchConfig &config, Report &report)
{
    const std::string name = "answer: OK to answer painted";
    Program program;
    TForm1 &form = program.mainWindow();
    TOKBottomDlg &dialog = program.questionDialog();
    if (!waitExposed(form) || !waitExposed(dialog)) {
        report.fail(name, "the windows were not exposed");
        return;
    }
    PaintWatch watch(form);
    settle(watch);

    std::vector<double> answers, repaints;
    // One round more than asked: the first paints the window's texts for the first time.
    for (int round = -1; round < config.rounds * 3; ++round) {
        dialog.findChild<QLineEdit *>(QStringLiteral("Vragen"))
            ->setText(QStringLiteral("Wat brengt de komende week?"));
        const int before = watch.paints;
        QElapsedTimer timer;
        timer.start();
        dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        // processEvents returns after the update request it delivered has painted and flushed.
        while (watch.paints == before && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double answer = elapsedMs(timer);
        if (watch.paints == before) {
            report.fail(name, "the main window was not painted");
            return;
        }
        settle(watch);
        timer.restart();
        form.repaint();
        const double repaint = elapsedMs(timer);
        if (round >= 0) {
            answers.push_back(answer);
            repaints.push_back(repaint);
        }
        form.findChild<QPushButton *>(QStringLiteral("knpVraag"))->click();
        settle(watch);
    }
    report.add(name, "ms", answers, "full repaint", repaints, 1.5);
}
