#pragma once

#include <string>

// The game's end of a connection to the record service.
namespace records::connection {

// How long the game waits for the service's answer.
inline constexpr int AnswerWaitMs = 15000;

// The service's answer to the request, or 0 with the answer in reply; else
// NoServiceError when nothing listens at path, NoAnswerError when no whole
// answer came within waitMs, or the system's error.
int ask(const std::string& path, const std::string& request, int waitMs, std::string& reply);

} // namespace records::connection
