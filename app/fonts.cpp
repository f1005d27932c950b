// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <array>
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

// The design's face where it is installed under its own name, else its first installed
// free twin: asking the font database by a real name spares it a failed search on every
// control. The names are looked up in the list of families, not through fontconfig's
// aliases, which would cost a substitution pass per name at start-up.
QString installedFamily(Face face, const QStringList &installed)
{
    const QString designed = familyName(face);
    const auto isInstalled = [&](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    if (isInstalled(designed))
        return designed;
    const QStringList twins = QFont::substitutes(designed);
    const auto twin = std::find_if(twins.begin(), twins.end(), isInstalled);
    return twin != twins.end() ? *twin : designed;
}

void installFontSubstitutes()
{
    // Liberation has the metrics of Arial and Times New Roman; MS Sans Serif is closest
    // to Arial's shapes. DejaVu stands in where Liberation is missing.
    const QStringList sansTwins{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(familyName(Face::MsSansSerif), sansTwins);
    QFont::insertSubstitutions(familyName(Face::Arial), sansTwins);
    QFont::insertSubstitutions(familyName(Face::TimesNewRoman),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

} // namespace

QFont designFont(const FontDesign &design, qreal scale)
{
    static const std::array<QString, 3> families = [] {
        installFontSubstitutes();
        const QStringList installed = QFontDatabase::families();
        return std::array{installedFamily(Face::MsSansSerif, installed),
            installedFamily(Face::Arial, installed),
            installedFamily(Face::TimesNewRoman, installed)};
    }();
    QFont font(families.at(std::size_t(design.face)));
    // Sized in pixels, not points: the places are fixed in pixels at 96 dots per inch, and
    // the text must keep its designed size against them whatever DPI the screen reports.
    font.setPixelSize(std::max(1, int(std::lround(design.points * 96.0 / 72.0 * scale))));
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setStyleHint(design.face == Face::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    return font;
}

} // namespace tavola
