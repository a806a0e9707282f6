#pragma once

#include "Platform.h"

#include <QHash>
#include <QRandomGenerator>

class QSoundEffect;

// The platform as a desktop user meets it: Qt's boxes, Qt's sound, the
// per-user data directory, and an immediate exit.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    int messageBox(const QString& prompt, int buttons, const QString& title,
                   const QString& spoken = QString()) override;
    QString inputBox(const QString& prompt, const QStringList& choices = {}) override;
    int choose(const QString& prompt, const QStringList& choices) override;
    double random() override;
    void reseed() override;
    QString recordDirectory() override;
    QString accountDirectory() override;
    QString recordService() override;
    QString programFolder() override;
    void playWave(const QString& path) override;
    void endProgram(int status) override;

    // Loads the effects ahead of time so that the first answer is heard at once.
    void preloadWave(const QString& path);

    static QString applicationTitle() { return QStringLiteral("Corvalesta"); }
    // Whether a program in this folder is the package's: only that one uses
    // the computer's shared folder; a build or an unpackaged copy keeps the
    // account's own record even where the package is installed.
    static bool packaged(const QString& programFolder);

private:
    QSoundEffect* effect(const QString& path);

    QRandomGenerator m_random;
    QHash<QString, QSoundEffect*> m_effects;
};
