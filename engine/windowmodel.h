// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavola {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

namespace colors {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb magenta{255, 0, 255};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb green{0, 255, 0};
} // namespace colors

// The six lengths of the triangle ABC with its height AH.
enum Length { AB, AC, BC, AH, BH, HC, lengthCount };

struct LabelModel {
    std::string caption;
    bool visible = true;
    std::optional<Rgb> color; // empty: the designed colour

    friend bool operator==(const LabelModel &, const LabelModel &) = default;
};

// The box's text belongs to the pupil; the game only ever replaces it, at a given step.
struct BoxModel {
    std::optional<std::string> newText;

    friend bool operator==(const BoxModel &, const BoxModel &) = default;
};

struct ButtonModel {
    bool enabled = true;

    friend bool operator==(const ButtonModel &, const ButtonModel &) = default;
};

enum class Focus { Unchanged, txtAnswer, cmdNext };

enum class Verdict { None, Right, Wrong };

// The verdicts lblMessage shows; the wrong one goes on with the right value.
inline constexpr std::string_view rightVerdict = "Esatto. Sei in gamba!!!";
inline constexpr std::string_view wrongVerdict = "Sbagliato!! ";

// The labels the game writes, by their names in the window, each named once: a new one
// is one more name here and one more row in the window's design. The values of the six
// lengths come first, in the order of Length.
enum GameLabel {
    lblcat1,  // cathetus AB
    Lblcat2,  // cathetus AC
    lblipoeu, // hypotenuse BC
    Lblalt,   // height AH
    Lblpro1,  // projection BH
    Lblpro2,  // projection HC
    Label2_0, // the three units "cm"
    Label2_1,
    Label2_2,
    Label5, // the question
    lblMessage,
    lblScore,
    lblScore1,
    lblScore2,
    gameLabelCount
};
static_assert(int(lblcat1) == AB && int(Lblcat2) == AC && int(lblipoeu) == BC && int(Lblalt) == AH
    && int(Lblpro1) == BH && int(Lblpro2) == HC);

// What the window shows of the game, as loaded from the design. Every operation writes it
// step by step, so after an error it holds exactly what the operation did before failing.
// The box's new text and the focus are what the latest operation asked for, nothing more.
struct WindowModel {
    WindowModel();

    LabelModel &operator[](GameLabel label) { return labels[label]; }
    const LabelModel &operator[](GameLabel label) const { return labels[label]; }
    const LabelModel &valueLabel(Length length) const { return labels[length]; }
    LabelModel &valueLabel(Length length) { return labels[length]; }

    std::array<LabelModel, gameLabelCount> labels;
    BoxModel txtAnswer;
    ButtonModel cmdNext;

    Focus focus = Focus::Unchanged;
    std::optional<Length> asked; // the length Label5 asks for, for what a reader is told
    Verdict verdict = Verdict::None;
    std::string rightAnswer; // after a wrong answer, as the pupil should have typed it
    bool keyRefused = false; // the latest key never reached the answer box
    bool totalShown = false; // the game has counted an answer in its total

    friend bool operator==(const WindowModel &, const WindowModel &) = default;
};

inline WindowModel::WindowModel()
{
    labels[Label2_0].caption = labels[Label2_1].caption = labels[Label2_2].caption = "cm";
    labels[Label5].color = colors::black;
    labels[lblScore].caption = labels[lblScore1].caption = labels[lblScore2].caption = "0";
    txtAnswer.newText = "0";
    cmdNext.enabled = false;
}

} // namespace tavola
