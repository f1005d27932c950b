#pragma once

#include "engine/randomsource.h"
#include "engine/timesource.h"

#include <deque>
#include <stdexcept>
#include <variant>
#include <vector>

// Test doubles: a random source that plays back chosen values and records every call,
// and a clock that stands still.

struct Reseed {
    double value;
    friend bool operator==(const Reseed &, const Reseed &) = default;
};
struct Draw {
    friend bool operator==(const Draw &, const Draw &) = default;
};
using RandomCall = std::variant<Reseed, Draw>;

class ScriptedRandom final : public tavola::RandomSource
{
public:
    void script(std::initializer_list<float> values) { m_values.insert(m_values.end(), values); }
    // From now on every value drawn goes back to the end of the script, for games of
    // any number of problems.
    void loop() { m_looping = true; }

    float next() override
    {
        if (m_values.empty())
            throw std::logic_error("the script has no value left for this draw");
        calls.push_back(Draw{});
        const float r = m_values.front();
        m_values.pop_front();
        if (m_looping)
            m_values.push_back(r);
        return r;
    }

    void reseed(double value) override { calls.push_back(Reseed{value}); }

    bool exhausted() const { return m_values.empty(); }

    std::vector<RandomCall> calls;

private:
    std::deque<float> m_values;
    bool m_looping = false;
};

class FixedClock final : public tavola::TimeSource
{
public:
    tavola::TimeOfDay timeOfDay() const override { return time; }
    tavola::CalendarDate date() const override { return day; }

    tavola::TimeOfDay time{10, 30, 15, 250};
    tavola::CalendarDate day{2026, 12, 6};
};

// The r that makes `drawWhole(r, range, offset)` give `value`: the middle of its interval.
inline float rFor(int value, int offset, int range)
{
    return (float(value - offset) + 0.5f) / float(range);
}
