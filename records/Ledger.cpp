#include "Ledger.h"

#include <cstdio>
#include <sstream>

namespace records {

namespace {

long dayOf(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    return (local.tm_year + 1900L) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

} // namespace

Ledger::Ledger(std::string_view text)
{
    std::istringstream in{std::string(text)};
    unsigned long uid = 0;
    long long started = 0;
    long day = 0;
    int ended = 0;
    while (in >> uid >> started >> day >> ended) {
        if (started >= 0 && ended >= 0)
            m_accounts[uid_t(uid)] = {std::time_t(started), day, ended};
    }
}

std::string Ledger::text() const
{
    std::string out;
    for (const auto& [uid, a] : m_accounts) {
        char line[96];
        std::snprintf(line, sizeof line, "%lu %lld %ld %d\n", static_cast<unsigned long>(uid),
                      static_cast<long long>(a.started), a.day, a.ended);
        out += line;
    }
    return out;
}

void Ledger::start(uid_t account, std::time_t now)
{
    m_accounts[account].started = now;
}

Ledger::Verdict Ledger::end(uid_t account, int seconds, std::time_t now)
{
    Account& a = m_accounts[account];
    const long today = dayOf(now);
    if (a.day != today)
        a = {a.started, today, 0};
    if (a.ended >= DailyContests)
        return Verdict::DailyLimit;
    const bool seen = a.started != 0 && a.started <= now;
    if (seen && now - a.started + SlackSeconds < seconds)
        return Verdict::TooSoon;
    a.started = 0;
    ++a.ended;
    return seen ? Verdict::Verified : Verdict::Unverified;
}

} // namespace records
