#include "Accounts.h"

#include <algorithm>
#include <grp.h>
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

bool teacher(uid_t uid, const char* group)
{
    if (uid == 0)
        return true;
    std::vector<char> buffer(16384);
    ::group entry{};
    ::group* found = nullptr;
    if (getgrnam_r(group, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    const gid_t teachers = found->gr_gid;
    passwd account{};
    passwd* who = nullptr;
    std::vector<char> own(16384);
    if (getpwuid_r(uid, &account, own.data(), own.size(), &who) != 0 || !who)
        return false;
    int count = 64;
    std::vector<gid_t> groups(std::size_t(count), 0);
    if (getgrouplist(who->pw_name, who->pw_gid, groups.data(), &count) < 0) {
        groups.resize(std::size_t(count));
        if (getgrouplist(who->pw_name, who->pw_gid, groups.data(), &count) < 0)
            return false;
    }
    groups.resize(std::size_t(count));
    return std::find(groups.begin(), groups.end(), teachers) != groups.end();
}

} // namespace records::accounts
