// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <locale.h>

// Aborts rather than returns, so that libFuzzer keeps the input as a crash artifact.
inline void require(
    bool holds, const char *property, std::string_view input, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\ninput: \"%.*s\"\n%.*s\n", property,
        int(input.size()), input.data(), int(detail.size()), detail.data());
    std::abort();
}

// The run may be started under a locale whose decimal point is the comma.
inline locale_t cNumericLocale()
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(0));
    return c;
}
