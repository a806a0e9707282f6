#include "Clock.h"

#include "DesignLabel.h"
#include "Numbers.h"

#include <QStringList>

Clock::Clock(std::int16_t& hours, std::int16_t& minutes, float& seconds, DesignLabel* display,
             QObject* parent)
    : QObject(parent), m_hours(hours), m_minutes(minutes), m_seconds(seconds), m_display(display)
{
    // A child, so the window's timer can be found by its name.
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1000);
    // The timer is created running, as designed; start-up stops it at once.
    m_timer.start();
    connect(&m_timer, &QTimer::timeout, this, &Clock::tick);
}

void Clock::start()
{
    m_timer.start();
    m_hours = 0;
    m_minutes = 5;
    m_seconds = 0.0f;
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
    if (m_display)
        m_display->setCaption(display(m_hours, m_minutes, m_seconds));
}

void Clock::tick()
{
    // The end test reads what the child sees, not the fields.
    if (m_display && m_display->caption() == Zero) {
        emit runOut();
        return;
    }
    advance(m_hours, m_minutes, m_seconds);
    show();
    emit ticked();
}

QString Clock::spoken(std::int16_t minutes, float seconds)
{
    const int wholeSeconds = int(seconds);
    QStringList parts;
    if (minutes > 0)
        parts << (minutes == 1 ? QStringLiteral("1 minuto")
                               : QStringLiteral("%1 minuti").arg(minutes));
    if (wholeSeconds > 0)
        parts << (wholeSeconds == 1 ? QStringLiteral("1 secondo")
                                    : QStringLiteral("%1 secondi").arg(wholeSeconds));
    if (parts.isEmpty())
        return QStringLiteral("Tempo scaduto.");
    const bool one = parts.size() == 1 && (minutes == 1 || (minutes == 0 && wholeSeconds == 1));
    return (one ? QStringLiteral("Manca ") : QStringLiteral("Mancano ")) +
           parts.join(QStringLiteral(" e ")) + u'.';
}

bool Clock::milestone(std::int16_t minutes, float seconds)
{
    if (minutes > 0)
        return seconds == 0.0f;
    return seconds == 30.0f || seconds == 10.0f;
}
