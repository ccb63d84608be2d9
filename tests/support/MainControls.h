#pragma once

// The main window's controls the tests use, found by their names. Rows of six are indexed by
// row - 1, row 1 being the top row, as the window builds them.

#include "Controls.h"
#include "GradPnl.h"
#include "Quivar.h"
#include "SMBevel.h"
#include "Shapes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <array>

struct MainControls
{
    explicit MainControls(const QWidget &window)
        : form(window)
    {
        for (int r = 1; r <= 6; ++r) {
            const std::size_t i = std::size_t(r - 1);
            shp_LijnA_A[i] = control<TShape>(form, u"shp_Lijn%1A_A", r);
            shp_LijnBA_A[i] = control<TShape>(form, u"shp_Lijn%1BA_A", r);
            shp_LijnBB_A[i] = control<TShape>(form, u"shp_Lijn%1BB_A", r);
            shp_cirkel_A[i] = control<TShape>(form, u"shp_cirkel%1_A", r);
            SMB_StrpA_A[i] = control<TSMBevel>(form, u"SMB_Strp%1A_A", r);
            SMB_StrpB_A[i] = control<TSMBevel>(form, u"SMB_Strp%1B_A", r);
            Shape[i] = control<TShape>(form, u"Shape%1", r);
            // The value label of row r carries the number r - 1.
            lbl_Uitk_A[i] = control<QLabel>(form, u"lbl_Uitk%1_A", r - 1);
            lbl_Lijnb[i] = control<QLabel>(form, u"lbl_Lijn%1b", r);
            shp_LijnA_B[i] = control<TShape>(form, u"shp_Lijn%1A_B", r);
            shp_LijnBA_B[i] = control<TShape>(form, u"shp_Lijn%1BA_B", r);
            shp_LijnBB_B[i] = control<TShape>(form, u"shp_Lijn%1BB_B", r);
        }
    }
    const QWidget &form;
    TGradientPanel *GPnl_Achter = control<TGradientPanel>(form, u"GPnl_Achter");
    TGradientPanel *GPnl_Hex2b = control<TGradientPanel>(form, u"GPnl_Hex2b");
    QLabel *lbl_Datumx = control<QLabel>(form, u"lbl_Datumx");
    QLabel *lbl_Methode = control<QLabel>(form, u"lbl_Methode");
    QLabel *lbRegelnr = control<QLabel>(form, u"lbRegelnr");
    QLabel *lbl_Vraag = control<QLabel>(form, u"lbl_Vraag");
    QLabel *lbl_Hexnr_A = control<QLabel>(form, u"lbl_Hexnr_A");
    QLabel *lbl_Huistxt_A = control<QLabel>(form, u"lbl_Huistxt_A");
    QLabel *lbl_HexTitel_A = control<QLabel>(form, u"lbl_HexTitel_A");
    QLabel *lbl_Hexnr_B = control<QLabel>(form, u"lbl_Hexnr_B");
    QLabel *lbl_Huistxt_B = control<QLabel>(form, u"lbl_Huistxt_B");
    QLabel *lbl_HexTitel_B = control<QLabel>(form, u"lbl_HexTitel_B");
    QLabel *lbl_Verander = control<QLabel>(form, u"lbl_Verander");
    QLabel *lbl_LijnenTitel = control<QLabel>(form, u"lbl_LijnenTitel");
    QLabel *lbl_RaadDV_A = control<QLabel>(form, u"lbl_RaadDV_A");
    QLabel *lbl_RaadSL_A = control<QLabel>(form, u"lbl_RaadSL_A");
    QLabel *lbl_RaadDV_B = control<QLabel>(form, u"lbl_RaadDV_B");
    QLabel *lbl_RaadSL_B = control<QLabel>(form, u"lbl_RaadSL_B");
    TTaoImage *img_taosml = control<TTaoImage>(form, u"img_taosml");
    std::array<TShape *, 6> shp_LijnA_A {}, shp_LijnBA_A {}, shp_LijnBB_A {}, shp_cirkel_A {}, Shape {};
    std::array<TSMBevel *, 6> SMB_StrpA_A {}, SMB_StrpB_A {};
    std::array<QLabel *, 6> lbl_Uitk_A {}, lbl_Lijnb {};
    std::array<TShape *, 6> shp_LijnA_B {}, shp_LijnBA_B {}, shp_LijnBB_B {};
    QToolButton *BackHistory = control<QToolButton>(form, u"BackHistory");
    QToolButton *GoHistory = control<QToolButton>(form, u"GoHistory");
    QPushButton *knpVraag = control<QPushButton>(form, u"knpVraag");
    QPushButton *knpBewaar = control<QPushButton>(form, u"knpBewaar");
    QPushButton *knpOpen = control<QPushButton>(form, u"knpOpen");
    QPushButton *knpHelp = control<QPushButton>(form, u"knpHelp");
    QPushButton *knpInfo = control<QPushButton>(form, u"knpInfo");
    QPushButton *knpStop = control<QPushButton>(form, u"knpStop");
    QToolButton *btKernHex = control<QToolButton>(form, u"btKernHex");
    QPushButton *btTussenHex = control<QPushButton>(form, u"btTussenHex");
    QCheckBox *cbRegen = control<QCheckBox>(form, u"cbRegen");
    QCheckBox *cbKleur = control<QCheckBox>(form, u"cbKleur");
};
