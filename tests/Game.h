#pragma once

#include "Contest.h"
#include "FakePlatform.h"

#include <QString>

class AnswerBox;
class DesignLabel;
class MainWindow;
class PictureButton;

// A label of the window by its design name, as a tester finds it.
DesignLabel* labelOf(const MainWindow& window, const char* name);

// The game's catalogue for the language, as built for the program, and Qt's;
// "it" for the program's own texts. Until the next call; every test starts
// in Italian.
void speak(const QString& language);
// Italian and the languages built for the program.
QStringList spokenLanguages();

// A game on the fake platform, its window offscreen, with helpers to play it
// from the keyboard.
class Game {
public:
    explicit Game(const GameOptions& options = {});

    // Loads the game with this name typed at the prompt; the randoms are the
    // first round's tint and number.
    void start(const QString& name = QStringLiteral("Anna"), int tint = 3, int number = 41);

    // Queues the next round's tint and number.
    void nextRound(int tint, int number);

    // "nuovo" answered Yes and a table limit, the same name at the prompt; the
    // old window is gone afterwards.
    void newContest();

    // Types into the focused widget, then presses the key there.
    void type(const QString& text);
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void answer(const QString& text); // types and presses Enter

    MainWindow* window() const;
    QString caption(const char* label) const;
    AnswerBox* answerBox() const;
    PictureButton* next() const;
    QWidget* focus() const;

    FakePlatform platform;
    Contest contest;

private:
    int m_upTo; // the range its rounds are drawn from
};
