#pragma once

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// The leading decimal number of a text, as the game's Val reads it: blanks
// anywhere ignored, a sign, a fraction and an exponent allowed. Plain C++, so
// that the record service reads a stored score as the game does.
namespace numbers {

// Collects the leading number's characters with blanks removed, as ASCII;
// at(i) gives the i-th character's code. Returns the index just past what
// was read.
template <typename At> std::size_t scanNumber(At at, std::size_t size, std::string& out)
{
    std::size_t i = 0;
    const auto isBlank = [](char32_t c) { return c == U' ' || c == U'\t' || c == U'\n'; };
    const auto isDigit = [](char32_t c) { return c >= U'0' && c <= U'9'; };
    const auto skipBlanks = [&] {
        while (i < size && isBlank(at(i)))
            ++i;
    };
    const auto digits = [&] {
        std::size_t n = 0;
        for (skipBlanks(); i < size && isDigit(at(i)); skipBlanks(), ++n)
            out.push_back(char(at(i++)));
        return n;
    };
    skipBlanks();
    if (i < size && (at(i) == U'+' || at(i) == U'-')) {
        if (at(i) == U'-')
            out.push_back('-');
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < size && at(i) == U'.') {
        ++i;
        out.push_back('.');
        mantissa += digits();
    }
    if (mantissa == 0) {
        out.clear();
        return i;
    }
    if (i < size && std::u32string_view(U"eEdD").find(at(i)) != std::u32string_view::npos) {
        const std::size_t mark = i;
        const std::size_t outMark = out.size();
        ++i;
        out.push_back('e');
        skipBlanks();
        if (i < size && (at(i) == U'+' || at(i) == U'-'))
            out.push_back(char(at(i++)));
        if (digits() == 0) {
            i = mark;
            out.resize(outMark);
        }
    }
    return i;
}

// The number scanNumber collected; beyond a double's range, infinity or 0.
inline double toDouble(const std::string& s)
{
    if (s.empty())
        return 0.0;
    double result = 0.0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), result);
    if (ec == std::errc::result_out_of_range) {
        // Either far too large or far too small for a double.
        const auto e = s.find('e');
        const bool tiny = e != std::string::npos && s.find('-', e) != std::string::npos;
        const bool negative = s.front() == '-';
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return result;
}

// The leading number of bytes in a record file.
inline double leadingNumber(std::string_view bytes)
{
    std::string s;
    scanNumber([&](std::size_t i) { return char32_t(static_cast<unsigned char>(bytes[i])); },
               bytes.size(), s);
    return toDouble(s);
}

} // namespace numbers
