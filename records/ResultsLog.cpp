#include "ResultsLog.h"

#include "NameRule.h"
#include "Settings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <vector>

namespace records::results {

namespace {

// Today's lines keep the wrong answers; 1.2.0's did not, 1.1.0's did not
// say what was played nor whether the service saw the start, nor (1.0.0's)
// which account played them.
constexpr std::size_t Columns = 19;
constexpr std::size_t SettingsColumns = 12;
constexpr std::size_t VerifiedColumns = 9;
constexpr std::size_t AccountColumn = 7;

bool formulaStart(std::string_view text)
{
    return !text.empty() && std::strchr("=+-@\t\r'", text[0]) != nullptr;
}

} // namespace

std::string field(std::string_view text)
{
    std::string quoted = formulaStart(text) ? "\"'" : "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

namespace {

// The fields of one line as field() writes them: a quoted field may hold
// commas and doubled quotes, and loses the apostrophe put in front of it.
std::vector<std::string> fields(std::string_view line)
{
    std::vector<std::string> out(1);
    bool quoted = false, wasQuoted = false;
    const auto close = [&] {
        if (wasQuoted && !out.back().empty() && out.back()[0] == '\'')
            out.back().erase(0, 1);
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            out.back() += '"';
            ++i;
        } else if (c == '"' && (quoted || out.back().empty())) {
            quoted = !quoted;
            wasQuoted = true;
        } else if (c == ',' && !quoted) {
            close();
            out.emplace_back();
            wasQuoted = false;
        } else {
            out.back() += c;
        }
    }
    close();
    return out;
}

// The six crossing counts, each after a comma; empty fields when unknown.
std::string crossedText(const std::optional<Crossed>& crossed)
{
    if (!crossed)
        return ",,,,,,";
    std::string text;
    for (int c = Ten; c < Crossings; ++c)
        text += ',' + std::to_string(crossed->shown[c]) + ',' + std::to_string(crossed->wrong[c]);
    return text;
}

} // namespace

int number(std::string_view text)
{
    if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == '0'))
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= LargestCount ? value : -1;
}

Crossing crossing(int shown)
{
    const int next = shown + 1;
    if (shown < 0 || next % 10 != 0)
        return NoCrossing;
    return next % 1000 == 0 ? Thousand : next % 100 == 0 ? Hundred : Ten;
}

std::string missesText(const std::vector<Miss>& misses)
{
    std::string text;
    for (const Miss& miss : misses)
        text += (text.empty() ? "" : " ") + std::to_string(miss.shown) + ':' + miss.typed;
    return text;
}

std::optional<std::vector<Miss>> missesOf(std::string_view text)
{
    std::vector<Miss> misses;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const std::string_view one = text.substr(0, end);
        const std::size_t colon = one.find(':');
        if (colon == std::string_view::npos || misses.size() == MaxMisses)
            return std::nullopt;
        const std::string_view typed = one.substr(colon + 1);
        if (typed.size() > 5 || typed.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        misses.push_back({number(one.substr(0, colon)), std::string(typed)});
        if (misses.back().shown < 0)
            return std::nullopt;
        // One blank between two, none at the end.
        text.remove_prefix(end);
        if (!text.empty() && (text.remove_prefix(1), text.empty()))
            return std::nullopt;
    }
    return misses;
}

bool fits(const Entry& e)
{
    const std::size_t listed = std::min<std::size_t>(std::size_t(e.wrong), MaxMisses);
    if (e.misses.size() != (e.crossed ? listed : 0))
        return false;
    int missed[Crossings] = {0, 0, 0};
    for (const Miss& miss : e.misses) {
        const std::size_t box = std::size_t(settings::digits(e.upTo));
        if (miss.shown >= e.upTo || miss.typed.size() > box ||
            (!miss.typed.empty() && std::atoi(miss.typed.c_str()) == miss.shown + 1))
            return false;
        if (const Crossing c = crossing(miss.shown); c != NoCrossing)
            ++missed[c];
    }
    if (!e.crossed)
        return true;
    const bool whole = listed == std::size_t(e.wrong);
    int shown = 0, wrong = 0, unlisted = 0;
    for (int c = Ten; c < Crossings; ++c) {
        const int s = e.crossed->shown[c], w = e.crossed->wrong[c];
        // 99 + 1 cannot be shown below 100, nor 999 + 1 below 1000.
        const bool possible = c == Ten || e.upTo > (c == Hundred ? 99 : 999);
        if (s < 0 || w < 0 || w > s || (!possible && s > 0) || w < missed[c] ||
            (whole && w != missed[c]))
            return false;
        shown += s;
        wrong += w;
        unlisted += w - missed[c];
    }
    return shown <= e.right + e.wrong && wrong <= e.wrong &&
           unlisted <= e.wrong - int(e.misses.size());
}

std::string line(const Entry& entry, const Words& words)
{
    const std::string_view yes = words.yes, no = words.no;
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ",%d,%d,%d,%d,", entry.right, entry.wrong,
                  entry.right + entry.wrong, entry.seconds);
    char played[40];
    std::snprintf(played, sizeof played, ",%d,%d,", entry.upTo, entry.minutes);
    return field(entry.when) + ',' + field(entry.name) + numbers + field(entry.record ? yes : no) +
           ',' + field(entry.account) + ',' + field(entry.verified ? yes : no) + played +
           field(entry.practice ? words.practice : words.contest) + ',' +
           field(missesText(entry.misses)) + crossedText(entry.crossed) + "\r\n";
}

std::optional<Entry> parse(std::string_view text)
{
    const std::vector<std::string> f = fields(text);
    if (f.size() < VerifiedColumns - 2 ||
        (f.size() > VerifiedColumns && f.size() != SettingsColumns && f.size() != Columns))
        return std::nullopt;
    const auto yesNo = [](const std::string& cell) { return cell == "sì" || cell == "no"; };
    Entry entry{f[0],
                f[1],
                number(f[2]),
                number(f[3]),
                number(f[5]),
                f[6] == "sì",
                f.size() > AccountColumn ? f[AccountColumn] : std::string(),
                f.size() < VerifiedColumns || f[8] == "sì"};
    if (f.size() >= SettingsColumns) {
        entry.upTo = number(f[9]);
        entry.minutes = number(f[10]);
        entry.practice = f[11] == "allenamento";
        if (!settings::known(entry.upTo, entry.minutes) || (!entry.practice && f[11] != "gara"))
            return std::nullopt;
    }
    if (f.size() == Columns) {
        const auto misses = missesOf(f[12]);
        if (!misses)
            return std::nullopt;
        entry.misses = *misses;
        // All six counts, or none: a line of a service that had no list.
        int counts[2 * Crossings], known = 0;
        for (int i = 0; i < 2 * Crossings; ++i) {
            counts[i] = number(f[13 + std::size_t(i)]);
            known += counts[i] >= 0;
            if (counts[i] < 0 && !f[13 + std::size_t(i)].empty())
                return std::nullopt;
        }
        if (known == 2 * Crossings) {
            Crossed crossed;
            for (int c = Ten; c < Crossings; ++c)
                crossed.shown[c] = counts[2 * c], crossed.wrong[c] = counts[2 * c + 1];
            entry.crossed = crossed;
        } else if (known != 0) {
            return std::nullopt;
        }
    }
    const bool digits = entry.when.size() >= 19 && entry.when[0] >= '0' && entry.when[0] <= '9';
    if (!digits || entry.right < 0 || entry.wrong < 0 || entry.seconds < 0 ||
        number(f[4]) != entry.right + entry.wrong || !yesNo(f[6]) ||
        (f.size() >= VerifiedColumns && !yesNo(f[8])) || !fits(entry))
        return std::nullopt;
    return entry;
}

std::string timestamp(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff / 60;
    char zone[40];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+',
                  (offset < 0 ? -offset : offset) / 60, (offset < 0 ? -offset : offset) % 60);
    return std::string(text) + zone;
}

bool plainName(std::string_view name)
{
    const std::vector<char32_t> codes = names::codePoints(name);
    return std::none_of(codes.begin(), codes.end(),
                        [](char32_t c) { return c == 0 || rules::isControl(unsigned(c)); });
}

std::size_t characters(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

bool playable(int right, int wrong, int seconds, int length)
{
    // Two answers a second at most, and one: the first sum is on screen as
    // the clock starts.
    return seconds >= 0 && seconds <= length && right + wrong <= 2 * seconds + 1;
}

namespace {

// The account column of a line as written, quotes and all, without reading
// the rest into fields: a full log is 100,000 lines. Lines of older copies
// have none.
std::string_view accountOf(std::string_view line)
{
    std::size_t field = 0, start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const char c = i < line.size() ? line[i] : ',';
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == '\r' || c == '\n')) {
            if (field == AccountColumn) {
                std::string_view account = line.substr(start, i - start);
                if (account.size() >= 2 && account.front() == '"' && account.back() == '"')
                    account = account.substr(1, account.size() - 2);
                return account;
            }
            if (c != ',')
                break;
            ++field;
            start = i + 1;
        }
    }
    return {};
}

} // namespace

bool olderHeader(std::string_view text)
{
    return text == SettingsHeader || text == VerifiedHeader || text == AccountHeader ||
           text == OldHeader;
}

std::string withLine(std::string_view log, const std::string& added)
{
    for (std::string_view header : {std::string_view(Header), std::string_view(SettingsHeader),
                                    std::string_view(VerifiedHeader),
                                    std::string_view(AccountHeader), std::string_view(OldHeader)}) {
        if (log.substr(0, header.size()) == header) {
            log.remove_prefix(header.size());
            break;
        }
    }
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < log.size();) {
        const std::size_t end = log.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? log.size() : end + 1;
        lines.push_back(log.substr(at, next - at));
        at = next;
    }
    // A last line without its end gets one: the new line must not join it.
    const bool unended = !lines.empty() && lines.back().back() != '\n';
    lines.push_back(added);
    std::size_t total = std::strlen(Header) + (unended ? 2 : 0);
    for (std::string_view l : lines)
        total += l.size();
    std::vector<bool> dropped(lines.size(), false);
    if (total > MaxBytes) {
        // Each account's lines, oldest first, and its bytes, the new line's
        // included; the older copies' lines are the account "".
        std::map<std::string_view, std::deque<std::size_t>> oldestFirst;
        std::map<std::string_view, std::size_t> bytes;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string_view account = accountOf(lines[i]);
            if (i + 1 < lines.size())
                oldestFirst[account].push_back(i);
            bytes[account] += lines[i].size();
        }
        // A share of what the log keeps: above it all is taken at once, so
        // that the appends that follow are plain appends again.
        const std::size_t share = (MaxBytes - Room - std::strlen(Header)) / bytes.size();
        std::set<std::pair<std::size_t, std::string_view>> biggest;
        for (const auto& [account, held] : bytes) {
            if (held > share && !oldestFirst[account].empty())
                biggest.insert({held, account});
        }
        // The biggest share first, each down to an equal share at most.
        for (std::size_t need = total - (MaxBytes - Room); need > 0 && !biggest.empty();) {
            auto [held, account] = *biggest.rbegin();
            biggest.erase(std::prev(biggest.end()));
            const std::size_t i = oldestFirst[account].front();
            oldestFirst[account].pop_front();
            dropped[i] = true;
            need -= std::min(need, lines[i].size());
            held -= lines[i].size();
            if (held > share && !oldestFirst[account].empty())
                biggest.insert({held, account});
        }
    }
    std::string out = Header;
    out.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!dropped[i])
            out += lines[i];
        if (!dropped[i] && unended && i + 2 == lines.size())
            out += "\r\n";
    }
    return out;
}

} // namespace records::results
