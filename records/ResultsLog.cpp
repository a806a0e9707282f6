#include "ResultsLog.h"

#include <cstdio>

namespace records::results {

std::string line(const Entry& entry)
{
    std::string name = entry.name;
    if (name.find_first_of(",\"") != std::string::npos) {
        std::string quoted = "\"";
        for (char c : name)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        name = quoted + '"';
    }
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ",%d,%d,%d,%d,%s\r\n", entry.right, entry.wrong,
                  entry.right + entry.wrong, entry.seconds, entry.record ? "sì" : "no");
    return entry.when + ',' + name + numbers;
}

std::string timestamp(std::time_t moment)
{
    std::tm local{};
    localtime_r(&moment, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff / 60;
    char zone[40];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+',
                  (offset < 0 ? -offset : offset) / 60, (offset < 0 ? -offset : offset) % 60);
    return std::string(text) + zone;
}

bool plainName(const std::string& name)
{
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 32 || c == 127)
            return false;
        // The length of the sequence this byte starts, and its least value.
        const int length = c < 0x80             ? 1
                           : (c & 0xE0) == 0xC0 ? 2
                           : (c & 0xF0) == 0xE0 ? 3
                           : (c & 0xF8) == 0xF0 ? 4
                                                : 0;
        if (length == 0 || i + std::size_t(length) > name.size())
            return false;
        unsigned value = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(name[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        static constexpr unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += std::size_t(length);
    }
    return true;
}

} // namespace records::results
