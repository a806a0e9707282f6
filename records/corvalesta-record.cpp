// corvalesta-record: saves the computer's record in the shared folder for
// whoever plays. Installed set-group-id games; it trusts nothing it is given:
// its input is checked strictly, its environment is cleared, it opens only
// the two record files and its journal inside that one folder, never through
// a link, makes no file, and gives up the group as soon as the files are
// written.
// Reads the request on standard input; see WriterRequest.h for the format
// and the exit status.
#include "RecordStore.h"
#include "WriterRequest.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace records;

namespace {

// The whole request, or nothing when it is longer than any request can be.
bool readInput(std::string& input)
{
    char buffer[512];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        input.append(buffer, std::size_t(n));
        if (input.size() > writer::MaxInput)
            return false;
    }
}

bool dropGroup()
{
    const gid_t own = getgid();
    return setresgid(own, own, own) == 0;
}

} // namespace

int main()
{
    clearenv();
    umask(002); // the files stay writable by the group, readable by all

    std::string input;
    const auto request = readInput(input) ? writer::parse(input) : std::nullopt;
    if (!request) {
        dropGroup();
        return writer::Refused;
    }
    std::string failed;
    const int status = writer::carryOut(*request, CORVALESTA_SHARED_DIR, failed);
    if (!dropGroup())
        return writer::Failed + int(Cause::Other);
    if (status >= writer::Failed)
        std::printf("%s\n", failed.c_str());
    return status;
}
