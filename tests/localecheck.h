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
    if (requested.startsWith("it_IT") && std::localeconv()->decimal_point != QByteArray(","))
        return QStringLiteral("the Italian locale does not use the comma");
    return {};
}
