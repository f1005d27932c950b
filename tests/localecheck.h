#pragma once

#include <QByteArray>
#include <QString>

#include <clocale>
#include <cstdlib>

// CTest runs every engine test under a locale named in TAVOLA_TEST_LOCALE. Unless that
// locale is really in force (Qt sets it from the environment at start-up), a run "under
// the Italian locale" would prove nothing, so its absence fails the test.
inline QString localeProblem()
{
    const QByteArray requested = qgetenv("TAVOLA_TEST_LOCALE");
    if (requested.isEmpty() || requested == "C")
        return {};
    const char *active = std::setlocale(LC_NUMERIC, nullptr);
    if (!active || !QByteArray(active).startsWith(requested.left(5)))
        return QStringLiteral("locale %1 is not installed or not in force (active: %2)")
            .arg(QString::fromLatin1(requested), QString::fromLatin1(active ? active : "none"));
    // Locales of both separators, or the runs would not differ where it matters.
    const QByteArray separator = requested.startsWith("en_") ? "." : ",";
    if (std::localeconv()->decimal_point != separator)
        return QStringLiteral("locale %1 does not use '%2' as decimal separator")
            .arg(QString::fromLatin1(requested), QString::fromLatin1(separator));
    return {};
}
