#include "WriterRequest.h"

#include "LeadingNumber.h"
#include "RecordStore.h"

#include <algorithm>
#include <cerrno>
#include <new>

namespace records::writer {

std::optional<Request> parse(std::string_view input, Status* refusal)
{
    const auto refuse = [refusal](Status status) {
        if (refusal)
            *refusal = status;
        return std::nullopt;
    };
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
        bool written = false;
        if (request.score > numbers::leadingNumber(store.read(false).score)) {
            store.save(request.lines);
            written = true;
        }
        store.close();
        return written ? Written : NotBetter;
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
