// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>

#include <initializer_list>

namespace tavola {

// Our drawings, rendered from their SVG once per size and screen density and kept for
// every later load of the window, so neither a repaint nor a new game parses them again.
QPixmap artwork(const QString &resource, const QSize &size, qreal devicePixelRatio);

// An icon from one drawing at the given sizes.
QIcon artworkIcon(const QString &resource, std::initializer_list<int> sizes);

} // namespace tavola
