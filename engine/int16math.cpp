// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/int16math.h"

#include "engine/gameerror.h"

#include <cmath>
#include <limits>

namespace tavola {

namespace {

int16 fitInt16(int wide)
{
    if (wide < std::numeric_limits<int16>::min() || wide > std::numeric_limits<int16>::max())
        throw GameError(ErrorKind::Overflow);
    return static_cast<int16>(wide);
}

template<typename Real>
Real checked(Real value)
{
    if (!std::isfinite(value))
        throw GameError(ErrorKind::FloatingPoint);
    return value;
}

} // namespace

int16 add16(int16 a, int16 b)
{
    return fitInt16(int(a) + int(b));
}

int16 sub16(int16 a, int16 b)
{
    return fitInt16(int(a) - int(b));
}

int16 mul16(int16 a, int16 b)
{
    return fitInt16(int(a) * int(b));
}

int16 toInt16(double value)
{
    if (std::isnan(value))
        throw GameError(ErrorKind::Overflow);
    // The range test comes first so that nearbyint never sees a value it cannot hold;
    // -32768.5 and 32767.5 still round into the range (to even).
    if (value < -32768.5 || value > 32767.5)
        throw GameError(ErrorKind::Overflow);
    // The default rounding mode is to nearest, ties to even.
    return fitInt16(static_cast<int>(std::nearbyint(value)));
}

float intPart(float value)
{
    return std::floor(value);
}

double intPart(double value)
{
    return std::floor(value);
}

float checkedReal(float value)
{
    return checked(value);
}

double checkedReal(double value)
{
    return checked(value);
}

} // namespace tavola
