// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock/timetext.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace tavola {

namespace {

// The locale's long time format names the time zone ("t", sometimes in brackets); the clock
// shows local time, so the zone only takes room. Quoted literal text stays as it is.
QString withoutTimeZone(const QString &format)
{
    static const QRegularExpression zone(QStringLiteral("\\(?t+\\)?"));
    QString result;
    const QStringList pieces = format.split(QLatin1Char('\''));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            result += QLatin1Char('\'');
        result += i % 2 ? pieces[i] : QString(pieces[i]).remove(zone);
    }
    return result.simplified();
}

} // namespace

std::string timeText(const TimeOfDay &time, const QLocale &locale)
{
    const QString format = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return locale.toString(QTime(time.hour, time.minute, time.second), format).toStdString();
}

std::string dateText(const CalendarDate &date, const QLocale &locale)
{
    return locale.toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat)
        .toStdString();
}

std::string spokenTime(const TimeOfDay &time)
{
    return std::to_string(time.hour) + " e " + std::to_string(time.minute);
}

std::string spokenDate(const CalendarDate &date)
{
    return QLocale(QLocale::Italian)
        .toString(QDate(date.year, date.month, date.day), QStringLiteral("dddd d MMMM yyyy"))
        .toStdString();
}

} // namespace tavola
