#pragma once

#include "GameRules.h"
#include "ResultsLog.h"

#include <optional>
#include <string>
#include <string_view>

// What the game and the record service say to each other on the socket: the
// requests, their checks and the reply. Plain C++, for both ends.
namespace records::request {

// One contest, as the request to end it carries it. Each field ends in LF:
//   corvalesta fine 1
//   right, wrong answers and seconds played (plain digits, as many answers
//   as could be played in that time: results::playable)
//   1 when the score beat the record the game showed at its start, else 0
//   the name in the holder file's code page (no byte 0 to 31 nor 127)
//   the same name in UTF-8 (results::plainName)
// Each name at most rules::MaxNameChars characters. A contest of any other
// setting than the default says so: the marker is "corvalesta fine 2", and
// three fields follow the names: the highest answer, the minutes and the
// kind of play ("gara" or "allenamento"), as a settings file writes them.
// Today's game says more, whatever the setting: its marker is
// "corvalesta fine 3", and after those three come the first wrong answers as
// the results log writes them (results::missesText) and the six crossing
// counts, blank between two, which must fit the counts (results::fits).
struct Contest {
    int right = 0;
    int wrong = 0;
    int seconds = 0;
    bool candidate = false;
    std::string holder;
    std::string name;
    int upTo = 10000;
    int minutes = 5;
    // Practice: no clock and no record; it may not claim one.
    bool practice = false;
    // Unknown in the requests of older copies, which wait in a pending folder.
    std::vector<results::Miss> misses = {};
    std::optional<results::Crossed> crossed = {};
};

// The request that tells the service a contest starts, on one line.
inline constexpr std::string_view StartMarker = "corvalesta inizio 1";

// The status. On an error it is Failed plus the cause (Cause.h), and the
// failure says which file (empty for the folder) and the error number.
// NotTeacher: settings sent by an account that is neither root nor in the
// teachers' group. BadSettings: settings that do not parse whole.
// NotKept: the shared folder keeps no results log. TooSoon: the end claims
// more seconds than have passed since its start. DailyLimit: the account
// ended Ledger::DailyContests contests today already. Unverified: the line is
// kept, but the score, which beat the record, cannot set it: the service saw
// no start of this contest.
enum Status {
    Written = 0,
    Refused = 2,
    NameTooLong = 3,
    NotKept = 4,
    TooSoon = 5,
    DailyLimit = 6,
    Unverified = 7,
    NotTeacher = 8,
    BadSettings = 9,
    Failed = 10
};
// The most of a settings file a request carries.
inline constexpr std::size_t MaxSettings = 2048;
// A request is never longer: the marker and the numbers, a name of one byte a
// character and one of up to four. The rest is not read.
inline constexpr std::size_t MaxRequest = 96 + 5 * rules::MaxNameChars + MaxSettings;

struct Failure {
    std::string name;
    int error = 0;
};

struct Outcome {
    int status = Written;
    bool recorded = false; // the record was saved, whatever came after
    Failure failure;
};

// The request to end the contest, and the one to start one.
std::string end(const Contest& contest);
std::string start();
// The request that saves the settings of the computer's shared folder: its
// marker line, then the settings file's text (at most MaxSettings bytes).
inline constexpr std::string_view SettingsMarker = "corvalesta impostazioni 1";
std::string saveSettings(std::string_view text);
// The settings file's text of such a request, or nothing.
std::optional<std::string_view> settingsOf(std::string_view input);
// The same for the class list (settings::ClassFile), which a teacher saves
// with the settings: its marker line, then the list's text.
inline constexpr std::string_view ClassMarker = "corvalesta classe 1";
std::string saveClass(std::string_view text);
std::optional<std::string_view> classOf(std::string_view input);
// Nothing when the input is anything but a request to end a contest;
// refusal then tells whether only a name was too long.
std::optional<Contest> parse(std::string_view input, Status* refusal = nullptr);
// The names as the service keeps them: cleaned (names::clean), the holder
// the name's own spelling in the code page when it has one, else a spelling
// in plain Latin letters that the game made for it. False when the holder
// cannot be the name's.
bool settle(Contest& contest);

// The service's answer: "status recorded", the failure's file and error.
std::string reply(const Outcome& outcome);
std::optional<Outcome> parseReply(std::string_view text);
// The reply to what is no request: late, too long, broken.
std::string refusal();
// The outcome of a failure: Failed plus the error's cause.
Outcome failed(const Failure& failure);

} // namespace records::request
