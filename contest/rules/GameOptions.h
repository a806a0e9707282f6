#pragma once

#include "Settings.h"

#include <optional>

// What the command line or a test chooses for a game; given to the contest,
// which hands the window its part.
struct GameOptions {
    // The clock's second, in milliseconds: shorter only when the end-to-end
    // tests play a five-minute contest faster.
    int tickMs = 1000;
    // The touch keypad beside the scene; unset: whenever Qt lists a touch screen.
    std::optional<bool> keypad;
    // The smallest key a finger hits, in pixels; unset: from the screen's size.
    std::optional<int> minimumKeySide;
    // The teacher's settings in force.
    settings::Settings game = {};
    // The class list the name prompt offers; none: the prompt takes typing only.
    std::vector<std::string> names = {};
    // The school's folder on its share, the administrator's; empty: this
    // computer's record alone.
    std::string school = {};
};
