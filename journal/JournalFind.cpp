#include "JournalFind.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

using namespace Qt::StringLiterals;

JournalFind::JournalFind(
    QAbstractItemView *list, std::function<const JournalLines &()> lines, QWidget *window)
    : QObject(window)
    , m_list(list)
    , m_window(window)
    , m_lines(std::move(lines))
{
    connect(new QShortcut(QKeySequence::Find, window), &QShortcut::activated, this, &JournalFind::openField);
    for (const bool forward : { true, false }) {
        auto *key = new QShortcut(
            forward ? QKeySequence(Qt::Key_F3) : QKeySequence(Qt::SHIFT | Qt::Key_F3), window);
        key->setEnabled(false);
        connect(key, &QShortcut::activated, this, [this, forward] { step(forward); });
        m_stepKeys.append(key);
    }
    // Esc closes the field before it closes the window.
    window->installEventFilter(this);

    QAbstractItemModel *model = m_list->model();
    connect(model, &QAbstractItemModel::modelReset, this, &JournalFind::listChanged);
    connect(model, &QAbstractItemModel::rowsInserted, this, &JournalFind::listChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &JournalFind::listChanged);
    connect(model, &QAbstractItemModel::dataChanged, this, &JournalFind::listChanged);
    connect(model, &QAbstractItemModel::layoutChanged, this, &JournalFind::listChanged);
}

void JournalFind::makeField()
{
    m_bar = new QWidget(m_window);
    m_bar->setObjectName(u"zoekBalk"_s);
    m_bar->setAccessibleName(u"Zoeken"_s);
    // Over the lowest row of buttons, so that the window keeps its layout while it is closed.
    m_bar->setGeometry(9, 368, 546, 28);
    m_bar->setAutoFillBackground(true);

    auto *caption = new QLabel(u"Zoek:"_s, m_bar);
    caption->setGeometry(0, 3, 40, 22);
    m_field = new QLineEdit(m_bar);
    m_field->setObjectName(u"zoekVeld"_s);
    m_field->setGeometry(42, 3, 474, 22);
    m_field->setAccessibleName(u"Zoek in de geschiedenislijst"_s);
    m_field->setToolTip(u"Enter of F3: volgende, Shift+Enter of Shift+F3: vorige, Esc: sluiten"_s);
    caption->setBuddy(m_field);
    // The count stands inside the field, at its right end; the text stops before it.
    m_count = new QLabel(m_field);
    m_count->setObjectName(u"zoekAantal"_s);
    m_count->setGeometry(474 - 104, 0, 100, 22);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_count->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette grey = m_count->palette();
    grey.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    m_count->setPalette(grey);
    m_field->setTextMargins(0, 0, 104, 0);
    auto *close = new QToolButton(m_bar);
    close->setObjectName(u"zoekSluiten"_s);
    close->setText(u"\u00D7"_s);
    close->setAccessibleName(u"Zoeken sluiten"_s);
    close->setToolTip(u"Zoeken sluiten (Esc)"_s);
    close->setGeometry(522, 3, 22, 22);
    connect(close, &QToolButton::clicked, this, &JournalFind::closeField);
    connect(m_field, &QLineEdit::textChanged, this, &JournalFind::findFromTop);
    m_field->installEventFilter(this);
}

bool JournalFind::isOpen() const
{
    return m_bar && m_bar->isVisible();
}

void JournalFind::openField()
{
    if (!m_bar)
        makeField();
    m_bar->show();
    m_bar->raise();
    for (QShortcut *key : std::as_const(m_stepKeys))
        key->setEnabled(true);
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    showCount();
}

void JournalFind::closeField()
{
    if (m_bar)
        m_bar->hide();
    for (QShortcut *key : std::as_const(m_stepKeys))
        key->setEnabled(false);
    m_list->setFocus(Qt::OtherFocusReason);
}

bool JournalFind::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isOpen())
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_field && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        step(!(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (watched != m_field && key->key() == Qt::Key_Escape) {
        closeField();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void JournalFind::listChanged()
{
    m_listStale = true;
    // A closed field keeps no folded copy of a list that is gone.
    if (isOpen())
        showCount();
    else
        m_search = JournalSearch();
}

const QList<int> &JournalFind::matches()
{
    if (m_listStale) {
        m_search.setList(m_lines());
        m_listStale = false;
        m_matchesStale = true;
    }
    if (m_matchesStale) {
        m_matches = m_search.rowsHolding(m_field->text());
        m_matchesStale = false;
    }
    return m_matches;
}

void JournalFind::findFromTop()
{
    m_matchesStale = true;
    if (!matches().isEmpty())
        goTo(m_matches.first());
    showCount();
}

void JournalFind::step(bool forward)
{
    goTo(stepToMatch(matches(), m_list->currentIndex().row(), forward));
    showCount();
}

void JournalFind::goTo(int row)
{
    const QModelIndex index = m_list->model()->index(row, 0);
    if (!index.isValid())
        return;
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(index);
}

void JournalFind::showCount()
{
    QString count;
    if (!m_field->text().isEmpty()) {
        const QList<int> &rows = matches();
        // Off a match (the user moved on), the count tells how many matches lie before it.
        const int focused = m_list->currentIndex().row();
        const auto at = std::lower_bound(rows.cbegin(), rows.cend(), focused);
        const qsizetype ordinal = (at - rows.cbegin()) + (at != rows.cend() && *at == focused);
        count = rows.isEmpty() ? u"niet gevonden"_s : u"%1 van %2"_s.arg(ordinal).arg(rows.size());
    }
    m_count->setText(count);
    m_field->setAccessibleDescription(count);
}
