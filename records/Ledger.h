#pragma once

#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <sys/types.h>

// What the record service knows of each account's contests: when its open
// contest started, and how many contests it ended today. Kept beside the
// record (corvalesta.gare, the service's alone), so that a restart of the
// service forgets no contest under way.
namespace records {

class Ledger {
public:
    static constexpr char Name[] = "corvalesta.gare";
    // Far more than a class plays on one account in a school day (a contest
    // every two minutes for ten hours), far fewer than a flood.
    static constexpr int DailyContests = 300;
    // The game's clock runs no faster than the service's; a second of slack
    // for the rounding of both.
    static constexpr int SlackSeconds = 1;

    enum class Verdict {
        Verified,   // played since a start this service saw
        Unverified, // no start seen: counted, but it cannot set the record
        TooSoon,    // it claims more seconds than have passed since its start
        DailyLimit  // the account ended DailyContests contests today already
    };

    // The ledger's own text; anything else reads as an empty ledger.
    explicit Ledger(std::string_view text = {});
    std::string text() const;

    // A contest starts: the account's open one, if any, is given up.
    void start(uid_t account, std::time_t now);
    // A contest ends after seconds played: the verdict, and when it is not a
    // refusal the contest is closed and counted for the day.
    Verdict end(uid_t account, int seconds, std::time_t now);

private:
    struct Account {
        std::time_t started = 0; // 0: no contest open
        long day = 0;            // the local date, as 20261209
        int ended = 0;           // contests ended that day
    };
    std::map<uid_t, Account> m_accounts;
};

} // namespace records
