// Everything a user can put into a consultation, from the fuzzer's bytes: question, own digits
// and dice digits together (the dice take precedence), the chosen method, the regional date
// and time separators, the moment, and every random draw. Each input goes through the question
// dialog's own confirmQuestion. A refused input must change nothing; an accepted one must give
// six line values equal to their digits, the lines the inputs ask for, the caption of the road
// taken and a stamp of 17 characters.
#include "QuietRaise.h"
#include "ScriptedServices.h"
#include "SessionProbe.h"
#include "Vraag.h"
#include "casting.h"

#include <QApplication>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

// fontconfig keeps a few patterns it never frees; they are not ours to mend.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace {

// Every draw comes from the input; an input that has run out draws 0.
class FuzzedRandom final : public RandomSource
{
public:
    FuzzedDataProvider *in = nullptr;
    void seed() override { }
    int uniform(int n) override { return in->ConsumeIntegralInRange(0, n - 1); }
};

struct World
{
    FuzzedRandom random;
    FixedClock clock;
    RecordingPrompts prompts;
    RecordingView view;
    RecordingShell shell;
    Session session { random, clock, prompts };
    ConsultationState &state = SessionProbe::state(session);
    TOKBottomDlg dialog { session, prompts, shell };

    World()
    {
        QObject::connect(&session, &Session::methodCaptionChanged, &session,
            [this](const QString &caption) { view.setMethodCaption(caption); });
        QObject::connect(
            &session, &Session::consultationShown, &session, [this] { view.showConsultation(); });
    }
};

World *world = nullptr;

// A broken expectation names itself before the fuzzer records the input.
#define check(condition)                                                                                     \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "broken: %s (line %d)\n", #condition, __LINE__);                            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

QString text(FuzzedDataProvider &in, std::size_t maxBytes)
{
    return QString::fromStdString(in.ConsumeRandomLengthString(maxBytes));
}

// dd/mm/yy hh:mm:ss with one separator each for date and time.
void checkStamp(const QString &stamp)
{
    check(stamp.size() == 17);
    for (int i : { 0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 15, 16 })
        check(stamp.at(i).isDigit());
    check(stamp.at(8) == u' ');
    check(stamp.at(2) == stamp.at(5) && stamp.at(2).isPunct());
    check(stamp.at(11) == stamp.at(14) && stamp.at(11).isPunct());
}

QString methodCaption(int method)
{
    using namespace MethodCaptions;
    const QString captions[] = { Yarrow, Coins, RiceGrains, Trigrams, SixLines };
    return method >= 0 && method < 5 ? captions[method] : Yarrow;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char *qtArgv[] = { (*argv)[0], nullptr };
    new QApplication(qtArgc, qtArgv);
    // The dialog raises itself for every question; offscreen that is a warning each time.
    quietenRaiseWarnings();
    world = new World;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    World &w = *world;
    w.state = ConsultationState {};
    w.session.chooseMethod(CastMethod(in.ConsumeIntegralInRange(0, 5)));
    w.clock.dateSep = text(in, 4);
    w.clock.timeSep = text(in, 4);
    w.clock.moment = QDateTime(QDate(in.ConsumeIntegralInRange(1, 9999), in.ConsumeIntegralInRange(1, 12),
                                   in.ConsumeIntegralInRange(1, 28)),
        QTime(in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59),
            in.ConsumeIntegralInRange(0, 59)));
    const QString question = text(in, 80);
    const QString own = text(in, 12);
    const QString dice = text(in, 6);
    w.random.in = &in;

    // A consultation on screen that a refused input must leave as it is.
    w.session.confirmQuestion(QStringLiteral("vorige vraag"), QStringLiteral("977776"), QString());
    const ConsultationState before = w.state;
    // What showing the dialog for the next question does (the window itself stays hidden: the
    // window system has nothing to add here and would slow every input down).
    w.session.beginQuestion();
    QCoreApplication::sendPostedEvents();
    w.prompts = RecordingPrompts {};
    w.view = RecordingView {};

    const bool accepted = w.dialog.confirmQuestion(question, own, dice);

    check(accepted == !castInputError(own, dice).has_value());
    if (!accepted) {
        check(w.prompts.errors.size() == 1 && w.view.shown == 0);
        check(w.state.question == before.question && w.state.lineDigits == before.lineDigits
            && w.state.castDate == before.castDate && w.state.lines == before.lines);
        return 0;
    }
    const ConsultationState &s = w.state;
    check(w.prompts.errors.isEmpty() && w.view.shown == 1 && s.question == question);
    check(s.lineDigits.size() == 6);
    for (qsizetype i = 0; i < 6; ++i) {
        check(s.lineDigits.at(i) >= u'6' && s.lineDigits.at(i) <= u'9');
        check(s.lines[std::size_t(i)] == s.lineDigits.at(i).digitValue());
    }
    checkStamp(s.castDate);
    check(s.primaryNumber >= 1 && s.primaryNumber <= 64 && s.changedNumber >= 1 && s.changedNumber <= 64);
    check(s.primaryNumber == lookupHexagram(s.primaryPattern));

    const QString caption = w.view.caption();
    if (!dice.isEmpty()) {
        // The dice win over any own digits: exactly their line moves.
        const int moving = dice.back().digitValue();
        for (int k = 1; k <= 6; ++k)
            check(isMoving(s.lines[std::size_t(k - 1)]) == (k == moving));
        check(caption == MethodCaptions::OwnThrow && w.prompts.messages.isEmpty());
    } else if (own.size() == 6) {
        check(s.lineDigits == own && caption == MethodCaptions::OwnThrow);
    } else if (!own.isEmpty()) {
        check(w.prompts.messages == QStringList { CastMessages::Incomplete });
        check(caption == MethodCaptions::Yarrow);
    } else if (s.method == CastMethod::ComputerPicks) {
        using namespace MethodCaptions;
        check(caption == PickedYarrow || caption == PickedCoins || caption == PickedRiceGrains
            || caption == Trigrams || caption == SixLines);
    } else {
        check(caption == methodCaption(int(s.method)));
    }
    return 0;
}
