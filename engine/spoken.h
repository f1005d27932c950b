// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/windowmodel.h"

#include <string>
#include <string_view>

namespace tavola {

// What a screen reader says of the game, in words a synthesizer reads as they stand: no
// colon, no parenthesis, no abbreviated unit. Values the figure hides are never named.
struct Spoken {
    std::string
        problem; // "Trova il cateto AC. Dati cateto AB 30 centimetri e ipotenusa BC 226 centimetri"
    std::string answerBox; // the problem; on a game's first, the counts and how to answer too
    std::string refusal;   // what the answer box takes, when it has just refused a key
    std::string verdict;   // "Esatto. Sei in gamba!", or the right value; empty before an answer
    std::string judged;    // the verdict, then the counts
    std::string counts;    // "Esatte 2, errate 1, totale 3"
    std::string figure;    // the triangle, then the problem
    std::string unit;      // the unit of the answer, and what it measures
};

inline constexpr std::string_view answerHint =
    "Scrivi il risultato in centimetri, con la virgola per i decimali, e premi Invio.";
inline constexpr std::string_view refusedKeyHint = "Solo cifre e una virgola, come 12,5";

Spoken spokenOf(const WindowModel &model);

// Two sentences as one text: a full stop between them unless the first ends with one.
std::string sentences(std::string_view first, std::string_view second);

} // namespace tavola
