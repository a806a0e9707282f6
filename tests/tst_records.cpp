// The record files: their bytes, start-up, the end of a contest, and the
// faults that must never cost a record.
#include "Cp1252.h"
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "NameFile.h"
#include "NameRule.h"
#include "RecordFiles.h"
#include "RecordStore.h"
#include "ResultsLog.h"
#include "School.h"
#include "SettingsText.h"
#include "Spreadsheet.h"
#include "SysCalls.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <QScopeGuard>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void schoolPublication_data();
    void schoolPublication();
    void schoolRecord_data();
    void schoolRecord();
    void settingsFiles_data();
    void settingsFiles();
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
    void resultsLinesRoundTrip_data();
    void resultsLinesRoundTrip();
    void appendNeverJoinsALine_data();
    void appendNeverJoinsALine();
    void spreadsheetKeepsNamesText_data();
    void spreadsheetKeepsNamesText();
    void fullLogCostsTheBiggestShare_data();
    void fullLogCostsTheBiggestShare();
    void readOnlyPlacesKeepTheRecord_data();
    void readOnlyPlacesKeepTheRecord();
};

namespace {

// A record directory holding these files; "(missing)" leaves one out.
QString prepared(FakePlatform& platform, const QByteArray& score, const QByteArray& holder,
                 const QByteArray& name = "(missing)")
{
    const QString dir = records::GetSystemDir(platform.recordDirectory());
    if ((score != "(missing)" && !put(dir + records::ScoreFile, score)) ||
        (holder != "(missing)" && !put(dir + records::HolderFile, holder)) ||
        (name != "(missing)" && !put(dir + records::names::Name, name)))
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
    const QString dir = records::GetSystemDir(platform.recordDirectory());
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
    QTest::addColumn<QByteArray>("nameFile");
    QTest::newRow("first run") << QByteArray("(missing)") << QByteArray("(missing)") << ""
                               << "" << QByteArray("(missing)");
    QTest::newRow("one missing") << QByteArray("12\r\n") << QByteArray("(missing)") << "12\r\n"
                                 << "" << QByteArray("(missing)");
    QTest::newRow("Anna 12") << QByteArray("12\r\n") << QByteArray("Anna\r\n") << "12\r\n"
                             << "Anna\r\n"
                             << QByteArray("(missing)");
    QTest::newRow("hand-edited second line")
        << QByteArray("7\r\nbravo\r\n") << QByteArray("Bea") << "7\r\nbravo\r\n"
        << "Bea" << QByteArray("(missing)");
    QTest::newRow("Niccolò from the old platform")
        << QByteArray("3\r\n") << QByteArray("Niccol\xF2\r\n") << "3\r\n"
        << QString::fromUtf8("Niccolò\r\n") << QByteArray("(missing)");
    QTest::newRow("NUL and unassigned bytes")
        << QByteArray("1\0\x81\xFF", 4) << QByteArray("\0\0", 2)
        << QString::fromUtf16(u"1\u0000\u0081\u00FF", 4) << QString(2, QChar(0))
        << QByteArray("(missing)");
    // A corrupted giant: only its beginning is read, and quickly.
    QTest::newRow("oversized") << QByteArray(5 * 1024 * 1024, '7') << QByteArray("Anna\r\n")
                               << QString(records::MaxRead, u'7') << "Anna\r\n"
                               << QByteArray("(missing)");
    // The whole name, when its file goes with the pair; an older copy's save
    // since then leaves it behind, and the holder file is the name again.
    const QByteArray andrij = QByteArray("Андрій\n12\nAndrij\n");
    QTest::newRow("whole name beside the pair")
        << QByteArray("12\r\n") << QByteArray("Andrij\r\n") << "12\r\n"
        << QString::fromUtf8("Андрій\r\n") << andrij;
    QTest::newRow("older copy's record since, same name")
        << QByteArray("15\r\n") << QByteArray("Andrij\r\n") << "15\r\n"
        << "Andrij\r\n"
        << andrij;
    QTest::newRow("older copy's record since, same score")
        << QByteArray("12\r\n") << QByteArray("Anna\r\n") << "12\r\n"
        << "Anna\r\n"
        << andrij;
    QTest::newRow("holder in the code page, whole name beside")
        << QByteArray("3\r\n") << QByteArray("Niccol\xF2 wang\r\n") << "3\r\n"
        << QString::fromUtf8("Niccolò 王\r\n") << QByteArray("Niccolò 王\n3\nNiccolò wang\n");
    QTest::newRow("name file of another kind")
        << QByteArray("12\r\n") << QByteArray("Anna\r\n") << "12\r\n"
        << "Anna\r\n"
        << QByteArray("Anna Maria\r\n");
}

void TestRecords::startUpReadsAndNeverChanges()
{
    QFETCH(QByteArray, score);
    QFETCH(QByteArray, holder);
    QFETCH(QString, scoreText);
    QFETCH(QString, holderText);
    QFETCH(QByteArray, nameFile);
    FakePlatform platform;
    const QString dir = prepared(platform, score, holder, nameFile);
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
    // The whole name's file; what the next start shows is its first line.
    QTest::addColumn<QString>("nameFile");
    QTest::newRow("Anna 12") << "12"
                             << "Anna" << QByteArray("31320d0a") << QByteArray("416e6e610d0a")
                             << "Anna\n12\nAnna\n";
    QTest::newRow("empty name") << "1"
                                << "" << QByteArray("310d0a") << QByteArray("0d0a") << "\n1\n\n";
    QTest::newRow("Niccolò") << "5" << QString::fromUtf8("Niccolò") << QByteArray("350d0a")
                             << QByteArray("4e6963636f6cf20d0a")
                             << QString::fromUtf8("Niccolò\n5\nNiccolò\n");
    QTest::newRow("euro sign in the code page")
        << "5" << QString::fromUtf8("€") << QByteArray("350d0a") << QByteArray("800d0a")
        << QString::fromUtf8("€\n5\n€\n");
    // Letters the code page lacks in Latin letters: "Lucja ri", "Andrij",
    // "mhmd", "wang xiao ming".
    QTest::newRow("Latin the code page lacks, and Chinese")
        << "5" << QString::fromUtf8("Łucja 日") << QByteArray("350d0a")
        << QByteArray("4c75636a612072690d0a") << QString::fromUtf8("Łucja 日\n5\nLucja ri\n");
    QTest::newRow("Cyrillic") << "7" << QString::fromUtf8("Андрій") << QByteArray("370d0a")
                              << QByteArray("416e6472696a0d0a")
                              << QString::fromUtf8("Андрій\n7\nAndrij\n");
    QTest::newRow("Arabic") << "8" << QString::fromUtf8("محمد") << QByteArray("380d0a")
                            << QByteArray("6d686d640d0a") << QString::fromUtf8("محمد\n8\nmhmd\n");
    QTest::newRow("Chinese") << "9" << QString::fromUtf8("王小明") << QByteArray("390d0a")
                             << QByteArray("77616e67207869616f206d696e670d0a")
                             << QString::fromUtf8("王小明\n9\nwang xiao ming\n");
    // What the code page has stays: only "Ș" changes.
    QTest::newRow("mixed scripts")
        << "10" << QString::fromUtf8("Zoë Ștefan Андрій") << QByteArray("31300d0a")
        << QByteArray("5a6feb2053746566616e20416e6472696a0d0a")
        << QString::fromUtf8("Zoë Ștefan Андрій\n10\nZoë Stefan Andrij\n");
    // Sixty Chinese characters spell out longer: the holder file keeps 60.
    QTest::newRow("sixty Chinese characters")
        << "11" << QString(60, QChar(0x4E00)) << QByteArray("31310d0a")
        << (QByteArray("yi ").repeated(19) + "yi\r\n").toHex()
        << QString(60, QChar(0x4E00)) + "\n11\n" + QString("yi ").repeated(19) + "yi\n";
    QTest::newRow("one emoji, one question mark")
        << "5" << QString::fromUtf8("\U0001F600!") << QByteArray("350d0a") << QByteArray("3f210d0a")
        << QString::fromUtf8("\U0001F600!\n5\n?!\n");
}

void TestRecords::writtenBytes()
{
    QFETCH(QString, score);
    QFETCH(QString, holder);
    QFETCH(QByteArray, scoreHex);
    QFETCH(QByteArray, holderHex);
    QFETCH(QString, nameFile);
    FakePlatform platform;
    const QString dir = prepared(platform, "", "");
    QVERIFY(records::finish(dir, {score.toInt(), holder, 0, 300, 0}).recorded);
    QCOMPARE(bytesOf(dir + records::ScoreFile).toHex(), scoreHex);
    QCOMPARE(bytesOf(dir + records::HolderFile).toHex(), holderHex);
    QCOMPARE(QString::fromUtf8(bytesOf(dir + records::names::Name)), nameFile);
    // Shown back whole, and logged whole.
    QCOMPARE(records::startUp(dir).holder, holder + "\r\n");
    QVERIFY(
        QString::fromUtf8(bytesOf(dir + records::results::Name)).contains(",\"" + holder + "\","));
    // Nothing left behind beside the three files, the journal at rest, the
    // class's results and the lock, which only this account may open.
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"corvalesta.journal", "corvalesta.lock", "nome-record.txt",
                          "risultati.csv", "suc0000.txt", "suc00000.txt"}));
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
        const QString ours = QString::fromStdString(records::names::utf8(byte.toStdString()));
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
    const QString bye = contest::Goodbye, saved = contest::Saved;
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
        << QByteArray("1e400\r\n") << "601" << false << QStringList{} << QByteArray("1e400\r\n")
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
        if (box.prompt == contest::Goodbye)
            writtenBeforeGoodbye = bytesOf(dir + records::ScoreFile) != stored;
    };
    const records::Record record = records::startUp(dir);
    contest::endContest(platform, dir, goodbye,
                        {{score.toInt(), "Bea", 0, 300, shownRecord(record.score)}});
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
    contest::endContest(platform, dir, false,
                        {{score.toInt(), "Bea", 0, 300, shownRecord(record.score)}});
    QCOMPARE(bytesOf(dir + records::HolderFile), written ? QByteArray("Bea\r\n") : "Carlo\r\n");
    QCOMPARE(bytesOf(dir + records::ScoreFile), written ? (score + "\r\n").toLatin1() : "20\r\n");
    // No confirmation for a record that was not written.
    QCOMPARE(platform.boxPrompts(), written ? QStringList{contest::Saved} : QStringList{});
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
    QString dir = records::GetSystemDir(platform.recordDirectory());
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
    contest::endContest(platform, dir, false, {{9, "Bea", 0, 300, shownRecord("4\r\n")}});
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
    contest::endContest(platform, dir, false, {{9, "Bea", 0, 300, shownRecord("4\r\n")}});
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
    const QString dir = atStartUp ? records::GetSystemDir(platform.recordDirectory())
                                  : prepared(platform, "4\r\n", "Anna\r\n");
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
        contest::endContest(platform, dir, false, {{9, "Bea", 0, 300, shownRecord("4\r\n")}});
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

// What a line of the class's results holds, as a spreadsheet and the
// teacher's window read it back: a cell that could start a formula stays text.
void TestRecords::resultsLinesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("account");
    QTest::addColumn<QByteArray>("line"); // after the stamp
    QTest::addColumn<int>("upTo");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("practice");
    QTest::addColumn<QByteArray>("misses");  // as the list reads: "shown:typed", blank between
    QTest::addColumn<QList<int>>("crossed"); // ten, hundred, thousand: shown then wrong; none
    const auto row = [](const char* tag, const QByteArray& name, const QByteArray& account,
                        const QByteArray& line, int upTo = 10000, int minutes = 5,
                        bool practice = false, const QByteArray& misses = {},
                        const QList<int>& crossed = {}) {
        QTest::newRow(tag) << name << account << line << upTo << minutes << practice << misses
                           << crossed;
    };
    // Every field but a count quoted: a spreadsheet splitting on semicolons
    // or trimming blanks keeps each whole.
    row("plain", "Anna", "anna",
        "\",\"Anna\",12,3,15,300,\"sì\",\"anna\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("Niccolò in UTF-8", "Niccol\xC3\xB2", "nico",
        "\",\"Niccol\xC3\xB2\",12,3,15,300,\"sì\",\"nico\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("a comma and quotes", "Bea \"la\", Rossi", "bea",
        "\",\"Bea \"\"la\"\", "
        "Rossi\",12,3,15,300,\"sì\",\"bea\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("equals", "=1+1", "eve",
        "\",\"'=1+1\",12,3,15,300,\"sì\",\"eve\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("plus", "+1+1", "eve",
        "\",\"'+1+1\",12,3,15,300,\"sì\",\"eve\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("minus", "-1+1", "eve",
        "\",\"'-1+1\",12,3,15,300,\"sì\",\"eve\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("at", "@SUM(1;2)", "eve",
        "\",\"'@SUM(1;2)\",12,3,15,300,\"sì\",\"eve\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("a link formula", "=HYPERLINK(\"http://x\",\"y\")", "eve",
        "\",\"'=HYPERLINK(\"\"http://"
        "x\"\",\"\"y\"\")\",12,3,15,300,\"sì\",\"eve\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("an apostrophe of its own", "'Anna", "anna",
        "\",\"''Anna\",12,3,15,300,\"sì\",\"anna\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("an account that starts with a minus", "Ugo", "-ugo",
        "\",\"Ugo\",12,3,15,300,\"sì\",\"'-ugo\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("an account the system cannot name", "Ugo", "1234",
        "\",\"Ugo\",12,3,15,300,\"sì\",\"1234\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    // What would split a line on an Italian spreadsheet's semicolon.
    row("a semicolon formula", "Sara;=1+1", "sara",
        "\",\"Sara;=1+1\",12,3,15,300,\"sì\",\"sara\",\"sì\",10000,5,\"gara\",\"\",,,,,,\r\n");
    row("another account's contest inside", "Anna;13;0;13;300;si;eve", "sara",
        "\",\"Anna;13;0;13;300;si;eve\",12,3,15,300,\"sì\",\"sara\",\"sì\",10000,5,\"gara\",\"\",,,"
        ",,,\r\n");
    // What was played, in the last columns.
    row("a one-minute contest to 20", "Ada", "ada",
        "\",\"Ada\",12,3,15,300,\"sì\",\"ada\",\"sì\",20,1,\"gara\",\"\",,,,,,\r\n", 20, 1);
    row("a practice to 100", "Ada", "ada",
        "\",\"Ada\",12,3,15,300,\"sì\",\"ada\",\"sì\",100,3,\"allenamento\",\"\",,,,,,\r\n", 100, 3,
        true);
    // Three wrong answers beside hostile names: 199 + 1 typed 190 (a hundred
    // crossed), 2999 + 1 typed 2000 (a thousand), 5 + 1 typed nothing; of the
    // crossings 4 tens shown, none wrong, 2 hundreds, 1 wrong, 1 thousand,
    // wrong. To 20: 9 + 1 and 19 + 1 wrong, both tens, and 0 + 1 typed 00.
    row("wrong answers beside a formula", "=SUM(A1)", "eve",
        "\",\"'=SUM(A1)\",12,3,15,300,\"sì\",\"eve\",\"sì\",10000,5,\"gara\","
        "\"199:190 2999:2000 5:\",4,0,2,1,1,1\r\n",
        10000, 5, false, "199:190 2999:2000 5:", {4, 0, 2, 1, 1, 1});
    row("wrong answers beside a semicolon and quotes", "Ugo; \"1\"", "ugo",
        "\",\"Ugo; \"\"1\"\"\",12,3,15,300,\"sì\",\"ugo\",\"sì\",20,1,\"gara\","
        "\"9:1 19:2 0:00\",2,2,0,0,0,0\r\n",
        20, 1, false, "9:1 19:2 0:00", {2, 2, 0, 0, 0, 0});
}

void TestRecords::resultsLinesRoundTrip()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, account);
    QFETCH(QByteArray, line);
    const char* when = "2026-12-07T10:00:00+01:00";
    QFETCH(int, upTo);
    QFETCH(int, minutes);
    QFETCH(bool, practice);
    QFETCH(QByteArray, misses);
    QFETCH(QList<int>, crossed);
    records::results::Entry entry{when, name.toStdString(),   12, 3, 300,
                                  true, account.toStdString()};
    entry.upTo = upTo;
    entry.minutes = minutes;
    entry.practice = practice;
    if (!crossed.isEmpty()) {
        entry.misses = *records::results::missesOf(misses.toStdString());
        records::results::Crossed c;
        for (int k = 0; k < 3; ++k)
            c.shown[k] = crossed[2 * k], c.wrong[k] = crossed[2 * k + 1];
        entry.crossed = c;
    }
    const QByteArray written = QByteArray::fromStdString(records::results::line(entry));
    QCOMPARE(written, '"' + QByteArray(when) + line);
    const auto read = records::results::parse(written.chopped(2).toStdString());
    QVERIFY(read);
    QCOMPARE(QByteArray::fromStdString(read->name), name);
    QCOMPARE(QByteArray::fromStdString(read->account), account);
    QCOMPARE(read->right, 12);
    QCOMPARE(read->wrong, 3);
    QVERIFY(read->record);
    QCOMPARE(read->upTo, upTo);
    QCOMPARE(read->minutes, minutes);
    QCOMPARE(read->practice, practice);
    QCOMPARE(QByteArray::fromStdString(records::results::missesText(read->misses)), misses);
    QCOMPARE(read->crossed.has_value(), !crossed.isEmpty());
    QVERIFY(!read->crossed || *read->crossed == *entry.crossed);
    // Older copies' lines, unquoted, without the account or the check, read
    // as no one's and as checked; a line the service could not check says so.
    const auto old = records::results::parse("2026-12-07T10:00:00+01:00,Anna,12,0,12,300,sì");
    QVERIFY(old && old->account.empty() && old->name == "Anna" && old->verified);
    const auto v11 = records::results::parse("2026-12-07T10:00:00+01:00,Anna,12,0,12,300,sì,anna");
    QVERIFY(v11 && v11->account == "anna" && v11->verified);
    const auto unchecked = records::results::parse(
        "\"2026-12-07T10:00:00+01:00\",\"Anna\",12,0,12,300,\"no\",\"anna\",\"no\"");
    QVERIFY(unchecked && unchecked->account == "anna" && !unchecked->verified);
    // 1.1.0's nine columns played the default game.
    QVERIFY(unchecked->upTo == 10000 && unchecked->minutes == 5 && !unchecked->practice);
    for (const char* junk :
         {records::results::Header, records::results::AccountHeader, "ciao",
          "2026-12-07T10:00:00+01:00,A,1,0,2,3,no",
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,forse",
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,sì,30,5,gara",
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,sì,20,4,gara",
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,sì,20,1,entrambi",
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,sì,20,1",
          // Wrong answers that do not fit the counts: more
          // than the wrong ones, the right answer typed, a
          // number past the range, more digits than the
          // box, a crossing wrong but unlisted though the
          // list is whole, a thousand below 1000, a
          // half-known crossing.
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,sì,20,1,gara,\"3:1\",0,0,0,0,0,0",
          "2026-12-07T10:00:00+01:00,A,0,1,1,3,no,a,sì,20,1,gara,\"3:4\",0,0,0,0,0,0",
          "2026-12-07T10:00:00+01:00,A,0,1,1,3,no,a,sì,20,1,gara,\"25:1\",0,0,0,0,0,0",
          "2026-12-07T10:00:00+01:00,A,0,1,1,3,no,a,sì,20,1,gara,\"3:100\",0,0,0,0,0,0",
          "2026-12-07T10:00:00+01:00,A,0,1,1,3,no,a,sì,20,1,gara,\"3:1\",1,1,0,0,0,0",
          "2026-12-07T10:00:00+01:00,A,1,0,1,3,no,a,sì,100,1,gara,\"\",0,0,0,0,1,0",
          "2026-12-07T10:00:00+01:00,A,0,1,1,3,no,a,sì,20,1,gara,\"3:1\",0,0,0,,,"})
        QVERIFY2(!records::results::parse(junk), junk);
}

// A new line always starts a line of its own: a tail cut short (shorter than
// any line) goes first; a tail longer than any line the game writes is not
// one of its own, and stays, ended.
void TestRecords::appendNeverJoinsALine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // before the new line
    const QByteArray header = records::results::Header;
    const QByteArray anna =
        "\"2026-12-07T10:00:00+01:00\",\"Anna\",12,0,12,300,\"sì\",\"anna\",\"sì\"\r\n";
    const QByteArray old = "2026-12-07T10:00:00+01:00,Anna,12,0,12,300,sì\r\n";
    const QByteArray junk(70000, 'x');
    QTest::newRow("whole lines") << header + anna << header + anna;
    QTest::newRow("a tail cut short") << header + anna + "\"2026-12-07T10:1" << header + anna;
    QTest::newRow("a tail of 70,000 bytes")
        << header + anna + junk << header + anna + junk + "\r\n";
    // Rewritten under today's header.
    QTest::newRow("an older copy's, with a tail of 70,000 bytes")
        << records::results::OldHeader + old + junk << header + old + junk + "\r\n";
}

void TestRecords::appendNeverJoinsALine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    FakePlatform platform;
    const QString dir = records::GetSystemDir(platform.recordDirectory());
    QVERIFY(put(dir + records::results::Name, before));
    const QByteArray bea =
        "\"2026-12-09T10:00:00+01:00\",\"Bea\",1,0,1,300,\"no\",\"bea\",\"sì\"\r\n";
    records::RecordStore store(QFile::encodeName(dir).toStdString());
    store.lock();
    QVERIFY(store.appendResult(bea.toStdString()));
    QCOMPARE(bytesOf(dir + records::results::Name), after + bea);
}

// The class's results opened as a teacher opens them: LibreOffice's CSV
// import with a comma and with a semicolon (an Italian spreadsheet's list
// separator), blanks trimmed and formulas evaluated, read back as cells.
// With the comma each name is one text cell and each count a number; with
// the semicolon each line stays one text cell; never a formula.
void TestRecords::spreadsheetKeepsNamesText_data()
{
    QTest::addColumn<int>("separator");
    QTest::newRow("comma") << int(',');
    QTest::newRow("semicolon") << int(';');
}

void TestRecords::spreadsheetKeepsNamesText()
{
    QFETCH(int, separator);
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed (libreoffice-calc-nogui)");
    const QStringList typed = {"Sara;=1+1",
                               "Anna;13;0;13;300;si;eve",
                               " =1+1",
                               u"\u00A0=1+1"_qs,
                               u"\u200B=1+1"_qs,
                               u"\uFEFF@SUM(1;2)"_qs,
                               u"\u202E-1+1"_qs,
                               "\t+1+1",
                               "'Anna",
                               "Bea \"la\", Rossi",
                               "=HYPERLINK(\"http://x\";\"y\")"};
    QTemporaryDir dir;
    std::string log = records::results::Header;
    QStringList stored;
    for (const QString& name : typed) {
        stored << QString::fromStdString(records::names::clean(name.toStdString()));
        records::results::Entry entry{
            "2026-12-07T10:00:00+01:00", stored.last().toStdString(), 12, 3, 300, true, "eve"};
        entry.misses = {{199, "190"}, {2999, "2000"}, {5, ""}};
        entry.crossed = records::results::Crossed{{4, 2, 1}, {0, 1, 1}};
        log += records::results::line(entry);
    }
    QVERIFY(put(dir.filePath("risultati.csv"), QByteArray::fromStdString(log)));
    QProcess convert;
    convert.setProcessChannelMode(QProcess::MergedChannels);
    convert.start(
        office,
        {"--headless", "--norestore", "-env:UserInstallation=file://" + dir.filePath("profilo"),
         QString("--infilter=CSV:%1,34,76,1,,0,false,true,false,false,true,0,true").arg(separator),
         "--convert-to", "fods", "--outdir", dir.path(), dir.filePath("risultati.csv")});
    QVERIFY(convert.waitForFinished(300000));
    const QList<QList<Cell>> rows = rowsOf(dir.filePath("risultati.fods"));
    QVERIFY2(rows.size() == typed.size() + 1, convert.readAll().constData());
    for (int r = 0; r < rows.size(); ++r) {
        const QList<Cell>& row = rows[r];
        for (const Cell& cell : row)
            QVERIFY2(!cell.formula, qPrintable(cell.text));
        if (separator == ';') {
            QCOMPARE(row.size(), 1);
            QCOMPARE(row[0].type, QString("string"));
            continue;
        }
        QCOMPARE(row.size(), 19);
        if (r == 0)
            continue;
        // The apostrophe that keeps a formula text shows as typed here.
        const QString name = stored[r - 1];
        const bool marked = QString("=+-@'").contains(name.left(1));
        QCOMPARE(row[1].type, QString("string"));
        QCOMPARE(row[1].text, marked ? u'\'' + name : name);
        for (int c : {2, 3, 4, 5, 13, 14, 15, 16, 17, 18})
            QCOMPARE(row[c].type, QString("float"));
        QCOMPARE(row[7].text, QString("eve"));
        // The wrong answers stay one text, never a time or a sum.
        QCOMPARE(row[12].type, QString("string"));
        QCOMPARE(row[12].text, QString("199:190 2999:2000 5:"));
    }
}

namespace {

// A line of exactly 100 bytes by this account, or an older copy's without
// one; n in the name tells lines apart.
std::string lineOf(const std::string& account, int n)
{
    const std::string head = "2026-12-07T10:00:00+01:00,",
                      tail = account.empty() ? ",1,0,1,300,no\r\n"
                                             : ",1,0,1,300,no," + account + "\r\n";
    std::string name = std::to_string(n);
    name += std::string(100 - head.size() - tail.size() - name.size(), 'x');
    return head + name + tail;
}

} // namespace

// Past 10 MiB a block of lines goes at once, the oldest first, and only of
// an account above an equal share of the 9 MiB kept, the lines of older
// copies (no account) counting as one share: a flood costs the flooder's
// own lines. Lines are 100 bytes, the header 206; a share is
// (9,437,184 - 206) / shares.
void TestRecords::fullLogCostsTheBiggestShare_data()
{
    QTest::addColumn<int>("older");     // lines of older copies, first in the log
    QTest::addColumn<int>("anna");      // then Anna's
    QTest::addColumn<int>("eve");       // then Eve's
    QTest::addColumn<QString>("adder"); // whose line is added
    QTest::addColumn<int>("olderAfter");
    QTest::addColumn<int>("annaAfter");
    QTest::addColumn<int>("eveAfter");
    QTest::addColumn<int>("firstEve"); // the oldest of Eve's lines kept
    // 206 + 100 x 104,858 = 10,486,006 > 10 MiB: 1,048,822 bytes must go,
    // 10,489 lines, all Eve's, far above her share of 4,718,489.
    QTest::newRow("Eve floods, Anna plays")
        << 0 << 5 << 104852 << "anna" << 0 << 6 << 94363 << 10489;
    // 206 + 100 x 105,001: 10,632 lines go. Anna's 1,000 more go first, then
    // one each, Eve first on a tie: 4,816 of Eve's, 4,816 more of Anna's;
    // both stay above a share of 3,145,659.
    QTest::newRow("two big shares, Bob plays")
        << 0 << 53000 << 52000 << "bob" << 0 << 47184 << 47184 << 4816;
    // Eve alone: her share is the 9,436,978 kept, so the whole block of
    // 10,489 lines goes at once, not a line an append.
    QTest::newRow("one account alone") << 0 << 0 << 104857 << "eve" << 0 << 0 << 94369 << 10489;
    // 206 + 100 x 104,855 = 10,485,706 fits: nothing goes.
    QTest::newRow("full to the byte") << 0 << 5 << 104849 << "anna" << 0 << 6 << 104849 << 0;
    // 206 + 100 x 104,858 again, 10,489 lines to go, in three shares of
    // 3,145,659: Eve's 4,485,800 (the new line hers) down to Anna's
    // 4,000,000 (4,858 lines), then one each, Eve first: 2,816 of hers and
    // 2,815 of Anna's. The older copies' 2,000,000, under a share, stay.
    QTest::newRow("two above their share, the older lines a share of their own")
        << 20000 << 40000 << 44857 << "eve" << 20000 << 37185 << 37184 << 7674;
}

void TestRecords::fullLogCostsTheBiggestShare()
{
    QFETCH(int, older);
    QFETCH(int, anna);
    QFETCH(int, eve);
    QFETCH(QString, adder);
    QFETCH(int, olderAfter);
    QFETCH(int, annaAfter);
    QFETCH(int, eveAfter);
    QFETCH(int, firstEve);
    FakePlatform platform;
    const QString dir = records::GetSystemDir(platform.recordDirectory());
    std::string log = records::results::OldHeader; // as an older copy left it
    for (int i = 0; i < older; ++i)
        log += lineOf("", i);
    for (int i = 0; i < anna; ++i)
        log += lineOf("anna", i);
    for (int i = 0; i < eve; ++i)
        log += lineOf("eve", i);
    QVERIFY(put(dir + records::results::Name, QByteArray::fromStdString(log)));
    records::RecordStore store(QFile::encodeName(dir).toStdString());
    store.lock();
    QVERIFY(store.appendResult(lineOf(adder.toStdString(), -1)));
    const QByteArray after = bytesOf(dir + records::results::Name);
    QVERIFY(after.startsWith(records::results::Header));
    QVERIFY(after.endsWith(QByteArray::fromStdString(lineOf(adder.toStdString(), -1))));
    QVERIFY(after.size() <= int(records::results::MaxBytes));
    int counts[3] = {0, 0, 0}, first = -1;
    for (const QByteArray& l : after.split('\n')) {
        const auto e = records::results::parse(l.chopped(l.endsWith('\r')).toStdString());
        if (e && e->account.empty())
            ++counts[0];
        if (e && e->account == "anna")
            ++counts[1];
        if (e && e->account == "eve" && counts[2]++ == 0)
            first = std::atoi(e->name.c_str());
    }
    QCOMPARE(counts[0], olderAfter);
    QCOMPARE(counts[1], annaAfter);
    QCOMPARE(counts[2], eveAfter);
    QCOMPARE(first, firstEve);
    // The old log, swapped out, takes no room.
    QCOMPARE(bytesOf(dir + records::results::Scratch), QByteArray());
}

void TestRecords::settingsFiles_data()
{
    QTest::addColumn<QString>("kind"); // how the file is made
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("inForce"); // fino_a minuti gioco record
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<QByteArray>("admin"); // the administrator's file, when there is one
    QTest::addColumn<QString>("school");
    const QString defaults = "10000 5 gara nome";
    const auto row = [](const char* tag, const QString& kind, const QByteArray& text,
                        const QString& inForce, const QStringList& told = {},
                        const QByteArray& admin = {}, const QString& school = {}) {
        QTest::newRow(tag) << kind << text << inForce << told << admin << school;
    };
    row("none", "missing", "", defaults);
    row("empty", "file", "", defaults);
    row("every key", "file", "fino_a = 20\nminuti = 1\ngioco = entrambi\nrecord = iniziali\n",
        "20 1 entrambi iniziali");
    row("comments, blanks, CR LF and a byte-order mark", "file",
        "\xEF\xBB\xBF# 1A\r\n\r\n   fino_a=100   \r\n\t# minuti = 10\r\ngioco\t= allenamento",
        "100 5 allenamento nome");
    row("the last of a key twice", "file", "minuti = 2\nminuti = 3\n", "10000 3 gara nome",
        {"F, riga 2: «minuti» è già stata impostata: vale l'ultima riga."});
    row("a value out of range", "file", "fino_a = 50\nminuti = 2\n", "10000 2 gara nome",
        {"F, riga 1: «fino_a» non può valere «50»; i valori possibili sono "
         "10|20|100|1000|10000; per questa chiave vale il valore predefinito."});
    row("values as written, not translated", "file", "gioco = practice\nrecord = Nome\n", defaults,
        {"F, riga 1: «gioco» non può valere «practice»; i valori possibili sono "
         "gara|allenamento|entrambi; per questa chiave vale il valore predefinito.",
         "F, riga 2: «record» non può valere «Nome»; i valori possibili sono "
         "nome|iniziali|nessuno; per questa chiave vale il valore predefinito."});
    row("an unknown key, a line without equals", "file", "colore = blu\nminuti 3\nminuti=01\n",
        defaults,
        {"F, riga 1: la chiave «colore» non esiste; le chiavi sono fino_a, minuti, gioco e "
         "record; per questa chiave vale il valore predefinito.",
         "F, riga 2: «minuti 3» non è nella forma «chiave = valore»; per questa chiave vale il "
         "valore predefinito.",
         "F, riga 3: «minuti» non può valere «01»; i valori possibili sono 1|2|3|5|10; per "
         "questa chiave vale il valore predefinito."});
    const QString whole = "F: %1; valgono le impostazioni predefinite.";
    row("binary", "file", QByteArray("fino_a = 20\n\0\x01\xFF", 15), defaults,
        {whole.arg("non è un testo UTF-8")});
    row("huge", "file", "fino_a = 20\n" + QByteArray(20000, '#'), defaults,
        {whole.arg("è più grande di 16 kB")});
    const QString notRegular =
        whole.arg("non è un file normale (è un collegamento, una cartella o una coda)");
    row("a FIFO, never opened", "fifo", "", defaults, {notRegular});
    row("a link to a good file", "link", "fino_a = 20\n", defaults, {notRegular});
    row("a folder", "folder", "", defaults, {notRegular});
    row("the school's folder, the administrator's", "file", "minuti = 3\n", "10000 3 gara nome", {},
        "cartella_scuola = /srv/scuola/corvalesta\n", "/srv/scuola/corvalesta");
    row("a teacher's school folder is no school folder", "file", "cartella_scuola = /srv/scuola\n",
        defaults);
    const QString path = "A, riga %1: «cartella_scuola» non può valere «%2»: serve il percorso "
                         "intero di una cartella, come /srv/scuola/corvalesta; per questa chiave "
                         "vale il valore predefinito.";
    row("a school folder that is no whole path, or climbs", "file", "", defaults,
        {path.arg(1).arg("scuola"), path.arg(2).arg("/srv/../etc"), path.arg(3).arg("/srv/..")},
        "cartella_scuola = scuola\ncartella_scuola = /srv/../etc\ncartella_scuola = /srv/..\n");
    row("a school folder twice: the last", "file", "", defaults,
        {"A, riga 2: «cartella_scuola» è già stata impostata: vale l'ultima riga."},
        "cartella_scuola = /srv/a\ncartella_scuola = /srv/b\n", "/srv/b");
}

// Whatever a settings file holds, the game starts: what it can read holds,
// the rest is the default, and each fault is told once, with its line.
void TestRecords::settingsFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, text);
    QFETCH(QString, inForce);
    QFETCH(QStringList, told);
    QFETCH(QByteArray, admin);
    QFETCH(QString, school);
    QTemporaryDir dir;
    const QString path = dir.filePath("F");
    const QByteArray bytes = QFile::encodeName(path);
    if (kind == "file")
        QVERIFY(put(path, text));
    else if (kind == "fifo")
        QCOMPARE(mkfifo(bytes.constData(), 0644), 0);
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "link")
        QVERIFY(put(dir.filePath("good"), text) && QFile::link(dir.filePath("good"), path));
    // Each file named by its path; the administrator's is missing unless given.
    const QString adminPath = dir.filePath(admin.isEmpty() ? "none" : "A");
    QVERIFY(admin.isEmpty() || put(adminPath, admin));
    const settingsText::Files files{adminPath, path};
    const settings::InForce in = settingsText::load(files);
    const settings::Settings& v = in.values;
    QCOMPARE(QString("%1 %2 %3 %4")
                 .arg(v.upTo)
                 .arg(v.minutes)
                 .arg(QString::fromLatin1(settings::PlayNames[int(v.play)]))
                 .arg(QString::fromLatin1(settings::HolderNames[int(v.holder)])),
             inForce);
    QStringList said = settingsText::problems(in, files);
    said.replaceInStrings(path, "F");
    said.replaceInStrings(adminPath, "A");
    QCOMPARE(said, told);
    QCOMPARE(QString::fromStdString(in.school), school);
    // What a settings window writes sets exactly what it says.
    QCOMPARE(settings::parse(settings::text(v)).values, v);
}

void TestRecords::schoolPublication_data()
{
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QByteArray>("shared"); // risultati-2026-11.csv on the share before
    QTest::addColumn<QString>("fault");     // the call that fails, with ENOSPC
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("after"); // the computer's folder: each file, its lines
    const QByteArray h = records::results::Header;
    const QByteArray nov = "2026-11-30T10:00:00+01:00,Anna,12,0,12,300,sì\r\n";
    using P = records::school::Publication;
    QTest::newRow("an empty mount point: nothing written")
        << false << QByteArray() << "" << int(P::NotMounted) << QStringList();
    QTest::newRow("each month its file, the record beside")
        << true << QByteArray() << "" << int(P::Published)
        << QStringList{"record.txt 2", "risultati-2026-11.csv 2", "risultati-2026-12.csv 3"};
    QTest::newRow("a month the share holds more of than the log stays")
        << true << h + nov + nov + nov << "" << int(P::Published)
        << QStringList{"record.txt 2", "risultati-2026-11.csv 4", "risultati-2026-12.csv 3"};
    QTest::newRow("a line the log has lost stays before the log's")
        << true << h + "2026-11-29T10:00:00+01:00,Bea,1,0,1,300,no\r\n"
        << "" << int(P::Published)
        << QStringList{"record.txt 2", "risultati-2026-11.csv 3", "risultati-2026-12.csv 3"};
    QTest::newRow("a full share: the old file stays whole, no scratch left")
        << true << h + "2026-11-29T10:00:00+01:00,Bea,1,0,1,300,no\r\n"
        << "pwrite" << int(P::Failed) << QStringList{"risultati-2026-11.csv 2"};
}

// The share gets whole files or keeps the ones it had: never a torn one,
// never a scratch file, never a month cut shorter.
void TestRecords::schoolPublication()
{
    QFETCH(bool, marker);
    QFETCH(QByteArray, shared);
    QFETCH(QString, fault);
    QFETCH(int, status);
    QFETCH(QStringList, after);
    QTemporaryDir local, school;
    const QString own = school.filePath("pc-01");
    QVERIFY(put(local.filePath("suc0000.txt"), "41\r\n") &&
            put(local.filePath("suc00000.txt"), "Anna\r\n"));
    QVERIFY(
        put(local.filePath("risultati.csv"), QByteArray(records::results::Header) +
                                                 "2026-11-30T10:00:00+01:00,Anna,12,0,12,300,sì\r\n"
                                                 "2026-12-01T09:00:00+01:00,Bea,3,1,4,300,no\r\n"
                                                 "2026-12-02T09:00:00+01:00,Eva,41,0,41,300,sì\r\n"
                                                 "2026-12-02T09:10:00+01:00,Eva,4,"));
    QVERIFY(!marker || put(school.filePath(".corvalesta-scuola"), ""));
    if (!shared.isEmpty()) {
        QVERIFY(QDir().mkdir(own) && put(own + "/risultati-2026-11.csv", shared));
        QVERIFY(put(own + "/.scrittura-1-1-record.txt", "4")); // cut short before
    }
    static QString failing;
    failing = fault;
    sys::setHook([](const char* call) { return failing == call ? ENOSPC : 0; });
    const auto unhook = qScopeGuard([] { sys::setHook(nullptr); });
    const auto done = records::school::publish(QFile::encodeName(local.path()).toStdString(),
                                               QFile::encodeName(school.path()).toStdString(),
                                               "pc-01", 1796990000);
    sys::setHook(nullptr);
    QCOMPARE(int(done.status), status);
    QStringList found;
    for (const QString& name : QDir(own).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        found << name + ' ' + QString::number(bytesOf(own + '/' + name).count('\n'));
    QCOMPARE(found, after);
    if (!shared.isEmpty())
        QCOMPARE(bytesOf(own + "/risultati-2026-11.csv").left(shared.size()), shared);
    if (status == int(records::school::Publication::Published))
        QCOMPARE(
            bytesOf(own + "/record.txt"),
            QByteArray("orologio\t1796990000\nfino_a-10000_minuti-5\t41\t") +
                QByteArray::number(
                    QFileInfo(local.filePath("suc0000.txt")).lastModified().toSecsSinceEpoch()) +
                "\tAnna\n");
}

void TestRecords::schoolRecord_data()
{
    QTest::addColumn<QStringList>("files"); // folder, then its record file
    QTest::addColumn<QString>("best");      // score computer holder
    const QString s = "fino_a-20_minuti-1";
    const auto record = [&](int score, long when, const char* holder) {
        return QString("orologio\t1\n%1\t%2\t%3\t%4\n").arg(s).arg(score).arg(when).arg(holder);
    };
    QTest::newRow("none published") << QStringList{} << "";
    QTest::newRow("the highest") << QStringList{"pc-01", record(30, 100, "Anna"), "pc-02",
                                                record(31, 200, "Bea")}
                                 << "31 pc-02 Bea";
    QTest::newRow("a tie: the earlier")
        << QStringList{"pc-01", record(31, 300, "Anna"), "pc-02", record(31, 200, "Bea")}
        << "31 pc-02 Bea";
    QTest::newRow("a tie in the same second: the first name")
        << QStringList{"pc-02", record(31, 200, "Bea"), "pc-01", record(31, 200, "Anna")}
        << "31 pc-01 Anna";
    QTest::newRow("another setting's, a hidden folder's and a torn line count for nothing")
        << QStringList{"pc-01",  record(9, 1, "Anna").replace(s, "fino_a-10_minuti-1"),
                       ".pc-02", record(90, 1, "Bea"),
                       "pc-03",  "orologio\t1\n" + s + "\t80\t1\tCarla",
                       "pc-04",  record(5, 1, "Dora")}
        << "5 pc-04 Dora";
    QTest::newRow("a folder for a record file counts for nothing, markup is a name")
        << QStringList{"pc-01", "", "pc-02", record(7, 1, "<b>Eva</b>")} << "7 pc-02 <b>Eva</b>";
}

// Every computer reads the same school record from the same files, whatever
// else lies beside them.
void TestRecords::schoolRecord()
{
    QFETCH(QStringList, files);
    QFETCH(QString, best);
    QTemporaryDir school;
    QVERIFY(put(school.filePath(".corvalesta-scuola"), ""));
    for (qsizetype i = 0; i + 1 < files.size(); i += 2) {
        const QString folder = school.filePath(files[i]);
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(files[i + 1].isEmpty() ? QDir().mkdir(folder + "/record.txt")
                                       : put(folder + "/record.txt", files[i + 1].toUtf8()));
    }
    const std::string folder = QFile::encodeName(school.path()).toStdString();
    const auto found = records::school::best(folder, "fino_a-20_minuti-1");
    QCOMPARE(found ? QString("%1 %2 %3")
                         .arg(found->score)
                         .arg(QString::fromStdString(found->computer),
                              QString::fromStdString(found->holder))
                   : QString(),
             best);
    // The marker gone, the folder is an empty mount point's: nothing.
    QVERIFY(QFile::remove(school.filePath(".corvalesta-scuola")));
    QVERIFY(!records::school::best(folder, "fino_a-20_minuti-1"));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
