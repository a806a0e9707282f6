// The computer's record writer: what it takes on its input, and the game
// saving and starting through it in a shared folder of the tests' own.
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "RecordFiles.h"
#include "ResultsLog.h"
#include "SysCalls.h"
#include "WriterRequest.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestWriter : public QObject {
    Q_OBJECT
private slots:
    void inputIsCheckedStrictly_data();
    void inputIsCheckedStrictly();
    void resultRequestIsCheckedStrictly_data();
    void resultRequestIsCheckedStrictly();
    void gameSavesThroughTheWriter_data();
    void gameSavesThroughTheWriter();
    void onlySingleFilesAreWritten_data();
    void onlySingleFilesAreWritten();
    void resetRepairsTheFolder_data();
    void resetRepairsTheFolder();
    void startUpShowsAPendingSaveWithoutWriting();
    void nothingEscapesTheWriter();
};

namespace {

const QString Folder = QStringLiteral(CORVALESTA_TEST_SHARED_DIR "/");
const QString Writer = QStringLiteral(CORVALESTA_TEST_WRITER);

const QString LockFile = QString::fromLatin1(records::LockName);
const QString JournalFile = QString::fromLatin1(records::journal::Name);

// The shared folder as the package leaves it, with a record in it.
void installed(const QByteArray& score, const QByteArray& holder)
{
    QDir(Folder).removeRecursively();
    QVERIFY(QDir().mkpath(Folder));
    QVERIFY(put(Folder + records::ScoreFile, score));
    QVERIFY(put(Folder + records::HolderFile, holder));
    QVERIFY(put(Folder + JournalFile, QByteArray()));
    QVERIFY(put(Folder + LockFile, QByteArray()));
    QVERIFY(put(Folder + records::results::Name, QByteArray()));
    QVERIFY(put(Folder + records::results::Scratch, QByteArray()));
    QVERIFY(QFile::setPermissions(Folder + LockFile, QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ReadGroup | QFile::WriteGroup));
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

} // namespace

void TestWriter::inputIsCheckedStrictly_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("refusal");      // 0: taken
    QTest::addColumn<QByteArray>("score"); // the lines as stored
    QTest::addColumn<QByteArray>("holder");
    const QByteArray longest(4096, 'a');
    const auto taken = [](const char* name, const QByteArray& input, const QByteArray& score,
                          const QByteArray& holder) {
        QTest::newRow(name) << input << 0 << score << holder;
    };
    taken("Anna 12", "12\nAnna\n", "12\r\n", "Anna\r\n");
    taken("empty name", "1\n\n", "1\r\n", "\r\n");
    taken("five digits", "32767\nBea\n", "32767\r\n", "Bea\r\n");
    taken("Niccolò in the code page", "3\nNiccol\xF2\n", "3\r\n", "Niccol\xF2\r\n");
    // Bytes 128 to 159 are letters in the code page: the euro sign, Š, Ÿ.
    taken("euro, S caron, Y diaeresis", "3\n\x80\x8A\x9F\n", "3\r\n", "\x80\x8A\x9F\r\n");
    taken("longest name", "7\n" + longest + "\n", "7\r\n", longest + "\r\n");
    const auto refused = [](const char* name, const QByteArray& input,
                            int status = records::writer::Refused) {
        QTest::newRow(name) << input << status << QByteArray() << QByteArray();
    };
    refused("nothing", "");
    refused("six digits", "123456\nAnna\n");
    refused("no digits", "\nAnna\n");
    refused("sign", "-1\nAnna\n");
    refused("blank in the score", "1 2\nAnna\n");
    refused("name too long", "7\n" + longest + "a\n", records::writer::NameTooLong);
    refused("CR in the name", "7\nAn\rna\n");
    refused("tab in the name", "7\nAn\tna\n");
    refused("escape in the name", "7\nAn\x1Bna\n");
    refused("DEL in the name", "7\nAn\x7Fna\n");
    refused("NUL in the name", QByteArray("7\nAn\0na\n", 8));
    refused("a third line", "7\nAnna\nBea\n");
    refused("no line end", "7\nAnna");
    refused("one line only", "7\n");
    refused("CR LF lines", "7\r\nAnna\r\n");
}

void TestWriter::inputIsCheckedStrictly()
{
    QFETCH(QByteArray, input);
    QFETCH(int, refusal);
    QFETCH(QByteArray, score);
    QFETCH(QByteArray, holder);
    auto status = records::writer::Written;
    const auto request =
        records::writer::parse(std::string_view(input.constData(), input.size()), &status);
    QCOMPARE(request.has_value(), refusal == 0);
    QCOMPARE(int(status), refusal);
    if (request) {
        QCOMPARE(QByteArray::fromStdString(request->lines.score), score);
        QCOMPARE(QByteArray::fromStdString(request->lines.holder), holder);
    }
}

void TestWriter::resultRequestIsCheckedStrictly_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");      // carried out where the record is 12
    QTest::addColumn<QByteArray>("line"); // added to the log, after its stamp
    const auto row = [](const char* name, const QByteArray& fields, int status,
                        const QByteArray& line = QByteArray()) {
        QTest::newRow(name) << "risultato\n" + fields << status << line;
    };
    using namespace records::writer;
    row("Anna, 12 of 15", "Anna\n12\n3\n15\n300\n1\n", Written, ",Anna,12,3,15,300,sì\r\n");
    row("no record", "Bea\n5\n0\n5\n42\n0\n", Written, ",Bea,5,0,5,42,no\r\n");
    row("a comma and quotes, quoted", "Bea \"la\", Rossi\n1\n0\n1\n300\n0\n", Written,
        ",\"Bea \"\"la\"\", Rossi\",1,0,1,300,no\r\n");
    row("Niccolò in UTF-8", "Niccol\xC3\xB2\n0\n0\n0\n0\n0\n", Written,
        ",Niccol\xC3\xB2,0,0,0,0,no\r\n");
    row("a record the folder does not hold", "Eva\n13\n0\n13\n300\n1\n", Refused);
    row("total not the sum", "Eva\n3\n1\n5\n300\n0\n", Refused);
    row("past five minutes", "Eva\n3\n1\n4\n301\n0\n", Refused);
    row("beyond 16 bits", "Eva\n32768\n0\n32768\n300\n0\n", Refused);
    row("leading zero", "Eva\n03\n1\n4\n300\n0\n", Refused);
    row("record neither 0 nor 1", "Eva\n3\n1\n4\n300\n2\n", Refused);
    row("a tab in the name", "E\tva\n3\n1\n4\n300\n0\n", Refused);
    row("not UTF-8", "Niccol\xF2\n3\n1\n4\n300\n0\n", Refused);
    row("a line missing", "Eva\n3\n1\n4\n300\n", Refused);
    row("a line too many", "Eva\n3\n1\n4\n300\n0\n0\n", Refused);
    row("name too long", QByteArray(4097, 'a') + "\n3\n1\n4\n300\n0\n", NameTooLong);
}

// A contest for the class's results: strictly checked, stamped by the
// writer, one whole line at the log's end.
void TestWriter::resultRequestIsCheckedStrictly()
{
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QByteArray, line);
    installed("12\r\n", "Anna\r\n");
    auto refusal = records::writer::Written;
    const auto request =
        records::writer::parse(std::string_view(input.constData(), input.size()), &refusal);
    records::writer::Failure failure;
    const int result =
        request ? records::writer::carryOut(*request, Folder.toStdString(), failure) : int(refusal);
    QCOMPARE(result, status);
    const QByteArray log = bytesOf(Folder + records::results::Name);
    if (line.isEmpty()) {
        QCOMPARE(log, QByteArray());
        return;
    }
    QVERIFY(log.startsWith(records::results::Header));
    const QByteArray added = log.mid(int(strlen(records::results::Header)));
    // 2026-12-08T09:30:00+01:00: a stamp of 25 characters.
    QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$")
                 .match(QString::fromLatin1(added.left(25)))
                 .hasMatch(),
             added.constData());
    QCOMPARE(added.mid(25), line);
}

void TestWriter::gameSavesThroughTheWriter_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("plant"); // what stands in the folder besides
    QTest::addColumn<QString>("score");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<int>("status");
    const QString saved = records::Saved;
    QTest::newRow("beaten") << QByteArray("12\r\n") << ""
                            << "13" << QStringList{saved} << QByteArray("13\r\n") << 0;
    QTest::newRow("first record") << QByteArray() << ""
                                  << "1" << QStringList{saved} << QByteArray("1\r\n") << 0;
    // Another account saved 20 since this game started with 12.
    QTest::newRow("not better than the stored one")
        << QByteArray("20\r\n") << ""
        << "15" << QStringList{} << QByteArray("20\r\n") << 0;
    QTest::newRow("a name longer than the writer keeps")
        << QByteArray("12\r\n") << "long name"
        << "13" << QStringList{"suc00000.txt\n\nMotivo: il nome è troppo lungo"}
        << QByteArray("12\r\n") << 1;
    QTest::newRow("score file a link")
        << QByteArray("12\r\n") << "link"
        << "13" << QStringList{"suc0000.txt\n\nMotivo: non è un file normale"}
        << QByteArray("(link)") << 1;
    QTest::newRow("score file missing")
        << QByteArray("12\r\n") << "missing"
        << "13"
        << QStringList{"suc0000.txt\n\nMotivo: il file non c'è: chi amministra il computer lo "
                       "rifà con «sudo " +
                       Writer + " --reset», che azzera il record"}
        << QByteArray("(missing)") << 1;
    QTest::newRow("a pipe for the score")
        << QByteArray("12\r\n") << "pipe"
        << "13" << QStringList{"suc0000.txt\n\nMotivo: non è un file normale"}
        << QByteArray("(pipe)") << 1;
}

void TestWriter::gameSavesThroughTheWriter()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, plant);
    QFETCH(QString, score);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, scoreAfter);
    QFETCH(int, status);
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
    }
    FakePlatform platform;
    platform.writer = Writer;
    // The record this game saw at its start: 12, or none on a first run.
    const QString seen = stored.isEmpty() ? QString() : QStringLiteral("12\r\n");
    const QString holder = plant == "long name" ? QString(4097, u'B') : QStringLiteral("Bea");
    records::endContest(platform, Folder, false, {seen, score, holder});
    QCOMPARE(platform.exitStatus, status);
    QCOMPARE(platform.boxPrompts().size(), boxes.size());
    for (int i = 0; i < boxes.size(); ++i)
        QVERIFY2(platform.boxPrompts()[i].endsWith(boxes[i]), qPrintable(platform.boxPrompts()[i]));
    if (plant != "link" && plant != "pipe")
        QCOMPARE(bytesOf(Folder + records::ScoreFile), scoreAfter);
    // The contest reaches the class's results, whether it set a record or not.
    if (status == 0)
        QVERIFY(bytesOf(Folder + records::results::Name)
                    .endsWith(",Bea," + score.toLatin1() + ",0," + score.toLatin1() + ",0," +
                              (boxes.isEmpty() ? "no" : "sì") + "\r\n"));
    QCOMPARE(bytesOf(target), QByteArray("99\r\n")); // never written through a link
    // Whoever starts next reads what is there, without writing anything.
    if (plant.isEmpty()) {
        const records::Record next = records::startUp(Folder, Writer);
        QCOMPARE(next.score, QString(scoreAfter));
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
    const QString folder = shared ? Folder : records::GetSystemDir(platform);
    if (!shared) {
        QVERIFY(put(folder + records::ScoreFile, "12\r\n"));
        QVERIFY(put(folder + records::HolderFile, "Anna\r\n"));
        platform.recordDir = folder;
    } else {
        platform.writer = Writer;
    }
    const QString elsewhere = victim();
    QVERIFY(plant(folder + name, target == "(victim)" ? elsewhere : folder + target, hard));
    const QByteArray scoreBefore = bytesOf(folder + records::ScoreFile);
    const QByteArray holderBefore = bytesOf(folder + records::HolderFile);
    records::endContest(platform, folder, false, {"12\r\n", "13", "Bea"});
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
    QTest::newRow("a pipe for the journal") << JournalFile << "pipe"
                                            << "";
    QTest::newRow("a pending journal") << JournalFile << "pending"
                                       << "";
    for (const QString& name : {score, holder, JournalFile, LockFile})
        QTest::addRow("%s missing", qPrintable(name)) << name << "missing"
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
                    QByteArray::fromStdString(records::journal::encode({"14\r\n", "Carlo\r\n"}))));
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
    for (const QString& file : {records::ScoreFile, records::HolderFile, JournalFile, LockFile}) {
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(Folder + file).constData(), &st), 0);
        QVERIFY2(S_ISREG(st.st_mode) && st.st_nlink == 1, qPrintable(file));
        // As the package makes them: the folder's owner and group.
        QCOMPARE(st.st_mode & 07777, file == LockFile ? 0660u : 0664u);
        QCOMPARE(st.st_uid, folder.st_uid);
        QCOMPARE(st.st_gid, folder.st_gid);
    }
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray());
    QCOMPARE(bytesOf(Folder + records::HolderFile), QByteArray());
    // The pending save is dropped, not finished later.
    const records::Record after = records::startUp(Folder, Writer);
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
        QByteArray::fromStdString(records::journal::encode({"14\r\n", "Carlo\r\n"}));
    QVERIFY(put(Folder + JournalFile, pending));
    const records::Record record = records::startUp(Folder, Writer);
    QCOMPARE(record.score, QString("14\r\n"));
    QCOMPARE(record.holder, QString("Carlo\r\n"));
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("12\r\n"));
    QCOMPARE(bytesOf(Folder + JournalFile), pending);
    FakePlatform platform;
    platform.writer = Writer;
    records::endContest(platform, Folder, false, {"12\r\n", "14", "Bea"});
    QCOMPARE(platform.boxPrompts(), QStringList{});
    QCOMPARE(bytesOf(Folder + records::ScoreFile), QByteArray("14\r\n"));
    QCOMPARE(bytesOf(Folder + records::HolderFile), QByteArray("Carlo\r\n"));
    QVERIFY(!records::journal::decode(bytesOf(Folder + JournalFile).toStdString()));
}

// Running out of memory anywhere in a save is told like any other failure,
// and leaves no descriptor open.
void TestWriter::nothingEscapesTheWriter()
{
    installed("12\r\n", "Anna\r\n");
    const auto request = records::writer::parse("13\nBea\n");
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
        records::writer::Failure failure;
        const int status = records::writer::carryOut(*request, Folder.toStdString(), failure);
        QCOMPARE(descriptors(), before);
        if (calls < at) {
            QCOMPARE(status, int(records::writer::Written));
            break;
        }
        QCOMPARE(status, int(records::writer::Failed) + int(records::Cause::OutOfMemory));
        installed("12\r\n", "Anna\r\n");
    }
    sys::setHook(nullptr);
    QVERIFY(at > 10);
}

QTEST_GUILESS_MAIN(TestWriter)
#include "tst_writer.moc"
