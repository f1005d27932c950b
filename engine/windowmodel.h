// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// The controls the game writes, each named once: the window model holds what each shows,
// the window holds its widget, the design holds its row.
template<typename Label, typename Box, typename Button>
struct GameControls {
    Label lblcat1{};  // cathetus AB
    Label Lblcat2{};  // cathetus AC
    Label lblipoeu{}; // hypotenuse BC
    Label Lblalt{};   // height AH
    Label Lblpro1{};  // projection BH
    Label Lblpro2{};  // projection HC
    Label Label2_0{}; // the three unit labels "cm"
    Label Label2_1{};
    Label Label2_2{};
    Label Label5{}; // the question
    Label lblMessage{};
    Label lblScore{};
    Label lblScore1{};
    Label lblScore2{};
    Box txtAnswer{};
    Button cmdNext{};

    const Label &valueLabel(Length length) const
    {
        const Label *const labels[] = {&lblcat1, &Lblcat2, &lblipoeu, &Lblalt, &Lblpro1, &Lblpro2};
        return *labels[length];
    }
    Label &valueLabel(Length length)
    {
        return const_cast<Label &>(std::as_const(*this).valueLabel(length));
    }

    friend bool operator==(const GameControls &, const GameControls &) = default;
};

// Calls visit(a.x, b.x) for every control x of two sets of the same controls.
template<typename A, typename B, typename Visit>
void forEachControl(A &a, B &b, Visit &&visit)
{
    visit(a.lblcat1, b.lblcat1);
    visit(a.Lblcat2, b.Lblcat2);
    visit(a.lblipoeu, b.lblipoeu);
    visit(a.Lblalt, b.Lblalt);
    visit(a.Lblpro1, b.Lblpro1);
    visit(a.Lblpro2, b.Lblpro2);
    visit(a.Label2_0, b.Label2_0);
    visit(a.Label2_1, b.Label2_1);
    visit(a.Label2_2, b.Label2_2);
    visit(a.Label5, b.Label5);
    visit(a.lblMessage, b.lblMessage);
    visit(a.lblScore, b.lblScore);
    visit(a.lblScore1, b.lblScore1);
    visit(a.lblScore2, b.lblScore2);
    visit(a.txtAnswer, b.txtAnswer);
    visit(a.cmdNext, b.cmdNext);
}

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

// What the window shows of the game, as loaded from the design. Every operation writes it
// step by step, so after an error it holds exactly what the operation did before failing.
// The box's new text and the focus are what the latest operation asked for, nothing more.
struct WindowModel : GameControls<LabelModel, BoxModel, ButtonModel> {
    WindowModel();

    Focus focus = Focus::Unchanged;
    std::optional<Length> asked; // the length Label5 asks for, for what a reader is told
    Verdict verdict = Verdict::None;
    std::string rightAnswer; // after a wrong answer, as the pupil should have typed it
    bool keyRefused = false; // the latest key never reached the answer box

    friend bool operator==(const WindowModel &, const WindowModel &) = default;
};

inline WindowModel::WindowModel()
{
    Label2_0.caption = Label2_1.caption = Label2_2.caption = "cm";
    Label5.color = colors::black;
    lblScore.caption = lblScore1.caption = lblScore2.caption = "0";
    txtAnswer.newText = "0";
    cmdNext.enabled = false;
}

} // namespace tavola
