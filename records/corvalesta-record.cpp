// corvalesta-record: the record service of the computer's shared folder.
// systemd starts it once, as an account of its own that owns the folder, on
// the first connection to corvalesta-record.socket, and hands it the socket;
// it serves every account's connections itself and ends after a quiet while.
// Started with a single connection on standard input and output instead, it
// serves that one request. Run by root, --reset empties every setting's
// record (or the one named) and repairs the folder's files. With --pubblica,
// run by the package's path and timer units as the service's account, it
// copies the record and the results into the school's folder, when the
// administrator named one.
//
// To read what it runs, in order:
//   Service.cpp      the loop: accept, read each request whole, in time; answer()
//   Request.cpp      what a request and a reply are, and the checks of one
//   Transaction.cpp  the start and the end of a contest under the folder's lock
//   Ledger.cpp       which contests started, and when; LedgerFile.cpp keeps it
//   RecordStore.cpp  the record pair on disk, all or nothing (Journal.cpp,
//                    StoreFiles.cpp, SysCalls.cpp beneath it)
//   ResultsAppend.cpp, ResultsLog.cpp   the class's results, one line a contest
//   NameFile.cpp, NameRule.cpp          the holder's names and their rule
//   Cause.cpp        why something failed, as the administrator is told
//   Connection.cpp, Accounts.cpp        the socket's bytes, and who sent them
//   School.cpp       the school's folder: each computer's record and months
#include "Accounts.h"
#include "Cause.h"
#include "Connection.h"
#include "RecordStore.h"
#include "Request.h"
#include "School.h"
#include "SchoolRead.h"
#include "Service.h"
#include "Settings.h"
#include "Transaction.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace records;

namespace {

const std::string Folder = CORVALESTA_SHARED_DIR;
#ifdef CORVALESTA_ADMIN_FILE
const std::string AdminFile = CORVALESTA_ADMIN_FILE;
#else
const std::string AdminFile = settings::AdminFile;
#endif
// Who may change the settings of the computer's shared folder, beside root.
constexpr char Teachers[] = CORVALESTA_TEACHERS_GROUP;

// Every setting's record, or only the one named.
int resetAsRoot(const char* self, const char* only)
{
    if (getuid() != 0) {
        std::fprintf(stderr, "Solo l'amministratore può azzerare il record: sudo %s --reset\n",
                     self);
        return request::Refused;
    }
    if (only && !transaction::named(only)) {
        std::fprintf(stderr,
                     "Non conosco il record %s: il nome è come fino_a-20_minuti-1, fino_a "
                     "10|20|100|1000|10000, minuti 1|2|3|5|10.\n",
                     only);
        return request::Refused;
    }
    // The class's results are for the teachers, when the package made their group.
    const group* teachers = getgrnam(Teachers);
    request::Failure failure;
    const int status = transaction::reset(Folder, only ? only : "", failure,
                                          teachers ? teachers->gr_gid : gid_t(-1));
    if (status == request::Written) {
        if (only)
            std::printf("Il record %s in %s è azzerato.\n", only, Folder.c_str());
        else
            std::printf("I record in %s sono azzerati.\n", Folder.c_str());
    } else {
        const std::string reason =
            reasonFor(causeOf(failure.error), failure.error, failure.name.empty());
        std::fprintf(stderr, "Non riesco ad azzerare il record: %s/%s: %s\n", Folder.c_str(),
                     failure.name.c_str(), reason.c_str());
    }
    return status;
}

// Exit statuses of --pubblica beside 0: the timer tries again either way.
constexpr int NotMounted = 3;
constexpr int NotPublished = 4;

// The computer's folder into the school's, when the administrator set one;
// nothing to do is no failure.
int publishToSchool(std::time_t now)
{
    const std::string school = settings::read(AdminFile).school;
    if (school.empty())
        return 0;
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    const school::Publication done = school::publish(Folder, school, host, now);
    switch (done.status) {
    case school::Publication::Published:
        std::printf("Pubblicato in %s/%s: %d file.\n", school.c_str(), host, done.written);
        return 0;
    case school::Publication::NotMounted:
        std::fprintf(stderr,
                     "La cartella della scuola %s non ha il file %s: non è montata, o non è "
                     "quella giusta. Non scrivo nulla; riprovo più tardi.\n",
                     school.c_str(), school::Marker);
        return NotMounted;
    case school::Publication::Failed:
        break;
    }
    const std::string reason = reasonFor(causeOf(done.error), done.error, false);
    std::fprintf(stderr, "Non riesco a pubblicare in %s: %s: %s. Riprovo più tardi.\n",
                 school.c_str(), done.name.c_str(), reason.c_str());
    return NotPublished;
}

std::string answer(std::string_view input, uid_t uid, const std::string& account)
{
    std::time_t now = std::time(nullptr);
#ifdef CORVALESTA_TEST_SERVICE
    // The tests' service only: a contest starts an hour back, so that a test
    // ends one without playing it for minutes.
    if (input == request::start())
        now -= 3600;
#endif
    return service::answer(input, Folder, uid, account, now, accounts::teacher(uid, Teachers));
}

// The one request on standard input, answered on standard output.
int serveOne()
{
    std::string input;
    std::string reply;
    if (connection::receive(STDIN_FILENO, request::MaxRequest, connection::RequestWaitMs, input)) {
        reply = answer(input, accounts::peerUid(STDIN_FILENO), accounts::peer(STDIN_FILENO));
    } else {
        reply = request::refusal();
    }
    connection::send(STDOUT_FILENO, reply, connection::RequestWaitMs);
    const auto outcome = request::parseReply(reply);
    return outcome ? outcome->status : request::Refused;
}

// The socket systemd passed (sd_listen_fds(3): descriptor 3), else none.
int passedSocket(const char* pid, const char* count)
{
    constexpr int First = 3;
    const bool ours = pid && count && std::strtol(pid, nullptr, 10) == long(getpid()) &&
                      std::strcmp(count, "1") == 0;
    return ours && service::listening(First) ? First : -1;
}

#ifdef CORVALESTA_TEST_SERVICE
// The tests' service only: the record as the game reads it.
int show()
{
    try {
        const Pair pair = RecordStore(Folder, RecordStore::Mode::Shared).read(false);
        std::printf("%s%s", pair.score.c_str(), pair.holder.c_str());
    } catch (const StoreError& error) {
        return request::Failed + int(error.cause);
    }
    return request::Written;
}

// The tests' service only: the school's record of a setting as the game
// reads it, in its time, "late" when that came first. Told at once: the
// program may not end before a hung share answers the read it left.
int showSchool(const char* setting)
{
    SchoolRead read(settings::read(AdminFile).school, setting);
    const std::optional<school::Best> best = read.best();
    if (read.late())
        std::printf("late\n");
    else if (best)
        std::printf("ok %d %s %s\n", best->score, best->computer.c_str(), best->holder.c_str());
    else
        std::printf("ok\n");
    std::fflush(stdout);
    return read.late() ? 1 : 0;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    const int passed = passedSocket(std::getenv("LISTEN_PID"), std::getenv("LISTEN_FDS"));
    // The clock a publication tells, read while the environment is whole: a
    // faked clock (libfaketime, for a computer an hour off) reads it lazily.
    const std::time_t started = std::time(nullptr);
    clearenv();
    umask(022); // the files readable by every account, written by the service alone

    if ((argc == 2 || argc == 3) && std::strcmp(argv[1], "--reset") == 0)
        return resetAsRoot(argv[0], argc == 3 ? argv[2] : nullptr);
#ifdef CORVALESTA_TEST_SERVICE
    if (argc == 2 && std::strcmp(argv[1], "--show") == 0)
        return show();
    if (argc == 3 && std::strcmp(argv[1], "--scuola") == 0)
        return showSchool(argv[2]);
#endif
    if (argc == 2 && std::strcmp(argv[1], "--pubblica") == 0)
        return publishToSchool(started);
    if (argc != 1) {
        std::fprintf(stderr, "Uso: sudo %s --reset [fino_a-N_minuti-M]\n      %s --pubblica\n",
                     argv[0], argv[0]);
        return request::Refused;
    }
    if (passed >= 0)
        return service::run(passed, answer, connection::RequestWaitMs);
    if (service::listening(STDIN_FILENO))
        return service::run(STDIN_FILENO, answer, connection::RequestWaitMs);
    return serveOne();
}
