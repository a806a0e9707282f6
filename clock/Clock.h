#pragma once

#include "GameRules.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

// The contest's countdown: it owns the one-second timer and tells the time
// left as hh:mm:ss; the fields it counts with belong to the contest.
class Clock : public QObject {
    Q_OBJECT
public:
    Clock(std::int16_t& hours, std::int16_t& minutes, float& seconds, int intervalMs = 1000,
          QObject* parent = nullptr);

    static inline const QString Zero = QStringLiteral("00:00:00");

    // Enables the timer and sets the countdown to the contest's length.
    void start(int seconds = rules::ContestSeconds);
    void setEnabled(bool on);
    bool isEnabled() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }

    // One tick: runs out when the time shown is zero, else counts down.
    void tick();
    // Tells the fields as hh:mm:ss.
    void show();
    int secondsLeft() const;

    static QString display(std::int16_t hours, std::int16_t minutes, float seconds);
    // One second less, borrowing a minute or an hour when the seconds are 0.
    static void advance(std::int16_t& hours, std::int16_t& minutes, float& seconds);

    // The time left as a screen reader says it: "Mancano 4 minuti e 20 secondi."
    static QString spoken(std::int16_t minutes, float seconds);
    // Whether the time left is said without being asked: at each whole
    // minute, and 30 and 10 seconds before the end.
    static bool milestone(std::int16_t minutes, float seconds);

signals:
    // The time left to show, hh:mm:ss.
    void shown(const QString& text);
    // The countdown has run out: it showed zero on a tick.
    void runOut();
    // The clock moved on by a second.
    void ticked();

private:
    QTimer m_timer;
    std::int16_t& m_hours;
    std::int16_t& m_minutes;
    float& m_seconds;
    // What the child sees: the end test reads it, not the fields.
    QString m_shown;
};
