#pragma once

#include <array>
#include <cstdint>
#include <string>

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

struct LabelModel {
    std::string caption;
    bool visible = true;

    friend bool operator==(const LabelModel &, const LabelModel &) = default;
};

enum class FocusTarget { Unchanged, txtAnswer, cmdNext };

// Everything of the window that the engine decides, as the window shows it right after
// loading. The engine writes it step by step, so after an error it holds exactly what
// the operation had done before failing; the window renders it after every operation.
struct WindowModel {
    // The figure's value labels: catheti AB and AC, hypotenuse BC, height AH, projections.
    LabelModel lblcat1;
    LabelModel Lblcat2;
    LabelModel lblipoeu;
    LabelModel Lblalt;
    LabelModel Lblpro1;
    LabelModel Lblpro2;
    std::array<LabelModel, 3> Label2{{{"cm", true}, {"cm", true}, {"cm", true}}};

    std::string Label5Caption;
    Rgb Label5Color = colors::black;

    std::string txtAnswer = "0";
    std::string lblMessage;
    std::string lblScore = "0";
    std::string lblScore1 = "0";
    std::string lblScore2 = "0";
    bool cmdNextEnabled = false;

    // Focus is an action, not a state: the pupil may click elsewhere afterwards. The
    // window moves the focus when this says so and then sets it back to Unchanged.
    FocusTarget focusRequest = FocusTarget::Unchanged;

    friend bool operator==(const WindowModel &, const WindowModel &) = default;
};

} // namespace tavola
