// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/answertext.h"

#include "engine/digitpattern.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace tavola {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<float> parseAnswer(std::string_view text)
{
    const auto separator = text.find(decimalSeparator);
    const auto integerPart = text.substr(0, separator);
    const auto fractionPart =
        separator == std::string_view::npos ? std::string_view{} : text.substr(separator + 1);

    const bool wellFormed = std::all_of(integerPart.begin(), integerPart.end(), isDigit)
        && std::all_of(fractionPart.begin(), fractionPart.end(), isDigit)
        && integerPart.size() + fractionPart.size() > 0;
    if (!wellFormed)
        return std::nullopt;

    // from_chars rounds the exact decimal once, straight to float, with no locale involved.
    std::string canonical;
    canonical.reserve(text.size() + 2);
    canonical.append(integerPart.empty() ? std::string_view("0") : integerPart);
    if (!fractionPart.empty())
        canonical.append(".").append(fractionPart);

    float value = 0;
    const auto [end, error] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Below the smallest float the nearest value is zero; above the largest there is none.
        if (integerPart.find_first_not_of('0') == std::string_view::npos)
            return 0.0f;
        return std::nullopt;
    }
    if (error != std::errc() || end != canonical.data() + canonical.size())
        return std::nullopt;
    return value;
}

} // namespace tavola
