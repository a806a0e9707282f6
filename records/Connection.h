#pragma once

#include <string>
#include <sys/types.h>

// Both ends of a connection to the record service, in plain POSIX: the game
// asks, the service reads the request and answers.
namespace records::connection {

// How long the game waits for the service's answer, and how long the service
// waits for a whole request before it gives up on the caller, holding nothing.
inline constexpr int AnswerWaitMs = 15000;
inline constexpr int RequestWaitMs = 2000;

// The service's answer to the request, or 0 with the answer in reply; else
// NoServiceError when nothing listens at path, NoAnswerError when no whole
// answer came within waitMs, or the system's error.
int ask(const std::string& path, const std::string& request, int waitMs, std::string& reply);

// What the peer sends until it closes its side, at most limit bytes, within
// waitMs; false when it sends more, or not in time.
bool receive(int fd, std::size_t limit, int waitMs, std::string& text);
// Every byte, or false.
bool send(int fd, const std::string& text, int waitMs);

// The login name of the account at the other end of a local socket, from
// the kernel's credentials; of the process itself when fd is no socket (the
// program run by hand, with no more rights than whoever runs it).
std::string peerAccount(int fd);
// The number of that account.
uid_t peerUid(int fd);
// The login name of this process's account; its number when it has none.
std::string ownAccount();

} // namespace records::connection
