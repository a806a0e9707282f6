// corvalesta-record: saves the computer's record in the shared folder for
// whoever plays. Installed set-group-id games; it trusts nothing it is given:
// its input is checked strictly, its environment is cleared, it opens only
// the record files, the journal and the lock inside that one folder, never
// through a link or a second name, makes no file, and gives up the group as
// soon as the files are written.
// Reads the request on standard input; see WriterRequest.h for the format
// and the exit status. As root, --reset empties the record and repairs the
// folder's files (RecordStore::reset).
#include "Reason.h"
#include "RecordStore.h"
#include "WriterRequest.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#ifdef CORVALESTA_TEST_WRITER
#include "SysCalls.h"
#include <csignal>
#endif

using namespace records;

namespace {

const std::string Folder = CORVALESTA_SHARED_DIR;

// The whole request; Refused when it cannot be read, NameTooLong when it is
// longer than any request can be (the name is all that can grow).
int readInput(std::string& input)
{
    char buffer[512];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0)
            return writer::Refused;
        if (n == 0)
            return writer::Written;
        input.append(buffer, std::size_t(n));
        if (input.size() > writer::MaxInput)
            return writer::NameTooLong;
    }
}

bool dropGroup()
{
    const gid_t own = getgid();
    return setresgid(own, own, own) == 0;
}

int resetAsRoot(const char* self)
{
    if (getuid() != 0) {
        dropGroup();
        std::fprintf(stderr, "Solo l'amministratore può azzerare il record: sudo %s --reset\n",
                     self);
        return writer::Refused;
    }
    writer::Failure failure;
    const int status = writer::reset(Folder, failure);
    if (!dropGroup())
        return writer::Failed + int(Cause::Other);
    if (status == writer::Written) {
        std::printf("Il record in %s è azzerato.\n", Folder.c_str());
    } else {
        const std::string reason =
            reasonFor(causeOf(failure.error), failure.error, failure.name.empty());
        std::fprintf(stderr, "Non riesco ad azzerare il record: %s/%s: %s\n", Folder.c_str(),
                     failure.name.c_str(), reason.c_str());
    }
    return status;
}

#ifdef CORVALESTA_TEST_WRITER
// The tests' writer only: it stops itself at the n-th call of one file
// operation, as a player may stop their own writer half-way through a save,
// and it shows the record as the game reads it.
const char* stopCall = "";
int stopAt = 0;
int stopHook(const char* call)
{
    static int calls = 0;
    if (std::strcmp(call, stopCall) == 0 && ++calls == stopAt)
        raise(SIGSTOP);
    return 0;
}

int show()
{
    int status = writer::Written;
    try {
        const Pair pair = RecordStore(Folder, RecordStore::Mode::Shared).read(false);
        std::printf("%s%s", pair.score.c_str(), pair.holder.c_str());
    } catch (const StoreError& error) {
        status = writer::Failed + int(error.cause);
    }
    return dropGroup() ? status : writer::Failed + int(Cause::Other);
}
#endif

} // namespace

int main(int argc, char** argv)
{
    clearenv();
    umask(002); // the files stay writable by the group, readable by all

    if (argc == 2 && std::strcmp(argv[1], "--reset") == 0)
        return resetAsRoot(argv[0]);
#ifdef CORVALESTA_TEST_WRITER
    if (argc == 2 && std::strcmp(argv[1], "--show") == 0)
        return show();
    if (argc == 4 && std::strcmp(argv[1], "--stop-at") == 0) {
        stopCall = argv[2];
        stopAt = std::atoi(argv[3]);
        sys::setHook(stopHook);
        argc = 1;
    }
#endif
    writer::Status refusal = writer::Refused;
    std::string input;
    const int read = argc == 1 ? readInput(input) : writer::Refused;
    const auto request = read == writer::Written ? writer::parse(input, &refusal) : std::nullopt;
    if (!request) {
        dropGroup();
        return read == writer::Written ? refusal : read;
    }
    writer::Failure failure;
    const int status = writer::carryOut(*request, Folder, failure);
    if (!dropGroup())
        return writer::Failed + int(Cause::Other);
    if (status >= writer::Failed)
        std::printf("%s\n%d\n", failure.name.c_str(), failure.error);
    return status;
}
