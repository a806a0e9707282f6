#include "Keypad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>
#include <string_view>

namespace {

// In the rows of a keyboard's number pad: Backspace and Enter either side of 0.
constexpr char16_t Layout[] = u"789456123\b0\r";

struct Key {
    QString name;
    QString label;
    QString spoken;
    int code;
};

// A digit is named, shown and spoken as itself.
Key keyFor(char16_t typed)
{
    if (typed == u'\b')
        return {QStringLiteral("keyBackspace"), QStringLiteral("⌫"),
                QCoreApplication::translate("Keypad", "Cancella"), Qt::Key_Backspace};
    if (typed == u'\r')
        return {QStringLiteral("keyEnter"), QCoreApplication::translate("Keypad", "Invio"),
                QCoreApplication::translate("Keypad", "Invio"), Qt::Key_Return};
    const QString digit(QChar{typed});
    return {QStringLiteral("key") + digit, digit, digit, Qt::Key_0 + (typed - u'0')};
}

constexpr int Columns = 3;
constexpr int Rows = 4;

} // namespace

Keypad::Keypad(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("keypad"));
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Tastierino"));
    setAccessibleDescription(tr("Tasti grandi per lo schermo a tocco"));
    for (const char16_t typed : std::u16string_view(Layout)) {
        const Key k = keyFor(typed);
        auto* button = new QToolButton(this);
        button->setObjectName(k.name);
        button->setText(k.label);
        button->setAccessibleName(k.spoken);
        button->setFocusPolicy(Qt::NoFocus);
        const int code = k.code;
        const QString text(QChar{typed});
        connect(button, &QToolButton::clicked, this, [this, code, text] { press(code, text); });
        m_keys << button;
    }
}

void Keypad::fit(int side, int gap)
{
    m_side = side;
    resize(Columns * side + (Columns + 1) * gap, Rows * side + (Rows + 1) * gap);
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
