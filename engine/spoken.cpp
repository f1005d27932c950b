// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/spoken.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavola {

namespace {

struct LengthName {
    std::string_view bare;        // as a given length is named
    std::string_view withArticle; // as "Trova" needs it
};

constexpr std::array<LengthName, lengthCount> lengthNames{{
    {"cateto AB", "il cateto AB"},
    {"cateto AC", "il cateto AC"},
    {"ipotenusa BC", "l'ipotenusa BC"},
    {"altezza AH", "l'altezza AH"},
    {"proiezione BH", "la proiezione BH"},
    {"proiezione HC", "la proiezione HC"},
}};

std::string inCentimetres(const std::string &value)
{
    return value + (value == "1" ? " centimetro" : " centimetri");
}

std::string problemOf(const WindowModel &model)
{
    const std::optional<Length> asked = model.asked;
    if (!asked)
        return {};
    std::string given;
    for (int length = 0; length < lengthCount; ++length) {
        const LabelModel &label = model.valueLabel(Length(length));
        if (length == *asked || !label.visible || label.caption.empty())
            continue;
        given += (given.empty() ? "Dati " : " e ") + std::string(lengthNames[length].bare) + ' '
            + inCentimetres(label.caption);
    }
    std::string problem = "Trova " + std::string(lengthNames[*asked].withArticle);
    return given.empty() ? problem : sentences(problem, given);
}

std::string verdictOf(const WindowModel &model)
{
    switch (model.verdict) {
    case Verdict::Right:
        return "Esatto. Sei in gamba!";
    case Verdict::Wrong:
        return "Sbagliato. La risposta giusta è " + inCentimetres(model.rightAnswer);
    case Verdict::None:
        break;
    }
    return {};
}

} // namespace

std::string sentences(std::string_view first, std::string_view second)
{
    if (first.empty())
        return std::string(second);
    const bool closed = first.ends_with('.') || first.ends_with('!') || first.ends_with('?');
    return std::string(first) + (closed ? " " : ". ") + std::string(second);
}

Spoken spokenOf(const WindowModel &model)
{
    Spoken spoken;
    spoken.problem = problemOf(model);
    spoken.verdict = verdictOf(model);
    spoken.counts = "Esatte " + model[lblScore].caption + ", errate " + model[lblScore1].caption
        + ", totale " + model[lblScore2].caption;
    // What a game's first problem adds, said once: the counts start from zero, and how to
    // answer. Every problem after it is its words alone.
    spoken.answerBox = spoken.problem;
    if (!spoken.problem.empty() && !model.totalShown)
        spoken.answerBox = sentences(sentences(spoken.problem, spoken.counts), answerHint);
    if (model.keyRefused)
        spoken.refusal = std::string(refusedKeyHint);
    spoken.judged = sentences(spoken.verdict, spoken.counts);
    spoken.figure = "Triangolo rettangolo ABC retto in A, con l'altezza AH sull'ipotenusa BC";
    if (!spoken.problem.empty())
        spoken.figure = sentences(spoken.figure, spoken.problem);
    spoken.unit = "Centimetri";
    if (const std::optional<Length> asked = model.asked)
        spoken.unit +=
            ", l'unità della risposta per " + std::string(lengthNames[*asked].withArticle);
    return spoken;
}

} // namespace tavola
