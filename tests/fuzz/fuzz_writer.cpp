// Any bytes on the record writer's standard input: it takes only a score of
// 1 to 5 digits and a name line of at most 4,096 bytes without a control
// character, and carries that out in a shared folder (in memory, under
// /dev/shm): the files then hold exactly those lines with CR LF, the journal
// is at rest, and nothing is written anywhere else, in the folder or beside it.
#include "WriterRequest.h"

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

const std::set<std::string> Expected = {"corvalesta.journal", "corvalesta.lock", "risultati.csv",
                                        "risultati.tmp",      "suc0000.txt",     "suc00000.txt"};

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
        for (const char* name : {"suc0000.txt", "suc00000.txt", "corvalesta.journal",
                                 "corvalesta.lock", "risultati.csv", "risultati.tmp"})
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
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto request = records::writer::parse(input);
    if (!request)
        return 0;
    const std::string& shared = folder();
    if (request->result) {
        // A contest: one whole line at the log's end, or a refused claim.
        put(shared + "/risultati.csv", "");
        records::writer::Failure failed;
        const int status = records::writer::carryOut(*request, shared, failed);
        const std::string added = records::results::line(request->entry);
        const std::string log = contents(shared + "/risultati.csv");
        const bool whole = log.size() >= added.size() &&
                           log.compare(log.size() - added.size(), added.size(), added) == 0;
        if (status == records::writer::Refused ? !log.empty() || !request->entry.record
                                               : status != records::writer::Written || !whole)
            std::abort();
        if (names(shared) != Expected)
            std::abort();
        return 0;
    }
    const std::string& score = request->lines.score;
    const std::string& holder = request->lines.holder;
    const auto control = [](char c) { return (unsigned char)c < 32 || c == 127; };
    // The stored lines are the input's, CR LF for LF, and nothing else.
    if (score.size() < 3 || score.size() > 7 || holder.size() > records::writer::MaxName + 2 ||
        score.substr(0, score.size() - 2) + "\n" + holder.substr(0, holder.size() - 2) + "\n" !=
            input ||
        std::count_if(holder.begin(), holder.end(), control) != 2)
        std::abort();
    put(shared + "/suc0000.txt", ""); // no record: any score above 0 is one
    records::writer::Failure failed;
    const int status = records::writer::carryOut(*request, shared, failed);
    const bool better = request->score > 0;
    if (status != (better ? records::writer::Written : records::writer::NotBetter))
        std::abort();
    if (names(shared) != Expected || names(shared + "/..") != std::set<std::string>{"corvalesta"})
        std::abort();
    if (records::journal::decode(contents(shared + "/corvalesta.journal")))
        std::abort();
    if (better && (contents(shared + "/suc0000.txt") != request->lines.score ||
                   contents(shared + "/suc00000.txt") != request->lines.holder))
        std::abort();
    return 0;
}
