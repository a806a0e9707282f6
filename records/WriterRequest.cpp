#include "WriterRequest.h"

#include "LeadingNumber.h"
#include "RecordStore.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <new>

namespace records::writer {

namespace {

// A count of 0 to 32767 in plain digits; -1 otherwise.
int count(std::string_view text)
{
    if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == '0'))
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= 32767 ? value : -1;
}

std::optional<Request> parseResult(std::string_view input, Status* refusal)
{
    const auto refuse = [refusal](Status status) {
        if (refusal)
            *refusal = status;
        return std::nullopt;
    };
    std::string_view fields[7];
    for (std::string_view& field : fields) {
        const std::size_t end = input.find('\n');
        if (end == std::string_view::npos)
            return refuse(Refused);
        field = input.substr(0, end);
        input.remove_prefix(end + 1);
    }
    if (!input.empty() || fields[0] != "risultato")
        return refuse(Refused);
    const std::string name(fields[1]);
    if (!results::plainName(name))
        return refuse(Refused);
    if (name.size() > MaxName)
        return refuse(NameTooLong);
    const int right = count(fields[2]), wrong = count(fields[3]), total = count(fields[4]);
    const int seconds = count(fields[5]);
    if (right < 0 || wrong < 0 || total != right + wrong || seconds < 0 || seconds > 300 ||
        (fields[6] != "0" && fields[6] != "1"))
        return refuse(Refused);
    Request request;
    request.result = true;
    request.entry = {"", name, right, wrong, seconds, fields[6] == "1"};
    return request;
}

} // namespace

std::optional<Request> parse(std::string_view input, Status* refusal)
{
    const auto refuse = [refusal](Status status) {
        if (refusal)
            *refusal = status;
        return std::nullopt;
    };
    if (input.substr(0, 10) == "risultato\n")
        return parseResult(input, refusal);
    const std::size_t end = input.find('\n');
    // Exactly two lines: the second may be empty, nothing may follow it.
    if (end == std::string_view::npos || input.size() < end + 2 || input.back() != '\n')
        return refuse(Refused);
    const std::string_view score = input.substr(0, end);
    const std::string_view name = input.substr(end + 1, input.size() - end - 2);
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (score.empty() || score.size() > 5 || !std::all_of(score.begin(), score.end(), digit))
        return refuse(Refused);
    // A control character would break the holder file's one line.
    const auto control = [](char c) { return (unsigned char)c < 32 || c == 127; };
    if (std::any_of(name.begin(), name.end(), control))
        return refuse(Refused);
    if (name.size() > MaxName)
        return refuse(NameTooLong);
    Request request;
    for (char c : score)
        request.score = request.score * 10 + (c - '0');
    request.lines = {std::string(score) + "\r\n", std::string(name) + "\r\n"};
    return request;
}

namespace {

// Runs work on the shared folder; every failure becomes Failed plus its cause.
template <typename Work> int guarded(Failure& failure, Work work)
{
    try {
        return work();
    } catch (const StoreError& error) {
        failure = {error.name, error.error};
    } catch (const std::bad_alloc&) {
        failure = {"", ENOMEM};
    } catch (...) {
        failure = {"", 0};
    }
    return Failed + int(causeOf(failure.error));
}

} // namespace

int carryOut(const Request& request, const std::string& folder, Failure& failure)
{
    return guarded(failure, [&] {
        RecordStore store(folder, RecordStore::Mode::Shared);
        store.lock();
        store.recover();
        if (request.result) {
            // A record it claims must be the one the folder holds.
            if (request.entry.record &&
                numbers::leadingNumber(store.read(false).score) != request.entry.right)
                return int(Refused);
            results::Entry entry = request.entry;
            entry.when = results::timestamp(std::time(nullptr));
            const bool kept = store.appendResult(results::line(entry));
            store.close();
            return int(kept ? Written : NotKept);
        }
        bool written = false;
        if (request.score > numbers::leadingNumber(store.read(false).score)) {
            store.save(request.lines);
            written = true;
        }
        store.close();
        return int(written ? Written : NotBetter);
    });
}

int reset(const std::string& folder, Failure& failure)
{
    return guarded(failure, [&] {
        RecordStore store(folder, RecordStore::Mode::Shared);
        store.reset();
        store.close();
        return Written;
    });
}

} // namespace records::writer
