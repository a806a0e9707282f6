#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// Number formatting and conversion as the game's texts need them.
namespace numbers {

// Patterns "00" (at least two digits), "#0", "###0", "####0" (plain digits).
// The count of '0' in the pattern is the minimum number of digits.
QString format(double value, QStringView pattern);

// The leading decimal number of the text, blanks ignored; 0 when there is none.
// A number too large for a double gives infinity.
double val(QStringView text);

// The number the whole text spells, or nothing when it spells none.
std::optional<double> strict(QStringView text);

// Nearest 16-bit integer (halves to even); nothing when out of range or NaN.
std::optional<std::int16_t> roundToInt16(double value);

// 16-bit addition; nothing on overflow.
std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b);

} // namespace numbers
