#pragma once

#include "engine/windowmodel.h"

#include <array>

namespace tavola::figure {

// The six lengths of the triangle ABC with its height AH, as indices.
enum Length { AB, AC, BC, AH, BH, HC, lengthCount };

// The value label that shows each length on the figure.
inline constexpr std::array<LabelModel WindowModel::*, lengthCount> valueLabels{
    &WindowModel::lblcat1,
    &WindowModel::Lblcat2,
    &WindowModel::lblipoeu,
    &WindowModel::Lblalt,
    &WindowModel::Lblpro1,
    &WindowModel::Lblpro2,
};

inline LabelModel &valueLabel(WindowModel &view, Length length)
{
    return view.*valueLabels[length];
}

} // namespace tavola::figure
