#include "Numbers.h"

#include "LeadingNumber.h"

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

qsizetype scan(QStringView text, std::string& out)
{
    return qsizetype(
        scanNumber([&](std::size_t i) { return char32_t(text[qsizetype(i)].unicode()); },
                   std::size_t(text.size()), out));
}

} // namespace

double val(QStringView text)
{
    std::string s;
    scan(text, s);
    return toDouble(s);
}

std::optional<double> strict(QStringView text)
{
    std::string s;
    qsizetype end = scan(text, s);
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
