// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

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
    // The same box over the window that shows it, and what follows the box: `then` runs once
    // the learner has dismissed it. Where the platform can wait (the desktop), that is before
    // the call returns; a browser tab cannot, so there the call returns with the box open,
    // nothing reaches the window while it is up, and `then` runs when it closes. Services
    // without it stand for a box that waits: the window calls MsgBox, then `then`.
    std::function<void(QWidget* owner, const QString& text, std::function<void()> then)> MsgBoxThen;
    static Services platform(); // the real ones
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
