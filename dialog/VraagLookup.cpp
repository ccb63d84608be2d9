// The lookup pane: a hexagram by number or by its two trigrams, shown without consulting.
#include "Vraag.h"

#include "QuivarDATA.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

std::optional<int> TOKBottomDlg::readHexanr()
{
    // Digits only: a pasted "-1" or "+5" is no hexagram number either.
    const QString text = Hexanr->text();
    bool ok = !text.isEmpty();
    for (QChar c : text)
        ok = ok && c >= u'0' && c <= u'9';
    const int value = ok ? text.toInt() : 0;
    if (!ok) {
        m_prompts.error(u"'%1' is geen geldig getal."_s.arg(Hexanr->text()));
        return std::nullopt;
    }
    return value;
}

void TOKBottomDlg::spinStep(int step)
{
    // The pause after a step: steps that come sooner are ignored rather than waited out, so a
    // held arrow steps at most this often and the event loop keeps running.
    if (m_sinceSpinStep.isValid() && m_sinceSpinStep.elapsed() < m_spinPause.count())
        return;
    const auto value = readHexanr();
    if (!value)
        return;
    const int next = qBound(0, *value, 64) + step;
    if (next < 0 || next > 64)
        return;
    Hexanr->setText(QString::number(next));
    HexaSpinClick();
    m_sinceSpinStep.start();
}

bool TOKBottomDlg::lookUpHexanr()
{
    const auto value = readHexanr();
    if (!value)
        return false;
    m_lookup.number = *value;
    selectTrigramsFor();
    showLookupHexagram();
    return true;
}

void TOKBottomDlg::HexaSpinClick()
{
    // The next step continues from the number looked up, not from the "0" the pane left.
    if (lookUpHexanr())
        Hexanr->setText(QString::number(m_lookup.number));
}

void TOKBottomDlg::btAfbeeldClick()
{
    lookUpHexanr();
}

bool TOKBottomDlg::lookupStep()
{
    if (Hexanr->text() == u"0"_s)
        return false;
    btAfbeeldClick();
    return true;
}

void TOKBottomDlg::BovenClick(int index)
{
    m_lookup.upper = index + 1;
    lookupFromTrigrams();
}

void TOKBottomDlg::OnderClick(int index)
{
    m_lookup.lower = index + 1;
    lookupFromTrigrams();
}

void TOKBottomDlg::selectTrigramsFor()
{
    const int wanted = m_lookup.number;
    if (wanted < 1 || wanted > 64)
        return;
    for (int lower = 0; lower < 8; ++lower) {
        for (int upper = 0; upper < 8; ++upper) {
            if (HexagramByTrigrams[std::size_t(8 * lower + upper)] != wanted)
                continue;
            // Upper first: its handler may show the new upper over the old lower trigram
            // for a moment; the lower group's handler then settles on the wanted hexagram.
            BovenItems->button(upper)->setChecked(true);
            OnderItems->button(lower)->setChecked(true);
            m_lookup.number = wanted;
            return;
        }
    }
}

void TOKBottomDlg::lookupFromTrigrams()
{
    if (m_lookup.upper == 0 || m_lookup.lower == 0)
        return;
    const int n = HexagramByTrigrams[std::size_t(8 * (m_lookup.lower - 1) + (m_lookup.upper - 1))];
    lbHexnr->setText(QString::number(n));
    m_lookup.number = n;
    m_lookup.shown = n;
    Hexanr->setText(QString::number(n));
    showLookupHexagram();
}

void TOKBottomDlg::showLookupHexagram()
{
    if (m_lookup.number > 64)
        Hexanr->setText(u"0"_s);
    if (m_lookup.number <= 0 || m_lookup.number > 64)
        return;
    m_lookup.shown = m_lookup.number;
    const QLatin1String pattern = HexPatterns[std::size_t(m_lookup.shown - 1)];
    // The pattern lists the top line first; lbl_lijn[0] is the bottom line.
    for (int k = 1; k <= 6; ++k) {
        const bool yin = pattern.at(6 - k) == u'B';
        setLineCaption(k, yin ? u"---   ---"_s : u"--------"_s);
    }
    Label8->setText(Title(m_lookup.shown));
    lbl_Comment->setText(ProcessText(m_lookup.shown));
    lbl_Prakt->setText(AdviceText(m_lookup.shown));
    lbHexnr->setText(QString::number(m_lookup.shown));
    Hexanr->setText(u"0"_s);
}

void TOKBottomDlg::setLineCaption(int line, const QString &caption)
{
    QLabel *label = lbl_lijn[std::size_t(line - 1)];
    label->setText(caption);
    // The dashes mean nothing read aloud; the name says what they draw.
    const QString kind = caption == u"--------"_s ? u"hele lijn"_s
        : caption == u"---   ---"_s               ? u"gebroken lijn"_s
                                                  : u"nog geen hexagram"_s;
    label->setAccessibleName(u"Lijn %1: %2"_s.arg(line).arg(kind));
}
