#pragma once

#include <QFont>
#include <QLineEdit>

class QTimer;

// The answer box: only digits and Backspace reach it; Enter asks for the
// answer to be checked. Editing keys (arrows, Home, End, Delete) still work.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr);
    ~AnswerBox() override;

    // Empties the box without a word to a screen reader. Done while the focus
    // is elsewhere, the screen reader would take the news for the focus's
    // arrival and then not say the new sum when the focus comes here.
    void clearUnheard();

    // Whether a key press gets through to the box.
    static bool passes(const QKeyEvent& event);

    // After this long without a key the caret stops blinking and stays lit,
    // as the desktop's own text fields do: a child thinking costs nothing.
    static constexpr int BlinkFor = 10000;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void blink(bool on);
    // The design's font, or a smaller one while the text would not fit in it:
    // 10000 is wider than the box was drawn for.
    void fit();

    QTimer* m_stillness; // "caretStillness"
    int m_flashTime = 0; // the desktop's, while blinking is stopped
    QFont m_designFont;  // as the window sets it, at its zoom
    bool m_fitting = false;
};
