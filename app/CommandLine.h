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
    // With the results: the report to print instead of the window, and
    // which contests it takes (0: any range, any length; play 0 any, 1
    // contests, 2 practices; period 0 today, 1 this week, 2 all).
    QString print;
    int upTo = 0;
    int minutes = 0;
    int play = 0;
    int period = 2;
    QString name;

    // The program's arguments, its own name first, and the languages it has.
    // The texts are in the language installed; an unknown or malformed
    // option, or a language the game lacks, is refused, never ignored.
    static CommandLine parse(const QStringList& arguments, const QString& version,
                             const QStringList& languages);
};
