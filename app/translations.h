// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace tavola {

// Qt's own Italian texts, so that standard buttons ("Sì", "No") and context menus speak
// Italian whatever the system's language. Returns false when they are not installed.
bool installQtTranslations(QCoreApplication &application);

} // namespace tavola
