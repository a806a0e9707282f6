#pragma once

#include "Numbers.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Record files byte for byte, as the tests check them.
// The record a contest saw at its start, from the score file's text, as the
// game reads it.
inline double shownRecord(const QString& score)
{
    return numbers::val(score);
}

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("(missing)");
    return file.readAll();
}

// Writes the bytes, replacing the file; false when that fails.
inline bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
