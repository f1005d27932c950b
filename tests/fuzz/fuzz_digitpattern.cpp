// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// formatWithPattern against its rule worked out another way: printf's 15 significant digits,
// rounded half away from zero by whole-number division. An input is a pattern line, then a
// value for strtod or the bytes of a double; every value also goes through the game's patterns.
#include "fuzzcheck.h"

#include "engine/digitpattern.h"
#include "engine/gameerror.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr auto none = std::string_view::npos;

std::string expectedText(double value, std::string_view pattern)
{
    const auto point = pattern.find('.');
    const std::string_view integerPlaces = pattern.substr(0, point);
    const std::string_view decimalPlaces = point == none ? "" : pattern.substr(point + 1);
    const std::size_t decimals = decimalPlaces.size();
    const std::size_t shownInteger =
        integerPlaces.size() - std::min(integerPlaces.find('0'), integerPlaces.size());
    const std::size_t shownDecimals = decimalPlaces.rfind('0') + 1; // npos + 1 is 0

    // "d.dddddddddddddde+dd": the point goes, and the 15 digits read as one whole number.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    scientific[1] = scientific[0];
    const std::uint64_t mantissa = std::strtoull(scientific + 1, nullptr, 10);
    // |value| is mantissa * 10^shift units of the last decimal; below 10^-16 all round to 0.
    const long shift = std::strtol(scientific + 17, nullptr, 10) - 14 + long(decimals);
    std::uint64_t unit = 1;
    for (long i = std::max(shift, -18L); i < 0; ++i)
        unit *= 10;
    std::string units =
        std::to_string((mantissa + unit / 2) / unit) + std::string(std::max(shift, 0L), '0');

    units.erase(0, units.find_first_not_of('0'));
    const bool negative = value < 0 && !units.empty();
    units.insert(0, std::max(shownInteger + decimals, units.size()) - units.size(), '0');
    std::string fraction = units.substr(units.size() - decimals);
    fraction.erase(std::max(shownDecimals, fraction.find_last_not_of('0') + 1));
    return (negative ? "-" : "") + units.substr(0, units.size() - decimals)
        + (point == none ? "" : ",") + fraction;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string_view data(reinterpret_cast<const char *>(bytes), size);
    const std::size_t newline = std::min(data.find('\n'), size);
    // Capped: past some 300 decimals the engine's digits of a subnormal are not 15 significant.
    std::string pattern;
    for (const char c : data.substr(0, std::min<std::size_t>(newline, 64))) {
        if (c == '#' || c == '0' || (c == '.' && pattern.find('.') == none))
            pattern += c;
    }
    const std::string line(data.substr(std::min(newline + 1, size)));
    char *end = nullptr;
    double value = strtod_l(line.c_str(), &end, cNumericLocale());
    if (end == line.c_str()) // strtod gave 0: the bytes that fit make the double
        std::memcpy(&value, line.data(), std::min(line.size(), sizeof value));

    const std::string_view all[] = {pattern, "###", "####", "####.##", "###.##", "###0", "####0"};
    for (const std::string_view p : all) {
        if (!std::isfinite(value)) {
            try {
                (void)tavola::formatWithPattern(value, p);
            } catch (const tavola::GameError &error) {
                require(error.kind() == tavola::ErrorKind::FloatingPoint,
                    "the floating-point kind of error", data);
                continue;
            }
            require(false, "a non-finite value raises the floating-point error", data);
        }
        const std::string text = tavola::formatWithPattern(value, p);
        const std::string expected = expectedText(value, p);
        require(text == expected, "the value rounded to the pattern's places", data,
            std::string(p) + ": wrote \"" + text + "\", expected \"" + expected + "\"");
    }
    return 0;
}
