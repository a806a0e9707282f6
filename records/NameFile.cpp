#include "NameFile.h"

#include "Cp1252Table.h"
#include "NameRule.h"

#include <algorithm>
#include <utility>

namespace records::names {

namespace {

// A file's one line, without its line end.
std::string line(const std::string& bytes)
{
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

} // namespace

std::string utf8(const std::string& cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char b : cp1252) {
        const auto byte = static_cast<unsigned char>(b);
        appendUtf8(out, byte >= 0x80 && byte <= 0x9F ? cp1252::High[byte - 0x80] : char16_t(byte));
    }
    return out;
}

std::string text(const std::string& score, const std::string& holder, const std::string& name,
                 const std::string& account)
{
    const std::string three = name + '\n' + line(score) + '\n' + utf8(line(holder)) + '\n';
    return account.empty() ? three : three + account + '\n';
}

namespace {

// The name file's whole name and account, when it goes with the pair.
std::pair<std::string, std::string> parts(const Pair& pair)
{
    const std::size_t first = pair.name.find('\n');
    if (first == 0 || first == std::string::npos)
        return {};
    const std::string name = pair.name.substr(0, first);
    const std::string three = text(pair.score, pair.holder, name);
    if (pair.name == three)
        return {name, {}};
    const std::string rest = pair.name.substr(std::min(three.size(), pair.name.size()));
    if (pair.name.compare(0, three.size(), three) != 0 || rest.size() < 2 ||
        rest.find('\n') != rest.size() - 1)
        return {};
    return {name, rest.substr(0, rest.size() - 1)};
}

} // namespace

std::string whole(const Pair& pair)
{
    return parts(pair).first;
}

std::string account(const Pair& pair)
{
    return parts(pair).second;
}

} // namespace records::names
