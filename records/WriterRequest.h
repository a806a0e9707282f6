#pragma once

#include "Journal.h"
#include "ResultsLog.h"

#include <optional>
#include <string>
#include <string_view>

// What the game asks of the record writer, the small set-group-id program
// that saves the computer's record in the shared folder, and what it answers.
namespace records::writer {

// On standard input: the score (1 to 5 decimal digits) and the holder's name
// (at most MaxName bytes, no control character: bytes 0 to 31 and 127; bytes
// 128 to 159 are letters in the code page), each ending in LF.
// Or a contest for the class's results: the line "risultato", the name in
// UTF-8 under the same rules, then right, wrong and total answers (0 to
// 32767, the total their sum), the seconds played (0 to 300) and whether it
// set the record (0 or 1), each ending in LF. The writer stamps the time.
inline constexpr std::size_t MaxName = 4096;
inline constexpr std::size_t MaxInput = 10 + MaxName + 1 + 4 * 6 + 4 + 2;

struct Request {
    Pair lines; // as stored: each line ending in CR LF
    double score = 0;
    bool result = false; // a contest for the results log, not a record
    results::Entry entry;
};

// The exit status. On an error the status is Failed plus the cause, and
// standard output holds two lines: the file (empty for the folder) and the
// system's error number.
// NotKept: the shared folder keeps no results log.
enum Status { Written = 0, NotBetter = 1, Refused = 2, NameTooLong = 3, NotKept = 4, Failed = 10 };

// Nothing when the input is anything but the above; refusal then tells
// whether only the name was too long.
std::optional<Request> parse(std::string_view input, Status* refusal = nullptr);

struct Failure {
    std::string name;
    int error = 0;
};

// Carries the request out in the shared folder, under its lock: finishes a
// save cut short, then saves a strictly better score, or appends the contest
// to the results (refused when it claims a record the folder does not hold).
// Returns the status; nothing escapes, not even running out of memory.
int carryOut(const Request& request, const std::string& folder, Failure& failure);

// The administrator's reset: the record emptied, every file put back as the
// package makes it (RecordStore::reset). Written or Failed plus the cause.
int reset(const std::string& folder, Failure& failure);

} // namespace records::writer
