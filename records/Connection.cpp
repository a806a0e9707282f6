#include "Connection.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace records::connection {

int msLeft(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

namespace {

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

} // namespace records::connection
