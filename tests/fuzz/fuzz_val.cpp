// Any text a child could paste, or a record file could hold, read as a number.
#include "Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double lenient = numbers::val(text);
    if (std::isnan(lenient))
        std::abort(); // a leading number or 0, never "not a number"
    if (const auto whole = numbers::strict(text)) {
        // What spells a whole number also leads with it.
        if (!std::isnan(*whole) && *whole != lenient && std::isfinite(*whole))
            std::abort();
    }
    if (const auto rounded = numbers::roundToInt16(lenient)) {
        if (std::fabs(double(*rounded) - lenient) > 0.5)
            std::abort();
    }
    return 0;
}
