// Showing a consultation: the texts, the value column and the six line rows.
#include "Quivar.h"

#include "GradPnl.h"
#include "QuivarDATA.h"
#include "SMBevel.h"
#include "Shapes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

void TForm1::setMethodCaption(const QString &caption)
{
    lbl_Methode->setText(caption);
}

void TForm1::showConsultation()
{
    const ConsultationState &s = m_session.state();
    lbl_Vraag->setText(s.question);

    // Uncover the secondary line area: its gradient goes under every bar again.
    img_taosml->hide();
    GPnl_Hex2b->lower();
    GPnl_Achter->lower();

    lbl_Datumx->setText(m_session.dateText());
    lbl_Verander->setText(u"Hexagram verandert"_s);
    lbl_LijnenTitel->setText(u"De Bewegende Lijnen"_s);
    btTussenHex->show();

    lbl_Hexnr_A->setText(QString::number(s.primaryNumber));
    lbl_Huistxt_A->setText(HouseWords(s.primaryUpperTrigram));
    lbl_HexTitel_A->setText(Title(s.primaryNumber));
    lbl_RaadDV_A->setText(ProcessText(s.primaryNumber));
    lbl_RaadSL_A->setText(AdviceText(s.primaryNumber));

    for (int r = 1; r <= 6; ++r)
        lbl_Uitk_A[std::size_t(r - 1)]->setText(QString::number(s.lines[std::size_t(6 - r)]));

    if (cbRegen->isChecked())
        applyRainbowColours();
    else if (cbKleur->isChecked())
        applyGreyColours();
    else
        applyDoravelColours();

    showLineRows();
    speakLineRows();
}

void TForm1::showLineRows()
{
    const ConsultationState &s = m_session.state();
    for (int r = 1; r <= 6; ++r) {
        const std::size_t row = std::size_t(r - 1);
        const std::size_t i = std::size_t(6 - r);
        const LineValue v = s.lines[i];
        if (v < 6 || v > 9)
            continue; // a value no cast can give leaves its row as it was
        const bool yang = isYang(v);
        shp_LijnA_A[row]->setVisible(yang);
        shp_LijnBA_A[row]->setVisible(!yang);
        shp_LijnBB_A[row]->setVisible(!yang);
        shp_cirkel_A[row]->setVisible(v == 9);
        SMB_StrpA_A[row]->setVisible(v == 6);
        SMB_StrpB_A[row]->setVisible(v == 6);
        lbl_Lijnb[row]->setText(isMoving(v) ? LineTexts(s.primaryNumber, int(i) + 1) : QString());
    }

    if (s.hasMovingLines) {
        fillSecondaryPanel();
        return;
    }
    lbl_Verander->setText(u"Geen Veranderingen"_s);
    lbl_LijnenTitel->clear();
    lbl_Hexnr_B->clear();
    lbl_Huistxt_B->clear();
    lbl_HexTitel_B->clear();
    lbl_RaadDV_B->clear();
    lbl_RaadSL_B->clear();
    // Cover the secondary bars with the gradient and the yin-yang sign over it.
    img_taosml->show();
    GPnl_Hex2b->raise();
    img_taosml->raise();
    btTussenHex->hide();
}

// The hexagram in the changed-hexagram fields (the changed or the intermediate one) in the
// secondary panel.
void TForm1::fillSecondaryPanel()
{
    const ConsultationState &s = m_session.state();
    lbl_Hexnr_B->setText(QString::number(s.changedNumber));
    lbl_Huistxt_B->setText(HouseWords(s.changedUpperTrigram));
    lbl_HexTitel_B->setText(Title(s.changedNumber));
    lbl_RaadDV_B->setText(ProcessText(s.changedNumber));
    lbl_RaadSL_B->setText(AdviceText(s.changedNumber));
    for (int r = 1; r <= 6; ++r) {
        const std::size_t row = std::size_t(r - 1);
        const int w = s.changedLines[std::size_t(6 - r)];
        if (w != 7 && w != 8)
            continue;
        shp_LijnA_B[row]->setVisible(w == 7);
        shp_LijnBA_B[row]->setVisible(w == 8);
        shp_LijnBB_B[row]->setVisible(w == 8);
    }
}
