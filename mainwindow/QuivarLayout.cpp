// The main window's controls: places, sizes, fonts, colours and stacking.
#include "Quivar.h"

#include "FormKit.h"
#include "GradPnl.h"
#include "SMBevel.h"
#include "Shapes.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace Palette;

namespace {

// Bar tops of the six rows, top row first.
constexpr std::array<int, 6> PrimaryBarTop = { 142, 169, 196, 223, 250, 277 };
constexpr std::array<int, 6> SecondaryBarTop = { 141, 168, 195, 222, 249, 276 };
constexpr std::array<int, 6> StrokeLeft = { 123, 123, 123, 123, 123, 122 };
constexpr std::array<int, 6> StrokeTop = { 138, 166, 194, 221, 247, 274 };
constexpr std::array<int, 6> LineTextTop = { 142, 170, 197, 224, 251, 278 };

QString rowName(const char16_t *pattern, int row)
{
    return QString::fromUtf16(pattern).arg(row);
}

Look look(int pixelSize, bool bold = false, bool italic = false, const QColor &colour = {},
    const QString &family = {})
{
    return Look { pixelSize, bold, italic, colour, family };
}

TGradientPanel *makeGradient(QWidget *window, const QString &name, const QRect &geometry, const QColor &from,
    const QColor &to, TDirection direction)
{
    auto *panel = new TGradientPanel(window);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setColorFrom(from);
    panel->setColorTo(to);
    panel->setColorCount(64);
    panel->setDirection(direction);
    return panel;
}

// The plain frames of the window (sunken boxes and raised or sunken frames) are bevels without
// an arrow.
TSMBevel *makeFrame(
    QWidget *window, const QString &name, const QRect &geometry, TSMBevelShape shape, TSMBevelStyle style)
{
    auto *bevel = new TSMBevel(window);
    bevel->setObjectName(name);
    bevel->setGeometry(geometry);
    bevel->setShape(shape);
    bevel->setStyle(style);
    bevel->setArrow(TSMArrow::smaNone);
    return bevel;
}

TSMBevel *makeLineFrame(QWidget *window, const QString &name, const QRect &geometry)
{
    auto *bevel = new TSMBevel(window);
    bevel->setObjectName(name);
    bevel->setGeometry(geometry);
    bevel->setShape(TSMBevelShape::mbsBoxIn);
    bevel->setBevelWidth(1);
    bevel->setTopColor(window->palette().color(QPalette::Light));
    bevel->setBottomColor(window->palette().color(QPalette::Dark));
    bevel->setArrow(TSMArrow::smaFinish);
    bevel->setArrowType(TSMArrowType::atSolid);
    bevel->setArrowAngle(25);
    bevel->setArrowLength(15);
    bevel->setPenStyle(Qt::SolidLine);
    return bevel;
}

TSMBevel *makeStroke(QWidget *window, const QString &name, int left, int top, TSMBevelShape shape)
{
    auto *bevel = new TSMBevel(window);
    bevel->setObjectName(name);
    bevel->setGeometry(left, top, 20, 24);
    bevel->setShape(shape);
    bevel->setTopColor(clNavy);
    bevel->setBottomColor(clNavy);
    bevel->setBevelWidth(2);
    bevel->setArrow(TSMArrow::smaNone);
    bevel->hide();
    return bevel;
}

TShape *makeBar(QWidget *window, const QString &name, int left, int top, int width, bool visible)
{
    auto *bar = new TShape(TShapeType::stRoundRect, window);
    bar->setObjectName(name);
    bar->setGeometry(left, top, width, 18);
    bar->setPenColor(clWhite);
    bar->setBrushColor(clFuchsia);
    bar->setVisible(visible);
    return bar;
}

template <typename Button>
Button *makeButton(QWidget *window, const QString &name, const QRect &geometry, const QString &caption,
    const QString &hint = {})
{
    auto *button = new Button(window);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setText(caption);
    button->setCursor(Qt::PointingHandCursor);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
        // The captions are single signs; a screen reader reads the hint instead.
        button->setAccessibleName(hint);
    }
    return button;
}

// A speed button: it never takes the keyboard focus.
QToolButton *makeSpeedButton(QWidget *window, const QString &name, const QRect &geometry,
    const QString &caption, const QFont &font, const QString &hint)
{
    auto *button = makeButton<QToolButton>(window, name, geometry, caption, hint);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QCheckBox *makeSchemeBox(QWidget *window, const QString &name, int left, const QString &hint)
{
    auto *box = new QCheckBox(window);
    box->setObjectName(name);
    box->setGeometry(left, 56, 16, 16);
    box->setCursor(Qt::PointingHandCursor);
    box->setToolTip(hint);
    box->setAccessibleName(hint);
    return box;
}

} // namespace

void TForm1::createControls()
{
    const Look heading = look(11, true, false, clNavy);
    const Look caption = look(11, true, false, clPurple);
    const Look houseWord = look(12, false, true);
    const Look number = look(19, true, false, clMaroon, u"MS Sans Serif"_s);
    const Look title = look(12, false, false, clNavy, u"Arial"_s);
    const Look lineText = look(11);
    const Look processText = look(11);
    const Look adviceText = look(12);
    const Qt::Alignment topCentre = Qt::AlignHCenter | Qt::AlignTop;

    // Created back to front: each control lies over the ones made before it.
    GPnl_Achter = makeGradient(
        this, u"GPnl_Achter"_s, QRect(0, 0, 690, 448), clSkyBlue, clSilver, TDirection::EdgesToHCenter);

    Bevel9 = makeFrame(
        this, u"Bevel9"_s, QRect(12, 43, 669, 2), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);
    Bevel11 = makeFrame(
        this, u"Bevel11"_s, QRect(12, 51, 25, 25), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);
    Bevel10 = makeFrame(
        this, u"Bevel10"_s, QRect(651, 51, 25, 25), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);
    Bevel4 = makeFrame(
        this, u"Bevel4"_s, QRect(177, 54, 40, 40), TSMBevelShape::mbsFrame, TSMBevelStyle::mbsRaised);
    Bevel6 = makeFrame(
        this, u"Bevel6"_s, QRect(468, 54, 40, 40), TSMBevelShape::mbsFrame, TSMBevelStyle::mbsRaised);
    Bevel2 = makeFrame(
        this, u"Bevel2"_s, QRect(48, 100, 170, 31), TSMBevelShape::mbsFrame, TSMBevelStyle::mbsLowered);
    Bevel5 = makeFrame(
        this, u"Bevel5"_s, QRect(468, 100, 170, 31), TSMBevelShape::mbsFrame, TSMBevelStyle::mbsLowered);
    GPnl_Hex1A = makeGradient(
        this, u"GPnl_Hex1A"_s, QRect(50, 103, 167, 27), clMoneyGreen, clYellow, TDirection::TopToBottom);
    GPnl_Hex2a = makeGradient(
        this, u"GPnl_Hex2a"_s, QRect(470, 103, 167, 27), clMoneyGreen, clYellow, TDirection::TopToBottom);
    Bevel1 = makeFrame(
        this, u"Bevel1"_s, QRect(13, 328, 242, 55), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);
    Bevel3 = makeFrame(
        this, u"Bevel3"_s, QRect(13, 404, 242, 30), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);
    Bevel7 = makeFrame(
        this, u"Bevel7"_s, QRect(434, 328, 242, 55), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);
    Bevel8 = makeFrame(
        this, u"Bevel8"_s, QRect(434, 404, 242, 30), TSMBevelShape::mbsBox, TSMBevelStyle::mbsLowered);

    // The line areas. In the secondary one the broken halves lie under the gradient until the
    // first consultation, so the window opens with six solid bars under the yin-yang sign.
    SMB_RandHex_A = makeLineFrame(this, u"SMB_RandHex_A"_s, QRect(48, 131, 170, 175));
    GPnl_Hex1b = makeGradient(
        this, u"GPnl_Hex1b"_s, QRect(51, 138, 164, 160), clCream, clSilver, TDirection::EllipticOut);
    SMB_RandHex_B = makeLineFrame(this, u"SMB_RandHex_B"_s, QRect(468, 131, 170, 175));
    for (int r = 1; r <= 6; ++r) {
        const int y = SecondaryBarTop[std::size_t(r - 1)];
        shp_LijnBA_B[std::size_t(r - 1)] = makeBar(this, rowName(u"shp_Lijn%1BA_B", r), 479, y, 60, false);
        shp_LijnBB_B[std::size_t(r - 1)] = makeBar(this, rowName(u"shp_Lijn%1BB_B", r), 567, y, 60, false);
    }
    GPnl_Hex2b = makeGradient(
        this, u"GPnl_Hex2b"_s, QRect(473, 134, 160, 164), clCream, clSilver, TDirection::EllipticOut);
    for (int r = 1; r <= 6; ++r) {
        shp_LijnA_B[std::size_t(r - 1)] = makeBar(
            this, rowName(u"shp_Lijn%1A_B", r), 479, SecondaryBarTop[std::size_t(r - 1)], 148, true);
    }
    img_taosml = new TTaoImage(this);
    img_taosml->setObjectName(u"img_taosml"_s);
    img_taosml->setGeometry(516, 178, 80, 80);

    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        const int y = PrimaryBarTop[i];
        shp_LijnA_A[i] = makeBar(this, rowName(u"shp_Lijn%1A_A", r), 59, y, 148, true);
        shp_LijnBA_A[i] = makeBar(this, rowName(u"shp_Lijn%1BA_A", r), 59, y, 60, false);
        shp_LijnBB_A[i] = makeBar(this, rowName(u"shp_Lijn%1BB_A", r), 147, y, 60, false);
    }
    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        auto *ring = new TShape(TShapeType::stCircle, this);
        ring->setObjectName(rowName(u"shp_cirkel%1_A", r));
        ring->setGeometry(121, PrimaryBarTop[i] - 3, 24, 24);
        ring->setPenColor(clNavy);
        ring->setPenWidth(3);
        ring->setFilled(false);
        ring->hide();
        shp_cirkel_A[i] = ring;
        SMB_StrpA_A[i] = makeStroke(
            this, rowName(u"SMB_Strp%1A_A", r), StrokeLeft[i], StrokeTop[i], TSMBevelShape::mbsTopRightLine);
        SMB_StrpB_A[i] = makeStroke(
            this, rowName(u"SMB_Strp%1B_A", r), StrokeLeft[i], StrokeTop[i], TSMBevelShape::mbsTopLeftLine);
    }

    for (int r = 1; r <= 6; ++r) {
        const std::size_t i = std::size_t(r - 1);
        auto *circle = new TShape(TShapeType::stCircle, this);
        circle->setObjectName(rowName(u"Shape%1", r));
        circle->setGeometry(14, PrimaryBarTop[i], 20, 20);
        circle->setBrushColor(clMoneyGreen);
        circle->setPenColor(clMaroon);
        Shape[i] = circle;
        // The value label of row r carries the number r - 1.
        lbl_Uitk_A[i] = makeLabel(
            this, rowName(u"lbl_Uitk%1_A", r - 1), 17, PrimaryBarTop[i] + 3, 14, 14, {}, {}, Qt::AlignCenter);
    }

    // Top strip
    lbl_Datum = makeLabel(this, u"lbl_Datum"_s, 5, 6, 45, 0, u"Datum :"_s, {}, Qt::AlignRight | Qt::AlignTop);
    lbl_Datumx = makeLabel(this, u"lbl_Datumx"_s, 52, 5, 140, 0, {});
    // 310 rather than 300 wide about the same centre: the longest captions ("... gekozen") need
    // 304 pixels in Liberation Sans.
    lbl_Methode = makeLabel(this, u"lbl_Methode"_s, 187, 6, 310, 0, u"Gebruikte Methode"_s, {}, topCentre);
    // The one label on the face colour rather than over the gradient. Its right edge stays at
    // 623 (563 + 60) however long its text; the room to the left is for "Lijstnummer" and more.
    lbRegelnr = new TFaceLabel(this);
    lbRegelnr->setObjectName(u"lbRegelnr"_s);
    lbRegelnr->setText(m_session.listNumber().text());
    lbRegelnr->setGeometry(523, 6, 100, 1);
    measureText(lbRegelnr, [this] { lbRegelnr->resize(100, QFontMetrics(font()).lineSpacing()); });
    lbl_Vraagtitel = makeLabel(this, u"lbl_Vraagtitel"_s, 13, 22, 0, 0, u"Mijn Vraag aan de QUIVAR was:"_s,
        look(12, true, false, clNavy));
    lbl_Vraag = makeLabel(this, u"lbl_Vraag"_s, 215, 25, 450, 0, {}, look(11, true));

    // Primary header
    lbl_Hexa_A = makeLabel(this, u"lbl_Hexa_A"_s, 50, 51, 0, 0, u"HEXAGRAM"_s, heading);
    lbl_Huis_A = makeLabel(this, u"lbl_Huis_A"_s, 50, 68, 0, 0, u"In het Huis van:"_s);
    lbl_Huistxt_A = makeLabel(this, u"lbl_Huistxt_A"_s, 50, 82, 100, 15, {}, houseWord);
    lbl_Hexnr_A = makeLabel(this, u"lbl_Hexnr_A"_s, 180, 57, 33, 33, {}, number, Qt::AlignCenter);
    lbl_HexTitel_A = makeLabel(this, u"lbl_HexTitel_A"_s, 52, 106, 162, 18, {}, title, topCentre);

    // Middle column
    lbl_Verander = makeLabel(this, u"lbl_Verander"_s, 295, 57, 100, 32, u"Geen Verandering"_s,
        look(13, true, false, clNavy), topCentre, true);
    // Wide enough for its longest caption, "Geen Bewegende Lijnen".
    lbl_LijnenTitel
        = makeLabel(this, u"lbl_LijnenTitel"_s, 276, 108, 160, 0, u"Geen Bewegende Lijnen"_s, caption);
    for (int r = 1; r <= 6; ++r) {
        lbl_Lijnb[std::size_t(r - 1)] = makeLabel(this, rowName(u"lbl_Lijn%1b", r), 223,
            LineTextTop[std::size_t(r - 1)], 230, 26, {}, lineText, Qt::AlignLeft | Qt::AlignTop, true);
    }

    // Secondary header
    Label1 = makeLabel(this, u"Label1"_s, 513, 51, 0, 0, u"HEXAGRAM"_s, heading);
    Label2 = makeLabel(this, u"Label2"_s, 513, 68, 0, 0, u"In het Huis van:"_s);
    lbl_Huistxt_B = makeLabel(this, u"lbl_Huistxt_B"_s, 513, 82, 100, 15, {}, houseWord);
    lbl_Hexnr_B = makeLabel(this, u"lbl_Hexnr_B"_s, 471, 57, 33, 33, {}, number, Qt::AlignCenter);
    lbl_HexTitel_B = makeLabel(this, u"lbl_HexTitel_B"_s, 472, 106, 162, 18, {}, title, topCentre);

    // Texts under the panels
    lbl_DV_A = makeLabel(this, u"lbl_DV_A"_s, 13, 311, 0, 0, u"Processen volgens Doravel:"_s, caption);
    lbl_RaadDV_A = makeLabel(
        this, u"lbl_RaadDV_A"_s, 21, 334, 225, 42, {}, processText, Qt::AlignLeft | Qt::AlignTop, true);
    lbl_SL_A = makeLabel(this, u"lbl_SL_A"_s, 13, 387, 0, 0, u"Selvine's Praktische Raad:"_s, caption);
    lbl_RaadSL_A = makeLabel(this, u"lbl_RaadSL_A"_s, 22, 410, 225, 16, {}, adviceText, topCentre);
    Label7 = makeLabel(this, u"Label7"_s, 434, 310, 0, 0, u"Processen volgens Doravel:"_s, caption);
    Label8 = makeLabel(this, u"Label8"_s, 434, 386, 0, 0, u"Selvine's Praktische Raad:"_s, caption);
    lbl_RaadDV_B = makeLabel(
        this, u"lbl_RaadDV_B"_s, 442, 335, 225, 42, {}, processText, Qt::AlignLeft | Qt::AlignTop, true);
    lbl_RaadSL_B = makeLabel(this, u"lbl_RaadSL_B"_s, 443, 410, 225, 16, {}, adviceText, topCentre);

    // Buttons and boxes lie over every drawn control.
    const QFont historyFont = fontFor(font(), look(11, true));
    BackHistory = makeSpeedButton(
        this, u"BackHistory"_s, QRect(631, 3, 24, 18), u"<<"_s, historyFont, u"Terug in Geschiedenislijst"_s);
    GoHistory = makeSpeedButton(
        this, u"GoHistory"_s, QRect(656, 3, 24, 18), u">>"_s, historyFont, u"Verder in Geschiedenislijst"_s);
    const QFont viewFont = fontFor(font(), look(24, true));
    btKernHex = makeSpeedButton(
        this, u"btKernHex"_s, QRect(11, 100, 26, 28), u"S"_s, viewFont, u"Start Hex. / KernHexagram"_s);
    btTussenHex = makeButton<QPushButton>(
        this, u"btTussenHex"_s, QRect(651, 100, 26, 28), u"R"_s, u"Result Hex. / TussenHexagram"_s);
    btTussenHex->setFont(viewFont);
    setViewCaption(btKernHex, u"S"_s);
    setViewCaption(btTussenHex, u"R"_s);
    // Read out in Dutch words; the hints keep the design's abbreviations.
    btKernHex->setAccessibleName(u"Starthexagram of kernhexagram"_s);
    btTussenHex->setAccessibleName(u"Resultaathexagram of tussenhexagram"_s);
    // Speed buttons, yet Tab reaches them: a keyboard user has no other way to these three.
    for (QToolButton *button : { btKernHex, BackHistory, GoHistory })
        button->setFocusPolicy(Qt::TabFocus);

    knpVraag = makeButton<QPushButton>(this, u"knpVraag"_s, QRect(283, 325, 122, 34), QString(QChar(0x262F)));
    // The yin-yang sign of the DejaVu fonts stands in for the Wingdings glyph.
    knpVraag->setFont(fontFor(font(), look(35, false, false, {}, u"DejaVu Sans"_s)));
    knpVraag->setAccessibleName(u"Vraag stellen"_s);
    knpVraag->setDefault(true);
    knpBewaar = makeButton<QPushButton>(this, u"knpBewaar"_s, QRect(283, 360, 60, 25), u"Bewaar"_s);
    knpOpen = makeButton<QPushButton>(this, u"knpOpen"_s, QRect(345, 360, 60, 25), u"Open"_s);
    knpHelp = makeButton<QPushButton>(this, u"knpHelp"_s, QRect(283, 385, 60, 25), u"Help"_s);
    knpInfo = makeButton<QPushButton>(this, u"knpInfo"_s, QRect(345, 385, 60, 25), u"Info"_s);
    knpStop = makeButton<QPushButton>(this, u"knpStop"_s, QRect(283, 411, 122, 25), u"Stop"_s);
    // A focused button takes Enter itself; anywhere else Enter presses knpVraag.
    for (QPushButton *button : { knpVraag, knpBewaar, knpOpen, knpHelp, knpInfo, knpStop, btTussenHex })
        button->setAutoDefault(true);

    cbRegen = makeSchemeBox(this, u"cbRegen"_s, 17, u"Wissel Kleuren Doravel / Regenboog"_s);
    cbKleur = makeSchemeBox(this, u"cbKleur"_s, 657, u"Wissel Kleuren Doravel / Grijs"_s);

    const QList<QWidget *> order = { knpVraag, knpBewaar, knpOpen, BackHistory, GoHistory, knpInfo, knpHelp,
        knpStop, btKernHex, btTussenHex, cbKleur, cbRegen };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    knpVraag->setFocus();
}
