#pragma once

#include <chrono>
#include <string>

// What both ends of a connection to the record service do, in plain POSIX:
// send every byte, and read until the other side closes, within a time.
namespace records::connection {

using Clock = std::chrono::steady_clock;

// How long the service waits for a whole request before it gives up on the
// caller, holding nothing.
inline constexpr int RequestWaitMs = 2000;

// What the peer sends until it closes its side, at most limit bytes, within
// waitMs; false when it sends more, or not in time.
bool receive(int fd, std::size_t limit, int waitMs, std::string& text);
// Every byte, or false.
bool send(int fd, const std::string& text, int waitMs);
// The milliseconds left until the deadline, 0 once it passed.
int msLeft(Clock::time_point deadline);

} // namespace records::connection
