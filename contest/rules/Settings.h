#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a teacher chooses for the game, and the one file format that holds
// it: one "key = value" a line, # comments, UTF-8. Plain C++ and POSIX, so
// that the record service reads and checks the same files the game does.
namespace settings {

enum class Play { Contest, Practice, Both };
enum class Holder { Name, Initials, None };

// The defaults are the game as it always was.
struct Settings {
    int upTo = 10000; // the highest answer: a round shows 0 to upTo - 1
    int minutes = 5;
    Play play = Play::Contest;
    Holder holder = Holder::Name;
    bool operator==(const Settings&) const = default;
};

enum Key { UpTo, Minutes, PlayKey, HolderKey, KeyCount };
// The keys and their values, as written in every file whatever the language.
inline constexpr std::array<std::string_view, KeyCount> KeyNames = {"fino_a", "minuti", "gioco",
                                                                    "record"};
inline constexpr std::array<int, 5> Ranges = {10, 20, 100, 1000, 10000};
inline constexpr std::array<int, 5> Lengths = {1, 2, 3, 5, 10};
inline constexpr std::array<std::string_view, 3> PlayNames = {"gara", "allenamento", "entrambi"};
inline constexpr std::array<std::string_view, 3> HolderNames = {"nome", "iniziali", "nessuno"};

// The administrator's alone: the school's folder on its file server, where
// every computer of the lab publishes its record and its results. A whole
// path; a teacher's file cannot set it.
inline constexpr char SchoolKey[] = "cartella_scuola";
inline constexpr std::size_t MaxSchoolPath = 1024;

// The file's name, in the administrator's folder and beside a record.
inline constexpr char FileName[] = "impostazioni.conf";
inline constexpr char AdminFile[] = "/etc/corvalesta/impostazioni.conf";
// A settings file is a few lines; past this it is not read at all.
inline constexpr std::size_t MaxBytes = 16 * 1024;

// The class list beside the settings: one child's name a line, which the
// name prompt offers. A class's names fit in this; a longer list is not read.
inline constexpr char ClassFile[] = "classe.txt";
inline constexpr std::size_t MaxClassBytes = 2048;

// What is wrong with a file or one of its lines.
struct Problem {
    enum Kind {
        NoEquals,   // the line is not "key = value"
        UnknownKey, // key: what the line names
        BadValue,   // key, value: one not allowed (allowed() says which are)
        Repeated,   // key: set twice; the last one holds
        NotText,    // the file is not UTF-8 text
        TooBig,     // the file is longer than MaxBytes
        NotRegular, // a link, a folder, a FIFO, a device
        Unreadable  // error: the system's error number
    };
    Kind kind;
    int line = 0; // from 1; 0 for the whole file
    std::string key = {};
    std::string value = {};
    int error = 0;
};

struct Parsed {
    Settings values;
    std::array<bool, KeyCount> set{}; // the keys the file sets to a good value
    std::vector<Problem> problems;
    std::string school = {}; // SchoolKey's path, when set to a good one
};

// The settings a text sets; a bad line is a problem and leaves its key's
// default.
Parsed parse(std::string_view text);
// The file that sets exactly these settings, every key, with a comment line.
std::string text(const Settings& settings);
// The values a key allows, as written: "10|20|100|1000|10000".
std::string allowed(Key key);

// A file's settings: a missing file sets nothing and is no problem; a file
// that is not a regular file (a link included), is too big or cannot be read
// sets nothing and is one problem. Never blocks: a FIFO is not opened.
Parsed read(const std::string& path);

// The names of a class list, each once, in the order written, without the
// blanks around them: blank lines, # comments and a name of more than
// rules::MaxNameChars characters are left out. Nothing for a text that is
// not UTF-8 text or is longer than MaxClassBytes.
std::optional<std::vector<std::string>> classList(std::string_view text);
// A class list file's names, read as read() reads a settings file; none when
// it is missing or cannot be read.
std::vector<std::string> readClass(const std::string& path);

// Sets the one key of to as from has it.
void copyKey(Settings& to, const Settings& from, Key key);

// Where each setting in force comes from.
enum class Source { Default, Teacher, Administrator };
struct InForce {
    Settings values;
    std::array<Source, KeyCount> from{};
    Parsed administrator; // as read, with its problems
    Parsed teacher;
    std::string school = {}; // the administrator's school folder; empty for none
};
// A key the administrator set wins over the teacher's file; any other is the
// teacher's, or the default.
InForce merge(const Parsed& administrator, const Parsed& teacher);

// The name of a range and length's own record folder, as "fino_a-20_minuti-1";
// the default setting's record is the folder's own, whose name this is too.
std::string recordName(int upTo, int minutes);
// The folder below the record folder that holds this setting's record;
// empty for the default's, which stays where it always was.
std::string recordFolder(int upTo, int minutes);
// Whether the range and the length are ones a teacher can choose.
bool known(int upTo, int minutes);
// The digits of the highest answer: what the answer box must take.
int digits(int upTo);

} // namespace settings
