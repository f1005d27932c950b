// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

// Seconds a loop of `iterations` calls of step(i) takes on the steady clock.
template<typename Step>
double secondsFor(long iterations, Step step)
{
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < iterations; ++i)
        step(i);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}
