#include "Transaction.h"

#include "LeadingNumber.h"
#include "NameFile.h"
#include "ResultsLog.h"

#include <cerrno>
#include <new>

namespace records::transaction {

using namespace request;

namespace {

// Runs work on the folder; every failure becomes Failed plus its cause.
template <typename Work> Outcome guarded(Outcome& outcome, Work work)
{
    try {
        work();
        return outcome;
    } catch (const StoreError& error) {
        outcome.failure = {error.name, error.error};
    } catch (const std::bad_alloc&) {
        outcome.failure = {"", ENOMEM};
    } catch (...) {
        outcome.failure = {"", 0};
    }
    outcome.status = failed(outcome.failure).status;
    return outcome;
}

// Runs work on the folder's store, under its lock; every failure becomes
// Failed plus its cause.
template <typename Work>
Outcome locked(const std::string& folder, RecordStore::Mode mode, Outcome& outcome, Work work)
{
    return guarded(outcome, [&] {
        RecordStore store(folder, mode);
        store.lock();
        work(store);
        store.close();
    });
}

// The end of a contest in a store already locked.
// The record keeps the account that set it in the shared folder, where many
// play.
void carryOutLocked(RecordStore& store, const Contest& contest, const std::string& account,
                    bool shared, std::time_t now, bool verified, Outcome& outcome)
{
    store.recover();
    const bool beats =
        contest.candidate && contest.right > numbers::leadingNumber(store.read(false).score);
    if (beats && verified) {
        const std::string score = std::to_string(contest.right) + "\r\n";
        const std::string holder = contest.holder + "\r\n";
        store.save({score, holder,
                    names::text(score, holder, contest.name, shared ? account : std::string())});
        outcome.recorded = true;
    }
    const results::Entry entry{
        results::timestamp(now), contest.name,     contest.right, contest.wrong,
        contest.seconds,         outcome.recorded, account,       verified};
    const bool kept = store.appendResult(results::line(entry));
    outcome.status = beats && !verified ? Unverified : kept ? Written : NotKept;
}

} // namespace

Outcome carryOut(const Contest& contest, const std::string& folder, RecordStore::Mode mode,
                 const std::string& account, std::time_t now, bool verified)
{
    Outcome outcome;
    return locked(folder, mode, outcome, [&](RecordStore& store) {
        carryOutLocked(store, contest, account, mode == RecordStore::Mode::Shared, now, verified,
                       outcome);
    });
}

Outcome start(const std::string& folder, uid_t uid, std::time_t now)
{
    Outcome outcome;
    return locked(folder, RecordStore::Mode::Shared, outcome, [&](RecordStore& store) {
        Ledger ledger = store.ledger();
        ledger.start(uid, now);
        store.keep(ledger);
    });
}

Outcome end(const Contest& contest, const std::string& folder, uid_t uid,
            const std::string& account, std::time_t now)
{
    Outcome outcome;
    return locked(folder, RecordStore::Mode::Shared, outcome, [&](RecordStore& store) {
        Ledger ledger = store.ledger();
        const Ledger::Verdict verdict = ledger.end(uid, contest.seconds, now);
        if (verdict == Ledger::Verdict::TooSoon) {
            outcome.status = TooSoon;
        } else if (verdict == Ledger::Verdict::DailyLimit) {
            outcome.status = DailyLimit;
        } else {
            // The contest closed first: a forger cannot end it twice.
            store.keep(ledger);
            carryOutLocked(store, contest, account, true, now, verdict == Ledger::Verdict::Verified,
                           outcome);
        }
    });
}

int reset(const std::string& folder, Failure& failure)
{
    Outcome outcome;
    guarded(outcome, [&] {
        RecordStore store(folder, RecordStore::Mode::Shared);
        store.reset();
        store.close();
    });
    failure = outcome.failure;
    return outcome.status;
}

} // namespace records::transaction
