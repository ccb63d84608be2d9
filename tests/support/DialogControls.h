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
    QLineEdit *Vragen = control<QLineEdit>(dialog, u"Vragen");
    QLineEdit *Worp = control<QLineEdit>(dialog, u"Worp");
    QLineEdit *Dobbel = control<QLineEdit>(dialog, u"Dobbel");
    QLineEdit *Hexanr = control<QLineEdit>(dialog, u"Hexanr");
    SpinButtons *HexaSpin = control<SpinButtons>(dialog, u"HexaSpin");
    // The item groups, each the one group of its box.
    QButtonGroup *RadioGroepItems = control<QButtonGroup>(*control<QGroupBox>(dialog, u"RadioGroep"), u"");
    QButtonGroup *BovenItems = control<QButtonGroup>(*control<QGroupBox>(dialog, u"Boven"), u"");
    QButtonGroup *OnderItems = control<QButtonGroup>(*control<QGroupBox>(dialog, u"Onder"), u"");
    QLabel *lbHexnr = control<QLabel>(dialog, u"lbHexnr");
    QLabel *lbl_Comment = control<QLabel>(dialog, u"lbl_Comment");
    QLabel *lbl_Prakt = control<QLabel>(dialog, u"lbl_Prakt");
    QLabel *Label8 = control<QLabel>(dialog, u"Label8");
    std::array<QLabel *, 6> lbl_lijn {};
    QPushButton *OKBtn = control<QPushButton>(dialog, u"OKBtn");
    QPushButton *CancelBtn = control<QPushButton>(dialog, u"CancelBtn");
    QPushButton *btAfbeeld = control<QPushButton>(dialog, u"btAfbeeld");
    QToolButton *Wis1 = control<QToolButton>(dialog, u"Wis1");
    QToolButton *Wis2 = control<QToolButton>(dialog, u"Wis2");
    QToolButton *btHLP = control<QToolButton>(dialog, u"btHLP");
    QToolButton *btStop = control<QToolButton>(dialog, u"btStop");
};
