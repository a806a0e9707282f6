// Formatting any value with any pattern: the result always has at least as
// many digits as the pattern has zeros.
#include "Numbers.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const QString pattern = QString::fromUtf8(reinterpret_cast<const char*>(data) + sizeof value,
                                              qsizetype(size - sizeof value));
    const QString shown = numbers::format(value, pattern);
    if (std::isfinite(value) && value >= 0 && value < 1e15) {
        qsizetype digits = 0;
        for (QChar c : shown)
            digits += c.isDigit();
        if (digits < pattern.count(u'0'))
            std::abort();
    }
    return 0;
}
