#pragma once

#include "Settings.h"

#include <QString>
#include <QStringList>

// The teacher's settings in words, in the language installed: what a bad
// file or line is told, and what each setting means.
namespace settingsText {

// The settings files as the game reads them: the administrator's, then the
// one beside the record, which the teachers' window writes.
struct Files {
    QString administrator = QString::fromLatin1(settings::AdminFile);
    QString teacher;
};
// The settings in force, each file read once.
settings::InForce load(const Files& files);

// One sentence for each problem of both files, naming the file and the line,
// and for a bad value the values allowed.
QStringList problems(const settings::InForce& in, const Files& files);

// A setting's value in words: "fino a 100", "3 minuti", "allenamento".
QString valueText(settings::Key key, const settings::Settings& values);

} // namespace settingsText
