// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace tavola {

// Where the game's chance comes from. Tests script it; the game uses SplitMixRandom.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A value r with 0 <= r < 1.
    virtual float next() = 0;
    // Stirs a number into the generator's state.
    virtual void reseed(double value) = 0;
};

// r carries 24 random bits, every float of the form i / 2^24. A reseed mixes the value
// into the current state and never replaces it: the set-up reseeds with the clock, then
// with the previous kind and base, and a replacing reseed would let those small numbers
// wipe out the clock, so that every game opened with the same problem.
class SplitMixRandom final : public RandomSource
{
public:
    explicit SplitMixRandom(std::uint64_t initialState);
    // Started from the system's entropy source, as the game does.
    static SplitMixRandom fromEntropy();

    float next() override;
    void reseed(double value) override;

private:
    std::uint64_t m_state;
};

} // namespace tavola
