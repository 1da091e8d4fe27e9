// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <random>

// What the window needs from the platform besides its controls: the random numbers
// and the message box. Tests replace them with scripted ones.
struct Services
{
    std::function<void()> Randomize;            // seed from the clock, once
    std::function<float()> Rnd;                 // 0 <= u < 1, never 1
    std::function<void(const QString&)> MsgBox; // modal, OK only, no icon, app title
    static Services platform();                 // the real ones
};

// The program's one random-number generator. Values are built from the top 24 bits of
// a 32-bit draw, so they are exact floats in [0, 1) and never round up to 1.
class RandomSource
{
public:
    void seed(std::uint64_t value);
    void seedFromClock();
    float next();

    static float fromBits(std::uint32_t word);

private:
    std::mt19937 engine_;
};
