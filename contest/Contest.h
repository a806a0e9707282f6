#pragma once

#include "ContestState.h"
#include "GameOptions.h"
#include "RecordFiles.h"
#include "SchoolRead.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <deque>

class Clock;
class MainWindow;
class Platform;

// The game: it loads the window, deals rounds, checks answers, runs the clock
// and ends or restarts the contest. It owns the contest state; the window is
// built anew for every contest.
class Contest : public QObject {
    Q_OBJECT
public:
    explicit Contest(Platform& platform, const GameOptions& options = {},
                     QObject* parent = nullptr);
    ~Contest() override;

    // The sounds, relative to the program's folder.
    static inline const QString RightSound = QStringLiteral("suoni/Esatto.wav");
    static inline const QString WrongSound = QStringLiteral("suoni/no.wav");

    // Builds the window, runs the start-up dialogue, shows the window and
    // deals the first round.
    void load();

    void dealRound();
    void checkAnswer();
    void newContest();
    // The countdown has run out.
    void endContest();
    // The exit button.
    void exitContest();

    MainWindow* window() const;
    Clock* clock() const;
    const ContestState& state() const { return m_state; }
    bool ended() const { return m_ended; }
    // A practice: no clock, no record; it ends with the exit button.
    bool practice() const { return m_practice; }

    // The holder as the teacher wants the record shown: the whole name, its
    // initials ("Anna Maria" as "A. M."), or nothing; line ends kept.
    static QString holderShown(const QString& holder, settings::Holder how);
    // A wrong sum of a practice comes back after this many other rounds.
    static constexpr int AgainAfter = 2;

    // The name as the game keeps it: a line break or a tab pasted into the
    // prompt becomes a blank, any other control character goes, since typing
    // cannot make them and they would break the holder file's one line; the
    // first 60 characters are kept.
    static QString playerName(const QString& typed);

    // How long the name prompt has to itself before the window is built.
    static constexpr int WindowBuildDelay = 150;

private:
    void buildWindow();
    void startUp();
    void finish(bool goodbye);
    // The school's record in place of this computer's, when it is read in
    // time and is the higher.
    void takeSchoolRecord();
    void fail(const QString& message);
    // What a screen reader says of the counters and of the record.
    QString countersSpoken() const;
    QString recordSpoken() const;
    void sayTimeLeft(bool asked);
    // Practice or a contest, as the settings say or the child picks.
    bool choosePractice();
    // What the clock counts down from: the contest's length, or for a
    // practice the longest the results can count.
    int length() const;
    void playWave(const QString& relative);
    bool count(std::int16_t& counter);
    // The answer's place among the wrong answers and the crossings.
    void keep(bool right);

    Platform& m_platform;
    // The next window's; the window keeps F9's choice for the contests after.
    GameOptions m_options;
    ContestState m_state;
    // As read at start-up, shown since: the school's when it is the better.
    records::Record m_record;
    records::SchoolRead m_school;
    // Said with the record when the school's could not be read in time.
    QString m_recordNote;
    QPointer<MainWindow> m_window;
    QPointer<Clock> m_clock;
    bool m_ending = false;
    bool m_ended = false;
    // The first round of a window also tells the record.
    bool m_firstRound = false;
    bool m_practice = false;
    // A practice's wrong sums, each with the round it comes back in.
    struct Again {
        int number;
        int round;
    };
    std::deque<Again> m_again;
    int m_round = 0;
    int m_number = 0; // shown in the open round
    std::vector<records::results::Miss> m_misses;
    records::results::Crossed m_crossed;
};
