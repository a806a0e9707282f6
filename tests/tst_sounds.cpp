// The two sounds: short, audible, not clipped, friendly, and what the build
// puts beside the program.
#include "Synth.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    void shortAndAudible_data();
    void shortAndAudible();
    void chimeRisesAndUhOhFallsLower();
    void waveHeader();
    void builtFilesAreTheSounds_data();
    void builtFilesAreTheSounds();
};

namespace {

using Samples = std::vector<std::int16_t>;

// Zero crossings a second over a stretch: a rough pitch.
double crossingsPerSecond(const Samples& s, std::size_t from, std::size_t to)
{
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    return crossings * double(synth::sampleRate) / double(to - from);
}

std::uint32_t le32(const std::string& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[at + i]);
    return v;
}

std::uint16_t le16(const std::string& b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

} // namespace

void TestSounds::shortAndAudible_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("chime") << true;
    QTest::newRow("uh-oh") << false;
}

void TestSounds::shortAndAudible()
{
    QFETCH(bool, right);
    const Samples s = right ? synth::chime() : synth::uhOh();
    const double seconds = double(s.size()) / synth::sampleRate;
    QVERIFY2(seconds > 0.3 && seconds < 1.0, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (std::int16_t v : s)
        peak = std::max(peak, std::abs(int(v)));
    // Loud enough to hear in a classroom, never clipped.
    QVERIFY2(peak > 6000 && peak < 32000, qPrintable(QString::number(peak)));
    // No click at either end.
    QVERIFY(std::abs(int(s.front())) < 200);
    QVERIFY(std::abs(int(s.back())) < 200);
}

void TestSounds::chimeRisesAndUhOhFallsLower()
{
    const Samples chime = synth::chime();
    const Samples uhOh = synth::uhOh();
    const auto pitch = [](const Samples& s, double from, double to) {
        return crossingsPerSecond(s, std::size_t(s.size() * from), std::size_t(s.size() * to));
    };
    QVERIFY(pitch(chime, 0.0, 0.2) < pitch(chime, 0.6, 0.8));
    QVERIFY(pitch(uhOh, 0.05, 0.3) > pitch(uhOh, 0.6, 0.85));
    // The uh-oh is soft and low: well below the chime.
    QVERIFY(pitch(uhOh, 0.0, 1.0) * 2 < pitch(chime, 0.0, 1.0));
}

void TestSounds::waveHeader()
{
    const Samples s{0, 1000, -1000, 0};
    const std::string wav = synth::wavFile(s, 22050);
    QCOMPARE(wav.size(), std::size_t(44 + 8));
    QCOMPARE(wav.substr(0, 4), std::string("RIFF"));
    QCOMPARE(le32(wav, 4), std::uint32_t(wav.size() - 8));
    QCOMPARE(wav.substr(8, 8), std::string("WAVEfmt "));
    QCOMPARE(le32(wav, 16), 16u);
    QCOMPARE(le16(wav, 20), std::uint16_t(1)); // PCM
    QCOMPARE(le16(wav, 22), std::uint16_t(1)); // mono
    QCOMPARE(le32(wav, 24), 22050u);
    QCOMPARE(le32(wav, 28), 44100u); // bytes a second
    QCOMPARE(le16(wav, 32), std::uint16_t(2));
    QCOMPARE(le16(wav, 34), std::uint16_t(16));
    QCOMPARE(wav.substr(36, 4), std::string("data"));
    QCOMPARE(le32(wav, 40), 8u);
    QCOMPARE(std::int16_t(le16(wav, 46)), std::int16_t(1000));
    QCOMPARE(std::int16_t(le16(wav, 48)), std::int16_t(-1000));
}

void TestSounds::builtFilesAreTheSounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("right");
    QTest::newRow("Esatto.wav") << "Esatto.wav" << true;
    QTest::newRow("no.wav") << "no.wav" << false;
}

void TestSounds::builtFilesAreTheSounds()
{
    QFETCH(QString, name);
    QFETCH(bool, right);
    QFile file(QStringLiteral(CORVALESTA_BIN_DIR "/suoni/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    const std::string expected = synth::wavFile(right ? synth::chime() : synth::uhOh());
    QCOMPARE(bytes.size(), qsizetype(expected.size()));
    QVERIFY(std::memcmp(bytes.constData(), expected.data(), expected.size()) == 0);
}

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
