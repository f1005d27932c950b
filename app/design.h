// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/fonts.h"
#include "app/twips.h"

#include "engine/windowmodel.h"

#include <QColor>
#include <QSize>

#include <array>
#include <optional>

class QTimer;

namespace tavola {

class AnswerBox;
class ClientArea;
class DesignLabel;
class EntryBox;
class FaceButton;
class Picture;
class Shape;

// The controls the window itself reaches, of one load of the window: the labels the game
// writes, by the game's own names for them, and the few the window handles. All are
// children of the client area and die with it at unload.
struct Controls {
    std::array<DesignLabel *, gameLabelCount> labels{};
    AnswerBox *txtAnswer = nullptr;
    FaceButton *cmdNext = nullptr;
    FaceButton *cmdExit = nullptr;
    DesignLabel *lblTime = nullptr;
    EntryBox *Text1 = nullptr;
    Picture *Picture3 = nullptr;
    Picture *StatusBar1 = nullptr;
    QTimer *Timer1 = nullptr;
};

// The kind of widget a row of the design makes.
enum class Kind { Label, AnswerBox, EntryBox, Button, Picture, Shape };

enum class ShapeKind { Line, Outline, Filled };

// One control as designed. Places in twips; a line's place is its two ends (x1, y1, x2, y2).
struct Row {
    Kind kind;
    const char *name;
    std::optional<GameLabel> gameLabel = std::nullopt; // a label the game writes
    twips::Rect place;
    const char *caption = "";
    FontDesign font = windowFont;
    std::optional<QRgb> color = std::nullopt; // text, stroke or fill; none: the platform's
    std::optional<QRgb> background = std::nullopt;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool fitsCaption = false; // the width follows the caption, from the top-left corner
    bool border = false;
    const char *hover = "";
    // What a screen reader hears. Labels: a form where "%1" stands for the caption, or
    // none for the caption as it stands; other controls: their name.
    const char *spoken = nullptr;
    const char *description = "";
    const char *picture = nullptr; // one of our drawings, and its natural size in pixels
    QSize drawingSize = {};
    const char *disabledPicture = nullptr;
    ShapeKind shape = ShapeKind::Line;
    int penWidth = 1;
    bool takesFocus = false;
    bool squarePointer = false;
};

inline constexpr QRgb windowBackground = 0xFFFFC0;
inline constexpr char designedCaption[] =
    "Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022";
inline constexpr QSize designedClientSize{873, 554};

// Creates every control in the client area as designed, back to front.
Controls buildDesign(ClientArea *client);

} // namespace tavola
