#pragma once

// The question dialog's controls the tests use, found by their names.

#include "Controls.h"
#include "SpinButtons.h"
#include "Vraag.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

struct DialogControls
{
    explicit DialogControls(const TOKBottomDlg &d)
        : dialog(d)
    {
        for (int k = 1; k <= 6; ++k)
            lbl_lijn[std::size_t(k - 1)] = control<QLabel>(d, u"lbl_lijn%1", k);
    }
    const TOKBottomDlg &dialog;
    Named at(const char16_t *name) const { return { dialog, name }; }
    QLineEdit *Vragen = at(u"Vragen"), *Worp = at(u"Worp"), *Dobbel = at(u"Dobbel"), *Hexanr = at(u"Hexanr");
    SpinButtons *HexaSpin = at(u"HexaSpin");
    // The item groups, each the one group of its box.
    QButtonGroup *RadioGroepItems = control<QButtonGroup>(*control<QGroupBox>(dialog, u"RadioGroep"), u"");
    QButtonGroup *BovenItems = control<QButtonGroup>(*control<QGroupBox>(dialog, u"Boven"), u"");
    QButtonGroup *OnderItems = control<QButtonGroup>(*control<QGroupBox>(dialog, u"Onder"), u"");
    QLabel *lbHexnr = at(u"lbHexnr"), *lbl_Comment = at(u"lbl_Comment"), *lbl_Prakt = at(u"lbl_Prakt"),
           *Label8 = at(u"Label8");
    std::array<QLabel *, 6> lbl_lijn {};
    QPushButton *OKBtn = at(u"OKBtn"), *CancelBtn = at(u"CancelBtn"), *btAfbeeld = at(u"btAfbeeld");
    QToolButton *Wis1 = at(u"Wis1"), *Wis2 = at(u"Wis2"), *btHLP = at(u"btHLP"), *btStop = at(u"btStop");
};
