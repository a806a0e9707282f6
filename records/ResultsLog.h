#pragma once

#include "GameRules.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The class's results: every finished contest, one line of CSV (RFC 4180,
// UTF-8, CR LF) in risultati.csv beside the record, for the teacher.
namespace records::results {

inline constexpr char Name[] = "risultati.csv";
// Where a log too long is rewritten before it takes the log's place.
inline constexpr char Scratch[] = "risultati.tmp";
// Past this the oldest lines go, whole.
inline constexpr std::size_t MaxBytes = 10 * 1024 * 1024;
// A full log loses this much at once, so that the appends that follow are
// plain appends again instead of a rewrite each.
inline constexpr std::size_t Room = 1024 * 1024;
inline constexpr char Header[] =
    "\"data\",\"nome\",\"esatte\",\"errate\",\"totali\",\"secondi\",\"record\",\"utente\","
    "\"verificata\",\"fino_a\",\"minuti\",\"gioco\",\"sbagliate\",\"decine\",\"decine_errate\","
    "\"centinaia\",\"centinaia_errate\",\"migliaia\",\"migliaia_errate\"\r\n";
// Written by older copies: before lines kept the wrong answers, before they
// said what was played, before they said whether the service saw the contest
// start, and before they said which account played them.
inline constexpr char SettingsHeader[] =
    "\"data\",\"nome\",\"esatte\",\"errate\",\"totali\",\"secondi\",\"record\",\"utente\","
    "\"verificata\",\"fino_a\",\"minuti\",\"gioco\"\r\n";
inline constexpr char VerifiedHeader[] =
    "\"data\",\"nome\",\"esatte\",\"errate\",\"totali\",\"secondi\",\"record\",\"utente\","
    "\"verificata\"\r\n";
inline constexpr char AccountHeader[] = "data,nome,esatte,errate,totali,secondi,record,utente\r\n";
inline constexpr char OldHeader[] = "data,nome,esatte,errate,totali,secondi,record\r\n";

// A wrong answer: the number shown and what was typed (digits only, as many
// as the answer box takes; empty for an empty box or a paste of no number).
struct Miss {
    int shown = 0;
    std::string typed;
    bool operator==(const Miss&) const = default;
};
// The most wrong answers a line keeps, the first ones.
inline constexpr std::size_t MaxMisses = 20;
// The sums whose answer crosses a ten (19 + 1), a hundred (99 + 1) or a
// thousand (999 + 1): each counted once, as the largest it crosses.
enum Crossing { NoCrossing = -1, Ten = 0, Hundred = 1, Thousand = 2, Crossings = 3 };
Crossing crossing(int shown);
struct Crossed {
    int shown[Crossings] = {0, 0, 0};
    int wrong[Crossings] = {0, 0, 0};
    bool operator==(const Crossed&) const = default;
};

struct Entry {
    std::string when; // ISO 8601 with its UTC offset
    std::string name; // UTF-8, no control character
    int right = 0;
    int wrong = 0;
    int seconds = 0; // played, of the contest's length
    bool record = false;
    std::string account; // who played it; empty in lines of older copies
    // The record service saw the contest start (always, in an account's own
    // folder, and in older copies' lines, which did not ask).
    bool verified = true;
    // What was played; older copies' lines played the default.
    int upTo = 10000;
    int minutes = 5;
    bool practice = false;
    // The first wrong answers and the crossings; unknown in older lines.
    std::vector<Miss> misses = {};
    std::optional<Crossed> crossed = {};
};

// The misses as the log's column writes them, "199:190 2999:3000", and
// back; nothing for a text that is not such a list.
std::string missesText(const std::vector<Miss>& misses);
std::optional<std::vector<Miss>> missesOf(std::string_view text);
// Whether the misses and crossings fit the contest's own counts: the list is
// the first min(wrong, MaxMisses) wrong answers, each a number of the range
// with a typed answer of the answer box's digits other than the right one;
// no more crossings than answers, nor wrong ones than wrong answers, nor one
// the range cannot show; the listed misses that cross as many as counted,
// when the list is whole, and never more.
bool fits(const Entry& entry);

// The largest count the log holds.
inline constexpr int LargestCount = 32767;
// A practice has no clock: the longest the log can count.
inline constexpr int LongestPractice = LargestCount;

// A count of 0 to LargestCount in plain digits, no sign, no leading zero; -1 for
// anything else.
int number(std::string_view text);
// The entry's line, CR LF included. Every field but the counts is quoted, so
// that a spreadsheet splitting on semicolons or trimming blanks keeps it
// whole; one a spreadsheet would take for a formula (it begins with =, +, -,
// @, tab or CR), or that begins with an apostrophe, has an apostrophe in
// front, so that it stays text.
// The yes and no columns, and the kind of play, say it in the log's words
// unless told others.
struct Words {
    std::string_view yes = "sì";
    std::string_view no = "no";
    std::string_view contest = "gara";
    std::string_view practice = "allenamento";
};
std::string line(const Entry& entry, const Words& words = {});
// One text field as line() writes it.
std::string field(std::string_view text);
// The entry of one line (without its line end), exactly as line() wrote it,
// or of an older copy's line, unquoted and with fewer columns; nothing for a
// header or a line that is no contest.
std::optional<Entry> parse(std::string_view line);
// A moment in local time: 2026-12-08T09:30:00+01:00.
std::string timestamp(std::time_t moment);
// Whether the bytes are UTF-8 without a control character, as a name must be.
bool plainName(std::string_view name);
// The number of characters of UTF-8 text.
std::size_t characters(std::string_view text);
// Whether a contest of this many answers could have been played in this
// time, within a contest of length seconds.
bool playable(int right, int wrong, int seconds, int length = rules::ContestSeconds);

// Whether the text is one of the headers older copies wrote.
bool olderHeader(std::string_view text);
// The log that follows from this one (its whole lines) and the new line:
// the header of today and every line, the new one last. When that would pass
// MaxBytes, lines go until Room is free, the oldest first, and only of an
// account that holds more than an equal share of the MaxBytes - Room kept
// (the lines of older copies, which name no account, count as one share):
// an account's flood costs its own lines, never another's.
std::string withLine(std::string_view log, const std::string& line);

} // namespace records::results
