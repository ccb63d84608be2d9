#include "About.h"

#include "FormKit.h"
#include "JpegImage.h"
#include "ScreenPlace.h"

#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

static void initAboutPictures()
{
    Q_INIT_RESOURCE(aboutpictures);
}

namespace {

// A panel with a double bevel: an outer lowered edge around an inner raised one.
class BevelPanel final : public QWidget
{
public:
    explicit BevelPanel(QWidget *parent)
        : QWidget(parent)
    {
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

// Eighteen lines, each short enough to stay on one line of the memo.
const QString AcknowledgementText
    = QStringLiteral("WENDARIX dankt allen die aan dit programma hebben bijgedragen.\n"
                     "\n"
                     "De procesteksten bij de 64 hexagrammen zijn voor WENDARIX in\n"
                     "eigen woorden geschreven en worden alleen hiermee verspreid.\n"
                     "\n"
                     "De namen van de hexagrammen volgen de gangbare Nederlandse\n"
                     "weergave van de titels uit het Boek der Veranderingen.\n"
                     "\n"
                     "Het idee van het TussenHexagram, dat yang toont waar een lijn\n"
                     "beweegt, is bij de makers van dit programma ontstaan.\n"
                     "\n"
                     "De praktische raad en de lijnteksten zijn geschreven vanuit de\n"
                     "ervaring met vele raadplegingen, zonder iets over te nemen.\n"
                     "\n"
                     "De regenboogkleuren geven elk van de acht trigrammen een eigen,\n"
                     "heldere kleur, zodat boven- en ondertrigram direct opvallen.\n"
                     "\n"
                     "Wij wensen u veel wijsheid bij het raadplegen van de I Tjing.");

// A one-line label grows to its text, as an auto-sized label does: the substitute fonts run a
// few pixels wider than the ones the layout was made with.
QLabel *makeLabel(
    QWidget *parent, const char *name, const QString &text, QRect geometry, bool wordWrap = false)
{
    QLabel *label = newLabel(parent, QLatin1String(name), text, parent->font());
    label->setWordWrap(wordWrap);
    if (!wordWrap && !text.isEmpty())
        geometry.setWidth(qMax(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *mainWindow)
    : QDialog(nullptr)
    , m_mainWindow(mainWindow)
{
    initAboutPictures();
    setObjectName(u"AboutBox"_s);
    setWindowTitle(u"Meer informatie"_s);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(449, 447);
    QFont font(u"Microsoft Sans Serif"_s);
    font.setPixelSize(12);
    setFont(font);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(u"Panel1"_s);
    Panel1->setGeometry(-2, 0, 451, 448);

    // The picture itself comes with the first showing (showPicture).
    ProgramIcon = makeLabel(Panel1, "ProgramIcon", QString(), QRect(13, 9, 49, 48));
    ProgramIcon->setAccessibleName(u"Yin-yang teken"_s);

    ProductName = makeLabel(
        Panel1, "ProductName", u"WENDARIX - Geschikt voor Win95 t/m Win11"_s, QRect(67, 9, 239, 15));
    Version = makeLabel(Panel1, "Version", u"Versie 13.1 - Okt 2023"_s, QRect(67, 35, 120, 15));

    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(u"Memo1"_s);
    Memo1->setGeometry(10, 65, 431, 286);
    Memo1->setPlainText(AcknowledgementText);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Memo1->setLineWidth(1);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Readable and selectable with the mouse, but Tab goes past it.
    Memo1->setFocusPolicy(Qt::ClickFocus);
    Memo1->setAccessibleName(u"Dankwoord"_s);
    QPalette cream = Memo1->palette();
    cream.setColor(QPalette::Base, Palette::clCream);
    Memo1->setPalette(cream);

    Copyright
        = makeLabel(Panel1, "Copyright", u"\u00A9 2023 De makers van WENDARIX"_s, QRect(110, 359, 232, 15));
    Comments = makeLabel(Panel1, "Comments", u"Vrij te gebruiken en door te geven, maar niet te verkopen."_s,
        QRect(122, 377, 208, 30), true);

    OKButton = new QPushButton(this);
    OKButton->setObjectName(u"OKButton"_s);
    OKButton->setGeometry(190, 413, 69, 24);
    QFont buttonFont = font;
    buttonFont.setPixelSize(13);
    OKButton->setFont(buttonFont);
    QIcon check;
    check.addFile(u":/pictures/checkmark.png"_s, QSize(), QIcon::Normal);
    check.addFile(u":/pictures/checkmark-grey.png"_s, QSize(), QIcon::Disabled);
    OKButton->setIcon(check);
    OKButton->setIconSize(QSize(18, 18));
    OKButton->setCursor(Qt::PointingHandCursor);
    OKButton->setAccessibleName(u"OK"_s);
    OKButton->setDefault(true);
    OKButton->raise();
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

// Nobody sees the window before Info is pressed, so start-up need not decode its picture.
void TAboutBox::showPicture()
{
    if (!ProgramIcon->pixmap().isNull())
        return;
    QFile picture(u":/pictures/yinyang.jpg"_s);
    if (picture.open(QIODevice::ReadOnly))
        ProgramIcon->setPixmap(QPixmap::fromImage(decodeJpeg(picture.readAll())));
}

void TAboutBox::centreOverMainWindow()
{
    if (!m_mainWindow)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(m_mainWindow->frameGeometry().center());
    placeOnScreen(*this, frame.topLeft());
}

void TAboutBox::FormShow()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    OKButton->setFocus();
    // Enter and Esc must reach the OK button at once, even where no window manager activates
    // a window that is shown.
    raise();
    activateWindow();
}

void TAboutBox::OKButtonClick()
{
    hide();
    if (m_mainWindow) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
    }
}

void TAboutBox::FormClose()
{
    OKButtonClick();
}

void TAboutBox::reject()
{
    OKButtonClick();
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        showPicture();
        centreOverMainWindow();
        FormShow();
    }
}

void TAboutBox::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
