#pragma once

#include "Platform.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// A platform with scripted answers, fixed random numbers, a temporary record
// directory and a log of what the game asked for.
class FakePlatform : public Platform {
public:
    struct Box {
        QString prompt;
        int buttons;
        QString title;
        QString spoken;
    };

    FakePlatform();

    // Scripts, consumed in order. An empty box script answers OK, or No to a
    // question; an empty input script answers with the empty text; an empty
    // random script gives 0.5.
    QList<int> boxAnswers;
    QStringList inputAnswers;
    QList<double> randoms;
    // The choices made in choose(); an empty script takes the first.
    QList<int> choiceAnswers;

    // Runs while a box is open, as a tick might.
    std::function<void(const Box&)> whileBoxOpen;
    std::function<void(const QString&)> whileInputOpen;

    // What happened.
    QList<Box> boxes;
    QStringList inputPrompts;
    QList<QStringList> choices; // the buttons each choose() offered
    QList<QStringList> inputChoices; // the list each inputBox() offered
    QStringList sounds;
    int reseeds = 0;
    int drawnBeforeLastReseed = -1;
    int randomsDrawn = 0;
    bool ended = false;
    int endings = 0; // calls to endProgram
    int exitStatus = -1;

    QTemporaryDir dataDir;
    QString recordDir;  // inside dataDir unless a test points it elsewhere
    QString service;    // the record service's socket for a shared folder; none by default
    QString accountDir; // the account's own folder, inside dataDir

    // The random number that makes a round of this range show this number.
    static double forNumber(int number, int upTo = 10000) { return (number + 0.5) / upTo; }
    // The random number that draws this tint.
    static double forTint(int tint) { return (tint + 0.5) / 15.0; }

    QStringList boxPrompts() const;

    int messageBox(const QString& prompt, int buttons, const QString& title,
                   const QString& spoken) override;
    QString inputBox(const QString& prompt, const QStringList& choices = {}) override;
    int choose(const QString& prompt, const QStringList& choices) override;
    double random() override;
    void reseed() override
    {
        ++reseeds;
        drawnBeforeLastReseed = randomsDrawn;
    }
    QString recordDirectory() override { return recordDir; }
    QString recordService() override { return service; }
    QString accountDirectory() override { return accountDir; }
    QString programFolder() override { return QStringLiteral("/opt/corvalesta"); }
    void playWave(const QString& path) override { sounds << path; }
    void endProgram(int status) override;
};
