#pragma once

#include "RecordStore.h"
#include "Request.h"

#include <ctime>
#include <string>
#include <sys/types.h>

// The end of a contest on disk: the record, when the contest beat it, and
// the contest's line in the class's results, under the folder's lock. The
// game does it in an account's own folder; in the computer's shared folder
// the record service does it for the game. Nothing escapes, not even running
// out of memory: every failure is in the outcome.
namespace records::transaction {

using request::Contest;
using request::Failure;
using request::Outcome;

// Finishes a save cut short, saves the score as the new record when it is a
// candidate, verified, and strictly better than the one stored now, then
// appends the contest's line, stamped now and signed by account.
Outcome carryOut(const Contest& contest, const std::string& folder, RecordStore::Mode mode,
                 const std::string& account, std::time_t now, bool verified = true);

// The shared folder's, for the account uid. A start is noted in the ledger;
// an end is held against it (Ledger::end), closes the contest, and is carried
// out, its record verified only when the ledger saw the start.
Outcome start(const std::string& folder, uid_t uid, std::time_t now);
Outcome end(const Contest& contest, const std::string& folder, uid_t uid,
            const std::string& account, std::time_t now);

// The administrator's reset: the record emptied, every file put back as the
// package makes it (RecordStore::reset), for every setting whose record the
// folder holds, or only the one named (settings::recordName). Written or
// Failed plus the cause.
// The results log goes to the readers' group (RecordStore::reset).
int reset(const std::string& folder, const std::string& only, Failure& failure,
          gid_t readers = gid_t(-1));
// The teachers' settings, in the folder's settings file: written whole
// under a scratch name, synced, then renamed into place, readable by all.
// Written, BadSettings when the text does not parse whole, or Failed plus
// the cause.
Outcome saveSettings(const std::string& folder, std::string_view text);
// The class list, the same way; BadSettings when it is not UTF-8 text.
Outcome saveClass(const std::string& folder, std::string_view text);

// Whether the name is a setting's record's (settings::recordName).
bool named(const std::string& name);

} // namespace records::transaction
