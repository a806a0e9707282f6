#pragma once

#include <QLineEdit>

// The answer box: only digits and Backspace reach it; Enter asks for the
// answer to be checked. Editing keys (arrows, Home, End, Delete) still work.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr);

    // Whether a key press gets through to the box.
    static bool passes(const QKeyEvent& event);

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};
