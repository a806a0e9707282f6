#include "Settings.h"

#include "GameRules.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

std::string_view trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// UTF-8 without a control character but tab, CR and LF: text a teacher wrote.
bool plainText(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 32 && c != '\t' && c != '\r' && c != '\n') || c == 127)
                return false;
            ++i;
            continue;
        }
        const int more = c >= 0xC2 && c <= 0xDF   ? 1
                         : c >= 0xE0 && c <= 0xEF ? 2
                         : c >= 0xF0 && c <= 0xF4 ? 3
                                                  : 0;
        if (more == 0 || i + more >= s.size())
            return false;
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += more + 1;
    }
    return true;
}

template <typename List> int indexOf(const List& list, std::string_view value)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == value)
            return int(i);
    }
    return -1;
}

// A number as written in a list of allowed ones: plain digits.
template <std::size_t N> int numberIn(const std::array<int, N>& list, std::string_view value)
{
    for (int n : list) {
        if (value == std::to_string(n))
            return n;
    }
    return -1;
}

template <typename List> std::string joined(const List& list)
{
    std::string out;
    for (const auto& item : list) {
        if (!out.empty())
            out += '|';
        if constexpr (std::is_same_v<std::decay_t<decltype(item)>, int>)
            out += std::to_string(item);
        else
            out += item;
    }
    return out;
}

// Sets the key to the value when it is one allowed.
bool assign(Settings& s, Key key, std::string_view value)
{
    switch (key) {
    case UpTo:
        if (const int n = numberIn(Ranges, value); n > 0)
            return s.upTo = n, true;
        return false;
    case Minutes:
        if (const int n = numberIn(Lengths, value); n > 0)
            return s.minutes = n, true;
        return false;
    case PlayKey:
        if (const int i = indexOf(PlayNames, value); i >= 0)
            return s.play = Play(i), true;
        return false;
    case HolderKey:
        if (const int i = indexOf(HolderNames, value); i >= 0)
            return s.holder = Holder(i), true;
        return false;
    case KeyCount:
        break;
    }
    return false;
}

} // namespace

Parsed parse(std::string_view text)
{
    Parsed parsed;
    if (!plainText(text)) {
        parsed.problems.push_back({Problem::NotText});
        return parsed;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            parsed.problems.push_back({Problem::NoEquals, number, std::string(line)});
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        const int k = indexOf(KeyNames, key);
        if (key == SchoolKey) {
            // A whole path with no way up: it names a folder on a share.
            const bool good = value.size() > 1 && value.size() <= MaxSchoolPath &&
                              value.front() == '/' && value.find("/../") == value.npos &&
                              value.substr(value.size() - 3) != "/..";
            if (!good)
                parsed.problems.push_back(
                    {Problem::BadValue, number, std::string(key), std::string(value)});
            else if (!parsed.school.empty())
                parsed.problems.push_back({Problem::Repeated, number, std::string(key)});
            if (good)
                parsed.school = std::string(value);
        } else if (k < 0) {
            parsed.problems.push_back({Problem::UnknownKey, number, std::string(key)});
        } else if (!assign(parsed.values, Key(k), value)) {
            parsed.problems.push_back(
                {Problem::BadValue, number, std::string(key), std::string(value)});
        } else {
            if (parsed.set[k])
                parsed.problems.push_back({Problem::Repeated, number, std::string(key)});
            parsed.set[k] = true;
        }
    }
    return parsed;
}

std::string text(const Settings& s)
{
    return "# Corvalesta: impostazioni della classe\n"
           "fino_a = " +
           std::to_string(s.upTo) + "\nminuti = " + std::to_string(s.minutes) +
           "\ngioco = " + std::string(PlayNames[int(s.play)]) +
           "\nrecord = " + std::string(HolderNames[int(s.holder)]) + '\n';
}

std::string allowed(Key key)
{
    switch (key) {
    case UpTo:
        return joined(Ranges);
    case Minutes:
        return joined(Lengths);
    case PlayKey:
        return joined(PlayNames);
    case HolderKey:
        return joined(HolderNames);
    case KeyCount:
        break;
    }
    return {};
}

namespace {

// A small file's text, or what keeps it from being read; a missing file is
// the empty text.
std::optional<Problem> readFile(const std::string& path, std::size_t most, std::string& text)
{
    const auto problem = [](Problem::Kind kind, int error = 0) {
        return Problem{kind, 0, {}, {}, error};
    };
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(problem(Problem::Unreadable, errno));
    if (!S_ISREG(info.st_mode))
        return problem(Problem::NotRegular);
    if (std::size_t(info.st_size) > most)
        return problem(Problem::TooBig);
    // Not through a link, and never waiting: it may have changed since.
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return problem(errno == ELOOP ? Problem::NotRegular : Problem::Unreadable, errno);
    char buffer[4096];
    bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    int error = 0;
    while (regular && text.size() <= most) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        text.append(buffer, std::size_t(n));
    }
    close(fd);
    if (!regular)
        return problem(Problem::NotRegular);
    if (error != 0)
        return problem(Problem::Unreadable, error);
    if (text.size() > most)
        return problem(Problem::TooBig);
    return std::nullopt;
}

} // namespace

Parsed read(const std::string& path)
{
    std::string text;
    if (const auto problem = readFile(path, MaxBytes, text)) {
        Parsed parsed;
        parsed.problems.push_back(*problem);
        return parsed;
    }
    return parse(text);
}

std::optional<std::vector<std::string>> classList(std::string_view text)
{
    std::vector<std::string> names;
    if (text.size() > MaxClassBytes || !plainText(text))
        return std::nullopt;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view name = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::size_t characters = 0;
        for (char c : name)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (name.empty() || name.front() == '#' || characters > rules::MaxNameChars ||
            indexOf(names, name) >= 0)
            continue;
        names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> readClass(const std::string& path)
{
    std::string text;
    if (readFile(path, MaxClassBytes, text))
        return {};
    return classList(text).value_or(std::vector<std::string>());
}

void copyKey(Settings& to, const Settings& from, Key key)
{
    switch (key) {
    case UpTo:
        to.upTo = from.upTo;
        break;
    case Minutes:
        to.minutes = from.minutes;
        break;
    case PlayKey:
        to.play = from.play;
        break;
    case HolderKey:
        to.holder = from.holder;
        break;
    case KeyCount:
        break;
    }
}

InForce merge(const Parsed& administrator, const Parsed& teacher)
{
    InForce in{{}, {}, administrator, teacher, administrator.school};
    for (int k = 0; k < KeyCount; ++k) {
        const Parsed* from = administrator.set[k] ? &administrator
                             : teacher.set[k]     ? &teacher
                                                  : nullptr;
        if (!from)
            continue;
        in.from[k] = from == &administrator ? Source::Administrator : Source::Teacher;
        copyKey(in.values, from->values, Key(k));
    }
    return in;
}

std::string recordName(int upTo, int minutes)
{
    return "fino_a-" + std::to_string(upTo) + "_minuti-" + std::to_string(minutes);
}

std::string recordFolder(int upTo, int minutes)
{
    const Settings defaults;
    return upTo == defaults.upTo && minutes == defaults.minutes ? std::string()
                                                                : recordName(upTo, minutes);
}

bool known(int upTo, int minutes)
{
    return numberIn(Ranges, std::to_string(upTo)) > 0 &&
           numberIn(Lengths, std::to_string(minutes)) > 0;
}

int digits(int upTo)
{
    int n = 1;
    for (; upTo >= 10; upTo /= 10)
        ++n;
    return n;
}

} // namespace settings
