#include "History.h"

#include "Accessible.h"
#include "FormKit.h"
#include "JournalFind.h"
#include "ScreenPlace.h"
#include "SingleLine.h"
#include "SpokenEntry.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

const QString WindowHint = u"Kopieer de tekst naar klembord"_s;
const QString ChooseHint = u"Zet de gekozen vraag weer op het scherm; een klik of Enter in de lijst doet hetzelfde."_s;
const QString QuestionCaption = u"QuivarLijst"_s;
const QString ClearQuestion = u"Hele Lijst Wissen?!"_s;
const QString DeleteQuestion = u"Selectie wordt verwijderd!"_s;
const QString Restored = u"Lijst is hersteld naar laatst bewerkte versie."_s;
const QString EditCaption = u"Bewerk Selectie:"_s;
const QString EditPrompt = u"Max. Ongeveer 90 tekens."_s;
const QString EditedMeanwhile = u"Deze vraag is intussen in QuivarLijst.txt veranderd of verdwenen; "
                                u"er is niets bewaard. Kies hem opnieuw om hem te bewerken."_s;
// The list scrolls sideways over this width, however long its lines.
constexpr int ScrollWidth = 800;

// Every row as wide as the scroll range; with uniform item sizes only the first row is measured.
class WideRowDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {ScrollWidth, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

} // namespace

int JournalListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant JournalListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    if (role == Qt::AccessibleTextRole)
        return spokenJournalEntry(m_lines.at(index.row()), index.row() + 1, rowCount());
    return role == Qt::DisplayRole ? QVariant(m_lines.at(index.row())) : QVariant();
}

void JournalListModel::setJournalLines(const JournalLines &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

void JournalListModel::setJournalLines(const JournalLines &lines, int changedRow)
{
    m_lines = lines;
    Q_EMIT dataChanged(index(changedRow), index(changedRow));
}

void JournalListView::mouseReleaseEvent(QMouseEvent *event)
{
    QListView::mouseReleaseEvent(event);
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
    QListView::keyPressEvent(event);
    if (currentIndex() != before || selectionModel()->selection() != selectedBefore)
        Q_EMIT chosenByUser();
}

TVerleden::TVerleden(ConsultationState &consultation, Journal &journal, Prompts &prompts,
                     JournalHost &host)
    : QDialog(nullptr), m_consultation(consultation), m_journal(journal), m_prompts(prompts),
      m_host(host)
{
    markProgramWindow(this);
    setObjectName(u"Verleden"_s);
    setWindowTitle(u"Verleden"_s);
    // A dialog frame with only a close box; not modal, the main window stays usable.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(563, 400);
    placeOnScreen(*this, QPoint(25, 230));
    setFont(pixelFont(u"MS Sans Serif"_s, 13));
    createControls();
}

void TVerleden::createControls()
{
    lbxLijst = new JournalListView(this);
    lbxLijst->setObjectName(u"lbxLijst"_s);
    lbxLijst->setGeometry(9, 9, 544, 326);
    lbxLijst->setModel(&m_model);
    lbxLijst->setItemDelegate(new WideRowDelegate(lbxLijst));
    lbxLijst->setUniformItemSizes(true);
    lbxLijst->setTextElideMode(Qt::ElideNone);
    lbxLijst->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbxLijst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxLijst->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lbxLijst->setToolTip(WindowHint);
    lbxLijst->setAccessibleName(u"Geschiedenislijst"_s);
    lbxLijst->setAccessibleDescription(WindowHint);
    connect(lbxLijst, &JournalListView::chosenByUser, this, &TVerleden::lbxLijstClick);
    connect(lbxLijst, &JournalListView::deletePressed, this, &TVerleden::btWisSelClick);

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
        {btWisLst, "btWisLst", {9, 343, 65, 22}, u"Wis Lijst"_s, {}, &TVerleden::btWisLstClick, true},
        {btWisSel, "btWisSel", {76, 343, 93, 22}, u"Wis Selectie"_s, u"Selectie = Klik (+ Ctrl / Shift)"_s,
         &TVerleden::btWisSelClick, true},
        {btKlip, "btKlip", {206, 343, 88, 22}, u"Kopieer Lijst"_s, {}, &TVerleden::btKlipClick, true},
        {btBewerk, "btBewerk", {322, 342, 99, 22}, u"Bewerk vraag"_s, u"Bewerk de Vraag"_s,
         &TVerleden::btBewerkClick, true},
        {btKeuze, "btKeuze", {446, 342, 109, 22}, u"Kies een vraag"_s,
         ChooseHint, &TVerleden::btKeuzeClick, true},
        {btHerstel, "btHerstel", {42, 371, 66, 22}, u"Herstel"_s, {}, &TVerleden::btHerstelClick, true},
        {btGoBew, "btGoBew", {398, 370, 64, 22}, u"Doe Nu"_s, {}, &TVerleden::btGoBewClick, true},
        {btTerug, "btTerug", {495, 370, 60, 22}, u"&Sluiten"_s, {}, &TVerleden::btTerugClick, true},
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

    Label1 = new QLabel(u"Is de Vraag al Bewaard??"_s, this);
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

    new JournalFind(lbxLijst, [this]() -> const JournalLines & { return m_model.journalLines(); }, this);
}

void TVerleden::setJournalList(const JournalLines &list) { showList(list); }

void TVerleden::showList(const JournalLines &list)
{
    m_model.setJournalLines(list);
    noteFileState();
}

void TVerleden::noteFileState()
{
    const QFileInfo file(JournalFileName);
    m_stamp = file.exists() ? FileStamp{file.size(), file.lastModified()} : FileStamp{};
}

void TVerleden::watchJournal()
{
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        // The file is replaced on every save, so its folder is watched too.
        const auto follow = [this] {
            watchJournal();
            if (isVisible())
                followFile();
        };
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, follow);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, follow);
    }
    const QString folder = QDir::currentPath();
    const QString file = QDir::current().absoluteFilePath(JournalFileName);
    if (!m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
    if (QFileInfo::exists(file) && !m_watcher->files().contains(file))
        m_watcher->addPath(file);
}

bool TVerleden::followFile()
{
    const QFileInfo file(JournalFileName);
    if (!file.exists() || FileStamp{file.size(), file.lastModified()} == m_stamp)
        return true;
    JournalLines fresh;
    if (const FileProblem failed = loadJournalList(JournalFileName, fresh)) {
        m_prompts.error(*failed);
        return false;
    }
    const JournalLines &old = m_model.journalLines();
    const QList<int> selected = selectedRows();
    const int focused = focusedRow();
    // Saving appends, so the old list is mostly the start of the new one; otherwise the rows
    // are found again by their text.
    QHash<QString, int> wanted;
    const bool appended = old.isStartOf(fresh);
    if (!appended) {
        for (int row : selected)
            wanted.insert(old.at(row), -1);
        if (focused >= 0)
            wanted.insert(old.at(focused), -1);
        for (int row = 0; row < fresh.size() && !wanted.isEmpty(); ++row) {
            auto it = wanted.find(fresh.at(row));
            if (it != wanted.end() && *it < 0)
                *it = row;
        }
    }
    const auto moved = [&](int row) { return appended ? row : wanted.value(old.at(row), -1); };
    QList<int> keep;
    for (int row : selected) {
        if (const int to = moved(row); to >= 0)
            keep.append(to);
    }
    std::sort(keep.begin(), keep.end());
    const int focus = focused >= 0 ? moved(focused) : -1;
    showList(fresh);
    if (focus >= 0)
        lbxLijst->selectionModel()->setCurrentIndex(m_model.index(focus), QItemSelectionModel::NoUpdate);
    selectRows(keep);
    return true;
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

bool TVerleden::writeBackup(const JournalLines &list)
{
    if (const FileProblem failed = saveJournalList(JournalBackupName, list)) {
        m_prompts.error(*failed);
        return false;
    }
    return true;
}

bool TVerleden::writeJournal(const JournalLines &list)
{
    if (const FileProblem failed = saveJournalList(JournalFileName, list)) {
        m_prompts.error(*failed);
        return false;
    }
    showList(list);
    return true;
}

void TVerleden::showPosition() { m_host.setListNumberCaption(m_journal.listNumberText()); }

void TVerleden::showJournalWindow()
{
    if (QFileInfo::exists(JournalFileName)) {
        JournalLines list;
        if (const FileProblem failed = loadJournalList(JournalFileName, list)) {
            m_prompts.error(*failed);
            return;
        }
        showList(list);
    }
    watchJournal();
    show();
    raise();
    activateWindow();
    focusLastEntry();
    JournalState &state = m_journal.state();
    state.journalCount = m_model.rowCount();
    if (state.journalPreselect > 0 && state.journalPreselect < m_model.rowCount())
        selectRows({state.journalPreselect});
}

void TVerleden::replayFocusedEntry()
{
    if (!lbxLijst->selectionModel()->hasSelection())
        return;
    m_host.setMainWindowEnabled(true);
    const int row = focusedRow();
    if (row < 0)
        return;
    if (m_journal.replayJournalEntry(m_model.journalLines().at(row), row + 1))
        m_consultation.storedInJournal = true;
}

void TVerleden::lbxLijstClick()
{
    replayFocusedEntry();
    activateWindow();
    lbxLijst->setFocus();
}

void TVerleden::btKeuzeClick() { replayFocusedEntry(); }

void TVerleden::btWisLstClick()
{
    if (!followFile() || m_model.rowCount() == 0)
        return;
    setEnabled(false);
    if (m_prompts.confirm(QuestionCaption, ClearQuestion, Prompts::Icon::Warning) && followFile()) {
        JournalLines empty(QStringList(), m_model.journalLines().encoding());
        if (writeBackup(m_model.journalLines()) && writeJournal(empty)) {
            m_backupBase = 0;
            m_consultation.storedInJournal = false;
            m_journal.state().journalPosition = 0;
            m_journal.state().journalCount = 0;
            showPosition();
        }
    }
    setEnabled(true);
}

void TVerleden::btWisSelClick()
{
    setEnabled(false);
    JournalState &state = m_journal.state();
    if (followFile() && lbxLijst->selectionModel()->hasSelection()
        && m_prompts.confirm(QuestionCaption, DeleteQuestion, Prompts::Icon::Warning) && followFile()) {
        const QList<int> doomed = selectedRows();
        JournalLines left = m_model.journalLines().without(doomed);
        if (!doomed.isEmpty() && writeBackup(m_model.journalLines()) && writeJournal(left)) {
            m_backupBase = left.size();
            focusLastEntry();
            state.journalPreselect = 0;
            state.journalPosition = state.journalCount = m_model.rowCount();
            showPosition();
        }
    }
    setEnabled(true);
    m_consultation.storedInJournal = false;
    if (state.journalCount < state.journalPosition)
        --state.journalPosition;
    showPosition();
}

void TVerleden::btHerstelClick()
{
    if (!followFile())
        return;
    JournalLines list = m_model.journalLines();
    qsizetype backupSize = m_backupBase;
    if (QFileInfo::exists(JournalBackupName)) {
        JournalLines backup;
        if (const FileProblem failed = loadJournalList(JournalBackupName, backup)) {
            m_prompts.error(*failed);
            return;
        }
        backupSize = backup.size();
        // Consultations saved after the backup was written stay in the journal.
        for (qsizetype row = qMax<qsizetype>(m_backupBase, 0); m_backupBase >= 0 && row < list.size(); ++row)
            backup.append(list.at(row));
        list = backup;
    }
    if (!writeJournal(list))
        return;
    m_backupBase = backupSize;
    focusLastEntry();
    JournalState &state = m_journal.state();
    state.journalPosition = state.journalCount = m_model.rowCount();
    showPosition();
    m_prompts.message(Restored);
}

void TVerleden::btBewerkClick()
{
    if (!followFile() || selectedRows().size() != 1 || focusedRow() < 0)
        return;
    if (!writeBackup(m_model.journalLines()))
        return;
    m_backupBase = m_model.rowCount();
    const QString entry = m_model.journalLines().at(focusedRow());
    const auto answer = m_prompts.input(EditCaption, EditPrompt, parseJournalEntry(entry).question, 255);
    if (!answer)
        return;
    QString question = singleLine(*answer);
    if (question.isEmpty())
        question = u"..."_s;
    m_host.setBusy(true);
    // The prompt may have stood open while another save changed the file.
    const bool same = followFile() && focusedRow() >= 0
        && m_model.journalLines().at(focusedRow()) == entry;
    const int row = focusedRow();
    JournalLines list = m_model.journalLines();
    FileProblem failed;
    if (same) {
        list.replace(row, entry.left(18) + question + entry.right(13));
        failed = saveJournalList(JournalFileName, list);
    }
    m_host.setBusy(false);
    if (!same || failed) {
        m_prompts.error(same ? *failed : EditedMeanwhile);
        return;
    }
    // One row changed: the selection stays.
    m_model.setJournalLines(list, row);
    noteFileState();
}

void TVerleden::btKlipClick()
{
    QGuiApplication::clipboard()->setText(m_model.journalLines().text());
}

void TVerleden::btGoBewClick()
{
    if (m_consultation.question.isEmpty())
        m_journal.askMissingQuestion();
    m_journal.appendToJournal();
    showJournalWindow();
}

void TVerleden::btTerugClick()
{
    hide();
    m_host.setMainWindowEnabled(true);
    m_host.focusMainWindow();
}

void TVerleden::reject() { btTerugClick(); }

void TVerleden::FormClose() { m_host.setMainWindowEnabled(true); }

void TVerleden::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}
