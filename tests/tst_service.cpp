// The computer's record service: what it takes as a request, and the game
// saving and starting through it in a shared folder of the tests' own, the
// service run per connection as systemd runs it.
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "NameFile.h"
#include "RecordFiles.h"
#include "Request.h"
#include "ResultsLog.h"
#include "Service.h"
#include "SysCalls.h"
#include "Transaction.h"

#include "Settings.h"
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class TestService : public QObject {
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
    void contestMustBePlayed_data();
    void contestMustBePlayed();
    void holderIsTheNamesOwnSpelling_data();
    void holderIsTheNamesOwnSpelling();
    void settingsKeepTheirOwnRecords();
    void onlyTeachersSaveSettings_data();
    void onlyTeachersSaveSettings();

private:
    QProcess m_service;
};

namespace {

const QString Folder = QStringLiteral(CORVALESTA_TEST_SHARED_DIR "/");
const QString Service = QStringLiteral(CORVALESTA_TEST_SERVICE);
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

// The service listens as systemd would make it: one process, handed the
// listening socket, for every connection.
void TestService::initTestCase()
{
    const QString activate = QStandardPaths::findExecutable("systemd-socket-activate");
    if (activate.isEmpty())
        QSKIP("systemd-socket-activate is not installed");
    // The folder's place in /tmp is known to all: it must be this account's
    // own, made here with no one else's say, or the test runs in another's.
    const QByteArray prefix = QFile::encodeName(QFileInfo(Socket).path());
    if (::mkdir(prefix.constData(), 0755) != 0)
        QCOMPARE(errno, EEXIST);
    struct stat made {};
    QCOMPARE(::lstat(prefix.constData(), &made), 0);
    QVERIFY2(S_ISDIR(made.st_mode) && made.st_uid == ::getuid() && (made.st_mode & 022) == 0,
             "the tests' folder in /tmp is someone else's: remove it");
    QFile::remove(Socket);
    // It tells of every connection: unread, that would fill the pipe and stop it.
    m_service.setStandardOutputFile(QProcess::nullDevice());
    m_service.setStandardErrorFile(QProcess::nullDevice());
    m_service.start(activate, {"-l", Socket, Service});
    QVERIFY(m_service.waitForStarted(60000));
    const QDeadlineTimer deadline(60000);
    while (!QFileInfo::exists(Socket) && !deadline.hasExpired())
        QTest::qWait(20);
    QVERIFY(QFileInfo::exists(Socket));
}

void TestService::cleanupTestCase()
{
    m_service.terminate();
    m_service.waitForFinished(60000);
    QFile::remove(Socket);
}

void TestService::requestIsCheckedStrictly_data()
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
    taken("two answers a second, and one", "601\n0\n300\n1\nEva\nEva\n");
    taken("one answer before the first second", "1\n0\n0\n1\nEva\nEva\n");
    const auto refused = [&](const char* name, const QByteArray& input,
                             int status = records::request::Refused) {
        QTest::newRow(name) << input << status;
    };
    // Another setting says what was played, and is held to its own length.
    const QByteArray set = "corvalesta fine 2\n";
    QTest::newRow("a one-minute contest to 20") << set + "12\n3\n60\n1\nAnna\nAnna\n20\n1\ngara\n"
                                                << 0;
    QTest::newRow("an hour's practice to 100")
        << set + "40\n10\n3600\n0\nAnna\nAnna\n100\n5\nallenamento\n"
        << 0;
    // Today's game says its wrong answers and crossings, whatever the setting.
    const QByteArray missed = "corvalesta fine 3\n";
    QTest::newRow("three wrong answers, a hundred and a thousand missed")
        << missed + "12\n3\n300\n1\nAnna\nAnna\n10000\n5\ngara\n199:190 2999:2000 5:\n4 0 2 1 1 1\n"
        << 0;
    QTest::newRow("no wrong answer, to 20")
        << missed + "5\n0\n60\n0\nAnna\nAnna\n20\n1\ngara\n\n1 0 0 0 0 0\n"
        << 0;
    refused("a wrong answer listed that is right",
            missed + "0\n1\n60\n0\nEva\nEva\n20\n1\ngara\n9:10\n1 1 0 0 0 0\n");
    refused("fewer wrong answers listed than counted",
            missed + "0\n2\n60\n0\nEva\nEva\n20\n1\ngara\n3:1\n0 0 0 0 0 0\n");
    refused("a typed answer longer than the box",
            missed + "0\n1\n60\n0\nEva\nEva\n20\n1\ngara\n3:100\n0 0 0 0 0 0\n");
    refused("more crossings than answers",
            missed + "1\n0\n60\n0\nEva\nEva\n20\n1\ngara\n\n2 0 0 0 0 0\n");
    refused("five crossing counts", missed + "1\n0\n60\n0\nEva\nEva\n20\n1\ngara\n\n0 0 0 0 0\n");
    refused("a blank at the end of the misses",
            missed + "0\n1\n60\n0\nEva\nEva\n20\n1\ngara\n3:1 \n0 0 0 0 0 0\n");
    refused("nothing", "");
    refused("a range that does not exist", set + "3\n1\n60\n0\nEva\nEva\n30\n1\ngara\n");
    refused("a length that does not exist", set + "3\n1\n60\n0\nEva\nEva\n20\n4\ngara\n");
    refused("both is no kind of contest", set + "3\n1\n60\n0\nEva\nEva\n20\n1\nentrambi\n");
    refused("past its one minute", set + "3\n1\n61\n0\nEva\nEva\n20\n1\ngara\n");
    refused("122 answers in its one minute", set + "122\n0\n60\n1\nEva\nEva\n20\n1\ngara\n");
    refused("a practice claiming the record", set + "3\n1\n60\n1\nEva\nEva\n20\n1\nallenamento\n");
    refused("the setting's fields in version 1", begin + "3\n1\n60\n0\nEva\nEva\n20\n1\ngara\n");
    refused("an older copy's record", "12\nAnna\n");
    refused("an older copy's result", "risultato\nAnna\n12\n3\n15\n300\n0\n");
    refused("another version", "corvalesta fine 2\n12\n3\n300\n1\nAnna\nAnna\n");
    refused("more answers than the time allows", begin + "602\n0\n300\n1\nEva\nEva\n");
    refused("three answers in no time", begin + "3\n0\n0\n1\nEva\nEva\n");
    refused("a start with more", "corvalesta inizio 1\n3\n");
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
            records::request::NameTooLong);
    refused("61 characters in UTF-8",
            begin + "3\n1\n300\n0\nEva\n" + QByteArray("\xE2\x82\xAC").repeated(61) + "\n",
            records::request::NameTooLong);
}

// Taken requests are exactly what the game writes for them.
void TestService::requestIsCheckedStrictly()
{
    QFETCH(QByteArray, input);
    QFETCH(int, refusal);
    auto status = records::request::Written;
    const auto request =
        records::request::parse(std::string_view(input.constData(), input.size()), &status);
    QCOMPARE(request.has_value(), refusal == 0);
    QCOMPARE(int(status), refusal);
    if (request)
        QCOMPARE(QByteArray::fromStdString(records::request::end(*request)), input);
}

void TestService::gameEndsThroughTheService_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("plant"); // what stands in the folder besides
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<QByteArray>("line"); // the log's last line after its stamp; empty: none
    const QString saved = contest::Saved;
    const QByteArray me = ",\"" + account() + "\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n";
    const auto row = [](const char* tag) -> QTestData& { return QTest::newRow(tag); };
    row("beaten") << QByteArray("12\r\n") << ""
                  << "Bea"
                  << "13" << QStringList{saved} << QByteArray("13\r\n")
                  << ",\"Bea\",13,0,13,300,\"sì\"" + me;
    row("first record") << QByteArray() << ""
                        << "Bea"
                        << "1" << QStringList{saved} << QByteArray("1\r\n")
                        << ",\"Bea\",1,0,1,300,\"sì\"" + me;
    // Another account saved 20 since this game started with 12.
    row("not better than the stored one")
        << QByteArray("20\r\n") << ""
        << "Bea"
        << "15" << QStringList{} << QByteArray("20\r\n") << ",\"Bea\",15,0,15,300,\"no\"" + me;
    row("a name a spreadsheet would run") << QByteArray("12\r\n") << ""
                                          << "=1+1"
                                          << "13" << QStringList{saved} << QByteArray("13\r\n")
                                          << ",\"'=1+1\",13,0,13,300,\"sì\"" + me;
    // Kept whole beside the record, and logged whole.
    row("a name in Cyrillic") << QByteArray("12\r\n") << "" << QString::fromUtf8("Андрій") << "13"
                              << QStringList{saved} << QByteArray("13\r\n")
                              << QByteArray(",\"Андрій\",13,0,13,300,\"sì\"") + me;
    // The service owns the folder now: it makes a missing file itself.
    row("score file missing") << QByteArray("12\r\n") << "missing"
                              << "Bea"
                              << "13" << QStringList{saved} << QByteArray("13\r\n")
                              << ",\"Bea\",13,0,13,300,\"sì\"" + me;
    // The service was away at the start: counted, marked, no record.
    row("no start seen") << QByteArray("12\r\n") << "no start"
                         << "Bea"
                         << "13"
                         << QStringList{"non può valere come record: il servizio che registra il "
                                        "record non ne ha visto l'inizio."}
                         << QByteArray("12\r\n")
                         << ",\"Bea\",13,0,13,300,\"no\",\"" + account() +
                                "\",\"no\",10000,5,\"gara\",\"\",,,,,,\r\n";
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
    // The contest waits in the account's own folder for the next start.
    row("the service not running")
        << QByteArray("12\r\n") << "no service"
        << "Bea"
        << "13"
        << QStringList{"la tua gara è conservata su questo computer e sarà registrata appena il "
                       "servizio torna in funzione."}
        << QByteArray("12\r\n") << QByteArray();
}

void TestService::gameEndsThroughTheService()
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
    if (plant != "no start")
        records::begin(platform.service, QString());
    // The record this game saw at its start: 12, or none on a first run.
    const QString seen = stored.isEmpty() ? QString() : QStringLiteral("12\r\n");
    contest::endContest(platform, Folder, false,
                        {{score.toInt(), name, 0, 300, shownRecord(seen)}});
    QCOMPARE(platform.exitStatus,
             line.isEmpty() && plant != "no log" && plant != "no service" ? 1 : 0);
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
        // "2026-12-08T09:30:00+01:00": a quoted stamp of 25 characters.
        QVERIFY2(
            QRegularExpression("^\"\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d\"$")
                .match(QString::fromLatin1(added.left(27)))
                .hasMatch(),
            added.constData());
        QCOMPARE(added.mid(27), line);
    }
    if (plant == "no service") {
        // The next start, with the service back, hands it over: its line is
        // kept, marked, and it sets no record, the service having seen no
        // start of it.
        const QString waiting = records::pendingFolder(platform.accountDirectory());
        QCOMPARE(QDir(waiting).entryList(QDir::Files).size(), 1);
        records::begin(Socket, waiting);
        QCOMPARE(QDir(waiting).entryList(QDir::Files).size(), 0);
        QVERIFY2(bytesOf(Folder + LogFile)
                     .endsWith(",\"Bea\",13,0,13,300,\"no\",\"" + account() +
                               "\",\"no\",10000,5,\"gara\",\"\",,,,,,\r\n"),
                 bytesOf(Folder + LogFile).constData());
        QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
    }
    QCOMPARE(bytesOf(target), QByteArray("99\r\n")); // never written through a link
    // Whoever starts next reads what is there, without writing anything.
    if (plant.isEmpty()) {
        const records::Record next = records::startUp(Folder, Socket);
        QCOMPARE(next.score, QString(scoreAfter));
        QCOMPARE(next.holder, (boxes.isEmpty() ? QString("Anna") : name) + "\r\n");
    }
}

void TestService::onlySingleFilesAreWritten_data()
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

void TestService::onlySingleFilesAreWritten()
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
        records::begin(Socket, QString());
    }
    const QString elsewhere = victim();
    QVERIFY(plant(folder + name, target == "(victim)" ? elsewhere : folder + target, hard));
    const QByteArray scoreBefore = bytesOf(folder + records::ScoreFile);
    const QByteArray holderBefore = bytesOf(folder + records::HolderFile);
    contest::endContest(platform, folder, false, {{13, "Bea", 0, 300, shownRecord("12\r\n")}});
    QCOMPARE(platform.exitStatus, 1);
    QCOMPARE(platform.boxes.size(), 1);
    QVERIFY2(platform.boxPrompts()[0].endsWith(told), qPrintable(platform.boxPrompts()[0]));
    QCOMPARE(bytesOf(folder + records::ScoreFile), scoreBefore);
    QCOMPARE(bytesOf(folder + records::HolderFile), holderBefore);
    QCOMPARE(bytesOf(elsewhere), QByteArray("1\r\n"));
}

void TestService::resetRepairsTheFolder_data()
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

void TestService::resetRepairsTheFolder()
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
        QVERIFY(put(path, QByteArray::fromStdString(
                              records::journal::encode({"14\r\n", "Carlo\r\n", ""}))));
    else if (wrong == "missing")
        QVERIFY(QFile::remove(path));
    else
        QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    records::request::Failure failure;
    const int status = records::transaction::reset(Folder.toStdString(), "", failure);
    QCOMPARE(bytesOf(elsewhere), QByteArray("1\r\n")); // never followed
    if (!refused.isEmpty()) {
        QCOMPARE(status, int(records::request::Failed) + int(records::Cause::NotRegular));
        QCOMPARE(QString::fromStdString(failure.name), refused);
        QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
        return;
    }
    QCOMPARE(status, int(records::request::Written));
    struct stat folder;
    QCOMPARE(stat(QFile::encodeName(Folder).constData(), &folder), 0);
    for (const QString& file : {records::ScoreFile, records::HolderFile, NameFile, JournalFile,
                                LockFile, ScratchFile, LogFile}) {
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
// and writes nothing; the next call of the service finishes it first, then
// compares with it: a game that saw 12 at its start and made 14 saves nothing.
void TestService::startUpShowsAPendingSaveWithoutWriting()
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
    records::begin(Socket, QString());
    contest::endContest(platform, Folder, false, {{14, "Bea", 0, 300, shownRecord("12\r\n")}});
    QCOMPARE(platform.boxPrompts(), QStringList{});
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("14\r\n"));
    QCOMPARE(bytesOf(Folder + records::HolderFile), QByteArray("Carlo\r\n"));
    QVERIFY(!records::journal::decode(bytesOf(Folder + JournalFile).toStdString()));
}

// Running out of memory anywhere in a save is told like any other failure,
// and leaves no descriptor open.
void TestService::nothingEscapesTheService()
{
    installed("12\r\n", "Anna\r\n");
    const auto request = records::request::parse("corvalesta fine 1\n13\n0\n300\n1\nBea\nBea\n");
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
        const auto outcome = records::transaction::carryOut(
            *request, Folder.toStdString(), records::RecordStore::Mode::Shared, "eva", 0);
        QCOMPARE(descriptors(), before);
        if (calls < at) {
            QCOMPARE(outcome.status, int(records::request::Written));
            break;
        }
        QCOMPARE(outcome.status, int(records::request::Failed) + int(records::Cause::OutOfMemory));
        installed("12\r\n", "Anna\r\n");
    }
    sys::setHook(nullptr);
    QVERIFY(at > 10);
}

// An end counts only when this account's start came before it, long enough
// before for the seconds it claims (and one of slack), once, and within the
// day's number of contests. Times are seconds from 2026-12-09 00:00 UTC + 10 h.
void TestService::contestMustBePlayed_data()
{
    QTest::addColumn<QString>("script");      // "s UID AT" starts, "e UID AT SECONDS" ends
    QTest::addColumn<QList<int>>("statuses"); // of the ends, in order
    QTest::addColumn<QByteArray>("score");    // after
    using namespace records::request;
    QTest::newRow("played as long as it says")
        << "s 1 0;e 1 300 300" << QList<int>{Written} << QByteArray("13\r\n");
    QTest::newRow("a second of slack")
        << "s 1 0;e 1 299 300" << QList<int>{Written} << QByteArray("13\r\n");
    QTest::newRow("more seconds than have passed")
        << "s 1 0;e 1 298 300" << QList<int>{TooSoon} << QByteArray("12\r\n");
    QTest::newRow("no start") << "e 1 300 300" << QList<int>{Unverified} << QByteArray("12\r\n");
    QTest::newRow("another account's start")
        << "s 2 0;e 1 300 300" << QList<int>{Unverified} << QByteArray("12\r\n");
    QTest::newRow("ended twice") << "s 1 0;e 1 300 300;e 1 301 300 14"
                                 << QList<int>{Written, Unverified} << QByteArray("13\r\n");
    // One open contest an account: a new start gives the old one up.
    QTest::newRow("started again")
        << "s 1 0;s 1 200;e 1 300 300" << QList<int>{TooSoon} << QByteArray("12\r\n");
}

void TestService::contestMustBePlayed()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, statuses);
    QFETCH(QByteArray, score);
    installed("12\r\n", "Anna\r\n");
    const std::time_t base = 1796810400; // 2026-12-09T10:00:00Z
    QList<int> seen;
    for (const QString& step : script.split(u';')) {
        const QStringList f = step.split(u' ');
        const auto uid = uid_t(f[1].toInt());
        const std::time_t at = base + f[2].toInt();
        if (f[0] == "s") {
            records::service::answer(records::request::start(), Folder.toStdString(), uid, "eva",
                                     at);
            continue;
        }
        const std::string request = "corvalesta fine 1\n" + f.value(4, "13").toStdString() +
                                    "\n0\n" + f[3].toStdString() + "\n1\nBea\nBea\n";
        const auto reply = records::request::parseReply(
            records::service::answer(request, Folder.toStdString(), uid, "eva", at));
        QVERIFY(reply);
        seen << reply->status;
    }
    QCOMPARE(seen, statuses);
    QCOMPARE(bytesOf(Folder + records::ScoreFile), score);
}

// What the service keeps of the names it is sent: cleaned as the prompt
// cleans them, the holder the name's own spelling whatever was sent; a
// spelling in Latin letters is taken only for a name the code page lacks.
void TestService::holderIsTheNamesOwnSpelling_data()
{
    QTest::addColumn<QByteArray>("holder"); // sent, in the code page
    QTest::addColumn<QByteArray>("name");   // sent, UTF-8
    QTest::addColumn<QByteArray>("stored"); // the holder file; empty: refused
    QTest::addColumn<QByteArray>("logged"); // the name in the log's line
    QTest::newRow("a classmate's name as holder")
        << QByteArray("Bea") << QByteArray("Anna") << QByteArray("Anna\r\n")
        << QByteArray("\"Anna\"");
    QTest::newRow("Zoë spelled without her letter")
        << QByteArray("Zoe") << QByteArray("Zo\xC3\xAB") << QByteArray("Zo\xEB\r\n")
        << QByteArray("\"Zo\xC3\xAB\"");
    QTest::newRow("Cyrillic in Latin letters")
        << QByteArray("Andrij") << QByteArray("\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD1\x96\xD0\xB9")
        << QByteArray("Andrij\r\n")
        << QByteArray("\"\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD1\x96\xD0\xB9\"");
    QTest::newRow("Cyrillic with a holder of other letters")
        << QByteArray("Bj\xF6rn") << QByteArray("\xD0\x90\xD0\xBD") << QByteArray() << QByteArray();
    // U+200B before a formula, U+00A0 and U+202E inside: what a prompt drops.
    QTest::newRow("invisible characters from a client")
        << QByteArray("=1+1") << QByteArray("\xE2\x80\x8B=1+1\xC2\xA0\xE2\x80\xAE ")
        << QByteArray("=1+1\r\n") << QByteArray("\"'=1+1\"");
}

void TestService::holderIsTheNamesOwnSpelling()
{
    QFETCH(QByteArray, holder);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, logged);
    installed("12\r\n", "Anna\r\n");
    const std::time_t at = 1796810400;
    records::service::answer(records::request::start(), Folder.toStdString(), 7, "eva", at);
    const std::string request = "corvalesta fine 1\n13\n0\n300\n1\n" + holder.toStdString() + "\n" +
                                name.toStdString() + "\n";
    const auto reply = records::request::parseReply(
        records::service::answer(request, Folder.toStdString(), 7, "eva", at + 300));
    QVERIFY(reply);
    QCOMPARE(reply->status,
             int(stored.isEmpty() ? records::request::Refused : records::request::Written));
    QCOMPARE(bytesOf(Folder + records::HolderFile),
             stored.isEmpty() ? QByteArray("Anna\r\n") : stored);
    if (!stored.isEmpty()) {
        QVERIFY2(
            bytesOf(Folder + LogFile)
                .contains("," + logged +
                          ",13,0,13,300,\"sì\",\"eva\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n"),
            bytesOf(Folder + LogFile).constData());
        // The record keeps who set it, beside the whole name.
        QVERIFY(bytesOf(Folder + NameFile).endsWith("\neva\n"));
    }
}

// Each range and length keeps its own record, in a folder of its own; a
// practice keeps none; every contest goes into the one log, saying what it
// played. The reset empties one setting's record, or all.
void TestService::settingsKeepTheirOwnRecords()
{
    installed("12\r\n", "Anna\r\n");
    const std::string folder = Folder.toStdString();
    const std::time_t at = 1796810400;
    const QString own = Folder + "fino_a-20_minuti-1/";
    const auto end = [&](const std::string& fields, std::time_t when) {
        const auto reply = records::request::parseReply(
            records::service::answer("corvalesta fine 2\n" + fields, folder, 1, "eva", when));
        return reply ? reply->status : -1;
    };
    records::service::answer(records::request::start(), folder, 1, "eva", at);
    QCOMPARE(end("13\n0\n60\n1\nBea\nBea\n20\n1\ngara\n", at + 60), int(records::request::Written));
    QCOMPARE(bytesOf(own + records::ScoreFile), QByteArray("13\r\n"));
    QCOMPARE(bytesOf(own + records::HolderFile), QByteArray("Bea\r\n"));
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
    QCOMPARE(bytesOf(Folder + records::HolderFile), QByteArray("Anna\r\n"));
    records::service::answer(records::request::start(), folder, 1, "eva", at + 100);
    QCOMPARE(end("50\n0\n900\n0\nUgo\nUgo\n20\n1\nallenamento\n", at + 1000),
             int(records::request::Written));
    QCOMPARE(bytesOf(own + records::ScoreFile), QByteArray("13\r\n"));
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
    const QList<QByteArray> lines = bytesOf(Folder + LogFile).split('\n');
    QCOMPARE(lines.size(), 4); // the header, two lines, nothing after the last end
    QVERIFY2(
        lines[1].endsWith(",\"Bea\",13,0,13,60,\"sì\",\"eva\",\"sì\",20,1,\"gara\",\"\",,,,,,\r"),
        lines[1].constData());
    QVERIFY2(lines[2].endsWith(
                 ",\"Ugo\",50,0,50,900,\"no\",\"eva\",\"sì\",20,1,\"allenamento\",\"\",,,,,,\r"),
             lines[2].constData());
    QVERIFY(!QFileInfo::exists(own + LogFile));
    records::request::Failure failure;
    QCOMPARE(records::transaction::reset(folder, "fino_a-20_minuti-1", failure),
             int(records::request::Written));
    QCOMPARE(bytesOf(own + records::ScoreFile), QByteArray());
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
    QCOMPARE(records::transaction::reset(folder, "", failure), int(records::request::Written));
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray());
    QVERIFY(!records::transaction::named("fino_a-30_minuti-1"));
    QVERIFY(records::transaction::named("fino_a-10000_minuti-5"));
}

void TestService::onlyTeachersSaveSettings_data()
{
    QTest::addColumn<bool>("teacher");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("classList"); // else the settings
    const QByteArray good = "# 1A\nfino_a = 20\nminuti = 1\n";
    QTest::newRow("a teacher's") << true << good << int(records::request::Written) << false;
    QTest::newRow("a pupil's") << false << good << int(records::request::NotTeacher) << false;
    QTest::newRow("a teacher's, a bad value")
        << true << QByteArray("fino_a = 30\n") << int(records::request::BadSettings) << false;
    QTest::newRow("a teacher's, an unknown key")
        << true << QByteArray("colore = rosso\n") << int(records::request::BadSettings) << false;
    QTest::newRow("a teacher's, too long")
        << true << QByteArray(2049, '#') << int(records::request::Refused) << false;
    const QByteArray names = "Anna Rossi\nNiccol\xC3\xB2\n=SUM(A1)\n";
    QTest::newRow("a teacher's class list")
        << true << names << int(records::request::Written) << true;
    QTest::newRow("a pupil's class list")
        << false << names << int(records::request::NotTeacher) << true;
    QTest::newRow("a class list not in UTF-8")
        << true << QByteArray("Niccol\xF2\n") << int(records::request::BadSettings) << true;
    QTest::newRow("a class list with an escape")
        << true << QByteArray("Anna\x1B[2J\n") << int(records::request::BadSettings) << true;
    QTest::newRow("a class list too long")
        << true << QByteArray(2049, 'a') << int(records::request::Refused) << true;
}

// The service writes the settings for a teacher only, whole or not at all;
// who is a teacher the service itself tells from the socket's peer.
void TestService::onlyTeachersSaveSettings()
{
    QFETCH(bool, teacher);
    QFETCH(QByteArray, text);
    QFETCH(int, status);
    QFETCH(bool, classList);
    installed("12\r\n", "Anna\r\n");
    const QString file = Folder + (classList ? settings::ClassFile : settings::FileName);
    QVERIFY(put(file, "minuti = 3\n"));
    const std::string request = classList ? records::request::saveClass(text.toStdString())
                                          : records::request::saveSettings(text.toStdString());
    const auto reply = records::request::parseReply(
        records::service::answer(request, Folder.toStdString(), 1000, "eva", 1796810400, teacher));
    QVERIFY(reply);
    QCOMPARE(reply->status, status);
    QCOMPARE(bytesOf(file), status == 0 ? text : QByteArray("minuti = 3\n"));
    QVERIFY(!QFileInfo::exists(Folder + "impostazioni.tmp"));
    QVERIFY(!QFileInfo::exists(Folder + "classe.tmp"));
    if (status == 0)
        QCOMPARE(QFileInfo(file).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadUser | QFile::WriteUser |
                                                             QFile::ReadGroup | QFile::ReadOther);
}

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
