#include "Keypad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace {

struct Key {
    const char* name;
    const char16_t* label;
    const char16_t* spoken;
    int key;
    const char16_t* text; // what the key types
};

// In the rows of a telephone's keypad turned upside down, as on a keyboard.
constexpr Key Keys[] = {
    {"key7", u"7", u"7", Qt::Key_7, u"7"},
    {"key8", u"8", u"8", Qt::Key_8, u"8"},
    {"key9", u"9", u"9", Qt::Key_9, u"9"},
    {"key4", u"4", u"4", Qt::Key_4, u"4"},
    {"key5", u"5", u"5", Qt::Key_5, u"5"},
    {"key6", u"6", u"6", Qt::Key_6, u"6"},
    {"key1", u"1", u"1", Qt::Key_1, u"1"},
    {"key2", u"2", u"2", Qt::Key_2, u"2"},
    {"key3", u"3", u"3", Qt::Key_3, u"3"},
    {"keyBackspace", u"⌫", u"Cancella", Qt::Key_Backspace, u"\b"},
    {"key0", u"0", u"0", Qt::Key_0, u"0"},
    {"keyEnter", u"Invio", u"Invio", Qt::Key_Return, u"\r"},
};
constexpr int Columns = 3;
constexpr int Rows = 4;

} // namespace

Keypad::Keypad(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("keypad"));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Tastierino"));
    setAccessibleDescription(QStringLiteral("Tasti grandi per lo schermo a tocco"));
    for (const Key& k : Keys) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(k.name));
        button->setText(QString::fromUtf16(k.label));
        button->setAccessibleName(QString::fromUtf16(k.spoken));
        button->setFocusPolicy(Qt::NoFocus);
        const int key = k.key;
        const QString text = QString::fromUtf16(k.text);
        connect(button, &QToolButton::clicked, this, [this, key, text] { press(key, text); });
        m_keys << button;
    }
}

void Keypad::fit(const QSize& size)
{
    const int gap = std::max(4, size.width() / 40);
    const int side = std::min((size.width() - (Columns + 1) * gap) / Columns,
                              (size.height() - (Rows + 1) * gap) / Rows);
    const int width = Columns * side + (Columns + 1) * gap;
    const int height = Rows * side + (Rows + 1) * gap;
    resize(width, height);
    QFont font = this->font();
    font.setPixelSize(std::max(10, side * 2 / 5));
    font.setBold(true);
    for (int i = 0; i < m_keys.size(); ++i) {
        m_keys[i]->setGeometry(gap + (i % Columns) * (side + gap),
                               gap + (i / Columns) * (side + gap), side, side);
        QFont keyFont = font;
        if (m_keys[i]->text().size() > 1) // "Invio"
            keyFont.setPixelSize(std::max(8, side / 4));
        m_keys[i]->setFont(keyFont);
    }
}

void Keypad::press(int key, const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window())
        return;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    if (target == QApplication::focusWidget())
        QApplication::sendEvent(target, &up);
}
