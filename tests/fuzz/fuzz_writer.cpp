// Any bytes on the record writer's standard input: it takes only a score of
// 1 to 5 digits and a name line of at most 4,096 bytes without CR or NUL,
// and what it would store is exactly those lines with CR LF.
#include "WriterRequest.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto request = records::writer::parse(input);
    if (!request)
        return 0;
    if (request->finishOnly) {
        if (!input.empty())
            std::abort();
        return 0;
    }
    const std::string& score = request->lines.score;
    const std::string& holder = request->lines.holder;
    // The stored lines are the input's, CR LF for LF, and nothing else.
    if (score.size() < 3 || score.size() > 7 || holder.size() > records::writer::MaxName + 2)
        std::abort();
    if (score.substr(0, score.size() - 2) + "\n" + holder.substr(0, holder.size() - 2) + "\n" !=
        input)
        std::abort();
    if (holder.find_first_of(std::string("\r\n\0", 3)) != holder.size() - 2)
        std::abort();
    if (request->score < 0 || request->score > 99999)
        std::abort();
    return 0;
}
