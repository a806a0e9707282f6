#include "PictureButton.h"

#include <QKeyEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

PictureButton::PictureButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (isDown() && isEnabled() && !m_pressedIcon.isNull())
        option.icon = m_pressedIcon;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
