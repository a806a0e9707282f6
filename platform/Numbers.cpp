#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numbers {

QString format(double value, QStringView pattern)
{
    const int minDigits = int(pattern.count(u'0'));
    const double rounded = std::round(value);
    QString digits = QString::number(std::fabs(rounded), 'f', 0);
    if (digits.size() < minDigits)
        digits.prepend(QString(minDigits - digits.size(), u'0'));
    return rounded < 0 ? u'-' + digits : digits;
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Collects the leading number's characters with blanks removed, as ASCII.
// Returns the index just past what was read.
qsizetype scanNumber(QStringView text, std::string& out)
{
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    const auto digits = [&] {
        qsizetype n = 0;
        for (skipBlanks(); i < text.size() && isDigit(text[i]); skipBlanks(), ++n)
            out.push_back(char(text[i++].unicode()));
        return n;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            out.push_back('-');
        ++i;
    }
    qsizetype mantissa = digits();
    if (i < text.size() && text[i] == u'.') {
        ++i;
        out.push_back('.');
        mantissa += digits();
    }
    if (mantissa == 0) {
        out.clear();
        return i;
    }
    if (i < text.size() && QStringView(u"eEdD").contains(text[i])) {
        const qsizetype mark = i;
        const std::size_t outMark = out.size();
        ++i;
        out.push_back('e');
        skipBlanks();
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            out.push_back(char(text[i++].unicode()));
        if (digits() == 0) {
            i = mark;
            out.resize(outMark);
        }
    }
    return i;
}

double toDouble(const std::string& s)
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

} // namespace

double val(QStringView text)
{
    std::string s;
    scanNumber(text, s);
    return toDouble(s);
}

std::optional<double> strict(QStringView text)
{
    std::string s;
    qsizetype end = scanNumber(text, s);
    while (end < text.size() && isBlank(text[end]))
        ++end;
    if (s.empty() || end != text.size())
        return std::nullopt;
    return toDouble(s);
}

std::optional<std::int16_t> roundToInt16(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b)
{
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<std::int16_t>::min() ||
        sum > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(sum);
}

} // namespace numbers
