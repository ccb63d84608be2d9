#pragma once

#include "Journal.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QDialog>
#include <QListView>

class QFileSystemWatcher;
class QLabel;
class QPushButton;

// The journal window's rows: the lines of the file as one list, each row as wide as the list's
// horizontal scroll range. A model rather than an item widget a line, so that a journal of a
// million entries opens and scrolls at once.
class JournalListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const JournalLines &journalLines() const { return m_lines; }
    void setJournalLines(const JournalLines &lines);
    // The same rows, of which only `changedRow` reads differently.
    void setJournalLines(const JournalLines &lines, int changedRow);

private:
    JournalLines m_lines;
};

// The list box: it tells when the user, not the program, chose an entry with the mouse or the
// keys.
class JournalListView final : public QListView
{
    Q_OBJECT
public:
    using QListView::QListView;

Q_SIGNALS:
    void chosenByUser();
    void deletePressed();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// "Verleden": every entry of the journal, one a row, to show again, correct, delete, restore
// from the backup and copy. It is the only place that deletes, so every deletion and edit first
// writes the list to the backup. The list follows the file while the window is open, so that
// an entry saved meanwhile is never written away.
class TVerleden final : public QDialog
{
    Q_OBJECT
public:
    TVerleden(ConsultationState &consultation, Journal &journal, Prompts &prompts,
              JournalHost &host);

    JournalListView *lbxLijst = nullptr;
    QPushButton *btWisLst = nullptr;
    QPushButton *btWisSel = nullptr;
    QPushButton *btKlip = nullptr;
    QPushButton *btBewerk = nullptr;
    QPushButton *btKeuze = nullptr;
    QPushButton *btHerstel = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *btGoBew = nullptr;
    QPushButton *btTerug = nullptr;

    // The list as the first "<<" of a run loads it, and its size.
    void setJournalList(const JournalLines &list);
    const JournalLines &journalList() const { return m_model.journalLines(); }

    void showJournalWindow();
    void replayFocusedEntry();
    void lbxLijstClick();
    void btKeuzeClick();
    void btWisLstClick();
    void btWisSelClick();
    void btHerstelClick();
    void btBewerkClick();
    void btKlipClick();
    void btGoBewClick();
    void btTerugClick();
    void FormClose();

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    // Reloads the list when the file changed since it was last read or written here, keeping
    // the selection and the focused entry on the same entries; false when the file could not
    // be read (the user has been told).
    bool followFile();
    void showList(const JournalLines &list);
    void noteFileState();
    bool writeBackup(const JournalLines &list);
    bool writeJournal(const JournalLines &list);
    void focusLastEntry();
    void selectRows(const QList<int> &rows);
    QList<int> selectedRows() const;
    int focusedRow() const;
    void showPosition();
    void watchJournal();

    ConsultationState &m_consultation;
    Journal &m_journal;
    Prompts &m_prompts;
    JournalHost &m_host;
    JournalListModel m_model;
    QFileSystemWatcher *m_watcher = nullptr;
    // What the journal file looked like when this list was last read from it or written to it.
    struct FileStamp
    {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const FileStamp &) const = default;
    } m_stamp;
    // How many leading journal entries the backup already stands for: "Herstel" puts the backup
    // back and keeps the entries saved after it. Unknown (-1) until this run writes a backup.
    qsizetype m_backupBase = -1;
};
