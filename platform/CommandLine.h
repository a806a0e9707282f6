#pragma once

#include "GameOptions.h"

#include <QString>
#include <QStringList>

// What the program is asked to do on its command line.
struct CommandLine {
    enum Action { Play, Results, Help, Version, Refused };
    Action action = Play;
    GameOptions options;
    QString text; // the help, the version, or why the line was refused

    // The program's arguments, its own name first. Every text is Italian;
    // an unknown or malformed option is refused, never ignored.
    static CommandLine parse(const QStringList& arguments, const QString& version);
};
