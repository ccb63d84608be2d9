#include "Quivar.h"

#include "Accessible.h"

#include <QLabel>

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

TForm1::TForm1(Session &session, Shell &shell, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_shell(shell)
{
    markProgramWindow(this);
    setObjectName(u"Form1"_s);
    setWindowTitle(u"WENDARIX vs 13.2"_s);
    // A fixed single border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(689, 447);
    QFont face(u"Microsoft Sans Serif"_s);
    face.setPixelSize(13);
    setFont(face);
    createControls();
    connectControls();
    connectSession();
    createExportActions();
}

TForm1::~TForm1() = default;

void TForm1::connectControls()
{
    connect(knpVraag, &QPushButton::clicked, this, &TForm1::knpVraagClick);
    connect(knpBewaar, &QPushButton::clicked, this, &TForm1::knpBewaarClick);
    connect(knpOpen, &QPushButton::clicked, this, &TForm1::knpOpenClick);
    connect(knpHelp, &QPushButton::clicked, this, &TForm1::knpHelpClick);
    connect(knpInfo, &QPushButton::clicked, this, &TForm1::knpInfoClick);
    connect(knpStop, &QPushButton::clicked, this, &TForm1::knpStopClick);
    connect(BackHistory, &QToolButton::clicked, this, &TForm1::BackHistoryClick);
    connect(GoHistory, &QToolButton::clicked, this, &TForm1::GoHistoryClick);
    connect(btKernHex, &QToolButton::clicked, this, &TForm1::btKernHexClick);
    connect(btTussenHex, &QPushButton::clicked, this, &TForm1::btTussenHexClick);
    // toggled, not clicked: a screen reader's Toggle action ticks a box without a click. The
    // handlers untick the other box with its signals blocked, so that one runs no handler.
    connect(cbRegen, &QCheckBox::toggled, this, &TForm1::cbRegenClick);
    connect(cbKleur, &QCheckBox::toggled, this, &TForm1::cbKleurClick);
}

// The window draws what the session says changed.
void TForm1::connectSession()
{
    connect(&m_session, &Session::consultationShown, this, &TForm1::showConsultation);
    connect(&m_session, &Session::intermediateShown, this, &TForm1::showIntermediateView);
    connect(&m_session, &Session::methodCaptionChanged, this, &TForm1::setMethodCaption);
    connect(&m_session, &Session::dateTextChanged, lbl_Datumx, &QLabel::setText);
    connect(&m_session, &Session::questionTextChanged, lbl_Vraag, &QLabel::setText);
    connect(&m_session, &Session::listNumberChanged, this,
        [this](const ListNumber &number) { lbRegelnr->setText(number.text()); });
    connect(&m_session, &Session::viewChanged, this, &TForm1::showViewCaptions);
}
