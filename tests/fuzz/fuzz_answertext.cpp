// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// parseAnswer against its rule read another way: a number is a text of digits and at most one
// comma, with a digit somewhere; its value is what strtof, which rounds the exact decimal once,
// reads with a point for the comma, unless that overflows to infinity.
#include "fuzzcheck.h"

#include "engine/answertext.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<float> read = tavola::parseAnswer(text);

    const auto commas = std::count(text.begin(), text.end(), ',');
    const bool number = text.find_first_not_of("0123456789,") == std::string_view::npos
        && commas < 2 && std::size_t(commas) < text.size(); // so a digit too
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    char *end = nullptr;
    const float value = strtof_l(pointed.c_str(), &end, cNumericLocale());
    if (!number || std::isinf(value)) {
        require(!read, "no number", text);
        return 0;
    }
    require(end == pointed.c_str() + pointed.size(), "strtof reads the whole text", text);
    char values[64];
    std::snprintf(
        values, sizeof values, "read %a, strtof %a", double(read.value_or(NAN)), double(value));
    require(read && std::bit_cast<std::uint32_t>(*read) == std::bit_cast<std::uint32_t>(value),
        "the nearest float", text, values);
    return 0;
}
