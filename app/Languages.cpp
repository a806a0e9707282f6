#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QLibraryInfo>
#include <QTranslator>

namespace languages {

QStringList available(const QString& folder)
{
    QStringList codes{Italian};
    // Matched by hand: a name filter compiles a regular expression, whose
    // generated code memcheck cannot follow.
    const QLatin1String prefix("corvalesta_"), suffix(".qm");
    for (const QString& file : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        if (!file.startsWith(prefix) || !file.endsWith(suffix))
            continue;
        const QString code = file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
        if (code != Italian) // Italian's holds only its plural forms
            codes << code;
    }
    return codes;
}

QStringList wanted()
{
    QStringList asked;
    const auto variable = [](const char* name) { return qEnvironmentVariable(name); };
    QString locale = variable("LC_ALL");
    if (locale.isEmpty())
        locale = variable("LC_MESSAGES");
    if (locale.isEmpty())
        locale = variable("LANG");
    // The C locale means untranslated: LANGUAGE is then ignored, as gettext does.
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
        asked << variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        asked << variable(name);
    asked.removeAll(QString());
    return asked;
}

QString choose(const QStringList& wanted, const QStringList& available)
{
    for (QString code : wanted) {
        // en_GB.UTF-8@euro: the encoding and the modifier say nothing of the language.
        code = code.section(u'.', 0, 0).section(u'@', 0, 0);
        if (available.contains(code))
            return code;
        const QString language = code.section(u'_', 0, 0);
        if (available.contains(language))
            return language;
    }
    return Italian;
}

void install(const QString& language, const QString& folder)
{
    static QList<QTranslator*> installed;
    for (QTranslator* old : std::as_const(installed)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    installed.clear();
    const auto add = [](QTranslator* translator) {
        QCoreApplication::installTranslator(translator);
        installed << translator;
    };
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        add(qt);
    else
        delete qt;
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        gui->setLayoutDirection(QLocale(language).textDirection());
    // The teachers' figures write decimals as the language does.
    QLocale::setDefault(QLocale(language));
    auto* game = new QTranslator(QCoreApplication::instance());
    if (game->load(QStringLiteral("corvalesta_") + language, folder))
        add(game);
    else
        delete game;
}

} // namespace languages
