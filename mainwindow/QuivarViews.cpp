// Switching between the normal view, the intermediate (Tussen) and the nuclear (Kern) view.
#include "Quivar.h"

#include "Shapes.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The caption says which view a panel shows; a screen reader hears it in the description.
void TForm1::setViewCaption(QAbstractButton *button, const QString &caption)
{
    static const QHash<QString, QString> meaning = {
        {u"S"_s, u"starthexagram"_s},
        {u"K"_s, u"kernhexagram"_s},
        {u"R"_s, u"resultaathexagram"_s},
        {u"T"_s, u"tussenhexagram"_s},
    };
    button->setText(caption);
    button->setAccessibleDescription(u"%1: %2"_s.arg(caption, meaning.value(caption)));
}

// Before the first consultation there is no cast to derive a view from.
bool TForm1::hasCast() const { return !m_state.lineDigits.isEmpty() && m_consultation; }

void TForm1::resetViewButtons()
{
    setViewCaption(btTussenHex, u"R"_s);
    m_state.secondaryViewActive = false;
    setViewCaption(btKernHex, u"S"_s);
}

void TForm1::leaveDerivedView()
{
    const QString date = lbl_Datumx->text();
    m_consultation->runConsultation();
    resetViewButtons();
    lbl_Methode->setText(m_state.savedMethodCaption);
    lbl_Datumx->setText(date);
}

// Both view buttons: leave a derived view, or open one; the date label keeps its text either way.
void TForm1::pressViewButton(void (TForm1::*openView)())
{
    if (!hasCast())
        return;
    if (m_state.secondaryViewActive) {
        leaveDerivedView();
        return;
    }
    const QString date = lbl_Datumx->text();
    (this->*openView)();
    lbl_Datumx->setText(date);
}

void TForm1::btTussenHexClick() { pressViewButton(&TForm1::openIntermediateView); }

void TForm1::btKernHexClick() { pressViewButton(&TForm1::openNuclearView); }

void TForm1::openIntermediateView()
{
    showIntermediateView();
    setViewCaption(btKernHex, u"S"_s);
    // Only an opened view saved the caption; otherwise the saved one may belong to an earlier
    // consultation and the label keeps its own.
    if (m_state.secondaryViewActive) {
        setViewCaption(btTussenHex, u"T"_s);
        lbl_Methode->setText(m_state.savedMethodCaption);
    }
}

void TForm1::openNuclearView()
{
    showNuclearView();
    setViewCaption(btKernHex, u"K"_s);
    lbl_Methode->setText(m_state.savedMethodCaption);
}

void TForm1::showIntermediateView()
{
    if (!m_state.deriveIntermediate())
        return;
    applyIntermediateGrey();
    m_state.secondaryViewActive = true;
    m_state.savedMethodCaption = lbl_Methode->text();
    fillSecondaryPanel();
}

void TForm1::showNuclearView()
{
    const std::array<LineValue, 6> cast = m_state.lines;
    m_state.lines = deriveNuclear(cast);
    m_state.isOwnThrow = true;
    m_state.secondaryViewActive = true;
    m_state.savedMethodCaption = lbl_Methode->text();
    m_consultation->runConsultation();
    // The derived fields keep describing the nuclear hexagram; the lines are the cast again.
    m_state.lines = cast;
}

void TForm1::applyIntermediateGrey() { fillBars({&shp_LijnA_B, &shp_LijnBA_B, &shp_LijnBB_B}, clMedGray); }
