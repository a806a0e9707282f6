// The computer's record service: what it takes as a request, and the game
// saving and starting through it in a shared folder of the tests' own, the
// service run per connection as systemd runs it.
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "NameFile.h"
#include "RecordFiles.h"
#include "ResultsLog.h"
#include "SysCalls.h"
#include "WriterRequest.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class TestWriter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void requestIsCheckedStrictly_data();
    void requestIsCheckedStrictly();
    void gameEndsThroughTheService_data();
    void gameEndsThroughTheService();
    void onlySingleFilesAreWritten_data();
    void onlySingleFilesAreWritten();
    void resetRepairsTheFolder_data();
    void resetRepairsTheFolder();
    void startUpShowsAPendingSaveWithoutWriting();
    void nothingEscapesTheService();

private:
    QProcess m_service;
};

namespace {

const QString Folder = QStringLiteral(CORVALESTA_TEST_SHARED_DIR "/");
const QString Writer = QStringLiteral(CORVALESTA_TEST_WRITER);
const QString Socket = QStringLiteral(CORVALESTA_TEST_SHARED_DIR ".sock");

const QString LockFile = QString::fromLatin1(records::LockName);
const QString JournalFile = QString::fromLatin1(records::journal::Name);
const QString LogFile = QString::fromLatin1(records::results::Name);
const QString ScratchFile = QString::fromLatin1(records::results::Scratch);
const QString NameFile = QString::fromLatin1(records::names::Name);

// The shared folder as the package leaves it, with a record in it.
void installed(const QByteArray& score, const QByteArray& holder)
{
    QDir(Folder).removeRecursively();
    QVERIFY(QDir().mkpath(Folder));
    QVERIFY(put(Folder + records::ScoreFile, score));
    QVERIFY(put(Folder + records::HolderFile, holder));
    QVERIFY(put(Folder + NameFile, QByteArray()));
    QVERIFY(put(Folder + JournalFile, QByteArray()));
    QVERIFY(put(Folder + LockFile, QByteArray()));
    QVERIFY(put(Folder + LogFile, QByteArray()));
    QVERIFY(put(Folder + ScratchFile, QByteArray()));
    QVERIFY(QFile::setPermissions(Folder + LockFile, QFile::ReadOwner | QFile::WriteOwner));
}

// Where a planted hard link or link may point: outside the folder, on the
// same file system.
QString victim()
{
    const QString path = QDir::cleanPath(Folder + "../vittima.txt");
    put(path, "1\r\n");
    return path;
}

// Replaces name with a hard link ("second name") or a symbolic link to target.
bool plant(const QString& name, const QString& target, bool hard)
{
    QFile::remove(name);
    return hard ? ::link(QFile::encodeName(target).constData(),
                         QFile::encodeName(name).constData()) == 0
                : QFile::link(target, name);
}

// Who runs the tests, and so the service they start: the log's last column.
QByteArray account()
{
    return getpwuid(getuid())->pw_name;
}

} // namespace

// The service listens as systemd would make it: one process per connection,
// the connection on its standard input and output.
void TestWriter::initTestCase()
{
    const QString activate = QStandardPaths::findExecutable("systemd-socket-activate");
    if (activate.isEmpty())
        QSKIP("systemd-socket-activate is not installed");
    QVERIFY(QDir().mkpath(QFileInfo(Socket).path()));
    QFile::remove(Socket);
    // It tells of every connection: unread, that would fill the pipe and stop it.
    m_service.setStandardOutputFile(QProcess::nullDevice());
    m_service.setStandardErrorFile(QProcess::nullDevice());
    m_service.start(activate, {"--accept", "--inetd", "-l", Socket, Writer});
    QVERIFY(m_service.waitForStarted(60000));
    const QDeadlineTimer deadline(60000);
    while (!QFileInfo::exists(Socket) && !deadline.hasExpired())
        QTest::qWait(20);
    QVERIFY(QFileInfo::exists(Socket));
}

void TestWriter::cleanupTestCase()
{
    m_service.terminate();
    m_service.waitForFinished(60000);
    QFile::remove(Socket);
}

void TestWriter::requestIsCheckedStrictly_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("refusal"); // 0: taken
    const QByteArray begin = "corvalesta fine 1\n";
    const auto taken = [&](const char* name, const QByteArray& fields) {
        QTest::newRow(name) << begin + fields << 0;
    };
    taken("Anna, 12 of 15", "12\n3\n300\n1\nAnna\nAnna\n");
    taken("empty name, nothing played", "0\n0\n0\n0\n\n\n");
    taken("Niccolò in the code page and in UTF-8", "3\n1\n300\n1\nNiccol\xF2\nNiccol\xC3\xB2\n");
    // Bytes 128 to 159 are letters in the code page: the euro sign, Š, Ÿ.
    taken("euro, S caron, Y diaeresis",
          "3\n1\n300\n1\n\x80\x8A\x9F\n\xE2\x82\xAC\xC5\xA0\xC5\xB8\n");
    taken("60 characters", "3\n1\n300\n1\n" + QByteArray(60, 'a') + "\n" +
                               QByteArray("\xE2\x82\xAC").repeated(60) + "\n");
    taken("two answers a second, and three", "603\n0\n300\n1\nEva\nEva\n");
    taken("three answers before the first second", "2\n1\n0\n1\nEva\nEva\n");
    const auto refused = [&](const char* name, const QByteArray& input,
                             int status = records::writer::Refused) {
        QTest::newRow(name) << input << status;
    };
    refused("nothing", "");
    refused("an older copy's record", "12\nAnna\n");
    refused("an older copy's result", "risultato\nAnna\n12\n3\n15\n300\n0\n");
    refused("another version", "corvalesta fine 2\n12\n3\n300\n1\nAnna\nAnna\n");
    refused("more answers than the time allows", begin + "604\n0\n300\n1\nEva\nEva\n");
    refused("four answers in no time", begin + "2\n2\n0\n1\nEva\nEva\n");
    refused("past five minutes", begin + "3\n1\n301\n0\nEva\nEva\n");
    refused("a sign", begin + "-1\n1\n300\n0\nEva\nEva\n");
    refused("a leading zero", begin + "03\n1\n300\n0\nEva\nEva\n");
    refused("candidate neither 0 nor 1", begin + "3\n1\n300\n2\nEva\nEva\n");
    refused("a tab in the code page name", begin + "3\n1\n300\n0\nE\tva\nEva\n");
    refused("DEL in the code page name", begin + "3\n1\n300\n0\nE\x7Fva\nEva\n");
    refused("NUL in the UTF-8 name", begin + QByteArray("3\n1\n300\n0\nEva\nE\0va\n", 19));
    refused("the UTF-8 name not UTF-8", begin + "3\n1\n300\n0\nNiccol\xF2\nNiccol\xF2\n");
    refused("a line missing", begin + "3\n1\n300\n0\nEva\n");
    refused("a line too many", begin + "3\n1\n300\n0\nEva\nEva\nEva\n");
    refused("CR LF lines", "corvalesta fine 1\r\n3\r\n1\r\n300\r\n0\r\nEva\r\nEva\r\n");
    refused("61 characters in the code page",
            begin + "3\n1\n300\n0\n" + QByteArray(61, 'a') + "\nEva\n",
            records::writer::NameTooLong);
    refused("61 characters in UTF-8",
            begin + "3\n1\n300\n0\nEva\n" + QByteArray("\xE2\x82\xAC").repeated(61) + "\n",
            records::writer::NameTooLong);
}

// Taken requests are exactly what the game writes for them.
void TestWriter::requestIsCheckedStrictly()
{
    QFETCH(QByteArray, input);
    QFETCH(int, refusal);
    auto status = records::writer::Written;
    const auto request =
        records::writer::parse(std::string_view(input.constData(), input.size()), &status);
    QCOMPARE(request.has_value(), refusal == 0);
    QCOMPARE(int(status), refusal);
    if (request)
        QCOMPARE(QByteArray::fromStdString(records::writer::request(*request)), input);
}

void TestWriter::gameEndsThroughTheService_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("plant"); // what stands in the folder besides
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<QByteArray>("line"); // the log's last line after its stamp; empty: none
    const QString saved = contest::Saved;
    const QByteArray me = "," + account() + "\r\n";
    const auto row = [](const char* tag) -> QTestData& { return QTest::newRow(tag); };
    row("beaten") << QByteArray("12\r\n") << ""
                  << "Bea"
                  << "13" << QStringList{saved} << QByteArray("13\r\n")
                  << ",Bea,13,0,13,300,sì" + me;
    row("first record") << QByteArray() << ""
                        << "Bea"
                        << "1" << QStringList{saved} << QByteArray("1\r\n")
                        << ",Bea,1,0,1,300,sì" + me;
    // Another account saved 20 since this game started with 12.
    row("not better than the stored one")
        << QByteArray("20\r\n") << ""
        << "Bea"
        << "15" << QStringList{} << QByteArray("20\r\n") << ",Bea,15,0,15,300,no" + me;
    row("a name a spreadsheet would run")
        << QByteArray("12\r\n") << ""
        << "=1+1"
        << "13" << QStringList{saved} << QByteArray("13\r\n") << ",\"'=1+1\",13,0,13,300,sì" + me;
    // Kept whole beside the record, and logged whole.
    row("a name in Cyrillic") << QByteArray("12\r\n") << ""
                              << QString::fromUtf8("Андрій") << "13" << QStringList{saved}
                              << QByteArray("13\r\n")
                              << QByteArray(",Андрій,13,0,13,300,sì") + me;
    // The service owns the folder now: it makes a missing file itself.
    row("score file missing") << QByteArray("12\r\n") << "missing"
                              << "Bea"
                              << "13" << QStringList{saved} << QByteArray("13\r\n")
                              << ",Bea,13,0,13,300,sì" + me;
    row("results not kept") << QByteArray("12\r\n") << "no log"
                            << "Bea"
                            << "13" << QStringList{saved} << QByteArray("13\r\n") << QByteArray();
    row("score file a link") << QByteArray("12\r\n") << "link"
                             << "Bea"
                             << "13" << QStringList{"suc0000.txt\n\nMotivo: non è un file normale"}
                             << QByteArray("(link)") << QByteArray();
    row("a pipe for the score") << QByteArray("12\r\n") << "pipe"
                                << "Bea"
                                << "13"
                                << QStringList{"suc0000.txt\n\nMotivo: non è un file normale"}
                                << QByteArray("(pipe)") << QByteArray();
    row("the service not running")
        << QByteArray("12\r\n") << "no service"
        << "Bea"
        << "13"
        << QStringList{"Motivo: il servizio che registra il record non è in funzione: chi "
                       "amministra il computer lo avvia con «sudo systemctl enable --now "
                       "corvalesta-record.socket»"}
        << QByteArray("12\r\n") << QByteArray();
}

void TestWriter::gameEndsThroughTheService()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, plant);
    QFETCH(QString, name);
    QFETCH(QString, score);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, scoreAfter);
    QFETCH(QByteArray, line);
    installed(stored, "Anna\r\n");
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("altro.txt");
    QVERIFY(put(target, "99\r\n"));
    if (plant == "link") {
        QVERIFY(QFile::remove(Folder + records::ScoreFile));
        QVERIFY(QFile::link(target, Folder + records::ScoreFile));
    } else if (plant == "missing") {
        QVERIFY(QFile::remove(Folder + records::ScoreFile));
    } else if (plant == "pipe") {
        QVERIFY(QFile::remove(Folder + records::ScoreFile));
        QCOMPARE(mkfifo(QFile::encodeName(Folder + records::ScoreFile).constData(), 0600), 0);
    } else if (plant == "no log") {
        QVERIFY(QFile::remove(Folder + LogFile));
    }
    FakePlatform platform;
    platform.service = plant == "no service" ? Folder + "nessuno.sock" : Socket;
    // The record this game saw at its start: 12, or none on a first run.
    const QString seen = stored.isEmpty() ? QString() : QStringLiteral("12\r\n");
    contest::endContest(platform, Folder, false, {seen, score.toInt(), name, {}, 0, 300});
    QCOMPARE(platform.exitStatus, line.isEmpty() && plant != "no log" ? 1 : 0);
    QCOMPARE(platform.boxPrompts().size(), boxes.size());
    for (int i = 0; i < boxes.size(); ++i)
        QVERIFY2(platform.boxPrompts()[i].endsWith(boxes[i]), qPrintable(platform.boxPrompts()[i]));
    if (plant != "link" && plant != "pipe")
        QCOMPARE(bytesOf(Folder + records::ScoreFile), scoreAfter);
    const QByteArray log = bytesOf(Folder + LogFile);
    if (line.isEmpty()) {
        QVERIFY(log.isEmpty() || log == "(missing)");
    } else {
        QVERIFY(log.startsWith(records::results::Header));
        const QByteArray added = log.mid(int(strlen(records::results::Header)));
        // 2026-12-08T09:30:00+01:00: a stamp of 25 characters.
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")
                     .match(QString::fromLatin1(added.left(25)))
                     .hasMatch(),
                 added.constData());
        QCOMPARE(added.mid(25), line);
    }
    QCOMPARE(bytesOf(target), QByteArray("99\r\n")); // never written through a link
    // Whoever starts next reads what is there, without writing anything.
    if (plant.isEmpty()) {
        const records::Record next = records::startUp(Folder, Socket);
        QCOMPARE(next.score, QString(scoreAfter));
        QCOMPARE(next.holder, (boxes.isEmpty() ? QString("Anna") : name) + "\r\n");
    }
}

void TestWriter::onlySingleFilesAreWritten_data()
{
    QTest::addColumn<bool>("shared");
    QTest::addColumn<QString>("name");   // what is planted in the folder
    QTest::addColumn<QString>("target"); // "(victim)": a file outside it
    QTest::addColumn<bool>("hard");
    QTest::addColumn<QString>("told"); // the file the message names, and why
    const QString linked = "\n\nMotivo: ha un altro nome: è un collegamento fisso";
    const QString notRegular = "\n\nMotivo: non è un file normale";
    const QString score = records::ScoreFile, holder = records::HolderFile;
    for (const bool shared : {false, true}) {
        const auto row = [shared](const char* name) -> QTestData& {
            return QTest::addRow("%s, %s", name, shared ? "shared folder" : "own folder") << shared;
        };
        row("holder a second name of the score") << holder << score << true << score + linked;
        row("journal a second name of the score") << JournalFile << score << true << score + linked;
        row("name file a second name of the holder")
            << NameFile << holder << true << holder + linked;
        row("score a second name of a file elsewhere")
            << score << "(victim)" << true << score + linked;
        // Followed in an account's own folder, where it is then the same file
        // twice; never in the shared one.
        row("holder a link to the score")
            << holder << score << false << holder + (shared ? notRegular : linked);
        row("journal a link to the score")
            << JournalFile << score << false << JournalFile + notRegular;
    }
}

void TestWriter::onlySingleFilesAreWritten()
{
    QFETCH(bool, shared);
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(bool, hard);
    QFETCH(QString, told);
    FakePlatform platform;
    installed("12\r\n", "Anna\r\n");
    const QString folder = shared ? Folder : records::GetSystemDir(platform.recordDirectory());
    if (!shared) {
        QVERIFY(put(folder + records::ScoreFile, "12\r\n"));
        QVERIFY(put(folder + records::HolderFile, "Anna\r\n"));
        platform.recordDir = folder;
    } else {
        platform.service = Socket;
    }
    const QString elsewhere = victim();
    QVERIFY(plant(folder + name, target == "(victim)" ? elsewhere : folder + target, hard));
    const QByteArray scoreBefore = bytesOf(folder + records::ScoreFile);
    const QByteArray holderBefore = bytesOf(folder + records::HolderFile);
    contest::endContest(platform, folder, false, {"12\r\n", 13, "Bea", {}, 0, 300});
    QCOMPARE(platform.exitStatus, 1);
    QCOMPARE(platform.boxes.size(), 1);
    QVERIFY2(platform.boxPrompts()[0].endsWith(told), qPrintable(platform.boxPrompts()[0]));
    QCOMPARE(bytesOf(folder + records::ScoreFile), scoreBefore);
    QCOMPARE(bytesOf(folder + records::HolderFile), holderBefore);
    QCOMPARE(bytesOf(elsewhere), QByteArray("1\r\n"));
}

void TestWriter::resetRepairsTheFolder_data()
{
    QTest::addColumn<QString>("name"); // what is wrong in the folder
    QTest::addColumn<QString>("wrong");
    QTest::addColumn<QString>("refused"); // the file named when the reset refuses
    const QString score = records::ScoreFile, holder = records::HolderFile;
    QTest::newRow("a link for the score") << score << "link"
                                          << "";
    QTest::newRow("a second name for the holder") << holder << "hard link"
                                                  << "";
    QTest::newRow("a link for the lock") << LockFile << "link"
                                         << "";
    QTest::newRow("a link for the name file") << NameFile << "link"
                                              << "";
    QTest::newRow("a pipe for the journal") << JournalFile << "pipe"
                                            << "";
    QTest::newRow("a pending journal") << JournalFile << "pending"
                                       << "";
    for (const QString& name : {score, holder, NameFile, JournalFile, LockFile, ScratchFile})
        QTest::addRow("%s missing", qPrintable(name)) << name << "missing"
                                                      << "";
    QTest::newRow("a link for the scratch file") << ScratchFile << "link"
                                                 << "";
    QTest::newRow("a second name for the log") << LogFile << "hard link"
                                               << "";
    QTest::newRow("a link for the log") << LogFile << "link"
                                        << "";
    QTest::newRow("a pipe for the log") << LogFile << "pipe"
                                        << "";
    // Deleted by its administrator: no results are kept, and none come back.
    QTest::newRow("no log") << LogFile << "missing"
                            << "";
    // A folder is never emptied by a reset.
    QTest::newRow("a folder for the holder") << holder << "folder" << holder;
}

void TestWriter::resetRepairsTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, wrong);
    QFETCH(QString, refused);
    installed("12\r\n", "Anna\r\n");
    const QString elsewhere = victim();
    const QString path = Folder + name;
    if (wrong == "link" || wrong == "hard link")
        QVERIFY(plant(path, elsewhere, wrong == "hard link"));
    else if (wrong == "pipe")
        QVERIFY(QFile::remove(path) && mkfifo(QFile::encodeName(path).constData(), 0664) == 0);
    else if (wrong == "pending")
        QVERIFY(put(path,
                    QByteArray::fromStdString(records::journal::encode({"14\r\n", "Carlo\r\n", ""}))));
    else if (wrong == "missing")
        QVERIFY(QFile::remove(path));
    else
        QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    records::writer::Failure failure;
    const int status = records::writer::reset(Folder.toStdString(), failure);
    QCOMPARE(bytesOf(elsewhere), QByteArray("1\r\n")); // never followed
    if (!refused.isEmpty()) {
        QCOMPARE(status, int(records::writer::Failed) + int(records::Cause::NotRegular));
        QCOMPARE(QString::fromStdString(failure.name), refused);
        QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
        return;
    }
    QCOMPARE(status, int(records::writer::Written));
    struct stat folder;
    QCOMPARE(stat(QFile::encodeName(Folder).constData(), &folder), 0);
    for (const QString& file :
         {records::ScoreFile, records::HolderFile, NameFile, JournalFile, LockFile, ScratchFile,
          LogFile}) {
        struct stat st;
        if (file == LogFile && name == LogFile && wrong == "missing") {
            QVERIFY(lstat(QFile::encodeName(Folder + file).constData(), &st) != 0);
            continue;
        }
        QCOMPARE(lstat(QFile::encodeName(Folder + file).constData(), &st), 0);
        QVERIFY2(S_ISREG(st.st_mode) && st.st_nlink == 1, qPrintable(file));
        // As the package makes them: the folder's owner and group, read by
        // all, written by the service alone, the lock its own.
        QCOMPARE(st.st_mode & 07777, file == LockFile ? 0600u : 0644u);
        QCOMPARE(st.st_uid, folder.st_uid);
        QCOMPARE(st.st_gid, folder.st_gid);
    }
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray());
    QCOMPARE(bytesOf(Folder + records::HolderFile), QByteArray());
    // The pending save is dropped, not finished later.
    const records::Record after = records::startUp(Folder, Socket);
    QCOMPARE(after.score, QString());
    QCOMPARE(after.holder, QString());
}

// A save cut short in the shared folder: start-up shows the pair being saved
// and writes nothing; the next call of the writer finishes it first, then
// compares with it: a game that saw 12 at its start and made 14 saves nothing.
void TestWriter::startUpShowsAPendingSaveWithoutWriting()
{
    installed("12\r\n", "Anna\r\n");
    const QByteArray pending =
        QByteArray::fromStdString(records::journal::encode({"14\r\n", "Carlo\r\n", ""}));
    QVERIFY(put(Folder + JournalFile, pending));
    const records::Record record = records::startUp(Folder, Socket);
    QCOMPARE(record.score, QString("14\r\n"));
    QCOMPARE(record.holder, QString("Carlo\r\n"));
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
    QCOMPARE(bytesOf(Folder + JournalFile), pending);
    FakePlatform platform;
    platform.service = Socket;
    contest::endContest(platform, Folder, false, {"12\r\n", 14, "Bea", {}, 0, 300});
    QCOMPARE(platform.boxPrompts(), QStringList{});
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("14\r\n"));
    QCOMPARE(bytesOf(Folder + records::HolderFile), QByteArray("Carlo\r\n"));
    QVERIFY(!records::journal::decode(bytesOf(Folder + JournalFile).toStdString()));
}

// Running out of memory anywhere in a save is told like any other failure,
// and leaves no descriptor open.
void TestWriter::nothingEscapesTheService()
{
    installed("12\r\n", "Anna\r\n");
    const auto request = records::writer::parse("corvalesta fine 1\n13\n0\n300\n1\nBea\nBea\n");
    QVERIFY(request);
    const auto descriptors = [] { return QDir("/proc/self/fd").entryList(QDir::System).size(); };
    const auto before = descriptors();
    static int at = 0, calls = 0;
    sys::setHook([](const char*) -> int {
        if (++calls == at)
            throw std::bad_alloc();
        return 0;
    });
    for (at = 1;; ++at) {
        calls = 0;
        const auto outcome = records::writer::carryOut(
            *request, Folder.toStdString(), records::RecordStore::Mode::Shared, "eva", 0);
        QCOMPARE(descriptors(), before);
        if (calls < at) {
            QCOMPARE(outcome.status, int(records::writer::Written));
            break;
        }
        QCOMPARE(outcome.status, int(records::writer::Failed) + int(records::Cause::OutOfMemory));
        installed("12\r\n", "Anna\r\n");
    }
    sys::setHook(nullptr);
    QVERIFY(at > 10);
}

QTEST_GUILESS_MAIN(TestWriter)
#include "tst_writer.moc"
