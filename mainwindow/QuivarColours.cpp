// The colour schemes of the line bars: by trigram (Doravel, rainbow) or one grey.
#include "Quivar.h"

#include "Shapes.h"

#include <QCheckBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QColor GreyScheme(0x6F, 0x6F, 0x6F);

// By trigram number - 1: Heaven, Earth, Thunder, Wind, Water, Fire, Mountain, Lake.
const std::array<QColor, 8> DoravelColours = {
    QColor(0xB4, 0x92, 0x38),
    QColor(0xA4, 0xA7, 0x9E),
    QColor(0xCA, 0x2E, 0x07),
    QColor(0x0E, 0x71, 0x06),
    QColor(0x36, 0x3C, 0x98),
    QColor(0xEB, 0xC2, 0x38),
    QColor(0x70, 0x27, 0x8B),
    QColor(0x01, 0x89, 0xF4),
};
const std::array<QColor, 8> RainbowColours = {
    QColor(0xFF, 0xFF, 0xFF),
    QColor(0x00, 0x00, 0x00),
    QColor(0xF2, 0xEF, 0x5B),
    QColor(0x6C, 0xB4, 0x8C),
    QColor(0x3D, 0x74, 0xAB),
    QColor(0xFF, 0x80, 0x40),
    QColor(0x70, 0x27, 0x8B),
    QColor(0xD1, 0x21, 0x5A),
};

} // namespace

void TForm1::colourByTrigrams(const std::array<QColor, 8> &scheme)
{
    struct Group
    {
        const std::array<TShape *, 6> &solid, &left, &right;
        int firstRow;
        const TrigramPattern &pattern;
    };
    const ConsultationState &s = m_session.state();
    const Group groups[] = {
        { shp_LijnA_A, shp_LijnBA_A, shp_LijnBB_A, 1, s.primaryUpperPattern },
        { shp_LijnA_A, shp_LijnBA_A, shp_LijnBB_A, 4, s.primaryLowerPattern },
        { shp_LijnA_B, shp_LijnBA_B, shp_LijnBB_B, 1, s.changedUpperPattern },
        { shp_LijnA_B, shp_LijnBA_B, shp_LijnBB_B, 4, s.changedLowerPattern },
    };
    for (const Group &g : groups) {
        const int trigram = lookupTrigram(g.pattern);
        if (trigram == 0)
            continue; // no derivation yet: the bars keep their colour
        const QColor &colour = scheme[std::size_t(trigram - 1)];
        for (int k = 0; k < 3; ++k) {
            const std::size_t row = std::size_t(g.firstRow + k - 1);
            if (g.pattern.at(k) == u'A') {
                g.solid[row]->setBrushColor(colour);
            } else {
                g.left[row]->setBrushColor(colour);
                g.right[row]->setBrushColor(colour);
            }
        }
    }
}

void TForm1::applyDoravelColours()
{
    colourByTrigrams(DoravelColours);
}

void TForm1::applyRainbowColours()
{
    colourByTrigrams(RainbowColours);
}

void TForm1::fillBars(std::initializer_list<std::array<TShape *, 6> *> bars, const QColor &colour)
{
    for (const auto *row : bars) {
        for (TShape *bar : *row)
            bar->setBrushColor(colour);
    }
}

void TForm1::applyGreyColours()
{
    fillBars({ &shp_LijnA_A, &shp_LijnBA_A, &shp_LijnBB_A, &shp_LijnA_B, &shp_LijnBA_B, &shp_LijnBB_B },
        GreyScheme);
}

// Either box: in the intermediate view the trigram patterns describe another hexagram than
// the one shown, so the view is left before anything is recoloured. Unticking the other box
// here does not run its own handler.
void TForm1::schemeBoxClicked(QCheckBox *box, QCheckBox *other, void (TForm1::*applyScheme)())
{
    if (m_session.view() == ConsultationViewKind::Intermediate)
        m_session.leaveDerivedView();
    if (box->isChecked()) {
        (this->*applyScheme)();
        const QSignalBlocker quiet(other);
        other->setChecked(false);
    } else {
        applyDoravelColours();
    }
}

void TForm1::cbRegenClick()
{
    schemeBoxClicked(cbRegen, cbKleur, &TForm1::applyRainbowColours);
}

void TForm1::cbKleurClick()
{
    schemeBoxClicked(cbKleur, cbRegen, &TForm1::applyGreyColours);
}
