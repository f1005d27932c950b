#include "app/design.h"

#include "app/answerbox.h"
#include "app/artwork.h"
#include "app/clientarea.h"
#include "app/designlabel.h"
#include "app/figure.h"
#include "app/picture.h"
#include "app/pointers.h"
#include "app/twips.h"

#include <QTimer>
#include <QToolButton>

namespace tavola {

namespace {

constexpr QRgb windowText = 0xFF00FF;
constexpr QRgb answerText = 0x0000FF;
constexpr QRgb answerBackground = 0xC0FFC0;

constexpr FontDesign captionFont{Face::MsSansSerif, 18, false};
constexpr FontDesign scoreFont{Face::TimesNewRoman, 36};
constexpr FontDesign entryFont{Face::Arial, 36};
constexpr FontDesign buttonFont{Face::MsSansSerif, 8.25};

const LabelDesign questionLabels[] = {
    {.name = "Label5", .place = {4440, 120, 120, 435}, .color = 0x000000, .fitsCaption = true},
    {.name = "Label4",
        .place = {7320, -120, 615, 975},
        .caption = "=",
        .font = {Face::Arial, 48},
        .alignment = Qt::AlignHCenter},
    {.name = "lblMessage",
        .place = {360, 720, 6615, 615},
        .font = {Face::MsSansSerif, 24, true, true},
        .color = 0xFF00FF,
        .alignment = Qt::AlignHCenter},
    {.name = "lblTime",
        .place = {8520, 1560, 1170, 300},
        .font = {Face::MsSansSerif, 12},
        .fitsCaption = true,
        .hover = "Clicca sotto di me per attivare il Timer"},
};

LabelDesign scoreCaption(const char *name, TwipsRect place, const char *caption, QRgb color,
    Qt::AlignmentFlag alignment = Qt::AlignLeft)
{
    return {.name = name,
        .place = place,
        .caption = caption,
        .font = captionFont,
        .color = color,
        .alignment = alignment,
        .fitsCaption = true,
        .border = true};
}

LabelDesign scoreCount(
    const char *name, TwipsRect place, std::optional<QRgb> color, const char *hover = "")
{
    return {.name = name,
        .place = place,
        .caption = "0",
        .font = scoreFont,
        .color = color,
        .alignment = Qt::AlignHCenter,
        .fitsCaption = true,
        .border = true,
        .hover = hover};
}

const LabelDesign scoreLabels[] = {
    scoreCaption("Label6", {480, 6360, 2565, 495}, "Risposte esatte", 0x00C000, Qt::AlignHCenter),
    scoreCount("lblScore", {1080, 7200, 555, 885}, std::nullopt,
        "Questo è il tuo punteggio. Forza con il  record"),
    scoreCaption("Label1", {3480, 6480, 2520, 495}, "Risposte errate", 0xFF0000),
    scoreCount("lblScore1", {4320, 7200, 540, 885}, 0xFF0000),
    scoreCaption("Label3", {6840, 6360, 2340, 495}, "Risposte totali", 0x0000FF),
    scoreCount("lblScore2", {7800, 7080, 555, 885}, 0x0000FF),
};

void setColors(QWidget *widget, QPalette::ColorRole textRole, QRgb text,
    QPalette::ColorRole backgroundRole, QRgb background)
{
    QPalette shades = widget->palette();
    shades.setColor(textRole, QColor::fromRgb(text));
    shades.setColor(backgroundRole, QColor::fromRgb(background));
    widget->setPalette(shades);
}

template<typename Box>
Box *makeEntryBox(const char *name, const QRect &place, const char *text, QWidget *client)
{
    auto *box = new Box(client);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    box->setFont(designFont(entryFont));
    setColors(box, QPalette::Text, answerText, QPalette::Base, answerBackground);
    box->setText(QLatin1String(text));
    return box;
}

struct ButtonDesign {
    const char *name;
    TwipsRect place;
    const char *caption;
    QRgb background;
    const char *picture;
    const char *disabledPicture;
    const char *hover;
};

QToolButton *makeButton(const ButtonDesign &design, QWidget *client)
{
    auto *button = new QToolButton(client);
    button->setObjectName(QLatin1String(design.name));
    const TwipsRect &p = design.place;
    button->setGeometry(twips::rect(p.left, p.top, p.width, p.height));
    button->setText(QString::fromUtf8(design.caption));
    button->setFont(designFont(buttonFont));
    button->setToolTip(QString::fromUtf8(design.hover));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setIcon(artworkIcon(QString::fromLatin1(design.picture), {32, 64},
        design.disabledPicture ? QString::fromLatin1(design.disabledPicture) : QString()));
    button->setFocusPolicy(Qt::StrongFocus);
    setColors(button, QPalette::ButtonText, 0x000000, QPalette::Button, design.background);
    button->setAutoFillBackground(true);
    return button;
}

const ButtonDesign cmdNextDesign{"cmdNext", {600, 8160, 1815, 1095}, "&Nuovo calcolo", 0x00FF00,
    ":/assets/smile.svg", ":/assets/neutral.svg", "Go"};
const ButtonDesign cmdExitDesign{"cmdExit", {7080, 8280, 1935, 975}, "E&xit", 0x00FFFF,
    ":/assets/noentry.svg", nullptr, "Ti prego resta ancora, forse riuscirai a farmi uscire "};

void paintClientArea(ClientArea *client)
{
    QPalette shades = client->palette();
    shades.setColor(QPalette::Window, QColor::fromRgb(windowBackground));
    shades.setColor(QPalette::WindowText, QColor::fromRgb(windowText));
    client->setPalette(shades);
    client->setAutoFillBackground(true);
    client->setFont(designFont(windowFont));
    client->setCursor(pencilPointer());
}

template<typename Control>
Control *named(QWidget *client, const char *name)
{
    return client->findChild<Control *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void buildLabels(QWidget *client, Controls &controls)
{
    for (const LabelDesign &design : questionLabels)
        makeLabel(design, client);
    for (const LabelDesign &design : scoreLabels)
        makeLabel(design, client);
    controls.Label5 = named<DesignLabel>(client, "Label5");
    controls.lblMessage = named<DesignLabel>(client, "lblMessage");
    controls.lblMessage->setCursor(squarePointer());
    controls.lblTime = named<DesignLabel>(client, "lblTime");
    controls.lblScore = named<DesignLabel>(client, "lblScore");
    controls.lblScore1 = named<DesignLabel>(client, "lblScore1");
    controls.lblScore2 = named<DesignLabel>(client, "lblScore2");
}

void buildPictures(QWidget *client, Controls &controls)
{
    auto *stopwatch = new Picture(QStringLiteral(":/assets/stopwatch.svg"), {32, 32},
        twips::rect(8760, 1080, 480, 480), client);
    stopwatch->setObjectName(QStringLiteral("Image1"));
    stopwatch->setToolTip(QStringLiteral("Clicca sotto di me per impostare il Timer"));

    controls.Picture3 = new Picture(QStringLiteral(":/assets/scholar.svg"), {93, 146},
        twips::rect(8400, 2400, 1695, 2535), client);
    controls.Picture3->setObjectName(QStringLiteral("Picture3"));
    controls.Picture3->fillBackground(QColor::fromRgb(windowBackground));
    controls.Picture3->setFocusPolicy(Qt::StrongFocus);
}

void buildEntryBoxes(QWidget *client, Controls &controls)
{
    controls.txtAnswer =
        makeEntryBox<AnswerBox>("txtAnswer", twips::rect(8040, 0, 3135, 1080), "0", client);
    controls.txtAnswer->setMaxLength(6);
    controls.txtAnswer->setAlignment(Qt::AlignCenter);
    controls.txtAnswer->setToolTip(
        QStringLiteral("Inserisci il risultato e  premi il tasto  Invio"));
    controls.Text1 =
        makeEntryBox<QLineEdit>("Text1", twips::rect(11160, 0, 1215, 1095), "cm", client);
}

void buildBottom(ClientArea *client, Controls &controls)
{
    controls.cmdNext = makeButton(cmdNextDesign, client);
    controls.cmdNext->setEnabled(false);
    controls.cmdExit = makeButton(cmdExitDesign, client);
    controls.txtAnswer->setDefaultButton(controls.cmdNext);

    controls.StatusBar1 = new QWidget(client);
    controls.StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    controls.StatusBar1->setFont(designFont({Face::MsSansSerif, 9.75}));
    // The platform's button face, as picture boxes have by default.
    controls.StatusBar1->setBackgroundRole(QPalette::Button);
    controls.StatusBar1->setAutoFillBackground(true);
    controls.StatusBar1->setFocusPolicy(Qt::StrongFocus);
    client->dockToBottom(controls.StatusBar1, qRound(twips::toPixels(615)));
    controls.cmdNext->setCursor(squarePointer());
}

void setTabOrder(const Controls &controls)
{
    const QWidget *chain[] = {controls.cmdExit, controls.cmdNext, controls.txtAnswer,
        controls.Picture3, controls.Text1, controls.StatusBar1};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(const_cast<QWidget *>(chain[i - 1]), const_cast<QWidget *>(chain[i]));
}

void startTimer(QWidget *client, Controls &controls)
{
    controls.Timer1 = new QTimer(client);
    controls.Timer1->setObjectName(QStringLiteral("Timer1"));
    controls.Timer1->setInterval(500);
    controls.Timer1->start();
}

} // namespace

Controls buildDesign(ClientArea *client)
{
    Controls controls;
    paintClientArea(client);
    buildFigure(client, controls);
    buildLabels(client, controls);
    buildPictures(client, controls);
    buildEntryBoxes(client, controls);
    buildBottom(client, controls);
    setTabOrder(controls);
    startTimer(client, controls);
    return controls;
}

} // namespace tavola
