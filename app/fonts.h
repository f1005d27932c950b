// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace tavola {

// The faces the design names. Linux lacks them, so each is mapped to a free twin with the
// same metrics where one exists.
enum class Face { MsSansSerif, Arial, TimesNewRoman };

struct FontDesign {
    Face face = Face::MsSansSerif;
    qreal points = 18;
    bool bold = true;
    bool italic = false;
};

// Every control without a font of its own takes this one.
inline constexpr FontDesign windowFont{};

// The design's font at a scale of the design. Also teaches Qt the free twins of the
// design's faces, for any font named the design's way.
QFont designFont(const FontDesign &design, qreal scale = 1.0);

} // namespace tavola
