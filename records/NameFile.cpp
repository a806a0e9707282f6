#include "NameFile.h"

#include "Cp1252Table.h"

namespace records::names {

namespace {

// A file's one line, without its line end.
std::string line(const std::string& bytes)
{
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

void append(std::string& out, char16_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string utf8(const std::string& cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char b : cp1252) {
        const auto byte = static_cast<unsigned char>(b);
        append(out, byte >= 0x80 && byte <= 0x9F ? cp1252::High[byte - 0x80] : char16_t(byte));
    }
    return out;
}

std::string text(const std::string& score, const std::string& holder, const std::string& name)
{
    return name + '\n' + line(score) + '\n' + utf8(line(holder)) + '\n';
}

std::string whole(const Pair& pair)
{
    const std::size_t first = pair.name.find('\n');
    if (first == 0 || first == std::string::npos)
        return {};
    const std::string name = pair.name.substr(0, first);
    return text(pair.score, pair.holder, name) == pair.name ? name : std::string();
}

} // namespace records::names
