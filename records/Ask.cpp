#include "Ask.h"

#include "Cause.h"
#include "Connection.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace records::connection {

namespace {

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

} // namespace records::connection
