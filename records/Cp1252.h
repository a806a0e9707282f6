#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page, in which record files from the game's home
// platform keep their names.
namespace cp1252 {

QString decode(const QByteArray& bytes);
// A character the code page lacks becomes "?".
QByteArray encode(const QString& text);

} // namespace cp1252
