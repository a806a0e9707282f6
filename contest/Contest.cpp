#include "Contest.h"

#include "Clock.h"
#include "EndOfContest.h"
#include "GameRules.h"
#include "MainWindow.h"
#include "NameRule.h"
#include "Numbers.h"
#include "Platform.h"
#include "ResultsLog.h"

#include <QTimer>

#include <cmath>

namespace {
// The counters are 16-bit: past 32767 answers the game stops rather than wrap.
const char* const TooManyAnswers =
    QT_TRANSLATE_NOOP("Contest", "Errore: troppe risposte da contare (overflow).");
// What a practice says of itself, with its first sum and on F2.
const char* const PracticeSpoken =
    QT_TRANSLATE_NOOP("Contest", "Allenamento, senza tempo e senza record.");
} // namespace

Contest::Contest(Platform& platform, const GameOptions& options, QObject* parent)
    : QObject(parent), m_platform(platform), m_options(options)
{
}

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
    // Built while the name prompt is open, quietly.
    m_window = new MainWindow(m_options);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_clock = new Clock(m_state.clockHours, m_state.clockMinutes, m_state.clockSeconds,
                        m_options.tickMs, m_window);
    // The window's timer is made running; no tick may come while the name
    // prompt and the greeting are open, before the clock starts.
    m_clock->setEnabled(false);
    connect(m_clock, &Clock::shown, m_window, &MainWindow::showTimeLeft);
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
    const settings::Settings& game = m_options.game;
    // Read while the child types a name: a hung share has that long, and a
    // second at least.
    if (!m_options.school.empty() && game.play != settings::Play::Practice)
        m_school =
            records::SchoolRead(m_options.school, settings::recordName(game.upTo, game.minutes));
    QStringList names;
    for (const std::string& name : m_options.names)
        names << QString::fromStdString(name);
    m_state.playerName = playerName(m_platform.inputBox(tr("Come ti chiami?"), names));
    //: %1 is the child's name; the blanks are the design's.
    m_platform.messageBox(tr(" %1 vediamo se sei un vero campione  ").arg(m_state.playerName));
    m_practice = choosePractice();
    buildWindow();
    m_window->showPlayer(m_state.playerName);
    // A practice's clock only counts the seconds it took, unseen.
    if (m_practice)
        disconnect(m_clock, &Clock::shown, m_window, &MainWindow::showTimeLeft);
    m_clock->start(length());
    m_again.clear();
    m_round = 0;
    m_misses.clear();
    m_crossed = {};
    try {
        m_state.recordDir = records::GetSystemDir(m_platform.recordDirectory());
        // A practice neither compares nor saves a record.
        m_record = m_practice ? records::Record{}
                              : records::startUp(m_state.recordDir, m_platform.recordService(),
                                                 game.upTo, game.minutes);
        if (!m_practice)
            takeSchoolRecord();
        records::begin(m_platform.recordService(),
                       records::pendingFolder(m_platform.accountDirectory()));
        m_window->showRecord(m_record.score, holderShown(m_record.holder, game.holder),
                             m_recordNote);
    } catch (const records::RecordError& error) {
        fail(error.message());
        return;
    }
    m_clock->show();
    if (m_practice)
        m_window->showTimeLeft(QString());
}

void Contest::takeSchoolRecord()
{
    m_recordNote.clear();
    if (!m_school.reading())
        return;
    const std::optional<records::school::Best> best = m_school.best();
    if (m_school.late()) {
        m_recordNote = tr("Il record della scuola ora non si legge: questo è il record di "
                          "questo computer.");
        return;
    }
    // Beating the school's record beats this computer's too; ties keep ours.
    if (best && best->score > numbers::val(m_record.score))
        m_record = {QString::number(best->score), QString::fromStdString(best->holder)};
}

int Contest::length() const
{
    return m_practice ? records::results::LongestPractice : m_options.game.minutes * 60;
}

bool Contest::choosePractice()
{
    switch (m_options.game.play) {
    case settings::Play::Contest:
        return false;
    case settings::Play::Practice:
        return true;
    case settings::Play::Both:
        break;
    }
    // Closed without a choice: the game as it always was.
    return m_platform.choose(tr("Vuoi fare una gara a tempo o un allenamento senza tempo?"),
                             {tr("&Gara"), tr("&Allenamento")}) == 1;
}

QString Contest::holderShown(const QString& holder, settings::Holder how)
{
    qsizetype end = 0;
    while (end < holder.size() && holder[end] != u'\r' && holder[end] != u'\n')
        ++end;
    const QString name = holder.left(end);
    const QString lineEnd = holder.mid(end);
    switch (how) {
    case settings::Holder::Name:
        return holder;
    case settings::Holder::None:
        return lineEnd;
    case settings::Holder::Initials:
        break;
    }
    QStringList initials;
    for (const QString& word : name.split(u' ', Qt::SkipEmptyParts)) {
        // A letter outside the basic plane is two code units.
        const qsizetype length = word.at(0).isHighSurrogate() && word.size() > 1 ? 2 : 1;
        initials << word.left(length).toUpper() + u'.';
    }
    return initials.join(u' ') + lineEnd;
}

QString Contest::playerName(const QString& typed)
{
    // The record service's own rule, so that what the child sees greeted is
    // what is stored; kept whole by both the record and the class's results.
    return QString::fromStdString(records::names::clean(typed.toStdString()));
}

void Contest::dealRound()
{
    if (m_ended || !m_window)
        return;
    m_state.tintFactor = std::int16_t(std::floor(m_platform.random() * 15));
    // The tint above continues the sequence the previous round seeded.
    m_platform.reseed();
    const int upTo = m_options.game.upTo;
    auto number = std::int16_t(std::min(std::floor(m_platform.random() * upTo), upTo - 1.0));
    ++m_round;
    // A practice's wrong sum, when its turn has come, in place of the one drawn.
    if (!m_again.empty() && m_again.front().round <= m_round) {
        number = std::int16_t(m_again.front().number);
        m_again.pop_front();
    }
    m_number = number;
    m_state.expectedAnswer = std::int16_t(number + 1);
    const QString shown = numbers::format(number, u"#0");
    //: Spoken: %1 is the number shown.
    const QString sum = tr("Quanto fa %1 più 1?").arg(shown);
    const QString first =
        m_practice ? tr(PracticeSpoken) : recordSpoken();
    m_window->showRound(m_state.tintFactor, shown, m_firstRound ? first + u' ' + sum : sum);
    m_firstRound = false;
}

bool Contest::count(std::int16_t& counter)
{
    const auto next = numbers::add16(counter, 1);
    if (!next) {
        fail(tr(TooManyAnswers));
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
    const auto answer = numbers::roundToInt16(numbers::val(m_window->answer()));
    const bool right = answer && *answer == m_state.expectedAnswer;
    if (!count(right ? m_state.correctCount : m_state.wrongCount))
        return;
    if (m_practice && !right)
        m_again.push_back({m_number, m_round + AgainAfter + 1});
    keep(right);
    const auto total = numbers::add16(m_state.wrongCount, m_state.correctCount);
    if (!total) {
        fail(tr(TooManyAnswers));
        return;
    }
    const QString message =
        //: %1 is the child's name.
        right ? tr("Esatto! %1 sei forte!").arg(m_state.playerName)
              //: %1 is the right answer.
              : tr("Sbagliato!! %1").arg(numbers::format(m_state.expectedAnswer, u"####0"));
    m_window->showVerdict({message, !right, numbers::format(m_state.correctCount, u"####0"),
                           numbers::format(m_state.wrongCount, u"###0"),
                           numbers::format(*total, u"####0"), countersSpoken()});
    playWave(right ? RightSound : WrongSound);
}

void Contest::keep(bool right)
{
    namespace results = records::results;
    if (const results::Crossing c = results::crossing(m_number); c != results::NoCrossing) {
        ++m_crossed.shown[c];
        m_crossed.wrong[c] += !right;
    }
    if (right || m_misses.size() == results::MaxMisses)
        return;
    // The answer as typed; a paste may bring what is no plain number, kept
    // as nothing rather than as digits that could read as the right answer.
    const QString answer = m_window->answer();
    const bool plain =
        std::all_of(answer.begin(), answer.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }) &&
        answer.size() <= settings::digits(m_options.game.upTo);
    m_misses.push_back({m_number, plain ? answer.toStdString() : std::string()});
}

QString Contest::countersSpoken() const
{
    //: Spoken: the right, wrong and total answers.
    return tr("Risposte esatte: %1, errate: %2, totali: %3.")
        .arg(numbers::format(m_state.correctCount, u"####0"),
             numbers::format(m_state.wrongCount, u"###0"),
             numbers::format(std::int16_t(m_state.correctCount + m_state.wrongCount), u"####0"));
}

QString Contest::recordSpoken() const
{
    const QString holder = m_window->holderShown().trimmed();
    const double points = numbers::val(m_record.score);
    QString said = tr("Non c'è ancora un record.");
    if (points > 0) {
        // A whole count under a billion has its language's plural forms.
        const QString count = points < 1e9 && points == std::floor(points)
                                  ? tr("%n punti", nullptr, int(points))
                                  //: A score that is not a whole number, as 2.5.
                                  : tr("%1 punti").arg(points, 0, 'g', 15);
        //: Spoken: %1 is the record's points ("%n punti").
        said = holder.isEmpty() ? tr("Il record è di %1.").arg(count)
                                //: Spoken: %1 is the record's points, %2 its holder's name.
                                : tr("Il record è di %1, di %2.").arg(count, holder);
    }
    return m_recordNote.isEmpty() ? said : said + u' ' + m_recordNote;
}

void Contest::sayTimeLeft(bool asked)
{
    if (m_ended || m_ending || !m_window)
        return;
    if (m_practice) {
        if (asked)
            m_window->say(tr(PracticeSpoken));
        return;
    }
    if (asked)
        m_window->say(Clock::spoken(m_state.clockMinutes, m_state.clockSeconds) + u' ' +
                      recordSpoken());
    else if (Clock::milestone(m_state.clockMinutes, m_state.clockSeconds))
        m_window->say(Clock::spoken(m_state.clockMinutes, m_state.clockSeconds));
}

void Contest::playWave(const QString& relative)
{
    m_platform.playWave(m_platform.programFolder() + u'/' + relative);
}

void Contest::newContest()
{
    if (m_ended || m_ending || !m_window)
        return;
    const int answer =
        m_platform.messageBox(tr("INIZIAMO UNA NUOVA GARA  ?"), Platform::YesNoQuestionDefaultNo,
                              tr("INIZIARE NUOVA GARA"));
    // The countdown may have ended the contest while the box was open.
    if (m_ended || m_ending || answer == Platform::AnswerNo)
        return;
    m_state.tableLimitText = m_platform.inputBox(tr("Tavola pitagorica fino al numero? "));
    if (m_ended || m_ending)
        return;
    if (m_state.tableLimitText.isEmpty()) {
        m_platform.messageBox(
            //: %1 is the child's name; the blank before it is the design's.
            tr(" %1 siccome non hai scelto arriviamo fino al 10.").arg(m_state.playerName));
        if (m_ended || m_ending)
            return;
        m_state.tableLimitText = QStringLiteral("10");
    }
    // Unload: the old window stops counting and goes; this handler still runs
    // inside its menu, so it is deleted once the event loop is back. The next
    // window keeps its keypad as F9 left it.
    m_options = m_window->options();
    m_clock->setEnabled(false);
    m_window->disconnect(this);
    m_window->hide();
    m_window->deleteLater();
    m_window = nullptr;
    load();
}

void Contest::endContest()
{
    // One goodbye: a tick during the goodbye box finds the contest ending.
    if (m_ending || m_ended)
        return;
    // A practice never ends by itself: its clock stops counting instead.
    if (m_practice) {
        m_clock->setEnabled(false);
        return;
    }
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
    const settings::Settings& game = m_options.game;
    const contest::Played played{{m_state.correctCount, m_state.playerName, m_state.wrongCount,
                                  length() - m_clock->secondsLeft(), numbers::val(m_record.score),
                                  game.upTo, game.minutes, m_practice, m_misses, m_crossed},
                                 //: %1 is the sentence with the right, wrong and total answers.
                                 tr("Tempo scaduto! %1").arg(countersSpoken())};
    contest::endContest(m_platform, m_state.recordDir, goodbye, played);
    m_ended = true;
}

void Contest::fail(const QString& message)
{
    m_ended = true;
    m_platform.messageBox(message);
    m_platform.endProgram(1);
}
