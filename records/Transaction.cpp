#include "Transaction.h"

#include "LeadingNumber.h"
#include "NameFile.h"
#include "ResultsLog.h"
#include "Settings.h"
#include "StoreFiles.h"
#include "SysCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>

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

// The store of a setting's own record, below the folder; made when missing
// (in the shared folder by the service, whose folder it is).
std::string recordFolder(const std::string& folder, const Contest& contest, RecordStore::Mode mode)
{
    const std::string sub = settings::recordFolder(contest.upTo, contest.minutes);
    if (sub.empty())
        return folder;
    const std::string path = folder + '/' + sub;
    if (mode == RecordStore::Mode::Account)
        RecordStore::makeFolders(path);
    else if (sys::mkdirat(AT_FDCWD, path.c_str(), 0755) != 0 && errno != EEXIST)
        throw StoreError(sub, errno);
    return path;
}

// Saves the score as the record when it beats the one stored now.
bool saveRecord(RecordStore& store, const Contest& contest, const std::string& account, bool shared,
                bool verified, bool& beats)
{
    store.recover();
    beats = contest.candidate && contest.right > numbers::leadingNumber(store.read(false).score);
    if (!beats || !verified)
        return false;
    const std::string score = std::to_string(contest.right) + "\r\n";
    const std::string holder = contest.holder + "\r\n";
    store.save({score, holder,
                names::text(score, holder, contest.name, shared ? account : std::string())});
    return true;
}

// The end of a contest in a store already locked: the record (its setting's
// own, under that folder's lock too; practice has none), then the line in the
// folder's one log. The record keeps the account that set it in the shared
// folder, where many play.
void carryOutLocked(RecordStore& store, const std::string& folder, RecordStore::Mode mode,
                    const Contest& contest, const std::string& account, std::time_t now,
                    bool verified, Outcome& outcome)
{
    const bool shared = mode == RecordStore::Mode::Shared;
    bool beats = false;
    if (!contest.practice) {
        const std::string own = recordFolder(folder, contest, mode);
        if (own == folder) {
            outcome.recorded = saveRecord(store, contest, account, shared, verified, beats);
        } else {
            store.recover();
            RecordStore setting(own, mode);
            setting.lock();
            outcome.recorded = saveRecord(setting, contest, account, shared, verified, beats);
            setting.close();
        }
    } else {
        store.recover();
    }
    results::Entry entry{results::timestamp(now), contest.name,     contest.right, contest.wrong,
                         contest.seconds,         outcome.recorded, account,       verified};
    entry.upTo = contest.upTo;
    entry.minutes = contest.minutes;
    entry.practice = contest.practice;
    entry.misses = contest.misses;
    entry.crossed = contest.crossed;
    const bool kept = store.appendResult(results::line(entry));
    outcome.status = beats && !verified ? Unverified : kept ? Written : NotKept;
}

} // namespace

Outcome carryOut(const Contest& contest, const std::string& folder, RecordStore::Mode mode,
                 const std::string& account, std::time_t now, bool verified)
{
    Outcome outcome;
    return locked(folder, mode, outcome, [&](RecordStore& store) {
        carryOutLocked(store, folder, mode, contest, account, now, verified, outcome);
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
            carryOutLocked(store, folder, RecordStore::Mode::Shared, contest, account, now,
                           verdict == Ledger::Verdict::Verified, outcome);
        }
    });
}

int reset(const std::string& folder, const std::string& only, Failure& failure, gid_t readers)
{
    Outcome outcome;
    guarded(outcome, [&] {
        const auto resetOne = [&](const std::string& path, const std::string& name) {
            failure.name = name;
            RecordStore store(path, RecordStore::Mode::Shared);
            store.reset(readers);
            store.close();
        };
        const settings::Settings defaults;
        for (int upTo : settings::Ranges) {
            for (int minutes : settings::Lengths) {
                const std::string name = settings::recordName(upTo, minutes);
                const std::string sub = settings::recordFolder(upTo, minutes);
                if (!only.empty() && only != name)
                    continue;
                struct stat st {};
                if (sub.empty())
                    resetOne(folder, "");
                else if (lstat((folder + '/' + sub).c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                    resetOne(folder + '/' + sub, sub + '/');
            }
        }
        failure.name.clear();
    });
    if (outcome.status != Written)
        failure = {failure.name + outcome.failure.name, outcome.failure.error};
    return outcome.status;
}

namespace {

// A teacher's small file, whole or not at all, readable by every account:
// written under the scratch name, synced and renamed into place.
Outcome saveWhole(const std::string& folder, const char* Scratch, const char* name,
                  std::string_view text)
{
    Outcome outcome;
    return guarded(outcome, [&] {
        using files::Fd;
        const Fd dir(sys::openat(AT_FDCWD, folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
        if (dir.get() < 0)
            throw StoreError("", errno);
        // A scratch file left by a save cut short is nobody's.
        if (sys::unlinkat(dir.get(), Scratch, 0) != 0 && errno != ENOENT)
            throw StoreError(Scratch, errno);
        const Fd file(sys::openat(dir.get(), Scratch,
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (file.get() < 0)
            throw StoreError(Scratch, errno);
        if (sys::writeAll(file.get(), text.data(), text.size()) != 0 ||
            sys::fchmod(file.get(), 0644) != 0 || sys::fsync(file.get()) != 0)
            throw StoreError(Scratch, errno);
        if (sys::renameat(dir.get(), Scratch, name) != 0)
            throw StoreError(name, errno);
        if (sys::fsync(dir.get()) != 0)
            throw StoreError("", errno);
    });
}

} // namespace

Outcome saveSettings(const std::string& folder, std::string_view text)
{
    if (!settings::parse(text).problems.empty()) {
        Outcome outcome;
        outcome.status = BadSettings;
        return outcome;
    }
    return saveWhole(folder, "impostazioni.tmp", settings::FileName, text);
}

Outcome saveClass(const std::string& folder, std::string_view text)
{
    if (!settings::classList(text)) {
        Outcome outcome;
        outcome.status = BadSettings;
        return outcome;
    }
    return saveWhole(folder, "classe.tmp", settings::ClassFile, text);
}

bool named(const std::string& name)
{
    for (int upTo : settings::Ranges) {
        for (int minutes : settings::Lengths) {
            if (name == settings::recordName(upTo, minutes))
                return true;
        }
    }
    return false;
}

} // namespace records::transaction
