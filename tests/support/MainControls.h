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
    Named at(const char16_t *name) const { return { form, name }; }
    TGradientPanel *GPnl_Achter = at(u"GPnl_Achter"), *GPnl_Hex2b = at(u"GPnl_Hex2b");
    QLabel *lbl_Datumx = at(u"lbl_Datumx"), *lbl_Methode = at(u"lbl_Methode"), *lbRegelnr = at(u"lbRegelnr"),
           *lbl_Vraag = at(u"lbl_Vraag"), *lbl_Hexnr_A = at(u"lbl_Hexnr_A"),
           *lbl_Huistxt_A = at(u"lbl_Huistxt_A"), *lbl_HexTitel_A = at(u"lbl_HexTitel_A"),
           *lbl_Hexnr_B = at(u"lbl_Hexnr_B"), *lbl_Huistxt_B = at(u"lbl_Huistxt_B"),
           *lbl_HexTitel_B = at(u"lbl_HexTitel_B"), *lbl_Verander = at(u"lbl_Verander"),
           *lbl_LijnenTitel = at(u"lbl_LijnenTitel"), *lbl_RaadDV_A = at(u"lbl_RaadDV_A"),
           *lbl_RaadSL_A = at(u"lbl_RaadSL_A"), *lbl_RaadDV_B = at(u"lbl_RaadDV_B"),
           *lbl_RaadSL_B = at(u"lbl_RaadSL_B");
    TTaoImage *img_taosml = at(u"img_taosml");
    std::array<TShape *, 6> shp_LijnA_A {}, shp_LijnBA_A {}, shp_LijnBB_A {}, shp_cirkel_A {}, Shape {};
    std::array<TSMBevel *, 6> SMB_StrpA_A {}, SMB_StrpB_A {};
    std::array<QLabel *, 6> lbl_Uitk_A {}, lbl_Lijnb {};
    std::array<TShape *, 6> shp_LijnA_B {}, shp_LijnBA_B {}, shp_LijnBB_B {};
    QToolButton *BackHistory = at(u"BackHistory"), *GoHistory = at(u"GoHistory");
    QPushButton *knpVraag = at(u"knpVraag"), *knpBewaar = at(u"knpBewaar"), *knpOpen = at(u"knpOpen"),
                *knpHelp = at(u"knpHelp"), *knpInfo = at(u"knpInfo"), *knpStop = at(u"knpStop");
    QToolButton *btKernHex = at(u"btKernHex");
    QPushButton *btTussenHex = at(u"btTussenHex");
    QCheckBox *cbRegen = at(u"cbRegen"), *cbKleur = at(u"cbKleur");
};
