// Every text is a number or no number: parseAnswer takes exactly the texts of decimal
// digits with at most one comma, and at least one digit, whose value lies in the float
// range, and reads each as the float the C library's strtof gives for it with the point
// in place of the comma.
#include "fuzzcheck.h"

#include "engine/answertext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace {

std::optional<float> readByTheCLibrary(std::string_view text)
{
    int commas = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == ',')
            ++commas;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return std::nullopt;
    }
    if (commas > 1 || digits == 0)
        return std::nullopt;

    std::string pointed(text);
    for (char &c : pointed) {
        if (c == ',')
            c = '.';
    }
    char *end = nullptr;
    // strtof rounds the exact decimal once to float; only an overflow gives infinity.
    const float value = strtof_l(pointed.c_str(), &end, cNumericLocale());
    require(end == pointed.c_str() + pointed.size(), "strtof reads the whole text", text);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<float> read = tavola::parseAnswer(text);
    const std::optional<float> expected = readByTheCLibrary(text);

    require(read.has_value() == expected.has_value(),
        read ? "parseAnswer takes a text that is no number"
             : "parseAnswer refuses a number in the float range",
        text);
    if (!read)
        return 0;
    require(std::isfinite(*read) && !std::signbit(*read), "a finite value, not negative", text);
    char values[96];
    std::snprintf(values, sizeof values, "parseAnswer %a (%.9g), strtof %a (%.9g)", double(*read),
        double(*read), double(*expected), double(*expected));
    require(std::bit_cast<std::uint32_t>(*read) == std::bit_cast<std::uint32_t>(*expected),
        "the nearest float, as strtof reads it", text, values);
    return 0;
}
