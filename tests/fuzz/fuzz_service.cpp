// Any bytes as a request to the record service, after a start five minutes
// back: it takes only the end of a contest it could have been, with names of
// at most 60 characters without a control character, exactly as the game
// writes one, and carries that out in a shared folder (in memory, under
// /dev/shm): the record files then hold the score and the name's own
// spelling with CR LF when it beat no record, the journal is at rest, the log
// ends in the contest's whole line, and nothing is written anywhere else, in
// the folder or beside it.
#include "Request.h"
#include "Service.h"
#include "Transaction.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::set<std::string> names(const std::string& folder)
{
    std::set<std::string> found;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        std::abort();
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            found.insert(name);
    }
    closedir(dir);
    return found;
}

std::string contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void put(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

const std::set<std::string> Expected = {"corvalesta.gare", "corvalesta.journal", "corvalesta.lock",
                                        "nome-record.txt", "risultati.csv",      "risultati.tmp",
                                        "suc0000.txt",     "suc00000.txt"};

// The shared folder as the package makes it, with no record yet.
const std::string& folder()
{
    static const std::string path = [] {
        char base[] = "/dev/shm/corvalesta-fuzz-XXXXXX";
        if (!mkdtemp(base))
            std::abort();
        const std::string made = std::string(base) + "/corvalesta";
        if (mkdir(made.c_str(), 0775) != 0)
            std::abort();
        for (const std::string& name : Expected)
            put(made + "/" + name, "");
        return made;
    }();
    static const bool cleanedAtExit = [] {
        return std::atexit([] {
                   for (const std::string& name : Expected)
                       unlink((path + "/" + name).c_str());
                   rmdir(path.c_str());
                   rmdir(path.substr(0, path.rfind('/')).c_str());
               }) == 0;
    }();
    (void)cleanedAtExit;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace records;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string& shared = folder();
    put(shared + "/suc0000.txt", ""); // no record: any score above 0 is one
    put(shared + "/risultati.csv", "");
    put(shared + "/corvalesta.gare", ""); // no contest ended today yet
    constexpr std::time_t Started = 1765000000;
    service::answer(request::start(), shared, 1000, "-fuzz", Started);
    const auto outcome =
        request::parseReply(service::answer(input, shared, 1000, "-fuzz", Started + 300));
    if (!outcome)
        std::abort();
    auto request = request::parse(input);
    if (request && request::end(*request) != input) // one spelling of each request
        std::abort();
    if (!request || !request::settle(*request)) {
        if (outcome->status != request::Refused && outcome->status != request::NameTooLong)
            std::abort();
        return 0;
    }
    const bool better = request->candidate && request->right > 0;
    if (outcome->status != request::Written || outcome->recorded != better)
        std::abort();
    if (names(shared) != Expected || names(shared + "/..") != std::set<std::string>{"corvalesta"})
        std::abort();
    if (journal::decode(contents(shared + "/corvalesta.journal")))
        std::abort();
    if (better && (contents(shared + "/suc0000.txt") != std::to_string(request->right) + "\r\n" ||
                   contents(shared + "/suc00000.txt") != request->holder + "\r\n"))
        std::abort();
    // The log: the header and one line that reads back as the contest.
    const std::string log = contents(shared + "/risultati.csv");
    const std::string header = results::Header;
    if (log.compare(0, header.size(), header) != 0 || log.size() < header.size() + 2)
        std::abort();
    const auto entry = results::parse(log.substr(header.size(), log.size() - header.size() - 2));
    if (!entry || entry->name != request->name || entry->account != "-fuzz" ||
        entry->right != request->right || entry->record != better || !entry->verified)
        std::abort();
    return 0;
}
