#include "clock/timetext.h"

#include <cctype>
#include <cstdio>

namespace tavola {

namespace {

std::string twoDigits(int value)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// Walks a text one field at a time; every reader fails without moving on a mismatch.
class TimeReader
{
public:
    explicit TimeReader(std::string_view text)
        : m_text(text)
    {
    }

    std::optional<int> number(std::size_t maxDigits)
    {
        std::size_t digits = 0;
        int value = 0;
        while (digits < maxDigits && m_at + digits < m_text.size()
            && std::isdigit(static_cast<unsigned char>(m_text[m_at + digits]))) {
            value = value * 10 + (m_text[m_at + digits] - '0');
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        m_at += digits;
        return value;
    }

    bool skip(char expected)
    {
        if (m_at < m_text.size() && m_text[m_at] == expected) {
            ++m_at;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (skip(' ')) { }
    }

    // "AM" or "PM" in any case: 0 for AM, 12 for PM.
    std::optional<int> meridiem()
    {
        if (m_text.size() - m_at < 2
            || std::toupper(static_cast<unsigned char>(m_text[m_at + 1])) != 'M')
            return std::nullopt;
        const int letter = std::toupper(static_cast<unsigned char>(m_text[m_at]));
        if (letter != 'A' && letter != 'P')
            return std::nullopt;
        m_at += 2;
        return letter == 'P' ? 12 : 0;
    }

    bool atEnd() const { return m_at == m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

std::string plainTimeText(const TimeOfDay &time)
{
    return twoDigits(time.hour) + ':' + twoDigits(time.minute) + ':' + twoDigits(time.second);
}

std::string mediumTimeText(const TimeOfDay &time)
{
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    return twoDigits(hour12) + ':' + twoDigits(time.minute) + (time.hour < 12 ? " AM" : " PM");
}

std::string dateText(const CalendarDate &date)
{
    char text[16];
    std::snprintf(
        text, sizeof text, "%02d/%02d/%04d", date.day % 100, date.month % 100, date.year % 10000);
    return text;
}

std::optional<TimeOfDay> readTimeOfDay(std::string_view text)
{
    TimeReader reader(text);
    reader.skipBlanks();
    const std::optional<int> hour = reader.number(2);
    if (!hour || !reader.skip(':'))
        return std::nullopt;
    const std::optional<int> minute = reader.number(2);
    std::optional<int> second = 0;
    if (reader.skip(':'))
        second = reader.number(2);
    if (!minute || !second)
        return std::nullopt;
    reader.skipBlanks();
    const std::optional<int> offset = reader.meridiem();
    reader.skipBlanks();
    if (!reader.atEnd())
        return std::nullopt;

    TimeOfDay time{*hour, *minute, *second, 0};
    if (offset) {
        if (!inRange(*hour, 1, 12))
            return std::nullopt;
        time.hour = *hour % 12 + *offset;
    }
    if (!inRange(time.hour, 0, 23) || !inRange(time.minute, 0, 59) || !inRange(time.second, 0, 59))
        return std::nullopt;
    return time;
}

} // namespace tavola
