#pragma once

#include "Journal.h"

#include <optional>
#include <string_view>

// What the game asks of the record writer, the small set-group-id program
// that saves the computer's record in the shared folder, and what it answers.
namespace records::writer {

// On standard input: the score (1 to 5 decimal digits) and the holder's name
// (at most MaxName bytes, no CR, LF or NUL), each ending in LF. Nothing at
// all asks only to finish a save that was cut short.
inline constexpr std::size_t MaxName = 4096;
inline constexpr std::size_t MaxInput = 5 + 1 + MaxName + 1;

struct Request {
    bool finishOnly = false;
    Pair lines; // as stored: each line ending in CR LF
    double score = 0;
};

// Nothing when the input is anything but the above.
std::optional<Request> parse(std::string_view input);

// The exit status. On an error the status is Failed plus the cause, and the
// one line on standard output names the file (empty for the folder).
enum Status { Written = 0, NotBetter = 1, Refused = 2, Failed = 10 };

// Carries the request out in the shared folder, under its lock: finishes a
// save cut short, then saves a strictly better score. Returns the status;
// on an error, failed names the file.
int carryOut(const Request& request, const std::string& folder, std::string& failed);

} // namespace records::writer
