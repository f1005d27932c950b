#pragma once

#include "engine/timesource.h"

#include <optional>
#include <string>

namespace tavola {

enum class WindowState { Normal, Minimised, Maximised };

// What the clock reads and changes of the window it lives in.
class ClockFace
{
public:
    virtual ~ClockFace() = default;

    virtual std::string timeLabel() const = 0;
    virtual void setTimeLabel(const std::string &text) = 0;
    virtual WindowState windowState() const = 0;
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string &text) = 0;
    virtual void beep() = 0;
    // A modal box titled "Sveglia" with an OK button; returns once it has been closed.
    virtual void showAlarm(const std::string &prompt) = 0;
};

// The caption the window takes whenever it is resized into the normal state.
inline const std::string restoredCaption = "Giocare con I Trigorio";

enum class AlarmStep { Nothing, Sound, Rearm };

// An empty alarm time counts as later than any time of day: it re-arms and never sounds.
AlarmStep alarmStep(const std::optional<TimeOfDay> &alarmTime, bool sounded, const TimeOfDay &now);

// In the normal state: a caption that reads as a time of day of another minute is replaced
// by the time in hours and minutes; any other caption stays.
std::optional<std::string> normalStateCaption(const std::string &caption, const TimeOfDay &now);

// The clock label and the window caption. The alarm time is empty at every load of the
// window; whether the alarm has sounded is kept across loads.
class ClockDisplay
{
public:
    explicit ClockDisplay(const TimeSource &clock);

    void loadWindow() { m_alarmTime.reset(); }
    void setAlarmTime(std::optional<TimeOfDay> time) { m_alarmTime = time; }
    bool alarmSounded() const { return m_sounded; }

    // Twice a second: the label follows the displayed second unless the window is in the
    // normal state.
    void tick(ClockFace &face);
    // Every change of the window's size or state.
    static void resize(ClockFace &face);

private:
    void checkAlarm(ClockFace &face);
    void soundAlarm(ClockFace &face);

    const TimeSource &m_clock;
    std::optional<TimeOfDay> m_alarmTime;
    bool m_sounded = false;
    bool m_ringing = false;
};

} // namespace tavola
