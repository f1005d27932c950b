#pragma once

class QCoreApplication;

namespace tavola {

// Qt's own Italian texts, so that standard buttons ("Sì", "No") and context menus speak
// Italian whatever the system's language. Returns false when they are not installed.
bool installQtTranslations(QCoreApplication &application);

} // namespace tavola
