#pragma once

#include "Journal.h"
#include "UniformRowList.h"

#include <QAbstractListModel>
#include <QDialog>

// The journal window's rows: the journal store's lines, each row as wide as the list's
// horizontal scroll range. A model rather than an item widget a line, so that a journal of a
// million entries opens and scrolls at once. It follows the store's changes row by row; it
// counts its rows itself, so that each change it passes on sees the rows it expects.
class JournalListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit JournalListModel(JournalStore &store, QObject *parent = nullptr);
    // The view's layout asks for the index of every row: no more than the checks it needs.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = {}) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    JournalStore &m_store;
    int m_rows = 0;
};

// The list box: it tells when the user, not the program, chose an entry with the mouse or the
// keys.
class JournalListView final : public UniformRowList
{
    Q_OBJECT
public:
    using UniformRowList::UniformRowList;

Q_SIGNALS:
    void chosenByUser();
    void deletePressed();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// "Verleden": every entry of the journal, one a row, to show again, correct, delete, restore
// from the backup and copy. The store does the file work; the window asks, shows and keeps
// the selection and the focus. The list follows the file while the window is open.
class TVerleden final : public QDialog
{
    Q_OBJECT
public:
    TVerleden(Session &session, Journal &journal, JournalStore &store, Prompts &prompts);

    // "Open": the list as the file holds it, the entry on screen selected again.
    void showJournalWindow();

    void reject() override;

Q_SIGNALS:
    // What the window needs of the main window and the program around it.
    void mainWindowEnabledWanted();
    void mainWindowFocusWanted();
    void busyChanged(bool busy);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
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

    void createControls();
    // Reads the file again if it changed; false when it could not be read (the user was told).
    bool followFile();
    // Tells the user why a change was not made; true when it was.
    bool report(const JournalResult &result, const QString &movedText);
    void rememberSelection();
    void restoreSelection();
    void focusLastEntry();
    void selectRows(const QList<int> &rows);
    QList<int> selectedRows() const;
    int focusedRow() const;

    JournalListView *lbxLijst = nullptr;

    Session &m_session;
    Journal &m_journal;
    JournalStore &m_store;
    Prompts &m_prompts;
    JournalListModel m_model;
    // The selected and the focused entries by their text, while the list is read anew.
    QStringList m_selectedTexts;
    QString m_focusedText;
};
