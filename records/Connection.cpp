#include "Connection.h"

#include "RecordStore.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace records::connection {

namespace {

using Clock = std::chrono::steady_clock;

int msLeft(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Waits for the event; false at the deadline.
bool await(int fd, short event, Clock::time_point deadline)
{
    for (;;) {
        pollfd p{fd, event, 0};
        const int n = poll(&p, 1, msLeft(deadline));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

class Socket {
public:
    Socket() : fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Socket()
    {
        if (fd >= 0)
            close(fd);
    }
    const int fd;
};

} // namespace

bool receive(int fd, std::size_t limit, int waitMs, std::string& text)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    char buffer[1024];
    for (;;) {
        if (!await(fd, POLLIN, deadline))
            return false;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0 || text.size() + std::size_t(n) > limit)
            return false;
        text.append(buffer, std::size_t(n));
    }
}

bool send(int fd, const std::string& text, int waitMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    for (std::size_t done = 0; done < text.size();) {
        if (!await(fd, POLLOUT, deadline))
            return false;
        const ssize_t n = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

int ask(const std::string& path, const std::string& request, int waitMs, std::string& reply)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return ENAMETOOLONG;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const Socket s;
    if (s.fd < 0)
        return errno;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    // A full backlog answers EAGAIN at once: the service is busy, not gone.
    while (connect(s.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno == ENOENT || errno == ECONNREFUSED)
            return NoServiceError;
        if (errno != EAGAIN && errno != EINTR)
            return errno;
        if (msLeft(deadline) == 0)
            return NoAnswerError;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!send(s.fd, request, msLeft(deadline)))
        return NoAnswerError; // the service went away or stopped reading
    shutdown(s.fd, SHUT_WR);
    reply.clear();
    if (!receive(s.fd, 4096, msLeft(deadline), reply) || reply.empty())
        return NoAnswerError;
    return 0;
}

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

std::string peerAccount(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        return accountName(credentials.uid);
    return ownAccount();
}

uid_t peerUid(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0)
        return credentials.uid;
    return getuid();
}

std::string ownAccount()
{
    return accountName(getuid());
}

} // namespace records::connection
