#include "clock/clockdisplay.h"

#include "clock/timetext.h"

#include <tuple>

namespace tavola {

namespace {

// Alarms are set to the second; the milliseconds of the current time play no part.
bool atOrAfter(const TimeOfDay &now, const TimeOfDay &alarm)
{
    return std::tie(now.hour, now.minute, now.second)
        >= std::tie(alarm.hour, alarm.minute, alarm.second);
}

} // namespace

AlarmStep alarmStep(const std::optional<TimeOfDay> &alarmTime, bool sounded, const TimeOfDay &now)
{
    if (alarmTime && atOrAfter(now, *alarmTime))
        return sounded ? AlarmStep::Nothing : AlarmStep::Sound;
    return AlarmStep::Rearm;
}

std::optional<std::string> normalStateCaption(const std::string &caption, const TimeOfDay &now)
{
    const std::optional<TimeOfDay> shown = readTimeOfDay(caption);
    if (!shown || shown->minute == now.minute)
        return std::nullopt;
    return mediumTimeText(now);
}

ClockDisplay::ClockDisplay(const TimeSource &clock)
    : m_clock(clock)
{
}

void ClockDisplay::tick(ClockFace &face)
{
    if (face.timeLabel() == plainTimeText(m_clock.timeOfDay()))
        return;
    checkAlarm(face);
    if (face.windowState() != WindowState::Normal) {
        face.setTimeLabel(plainTimeText(m_clock.timeOfDay()));
        return;
    }
    if (const auto caption = normalStateCaption(face.caption(), m_clock.timeOfDay()))
        face.setCaption(*caption);
}

void ClockDisplay::resize(ClockFace &face)
{
    if (face.windowState() == WindowState::Normal)
        face.setCaption(restoredCaption);
}

void ClockDisplay::checkAlarm(ClockFace &face)
{
    // Ticks go on while the alarm's box is open; they must not open another one.
    if (m_ringing)
        return;
    switch (alarmStep(m_alarmTime, m_sounded, m_clock.timeOfDay())) {
    case AlarmStep::Sound:
        soundAlarm(face);
        break;
    case AlarmStep::Rearm:
        m_sounded = false;
        break;
    case AlarmStep::Nothing:
        break;
    }
}

void ClockDisplay::soundAlarm(ClockFace &face)
{
    m_ringing = true;
    try {
        face.beep();
        face.showAlarm("Sveglia alle " + plainTimeText(m_clock.timeOfDay()));
    } catch (...) {
        m_ringing = false;
        throw;
    }
    m_ringing = false;
    m_sounded = true;
}

} // namespace tavola
