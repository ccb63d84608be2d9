#include "Journal.h"

#include "SingleLine.h"

using namespace Qt::StringLiterals;

namespace {

// The busy cursor over a file operation; it is gone again before any message box shows.
class BusyCursor
{
public:
    explicit BusyCursor(JournalHost &host)
        : m_host(host)
    {
        m_host.setBusy(true);
    }
    ~BusyCursor() { done(); }
    void done()
    {
        if (m_busy)
            m_host.setBusy(false);
        m_busy = false;
    }

private:
    JournalHost &m_host;
    bool m_busy = true;
};

QString entries(int count)
{
    return count == 1 ? u"1 vraag"_s : u"%1 vragen"_s.arg(count);
}

QString noCastText(int n)
{
    return u"Vraag %1 van de geschiedenislijst bevat geen worp die te tonen is: de regel is te "
           u"kort of eindigt niet op zes cijfers van 6 tot en met 9.\n\nHet scherm blijft zoals "
           u"het was; het bestand is niet veranderd."_s.arg(n);
}

QString pastEndText(int n, int count)
{
    return u"Vraag %1 staat niet (meer) in de geschiedenislijst: QuivarLijst.txt telt %2.\n\n"
           u"Het scherm blijft zoals het was."_s.arg(n)
               .arg(entries(count));
}

} // namespace

Journal::Saved Journal::appendToJournal()
{
    BusyCursor busy(m_host);
    const ConsultationState &s = m_consultation;
    if (s.primaryNumber <= 0 || s.question.isEmpty() || s.storedInJournal || s.isFromJournal)
        return Saved::NothingToSave;
    const JournalResult saved = m_store.append(makeJournalEntry(
        s.castDate, s.question, s.primaryNumber, s.hasMovingLines ? s.changedNumber : 0, s.lineDigits));
    busy.done();
    if (!saved.done()) {
        m_prompts.error(saved.problem);
        return Saved::Failed;
    }
    m_prompts.message(JournalTexts::Added);
    m_session.savedToJournal();
    return Saved::Yes;
}

void Journal::askMissingQuestion()
{
    const auto answer = m_prompts.input(
        JournalTexts::MissingQuestionCaption, JournalTexts::MissingQuestionPrompt, QString(), 255);
    m_session.supplyQuestion(cutAtCharacter(singleLine(answer.value_or(QString())), 64));
}

void Journal::knpBewaarClick()
{
    if (m_consultation.storedInJournal) {
        m_prompts.message(JournalTexts::AlreadyStored);
        return;
    }
    if (m_consultation.question.isEmpty())
        askMissingQuestion();
    appendToJournal();
}

Journal::Read Journal::readJournalEntry(int n)
{
    JournalStore::Entry read;
    const JournalResult result = m_store.entry(n, read);
    if (result.outcome == JournalOutcome::NoFile) {
        m_prompts.message(JournalTexts::NoFile);
        return Read::NoFile;
    }
    if (!result.done()) {
        m_prompts.error(result.problem);
        return Read::Failed;
    }
    m_session.journalCounted(int(read.count));
    if (read.line)
        m_line = *read.line;
    return Read::Done;
}

Journal::Step Journal::loadAndReplay(int n)
{
    switch (readJournalEntry(n)) {
    case Read::NoFile:
        return Step::NoFile;
    case Read::Failed:
        return Step::NotShown;
    case Read::Done:
        break;
    }
    if (n > m_state.journalCount) {
        m_prompts.error(pastEndText(n, m_state.journalCount));
        return Step::NotShown;
    }
    return replayJournalEntry(m_line, n) ? Step::Shown : Step::NotShown;
}

// A step that showed an entry leaves the normal view with the consultation counted as stored.
// One that found no file leaves the normal view too, but the consultation on screen did not
// change, so neither does its stored flag. One that showed nothing leaves everything as it was.
void Journal::endStep(Step step)
{
    if (step == Step::NotShown)
        return;
    m_session.resetView();
    if (step == Step::Shown)
        m_session.markStored();
}

void Journal::BackHistoryClick()
{
    // Any fresh cast with a question that is not in the journal yet, whichever way it was made.
    const ConsultationState &s = m_consultation;
    const bool fresh = s.primaryNumber > 0 && !s.question.isEmpty() && !s.storedInJournal && !s.isFromJournal;
    if (fresh
        && m_prompts.confirm(
            JournalTexts::SaveFirstCaption, JournalTexts::SaveFirst, Prompts::Icon::Question)) {
        // A consultation the user wants kept stays on screen when it could not be saved.
        if (appendToJournal() == Saved::Failed)
            return;
    }
    if (!m_state.journalPositioned) {
        // The list of the journal window follows the file; without one it keeps what it held.
        if (const JournalResult read = m_store.refresh(); read.outcome == JournalOutcome::Failed) {
            m_prompts.error(read.problem);
            return;
        }
    }
    endStep(loadAndReplay(m_session.stepBack(int(m_store.lines().size()))));
}

void Journal::GoHistoryClick()
{
    if (m_session.stepForward())
        endStep(loadAndReplay(m_state.journalPosition));
}

bool Journal::replayJournalEntry(const QString &entry, int n)
{
    if (!holdsCast(entry)) {
        m_prompts.error(noCastText(n));
        return false;
    }
    const JournalEntry fields = parseJournalEntry(entry);
    return m_session.replayEntry(n, fields.question, fields.lineDigits, fields.dateText);
}
