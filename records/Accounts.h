#pragma once

#include <string>
#include <sys/types.h>

// Who is at the other end of a connection, as the kernel tells the service,
// and who this process is, as the game signs its own results.
namespace records::accounts {

// The login name of the account at the other end of a local socket, from
// the kernel's credentials; of the process itself when fd is no socket (the
// program run by hand, with no more rights than whoever runs it).
std::string peer(int fd);
// The number of that account.
uid_t peerUid(int fd);
// The login name of this process's account; its number when it has none.
std::string own();
// Whether the account uid may change the teachers' settings: root, or a
// member of the group, as the system's account database says now.
bool teacher(uid_t uid, const char* group);

} // namespace records::accounts
