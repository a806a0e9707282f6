#include "Accounts.h"

#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace records::accounts {

namespace {

std::string accountName(uid_t uid)
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(uid); // an account the system cannot name
}

} // namespace

std::string peer(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        return accountName(credentials.uid);
    return own();
}

uid_t peerUid(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        return credentials.uid;
    return getuid();
}

std::string own()
{
    return accountName(getuid());
}

} // namespace records::accounts
