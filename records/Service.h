#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The record service's own loop, in plain POSIX: one process for every
// account, serving the connections of a listening socket that systemd made.
namespace records::service {

// At most this many connections of one account are open at once; the rest
// are closed as they come, so that no account can take another's turn.
inline constexpr int PerAccount = 2;
// And of all accounts: far fewer than the descriptors a service may hold.
inline constexpr int Total = 512;
// A quiet while after which the service ends; the socket starts it again.
inline constexpr int QuietMs = 120000;

// The reply to one whole request from the account uid, named account.
using Handler =
    std::function<std::string(std::string_view request, uid_t uid, const std::string& account)>;

// Accepts and serves until quietMs pass with no connection open. Each
// connection's request is read within requestWaitMs of its arrival, and
// whole requests are carried out in the order they became whole. Returns
// the exit status: 0, or 1 when the socket itself failed.
int run(int listening, const Handler& handle, int requestWaitMs, int quietMs = QuietMs);

// The service's whole work on one request from the account uid, in the
// shared folder: a start is noted; an end is checked (request::parse and
// settle) and then held against the ledger and carried out
// (transaction::end). The reply to send back.
// A request to save the settings is carried out for a teacher only
// (accounts::teacher), and refused for any other account.
std::string answer(std::string_view input, const std::string& folder, uid_t uid,
                   const std::string& account, std::time_t now, bool teacher = false);

// Whether fd is a socket that listens.
bool listening(int fd);

} // namespace records::service
