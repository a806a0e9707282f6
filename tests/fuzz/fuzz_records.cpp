// Any bytes in a record file: read them as start-up does, and the code page
// gives every byte back unchanged. The same bytes as a save's journal: only a
// whole one is taken, and it is exactly what a save would write.
#include "Cp1252.h"
#include "Journal.h"
#include "Numbers.h"
#include "RecordFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = dir.filePath(records::ScoreFile);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != qint64(size))
            std::abort();
    }
    const QString text = records::Leggifiletxt(path);
    if (text.size() != qMin<qsizetype>(bytes.size(), records::MaxRead))
        std::abort();
    if (cp1252::encode(text) != bytes.left(records::MaxRead))
        std::abort();
    (void)numbers::val(text);
    const std::string raw = bytes.toStdString();
    if (const auto pair = records::journal::decode(raw);
        pair && records::journal::encode(*pair) != raw)
        std::abort();
    return 0;
}
