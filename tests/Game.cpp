#include "Game.h"

#include "AnswerBox.h"
#include "DesignLabel.h"
#include "Languages.h"
#include "MainWindow.h"
#include "PictureButton.h"

#include <QApplication>
#include <QTest>

DesignLabel* labelOf(const MainWindow& window, const char* name)
{
    return window.findChild<DesignLabel*>(QLatin1String(name));
}

void speak(const QString& language)
{
    languages::install(language, QStringLiteral(CORVALESTA_QM_DIR));
}

QStringList spokenLanguages()
{
    return languages::available(QStringLiteral(CORVALESTA_QM_DIR));
}

namespace {
// Italian as the program speaks it, with the forms of what it counts.
void speakItalian()
{
    speak(languages::Italian);
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(speakItalian)

Game::Game(const GameOptions& options) : contest(platform, options), m_upTo(options.game.upTo)
{
    MainWindow::prepareApplication();
}

void Game::start(const QString& name, int tint, int number)
{
    platform.inputAnswers << name;
    nextRound(tint, number);
    contest.load();
    if (MainWindow* w = window()) {
        w->activateWindow();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            qWarning("the game's window did not become active");
    }
}

void Game::nextRound(int tint, int number)
{
    platform.randoms << FakePlatform::forTint(tint) << FakePlatform::forNumber(number, m_upTo);
}

void Game::newContest()
{
    platform.boxAnswers << Platform::AnswerYes;
    platform.inputAnswers << QStringLiteral("5") << QStringLiteral("Anna");
    nextRound(4, 100);
    contest.newContest();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Game::type(const QString& text)
{
    QTest::keyClicks(focus(), text);
}

void Game::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focus(), Qt::Key(key), modifiers);
}

void Game::answer(const QString& text)
{
    type(text);
    press(Qt::Key_Return);
}

MainWindow* Game::window() const
{
    return contest.window();
}

QString Game::caption(const char* label) const
{
    return labelOf(*window(), label)->caption();
}

AnswerBox* Game::answerBox() const
{
    return window()->answerBox();
}

PictureButton* Game::next() const
{
    return window()->nextButton();
}

QWidget* Game::focus() const
{
    QWidget* w = QApplication::focusWidget();
    return w ? w : window();
}
