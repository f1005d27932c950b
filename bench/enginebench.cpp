// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Poses and judges problems in a loop with the game's own random source and clock, and
// sets the rate against a baseline measured in the same run: showing and reading the same
// numbers the plain C way (printf-style formatting of six lengths, strtof of one answer).
#include "looptiming.h"

#include "engine/game.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

template<typename Step>
double ratePerSecond(long iterations, Step step)
{
    return iterations / secondsFor(iterations, step);
}

volatile float sink;

} // namespace

int main(int argc, char **argv)
{
    const long iterations = argc > 1 ? std::atol(argv[1]) : 2'000'000;

    tavola::SplitMixRandom random = tavola::SplitMixRandom::fromEntropy();
    tavola::SystemTimeSource clock;
    tavola::Game game(random, clock);
    game.load();

    // A whole and a decimal answer in turn, so that both readings and both verdict texts
    // are costed; reload now and then so that the counts stay far from their limit.
    const double gameRate = ratePerSecond(iterations, [&](long i) {
        if (i % 30000 == 0)
            game.load();
        game.poseProblem();
        game.answerKeyPress('\r', (i & 1) ? "10" : "1,96");
    });

    const double baselineRate = ratePerSecond(iterations, [&](long i) {
        char buffer[32];
        float total = 0;
        for (int length = 0; length < 6; ++length) {
            std::snprintf(buffer, sizeof buffer, "%.2f", (i % 375) * 0.01 + length);
            total += buffer[0];
        }
        std::snprintf(buffer, sizeof buffer, "%ld", i % 1000);
        total += std::strtof(buffer, nullptr);
        sink = total;
    });

    std::printf(
        "problems posed and judged: %.0f per second (%ld in the loop)\n", gameRate, iterations);
    std::printf("baseline (six lengths printed, one answer read): %.0f per second\n", baselineRate);
    std::printf("ratio game / baseline: %.2f\n", gameRate / baselineRate);
    std::printf("target 1000000 per second: %s\n", gameRate >= 1e6 ? "met" : "NOT met");
    return 0;
}
