#pragma once

#include <QString>
#include <cstdint>

// The whole state of a contest, held by the game for as long as its window is
// loaded. Counters and clock fields are 16-bit, as the game has always kept them.
struct ContestState {
    std::int16_t expectedAnswer = 0;
    std::int16_t correctCount = 0;
    std::int16_t wrongCount = 0;
    std::int16_t clockHours = 0;
    std::int16_t clockMinutes = 0;
    float clockSeconds = 0.0f; // whole values only
    QString recordDir;         // ends in one separator
    std::int16_t tintFactor = 0;
    QString playerName;
    QString tableLimitText;
};
