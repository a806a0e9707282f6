#pragma once

#include <ctime>
#include <string>

// The class's results: every finished contest, one line of CSV (RFC 4180,
// UTF-8, CR LF) in risultati.csv beside the record, for the teacher.
namespace records::results {

inline constexpr char Name[] = "risultati.csv";
// Where a log too long is rewritten before it takes the log's place.
inline constexpr char Scratch[] = "risultati.tmp";
// Past this the oldest lines go, whole.
inline constexpr std::size_t MaxBytes = 10 * 1024 * 1024;
inline constexpr char Header[] = "data,nome,esatte,errate,totali,secondi,record\r\n";

struct Entry {
    std::string when; // ISO 8601 with its UTC offset
    std::string name; // UTF-8, no control character
    int right = 0;
    int wrong = 0;
    int seconds = 0; // of the contest's five minutes, played
    bool record = false;
};

// The entry's line, CR LF included; the name quoted when it holds a comma or
// a double quote.
std::string line(const Entry& entry);
// A moment in local time: 2026-12-08T09:30:00+01:00.
std::string timestamp(std::time_t moment);
// Whether the bytes are UTF-8 without a control character, as a name must be.
bool plainName(const std::string& name);

} // namespace records::results
