#include "NameRule.h"

#include "Cp1252Table.h"
#include "GameRules.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace records::names {

namespace {

struct Range {
    char32_t first, last;
};

// Unicode's format characters (Cf) and the C1 controls, as of Unicode 15.
constexpr Range Invisible[] = {
    {0x0080, 0x009F},   {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},
    {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},
    {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},
    {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
    {0xE0001, 0xE0001}, {0xE0020, 0xE007F}};
// Spaces, line and paragraph separators other than the plain blank.
constexpr Range Spaces[] = {{0x0009, 0x000D}, {0x0085, 0x0085}, {0x00A0, 0x00A0},
                            {0x1680, 0x1680}, {0x2000, 0x200A}, {0x2028, 0x2029},
                            {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000}};

template <std::size_t N> bool within(const Range (&ranges)[N], char32_t c)
{
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

} // namespace

std::vector<char32_t> codePoints(std::string_view text)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80             ? 1
                           : (c & 0xE0) == 0xC0 ? 2
                           : (c & 0xF0) == 0xE0 ? 3
                           : (c & 0xF8) == 0xF0 ? 4
                                                : 0;
        char32_t value = length <= 1 ? c : c & (0x7F >> length);
        bool valid = length > 0 && i + std::size_t(length) <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            valid = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && value >= least[length] && value <= 0x10FFFF &&
                (value < 0xD800 || value > 0xDFFF);
        out.push_back(valid ? value : 0);
        i += valid ? std::size_t(length) : 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string clean(std::string_view utf8)
{
    std::vector<char32_t> kept;
    for (const char32_t c : codePoints(utf8)) {
        if (within(Spaces, c))
            kept.push_back(U' ');
        else if (c == U';')
            kept.push_back(U',');
        else if (c != 0 && !rules::isControl(unsigned(c)) && !within(Invisible, c))
            kept.push_back(c);
    }
    const auto first = std::find_if(kept.begin(), kept.end(), [](char32_t c) { return c != U' '; });
    const auto last =
        std::find_if(kept.rbegin(), kept.rend(), [](char32_t c) { return c != U' '; });
    std::string out;
    std::size_t count = 0;
    for (auto it = first; it < last.base() && count < rules::MaxNameChars; ++it, ++count)
        appendUtf8(out, *it);
    // A cut may leave a blank at the end.
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::optional<std::string> spelling(std::string_view utf8)
{
    std::string out;
    for (const char32_t c : codePoints(utf8)) {
        const auto high = std::find(cp1252::High.begin(), cp1252::High.end(), c);
        if (c != 0 && (c < 0x80 || (c >= 0xA0 && c <= 0xFF)))
            out += char(c);
        else if (c >= 0x100 && high != cp1252::High.end())
            out += char(0x80 + (high - cp1252::High.begin()));
        else
            return std::nullopt;
    }
    return out;
}

} // namespace records::names
