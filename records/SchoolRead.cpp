#include "SchoolRead.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace records {

struct SchoolRead::State {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::optional<school::Best> best;
};

SchoolRead::SchoolRead(const std::string& folder, const std::string& setting)
    : m_state(std::make_shared<State>()), m_started(Clock::now())
{
    // Detached: the program may end with it still blocked on the share.
    std::thread([state = m_state, folder, setting] {
        std::optional<school::Best> best = school::best(folder, setting);
        const std::lock_guard lock(state->mutex);
        state->best = std::move(best);
        state->finished = true;
        state->done.notify_all();
    }).detach();
}

std::optional<school::Best> SchoolRead::best()
{
    if (!m_state)
        return {};
    std::unique_lock lock(m_state->mutex);
    m_late =
        !m_state->done.wait_until(lock, m_started + Patience, [this] { return m_state->finished; });
    return m_late ? std::nullopt : m_state->best;
}

} // namespace records
