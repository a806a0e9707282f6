#include "School.h"

#include "LeadingNumber.h"
#include "NameFile.h"
#include "RecordStore.h"
#include "ResultsLog.h"
#include "Settings.h"
#include "StoreFiles.h"
#include "SysCalls.h"
#include "Transaction.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace records::school {

namespace {

constexpr char MonthPrefix[] = "risultati-";
constexpr char MonthSuffix[] = ".csv";
// A publication's files before their rename: no reader takes them for data.
constexpr char Scratch[] = ".scrittura-";

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' '))
        s.remove_suffix(1);
    return s;
}

std::optional<long long> count(std::string_view s)
{
    if (s.empty() || s.size() > 18)
        return {};
    long long n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return {};
        n = n * 10 + (c - '0');
    }
    return n;
}

std::vector<std::string_view> fields(std::string_view line, std::size_t most)
{
    std::vector<std::string_view> out;
    while (out.size() + 1 < most) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            break;
        out.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    out.push_back(line);
    return out;
}

using files::Fd;

// The bytes under a new name in the folder, synced, renamed into place: a
// reader sees the old file or the new one, whole.
void replace(int dir, const std::string& name, const std::string& bytes, mode_t mode, gid_t group)
{
    static int made = 0;
    const std::string scratch =
        Scratch + std::to_string(getpid()) + '-' + std::to_string(++made) + '-' + name;
    Fd fd(sys::openat(dir, scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode));
    if (fd.get() < 0)
        files::fail(scratch);
    try {
        // The teachers' group where the share keeps groups; SSHFS and SMB
        // map their own, and the mount decides who reads.
        if (group != gid_t(-1))
            sys::fchown(fd.get(), uid_t(-1), group);
        if (sys::fchmod(fd.get(), mode) != 0 ||
            sys::writeAll(fd.get(), bytes.data(), bytes.size()) != 0 || sys::fsync(fd.get()) != 0)
            files::fail(name);
        fd.close(name);
        if (sys::renameat(dir, scratch.c_str(), name.c_str()) != 0)
            files::fail(name);
    } catch (...) {
        const int error = errno;
        sys::unlinkat(dir, scratch.c_str(), 0);
        errno = error;
        throw;
    }
}

// The names in a folder, but for "." and "..".
std::vector<std::string> names(int dir)
{
    std::vector<std::string> out;
    const int copy = dup(dir);
    DIR* d = copy >= 0 ? fdopendir(copy) : nullptr;
    if (!d) {
        if (copy >= 0)
            close(copy);
        files::fail("");
    }
    while (const dirent* entry = readdir(d)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            out.push_back(name);
    }
    closedir(d);
    return out;
}

bool hasMarker(int dir)
{
    struct stat st;
    return sys::fstatat(dir, Marker, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

// The school's folder, or no descriptor when it is missing or lacks the
// marker (an empty mount point).
Fd openSchool(const std::string& school)
{
    Fd top(sys::openat(AT_FDCWD, school.c_str(), O_RDONLY | O_DIRECTORY));
    return top.get() >= 0 && hasMarker(top.get()) ? std::move(top) : Fd();
}

// A computer's record file below the folder; nothing when it cannot be read.
// Seen gets the status of the very file read.
std::optional<Published> readRecord(int dir, const std::string& path, struct stat* seen = nullptr)
{
    try {
        return parseRecord(
            files::readText(dir, path.c_str(), MaxRecordBytes + 1, O_NOFOLLOW, seen));
    } catch (const StoreError&) {
        return {};
    }
}

// A text's whole lines, but for the first (the header).
std::vector<std::string_view> bodyLines(std::string_view text)
{
    std::vector<std::string_view> out;
    for (std::size_t at = text.find('\n'); at != text.npos && at + 1 < text.size();) {
        const std::size_t end = text.find('\n', at + 1);
        if (end == text.npos)
            break;
        out.push_back(text.substr(at + 1, end - at));
        at = end;
    }
    return out;
}

// What the share should keep of a month: its own lines the log has since
// lost (the log drops its oldest when full), then the log's.
std::string merged(const std::string& shared, const std::string& local)
{
    const std::vector<std::string_view> kept = bodyLines(shared), now = bodyLines(local);
    if (kept.empty() || now.empty())
        return now.empty() ? shared : local;
    std::size_t from = kept.size(); // the log holds none of the share's lines
    for (std::size_t i = kept.size(); i-- > 0;) {
        if (kept[i] == now.front()) {
            from = i;
            break;
        }
    }
    if (from + now.size() < kept.size())
        return shared; // never shorter than what was published
    std::string out(local.substr(0, local.find('\n') + 1));
    for (std::size_t i = 0; i < from; ++i)
        out += kept[i];
    for (std::string_view line : now)
        out += line;
    return out;
}

} // namespace

bool computerName(std::string_view name)
{
    if (name.empty() || name.size() > 64 || name.front() == '.')
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

std::string monthFile(std::string_view month)
{
    return MonthPrefix + std::string(month) + MonthSuffix;
}

std::optional<std::string> monthOf(std::string_view name)
{
    const std::string_view prefix = MonthPrefix, suffix = MonthSuffix;
    if (name.size() != prefix.size() + 7 + suffix.size() ||
        name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - suffix.size()) != suffix)
        return {};
    const std::string_view month = name.substr(prefix.size(), 7);
    const auto year = count(month.substr(0, 4)), number = count(month.substr(5, 2));
    if (month[4] != '-' || !year || !number || *number < 1 || *number > 12)
        return {};
    return std::string(month);
}

std::string recordText(const Published& published)
{
    std::string text = "orologio\t" + std::to_string(published.clock) + '\n';
    for (const Best& best : published.bests) {
        text += best.setting + '\t' + std::to_string(best.score) + '\t' +
                std::to_string(best.when) + '\t' + best.holder + '\n';
    }
    return text;
}

std::optional<Published> parseRecord(std::string_view text)
{
    if (text.size() > MaxRecordBytes || text.substr(0, 9) != "orologio\t")
        return {};
    Published published;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            break; // a torn line is no line
        const std::vector<std::string_view> f = fields(text.substr(0, end), 4);
        text.remove_prefix(end + 1);
        if (first) {
            const auto clock = count(f.size() == 2 ? f[1] : std::string_view());
            if (!clock)
                return {};
            published.clock = std::time_t(*clock);
            first = false;
            continue;
        }
        if (f.size() != 4 || !transaction::named(std::string(f[0])))
            continue;
        const int score = results::number(f[1]);
        const auto when = count(f[2]);
        if (score < 0 || !when || !results::plainName(f[3]))
            continue;
        published.bests.push_back(
            {std::string(f[0]), score, std::string(f[3]), std::time_t(*when)});
    }
    return published;
}

bool better(const Best& a, const Best& b)
{
    // Two set in the same second: the computer's name decides, the same on
    // every computer that reads them.
    if (a.score != b.score)
        return a.score > b.score;
    return a.when != b.when ? a.when < b.when : a.computer < b.computer;
}

std::map<std::string, std::string> months(std::string_view log)
{
    std::map<std::string, std::string> out;
    while (!log.empty()) {
        const std::size_t end = log.find('\n');
        if (end == std::string_view::npos)
            break; // an append cut short
        const std::string_view line = log.substr(0, end + 1);
        log.remove_prefix(end + 1);
        const auto entry = results::parse(trimmed(line));
        if (!entry || entry->when.size() < 7)
            continue;
        std::string& month = out[entry->when.substr(0, 7)];
        if (month.empty())
            month = results::Header;
        month += line;
    }
    return out;
}

std::vector<Best> bestsOf(const std::string& local)
{
    std::vector<Best> out;
    for (int upTo : settings::Ranges) {
        for (int minutes : settings::Lengths) {
            const std::string folder = local + '/' + settings::recordFolder(upTo, minutes);
            try {
                RecordStore store(folder, RecordStore::Mode::Shared);
                const Pair pair = store.read(false);
                // Read as the service reads it when a contest would beat it;
                // published only as a count the record file's reader takes.
                const double points = numbers::leadingNumber(pair.score);
                const int score = points >= 1 && points <= results::LargestCount ? int(points) : 0;
                struct stat st;
                if (score <= 0 ||
                    sys::fstatat(AT_FDCWD, (folder + '/' + ScoreName).c_str(), &st, 0) != 0)
                    continue;
                std::string holder = names::whole(pair);
                if (holder.empty())
                    holder = names::utf8(std::string(trimmed(pair.holder)));
                if (!results::plainName(holder))
                    holder.clear();
                out.push_back({settings::recordName(upTo, minutes), score, holder, st.st_mtime});
            } catch (const StoreError&) {
                // A setting never played has no folder.
            }
        }
    }
    return out;
}

Publication publish(const std::string& local, const std::string& school,
                    const std::string& computer, std::time_t now)
{
    Publication done;
    std::string failedOn;
    try {
        const Fd top = openSchool(school);
        if (top.get() < 0)
            return {Publication::NotMounted, 0, ENOENT, school};
        failedOn = computer;
        if (!computerName(computer))
            return {Publication::Failed, 0, EINVAL, computer};
        if (sys::mkdirat(top.get(), computer.c_str(), 0755) != 0 && errno != EEXIST)
            files::fail(computer);
        Fd own(sys::openat(top.get(), computer.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
        if (own.get() < 0)
            files::fail(computer);
        for (const std::string& name : names(own.get())) {
            if (name.rfind(Scratch, 0) == 0)
                sys::unlinkat(own.get(), name.c_str(), 0);
        }

        // The log is the teachers': its months keep its group and its mode.
        const std::string logPath = local + '/' + results::Name;
        struct stat logStat {};
        std::string log;
        if (sys::fstatat(AT_FDCWD, logPath.c_str(), &logStat, AT_SYMLINK_NOFOLLOW) == 0) {
            failedOn = results::Name;
            log = RecordStore::readLines(logPath, 2 * results::MaxBytes);
        }
        for (const auto& [month, text] : months(log)) {
            const std::string name = monthFile(month);
            failedOn = computer + '/' + name;
            const std::string shared =
                files::readText(own.get(), name.c_str(), 2 * results::MaxBytes, O_NOFOLLOW);
            const std::string kept = merged(shared, text);
            if (kept == shared)
                continue;
            replace(own.get(), name, kept, logStat.st_mode & 0640, logStat.st_gid);
            ++done.written;
        }
        failedOn = computer + '/' + RecordFile;
        replace(own.get(), RecordFile, recordText({now, bestsOf(local)}), 0644, gid_t(-1));
        ++done.written;
        sys::fsync(own.get());
    } catch (const StoreError& error) {
        return {Publication::Failed, done.written, error.error,
                error.name.empty() ? failedOn : error.name};
    }
    return done;
}

std::optional<Best> best(const std::string& school, const std::string& setting)
{
    const Fd top = openSchool(school);
    if (top.get() < 0)
        return {};
    std::optional<Best> found;
    try {
        for (const std::string& computer : names(top.get())) {
            if (!computerName(computer))
                continue;
            // One computer's file unreadable costs only its record.
            std::optional<Published> published = readRecord(top.get(), computer + '/' + RecordFile);
            for (Best& b : published ? published->bests : std::vector<Best>{}) {
                b.computer = computer;
                if (b.setting == setting && (!found || better(b, *found)))
                    found = b;
            }
        }
    } catch (const StoreError&) {
        return {};
    }
    return found;
}

std::optional<std::vector<Computer>> computers(const std::string& school)
{
    const Fd top = openSchool(school);
    if (top.get() < 0)
        return {};
    std::vector<Computer> out;
    try {
        for (const std::string& name : names(top.get())) {
            Fd own(computerName(name)
                       ? sys::openat(top.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW)
                       : -1);
            if (own.get() < 0)
                continue;
            Computer computer{name, {}, {}};
            try {
                for (const std::string& file : names(own.get())) {
                    if (monthOf(file))
                        computer.months.push_back(file);
                }
            } catch (const StoreError&) {
                // Its months unlisted: none read, and said so by the caller.
            }
            std::sort(computer.months.begin(), computer.months.end());
            // The time of the file read: one renamed in meanwhile has its own.
            struct stat st {};
            if (const auto published = readRecord(own.get(), RecordFile, &st))
                computer.skew = long(published->clock - st.st_mtime);
            out.push_back(std::move(computer));
        }
    } catch (const StoreError&) {
        return {};
    }
    std::sort(out.begin(), out.end(),
              [](const Computer& a, const Computer& b) { return a.name < b.name; });
    return out;
}

} // namespace records::school
