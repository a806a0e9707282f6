#pragma once

#include "GameOptions.h"

#include <QString>
#include <QStringList>

// What the program is asked to do on its command line.
struct CommandLine {
    enum Action { Play, Results, Settings, Help, Version, Refused };
    Action action = Play;
    GameOptions options;
    QString language; // asked with --lingua, one of the languages given; else empty
    QString text;     // the help, the version, or why the line was refused

    // The program's arguments, its own name first, and the languages it has.
    // The texts are in the language installed; an unknown or malformed
    // option, or a language the game lacks, is refused, never ignored.
    static CommandLine parse(const QStringList& arguments, const QString& version,
                             const QStringList& languages);
};
