// formatWithPattern writes every finite value as a number text (an optional minus, digits,
// at most one comma; the empty text or a lone comma only for a value that rounds to zero
// with no '0' place to show) that reads back through parseAnswer as the value rounded to
// the pattern's decimals; a non-finite value raises the floating-point error, nothing else.
//
// An input is two lines: the pattern, then the value. "@0" to "@5" name the game's own
// patterns; any other pattern line is kept to the documented places ('#', '0', one '.'),
// and also given to the formatter as it is, where only the shape of the text is checked.
// The value line is read by strtod ("2.675", "-1e300", "0x1p-1074", "nan"); a line that
// is no number gives its first eight bytes as the bits of a double.
#include "fuzzcheck.h"

#include "engine/answertext.h"
#include "engine/digitpattern.h"
#include "engine/gameerror.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::string_view gamePatterns[] = {"###", "####", "####.##", "###.##", "###0", "####0"};
constexpr std::size_t maxPlaces = 48;

struct Input {
    std::string pattern;
    std::string rawPattern;
    double value = 0;
};

std::string documentedPlaces(std::string_view line)
{
    std::string pattern;
    bool separator = false;
    for (const char c : line) {
        if (pattern.size() == maxPlaces)
            break;
        if (c == '#' || c == '0' || (c == '.' && !separator))
            pattern += c;
        separator = separator || c == '.';
    }
    return pattern;
}

double valueOf(std::string_view line)
{
    const std::string text(line);
    char *end = nullptr;
    const double read = strtod_l(text.c_str(), &end, cNumericLocale());
    if (end != text.c_str())
        return read;
    std::uint64_t bits = 0;
    if (!line.empty())
        std::memcpy(&bits, line.data(), std::min(line.size(), sizeof bits));
    return std::bit_cast<double>(bits);
}

Input decode(std::string_view data)
{
    const auto newline = data.find('\n');
    const std::string_view patternLine = data.substr(0, newline);
    const std::string_view valueLine =
        newline == std::string_view::npos ? std::string_view{} : data.substr(newline + 1);
    Input input;
    input.rawPattern = patternLine;
    if (patternLine.size() == 2 && patternLine[0] == '@' && patternLine[1] >= '0'
        && patternLine[1] < '0' + int(std::size(gamePatterns)))
        input.pattern = gamePatterns[patternLine[1] - '0'];
    else
        input.pattern = documentedPlaces(patternLine);
    input.value = valueOf(valueLine);
    return input;
}

// The places of a pattern of '#', '0' and at most one '.', as the header describes them.
struct Places {
    std::size_t shownInteger = 0; // from the first '0' before the separator to the end
    std::size_t decimals = 0;
    std::size_t shownDecimals = 0; // up to the last '0' after the separator
    bool separator = false;
};

Places placesOf(std::string_view pattern)
{
    Places places;
    const auto point = pattern.find('.');
    const std::string_view integer = pattern.substr(0, point);
    if (const auto zero = integer.find('0'); zero != std::string_view::npos)
        places.shownInteger = integer.size() - zero;
    if (point != std::string_view::npos) {
        places.separator = true;
        const std::string_view fraction = pattern.substr(point + 1);
        places.decimals = fraction.size();
        if (const auto zero = fraction.rfind('0'); zero != std::string_view::npos)
            places.shownDecimals = zero + 1;
    }
    return places;
}

struct Expected {
    std::string text;
    std::string pointed; // the rounded magnitude, written for strtof
    bool zero = true;
};

// The value to 15 significant digits by printf, laid out in full and rounded half away from
// zero on the first digit dropped: another way to the text the formatter should write.
Expected expectedText(double value, const Places &places)
{
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    std::string mantissa(1, scientific[0]);
    mantissa.append(scientific + 2, 14);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    const auto digitAt = [&](int power) {
        const int index = exponent - power;
        return index >= 0 && index < int(mantissa.size()) ? mantissa[index] : '0';
    };

    const int decimals = int(places.decimals);
    std::string digits; // the magnitude in units of the last decimal, truncated
    for (int power = std::max(exponent, 0); power >= -decimals; --power)
        digits += digitAt(power);
    if (digitAt(-decimals - 1) >= '5') {
        auto carry = digits.rbegin();
        for (; carry != digits.rend() && *carry == '9'; ++carry)
            *carry = '0';
        if (carry == digits.rend())
            digits.insert(digits.begin(), '1');
        else
            ++*carry;
    }

    Expected expected;
    expected.zero = digits.find_first_not_of('0') == std::string::npos;
    std::string integer = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    expected.pointed = integer + "." + fraction;
    integer.erase(0, integer.find_first_not_of('0'));
    if (integer.size() < places.shownInteger)
        integer.insert(0, places.shownInteger - integer.size(), '0');
    while (fraction.size() > places.shownDecimals && fraction.back() == '0')
        fraction.pop_back();

    if (value < 0 && !expected.zero)
        expected.text = "-";
    expected.text += integer;
    if (places.separator)
        expected.text += ',';
    expected.text += fraction;
    return expected;
}

bool isNumberText(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return text.find_first_not_of("0123456789,") == std::string_view::npos
        && std::count(text.begin(), text.end(), ',') <= 1;
}

bool hasDigit(std::string_view text)
{
    return text.find_first_of("0123456789") != std::string_view::npos;
}

// Formats a non-finite value: only GameError of the floating-point kind may come out.
void requireFloatingPointError(double value, const std::string &pattern, std::string_view input)
{
    try {
        const std::string text = tavola::formatWithPattern(value, pattern);
        require(false, "a non-finite value raises an error", input, text);
    } catch (const tavola::GameError &error) {
        require(error.kind() == tavola::ErrorKind::FloatingPoint,
            "a non-finite value raises the floating-point error", input);
    } catch (...) {
        require(false, "a non-finite value raises GameError and nothing else", input);
    }
}

void checkDocumentedPattern(const Input &input, std::string_view data)
{
    const std::string text = tavola::formatWithPattern(input.value, input.pattern);
    const Expected expected = expectedText(input.value, placesOf(input.pattern));
    char detail[160];
    std::snprintf(detail, sizeof detail,
        "pattern \"%s\", value %.17g: wrote \"%.40s\", expected \"%.40s\"", input.pattern.c_str(),
        input.value, text.c_str(), expected.text.c_str());

    require(isNumberText(text), "a number text", data, detail);
    require(hasDigit(text) || expected.zero, "no digit only for a value that rounds to zero", data,
        detail);
    require(text == expected.text, "the value rounded to the pattern's places", data, detail);

    const std::string_view magnitude =
        std::string_view(text).substr(!text.empty() && text.front() == '-');
    const std::optional<float> read =
        hasDigit(magnitude) ? tavola::parseAnswer(magnitude) : std::optional<float>(0.0f);
    const float rounded = strtof_l(expected.pointed.c_str(), nullptr, cNumericLocale());
    if (std::isinf(rounded)) {
        require(!read, "a text beyond the float range reads as no number", data, detail);
        return;
    }
    require(read.has_value(), "the text reads back as a number", data, detail);
    require(std::bit_cast<std::uint32_t>(*read) == std::bit_cast<std::uint32_t>(rounded),
        "the text reads back as the rounded value", data, detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string_view data(reinterpret_cast<const char *>(bytes), size);
    const Input input = decode(data);

    if (!std::isfinite(input.value)) {
        requireFloatingPointError(input.value, input.pattern, data);
        requireFloatingPointError(input.value, input.rawPattern, data);
        return 0;
    }
    checkDocumentedPattern(input, data);
    require(isNumberText(tavola::formatWithPattern(input.value, input.rawPattern)),
        "a number text with any pattern", data);
    return 0;
}
