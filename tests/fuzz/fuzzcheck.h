#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <locale.h>

// A broken property stops the run with the input shown, so that libFuzzer keeps it as a
// crash artifact: returning quietly would let the fault pass as "no crash".
inline void require(
    bool holds, const char *property, std::string_view input, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\ninput: \"%.*s\"\n%.*s\n", property,
        int(input.size()), input.data(), int(detail.size()), detail.data());
    std::abort();
}

// The oracles read numbers through the C library, which must not follow the process's
// locale: the run might be started under one with the comma as its decimal point.
inline locale_t cNumericLocale()
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(0));
    return c;
}
