// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator.h"

#include "app/messageboxes.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

// GIO names a struct member after one of Qt's keywords.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#pragma pop_macro("signals")

namespace tavola {

namespace {

const QStringList wellKnownCalculators = {QStringLiteral("gnome-calculator"),
    QStringLiteral("kcalc"), QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"),
    QStringLiteral("galculator"), QStringLiteral("xcalc")};

QStringList applicationFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

bool isCalculator(GDesktopAppInfo *entry)
{
    const char *categories = g_desktop_app_info_get_categories(entry);
    return categories
        && QString::fromUtf8(categories)
               .split(QLatin1Char(';'))
               .contains(QLatin1String("Calculator"));
}

// An entry of the user's hides one of the same id in the system's folders, hidden or not.
// GIO's own listing would open every file named *.desktop, where a FIFO blocks it for good:
// only regular files are listed here, and GIO reads each. GIO drops entries whose program
// is missing.
std::vector<Calculator> desktopCalculators()
{
    std::vector<Calculator> calculators;
    QSet<QString> seen;
    for (const QString &folder : applicationFolders()) {
        std::vector<std::pair<QString, QString>> entries; // id, path
        QDirIterator listing(folder, {QStringLiteral("*.desktop")}, QDir::Files,
            QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (listing.hasNext()) {
            const QString path = listing.next();
            if (QFileInfo(path).isFile())
                entries.emplace_back(
                    QDir(folder).relativeFilePath(path).replace(QLatin1Char('/'), QLatin1Char('-')),
                    path);
        }
        std::sort(entries.begin(), entries.end());
        for (const auto &[id, path] : entries) {
            if (seen.contains(id))
                continue;
            seen.insert(id);
            GDesktopAppInfo *entry =
                g_desktop_app_info_new_from_filename(path.toUtf8().constData());
            if (entry && !g_desktop_app_info_get_is_hidden(entry) && isCalculator(entry))
                calculators.emplace_back(G_APP_INFO(entry), id);
            else if (entry)
                g_object_unref(entry);
        }
    }
    return calculators;
}

// Started by its path as it stands: a command line would expand a field code such as %f
// in a folder's name.
std::optional<Calculator> programOnPath(const QString &program)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    return Calculator(nullptr, path);
}

// The failure in words: a reader would spell out folders, dashes and bullets.
std::string spokenFailure(const QStringList &refused)
{
    QStringList programs = wellKnownCalculators;
    programs.replaceInStrings(QStringLiteral("-"), QStringLiteral(" "));
    const QString last = programs.takeLast();
    QString spoken = QStringLiteral("Non riesco ad aprire una calcolatrice. ");
    if (!refused.isEmpty())
        spoken += QStringLiteral("Quelle che ho trovato non si sono avviate. ");
    spoken += QStringLiteral("Ho cercato le applicazioni della categoria calcolatrice e i "
                             "programmi %1 e %2. Chiedi all'insegnante di installarne una.")
                  .arg(programs.join(QStringLiteral(", ")), last);
    return spoken.toStdString();
}

void unref(GAppInfo *taken)
{
    if (taken)
        g_object_unref(taken);
}

} // namespace

Calculator::Calculator(GAppInfo *application, const QString &id)
    : m_application(application, unref)
    , m_id(id)
{
}

bool Calculator::launch(QString &error) const
{
    if (!m_application) {
        QProcess program;
        program.setProgram(m_id);
        if (program.startDetached())
            return true;
        error = program.errorString();
        return false;
    }
    GError *failure = nullptr;
    if (g_app_info_launch(m_application.get(), nullptr, nullptr, &failure))
        return true;
    error = QString::fromUtf8(failure->message);
    g_error_free(failure);
    return false;
}

std::vector<Calculator> installedCalculators()
{
    std::vector<Calculator> found = desktopCalculators();
    for (const QString &program : wellKnownCalculators) {
        if (std::optional<Calculator> calculator = programOnPath(program))
            found.push_back(std::move(*calculator));
    }
    return found;
}

void startCalculator(const StartCalculator &start)
{
    QStringList refused;
    for (const Calculator &calculator : installedCalculators()) {
        QString error;
        if (start(calculator, error))
            return;
        refused << QStringLiteral("%1 (%2)").arg(calculator.id(), error);
    }
    QStringList message{QStringLiteral("Non riesco ad aprire una calcolatrice.")};
    if (!refused.isEmpty())
        message
            << QStringLiteral("Non si sono avviati: %1.").arg(refused.join(QStringLiteral(", ")));
    message
        << QString() << QStringLiteral("Ho cercato:")
        << QStringLiteral("• le applicazioni della categoria Calculator in %1")
               .arg(applicationFolders().join(QStringLiteral(", ")))
        << QStringLiteral("• i programmi %1").arg(wellKnownCalculators.join(QStringLiteral(", ")))
        << QString() << QStringLiteral("Chiedi all'insegnante di installarne una.");
    throw WindowError(message.join(QLatin1Char('\n')).toStdString(), spokenFailure(refused));
}

} // namespace tavola
