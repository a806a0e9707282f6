#include "WriterRequest.h"

#include "LeadingNumber.h"
#include "RecordStore.h"

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

int carryOut(const Request& request, const std::string& folder, std::string& failed)
{
    try {
        RecordStore store(folder, RecordStore::Mode::Shared);
        store.lock();
        store.recover();
        bool written = false;
        if (!request.finishOnly &&
            request.score > numbers::leadingNumber(store.read(false).score)) {
            store.save(request.lines);
            written = true;
        }
        store.close();
        return written ? Written : NotBetter;
    } catch (const StoreError& error) {
        failed = error.name;
        return Failed + int(error.cause);
    }
}

} // namespace records::writer
