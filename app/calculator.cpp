// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/calculator.h"

#include "app/desktop.h"
#include "app/messageboxes.h"

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

// GIO already lets an entry of the user's hide one of the same id in the system's folders,
// and drops hidden entries and those whose program is missing; it keeps no order.
std::vector<Calculator> desktopCalculators()
{
    const QStringList folders = applicationFolders();
    auto precedence = [&](const Calculator &calculator, GDesktopAppInfo *entry) {
        const QString path = QString::fromUtf8(g_desktop_app_info_get_filename(entry));
        const auto folder = std::find_if(folders.begin(), folders.end(),
            [&](const QString &f) { return path.startsWith(f + QLatin1Char('/')); });
        return std::pair(folder - folders.begin(), calculator.id());
    };
    std::vector<std::pair<std::pair<qsizetype, QString>, Calculator>> found;
    GList *all = g_app_info_get_all();
    for (GList *item = all; item; item = item->next) {
        auto *application = static_cast<GAppInfo *>(item->data);
        const char *id = g_app_info_get_id(application);
        Calculator calculator(application, QString::fromUtf8(id ? id : ""));
        if (G_IS_DESKTOP_APP_INFO(application) && isCalculator(G_DESKTOP_APP_INFO(application)))
            found.emplace_back(precedence(calculator, G_DESKTOP_APP_INFO(application)), calculator);
    }
    g_list_free(all);
    std::sort(
        found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<Calculator> calculators;
    for (auto &[key, calculator] : found)
        calculators.push_back(std::move(calculator));
    return calculators;
}

std::optional<Calculator> programOnPath(const QString &program)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return std::nullopt;
    char *quoted = g_shell_quote(path.toUtf8().constData());
    GAppInfo *application = g_app_info_create_from_commandline(
        quoted, program.toUtf8().constData(), G_APP_INFO_CREATE_NONE, nullptr);
    g_free(quoted);
    if (!application)
        return std::nullopt;
    return Calculator(application, path);
}

} // namespace

Calculator::Calculator(GAppInfo *application, const QString &id)
    : m_application(application, g_object_unref)
    , m_id(id)
{
}

bool Calculator::launch(QString &error) const
{
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

void startCalculator(Desktop &desktop)
{
    QStringList refused;
    for (const Calculator &calculator : installedCalculators()) {
        QString error;
        if (desktop.start(calculator, error))
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
    throw WindowError(message.join(QLatin1Char('\n')).toStdString());
}

} // namespace tavola
