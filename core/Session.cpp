#include "Session.h"

using namespace Qt::StringLiterals;

QString ListNumber::text() const
{
    switch (kind) {
    case Kind::Design:
        return u"Lijstnummer"_s;
    case Kind::New:
        return u"Nieuw"_s;
    case Kind::Entry:
        break;
    }
    return u"%1 v %2"_s.arg(position).arg(count);
}

Session::Session(RandomSource &random, const Clock &clock, Prompts &prompts, QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_consultation(m_state, random, clock, prompts, *this)
{ }

void Session::setMethodCaption(const QString &caption)
{
    m_methodCaption = caption;
    Q_EMIT methodCaptionChanged(caption);
}

void Session::showConsultation()
{
    m_dateText = m_state.castDate;
    Q_EMIT consultationShown();
}

void Session::setView(ConsultationViewKind view)
{
    m_view = view;
    Q_EMIT viewChanged(view);
}

void Session::setDateText(const QString &dateText)
{
    m_dateText = dateText;
    Q_EMIT dateTextChanged(dateText);
}

void Session::setListNumber(const ListNumber &listNumber)
{
    m_listNumber = listNumber;
    Q_EMIT listNumberChanged(listNumber);
}

void Session::chooseMethod(CastMethod method)
{
    m_state.method = method;
}

void Session::beginQuestion()
{
    if (m_state.isFromJournal)
        m_state.storedInJournal = true;
    m_state.isFromJournal = false;
    m_state.isOwnThrow = false;
}

bool Session::confirmQuestion(const QString &question, const QString &ownThrow, const QString &dice)
{
    // Checked before anything changes: a refused input must not leave a new question in the
    // state beside the old consultation on screen.
    if (const auto problem = castInputError(ownThrow, dice)) {
        m_prompts.error(*problem);
        return false;
    }
    m_state.question = question;
    m_state.ownThrowInput = ownThrow;
    m_state.diceInput = dice;
    m_state.storedInJournal = false;
    Q_EMIT questionConfirmed();
    resetView();
    setListNumber({ ListNumber::Kind::New });
    if (!m_state.diceInput.isEmpty())
        m_consultation.readDice();
    else
        m_consultation.readOwnThrow();
    return true;
}

// The same question again, cast anew with the current automatic method.
void Session::recast()
{
    m_state.storedInJournal = false;
    m_state.isFromJournal = false;
    m_state.isOwnThrow = false;
    m_state.lineDigits.clear();
    resetView();
    m_consultation.stampCastDate();
    m_consultation.runConsultation();
}

void Session::resetView()
{
    m_state.secondaryViewActive = false;
    setView(ConsultationViewKind::Normal);
}

// Every press of a view button keeps the date text, which for a journal entry is the entry's
// own and may differ from the cast date each showing puts there.
void Session::toggleIntermediateView()
{
    toggleView(&Session::openIntermediateView);
}

void Session::toggleNuclearView()
{
    toggleView(&Session::openNuclearView);
}

void Session::toggleView(void (Session::*openView)())
{
    if (!hasCast())
        return;
    if (m_state.secondaryViewActive) {
        leaveDerivedView();
        return;
    }
    const QString date = m_dateText;
    (this->*openView)();
    setDateText(date);
}

void Session::leaveDerivedView()
{
    const QString date = m_dateText;
    m_consultation.runConsultation();
    resetView();
    setMethodCaption(m_state.savedMethodCaption);
    setDateText(date);
}

void Session::openIntermediateView()
{
    // Without a moving line nothing opens, and the saved caption may belong to an earlier
    // consultation: the method caption stays.
    if (!m_state.deriveIntermediate()) {
        setView(m_view);
        return;
    }
    m_state.secondaryViewActive = true;
    m_state.savedMethodCaption = m_methodCaption;
    Q_EMIT intermediateShown();
    setView(ConsultationViewKind::Intermediate);
    setMethodCaption(m_state.savedMethodCaption);
}

void Session::openNuclearView()
{
    const std::array<LineValue, 6> cast = m_state.lines;
    m_state.lines = deriveNuclear(cast);
    m_state.isOwnThrow = true;
    m_state.secondaryViewActive = true;
    m_state.savedMethodCaption = m_methodCaption;
    m_consultation.runConsultation();
    // The derived fields keep describing the nuclear hexagram; the lines are the cast again.
    m_state.lines = cast;
    setView(ConsultationViewKind::Nuclear);
    setMethodCaption(m_state.savedMethodCaption);
}

void Session::supplyQuestion(const QString &question)
{
    m_state.question = question;
}

void Session::savedToJournal()
{
    Q_EMIT questionTextChanged(m_state.question);
    m_state.storedInJournal = true;
    ++m_journal.journalPosition;
    ++m_journal.journalCount;
}

void Session::journalCounted(int count)
{
    m_journal.journalCount = count;
}

int Session::stepBack(int entries)
{
    if (!m_journal.journalPositioned) {
        m_journal.journalPosition = entries + 1;
        m_journal.journalPositioned = true;
    }
    m_journal.journalPosition = qMax(1, m_journal.journalPosition - 1);
    return m_journal.journalPosition;
}

bool Session::stepForward()
{
    if (m_journal.journalPosition >= m_journal.journalCount)
        return false;
    ++m_journal.journalPosition;
    return true;
}

bool Session::replayEntry(int n, const QString &question, const QString &lineDigits, const QString &dateText)
{
    m_journal.journalPosition = n;
    m_journal.journalPreselect = n - 1;
    if (!replay(question, lineDigits))
        return false;
    showEntryDate(dateText);
    showListPosition(m_journal.journalPosition, m_journal.journalCount);
    return true;
}

void Session::journalCleared()
{
    m_state.storedInJournal = false;
    m_journal.journalPosition = 0;
    m_journal.journalCount = 0;
    showListPosition(0, 0);
}

void Session::journalRestored(int count)
{
    m_journal.journalPosition = m_journal.journalCount = count;
    showListPosition(count, count);
}

void Session::deletionEnded(std::optional<int> remaining)
{
    if (remaining) {
        m_journal.journalPreselect = 0;
        m_journal.journalPosition = m_journal.journalCount = *remaining;
    }
    m_state.storedInJournal = false;
    if (m_journal.journalCount < m_journal.journalPosition)
        --m_journal.journalPosition;
    showListPosition(m_journal.journalPosition, m_journal.journalCount);
}

void Session::markStored(bool stored)
{
    m_state.storedInJournal = stored;
}

bool Session::replay(const QString &question, const QString &lineDigits)
{
    m_state.isFromJournal = true;
    m_state.isOwnThrow = false;
    m_state.question = question;
    m_state.lineDigits = lineDigits;
    return confirmQuestion(question, lineDigits, QString());
}

void Session::showEntryDate(const QString &dateText)
{
    setDateText(dateText);
}

void Session::showListPosition(int position, int count)
{
    setListNumber({ ListNumber::Kind::Entry, position, count });
}
