#pragma once

#include "JournalFile.h"

#include <QWidget>

// The journal window: hidden for now; it already keeps the list that the first "<<" loads.
class TVerleden : public QWidget
{
    Q_OBJECT
public:
    explicit TVerleden(QWidget *parent = nullptr);

    void setJournalList(const JournalLines &list) { m_list = list; }
    const JournalLines &journalList() const { return m_list; }

private:
    JournalLines m_list;
};
