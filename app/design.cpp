// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/design.h"

#include "app/clientarea.h"
#include "app/designlabel.h"
#include "app/drawing.h"
#include "app/entrybox.h"
#include "app/facebutton.h"
#include "app/fonts.h"
#include "app/pointers.h"

#include <QTimer>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavola {

namespace {

// The kind of a row's control and its objectName; for a label the game writes, the game's
// own name for it, spelt once.
#define CONTROL(kind_, name_) .kind = Kind::kind_, .name = #name_
#define GAME_LABEL(label) CONTROL(Label, label), .gameLabel = label

constexpr FontDesign captionFont{Face::MsSansSerif, 18, false};
constexpr FontDesign countFont{Face::TimesNewRoman, 36};
constexpr FontDesign entryFont{Face::Arial, 36};
constexpr FontDesign buttonFont{Face::MsSansSerif, 8.25};
constexpr QRgb entryText = 0x0000FF;
constexpr QRgb entryBackground = 0xC0FFC0;

// Back to front: later rows lie in front. The figure stacks the units Label2(0) and
// Label2(2), the panel, Label2(1), the picture, the values and the strokes; the windowed
// controls lie above everything, in their tab order. What the game writes (values, units,
// counts, the answer box) starts from the game's own model, rendered at every load.
const Row design[] = {
    {GAME_LABEL(Label2_0), .place = {6840, 1320, 615, 615}, .spoken = ""},
    {GAME_LABEL(Label2_2), .place = {6480, 1200, 615, 615}, .spoken = ""},
    // The window's own colour, border and fill: it hides what lies behind it unseen.
    {CONTROL(Shape, Shape5), .place = {1680, 1320, 6615, 4815}, .color = windowBackground,
        .shape = ShapeKind::Filled},
    {GAME_LABEL(Label2_1), .place = {4440, 4080, 615, 615}, .spoken = ""},
    {CONTROL(Picture, Image4), .place = {1680, 2040, 7230, 3885},
        .spoken = "Triangolo rettangolo ABC",
        .description = "Retto in A, con l'altezza AH sull'ipotenusa BC e le proiezioni BH e HC "
                       "dei cateti",
        .picture = ":/assets/triangle.svg", .drawingSize = {482, 259}},
    {GAME_LABEL(lblipoeu), .place = {3300, 5880, 120, 435}, .fitsCaption = true,
        .spoken = "Ipotenusa BC %1 centimetri", .description = "Lunghezza data dell'ipotenusa BC"},
    {GAME_LABEL(Lblcat2), .place = {5040, 2880, 120, 435}, .fitsCaption = true,
        .spoken = "Cateto AC %1 centimetri", .description = "Lunghezza data del cateto AC"},
    {GAME_LABEL(lblcat1), .place = {1800, 3360, 120, 435}, .fitsCaption = true,
        .spoken = "Cateto AB %1 centimetri", .description = "Lunghezza data del cateto AB"},
    {GAME_LABEL(Lblalt), .place = {3600, 3480, 120, 435}, .fitsCaption = true,
        .spoken = "Altezza AH %1 centimetri", .description = "Lunghezza data dell'altezza AH"},
    {GAME_LABEL(Lblpro2), .place = {5040, 5400, 2055, 495}, .spoken = "Proiezione HC %1 centimetri",
        .description = "Lunghezza data della proiezione HC"},
    {GAME_LABEL(Lblpro1), .place = {2160, 5400, 840, 315}, .fitsCaption = true,
        .spoken = "Proiezione BH %1 centimetri",
        .description = "Lunghezza data della proiezione BH"},
    {CONTROL(Shape, Shape7), .place = {3480, 5280, 5055, 15}, .color = 0xFF00FF,
        .shape = ShapeKind::Filled}, // projection HC
    {CONTROL(Shape, Shape8), .place = {2080, 5280, 1430, 15}, .color = 0x0000FF,
        .shape = ShapeKind::Outline, .penWidth = 3}, // projection BH
    {CONTROL(Shape, Line5), .place = {2065, 5290, 3450, 2665}, .color = 0xFF0000, .penWidth = 3},
    {CONTROL(Shape, Line8), .place = {3480, 2700, 8500, 5310}, .color = 0x80FFFF, .penWidth = 3},
    {CONTROL(Shape, Line9), .place = {8400, 5280, 8280, 5160}, .color = 0x000000},
    {CONTROL(Shape, Line10), .place = {2160, 5280, 3480, 2760}, .color = 0x8080FF, .penWidth = 2},
    {CONTROL(Shape, Line11), .place = {8400, 5280, 3600, 2800}, .color = 0x00FFFF, .penWidth = 2},
    {CONTROL(Shape, Line12), .place = {3500, 2760, 8400, 5280}, .color = 0x00C0C0},
    {CONTROL(Shape, Shape6), .place = {3480, 2760, 25, 2535}, .color = 0x00FF00,
        .shape = ShapeKind::Filled}, // the height AH

    {GAME_LABEL(Label5), .place = {4440, 120, 120, 435}, .color = 0x000000, .fitsCaption = true,
        .description = "La lunghezza da trovare"},
    {CONTROL(Label, Label4), .place = {7320, -120, 615, 975}, .caption = "=",
        .font = {Face::Arial, 48}, .alignment = Qt::AlignHCenter, .spoken = "uguale"},
    {GAME_LABEL(lblMessage), .place = {360, 720, 6615, 615},
        .font = {Face::MsSansSerif, 24, true, true}, .color = 0xFF00FF,
        .alignment = Qt::AlignHCenter, .description = "Il giudizio sulla tua risposta",
        .squarePointer = true},
    {CONTROL(Picture, Image1), .place = {8760, 1080, 480, 480},
        .hover = "Clicca sotto di me per impostare il Timer", .spoken = "Cronometro",
        .description = "Disegno di un cronometro, sopra l'orologio",
        .picture = ":/assets/stopwatch.svg", .drawingSize = {32, 32}},
    {CONTROL(Label, lblTime), .place = {8520, 1560, 1170, 300}, .font = {Face::MsSansSerif, 12},
        .fitsCaption = true, .hover = "Clicca sotto di me per attivare il Timer",
        .spoken = "Ore %1", .description = "L'orologio"},
    {CONTROL(Label, Label6), .place = {480, 6360, 2565, 495}, .caption = "Risposte esatte",
        .font = captionFont, .color = 0x00C000, .alignment = Qt::AlignHCenter, .fitsCaption = true,
        .border = true},
    {GAME_LABEL(lblScore), .place = {1080, 7200, 555, 885}, .font = countFont,
        .alignment = Qt::AlignHCenter, .fitsCaption = true, .border = true,
        .hover = "Questo è il tuo punteggio. Forza con il  record", .spoken = "Risposte esatte %1",
        .description = "Il tuo punteggio"},
    {CONTROL(Label, Label1), .place = {3480, 6480, 2520, 495}, .caption = "Risposte errate",
        .font = captionFont, .color = 0xFF0000, .fitsCaption = true, .border = true},
    {GAME_LABEL(lblScore1), .place = {4320, 7200, 540, 885}, .font = countFont, .color = 0xFF0000,
        .alignment = Qt::AlignHCenter, .fitsCaption = true, .border = true,
        .spoken = "Risposte errate %1"},
    {CONTROL(Label, Label3), .place = {6840, 6360, 2340, 495}, .caption = "Risposte totali",
        .font = captionFont, .color = 0x0000FF, .fitsCaption = true, .border = true},
    {GAME_LABEL(lblScore2), .place = {7800, 7080, 555, 885}, .font = countFont, .color = 0x0000FF,
        .alignment = Qt::AlignHCenter, .fitsCaption = true, .border = true,
        .spoken = "Risposte totali %1"},

    {CONTROL(Button, cmdExit), .place = {7080, 8280, 1935, 975}, .caption = "E&xit",
        .font = buttonFont, .background = 0x00FFFF,
        .hover = "Ti prego resta ancora, forse riuscirai a farmi uscire ", .spoken = "Esci",
        .description = "Chiede se vuoi davvero lasciare il gioco",
        .picture = ":/assets/noentry.svg", .drawingSize = {32, 32}, .takesFocus = true},
    {CONTROL(Button, cmdNext), .place = {600, 8160, 1815, 1095}, .caption = "&Nuovo calcolo",
        .font = buttonFont, .background = 0x00FF00, .hover = "Go", .spoken = "Nuovo calcolo",
        .description = "Propone il prossimo problema", .picture = ":/assets/smile.svg",
        .drawingSize = {32, 32}, .disabledPicture = ":/assets/neutral.svg", .takesFocus = true,
        .squarePointer = true},
    {CONTROL(AnswerBox, txtAnswer), .place = {8040, 0, 3135, 1080}, .font = entryFont,
        .color = entryText, .background = entryBackground, .alignment = Qt::AlignCenter,
        .hover = "Inserisci il risultato e  premi il tasto  Invio", .takesFocus = true},
    {CONTROL(Picture, Picture3), .place = {8400, 2400, 1695, 2535}, .background = windowBackground,
        .spoken = "", // the figure, named by the game
        .picture = ":/assets/scholar.svg", .drawingSize = {93, 146}, .takesFocus = true},
    {CONTROL(EntryBox, Text1), .place = {11160, 0, 1215, 1095}, .caption = "cm", .font = entryFont,
        .color = entryText, .background = entryBackground,
        .spoken = "", // the unit, named by the game
        .takesFocus = true},
    // Docked to the bottom edge across the whole width: only its height counts.
    {CONTROL(Picture, StatusBar1), .place = {0, 0, 0, 615}, .font = {Face::MsSansSerif, 9.75},
        .background = 0xEFEFEF,
        .spoken = "", // the counts, named by the game
        .takesFocus = true},
};

#undef GAME_LABEL
#undef CONTROL

QWidget *makeControl(const Row &row, ClientArea *client)
{
    switch (row.kind) {
    case Kind::Label:
        return new DesignLabel(row, client);
    case Kind::AnswerBox:
        return new AnswerBox(row, client);
    case Kind::EntryBox:
        return new EntryBox(row, client);
    case Kind::Button:
        return new FaceButton(row, client);
    case Kind::Picture:
        return new Picture(row, client);
    case Kind::Shape:
        return new Shape(row, client);
    }
    return nullptr;
}

void addControl(const Row &row, ClientArea *client, Controls &controls)
{
    QWidget *widget = makeControl(row, client);
    widget->setObjectName(QLatin1String(row.name));
    if (row.gameLabel)
        controls.labels[*row.gameLabel] = static_cast<DesignLabel *>(widget);
    // A reader tells a control's tooltip as its description whenever it gets there; the
    // answer box shows its own, since the game tells how to answer once per game.
    if (row.kind != Kind::AnswerBox)
        widget->setToolTip(QString::fromUtf8(row.hover));
    widget->setAccessibleDescription(QString::fromUtf8(row.description));
    if (row.spoken && row.kind != Kind::Label)
        widget->setAccessibleName(QString::fromUtf8(row.spoken));
    widget->setFocusPolicy(row.takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    if (row.squarePointer)
        widget->setCursor(squarePointer());
}

// A control the window cannot do without: a design that lacks it is a fault of the build.
template<typename Widget>
Widget *required(const ClientArea *client, const char *name)
{
    auto *found = client->findChild<Widget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error(std::string("the design has no ") + name);
    return found;
}

} // namespace

Controls buildDesign(ClientArea *client)
{
    QPalette shades = client->palette();
    shades.setColor(QPalette::Window, QColor::fromRgb(windowBackground));
    shades.setColor(QPalette::WindowText, QColor::fromRgb(0xFF00FF));
    client->setPalette(shades);
    client->setAutoFillBackground(true);
    client->setFont(designFont(windowFont));
    client->setCursor(pencilPointer());

    Controls controls;
    for (const Row &row : design)
        addControl(row, client, controls);
    if (std::ranges::count(controls.labels, nullptr))
        throw std::logic_error("the design lacks a label the game writes");
    controls.txtAnswer = required<AnswerBox>(client, "txtAnswer");
    controls.cmdNext = required<FaceButton>(client, "cmdNext");
    controls.cmdExit = required<FaceButton>(client, "cmdExit");
    controls.lblTime = required<DesignLabel>(client, "lblTime");
    controls.Text1 = required<EntryBox>(client, "Text1");
    controls.Picture3 = required<Picture>(client, "Picture3");
    controls.StatusBar1 = required<Picture>(client, "StatusBar1");
    client->dockToBottom(controls.StatusBar1);
    controls.Timer1 = new QTimer(client);
    controls.Timer1->setObjectName(QStringLiteral("Timer1"));
    controls.Timer1->setInterval(500);
    controls.Timer1->start();
    return controls;
}

} // namespace tavola
