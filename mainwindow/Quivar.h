#pragma once

#include "ReadingText.h"
#include "Session.h"
#include "services.h"

#include <QColor>
#include <QWidget>

#include <array>

class QAbstractButton;
class QAction;
class QCheckBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QToolButton;
class TGradientPanel;
class TSMBevel;
class TShape;
class TTaoImage;

// The main window: shows one consultation at a time, its intermediate and nuclear views in the
// chosen colour scheme, and carries the program's own buttons and keys.
//
// It holds no state: it draws what the session says changed and hands its commands to the
// session or, for what other windows do, to the program through its signals. Every control
// carries its name as objectName(). Arrays of six are indexed by row - 1, row 1 being the top
// row, which shows line 6.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    TForm1(Session &session, Shell &shell, QWidget *parent = nullptr);
    ~TForm1() override;

    void setMethodCaption(const QString &caption);
    void showConsultation();
    // The reading on screen leaves the program (QuivarExport.cpp): Ctrl+C copies it as text and
    // HTML, Ctrl+P prints it, Ctrl+Shift+P saves it as PDF; the context menu offers the same.
    // The file name and any failure go through the prompts, set once by the program.
    void setPrompts(Prompts *prompts) { m_prompts = prompts; }
    void copyReading();
    void printReading();
    void saveReadingAsPdf();
    // False, after saying why, when the file cannot be written.
    bool writeReadingPdf(const QString &fileName);

Q_SIGNALS:
    // What other windows do, which the program wires.
    void questionRequested(); // show the question dialog
    void aboutRequested(); // show the About window
    void saveRequested(); // append the consultation to the journal
    void journalRequested(); // show the journal window
    void historyBackRequested(); // "<<" and Page Up
    void historyForwardRequested(); // ">>" and Page Down
    // The window was closed; the program ends with it.
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The controls; tests find them by objectName().
    // Background and top strip
    TGradientPanel *GPnl_Achter;
    QLabel *lbl_Datum, *lbl_Datumx, *lbl_Methode, *lbRegelnr;
    QToolButton *BackHistory, *GoHistory;
    QLabel *lbl_Vraagtitel, *lbl_Vraag;
    TSMBevel *Bevel9;

    // Primary header
    QLabel *lbl_Hexa_A, *lbl_Huis_A, *lbl_Huistxt_A;
    TSMBevel *Bevel4;
    QLabel *lbl_Hexnr_A;
    TSMBevel *Bevel2;
    TGradientPanel *GPnl_Hex1A;
    QLabel *lbl_HexTitel_A;

    // Primary line area
    TSMBevel *SMB_RandHex_A;
    TGradientPanel *GPnl_Hex1b;
    std::array<TShape *, 6> shp_LijnA_A {}; // solid (yang) bars
    std::array<TShape *, 6> shp_LijnBA_A {}; // left halves of the broken (yin) bars
    std::array<TShape *, 6> shp_LijnBB_A {}; // right halves
    std::array<TShape *, 6> shp_cirkel_A {}; // ring: old yang
    std::array<TSMBevel *, 6> SMB_StrpA_A {}; // the two diagonals of the X: old yin
    std::array<TSMBevel *, 6> SMB_StrpB_A {};

    // Value column: Shape[r - 1] is the circle, lbl_Uitk_A[r - 1] the digit of row r
    std::array<TShape *, 6> Shape {};
    std::array<QLabel *, 6> lbl_Uitk_A {};

    // Middle column
    QLabel *lbl_Verander, *lbl_LijnenTitel;
    std::array<QLabel *, 6> lbl_Lijnb {};

    // Secondary header
    QLabel *Label1, *Label2, *lbl_Huistxt_B;
    TSMBevel *Bevel6;
    QLabel *lbl_Hexnr_B;
    TSMBevel *Bevel5;
    TGradientPanel *GPnl_Hex2a;
    QLabel *lbl_HexTitel_B;

    // Secondary line area
    TSMBevel *SMB_RandHex_B;
    TGradientPanel *GPnl_Hex2b;
    std::array<TShape *, 6> shp_LijnA_B {};
    std::array<TShape *, 6> shp_LijnBA_B {};
    std::array<TShape *, 6> shp_LijnBB_B {};
    TTaoImage *img_taosml;

    // Texts under the panels
    QLabel *lbl_DV_A;
    TSMBevel *Bevel1;
    QLabel *lbl_RaadDV_A, *lbl_SL_A;
    TSMBevel *Bevel3;
    QLabel *lbl_RaadSL_A;
    QLabel *Label7, *Label8;
    TSMBevel *Bevel7;
    QLabel *lbl_RaadDV_B;
    TSMBevel *Bevel8;
    QLabel *lbl_RaadSL_B;

    // Commands, view buttons, scheme boxes
    QPushButton *knpVraag, *knpBewaar, *knpOpen, *knpHelp, *knpInfo, *knpStop;
    QToolButton *btKernHex;
    QPushButton *btTussenHex;
    QCheckBox *cbRegen, *cbKleur;
    TSMBevel *Bevel11, *Bevel10;

    QAction *actCopyReading = nullptr, *actPrintReading = nullptr, *actSaveReadingPdf = nullptr;

    // Colour schemes.
    void applyDoravelColours();
    void applyRainbowColours();
    void applyGreyColours();
    void cbRegenClick();
    void cbKleurClick();

    // View switching.
    void btKernHexClick();
    void btTussenHexClick();
    // The intermediate hexagram in the second panel, in its grey.
    void showIntermediateView();
    void applyIntermediateGrey();
    // The captions of the view buttons say which view is shown.
    void showViewCaptions(ConsultationViewKind view);
    // Every caption of btKernHex and btTussenHex goes through here.
    void setViewCaption(QAbstractButton *button, const QString &caption);

    // Commands.
    void FormKeyDown(int key);
    void knpVraagClick();
    void knpBewaarClick();
    void BackHistoryClick();
    void GoHistoryClick();
    void knpHelpClick();
    void knpInfoClick();
    void knpStopClick();
    void knpOpenClick();
    void openHelpFile();
    void recast();

    void createControls();
    void connectControls();
    void showLineRows();
    void colourByTrigrams(const std::array<QColor, 8> &scheme);
    void fillSecondaryPanel();
    void schemeBoxClicked(QCheckBox *box, QCheckBox *other, void (TForm1::*applyScheme)());
    void fillBars(std::initializer_list<std::array<TShape *, 6> *> bars, const QColor &colour);
    void createExportActions();
    Reading shownReading() const;
    QString proposedPdfName() const;
    bool paintReading(QPagedPaintDevice &device);
    // The line rows read out with their line (QuivarSpeech.cpp).
    void speakLineRows();

    void connectSession();

    Session &m_session;
    Shell &m_shell;
    Prompts *m_prompts = nullptr;
};
