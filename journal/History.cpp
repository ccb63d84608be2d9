#include "History.h"

#include "Accessible.h"
#include "FormKit.h"
#include "JournalFind.h"
#include "ScreenPlace.h"
#include "SingleLine.h"
#include "SpokenEntry.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

const QString WindowHint = u"Kopieer de tekst naar klembord"_s;
const QString ChooseHint
    = u"Zet de gekozen vraag weer op het scherm; een klik of Enter in de lijst doet hetzelfde."_s;
const QString QuestionCaption = u"QuivarLijst"_s;
const QString ClearQuestion = u"Hele Lijst Wissen?!"_s;
const QString DeleteQuestion = u"Selectie wordt verwijderd!"_s;
const QString Restored = u"Lijst is hersteld naar laatst bewerkte versie."_s;
const QString EditCaption = u"Bewerk Selectie:"_s;
const QString EditPrompt = u"Max. Ongeveer 90 tekens."_s;
const QString EditedMeanwhile = u"Deze vraag is intussen in QuivarLijst.txt veranderd of verdwenen; "
                                u"er is niets bewaard. Kies hem opnieuw om hem te bewerken."_s;
const QString DeletedMeanwhile = u"De geschiedenislijst is intussen door een ander programma veranderd; "
                                 u"de lijst toont nu wat er in QuivarLijst.txt staat. Er is niets gewist: "
                                 u"kies opnieuw wat weg moet."_s;
const QString NoBackup = u"Er is geen reservekopie (QuivarLijst.bak) om de lijst mee te herstellen.\n\n"
                         u"De lijst blijft zoals hij is."_s;
const QString TooShort = u"Deze regel van de geschiedenislijst is te kort om een vraag te bevatten: er valt "
                         u"niets aan te bewerken.\n\nDe regel blijft zoals hij is."_s;
// The list on the clipboard, made into text when it is pasted: copying a million entries costs
// nothing until someone asks for them. It keeps the list as it was copied.
class CopiedList final : public QMimeData
{
public:
    explicit CopiedList(const JournalLines &lines)
        : m_lines(lines)
    { }
    QStringList formats() const override { return { u"text/plain"_s }; }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType) const override
    {
        return mimeType.startsWith(u"text/plain"_s) ? QVariant(m_lines.text()) : QVariant();
    }

private:
    JournalLines m_lines;
};

// The list scrolls sideways over this width, however long its lines.
constexpr int ScrollWidth = 800;

// Every row as wide as the scroll range; with uniform item sizes only one row is measured.
class WideRowDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return { ScrollWidth, QStyledItemDelegate::sizeHint(option, index).height() };
    }
};

} // namespace

JournalListModel::JournalListModel(JournalStore &store, QObject *parent)
    : QAbstractListModel(parent)
    , m_store(store)
    , m_rows(int(store.lines().size()))
{
    connect(&store, &JournalStore::rowsInserted, this, [this](int first, int last) {
        beginInsertRows({}, first, last);
        m_rows += last - first + 1;
        endInsertRows();
    });
    connect(&store, &JournalStore::rowsRemoved, this, [this](int first, int last) {
        beginRemoveRows({}, first, last);
        m_rows -= last - first + 1;
        endRemoveRows();
    });
    connect(&store, &JournalStore::rowChanged, this,
        [this](int row) { Q_EMIT dataChanged(index(row), index(row)); });
    connect(&store, &JournalStore::aboutToReset, this, [this] { beginResetModel(); });
    connect(&store, &JournalStore::reset, this, [this] {
        m_rows = int(m_store.lines().size());
        endResetModel();
    });
}

QModelIndex JournalListModel::index(int row, int column, const QModelIndex &parent) const
{
    return row >= 0 && row < m_rows && column == 0 && !parent.isValid() ? createIndex(row, 0) : QModelIndex();
}

int JournalListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant JournalListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.row() >= m_store.lines().size())
        return {};
    if (role == Qt::AccessibleTextRole)
        return spokenJournalEntry(m_store.lines().at(index.row()), index.row() + 1, rowCount());
    return role == Qt::DisplayRole ? QVariant(m_store.lines().at(index.row())) : QVariant();
}

void JournalListView::mouseReleaseEvent(QMouseEvent *event)
{
    UniformRowList::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        Q_EMIT chosenByUser();
}

void JournalListView::keyPressEvent(QKeyEvent *event)
{
    // Enter chooses the focused entry as a click on it does; Delete asks to delete the selection.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        Q_EMIT chosenByUser();
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        Q_EMIT deletePressed();
        return;
    }
    const QModelIndex before = currentIndex();
    const QItemSelection selectedBefore = selectionModel()->selection();
    UniformRowList::keyPressEvent(event);
    if (currentIndex() != before || selectionModel()->selection() != selectedBefore)
        Q_EMIT chosenByUser();
}

TVerleden::TVerleden(Session &session, Journal &journal, JournalStore &store, Prompts &prompts)
    : QDialog(nullptr)
    , m_session(session)
    , m_journal(journal)
    , m_store(store)
    , m_prompts(prompts)
    , m_model(store)
{
    markProgramWindow(this);
    setObjectName(u"Verleden"_s);
    setWindowTitle(u"Verleden"_s);
    // A dialog frame with only a close box; not modal, the main window stays usable.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(563, 400);
    placeOnScreen(*this, QPoint(25, 230));
    setFont(pixelFont(u"MS Sans Serif"_s, 13));
    createControls();
    // A list read anew keeps the selection and the focus on the same entries.
    connect(&m_model, &QAbstractItemModel::modelAboutToBeReset, this, &TVerleden::rememberSelection);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &TVerleden::restoreSelection);
    connect(&m_store, &JournalStore::changedOnDisk, this, [this] {
        if (isVisible())
            followFile();
    });
}

void TVerleden::createControls()
{
    lbxLijst = new JournalListView(this);
    lbxLijst->setObjectName(u"lbxLijst"_s);
    lbxLijst->setGeometry(9, 9, 544, 326);
    lbxLijst->setModel(&m_model);
    lbxLijst->setItemDelegate(new WideRowDelegate(lbxLijst));
    lbxLijst->setTextElideMode(Qt::ElideNone);
    lbxLijst->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbxLijst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxLijst->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lbxLijst->setToolTip(WindowHint);
    lbxLijst->setAccessibleName(u"Geschiedenislijst"_s);
    lbxLijst->setAccessibleDescription(WindowHint);
    connect(lbxLijst, &JournalListView::chosenByUser, this, &TVerleden::lbxLijstClick);
    connect(lbxLijst, &JournalListView::deletePressed, this, &TVerleden::btWisSelClick);

    QPushButton *btWisLst, *btWisSel, *btKlip, *btBewerk, *btKeuze, *btHerstel, *btGoBew, *btTerug;
    struct Row
    {
        QPushButton *&button;
        const char *name;
        QRect place;
        QString caption;
        QString hint;
        void (TVerleden::*handler)();
        bool tabStop;
    };
    const Row rows[] = {
        { btWisLst, "btWisLst", { 9, 343, 65, 22 }, u"Wis Lijst"_s, {}, &TVerleden::btWisLstClick, true },
        { btWisSel, "btWisSel", { 76, 343, 93, 22 }, u"Wis Selectie"_s, u"Selectie = Klik (+ Ctrl / Shift)"_s,
            &TVerleden::btWisSelClick, true },
        { btKlip, "btKlip", { 206, 343, 88, 22 }, u"Kopieer Lijst"_s, {}, &TVerleden::btKlipClick, true },
        { btBewerk, "btBewerk", { 322, 342, 99, 22 }, u"Bewerk vraag"_s, u"Bewerk de Vraag"_s,
            &TVerleden::btBewerkClick, true },
        { btKeuze, "btKeuze", { 446, 342, 109, 22 }, u"Kies een vraag"_s, ChooseHint,
            &TVerleden::btKeuzeClick, true },
        { btHerstel, "btHerstel", { 42, 371, 66, 22 }, u"Herstel"_s, {}, &TVerleden::btHerstelClick, true },
        { btGoBew, "btGoBew", { 398, 370, 64, 22 }, u"Doe Nu"_s, {}, &TVerleden::btGoBewClick, true },
        { btTerug, "btTerug", { 495, 370, 60, 22 }, u"&Sluiten"_s, {}, &TVerleden::btTerugClick, true },
    };
    for (const Row &row : rows) {
        row.button = new QPushButton(row.caption, this);
        row.button->setObjectName(QString::fromLatin1(row.name));
        row.button->setGeometry(row.place);
        row.button->setToolTip(row.hint);
        row.button->setAutoDefault(false);
        if (!row.tabStop)
            row.button->setFocusPolicy(Qt::ClickFocus);
        connect(row.button, &QPushButton::clicked, this, row.handler);
    }
    btHerstel->setCursor(Qt::PointingHandCursor);

    auto *Label1 = new QLabel(u"Is de Vraag al Bewaard??"_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->setGeometry(214, 374, 147, 13);
    Label1->setFont(pixelFont(u"MS Sans Serif"_s, 11, true));
    setColour(Label1, QPalette::WindowText, Palette::clRed);

    setTabOrder(lbxLijst, btWisLst);
    setTabOrder(btWisLst, btWisSel);
    setTabOrder(btWisSel, btKeuze);
    setTabOrder(btKeuze, btTerug);
    setTabOrder(btTerug, btKlip);
    setTabOrder(btKlip, btGoBew);
    setTabOrder(btGoBew, btBewerk);
    setTabOrder(btBewerk, btHerstel);

    new JournalFind(
        lbxLijst, [this]() -> const JournalLines & { return m_store.lines(); }, this);
}

bool TVerleden::followFile()
{
    const JournalResult read = m_store.refresh();
    if (read.outcome == JournalOutcome::Failed) {
        m_prompts.error(read.problem);
        return false;
    }
    return true;
}

bool TVerleden::report(const JournalResult &result, const QString &movedText)
{
    switch (result.outcome) {
    case JournalOutcome::Done:
        return true;
    case JournalOutcome::Busy:
    case JournalOutcome::Failed:
        m_prompts.error(result.problem);
        break;
    case JournalOutcome::Moved:
        m_prompts.error(movedText);
        break;
    case JournalOutcome::NoBackup:
        m_prompts.message(NoBackup);
        break;
    case JournalOutcome::Unchanged:
    case JournalOutcome::NoFile:
        break;
    }
    return false;
}

void TVerleden::rememberSelection()
{
    const JournalLines &old = m_store.lines();
    m_selectedTexts.clear();
    for (int row : selectedRows())
        m_selectedTexts.append(old.at(row));
    const int focused = focusedRow();
    m_focusedText = focused >= 0 && focused < old.size() ? old.at(focused) : QString();
}

void TVerleden::restoreSelection()
{
    if (m_selectedTexts.isEmpty() && m_focusedText.isNull())
        return;
    // The first row of each text, found in one pass over the fresh list.
    QHash<QString, int> wanted;
    for (const QString &text : std::as_const(m_selectedTexts))
        wanted.insert(text, -1);
    if (!m_focusedText.isNull())
        wanted.insert(m_focusedText, -1);
    qsizetype missing = wanted.size();
    const JournalLines &fresh = m_store.lines();
    for (qsizetype row = 0; row < fresh.size() && missing > 0; ++row) {
        auto it = wanted.find(fresh.at(row));
        if (it != wanted.end() && *it < 0) {
            *it = int(row);
            --missing;
        }
    }
    QList<int> keep;
    for (const QString &text : std::as_const(m_selectedTexts)) {
        if (const int row = wanted.value(text, -1); row >= 0)
            keep.append(row);
    }
    std::sort(keep.begin(), keep.end());
    if (const int focus = wanted.value(m_focusedText, -1); !m_focusedText.isNull() && focus >= 0)
        lbxLijst->selectionModel()->setCurrentIndex(m_model.index(focus), QItemSelectionModel::NoUpdate);
    selectRows(keep);
    m_selectedTexts.clear();
    m_focusedText = QString();
}

QList<int> TVerleden::selectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange &range : lbxLijst->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TVerleden::selectRows(const QList<int> &rows)
{
    // Runs of rows as one range each: a selection of a million rows stays one range.
    QItemSelection selection;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows.at(j + 1) == rows.at(j) + 1)
            ++j;
        selection.select(m_model.index(rows.at(i)), m_model.index(rows.at(j)));
        i = j + 1;
    }
    lbxLijst->selectionModel()->select(selection, QItemSelectionModel::Select);
}

int TVerleden::focusedRow() const
{
    const QModelIndex current = lbxLijst->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TVerleden::focusLastEntry()
{
    const QModelIndex last = m_model.index(m_model.rowCount() - 1);
    if (!last.isValid())
        return;
    lbxLijst->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    lbxLijst->scrollTo(last);
}

void TVerleden::showJournalWindow()
{
    // Opening starts without a selection, so a list read anew has none to find again.
    if (m_store.journalExists()) {
        lbxLijst->selectionModel()->clear();
        if (!followFile())
            return;
    }
    m_store.setWatching(true);
    show();
    raise();
    activateWindow();
    focusLastEntry();
    m_session.journalCounted(m_model.rowCount());
    const int preselect = m_session.journal().journalPreselect;
    if (preselect > 0 && preselect < m_model.rowCount())
        selectRows({ preselect });
}

void TVerleden::replayFocusedEntry()
{
    if (!lbxLijst->selectionModel()->hasSelection())
        return;
    Q_EMIT mainWindowEnabledWanted();
    const int row = focusedRow();
    if (row < 0)
        return;
    if (m_journal.replayJournalEntry(m_store.lines().at(row), row + 1))
        m_session.markStored();
}

void TVerleden::lbxLijstClick()
{
    replayFocusedEntry();
    activateWindow();
    lbxLijst->setFocus();
}

void TVerleden::btKeuzeClick()
{
    replayFocusedEntry();
}

void TVerleden::btWisLstClick()
{
    if (!followFile() || m_model.rowCount() == 0)
        return;
    setEnabled(false);
    if (m_prompts.confirm(QuestionCaption, ClearQuestion, Prompts::Icon::Warning)
        && report(m_store.clear(), DeletedMeanwhile))
        m_session.journalCleared();
    setEnabled(true);
}

void TVerleden::btWisSelClick()
{
    setEnabled(false);
    std::optional<int> remaining;
    // The file is followed again after the question, which may have stood open a while.
    if (followFile() && lbxLijst->selectionModel()->hasSelection()
        && m_prompts.confirm(QuestionCaption, DeleteQuestion, Prompts::Icon::Warning) && followFile()
        && report(m_store.removeRows(selectedRows()), DeletedMeanwhile)) {
        focusLastEntry();
        remaining = m_model.rowCount();
    }
    setEnabled(true);
    m_session.deletionEnded(remaining);
}

void TVerleden::btHerstelClick()
{
    if (!followFile() || !report(m_store.restore(), DeletedMeanwhile))
        return;
    focusLastEntry();
    m_session.journalRestored(m_model.rowCount());
    m_prompts.message(Restored);
}

void TVerleden::btBewerkClick()
{
    if (!followFile() || selectedRows().size() != 1 || focusedRow() < 0)
        return;
    const QString entry = m_store.lines().at(focusedRow());
    if (!holdsQuestion(entry)) {
        m_prompts.error(TooShort);
        return;
    }
    // The field holds at most 255 characters of a longer hand-made question.
    const QString shown = parseJournalEntry(entry).question;
    const auto answer = m_prompts.input(EditCaption, EditPrompt, shown, 255);
    if (!answer || singleLine(*answer) == singleLine(cutAtCharacter(shown, 255)))
        return;
    QString question = singleLine(*answer);
    if (question.isEmpty())
        question = u"..."_s;
    Q_EMIT busyChanged(true);
    // The prompt may have stood open while another save changed the file.
    const bool followed = followFile();
    const JournalResult edited
        = followed ? m_store.editQuestion(focusedRow(), entry, question) : JournalResult {};
    Q_EMIT busyChanged(false);
    if (followed)
        report(edited, EditedMeanwhile);
}

void TVerleden::btKlipClick()
{
    if (followFile())
        QGuiApplication::clipboard()->setMimeData(new CopiedList(m_store.lines()));
}

void TVerleden::btGoBewClick()
{
    if (m_session.state().question.isEmpty())
        m_journal.askMissingQuestion();
    m_journal.appendToJournal();
    showJournalWindow();
}

void TVerleden::btTerugClick()
{
    hide();
    Q_EMIT mainWindowEnabledWanted();
    Q_EMIT mainWindowFocusWanted();
}

void TVerleden::reject()
{
    btTerugClick();
}

void TVerleden::FormClose()
{
    Q_EMIT mainWindowEnabledWanted();
}

void TVerleden::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}
