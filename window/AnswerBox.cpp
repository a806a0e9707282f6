#include "AnswerBox.h"

#include "Unheard.h"
#include <QGuiApplication>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(5);
    // Composed text would slip past the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    m_stillness = new QTimer(this);
    m_stillness->setObjectName(QStringLiteral("caretStillness"));
    m_stillness->setSingleShot(true);
    m_stillness->setInterval(BlinkFor);
    connect(m_stillness, &QTimer::timeout, this, [this] { blink(false); });
    m_designFont = font();
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::fit);
}

void AnswerBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_designFont = font();
        fit();
    }
    QLineEdit::changeEvent(event);
}

void AnswerBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fit();
}

void AnswerBox::fit()
{
    // What the frame and the text's own margins leave of the box.
    const int room = contentsRect().width() - textMargins().left() - textMargins().right() - 6;
    const int wide = QFontMetrics(m_designFont).horizontalAdvance(text());
    QFont wanted = m_designFont;
    if (room > 0 && wide > room) {
        // The window sizes its fonts in pixels, to its zoom.
        if (m_designFont.pixelSize() > 0)
            wanted.setPixelSize(std::max(1, m_designFont.pixelSize() * room / wide));
        else
            wanted.setPointSizeF(m_designFont.pointSizeF() * room / wide);
    }
    if (wanted == font())
        return;
    m_fitting = true;
    setFont(wanted);
    m_fitting = false;
}

AnswerBox::~AnswerBox()
{
    blink(true);
}

// The caret's blinking is the application's setting; it is stopped only
// while this box has the focus.
void AnswerBox::blink(bool on)
{
    QStyleHints* hints = QGuiApplication::styleHints();
    if (on && m_flashTime != 0) {
        hints->setCursorFlashTime(m_flashTime);
        m_flashTime = 0;
    } else if (!on && m_flashTime == 0 && hints->cursorFlashTime() != 0) {
        m_flashTime = hints->cursorFlashTime();
        hints->setCursorFlashTime(0);
    }
}

void AnswerBox::focusInEvent(QFocusEvent* event)
{
    blink(true);
    m_stillness->start();
    QLineEdit::focusInEvent(event);
}

void AnswerBox::focusOutEvent(QFocusEvent* event)
{
    m_stillness->stop();
    blink(true);
    QLineEdit::focusOutEvent(event);
}

bool AnswerBox::passes(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Backspace)
        return true;
    // Pasting by key would bring in text the filter never saw.
    if (event.matches(QKeySequence::Paste))
        return false;
    const Qt::KeyboardModifiers chord =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event.text();
    if (!text.isEmpty()) {
        // A typed character: only the ten digits.
        return chord == Qt::NoModifier && text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
    }
    // No character: the editing keys move the cursor or delete.
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
        return true;
    default:
        return chord == Qt::NoModifier && key >= Qt::Key_Escape;
    }
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    blink(true);
    m_stillness->start();
    if (!passes(*event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event)
{
    event->ignore();
}

void AnswerBox::clearUnheard()
{
    const Unheard quiet;
    clear();
}
