#include "app/fonts.h"

#include <QStringList>

#include <cmath>

namespace tavola {

namespace {

QString familyName(Face face)
{
    switch (face) {
    case Face::MsSansSerif:
        return QStringLiteral("MS Sans Serif");
    case Face::Arial:
        return QStringLiteral("Arial");
    case Face::TimesNewRoman:
        return QStringLiteral("Times New Roman");
    }
    return {};
}

} // namespace

void installFontSubstitutes()
{
    QFont::insertSubstitutions(familyName(Face::MsSansSerif),
        {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(familyName(Face::Arial),
        {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(familyName(Face::TimesNewRoman),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

QFont designFont(const FontSpec &spec)
{
    QFont font(familyName(spec.face));
    // Sized in pixels, not points: the places are fixed in pixels at 96 dots per inch, and
    // the text must keep its designed size against them whatever DPI the screen reports.
    font.setPixelSize(int(std::lround(spec.points * 96.0 / 72.0)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setStyleHint(spec.face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    return font;
}

} // namespace tavola
