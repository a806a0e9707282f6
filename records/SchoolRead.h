#pragma once

#include "School.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace records {

// The school's best of a setting, read on a thread of its own from the
// moment the game starts: a hung share keeps that thread, never the game,
// which takes the computer's own record after a second.
class SchoolRead {
public:
    using Clock = std::chrono::steady_clock;
    // How long the game waits, from the start of the read.
    static constexpr std::chrono::milliseconds Patience{1000};

    SchoolRead() = default; // nothing to read: no school folder
    SchoolRead(const std::string& folder, const std::string& setting);
    bool reading() const { return bool(m_state); }
    // The best once read, waiting until Patience from the start at most;
    // nothing when none was published, or when the time came first (late()).
    std::optional<school::Best> best();
    bool late() const { return m_late; }

private:
    struct State;
    std::shared_ptr<State> m_state;
    Clock::time_point m_started;
    bool m_late = false;
};

} // namespace records
