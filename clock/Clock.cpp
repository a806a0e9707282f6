#include "Clock.h"

#include "GameRules.h"
#include "Numbers.h"

Clock::Clock(std::int16_t& hours, std::int16_t& minutes, float& seconds, int intervalMs,
             QObject* parent)
    : QObject(parent), m_hours(hours), m_minutes(minutes), m_seconds(seconds)
{
    // A child, so the window's timer can be found by its name.
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    // The timer is created running, as designed; start-up stops it at once.
    m_timer.start();
    connect(&m_timer, &QTimer::timeout, this, &Clock::tick);
}

void Clock::start(int seconds)
{
    m_timer.start();
    m_hours = std::int16_t(seconds / 3600);
    m_minutes = std::int16_t(seconds / 60 % 60);
    m_seconds = float(seconds % 60);
}

int Clock::secondsLeft() const
{
    return m_hours * 3600 + m_minutes * 60 + int(m_seconds);
}

void Clock::setEnabled(bool on)
{
    if (on)
        m_timer.start();
    else
        m_timer.stop();
}

QString Clock::display(std::int16_t hours, std::int16_t minutes, float seconds)
{
    const QString pattern = QStringLiteral("00");
    return numbers::format(hours, pattern) + u':' + numbers::format(minutes, pattern) + u':' +
           numbers::format(seconds, pattern);
}

void Clock::advance(std::int16_t& hours, std::int16_t& minutes, float& seconds)
{
    if (seconds == 0.0f) {
        if (minutes > 0) {
            --minutes;
            seconds = 60.0f;
        } else if (hours > 0) {
            --hours;
            minutes = 59;
            seconds = 60.0f;
        }
    }
    seconds -= 1.0f;
}

void Clock::show()
{
    m_shown = display(m_hours, m_minutes, m_seconds);
    emit shown(m_shown);
}

void Clock::tick()
{
    if (m_shown == Zero) {
        emit runOut();
        return;
    }
    advance(m_hours, m_minutes, m_seconds);
    show();
    emit ticked();
}

QString Clock::spoken(std::int16_t minutes, float seconds)
{
    // Whole sentences, so that each language may say them its own way.
    const int wholeSeconds = int(seconds);
    if (minutes > 0 && wholeSeconds > 0)
        //: %1 is "%n minuti", %2 is "%n secondi", both translated below.
        return tr("Mancano %1 e %2.")
            .arg(tr("%n minuti", nullptr, minutes), tr("%n secondi", nullptr, wholeSeconds));
    if (minutes > 0)
        return tr("Mancano %n minuti.", nullptr, minutes);
    if (wholeSeconds > 0)
        return tr("Mancano %n secondi.", nullptr, wholeSeconds);
    return tr("Tempo scaduto.");
}

bool Clock::milestone(std::int16_t minutes, float seconds)
{
    if (minutes > 0)
        return seconds == 0.0f;
    return seconds == 30.0f || seconds == 10.0f;
}
