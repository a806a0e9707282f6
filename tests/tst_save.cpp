// A save is whole or not at all: killed or failed at every file operation,
// the record pair is the old one or the new one, never a mix, and every
// failure is told. Records that are not regular files are never opened.
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "NameFile.h"
#include "RecordFiles.h"
#include "RecordStore.h"
#include "ResultsLog.h"
#include "SysCalls.h"

#include <QDir>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSave : public QObject {
    Q_OBJECT
private slots:
    void killedAtEveryStep_data();
    void killedAtEveryStep();
    void failingAtEveryStep_data();
    void failingAtEveryStep();
    void readerNeverSeesAMixedPair();
    void fullFileSystem();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
};

namespace {

const QByteArray OldScore = "12\r\n", OldHolder = "Anna\r\n";
const QByteArray NewScore = "13\r\n", NewHolder = "Bea\r\n";
// The results log before a contest: the header, one contest, and a tail that
// an append cut short by a power cut left behind.
const QByteArray OldLog = QByteArray(records::results::Header) +
                          "2026-12-07T10:00:00+01:00,Anna,12,0,12,300,sì\r\n2026-12-07T10:1";

// The hook's script: the call to act on (counting from 1) and what to do.
int calls = 0, target = 0, injected = 0;
bool killAtTarget = false;

int hook(const char*)
{
    if (++calls != target)
        return 0;
    if (killAtTarget)
        raise(SIGKILL);
    return injected;
}

struct Script {
    Script(int at, int error, bool kill)
    {
        calls = 0;
        target = at;
        injected = error;
        killAtTarget = kill;
        sys::setHook(hook);
    }
    ~Script() { sys::setHook(nullptr); }
};

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

// The two record files, and nothing but the journal and the lock beside them.
bool onlyRecordFiles(const QString& dir)
{
    QStringList names = entries(dir);
    names.removeOne(records::journal::Name);
    names.removeOne(records::LockName);
    names.removeOne(records::results::Name);
    names.removeOne(records::names::Name);
    return names == QStringList{"suc0000.txt", "suc00000.txt"};
}

bool wholeJournalIn(const QString& dir)
{
    return records::journal::decode(bytesOf(dir + records::journal::Name).toStdString())
        .has_value();
}

int openDescriptors()
{
    return int(QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

void reset(const QString& dir, const QByteArray& journal)
{
    QDir(dir).removeRecursively();
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(put(dir + records::ScoreFile, OldScore));
    QVERIFY(put(dir + records::HolderFile, OldHolder));
    if (!journal.isEmpty())
        QVERIFY(put(dir + records::journal::Name, journal));
    QVERIFY(put(dir + records::results::Name, OldLog));
}

// Who runs the tests, as the log's last column names them.
QByteArray account()
{
    return getpwuid(getuid())->pw_name;
}

// What became of the log: 0 the same whole lines as before (the torn tail
// dropped or not), 1 with exactly the new contest's line in place of the torn
// tail, -1 anything else.
int logOutcome(const QString& dir)
{
    const QByteArray now = bytesOf(dir + records::results::Name);
    const QByteArray kept = OldLog.left(OldLog.lastIndexOf('\n') + 1);
    if (now == OldLog || now == kept)
        return 0;
    const QByteArray added = now.mid(kept.size());
    const QByteArray rest = "\",\"Bea\",13,1,14,300,\"sì\",\"" + account() +
                            "\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n";
    const bool one = now.startsWith(kept) && added.endsWith(rest) && added.count('\n') == 1 &&
                     added.size() == 26 + rest.size(); // a quoted stamp, the rest
    return one ? 1 : -1;
}

QByteArray wholeJournal()
{
    return QByteArray::fromStdString(
        records::journal::encode({NewScore.toStdString(), NewHolder.toStdString(), ""}));
}

} // namespace

void TestSave::killedAtEveryStep_data()
{
    QTest::addColumn<QByteArray>("journal"); // left by an earlier save
    QTest::addColumn<bool>("saving");        // else start-up alone runs
    QTest::addColumn<bool>("mayStayOld");
    QTest::newRow("save") << QByteArray() << true << true;
    QTest::newRow("start-up finishing a whole journal") << wholeJournal() << false << false;
    QTest::newRow("start-up ignoring a torn one") << wholeJournal().chopped(1) << false << true;
}

void TestSave::killedAtEveryStep()
{
    QFETCH(QByteArray, journal);
    QFETCH(bool, saving);
    QFETCH(bool, mayStayOld);
    FakePlatform platform;
    const QString dir = platform.recordDir + u'/';
    int steps = 0;
    for (int at = 1;; ++at) {
        reset(dir, journal);
        // The child says when its save has run to the end; anything else
        // must be the kill. (Its exit status is no witness under Valgrind.)
        int done[2];
        QCOMPARE(pipe(done), 0);
        const pid_t child = fork();
        if (child == 0) {
            Script script(at, 0, true);
            if (saving) {
                records::finish(dir, {13, "Bea", 1, 300, 12});
            } else
                records::startUp(dir);
            (void)!write(done[1], "d", 1);
            _exit(0);
        }
        close(done[1]);
        char said = 0;
        const bool finished = read(done[0], &said, 1) == 1;
        close(done[0]);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        const bool killed = !finished;
        QVERIFY(finished || (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL));
        const records::Record after = records::startUp(dir);
        const bool isNew = after.score == NewScore && after.holder == NewHolder;
        const bool isOld = after.score == OldScore && after.holder == OldHolder;
        QVERIFY2(isNew || (mayStayOld && isOld),
                 qPrintable(
                     QString("killed at call %1: %2 / %3").arg(at).arg(after.score, after.holder)));
        QVERIFY2(onlyRecordFiles(dir), qPrintable(entries(dir).join(u' ')));
        // Only whole lines: the log as it was or with the whole new line; and
        // a line only once the new record is whole.
        const int log = logOutcome(dir);
        QVERIFY2(log == 0 || (log == 1 && saving && isNew), qPrintable(QString::number(at)));
        if (!saving)
            QCOMPARE(log, 0);
        if (!killed) {
            steps = at - 1;
            break;
        }
    }
    qInfo("%s: killed at each of its %d file operations", QTest::currentDataTag(), steps);
    QVERIFY(steps > 5);
}

void TestSave::failingAtEveryStep_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << ENOSPC << "il disco è pieno";
    QTest::newRow("quota") << EDQUOT << "il disco è pieno";
    QTest::newRow("disk error") << EIO << "errore del disco";
    QTest::newRow("no permission") << EACCES << "non ho il permesso di usarlo";
    QTest::newRow("read-only file system") << EROFS << "è di sola lettura";
    QTest::newRow("immutable file") << EPERM << "è di sola lettura";
    QTest::newRow("too many open files") << EMFILE << "ci sono troppi file aperti";
    QTest::newRow("out of memory") << ENOMEM << "la memoria è esaurita";
    QTest::newRow("anything else") << EINVAL << "errore imprevisto (codice 22)";
}

void TestSave::failingAtEveryStep()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QList<int> newWithoutJournal;
    for (int at = 1;; ++at) {
        FakePlatform platform;
        const QString dir = platform.recordDir + u'/';
        reset(dir, {});
        const int descriptors = openDescriptors();
        {
            Script script(at, error, false);
            contest::endContest(platform, dir, false, {{13, "Bea", 1, 300, shownRecord(OldScore)}});
        }
        QCOMPARE(openDescriptors(), descriptors); // none left open on any path
        if (calls < at) { // the save ran to its end without meeting the failure
            QCOMPARE(platform.boxPrompts(), QStringList{contest::Saved});
            QCOMPARE(logOutcome(dir), 1);
            QCOMPARE(platform.exitStatus, 0);
            QCOMPARE(bytesOf(dir + records::ScoreFile), NewScore);
            // Only the steps after the journal's removal (syncing, closing)
            // find the new pair in place without it.
            QVERIFY(!newWithoutJournal.isEmpty());
            QCOMPARE(newWithoutJournal.last(), at - 1);
            QCOMPARE(newWithoutJournal.size(), at - newWithoutJournal.first());
            break;
        }
        const QString where = QString("failed at call %1").arg(at);
        // Failed in the record, or after it in the results: the record is
        // then new and confirmed, and the log holds whole lines.
        const bool inResults = platform.boxes.size() == 2;
        QVERIFY2(inResults || platform.boxes.size() == 1, qPrintable(where));
        if (inResults)
            QCOMPARE(platform.boxes.first().prompt, contest::Saved);
        const int log = logOutcome(dir);
        QVERIFY2(log == 0 || (log == 1 && inResults), qPrintable(where));
        const QString message = platform.boxes.last().prompt;
        QVERIFY2(message.contains("\n\nMotivo: ") && message.endsWith(reason),
                 qPrintable(where + ": " + message));
        QVERIFY2(message.contains(dir), qPrintable(where + ": " + message));
        QCOMPARE(platform.exitStatus, 1);
        // A whole journal left behind: the next start finishes the save. None:
        // the old pair untouched, or the new one when only the last steps failed.
        const bool journal = wholeJournalIn(dir);
        const bool isNew = bytesOf(dir + records::ScoreFile) == NewScore &&
                           bytesOf(dir + records::HolderFile) == NewHolder;
        if (!journal) {
            if (isNew)
                newWithoutJournal << at;
            else
                QVERIFY2(bytesOf(dir + records::ScoreFile) == OldScore &&
                             bytesOf(dir + records::HolderFile) == OldHolder,
                         qPrintable(where));
        }
        const records::Record after = records::startUp(dir);
        const bool expectNew = journal || isNew;
        QCOMPARE(after.score, QString(expectNew ? NewScore : OldScore));
        QCOMPARE(after.holder, QString(expectNew ? NewHolder : OldHolder));
        QVERIFY2(onlyRecordFiles(dir), qPrintable(entries(dir).join(u' ')));
    }
}

namespace {
// The pair the racing saves write as their i-th: names of changing lengths,
// so that a score beside another save's name shows.
records::Pair racePair(int i)
{
    return {std::to_string(i) + "\r\n",
            std::string(std::size_t(i % 5), 'x') + "nome" + std::to_string(i) + "\r\n",
            "Анна " + std::to_string(i) + "\n"};
}
} // namespace

// Reads without a lock while another process saves thousands of times: every
// pair read is one that was saved, never one file's text beside the other's.
void TestSave::readerNeverSeesAMixedPair()
{
    // In memory where there is a /dev/shm: saves then follow each other far
    // faster than a file's change time moves on.
    const QString base = QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath();
    QTemporaryDir folder(base + "/corvalesta-race-XXXXXX");
    QVERIFY(folder.isValid());
    const std::string path = QFile::encodeName(folder.path()).toStdString();
    {
        records::RecordStore store(path);
        store.lock();
        store.save(racePair(0));
    }
    const int saves = 3000;
    // The child says when it has saved them all: its exit status is no
    // witness under Valgrind.
    int done[2];
    QCOMPARE(pipe(done), 0);
    const pid_t child = fork();
    if (child == 0) {
        // A tenth of a millisecond apart: a classroom never saves this often.
        try {
            for (int i = 1; i <= saves; ++i) {
                records::RecordStore store(path);
                store.lock();
                store.save(racePair(i));
                usleep(100);
            }
            (void)!write(done[1], "d", 1);
        } catch (const records::StoreError&) {
        }
        _exit(0);
    }
    close(done[1]);
    int reads = 0, seen = 0, last = -1;
    bool running = true;
    const auto stop = qScopeGuard([&] {
        close(done[0]);
        if (running) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    });
    while ((running = waitpid(child, nullptr, WNOHANG) == 0)) {
        records::RecordStore store(path);
        const records::Pair pair = store.read(false);
        const int i = std::atoi(pair.score.c_str());
        const records::Pair saved = racePair(i);
        if (pair.score != saved.score || pair.holder != saved.holder || pair.name != saved.name)
            QFAIL(
                QByteArray::fromStdString("read " + pair.score + pair.holder).replace("\r\n", " "));
        seen += i != last;
        last = i;
        ++reads;
    }
    char said = 0;
    QVERIFY2(read(done[0], &said, 1) == 1, "the saves stopped half-way");
    qInfo("%d reads saw %d different pairs during %d saves", reads, seen, saves);
    QVERIFY(reads > 300);
    QVERIFY(seen > 100);
}

// A real disk that fills up: a small memory file system, full to the last
// byte. Mounting needs root, as CI runs.
void TestSave::fullFileSystem()
{
    QTemporaryDir mountPoint;
    if (mount("corvalesta-test", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0,
              "size=64k") != 0)
        QSKIP("cannot mount a small file system here (not root)");
    const auto unmount =
        qScopeGuard([&] { umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH); });
    const QString dir = mountPoint.path() + "/corvalesta/";
    reset(dir, {});
    QFile filler(mountPoint.path() + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    FakePlatform platform;
    contest::endContest(platform, dir, false,
                        {{13, QString(60, u'B'), 0, 300, shownRecord(OldScore)}});
    QCOMPARE(platform.exitStatus, 1);
    QVERIFY2(platform.boxPrompts().value(0).endsWith("il disco è pieno"),
             qPrintable(platform.boxPrompts().value(0)));
    QCOMPARE(bytesOf(dir + records::ScoreFile), OldScore);
    QCOMPARE(bytesOf(dir + records::HolderFile), OldHolder);
    QVERIFY(onlyRecordFiles(dir));
    QVERIFY(!wholeJournalIn(dir));
}

void TestSave::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const QString& file : {records::ScoreFile, records::HolderFile}) {
        for (const char* kind : {"named pipe", "device link", "folder", "socket", "regular link"})
            QTest::newRow(qPrintable(QString("%1 as %2").arg(kind, file))) << file << kind;
    }
}

void TestSave::onlyRegularFilesAreOpened()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    FakePlatform platform;
    const QString dir = records::GetSystemDir(platform.recordDirectory());
    const QString path = dir + file;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("vero.txt");
    QVERIFY(put(target, "7\r\n"));
    const QByteArray native = QFile::encodeName(path);
    if (kind == "named pipe")
        QCOMPARE(mkfifo(native.constData(), 0600), 0);
    else if (kind == "device link")
        QVERIFY(QFile::link("/dev/null", path));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "regular link")
        QVERIFY(QFile::link(target, path));
    else {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(native.size()) >= sizeof address.sun_path)
            QSKIP("the temporary folder's path is too long for a socket");
        qstrcpy(address.sun_path, native.constData());
        const int s = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        close(s);
    }
    const QStringList before = entries(dir);
    alarm(10); // a pipe that is opened would wait for ever
    const auto noAlarm = qScopeGuard([] { alarm(0); });
    if (kind == "regular link") {
        // Works as a file does; the link stays a link.
        const records::Record record = records::startUp(dir);
        QCOMPARE(file == records::ScoreFile ? record.score : record.holder, QString("7\r\n"));
        contest::endContest(platform, dir, false, {{8, "Bea", 0, 300, shownRecord("7\r\n")}});
        QCOMPARE(platform.exitStatus, 0);
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(bytesOf(target), file == records::ScoreFile ? QByteArray("8\r\n") : "Bea\r\n");
        return;
    }
    try {
        records::startUp(dir);
        QFAIL("start-up went on");
    } catch (const records::RecordError& error) {
        QCOMPARE(error.file, path);
        QCOMPARE(error.reason, QString("non è un file normale"));
    }
    QCOMPARE(entries(dir), before); // the other file was not made either
    contest::endContest(platform, dir, false, {{8, "Bea", 0, 300, shownRecord("")}});
    QCOMPARE(platform.exitStatus, 1);
    QVERIFY(platform.boxPrompts().value(0).contains(file));
    QStringList withLock = before + QStringList{records::LockName}; // the save's lock only
    withLock.sort();
    QCOMPARE(entries(dir), withLock);
}

QTEST_GUILESS_MAIN(TestSave)
#include "tst_save.moc"
