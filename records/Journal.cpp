#include "Journal.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <initializer_list>
#include <sys/random.h>
#include <unistd.h>

namespace records::journal {

namespace {

// Version 1, from older copies, has no name file's part.
constexpr char Magic1[] = "corvalesta journal 1\n";
constexpr char Magic[] = "corvalesta journal 2\n";

// FNV-1a: enough to tell a whole journal from one torn by a power cut.
std::uint64_t checksum(std::initializer_list<const std::string*> parts)
{
    std::uint64_t h = 14695981039346656037ull;
    for (const std::string* part : parts) {
        for (unsigned char c : *part)
            h = (h ^ c) * 1099511628211ull;
        h = (h ^ 0xFF) * 1099511628211ull; // keeps "ab"+"c" apart from "a"+"bc"
    }
    return h;
}

// Reads a part's size, a decimal number ending in a blank, past at.
bool size(const std::string& s, std::size_t& at, std::size_t& value)
{
    const char* first = s.data() + at;
    const char* last = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr == first || ptr == last || *ptr != ' ' || value > MaxPart)
        return false;
    at = std::size_t(ptr - s.data()) + 1;
    return true;
}

} // namespace

namespace {

std::string encode(const Pair& pair, bool withName)
{
    const std::uint64_t sum = withName ? checksum({&pair.score, &pair.holder, &pair.name})
                                       : checksum({&pair.score, &pair.holder});
    std::string sizes =
        std::to_string(pair.score.size()) + ' ' + std::to_string(pair.holder.size());
    if (withName)
        sizes += ' ' + std::to_string(pair.name.size());
    char hex[24];
    std::snprintf(hex, sizeof hex, " %016llx\n", static_cast<unsigned long long>(sum));
    return (withName ? Magic : Magic1) + sizes + hex + pair.score + pair.holder +
           (withName ? pair.name : std::string());
}

} // namespace

std::string encode(const Pair& pair)
{
    return encode(pair, true);
}

std::optional<Pair> decode(const std::string& bytes)
{
    const bool withName = bytes.compare(0, sizeof Magic - 1, Magic) == 0;
    if (!withName && bytes.compare(0, sizeof Magic1 - 1, Magic1) != 0)
        return std::nullopt;
    std::size_t at = sizeof Magic - 1;
    std::size_t sizes[3] = {0, 0, 0};
    for (int i = 0; i < (withName ? 3 : 2); ++i) {
        if (!size(bytes, at, sizes[i]))
            return std::nullopt;
    }
    const std::size_t body = bytes.find('\n', at);
    if (body == std::string::npos || bytes.size() - body - 1 != sizes[0] + sizes[1] + sizes[2])
        return std::nullopt;
    Pair pair{bytes.substr(body + 1, sizes[0]), bytes.substr(body + 1 + sizes[0], sizes[1]),
              bytes.substr(body + 1 + sizes[0] + sizes[1])};
    // Whole only if it is exactly what a save writes, checksum included.
    if (encode(pair, withName) != bytes)
        return std::nullopt;
    return pair;
}

std::string restMark()
{
    std::uint64_t mark = 0;
    if (getrandom(&mark, sizeof mark, GRND_NONBLOCK) != ssize_t(sizeof mark)) {
        // Early at boot: the clock and the process still tell two saves apart.
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        mark = std::uint64_t(now.tv_sec) * 1000000000u + std::uint64_t(now.tv_nsec);
        mark ^= std::uint64_t(getpid()) << 40;
    }
    char line[64];
    std::snprintf(line, sizeof line, "corvalesta journal 1 at rest %016llx\n",
                  static_cast<unsigned long long>(mark));
    return line;
}

} // namespace records::journal
