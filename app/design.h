// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/fonts.h"
#include "app/twips.h"

#include "engine/windowmodel.h"

#include <QColor>
#include <QSize>

#include <optional>
#include <variant>

class QTimer;

namespace tavola {

class AnswerBox;
class ClientArea;
class DesignLabel;
class EntryBox;
class FaceButton;
class Picture;
class Shape;

// Every control of one load of the window. They are children of the client area and die
// with it at unload.
struct Controls : GameControls<DesignLabel *, AnswerBox *, FaceButton *> {
    DesignLabel *Label4 = nullptr;
    DesignLabel *lblTime = nullptr;
    DesignLabel *Label6 = nullptr;
    DesignLabel *Label1 = nullptr;
    DesignLabel *Label3 = nullptr;
    EntryBox *Text1 = nullptr;
    FaceButton *cmdExit = nullptr;
    Picture *Image1 = nullptr;
    Picture *Image4 = nullptr;
    Picture *Picture3 = nullptr;
    Picture *StatusBar1 = nullptr;
    Shape *Shape5 = nullptr;
    Shape *Shape6 = nullptr;
    Shape *Line12 = nullptr;
    Shape *Line11 = nullptr;
    Shape *Line10 = nullptr;
    Shape *Line9 = nullptr;
    Shape *Line8 = nullptr;
    Shape *Line5 = nullptr;
    Shape *Shape8 = nullptr;
    Shape *Shape7 = nullptr;
    QTimer *Timer1 = nullptr;
};

// Which member of Controls a row fills; its type says what kind of control the row is.
using Slot = std::variant<DesignLabel * Controls::*, AnswerBox * Controls::*,
    EntryBox * Controls::*, FaceButton * Controls::*, Picture * Controls::*, Shape * Controls::*>;

enum class ShapeKind { Line, Outline, Filled };

// One control as designed. Places in twips; a line's place is its two ends (x1, y1, x2, y2).
struct Row {
    Slot slot;
    const char *name;
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
