#include "SettingsText.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

namespace settingsText {

namespace {

QString problem(const settings::Problem& p, const QString& file)
{
    using settings::Problem;
    const QString key = QString::fromStdString(p.key);
    const QString where =
        //: %1 is a file's path, %2 a line number.
        p.line > 0 ? QCoreApplication::translate("settings", "%1, riga %2").arg(file).arg(p.line)
                   : file;
    QString what;
    switch (p.kind) {
    case Problem::NoEquals:
        //: %1 is the line as written; "chiave = valore" is the format, keep its blanks.
        what = QCoreApplication::translate("settings", "«%1» non è nella forma «chiave = valore»")
                   .arg(key);
        break;
    case Problem::UnknownKey:
        //: %1 is the key as written; the four keys are never translated.
        what = QCoreApplication::translate(
                   "settings",
                   "la chiave «%1» non esiste; le chiavi sono fino_a, minuti, gioco e record")
                   .arg(key);
        break;
    case Problem::BadValue: {
        if (p.key == settings::SchoolKey) {
            //: %1 is the key, %2 the value as written; the path is an example, keep it.
            what = QCoreApplication::translate(
                       "settings", "«%1» non può valere «%2»: serve il percorso intero di una "
                                   "cartella, come /srv/scuola/corvalesta")
                       .arg(key, QString::fromStdString(p.value));
            break;
        }
        int k = 0;
        while (k < settings::KeyCount && settings::KeyNames[k] != p.key)
            ++k;
        //: %1 is the key, %2 the value as written, %3 the values allowed, as "10|20|100".
        what = QCoreApplication::translate("settings",
                                           "«%1» non può valere «%2»; i valori possibili sono %3")
                   .arg(key, QString::fromStdString(p.value),
                        QString::fromStdString(settings::allowed(settings::Key(k))));
        break;
    }
    case Problem::Repeated:
        //: %1 is a key set twice in the same file.
        what = QCoreApplication::translate("settings",
                                           "«%1» è già stata impostata: vale l'ultima riga")
                   .arg(key);
        break;
    case Problem::NotText:
        what = QCoreApplication::translate("settings", "non è un testo UTF-8");
        break;
    case Problem::TooBig: {
        const int kilobytes = int(settings::MaxBytes >> 10);
        //: %n is the largest size allowed, in kilobytes.
        what = QCoreApplication::translate("settings", "è più grande di %n kB", nullptr, kilobytes);
        break;
    }
    case Problem::NotRegular:
        what = QCoreApplication::translate(
            "settings", "non è un file normale (è un collegamento, una cartella o una coda)");
        break;
    case Problem::Unreadable:
        //: %1 is the system's reason, as "Permission denied".
        what = QCoreApplication::translate("settings", "non si legge: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(p.error)));
        break;
    }
    const bool whole = p.kind == Problem::NotText || p.kind == Problem::TooBig ||
                       p.kind == Problem::NotRegular || p.kind == Problem::Unreadable;
    if (p.kind == Problem::Repeated)
        //: %1 is where (a file and a line), %2 what is wrong there.
        return QCoreApplication::translate("settings", "%1: %2.").arg(where, what);
    //: %1 is where (a file and a line), %2 what is wrong there.
    return whole ? QCoreApplication::translate("settings",
                                               "%1: %2; valgono le impostazioni predefinite.")
                       .arg(where, what)
                 //: %1 is where (a file and a line), %2 what is wrong there.
                 : QCoreApplication::translate(
                       "settings", "%1: %2; per questa chiave vale il valore predefinito.")
                       .arg(where, what);
}

} // namespace

settings::InForce load(const Files& files)
{
    const auto read = [](const QString& path) {
        return path.isEmpty() ? settings::Parsed{}
                              : settings::read(QFile::encodeName(path).toStdString());
    };
    return settings::merge(read(files.administrator), read(files.teacher));
}

QStringList problems(const settings::InForce& in, const Files& files)
{
    QStringList told;
    for (const auto& p : in.administrator.problems)
        told << problem(p, files.administrator);
    for (const auto& p : in.teacher.problems)
        told << problem(p, files.teacher);
    return told;
}

QString valueText(settings::Key key, const settings::Settings& v)
{
    switch (key) {
    case settings::UpTo:
        //: %1 is the highest answer: 10, 20, 100, 1000 or 10000.
        return QCoreApplication::translate("settings", "fino a %1").arg(v.upTo);
    case settings::Minutes:
        return QCoreApplication::translate("settings", "%n minuti", nullptr, v.minutes);
    case settings::PlayKey:
        return v.play == settings::Play::Contest
                   ? QCoreApplication::translate("settings", "gara a tempo")
               : v.play == settings::Play::Practice
                   ? QCoreApplication::translate("settings", "allenamento senza tempo")
                   : QCoreApplication::translate("settings",
                                                 "il bambino sceglie gara o allenamento");
    case settings::HolderKey:
        return v.holder == settings::Holder::Name
                   ? QCoreApplication::translate("settings", "il nome intero di chi ha il record")
               : v.holder == settings::Holder::Initials
                   ? QCoreApplication::translate("settings", "le iniziali di chi ha il record")
                   : QCoreApplication::translate("settings", "nessun nome: non si fa classifica");
    case settings::KeyCount:
        break;
    }
    return {};
}

} // namespace settingsText
