#include "Contest.h"

#include "AnswerBox.h"
#include "Backdrop.h"
#include "Clock.h"
#include "DesignLabel.h"
#include "EndOfContest.h"
#include "MainWindow.h"
#include "Numbers.h"
#include "PictureButton.h"
#include "Platform.h"
#include "RecordFiles.h"
#include "ResultsLog.h"
#include "Unheard.h"

#include <QPixmapCache>
#include <QTimer>

#include <cmath>
#include <malloc.h>

namespace {
int tickInterval = 1000;
// The counters are 16-bit: past 32767 answers the game stops rather than wrap.
const QString TooManyAnswers = QStringLiteral("Errore: troppe risposte da contare (overflow).");
} // namespace

Contest::Contest(Platform& platform, QObject* parent) : QObject(parent), m_platform(platform) {}

Contest::~Contest()
{
    delete m_window;
}

MainWindow* Contest::window() const
{
    return m_window;
}

Clock* Contest::clock() const
{
    return m_clock;
}

void Contest::load()
{
    // The name prompt comes first and at once; the window, which the prompt
    // does not need, is built while the prompt is open, or right after it.
    QTimer::singleShot(WindowBuildDelay, this, &Contest::buildWindow);
    startUp();
    if (m_ended)
        return;
    m_firstRound = true;
    m_window->fitToScreen();
    m_window->show();
    m_window->activateWindow();
    // The first round is on screen as soon as the window is: no click needed.
    dealRound();
}

void Contest::buildWindow()
{
    if (m_window || m_ended)
        return;
    // Built while the name prompt is open: a screen reader presenting the
    // prompt must not be flooded with the news of every control made.
    const Unheard quiet;
    m_window = new MainWindow;
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_clock = new Clock(m_state.clockHours, m_state.clockMinutes, m_state.clockSeconds,
                        m_window->label(QStringLiteral("lblconto")), m_window);
    // The window's timer is made running; no tick may come while the name
    // prompt and the greeting are open, before the clock starts.
    m_clock->setInterval(tickInterval);
    m_clock->setEnabled(false);
    connect(m_window, &MainWindow::nextRequested, this, &Contest::dealRound);
    connect(m_window, &MainWindow::answerEntered, this, &Contest::checkAnswer);
    connect(m_window, &MainWindow::exitRequested, this, &Contest::exitContest);
    connect(m_window, &MainWindow::newContestRequested, this, &Contest::newContest);
    connect(m_clock, &Clock::runOut, this, &Contest::endContest);
    connect(m_clock, &Clock::ticked, this, [this] { sayTimeLeft(false); });
    connect(m_window, &MainWindow::timeAndRecordRequested, this, [this] { sayTimeLeft(true); });
}

void Contest::startUp()
{
    m_state.correctCount = 0;
    m_state.wrongCount = 0;
    m_state.playerName = playerName(m_platform.inputBox(QStringLiteral("Come ti chiami?")));
    m_platform.messageBox(u' ' + m_state.playerName +
                          QStringLiteral(" vediamo se sei un vero campione  "));
    buildWindow();
    m_window->setCaption(QStringLiteral("lblnome1"), m_state.playerName);
    m_clock->start();
    try {
        m_state.recordDir = records::GetSystemDir(m_platform);
        const records::Record record =
            records::startUp(m_state.recordDir, m_platform.recordService());
        m_window->setCaption(QStringLiteral("lblpunti"), record.score);
        m_window->setCaption(QStringLiteral("lblnome"), record.holder);
    } catch (const records::RecordError& error) {
        fail(error.message());
        return;
    }
    m_clock->show();
}

void Contest::setTickInterval(int ms)
{
    tickInterval = ms;
}

QString Contest::playerName(const QString& typed)
{
    QString name;
    name.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            name += u' ';
        else if (c.unicode() >= 32 && c.unicode() != 127)
            name += c;
    }
    // Kept whole by both the record and the class's results.
    qsizetype end = 0;
    for (std::size_t kept = 0; end < name.size() && kept < records::results::MaxNameChars; ++kept)
        end += name[end].isHighSurrogate() && end + 1 < name.size() ? 2 : 1;
    name.truncate(end);
    return name;
}

void Contest::dealRound()
{
    if (m_ended || !m_window)
        return;
    m_state.tintFactor = std::int16_t(std::floor(m_platform.random() * 15));
    m_window->answerBox()->clearUnheard();
    m_window->setCaption(QStringLiteral("lblMessage"), QString());
    // The tint above continues the sequence the previous round seeded.
    m_platform.reseed();
    const auto number = std::int16_t(std::floor(m_platform.random() * 10000));
    m_window->setCaption(QStringLiteral("lblNum1"), numbers::format(number, u"#0"));
    m_state.expectedAnswer = std::int16_t(number + 1);
    // What a screen reader says as the focus comes to the answer box, which
    // happens as the next button is disabled: the sum must be there before.
    const QString sum = QStringLiteral("Quanto fa %1 più 1?").arg(numbers::format(number, u"#0"));
    m_window->answerBox()->setAccessibleDescription(m_firstRound ? recordSpoken() + u' ' + sum
                                                                 : sum);
    m_firstRound = false;
    m_window->nextButton()->setEnabled(false);
    m_window->backdrop()->paintRamp(m_state.tintFactor);
    m_window->answerBox()->setFocus(Qt::OtherFocusReason);
}

bool Contest::count(std::int16_t& counter)
{
    const auto next = numbers::add16(counter, 1);
    if (!next) {
        fail(TooManyAnswers);
        return false;
    }
    counter = *next;
    return true;
}

void Contest::checkAnswer()
{
    if (m_ended || !m_window)
        return;
    // Pasted text may hold any number; one beyond 16 bits is simply wrong.
    const auto answer = numbers::roundToInt16(numbers::val(m_window->answerBox()->text()));
    if (answer && *answer == m_state.expectedAnswer) {
        if (!count(m_state.correctCount))
            return;
        m_window->setCaption(QStringLiteral("lblMessage"), QStringLiteral("Esatto! ") +
                                                               m_state.playerName +
                                                               QStringLiteral(" sei forte!"));
        playWave(RightSound);
    } else {
        if (!count(m_state.wrongCount))
            return;
        m_window->setCaption(QStringLiteral("lblMessage"),
                             QStringLiteral("Sbagliato!! ") +
                                 numbers::format(m_state.expectedAnswer, u"####0"));
        playWave(WrongSound);
        m_window->backdrop()->setPlainColour(Qt::black);
        m_window->setCaption(QStringLiteral("lblScore1"),
                             numbers::format(m_state.wrongCount, u"###0"));
    }
    m_window->setCaption(QStringLiteral("lblScore"),
                         numbers::format(m_state.correctCount, u"####0"));
    const auto total = numbers::add16(m_state.wrongCount, m_state.correctCount);
    if (!total) {
        fail(TooManyAnswers);
        return;
    }
    m_window->setCaption(QStringLiteral("lblScore2"), numbers::format(*total, u"####0"));
    // A child who cannot see the screen hears the verdict and the counters
    // as the focus comes to the next button.
    m_window->nextButton()->setAccessibleDescription(
        m_window->caption(QStringLiteral("lblMessage")) + u' ' + countersSpoken());
    m_window->nextButton()->setEnabled(true);
    m_window->nextButton()->setFocus(Qt::OtherFocusReason);
}

QString Contest::countersSpoken() const
{
    return QStringLiteral("Risposte esatte: %1, errate: %2, totali: %3.")
        .arg(m_window->caption(QStringLiteral("lblScore")),
             m_window->caption(QStringLiteral("lblScore1")),
             m_window->caption(QStringLiteral("lblScore2")));
}

QString Contest::recordSpoken() const
{
    const QString score = m_window->caption(QStringLiteral("lblpunti"));
    const QString holder =
        DesignLabel::displayText(m_window->caption(QStringLiteral("lblnome"))).trimmed();
    const double points = numbers::val(score);
    if (points <= 0)
        return QStringLiteral("Non c'è ancora un record.");
    const QString count = points == 1 ? QStringLiteral("1 punto")
                                      : QStringLiteral("%1 punti").arg(points, 0, 'g', 15);
    return holder.isEmpty() ? QStringLiteral("Il record è di %1.").arg(count)
                            : QStringLiteral("Il record è di %1, di %2.").arg(count, holder);
}

void Contest::sayTimeLeft(bool asked)
{
    if (m_ended || m_ending || !m_window)
        return;
    if (asked)
        m_window->announce(Clock::spoken(m_state.clockMinutes, m_state.clockSeconds) + u' ' +
                           recordSpoken());
    else if (Clock::milestone(m_state.clockMinutes, m_state.clockSeconds))
        m_window->announce(Clock::spoken(m_state.clockMinutes, m_state.clockSeconds));
}

void Contest::playWave(const QString& relative)
{
    m_platform.playWave(m_platform.programFolder() + u'/' + relative);
}

void Contest::newContest()
{
    if (m_ended || m_ending || !m_window)
        return;
    const int answer = m_platform.messageBox(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"),
                                             Platform::YesNoQuestionDefaultNo,
                                             QStringLiteral("INIZIARE NUOVA GARA"));
    // The countdown may have ended the contest while the box was open.
    if (m_ended || m_ending || answer == Platform::AnswerNo)
        return;
    m_state.tableLimitText =
        m_platform.inputBox(QStringLiteral("Tavola pitagorica fino al numero? "));
    if (m_ended || m_ending)
        return;
    if (m_state.tableLimitText.isEmpty()) {
        m_platform.messageBox(u' ' + m_state.playerName +
                              QStringLiteral(" siccome non hai scelto arriviamo fino al 10."));
        if (m_ended || m_ending)
            return;
        m_state.tableLimitText = QStringLiteral("10");
    }
    // Unload: the old window stops counting and goes; this handler still runs
    // inside its menu, so it is deleted once the event loop is back.
    m_clock->setInterval(tickInterval);
    m_clock->setEnabled(false);
    m_window->disconnect(this);
    m_window->hide();
    m_window->deleteLater();
    m_window = nullptr;
    // The style keeps pictures of the old window's buttons, keyed on palettes
    // that die with it.
    QPixmapCache::clear();
    load();
    // Both windows lived side by side while the new one was built; once the
    // old one is gone and the new one painted, hand the memory back, or a
    // day of new contests would leave the game larger than it needs to be.
    QTimer::singleShot(0, this, [] { malloc_trim(0); });
}

void Contest::endContest()
{
    // One goodbye: a tick during the goodbye box finds the contest ending.
    if (m_ending || m_ended)
        return;
    finish(true);
}

void Contest::exitContest()
{
    if (m_ending || m_ended)
        return;
    finish(false);
}

void Contest::finish(bool goodbye)
{
    m_ending = true;
    const records::Captions captions{
        m_window->caption(QStringLiteral("lblpunti")),
        m_window->caption(QStringLiteral("lblScore")),
        m_window->caption(QStringLiteral("lblnome1")),
        QStringLiteral("Tempo scaduto! ") + countersSpoken(), m_state.wrongCount,
        // Seconds of the five minutes the clock has counted.
        300 - (m_state.clockHours * 3600 + m_state.clockMinutes * 60 + int(m_state.clockSeconds))};
    records::endContest(m_platform, m_state.recordDir, goodbye, captions);
    m_ended = true;
}

void Contest::fail(const QString& message)
{
    m_ended = true;
    m_platform.messageBox(message);
    m_platform.endProgram(1);
}
