// The view buttons: the normal view, the intermediate (Tussen) and the nuclear (Kern) view. The
// session decides; the window shows the captions and the intermediate hexagram's panel.
#include "Quivar.h"

#include "FormKit.h"
#include "Shapes.h"

#include <QHash>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The caption says which view a panel shows; a screen reader hears it in the description.
void TForm1::setViewCaption(QAbstractButton *button, const QString &caption)
{
    static const QHash<QString, QString> meaning = {
        { u"S"_s, u"starthexagram"_s },
        { u"K"_s, u"kernhexagram"_s },
        { u"R"_s, u"resultaathexagram"_s },
        { u"T"_s, u"tussenhexagram"_s },
    };
    button->setText(caption);
    button->setAccessibleDescription(u"%1: %2"_s.arg(caption, meaning.value(caption)));
}

void TForm1::showViewCaptions(ConsultationViewKind view)
{
    setViewCaption(btTussenHex, view == ConsultationViewKind::Intermediate ? u"T"_s : u"R"_s);
    setViewCaption(btKernHex, view == ConsultationViewKind::Nuclear ? u"K"_s : u"S"_s);
}

void TForm1::btTussenHexClick()
{
    m_session.toggleIntermediateView();
}

void TForm1::btKernHexClick()
{
    m_session.toggleNuclearView();
}

void TForm1::showIntermediateView()
{
    applyIntermediateGrey();
    fillSecondaryPanel();
}

void TForm1::applyIntermediateGrey()
{
    fillBars({ &shp_LijnA_B, &shp_LijnBA_B, &shp_LijnBB_B }, Palette::clMedGray);
}
