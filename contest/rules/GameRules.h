#pragma once

#include <cstddef>

// The rules of a contest that the game, its clock and the record service all
// keep, in plain C++ so that the service needs no Qt.
namespace rules {

// A contest lasts five minutes.
inline constexpr int ContestSeconds = 300;
// The longest name, in characters: the holder file takes one byte a
// character, the results line up to four, so both always take it.
inline constexpr std::size_t MaxNameChars = 60;

// A character no name may hold: it would break a file's one line.
constexpr bool isControl(unsigned code)
{
    return code < 32 || code == 127;
}

} // namespace rules
