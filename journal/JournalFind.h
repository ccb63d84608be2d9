#pragma once

#include "JournalSearch.h"

#include <QObject>

#include <functional>

class QAbstractItemView;
class QLabel;
class QLineEdit;
class QShortcut;

// The find field of the journal window: Ctrl+F opens it at the window's bottom edge, over the
// lowest row of buttons, and hides it again with Esc. As the user types, the first entry from
// the top that holds the text becomes the focused and selected entry; Enter and F3 go to the
// next match, Shift+Enter and Shift+F3 to the one before, and the field says which match of how
// many is focused. A search only moves the focus: the list and the file stay as they are. The
// field is made when it is first opened, so that until then the window is as it always was.
class JournalFind final : public QObject
{
    Q_OBJECT
public:
    // `lines` gives the list the view shows; it is asked again after the view's model changed.
    JournalFind(QAbstractItemView *list, std::function<const JournalLines &()> lines, QWidget *window);

    void openField();
    void closeField();
    // Goes to the next match after the focused entry, or the one before it.
    void step(bool forward);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeField();
    bool isOpen() const;
    void findFromTop();
    const QList<int> &matches();
    void goTo(int row);
    void showCount();
    void listChanged();

    QAbstractItemView *m_list;
    QWidget *m_window;
    QWidget *m_bar = nullptr;
    std::function<const JournalLines &()> m_lines;
    QLineEdit *m_field = nullptr;
    QLabel *m_count = nullptr;
    QList<QShortcut *> m_stepKeys;
    JournalSearch m_search;
    QList<int> m_matches;
    bool m_listStale = true;
    bool m_matchesStale = true;
};
