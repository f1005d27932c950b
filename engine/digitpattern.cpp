// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/digitpattern.h"

#include "engine/gameerror.h"
#include "engine/int16math.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tavola {

namespace {

struct PatternShape {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool hasSeparator = false;
};

PatternShape shapeOf(std::string_view pattern)
{
    PatternShape shape;
    const auto point = pattern.find('.');
    const auto integerPart = pattern.substr(0, point);
    if (const auto firstZero = integerPart.find('0'); firstZero != std::string_view::npos)
        shape.minIntegerDigits = int(integerPart.size() - firstZero);
    if (point != std::string_view::npos) {
        shape.hasSeparator = true;
        const auto decimalPart = pattern.substr(point + 1);
        shape.maxDecimals = int(std::count_if(
            decimalPart.begin(), decimalPart.end(), [](char c) { return c == '#' || c == '0'; }));
        if (const auto lastZero = decimalPart.rfind('0'); lastZero != std::string_view::npos)
            shape.minDecimals = int(lastZero + 1);
    }
    return shape;
}

// A magnitude as significant digits and the power of ten of the first one:
// 2.675 -> "267500000000000" and 0; 0 -> "0" and 0.
struct Significand {
    char digits[24];
    int count = 0;
    int exponent = 0;

    // Digit at a power of ten; zero outside the stored digits.
    char at(int power) const
    {
        const int index = exponent - power;
        return index >= 0 && index < count ? digits[index] : '0';
    }
};

// The decimal form to 15 significant digits.
Significand significandOf(double magnitude)
{
    Significand s;
    char buffer[32];
    // A whole number below 10^15 is its own 15-digit form: skip the scientific detour.
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(magnitude)).ptr;
        s.count = int(end - buffer);
        std::copy(buffer, end, s.digits);
        s.exponent = s.count - 1;
        return s;
    }
    // to_chars ignores the C locale, so the decimal point is always '.'. The shortest
    // form that reads back as the same double is, when it has at most 15 digits, also the
    // value rounded to 15 digits (15-digit decimals lie many units of the last place apart),
    // and it is much quicker to find.
    auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    if (std::find(buffer, end, 'e') - buffer > 16) // digits, and the point after the first
        end = std::to_chars(
            buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14)
                  .ptr;
    const char *p = buffer;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            s.digits[s.count++] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+'), end, s.exponent);
    return s;
}

// Keeps the digits down to 10^-decimals, rounding half away from zero on the first digit
// dropped.
void roundToDecimals(Significand &s, int decimals)
{
    const int kept = s.exponent + 1 + decimals;
    if (kept >= s.count)
        return;
    const bool roundUp = kept >= 0 && s.digits[kept] >= '5';
    if (kept <= 0) {
        // Everything is dropped: what is left is zero or one unit of the last decimal.
        s.digits[0] = roundUp ? '1' : '0';
        s.count = 1;
        s.exponent = roundUp ? -decimals : 0;
        return;
    }
    s.count = kept;
    if (!roundUp)
        return;
    int i = kept - 1;
    for (; i >= 0 && s.digits[i] == '9'; --i)
        s.digits[i] = '0';
    if (i >= 0) {
        ++s.digits[i];
    } else {
        std::copy_backward(s.digits, s.digits + s.count, s.digits + s.count + 1);
        s.digits[0] = '1';
        ++s.count;
        ++s.exponent;
    }
}

} // namespace

std::string formatWithPattern(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        throw GameError(ErrorKind::FloatingPoint);

    const PatternShape shape = shapeOf(pattern);
    Significand s = significandOf(std::fabs(value));
    roundToDecimals(s, shape.maxDecimals);

    // Significant integer digits run from the first non-zero digit down to 10^0.
    const bool nonZero = std::any_of(s.digits, s.digits + s.count, [](char d) { return d != '0'; });
    const int topPower = nonZero ? s.exponent : -1;
    const int integerDigits = std::max(topPower + 1, shape.minIntegerDigits);
    int decimals = shape.maxDecimals;
    while (decimals > shape.minDecimals && s.at(-decimals) == '0')
        --decimals;

    const bool negative = value < 0 && nonZero;
    std::string text(negative + integerDigits + shape.hasSeparator + decimals, '\0');
    char *out = text.data();
    if (negative)
        *out++ = '-';
    for (int power = integerDigits - 1; power >= 0; --power)
        *out++ = s.at(power);
    if (shape.hasSeparator)
        *out++ = decimalSeparator;
    for (int power = -1; power >= -decimals; --power)
        *out++ = s.at(power);
    return text;
}

std::string lengthText(double length)
{
    return formatWithPattern(length, intPart(length) == length ? "####" : "####.##");
}

} // namespace tavola
