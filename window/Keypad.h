#pragma once

#include <QWidget>

class QToolButton;

// Large keys for a touch screen: 0 to 9, Backspace and Enter. A key does what
// the same key of the keyboard does where the focus is: it is sent there, so
// the answer box's key filter sees it. The keypad never takes the focus.
class Keypad : public QWidget {
    Q_OBJECT
public:
    explicit Keypad(QWidget* parent = nullptr);

    // Lays out square keys of this side, this far apart and from the edges.
    void fit(int side, int gap);
    int keySide() const { return m_side; }

private:
    void press(int key, const QString& text);

    QList<QToolButton*> m_keys;
    int m_side = 0;
};
