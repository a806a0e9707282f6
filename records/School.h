#pragma once

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The school's folder on its file server, shared by every computer of a lab
// without a lock between them: each computer's service writes only its own
// folder there, each file whole under a new name, synced, then renamed into
// place, so that a reader on any computer sees a whole file or the one
// before. The computer's own record folder stays the truth; the school's
// folder is a copy of it, published after the contests, never during one.
// Plain C++ and POSIX: the service's account publishes, the game reads.
namespace records::school {

// The administrator makes this file in the school's folder: a folder without
// it is an empty mount point, and nothing is written there.
inline constexpr char Marker[] = ".corvalesta-scuola";
// Each computer's best of every setting, and its clock when it published.
inline constexpr char RecordFile[] = "record.txt";
// Beyond this a record file is not read: no computer has more settings.
inline constexpr std::size_t MaxRecordBytes = 16 * 1024;
// A computer's clock further than this from the share's is told.
inline constexpr long ClockSlack = 5 * 60;

// A computer's folder name: its host name, letters, digits, '-', '_' and
// '.', not beginning with '.', at most 64 bytes.
bool computerName(std::string_view name);
// "risultati-2026-12.csv" for "2026-12", and back: the month of a monthly
// file's name, or nothing.
std::string monthFile(std::string_view month);
std::optional<std::string> monthOf(std::string_view fileName);

// One setting's best on one computer.
struct Best {
    std::string setting; // settings::recordName
    int score = 0;
    std::string holder;        // the whole name, UTF-8
    std::time_t when = 0;      // when it was set, by that computer's clock
    std::string computer = {}; // where it was set; filled in by reading
    bool operator==(const Best&) const = default;
};
// A computer's record file: its clock when it wrote it, and its bests.
struct Published {
    std::time_t clock = 0;
    std::vector<Best> bests;
};
std::string recordText(const Published& published);
// Nothing for a text that is not such a file; a line that is not a best is
// left out.
std::optional<Published> parseRecord(std::string_view text);
// The better of two: the higher score, or of equal ones the earlier, or of
// those the one of the computer whose name sorts first.
bool better(const Best& a, const Best& b);

// The log's whole lines by the month of their date, each month's file as the
// share keeps it: the log's header, then its lines in the log's order.
std::map<std::string, std::string> months(std::string_view log);

// What a publication did.
struct Publication {
    enum Status { Published, NotMounted, Failed };
    Status status = Published;
    int written = 0;       // files replaced
    int error = 0;         // the system's error number, when it failed
    std::string name = {}; // the file or folder it failed on
};
// Publishes the computer's record folder into its folder below the school's:
// every setting's best in one record file, rewritten each time (it carries
// the clock), and every month of the log whose file differs; a month keeps
// the lines the log has lost since it was published (a full log drops its
// oldest), and is never made shorter. Leftovers of a publication cut short
// are removed first. Nothing is written when the marker is not there.
Publication publish(const std::string& local, const std::string& school,
                    const std::string& computer, std::time_t now);

// The best of a setting among every computer's record file. A hung share
// hangs it: the caller reads on a thread it can leave behind. Nothing when
// no computer has one, or the marker is missing.
std::optional<Best> best(const std::string& school, const std::string& setting);

// What the teachers read of the school's folder: each computer's months, and
// how far its clock was from the share's when it last published (its record
// file's clock less the time the share gave the file). Nothing when the
// marker is missing or the folder cannot be listed.
struct Computer {
    std::string name;
    std::vector<std::string> months; // file names, oldest first
    std::optional<long> skew;        // seconds; nothing without a record file
};
std::optional<std::vector<Computer>> computers(const std::string& school);

// A computer's own best of each setting, read from its record folder.
std::vector<Best> bestsOf(const std::string& local);

} // namespace records::school
