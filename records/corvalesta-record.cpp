// corvalesta-record: the record service of the computer's shared folder.
// systemd starts one for each connection to corvalesta-record.socket, as an
// account of its own that owns the folder, with the connection on standard
// input and output. It reads the whole request within a short time before it
// touches anything, so a caller that sends nothing, or is stopped half-way,
// holds nothing; it learns who called from the socket's credentials, carries
// out the end of the contest (WriterRequest.h) and answers.
// Run by root, --reset empties the record and repairs the folder's files.
#include "Connection.h"
#include "Reason.h"
#include "RecordStore.h"
#include "WriterRequest.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace records;

namespace {

const std::string Folder = CORVALESTA_SHARED_DIR;

int resetAsRoot(const char* self)
{
    if (getuid() != 0) {
        std::fprintf(stderr, "Solo l'amministratore può azzerare il record: sudo %s --reset\n",
                     self);
        return writer::Refused;
    }
    writer::Failure failure;
    const int status = writer::reset(Folder, failure);
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

int serve()
{
    std::string input;
    writer::Outcome outcome;
    writer::Status refusal = writer::Refused;
    std::optional<writer::Contest> contest;
    if (connection::receive(STDIN_FILENO, writer::MaxRequest, connection::RequestWaitMs, input))
        contest = writer::parse(input, &refusal);
    if (contest)
        outcome = writer::carryOut(*contest, Folder, RecordStore::Mode::Shared,
                                   connection::peerAccount(STDIN_FILENO), std::time(nullptr));
    else
        outcome.status = refusal;
    connection::send(STDOUT_FILENO, writer::reply(outcome), connection::RequestWaitMs);
    return outcome.status;
}

#ifdef CORVALESTA_TEST_WRITER
// The tests' service only: the record as the game reads it.
int show()
{
    try {
        const Pair pair = RecordStore(Folder, RecordStore::Mode::Shared).read(false);
        std::printf("%s%s", pair.score.c_str(), pair.holder.c_str());
    } catch (const StoreError& error) {
        return writer::Failed + int(error.cause);
    }
    return writer::Written;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    clearenv();
    umask(022); // the files readable by every account, written by the service alone

    if (argc == 2 && std::strcmp(argv[1], "--reset") == 0)
        return resetAsRoot(argv[0]);
#ifdef CORVALESTA_TEST_WRITER
    if (argc == 2 && std::strcmp(argv[1], "--show") == 0)
        return show();
#endif
    if (argc != 1) {
        std::fprintf(stderr, "Uso: sudo %s --reset\n", argv[0]);
        return writer::Refused;
    }
    return serve();
}
