#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page, in which record files from the game's home
// platform keep their names.
namespace cp1252 {

// A character the code page lacks becomes "?".
QByteArray encode(const QString& text);
// The closest spelling the code page holds, at most maxChars characters:
// what it lacks is written in Latin letters ("Андрій" as "Andrij", "Ștefan"
// as "Stefan"), what it has is kept ("Zoë").
QByteArray closest(const QString& text, int maxChars);

} // namespace cp1252
