// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/randomsource.h"

#include <bit>
#include <random>

namespace tavola {

namespace {

constexpr std::uint64_t goldenGamma = 0x9E3779B97F4A7C15ull;

std::uint64_t mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

SplitMixRandom::SplitMixRandom(std::uint64_t initialState)
    : m_state(initialState)
{
}

SplitMixRandom SplitMixRandom::fromEntropy()
{
    std::random_device device;
    const std::uint64_t high = device();
    return SplitMixRandom((high << 32) ^ device());
}

float SplitMixRandom::next()
{
    m_state += goldenGamma;
    return float(mix64(m_state) >> 40) * 0x1p-24f;
}

void SplitMixRandom::reseed(double value)
{
    // 0.0 and -0.0 are the same number and must stir the same way.
    const double normalised = value == 0.0 ? 0.0 : value;
    m_state = mix64(m_state ^ mix64(std::bit_cast<std::uint64_t>(normalised) + goldenGamma));
}

} // namespace tavola
