#include "Journal.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace records::journal {

namespace {

constexpr char Magic[] = "corvalesta journal 1\n";

// FNV-1a: enough to tell a whole journal from one torn by a power cut.
std::uint64_t checksum(const std::string& a, const std::string& b)
{
    std::uint64_t h = 14695981039346656037ull;
    for (const std::string* part : {&a, &b}) {
        for (unsigned char c : *part)
            h = (h ^ c) * 1099511628211ull;
        h = (h ^ 0xFF) * 1099511628211ull; // keeps "ab"+"c" apart from "a"+"bc"
    }
    return h;
}

// Reads a number ending at the given character; nothing on anything else.
template <typename T>
std::optional<T> number(const std::string& s, std::size_t& at, char end, int base)
{
    T value{};
    const char* first = s.data() + at;
    const char* last = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, base);
    if (ec != std::errc() || ptr == first || ptr == last || *ptr != end)
        return std::nullopt;
    at = std::size_t(ptr - s.data()) + 1;
    return value;
}

} // namespace

std::string encode(const Pair& pair)
{
    char line[64];
    std::snprintf(line, sizeof line, "%zu %zu %016llx\n", pair.score.size(), pair.holder.size(),
                  static_cast<unsigned long long>(checksum(pair.score, pair.holder)));
    return Magic + std::string(line) + pair.score + pair.holder;
}

std::optional<Pair> decode(const std::string& bytes)
{
    const std::string magic = Magic;
    if (bytes.compare(0, magic.size(), magic) != 0)
        return std::nullopt;
    std::size_t at = magic.size();
    const auto scoreSize = number<std::size_t>(bytes, at, ' ', 10);
    const auto holderSize = scoreSize ? number<std::size_t>(bytes, at, ' ', 10) : std::nullopt;
    const auto sum = holderSize ? number<std::uint64_t>(bytes, at, '\n', 16) : std::nullopt;
    if (!sum || *scoreSize > MaxPart || *holderSize > MaxPart ||
        bytes.size() - at != *scoreSize + *holderSize)
        return std::nullopt;
    Pair pair{bytes.substr(at, *scoreSize), bytes.substr(at + *scoreSize)};
    if (checksum(pair.score, pair.holder) != *sum)
        return std::nullopt;
    return pair;
}

} // namespace records::journal
