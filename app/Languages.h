#pragma once

#include <QString>
#include <QStringList>

// The languages the game speaks, and the one it speaks now. Italian is its
// own: its texts are written into the program, and its catalogue holds only
// the forms of the texts that count ("1 minuto", "2 minuti").
namespace languages {

inline const QString Italian = QStringLiteral("it");

// Where the build puts the game's catalogues.
inline const QString BuiltIn = QStringLiteral(":/i18n");

// Italian, then every language whose catalogue is in folder: those built
// into the program, unless told otherwise.
QStringList available(const QString& folder = BuiltIn);

// What the desktop asks for, in the order other Debian programs read it:
// LANGUAGE (a list, unless the locale is C), then LC_ALL, LC_MESSAGES, LANG.
QStringList wanted();

// The first wanted language the game has, as "en" or "zh_CN" ("en_GB.UTF-8"
// finds "en"); Italian when it has none of them.
QString choose(const QStringList& wanted, const QStringList& available);

// Installs the game's catalogue (from folder) and Qt's own (standard buttons,
// file dialogues) for the language, in place of those installed before. Arabic then reads right to left: the window lays
// its boxes out and aligns their texts from the right. Needs the application.
void install(const QString& language, const QString& folder = BuiltIn);

} // namespace languages
