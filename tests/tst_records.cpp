// The record files: their bytes, start-up, the end of a contest, and the
// faults that must never cost a record.
#include "Cp1252.h"
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "RecordFiles.h"
#include "ResultsLog.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <QScopeGuard>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void recordDirectoryEndsInOneSeparator_data();
    void recordDirectoryEndsInOneSeparator();
    void startUpReadsAndNeverChanges_data();
    void startUpReadsAndNeverChanges();
    void writtenBytes_data();
    void writtenBytes();
    void codePageAgreesWithWindows1252();
    void endOfContest_data();
    void endOfContest();
    void anotherCopySavedMeanwhile_data();
    void anotherCopySavedMeanwhile();
    void faultsKeepTheOldRecord_data();
    void faultsKeepTheOldRecord();
    void staleLockIsTakenOver();
    void resultsLogKeepsItsBound();
    void readOnlyPlacesKeepTheRecord_data();
    void readOnlyPlacesKeepTheRecord();
};

namespace {

// A record directory holding these files; "(missing)" leaves one out.
QString prepared(FakePlatform& platform, const QByteArray& score, const QByteArray& holder)
{
    const QString dir = records::GetSystemDir(platform);
    if ((score != "(missing)" && !put(dir + records::ScoreFile, score)) ||
        (holder != "(missing)" && !put(dir + records::HolderFile, holder)))
        qFatal("cannot prepare the record files in %s", qPrintable(dir));
    return dir;
}

// Makes a file or directory unwritable, even for root (CI runs as root, and
// root ignores permission bits): immutable where the file system allows it.
class ReadOnly {
public:
    explicit ReadOnly(const QString& path) : m_path(path)
    {
        if (geteuid() != 0) {
            m_done = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        } else {
            m_immutable = chattr("+i");
            m_done = m_immutable;
        }
    }
    ~ReadOnly()
    {
        if (m_immutable)
            chattr("-i");
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool done() const { return m_done; }

private:
    bool chattr(const char* flag) const
    {
        const QByteArray command =
            QByteArray("chattr ") + flag + " '" + QFile::encodeName(m_path) + "' 2>/dev/null";
        return std::system(command.constData()) == 0;
    }

    QString m_path;
    bool m_done = false;
    bool m_immutable = false;
};

} // namespace

void TestRecords::recordDirectoryEndsInOneSeparator_data()
{
    QTest::addColumn<QString>("given");
    QTest::newRow("without separator") << "giochi/corvalesta";
    QTest::newRow("with separator") << "giochi/corvalesta/";
    QTest::newRow("not there yet, two levels") << "nuovo/livello/corvalesta";
}

void TestRecords::recordDirectoryEndsInOneSeparator()
{
    QFETCH(QString, given);
    FakePlatform platform;
    platform.recordDir = platform.dataDir.filePath(given);
    const QString dir = records::GetSystemDir(platform);
    QVERIFY(dir.endsWith(u'/'));
    QVERIFY(!dir.endsWith(QStringLiteral("//")));
    QVERIFY(QDir(dir).exists());
    QCOMPARE(dir + records::ScoreFile, platform.dataDir.path() + "/" +
                                           (given.endsWith(u'/') ? given.chopped(1) : given) +
                                           "/suc0000.txt");
}

void TestRecords::startUpReadsAndNeverChanges_data()
{
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<QByteArray>("holder");
    QTest::addColumn<QString>("scoreText");
    QTest::addColumn<QString>("holderText");
    QTest::newRow("first run") << QByteArray("(missing)") << QByteArray("(missing)") << ""
                               << "";
    QTest::newRow("one missing") << QByteArray("12\r\n") << QByteArray("(missing)") << "12\r\n"
                                 << "";
    QTest::newRow("Anna 12") << QByteArray("12\r\n") << QByteArray("Anna\r\n") << "12\r\n"
                             << "Anna\r\n";
    QTest::newRow("hand-edited second line")
        << QByteArray("7\r\nbravo\r\n") << QByteArray("Bea") << "7\r\nbravo\r\n"
        << "Bea";
    QTest::newRow("Niccolò from the old platform")
        << QByteArray("3\r\n") << QByteArray("Niccol\xF2\r\n") << "3\r\n"
        << QString::fromUtf8("Niccolò\r\n");
    QTest::newRow("NUL and unassigned bytes")
        << QByteArray("1\0\x81\xFF", 4) << QByteArray("\0\0", 2)
        << QString::fromUtf16(u"1\u0000\u0081\u00FF", 4) << QString(2, QChar(0));
    // A corrupted giant: only its beginning is read, and quickly.
    QTest::newRow("oversized") << QByteArray(5 * 1024 * 1024, '7') << QByteArray("Anna\r\n")
                               << QString(records::MaxRead, u'7') << "Anna\r\n";
}

void TestRecords::startUpReadsAndNeverChanges()
{
    QFETCH(QByteArray, score);
    QFETCH(QByteArray, holder);
    QFETCH(QString, scoreText);
    QFETCH(QString, holderText);
    FakePlatform platform;
    const QString dir = prepared(platform, score, holder);
    const records::Record record = records::startUp(dir);
    QCOMPARE(record.score, scoreText);
    QCOMPARE(record.holder, holderText);
    const auto expected = [](const QByteArray& b) { return b == "(missing)" ? QByteArray() : b; };
    QCOMPARE(bytesOf(dir + records::ScoreFile), expected(score));
    QCOMPARE(bytesOf(dir + records::HolderFile), expected(holder));
}

void TestRecords::writtenBytes_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QByteArray>("scoreHex");
    QTest::addColumn<QByteArray>("holderHex");
    QTest::newRow("Anna 12") << "12"
                             << "Anna" << QByteArray("31320d0a") << QByteArray("416e6e610d0a");
    QTest::newRow("empty name") << "1"
                                << "" << QByteArray("310d0a") << QByteArray("0d0a");
    QTest::newRow("Niccolò") << "5" << QString::fromUtf8("Niccolò") << QByteArray("350d0a")
                             << QByteArray("4e6963636f6cf20d0a");
    QTest::newRow("euro sign in the code page")
        << "5" << QString::fromUtf8("€") << QByteArray("350d0a") << QByteArray("800d0a");
    QTest::newRow("letters the code page lacks")
        << "5" << QString::fromUtf8("Łucja 日") << QByteArray("350d0a")
        << QByteArray("3f75636a61203f0d0a");
    QTest::newRow("one emoji, one question mark") << "5" << QString::fromUtf8("\U0001F600!")
                                                  << QByteArray("350d0a") << QByteArray("3f210d0a");
}

void TestRecords::writtenBytes()
{
    QFETCH(QString, score);
    QFETCH(QString, holder);
    QFETCH(QByteArray, scoreHex);
    QFETCH(QByteArray, holderHex);
    FakePlatform platform;
    const QString dir = prepared(platform, "", "");
    QVERIFY(records::write(dir, score, holder, 0));
    QCOMPARE(bytesOf(dir + records::ScoreFile).toHex(), scoreHex);
    QCOMPARE(bytesOf(dir + records::HolderFile).toHex(), holderHex);
    // Nothing left behind beside the two files, the journal at rest and the
    // lock, which only this account may open.
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"corvalesta.journal", "corvalesta.lock", "suc0000.txt", "suc00000.txt"}));
    QVERIFY(!records::journal::decode(bytesOf(dir + records::journal::Name).toStdString()));
    QCOMPARE(QFile::permissions(dir + records::LockName) & 0x0077, QFile::Permissions());
}

void TestRecords::codePageAgreesWithWindows1252()
{
    QStringDecoder decoder("windows-1252");
    QStringEncoder encoder("windows-1252");
    QVERIFY(decoder.isValid());
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        const QString ours = cp1252::decode(byte);
        QCOMPARE(ours.size(), 1);
        // The five unassigned bytes are not the same in every converter.
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        const QString theirs = decoder.decode(byte);
        QCOMPARE(ours, theirs);
        QCOMPARE(cp1252::encode(theirs), QByteArray(encoder.encode(theirs)));
    }
}

void TestRecords::endOfContest_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("goodbye");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArray>("scoreAfter");
    QTest::addColumn<QByteArray>("holderAfter");
    const QString bye = records::Goodbye, saved = records::Saved;
    QTest::newRow("12 against 12, exit button")
        << QByteArray("12\r\n") << "12" << false << QStringList{} << QByteArray("12\r\n")
        << QByteArray("Anna\r\n");
    QTest::newRow("12 against 12, countdown")
        << QByteArray("12\r\n") << "12" << true << QStringList{bye} << QByteArray("12\r\n")
        << QByteArray("Anna\r\n");
    QTest::newRow("12 beaten by 13") << QByteArray("12\r\n") << "13" << false << QStringList{saved}
                                     << QByteArray("13\r\n") << QByteArray("Bea\r\n");
    QTest::newRow("12 beaten at the countdown")
        << QByteArray("12\r\n") << "13" << true << QStringList{bye, saved} << QByteArray("13\r\n")
        << QByteArray("Bea\r\n");
    QTest::newRow("no record, score 0")
        << QByteArray() << "0" << false << QStringList{} << QByteArray() << QByteArray();
    QTest::newRow("no record, score 1") << QByteArray() << "1" << false << QStringList{saved}
                                        << QByteArray("1\r\n") << QByteArray("Bea\r\n");
    QTest::newRow("not a number counts 0")
        << QByteArray("dodici\r\n") << "1" << false << QStringList{saved} << QByteArray("1\r\n")
        << QByteArray("Bea\r\n");
    QTest::newRow("7 and a second line, 7")
        << QByteArray("7\r\nciao\r\n") << "7" << false << QStringList{}
        << QByteArray("7\r\nciao\r\n") << QByteArray("Anna\r\n");
    QTest::newRow("7 and a second line, 8")
        << QByteArray("7\r\nciao\r\n") << "8" << false << QStringList{saved} << QByteArray("8\r\n")
        << QByteArray("Bea\r\n");
    QTest::newRow("huge number nobody beats")
        << QByteArray("1e400\r\n") << "32767" << false << QStringList{} << QByteArray("1e400\r\n")
        << QByteArray("Anna\r\n");
    QTest::newRow("blanks before the number")
        << QByteArray("  2 0\r\n") << "20" << false << QStringList{} << QByteArray("  2 0\r\n")
        << QByteArray("Anna\r\n");
}

void TestRecords::endOfContest()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, score);
    QFETCH(bool, goodbye);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, scoreAfter);
    QFETCH(QByteArray, holderAfter);
    FakePlatform platform;
    const QString dir =
        prepared(platform, stored, stored.isEmpty() ? QByteArray() : QByteArray("Anna\r\n"));
    // The goodbye comes before anything is written.
    bool writtenBeforeGoodbye = false;
    platform.whileBoxOpen = [&](const FakePlatform::Box& box) {
        if (box.prompt == records::Goodbye)
            writtenBeforeGoodbye = bytesOf(dir + records::ScoreFile) != stored;
    };
    const records::Record record = records::startUp(dir);
    records::endContest(platform, dir, goodbye, {record.score, score, "Bea"});
    QCOMPARE(platform.boxPrompts(), boxes);
    for (const FakePlatform::Box& box : platform.boxes) {
        QCOMPARE(box.buttons, 0);
        QCOMPARE(box.title, QString());
    }
    QVERIFY(!writtenBeforeGoodbye);
    QCOMPARE(bytesOf(dir + records::ScoreFile), scoreAfter);
    QCOMPARE(bytesOf(dir + records::HolderFile), holderAfter);
    QCOMPARE(platform.endings, 1);
    QCOMPARE(platform.exitStatus, 0);
}

void TestRecords::anotherCopySavedMeanwhile_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("written");
    QTest::newRow("below the new record") << "10" << false;
    QTest::newRow("equal to the new record") << "20" << false;
    QTest::newRow("above it") << "21" << true;
}

void TestRecords::anotherCopySavedMeanwhile()
{
    QFETCH(QString, score);
    QFETCH(bool, written);
    FakePlatform platform;
    const QString dir = prepared(platform, "5\r\n", "Anna\r\n");
    const records::Record record = records::startUp(dir);
    // The other copy sets 20 while this one plays.
    QVERIFY(put(dir + records::ScoreFile, "20\r\n"));
    QVERIFY(put(dir + records::HolderFile, "Carlo\r\n"));
    records::endContest(platform, dir, false, {record.score, score, "Bea"});
    QCOMPARE(bytesOf(dir + records::HolderFile), written ? QByteArray("Bea\r\n") : "Carlo\r\n");
    QCOMPARE(bytesOf(dir + records::ScoreFile), written ? (score + "\r\n").toLatin1() : "20\r\n");
    // No confirmation for a record that was not written.
    QCOMPARE(platform.boxPrompts(), written ? QStringList{records::Saved} : QStringList{});
    QCOMPARE(platform.exitStatus, 0);
}

void TestRecords::faultsKeepTheOldRecord_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("named");
    QTest::newRow("holder file is a directory") << "holder"
                                                << "suc00000.txt";
    QTest::newRow("score file is a directory") << "score"
                                               << "suc0000.txt";
    QTest::newRow("lock held by another copy") << "lock"
                                               << "un'altra copia del gioco sta salvando";
}

void TestRecords::faultsKeepTheOldRecord()
{
    QFETCH(QString, fault);
    QFETCH(QString, named);
    FakePlatform platform;
    QString dir = records::GetSystemDir(platform);
    // Another copy holds the save lock.
    const int held =
        open(QFile::encodeName(dir + records::LockName).constData(), O_RDWR | O_CREAT, 0600);
    const auto release = qScopeGuard([held] { close(held); });
    if (fault == "lock") {
        QVERIFY(held >= 0 && flock(held, LOCK_EX) == 0);
        QVERIFY(put(dir + records::ScoreFile, "4\r\n"));
        QVERIFY(put(dir + records::HolderFile, "Anna\r\n"));
    } else {
        // Where one file should be there is a directory: that file cannot
        // be written, the other could.
        const QString blocked = fault == "holder" ? records::HolderFile : records::ScoreFile;
        const QString other = fault == "holder" ? records::ScoreFile : records::HolderFile;
        QVERIFY(QDir(dir).mkdir(blocked));
        QVERIFY(put(dir + other, fault == "holder" ? "4\r\n" : "Anna\r\n"));
    }
    const QByteArray scoreBefore = bytesOf(dir + records::ScoreFile);
    const QByteArray holderBefore = bytesOf(dir + records::HolderFile);
    records::endContest(platform, dir, false, {"4\r\n", "9", "Bea"});
    QCOMPARE(platform.boxes.size(), 1);
    const QString message = platform.boxes.first().prompt;
    QVERIFY2(message.contains(named), qPrintable(message));
    QVERIFY2(message.contains("Motivo"), qPrintable(message));
    QCOMPARE(platform.exitStatus, 1);
    QCOMPARE(bytesOf(dir + records::ScoreFile), scoreBefore);
    QCOMPARE(bytesOf(dir + records::HolderFile), holderBefore);
}

void TestRecords::staleLockIsTakenOver()
{
    FakePlatform platform;
    const QString dir = prepared(platform, "4\r\n", "Anna\r\n");
    // Left behind by an older copy that crashed: a process id that is not
    // running. The lock is the kernel's now, so it does not count.
    QVERIFY(put(dir + "corvalesta.lock",
                "2147483600\ncorvalesta\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    records::endContest(platform, dir, false, {"4\r\n", "9", "Bea"});
    QCOMPARE(platform.exitStatus, 0);
    QCOMPARE(bytesOf(dir + records::ScoreFile), QByteArray("9\r\n"));
    // Readable by others it was a lock they could hold: now it is private.
    QCOMPARE(QFile::permissions(dir + records::LockName) & 0x0077, QFile::Permissions());
}

void TestRecords::readOnlyPlacesKeepTheRecord_data()
{
    QTest::addColumn<QString>("readOnly"); // relative to the record directory
    QTest::addColumn<bool>("atStartUp");
    QTest::addColumn<QString>("named");
    QTest::newRow("score file, saving") << "suc0000.txt" << false << "suc0000.txt";
    QTest::newRow("holder file, saving") << "suc00000.txt" << false << "suc00000.txt";
    QTest::newRow("directory, saving") << "." << false << "corvalesta/";
    QTest::newRow("directory, first start-up") << "." << true << "suc0000.txt";
}

void TestRecords::readOnlyPlacesKeepTheRecord()
{
    QFETCH(QString, readOnly);
    QFETCH(bool, atStartUp);
    QFETCH(QString, named);
    FakePlatform platform;
    const QString dir =
        atStartUp ? records::GetSystemDir(platform) : prepared(platform, "4\r\n", "Anna\r\n");
    const QByteArray scoreBefore = bytesOf(dir + records::ScoreFile);
    const QByteArray holderBefore = bytesOf(dir + records::HolderFile);
    ReadOnly guard(QDir::cleanPath(dir + readOnly));
    if (!guard.done())
        QSKIP("this file system cannot make a file read-only for root (no chattr +i)");
    try {
        if (atStartUp) {
            records::startUp(dir);
            QFAIL("start-up went on without its files");
        }
        records::endContest(platform, dir, false, {"4\r\n", "9", "Bea"});
    } catch (const records::RecordError& error) {
        QVERIFY2(error.message().contains(named), qPrintable(error.message()));
    }
    if (!atStartUp) {
        QCOMPARE(platform.boxes.size(), 1);
        QVERIFY2(platform.boxes.first().prompt.contains(named),
                 qPrintable(platform.boxes.first().prompt));
        QCOMPARE(platform.exitStatus, 1);
    }
    QCOMPARE(bytesOf(dir + records::ScoreFile), scoreBefore);
    QCOMPARE(bytesOf(dir + records::HolderFile), holderBefore);
}

// Past 10 MiB the oldest contests go, whole lines at a time, and the new one
// is the last; the header stays first.
void TestRecords::resultsLogKeepsItsBound()
{
    FakePlatform platform;
    const QString dir = records::GetSystemDir(platform);
    const QByteArray header = records::results::Header;
    // 100-byte lines, numbered: line i holds i in its name field.
    QByteArray log = header;
    int lines = 0;
    while (log.size() + 100 <= int(records::results::MaxBytes)) {
        QByteArray line =
            "2026-12-07T10:00:00+01:00," + QByteArray::number(lines) + ",1,0,1,300,no";
        line += QByteArray(98 - line.size(), ' ') + "\r\n";
        log += line;
        ++lines;
    }
    QVERIFY(put(dir + records::results::Name, log));
    QVERIFY(records::appendResult(dir, {"Bea", 13, 1, 300, false}));
    const QByteArray after = bytesOf(dir + records::results::Name);
    QVERIFY(after.size() <= int(records::results::MaxBytes));
    QVERIFY(after.startsWith(header));
    QVERIFY(after.endsWith(",Bea,13,1,14,300,no\r\n"));
    // The new line is 46 bytes: the oldest line goes, whole; the next stays.
    QVERIFY(after.mid(header.size()).startsWith("2026-12-07T10:00:00+01:00,1,"));
    QCOMPARE(after.size(), log.size() - 100 + 25 + 21);
    // The old log, swapped out, takes no room.
    QCOMPARE(bytesOf(dir + records::results::Scratch), QByteArray());
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
