#include "WriterRequest.h"

#include <algorithm>

namespace records::writer {

std::optional<Request> parse(std::string_view input)
{
    Request request;
    if (input.empty()) {
        request.finishOnly = true;
        return request;
    }
    const std::size_t end = input.find('\n');
    // Exactly two lines: the second may be empty, nothing may follow it.
    if (end == std::string_view::npos || input.size() < end + 2 || input.back() != '\n')
        return std::nullopt;
    const std::string_view score = input.substr(0, end);
    const std::string_view name = input.substr(end + 1, input.size() - end - 2);
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (score.empty() || score.size() > 5 || !std::all_of(score.begin(), score.end(), digit))
        return std::nullopt;
    if (name.size() > MaxName || name.find_first_of(std::string_view("\r\n\0", 3)) != name.npos)
        return std::nullopt;
    for (char c : score)
        request.score = request.score * 10 + (c - '0');
    request.lines = {std::string(score) + "\r\n", std::string(name) + "\r\n"};
    return request;
}

} // namespace records::writer
