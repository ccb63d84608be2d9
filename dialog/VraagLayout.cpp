// The controls of the question dialog: places, fonts, colours and hints.
#include "Vraag.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "Accessible.h"
#include "FormKit.h"
#include "GradPnl.h"
#include "SingleLineValidator.h"
#include "SpinButtons.h"

using namespace Qt::StringLiterals;
using namespace Palette;

namespace {

// The dialog's sizes on its own font.
QFont pixelFont(const QFont &base, int pixelSize, bool bold = false)
{
    return fontFor(base, Look { pixelSize, bold, false, {}, {} });
}

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// An etched frame, a raised or lowered box, or an etched line, as the dialog's bevels are.
QFrame *bevel(QWidget *parent, const char *name, QRect geometry, int shape, int shadow)
{
    auto *frame = named(new QFrame(parent), name);
    frame->setFrameStyle(shape | shadow);
    frame->setGeometry(geometry);
    // Frames only decorate; clicks go to whatever they surround.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    markDecorative(frame);
    return frame;
}

// Labels are placed at their top-left corner; a label without a given size takes the size of
// its text.
QLabel *label(QWidget *parent, const char *name, const QString &text, QRect geometry, const QFont &font)
{
    QLabel *l = newLabel(parent, QLatin1String(name), text, font);
    if (geometry.size().isEmpty()) {
        // Any size until the text is measured: a widget shown without one would measure at once.
        l->setGeometry(QRect(geometry.topLeft(), QSize(1, 1)));
        measureText(l, [l] { l->adjustSize(); });
    } else {
        l->setGeometry(geometry);
    }
    return l;
}

QToolButton *flatButton(QWidget *parent, const char *name, QRect geometry)
{
    auto *button = named(new QToolButton(parent), name);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    // Like the small speed buttons they are, they take no keyboard focus.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// Places the items of a radio group in columns, filled top to bottom, as a group box with a
// caption line spreads them over its height.
void arrangeItems(QGroupBox *group, const QList<QAbstractButton *> &items, int columns)
{
    const int count = int(items.size());
    const int perColumn = (count + columns - 1) / columns;
    const int captionHeight = QFontMetrics(group->font()).height();
    const int itemWidth = (group->width() - 10) / columns;
    const int space = group->height() - captionHeight - 5;
    const int itemHeight = space / perColumn;
    const int top = captionHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        items.at(i)->setGeometry(
            (i / perColumn) * itemWidth + 8, (i % perColumn) * itemHeight + top, itemWidth, itemHeight);
}

QGroupBox *radioGroup(QWidget *parent, const char *name, const QString &caption, QRect geometry,
    const QFont &font, const QStringList &items, int columns, QButtonGroup *&buttons)
{
    auto *group = named(new QGroupBox(caption, parent), name);
    group->setGeometry(geometry);
    group->setFont(font);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < int(items.size()); ++i) {
        auto *item = new QRadioButton(items.at(i), group);
        // Placed by arrangeItems; until then any size keeps showing it from measuring its text.
        item->resize(1, 1);
        item->setObjectName(QLatin1String(name) + u'_' + QString::number(i));
        buttons->addButton(item, i);
    }
    measureText(group, [group, buttons, columns] { arrangeItems(group, buttons->buttons(), columns); });
    return group;
}

// The eight trigram items of Boven and Onder, in the order of the rows and columns of
// HexagramByTrigrams. The captions draw the lines top first; their spaces line the signs up.
const QStringList TrigramCaptions = {
    u"Hemel   I  I  I"_s,
    u"Donder -- -- I"_s,
    u"Water   -- I --"_s,
    u"Berg     I -- --"_s,
    u"Aarde  -- -- --"_s,
    u"Wind    I  I --"_s,
    u"Vuur     I --  I"_s,
    u"Meer    -- I  I"_s,
};

// What a screen reader says for each item: the dashes and I's of a caption read as nothing.
const QStringList TrigramSpoken = {
    u"Hemel, drie hele lijnen"_s,
    u"Donder, twee gebroken lijnen boven een hele lijn"_s,
    u"Water, een hele lijn tussen twee gebroken lijnen"_s,
    u"Berg, een hele lijn boven twee gebroken lijnen"_s,
    u"Aarde, drie gebroken lijnen"_s,
    u"Wind, twee hele lijnen boven een gebroken lijn"_s,
    u"Vuur, een gebroken lijn tussen twee hele lijnen"_s,
    u"Meer, een gebroken lijn boven twee hele lijnen"_s,
};

// Fusion's radio circle is taller than the 12 px pitch of the trigram items; a smaller one
// keeps neighbouring circles apart.
class SmallIndicatorStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

// Made first, so that they lie beneath every other control.
void TOKBottomDlg::buildBackground()
{
    GradientPanel1 = named(new TGradientPanel(this), "GradientPanel1");
    GradientPanel1->setGeometry(180, -4, 510, 393);
    GradientPanel1->setColorFrom(clSkyBlue);
    GradientPanel1->setColorTo(clSilver);
    GradientPanel1->setColorCount(9);
    GradientPanel1->setDirection(TDirection::TopToBottom);

    GradientPanel2 = named(new TGradientPanel(this), "GradientPanel2");
    GradientPanel2->setGeometry(-1, 395, 690, 51);
    GradientPanel2->setColorFrom(clMoneyGreen);
    GradientPanel2->setColorTo(clNavy);
    GradientPanel2->setColorCount(64);
    GradientPanel2->setDirection(TDirection::TopToBottom);

    Bevel3 = bevel(this, "Bevel3", QRect(185, 2, 500, 392), QFrame::Panel, QFrame::Raised);
    Bevel1 = bevel(this, "Bevel1", QRect(199, 18, 472, 85), QFrame::Box, QFrame::Sunken);
    Bevel2 = bevel(this, "Bevel2", QRect(199, 109, 472, 121), QFrame::Box, QFrame::Sunken);
    Bevel4 = bevel(this, "Bevel4", QRect(199, 236, 472, 101), QFrame::Box, QFrame::Sunken);
}

void TOKBottomDlg::buildQuestionArea()
{
    const QFont base = font();

    Label2 = label(this, "Label2", u"Handmatige \"Eigen Worp\" Getallen:  "_s, QRect(207, 25, 255, 19),
        pixelFont(base, 13, true));
    Label4 = label(this, "Label4", u"Hexagram verkrijgen door zelf een methode uit te voeren."_s,
        QRect(222, 51, 282, 13), base);
    Label3 = label(this, "Label3", u"Begin met het onderste is eerst gevonden getal [+ yin-yang ]"_s,
        QRect(222, 70, 0, 0), base);
    Label7 = label(this, "Label7", u"Dobbelstenen"_s, QRect(600, 37, 0, 0), base);
    Label7->setToolTip(u"3 Getallen Onder-Boven trigram + Lijn"_s);
    Label1 = label(this, "Label1", u"Hieronder kunt u uw vraag aan de QUIVAR stellen:"_s,
        QRect(252, 254, 0, 0), pixelFont(base, 13, true));
    setColour(Label1, QPalette::WindowText, clRed);
    Label5
        = label(this, "Label5", u"Concentreert u zich op de vraag en druk dan op Enter of de Yin-Yang knop"_s,
            QRect(223, 308, 0, 0), pixelFont(base, 12));

    Worp = named(new QLineEdit(this), "Worp");
    Worp->setGeometry(516, 55, 64, 23);
    Worp->setMaxLength(6);
    // A line edit lays out its text as soon as it has a font: see measureText.
    measureText(Worp, [this, base] { Worp->setFont(pixelFont(base, 13, true)); });
    Worp->setToolTip(u"6 cijfers: begin met onderste getal"_s);
    Worp->setAccessibleName(u"Eigen Worp"_s);
    Label2->setBuddy(Worp);

    const QIcon cross(u":/pictures/redcross.png"_s);
    Wis1 = flatButton(this, "Wis1", QRect(586, 55, 21, 21));
    Wis1->setIcon(cross);
    Wis1->setIconSize(QSize(22, 22));
    Wis1->setAccessibleName(u"Wis de eigen worp en de dobbelstenen"_s);
    connect(Wis1, &QToolButton::clicked, this, &TOKBottomDlg::Wis1Click);

    Dobbel = named(new QLineEdit(this), "Dobbel");
    Dobbel->setGeometry(613, 55, 39, 23);
    Dobbel->setMaxLength(3);
    measureText(Dobbel, [this, base] { Dobbel->setFont(pixelFont(base, 12, true)); });
    setColour(Dobbel, QPalette::Text, clMaroon);
    Dobbel->setToolTip(u"3 Cijfers:  Onder - Boven + Lijn"_s);
    Dobbel->setAccessibleName(u"Dobbelstenen"_s);
    Label7->setBuddy(Dobbel);

    RadioGroep = radioGroup(this, "RadioGroep", u"Automatische werpmethode kiezen:  "_s,
        QRect(223, 123, 401, 91), pixelFont(base, 13),
        { u"Duizendblad"_s, u"Muntenworp"_s, u"Rijstkorrels"_s, u"Trigrammen"_s, u"6 Lijnen"_s,
            u"Computer kiest methode"_s },
        2, RadioGroepItems);
    RadioGroep->setAutoFillBackground(true);
    setColour(RadioGroep, QPalette::Window, clMoneyGreen);
    RadioGroep->setToolTip(u"Als Handmatige getallen zijn ingevuld wordt dit genegeerd."_s);
    connect(RadioGroepItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            RadioGroepClick(id);
    });

    Vragen = named(new QLineEdit(this), "Vragen");
    Vragen->setGeometry(222, 280, 402, 21);
    SingleLineValidator::apply(*Vragen, 64);
    Vragen->setAccessibleName(u"Vraag"_s);
    Label1->setBuddy(Vragen);

    Wis2 = flatButton(this, "Wis2", QRect(625, 280, 21, 21));
    Wis2->setIcon(cross);
    Wis2->setIconSize(QSize(22, 22));
    Wis2->setAccessibleName(u"Wis de vraag"_s);
    connect(Wis2, &QToolButton::clicked, this, &TOKBottomDlg::Wis2Click);

    btHLP = flatButton(this, "btHLP", QRect(199, 354, 30, 30));
    btHLP->setText(u"?"_s);
    btHLP->setFont(pixelFont(base, 19, true));
    setColour(btHLP, QPalette::ButtonText, clRed);
    btHLP->setToolTip(u"Help"_s);
    btHLP->setAccessibleName(u"Help"_s);
    connect(btHLP, &QToolButton::clicked, this, &TOKBottomDlg::btHLPClick);

    OKBtn = named(new QPushButton(this), "OKBtn");
    OKBtn->setGeometry(490, 349, 122, 34);
    // The yin-yang sign; DejaVu Sans carries it.
    OKBtn->setText(u"\u262F"_s);
    QFont symbol(u"DejaVu Sans"_s);
    symbol.setPixelSize(35);
    OKBtn->setFont(symbol);
    OKBtn->setToolTip(u"Vraag Antwoord"_s);
    OKBtn->setAccessibleName(u"Vraag Antwoord"_s);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg::OKBtnClick);

    CancelBtn = named(new QPushButton(u"Annuleer Vraag"_s, this), "CancelBtn");
    CancelBtn->setGeometry(490, 410, 122, 23);
    CancelBtn->setFont(pixelFont(base, 13));
    setColour(CancelBtn, QPalette::ButtonText, clNavy);
    connect(CancelBtn, &QPushButton::clicked, this, &TOKBottomDlg::CancelBtnClick);

    btStop = flatButton(this, "btStop", QRect(57, 410, 63, 23));
    btStop->setText(u"STOP"_s);
    setColour(btStop, QPalette::ButtonText, Qt::black);
    connect(btStop, &QToolButton::clicked, this, &TOKBottomDlg::btStopClick);
}

void TOKBottomDlg::buildLookupPane()
{
    const QFont base = font();

    Bevel5 = bevel(this, "Bevel5", QRect(8, 137, 68, 51), QFrame::Box, QFrame::Sunken);
    Bevel6 = bevel(this, "Bevel6", QRect(8, 187, 68, 51), QFrame::Box, QFrame::Sunken);
    Bevel11 = bevel(this, "Bevel11", QRect(29, 110, 24, 22), QFrame::Panel, QFrame::Sunken);
    Bevel8 = bevel(this, "Bevel8", QRect(5, 245, 174, 5), QFrame::HLine, QFrame::Sunken);
    Bevel7 = bevel(this, "Bevel7", QRect(5, 267, 174, 5), QFrame::HLine, QFrame::Sunken);
    Bevel9 = bevel(this, "Bevel9", QRect(5, 350, 174, 5), QFrame::HLine, QFrame::Sunken);
    Bevel10 = bevel(this, "Bevel10", QRect(5, 392, 174, 5), QFrame::HLine, QFrame::Sunken);

    Label6 = label(
        this, "Label6", u"Opzoeken  Hexagram  Nummer:  "_s, QRect(7, 9, 74, 45), pixelFont(base, 12, true));
    Label6->setWordWrap(true);

    QFont lineFont(u"MS Sans Serif"_s);
    lineFont.setPixelSize(16);
    lineFont.setBold(true);
    static constexpr std::array<int, 6> lineTops = { 216, 202, 187, 165, 151, 137 }; // line 1 first
    for (std::size_t i = 0; i < 6; ++i) {
        const QByteArray name = "lbl_lijn" + QByteArray::number(int(i) + 1);
        QLabel *line = label(this, name.constData(), u"--"_s, QRect(10, lineTops[i], 64, 12), lineFont);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setColour(line, QPalette::WindowText, clPurple);
        lbl_lijn[i] = line;
        setLineCaption(int(i) + 1, u"--"_s);
    }

    lbHexnr = label(this, "lbHexnr", QString(), QRect(31, 114, 20, 18), pixelFont(base, 11, true));
    lbHexnr->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label8 = label(this, "Label8", u"Naam"_s, QRect(6, 252, 168, 13), base);
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_Comment = label(this, "lbl_Comment", u"   Commentaar"_s, QRect(9, 278, 167, 71), base);
    lbl_Comment->setWordWrap(true);
    lbl_Prakt = label(this, "lbl_Prakt", u"   Praktische Raad"_s, QRect(9, 359, 167, 30), base);
    lbl_Prakt->setWordWrap(true);

    Hexanr = named(new QLineEdit(this), "Hexanr");
    Hexanr->setGeometry(8, 57, 36, 22);
    Hexanr->setMaxLength(2);
    measureText(Hexanr, [this, base] {
        Hexanr->setFont(pixelFont(base, 11, true));
        Hexanr->setText(u"0"_s);
    });
    Hexanr->setAccessibleName(u"Opzoeken hexagram nummer"_s);
    Label6->setBuddy(Hexanr);

    HexaSpin = named(new SpinButtons(this), "HexaSpin");
    HexaSpin->setGeometry(44, 57, 30, 22);
    connect(HexaSpin, &SpinButtons::stepped, this, &TOKBottomDlg::spinStep);

    btAfbeeld = named(new QPushButton(u"Afbeelden"_s, this), "btAfbeeld");
    btAfbeeld->setGeometry(8, 83, 67, 22);
    connect(btAfbeeld, &QPushButton::clicked, this, &TOKBottomDlg::btAfbeeldClick);

    Boven = radioGroup(
        this, "Boven", u"Trigram Boven"_s, QRect(85, 2, 94, 120), base, TrigramCaptions, 1, BovenItems);
    Onder = radioGroup(
        this, "Onder", u"Trigram Onder"_s, QRect(84, 123, 94, 120), base, TrigramCaptions, 1, OnderItems);
    auto *smallIndicators = new SmallIndicatorStyle(QApplication::style()->name());
    smallIndicators->setParent(this);
    for (QButtonGroup *items : { BovenItems, OnderItems }) {
        for (QAbstractButton *item : items->buttons()) {
            item->setStyle(smallIndicators);
            item->setAccessibleName(TrigramSpoken.at(items->id(item)));
        }
    }
    // A selection made in code runs the handler just as a click does; an unchanged group
    // emits nothing.
    connect(BovenItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            BovenClick(id);
    });
    connect(OnderItems, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            OnderClick(id);
    });
}

void TOKBottomDlg::buildTabOrder()
{
    QList<QWidget *> order = { Vragen, Worp, Hexanr, btAfbeeld, OKBtn, CancelBtn };
    for (QAbstractButton *item : RadioGroepItems->buttons())
        order.append(item);
    order.append(HexaSpin->upButton());
    order.append(HexaSpin->downButton());
    for (QAbstractButton *item : BovenItems->buttons())
        order.append(item);
    for (QAbstractButton *item : OnderItems->buttons())
        order.append(item);
    order.append(Dobbel);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}
