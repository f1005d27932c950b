// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/digitpattern.h"
#include "engine/game.h"

#include <array>
#include <string_view>

namespace tavola {

namespace {

using Sides = std::array<int16, 3>; // AB, AC, BC

enum class ReseedBeforeDraw { WithBase, WithZero, None };

struct PythagoreanKind {
    ReseedBeforeDraw reseed;
    float drawOffset;
    int16 factor; // 0: the triple as it is; 2 to 4: the triple scaled
    bool oddBase; // kind 3: the doubled primitive triple of an odd number
    std::string_view pattern;
    Length asked;
};

constexpr std::array<PythagoreanKind, 6> pythagoreanKinds{{
    {ReseedBeforeDraw::WithBase, 3, 0, false, "###", BC},
    {ReseedBeforeDraw::WithBase, 3, 0, false, "####", AC},
    {ReseedBeforeDraw::WithZero, 3, 0, true, "####", AC},
    {ReseedBeforeDraw::None, 1, 2, false, "####", AC},
    {ReseedBeforeDraw::None, 1, 3, false, "####", AB},
    {ReseedBeforeDraw::None, 1, 4, false, "####", BC},
}};

constexpr std::array<std::string_view, 3> sideNames{"Cateto AB", "Cateto AC", "Ipotenusa BC"};

// (2n, n² − 1, n² + 1)
Sides familySides(int16 n)
{
    const int16 ab = mul16(n, 2);
    const int16 ac = sub16(mul16(n, n), 1);
    const int16 bc = add16(mul16(n, n), 1);
    return {ab, ac, bc};
}

Sides scaledFamilySides(int16 n, int16 factor)
{
    const int16 ab = mul16(mul16(n, 2), factor);
    const int16 ac = mul16(sub16(mul16(n, n), 1), factor);
    const int16 bc = mul16(add16(mul16(n, n), 1), factor);
    return {ab, ac, bc};
}

// Halving a² ∓ 1 goes through a double and back; a is odd, so the quotient is whole.
int16 halved(int16 even)
{
    return toInt16(checkedReal(double(even) / 2.0));
}

Sides doubledOddSides(int16 k)
{
    const int16 a = add16(mul16(k, 2), 1);
    const int16 lowHalf = halved(sub16(mul16(a, a), 1));
    const int16 highHalf = halved(add16(mul16(a, a), 1));
    return {mul16(a, 2), mul16(2, lowHalf), mul16(2, highHalf)};
}

Sides sidesOf(const PythagoreanKind &kind, int16 base)
{
    if (kind.oddBase)
        return doubledOddSides(base);
    if (kind.factor != 0)
        return scaledFamilySides(base, kind.factor);
    return familySides(base);
}

} // namespace

void Game::posePythagorean(int16 kindNumber)
{
    const PythagoreanKind &kind = pythagoreanKinds.at(kindNumber - 1);
    if (kind.reseed == ReseedBeforeDraw::WithBase)
        m_random.reseed(m_state.baseN);
    else if (kind.reseed == ReseedBeforeDraw::WithZero)
        m_random.reseed(0);
    int16 base = drawWhole(5, kind.drawOffset);
    // Kind 3 draws into a temporary: baseN keeps the previous problem's value.
    if (!kind.oddBase) {
        // The scaled kinds draw from 1, which would give a side of length 0: it becomes 3.
        m_state.baseN = kind.factor != 0 && base == 1 ? 3 : base;
        base = m_state.baseN;
    }
    const Sides sides = sidesOf(kind, base);

    for (Length side : {AB, AC, BC})
        m_model.valueLabel(side).caption = formatWithPattern(sides[side], kind.pattern);
    for (Length side : {AB, AC, BC})
        m_model.valueLabel(side).visible = side != kind.asked;
    m_state.expectedAnswer = float(sides[kind.asked]);
    m_model[Label5].color = colors::magenta;
    m_model[Label5].caption = sideNames[kind.asked];
    m_model.asked = kind.asked;
}

} // namespace tavola
