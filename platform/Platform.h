#pragma once

#include <QString>
#include <QStringList>

// Everything the game asks of its surroundings. The real implementation is
// QtPlatform; tests pass a scripted fake.
class Platform {
public:
    // Message box button codes and the answers they return.
    static constexpr int OkOnly = 0;
    static constexpr int YesNoQuestionDefaultNo = 292;
    static constexpr int AnswerOk = 1;
    static constexpr int AnswerYes = 6;
    static constexpr int AnswerNo = 7;

    virtual ~Platform() = default;

    // Modal; an empty title shows the application's title. A screen reader
    // says the spoken text after the prompt. Returns 1, 6 or 7.
    virtual int messageBox(const QString& prompt, int buttons = OkOnly,
                           const QString& title = QString(), const QString& spoken = QString()) = 0;
    // Modal; the typed text, or the empty text when cancelled. With choices,
    // a list to pick from that still takes typing, empty at first.
    virtual QString inputBox(const QString& prompt, const QStringList& choices = {}) = 0;
    // Modal: the prompt and a button for each choice, the first the default;
    // the index of the one pressed, or -1 when the box is closed without one.
    virtual int choose(const QString& prompt, const QStringList& choices) = 0;

    // Uniform in [0, 1).
    virtual double random() = 0;
    // Reseeds the sequence from the system clock.
    virtual void reseed() = 0;

    // Where the record files live, without a trailing separator.
    virtual QString recordDirectory() = 0;
    // The account's own folder, without a trailing separator: its record
    // when there is no shared one, and what waits for the record service.
    virtual QString accountDirectory() = 0;
    // The socket of the service that saves the record when that folder is
    // the computer's shared one, which the game may not write itself; empty
    // otherwise.
    virtual QString recordService() = 0;
    // The folder that holds the program, without a trailing separator.
    virtual QString programFolder() = 0;

    // Starts the wave file and returns at once; a new sound cuts off the
    // previous one; a missing or broken file plays nothing.
    virtual void playWave(const QString& path) = 0;

    // Ends the program at once. The real platform never returns from here.
    virtual void endProgram(int status) = 0;
};
