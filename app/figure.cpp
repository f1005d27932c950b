#include "app/figure.h"

#include "app/design.h"
#include "app/designlabel.h"
#include "app/picture.h"
#include "app/shape.h"
#include "app/twips.h"

namespace tavola {

namespace {

LabelDesign unitLabel(const char *name, int left, int top)
{
    return {.name = name, .place = {left, top, 615, 615}, .caption = "cm"};
}

LabelDesign valueLabel(const char *name, TwipsRect place, bool fitsCaption = true)
{
    return {.name = name, .place = place, .fitsCaption = fitsCaption};
}

// Same colour as the window, border and fill: it hides what lies behind it without being
// seen itself.
constexpr ShapeDesign panel{
    "Shape5", ShapeKind::Filled, 1680, 1320, 6615, 4815, windowBackground, 1};

// Front to back.
constexpr ShapeDesign strokes[] = {
    {"Shape6", ShapeKind::Filled, 3480, 2760, 25, 2535, 0x00FF00, 1},  // height AH
    {"Line12", ShapeKind::Line, 3500, 2760, 8400, 5280, 0x00C0C0, 1},  // side AC
    {"Line11", ShapeKind::Line, 8400, 5280, 3600, 2800, 0x00FFFF, 2},  // side AC
    {"Line10", ShapeKind::Line, 2160, 5280, 3480, 2760, 0x8080FF, 2},  // side AB
    {"Line9", ShapeKind::Line, 8400, 5280, 8280, 5160, 0x000000, 1},   // a short stroke at C
    {"Line8", ShapeKind::Line, 3480, 2700, 8500, 5310, 0x80FFFF, 3},   // side AC
    {"Line5", ShapeKind::Line, 2065, 5290, 3450, 2665, 0xFF0000, 3},   // side AB
    {"Shape8", ShapeKind::Outline, 2080, 5280, 1430, 15, 0x0000FF, 3}, // projection BH
    {"Shape7", ShapeKind::Filled, 3480, 5280, 5055, 15, 0xFF00FF, 1},  // projection HC
};

} // namespace

void buildFigure(QWidget *client, Controls &controls)
{
    controls.Label2[0] = makeLabel(unitLabel("Label2_0", 6840, 1320), client);
    controls.Label2[2] = makeLabel(unitLabel("Label2_2", 6480, 1200), client);
    new Shape(panel, client);
    controls.Label2[1] = makeLabel(unitLabel("Label2_1", 4440, 4080), client);

    auto *triangle = new Picture(QStringLiteral(":/assets/triangle.svg"), {482, 259},
        twips::rect(1680, 2040, 7230, 3885), client);
    triangle->setObjectName(QStringLiteral("Image4"));

    controls.lblipoeu = makeLabel(valueLabel("lblipoeu", {3300, 5880, 120, 435}), client);
    controls.Lblcat2 = makeLabel(valueLabel("Lblcat2", {5040, 2880, 120, 435}), client);
    controls.lblcat1 = makeLabel(valueLabel("lblcat1", {1800, 3360, 120, 435}), client);
    controls.Lblalt = makeLabel(valueLabel("Lblalt", {3600, 3480, 120, 435}), client);
    controls.Lblpro2 = makeLabel(valueLabel("Lblpro2", {5040, 5400, 2055, 495}, false), client);
    controls.Lblpro1 = makeLabel(valueLabel("Lblpro1", {2160, 5400, 840, 315}), client);

    for (auto stroke = std::rbegin(strokes); stroke != std::rend(strokes); ++stroke)
        new Shape(*stroke, client);
}

} // namespace tavola
