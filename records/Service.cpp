#include "Service.h"

#include "Accounts.h"
#include "Request.h"
#include "Transaction.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace records::service {

namespace {

using Clock = std::chrono::steady_clock;

struct Peer {
    int fd;
    uid_t uid;
    Clock::time_point deadline;
    std::string request;
};

enum class Read { Partial, Whole, Broken };

class Loop {
public:
    Loop(int listening, const Handler& handle, int requestWaitMs)
        : m_listening(listening), m_handle(handle), m_wait(requestWaitMs)
    {
    }
    ~Loop()
    {
        for (const Peer& p : m_peers)
            close(p.fd);
    }

    // False when the socket failed.
    bool acceptAll()
    {
        for (;;) {
            const int fd = accept4(m_listening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0)
                return errno == EAGAIN || errno == EINTR || errno == ECONNABORTED ||
                       errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM;
            ucred who{};
            socklen_t size = sizeof who;
            if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &who, &size) != 0 ||
                m_open[who.uid] >= PerAccount || int(m_peers.size()) >= Total) {
                close(fd);
                continue;
            }
            ++m_open[who.uid];
            m_peers.push_back({fd, who.uid, Clock::now() + std::chrono::milliseconds(m_wait), {}});
        }
    }

    // Reads what came, serves what is whole, drops what is late, in the
    // order the connections came.
    void serve(const std::vector<pollfd>& ready)
    {
        const auto now = Clock::now();
        std::vector<Peer> kept;
        for (std::size_t i = 0; i < m_peers.size(); ++i) {
            Peer& p = m_peers[i];
            // Those accepted since the poll are read at the next.
            const Read read =
                i + 1 < ready.size() && ready[i + 1].revents != 0 ? readFrom(p) : Read::Partial;
            if (read != Read::Partial || now >= p.deadline)
                finish(p, read == Read::Whole);
            else
                kept.push_back(std::move(p));
        }
        m_peers.swap(kept);
    }

    std::vector<pollfd> watched() const
    {
        std::vector<pollfd> fds{{m_listening, POLLIN, 0}};
        for (const Peer& p : m_peers)
            fds.push_back({p.fd, POLLIN, 0});
        return fds;
    }

    // Until the first deadline, or the quiet time left when none is open.
    int timeout(int quiet) const
    {
        if (m_peers.empty())
            return quiet;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            m_peers.front().deadline - Clock::now());
        return left.count() > 0 ? int(left.count()) + 1 : 0;
    }

    bool idle() const { return m_peers.empty(); }

private:
    static Read readFrom(Peer& p)
    {
        char buffer[1024];
        for (;;) {
            const ssize_t n = read(p.fd, buffer, sizeof buffer);
            if (n == 0)
                return Read::Whole; // the peer closed its side
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN)
                return Read::Partial;
            if (n < 0 || p.request.size() + std::size_t(n) > request::MaxRequest)
                return Read::Broken;
            p.request.append(buffer, std::size_t(n));
        }
    }

    // Served when whole; refused when late, too long or broken.
    void finish(Peer& p, bool whole)
    {
        std::string reply = request::refusal();
        if (whole) {
            std::string& name = m_names[p.uid];
            if (name.empty())
                name = accounts::peer(p.fd);
            reply = m_handle(p.request, p.uid, name);
        }
        // A few bytes on a socket nothing was sent on yet: they fit at once,
        // or the peer is gone.
        (void)!::send(p.fd, reply.data(), reply.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        close(p.fd);
        if (--m_open[p.uid] == 0)
            m_open.erase(p.uid);
    }

    const int m_listening;
    const Handler& m_handle;
    const int m_wait;
    std::vector<Peer> m_peers; // in the order they came, so their deadlines too
    std::map<uid_t, int> m_open;
    std::map<uid_t, std::string> m_names;
};

} // namespace

std::string answer(std::string_view input, const std::string& folder, uid_t uid,
                   const std::string& account, std::time_t now, bool teacher)
{
    if (input == request::start())
        return request::reply(transaction::start(folder, uid, now));
    request::Outcome notTeacher;
    notTeacher.status = request::NotTeacher;
    if (const auto text = request::settingsOf(input))
        return request::reply(teacher ? transaction::saveSettings(folder, *text) : notTeacher);
    if (const auto text = request::classOf(input))
        return request::reply(teacher ? transaction::saveClass(folder, *text) : notTeacher);
    request::Status refusal = request::Refused;
    std::optional<request::Contest> contest = request::parse(input, &refusal);
    if (!contest || !request::settle(*contest)) {
        request::Outcome refused;
        refused.status = refusal;
        return request::reply(refused);
    }
    return request::reply(transaction::end(*contest, folder, uid, account, now));
}

bool listening(int fd)
{
    int accepting = 0;
    socklen_t size = sizeof accepting;
    return getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &accepting, &size) == 0 && accepting;
}

int run(int listening, const Handler& handle, int requestWaitMs, int quietMs)
{
    // systemd hands the socket over blocking: accept must never wait.
    const int flags = fcntl(listening, F_GETFL);
    if (flags < 0 || fcntl(listening, F_SETFL, flags | O_NONBLOCK) != 0)
        return 1;
    Loop loop(listening, handle, requestWaitMs);
    auto lastHeard = Clock::now();
    for (;;) {
        const auto quiet =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastHeard).count();
        if (loop.idle() && quiet >= quietMs)
            return 0;
        std::vector<pollfd> fds = loop.watched();
        const int n = poll(fds.data(), fds.size(), loop.timeout(int(quietMs - quiet)));
        if (n < 0 && errno != EINTR)
            return 1;
        if (n > 0)
            lastHeard = Clock::now();
        if (n > 0 && (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)))
            return 1;
        if (n > 0 && (fds[0].revents & POLLIN) && !loop.acceptAll())
            return 1;
        loop.serve(fds);
    }
}

} // namespace records::service
