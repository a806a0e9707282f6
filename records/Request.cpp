#include "Request.h"

#include "Cause.h"
#include "NameFile.h"
#include "NameRule.h"
#include "ResultsLog.h"
#include "Settings.h"

#include <algorithm>
#include <cstdlib>

namespace records::request {

namespace {

constexpr std::string_view Marker = "corvalesta fine 1";
// A contest of another setting than the default.
constexpr std::string_view SetMarker = "corvalesta fine 2";
constexpr std::size_t Fields = 7;
constexpr std::size_t SetFields = Fields + 3;
// With the wrong answers and the crossings.
constexpr std::string_view MissMarker = "corvalesta fine 3";
constexpr std::size_t MissFields = SetFields + 2;
// The kinds of play a contest can be: "entrambi" is a choice, not a contest.
constexpr std::string_view ContestPlay = "gara";
constexpr std::string_view PracticePlay = "allenamento";

bool control(char c)
{
    return rules::isControl(static_cast<unsigned char>(c));
}

} // namespace

std::string end(const Contest& c)
{
    // The default's request is the one every copy of the service knows.
    const Contest defaults;
    const bool set =
        c.upTo != defaults.upTo || c.minutes != defaults.minutes || c.practice || c.crossed;
    const std::string_view marker = c.crossed ? MissMarker : set ? SetMarker : Marker;
    std::string text = std::string(marker) + '\n' + std::to_string(c.right) + '\n' +
                       std::to_string(c.wrong) + '\n' + std::to_string(c.seconds) + '\n' +
                       (c.candidate ? "1\n" : "0\n") + c.holder + '\n' + c.name + '\n';
    if (set)
        text += std::to_string(c.upTo) + '\n' + std::to_string(c.minutes) + '\n' +
                std::string(c.practice ? PracticePlay : ContestPlay) + '\n';
    if (c.crossed) {
        text += results::missesText(c.misses) + '\n';
        for (int k = results::Ten; k < results::Crossings; ++k)
            text += std::to_string(c.crossed->shown[k]) + ' ' +
                    std::to_string(c.crossed->wrong[k]) + (k + 1 < results::Crossings ? ' ' : '\n');
    }
    return text;
}

std::string saveSettings(std::string_view text)
{
    return std::string(SettingsMarker) + '\n' + std::string(text);
}

namespace {

// The text after a marker line, of at most most bytes.
std::optional<std::string_view> textAfter(std::string_view marker, std::string_view input,
                                          std::size_t most)
{
    const std::size_t end = input.find('\n');
    if (end == std::string_view::npos || input.substr(0, end) != marker ||
        input.size() - end - 1 > most)
        return std::nullopt;
    return input.substr(end + 1);
}

} // namespace

std::optional<std::string_view> settingsOf(std::string_view input)
{
    return textAfter(SettingsMarker, input, MaxSettings);
}

static_assert(settings::MaxClassBytes <= MaxSettings, "a class list's request fits");

std::string saveClass(std::string_view text)
{
    return std::string(ClassMarker) + '\n' + std::string(text);
}

std::optional<std::string_view> classOf(std::string_view input)
{
    return textAfter(ClassMarker, input, settings::MaxClassBytes);
}

std::string start()
{
    return std::string(StartMarker) + '\n';
}

std::optional<Contest> parse(std::string_view input, Status* refusal)
{
    const auto refuse = [refusal](Status status) {
        if (refusal)
            *refusal = status;
        return std::nullopt;
    };
    std::string_view f[MissFields];
    std::size_t count = 0;
    for (; count < MissFields && !input.empty(); ++count) {
        const std::size_t end = input.find('\n');
        if (end == std::string_view::npos)
            return refuse(Refused);
        f[count] = input.substr(0, end);
        input.remove_prefix(end + 1);
    }
    const bool missed = count == MissFields && f[0] == MissMarker;
    const bool set = missed || (count == SetFields && f[0] == SetMarker);
    if (!input.empty() || (!set && (count != Fields || f[0] != Marker)) ||
        (f[4] != "0" && f[4] != "1"))
        return refuse(Refused);
    Contest c{results::number(f[1]), results::number(f[2]), results::number(f[3]),
              f[4] == "1",           std::string(f[5]),     std::string(f[6])};
    if (set) {
        c.upTo = results::number(f[7]);
        c.minutes = results::number(f[8]);
        c.practice = f[9] == PracticePlay;
        if ((!c.practice && f[9] != ContestPlay) || !settings::known(c.upTo, c.minutes) ||
            (c.practice && c.candidate))
            return refuse(Refused);
    }
    if (missed) {
        const auto misses = results::missesOf(f[10]);
        results::Crossed crossed;
        int* counts[] = {&crossed.shown[0], &crossed.wrong[0], &crossed.shown[1],
                         &crossed.wrong[1], &crossed.shown[2], &crossed.wrong[2]};
        std::string_view rest = f[11];
        for (int* count : counts) {
            const std::size_t blank = std::min(rest.find(' '), rest.size());
            *count = results::number(rest.substr(0, blank));
            rest.remove_prefix(std::min(blank + 1, rest.size()));
            if (*count < 0)
                return refuse(Refused);
        }
        if (!misses || !rest.empty() || f[11].back() == ' ')
            return refuse(Refused);
        c.misses = *misses;
        c.crossed = crossed;
        results::Entry entry;
        entry.right = c.right;
        entry.wrong = c.wrong;
        entry.upTo = c.upTo;
        entry.misses = c.misses;
        entry.crossed = c.crossed;
        if (!results::fits(entry))
            return refuse(Refused);
    }
    // Counted against the contest's own length; practice has none.
    const int length = c.practice ? results::LongestPractice : c.minutes * 60;
    if (c.right < 0 || c.wrong < 0 || !results::playable(c.right, c.wrong, c.seconds, length))
        return refuse(Refused);
    // A control character would break the holder file's one line.
    if (std::any_of(c.holder.begin(), c.holder.end(), control) || !results::plainName(c.name))
        return refuse(Refused);
    if (c.holder.size() > rules::MaxNameChars || results::characters(c.name) > rules::MaxNameChars)
        return refuse(NameTooLong);
    return c;
}

bool settle(Contest& c)
{
    c.name = names::clean(c.name);
    if (const auto own = names::spelling(c.name)) {
        c.holder = *own;
        return true;
    }
    // A spelling in Latin letters: plain ASCII, or letters of the name itself.
    const std::string spelled = names::clean(names::utf8(c.holder));
    if (spelled.empty() || !names::spelling(spelled))
        return false;
    const std::vector<char32_t> own = names::codePoints(c.name);
    for (const char32_t letter : names::codePoints(spelled)) {
        if (letter >= 0x80 && std::find(own.begin(), own.end(), letter) == own.end())
            return false;
    }
    c.holder = *names::spelling(spelled);
    return true;
}

std::string reply(const Outcome& o)
{
    return std::to_string(o.status) + (o.recorded ? " 1\n" : " 0\n") + o.failure.name + '\n' +
           std::to_string(o.failure.error) + '\n';
}

std::string refusal()
{
    Outcome refused;
    refused.status = Refused;
    return reply(refused);
}

std::optional<Outcome> parseReply(std::string_view text)
{
    Outcome o;
    const std::size_t first = text.find('\n'), second = text.find('\n', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos || text.size() < 4 ||
        text.back() != '\n')
        return std::nullopt;
    const std::string_view head = text.substr(0, first);
    const std::size_t blank = head.find(' ');
    const std::string_view error = text.substr(second + 1, text.size() - second - 2);
    o.status = results::number(head.substr(0, blank));
    o.recorded = blank != std::string_view::npos && head.substr(blank + 1) == "1";
    o.failure = {std::string(text.substr(first + 1, second - first - 1)),
                 error.empty() ? 0 : std::atoi(std::string(error).c_str())};
    if (o.status < 0 || blank == std::string_view::npos)
        return std::nullopt;
    return o;
}

Outcome failed(const Failure& failure)
{
    return {Failed + int(causeOf(failure.error)), false, failure};
}

} // namespace records::request
