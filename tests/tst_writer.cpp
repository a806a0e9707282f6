// The computer's record writer: what it takes on its input, and the game
// saving and starting through it in a shared folder of the tests' own.
#include "EndOfContest.h"
#include "FakePlatform.h"
#include "Files.h"
#include "Journal.h"
#include "RecordFiles.h"
#include "WriterRequest.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

class TestWriter : public QObject {
    Q_OBJECT
private slots:
    void inputIsCheckedStrictly_data();
    void inputIsCheckedStrictly();
    void gameSavesThroughTheWriter_data();
    void gameSavesThroughTheWriter();
    void startUpLetsTheWriterFinishASave();
};

namespace {

const QString Folder = QStringLiteral(CORVALESTA_TEST_SHARED_DIR "/");
const QString Writer = QStringLiteral(CORVALESTA_TEST_WRITER);

// The shared folder as the package leaves it, with a record in it.
void installed(const QByteArray& score, const QByteArray& holder)
{
    QDir(Folder).removeRecursively();
    QVERIFY(QDir().mkpath(Folder));
    QVERIFY(put(Folder + records::ScoreFile, score));
    QVERIFY(put(Folder + records::HolderFile, holder));
    QVERIFY(put(Folder + records::journal::Name, QByteArray()));
}

} // namespace

void TestWriter::inputIsCheckedStrictly_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QByteArray>("score"); // the lines as stored
    QTest::addColumn<QByteArray>("holder");
    const QByteArray longest(4096, 'a');
    QTest::newRow("Anna 12") << QByteArray("12\nAnna\n") << true << QByteArray("12\r\n")
                             << QByteArray("Anna\r\n");
    QTest::newRow("empty name") << QByteArray("1\n\n") << true << QByteArray("1\r\n")
                                << QByteArray("\r\n");
    QTest::newRow("five digits") << QByteArray("32767\nBea\n") << true << QByteArray("32767\r\n")
                                 << QByteArray("Bea\r\n");
    QTest::newRow("Niccolò in the code page")
        << QByteArray("3\nNiccol\xF2\n") << true << QByteArray("3\r\n")
        << QByteArray("Niccol\xF2\r\n");
    QTest::newRow("longest name") << "7\n" + longest + "\n"
                                  << true << QByteArray("7\r\n") << longest + "\r\n";
    QTest::newRow("nothing: finish a save") << QByteArray() << true << QByteArray() << QByteArray();
    const auto refused = [](const char* name, const QByteArray& input) {
        QTest::newRow(name) << input << false << QByteArray() << QByteArray();
    };
    refused("six digits", "123456\nAnna\n");
    refused("no digits", "\nAnna\n");
    refused("sign", "-1\nAnna\n");
    refused("blank in the score", "1 2\nAnna\n");
    refused("name too long", "7\n" + longest + "a\n");
    refused("CR in the name", "7\nAn\rna\n");
    refused("NUL in the name", QByteArray("7\nAn\0na\n", 8));
    refused("a third line", "7\nAnna\nBea\n");
    refused("no line end", "7\nAnna");
    refused("one line only", "7\n");
    refused("CR LF lines", "7\r\nAnna\r\n");
}

void TestWriter::inputIsCheckedStrictly()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, taken);
    QFETCH(QByteArray, score);
    QFETCH(QByteArray, holder);
    const auto request = records::writer::parse(std::string_view(input.constData(), input.size()));
    QCOMPARE(request.has_value(), taken);
    if (request && !request->finishOnly) {
        QCOMPARE(QByteArray::fromStdString(request->lines.score), score);
        QCOMPARE(QByteArray::fromStdString(request->lines.holder), holder);
    }
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
    if (plant.isEmpty() || plant == "long name")
        QCOMPARE(bytesOf(Folder + records::ScoreFile), scoreAfter);
    QCOMPARE(bytesOf(target), QByteArray("99\r\n")); // never written through a link
    // Whoever starts next reads what is there, without writing anything.
    if (plant.isEmpty()) {
        const records::Record next = records::startUp(Folder, Writer);
        QCOMPARE(next.score, QString(scoreAfter));
    }
}

void TestWriter::startUpLetsTheWriterFinishASave()
{
    installed("12\r\n", "Anna\r\n");
    QVERIFY(put(Folder + records::journal::Name,
                QByteArray::fromStdString(records::journal::encode({"14\r\n", "Carlo\r\n"}))));
    const records::Record record = records::startUp(Folder, Writer);
    QCOMPARE(record.score, QString("14\r\n"));
    QCOMPARE(record.holder, QString("Carlo\r\n"));
    QCOMPARE(bytesOf(Folder + records::journal::Name), QByteArray()); // at rest, still there
}

QTEST_GUILESS_MAIN(TestWriter)
#include "tst_writer.moc"
