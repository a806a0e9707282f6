#pragma once

#include <string>

// Why the record, its folder or the record service could not be used: the
// system's error number, or one of the program's own; its cause; and the
// reason the child or the administrator is told. Plain C++, for both the
// game and the service.
namespace records {

// Not system error numbers: a record file that is not a regular file, and
// one that shares its data with another name (a hard link).
inline constexpr int NotRegularError = 1 << 16;
inline constexpr int LinkedError = (1 << 16) + 1;
// Nor these: nothing listens where the record service should, and it gave
// no answer in time.
inline constexpr int NoServiceError = (1 << 16) + 2;
inline constexpr int NoAnswerError = (1 << 16) + 3;

// Why a record file or folder could not be used, as the player is told.
// New causes go at the end: the service's statuses count them.
enum class Cause {
    DiskFull,
    NoPermission,
    ReadOnly,
    DiskError,
    Busy,
    NotRegular,
    Other,
    Missing,
    TooManyFiles,
    OutOfMemory,
    Linked,
    NoService,
    NoAnswer
};
Cause causeOf(int error);

// Why a record file or folder could not be used, in Italian (UTF-8), as the
// game's message box and the administrator's reset both say it; the game
// translates it in the context "records".
std::string reasonFor(Cause cause, int error, bool folder);
// Why the service refused a contest (request::Status), in Italian as well:
// DailyLimit's %1 is Ledger::DailyContests, an unknown status's its number.
const char* refusalFor(int status);

} // namespace records
