#include "DesignLabel.h"

DesignLabel::DesignLabel(QWidget* parent) : QLabel(parent)
{
    // Captions hold names typed by children: plain text, never markup.
    setTextFormat(Qt::PlainText);
}

void DesignLabel::setAutoSize(bool on, Growth growth)
{
    m_autoSize = on;
    m_growth = growth;
    m_doubleCentre = 2 * x() + width();
    // The design sizes were measured in the original fonts; ours differ a
    // little, so fit the caption now rather than clip it.
    if (on)
        setCaption(m_caption);
}

QString DesignLabel::displayText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == u'\r') {
            shown += u'\n';
            if (i + 1 < caption.size() && caption[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n' || c == u'\t' || c.category() != QChar::Other_Control) {
            shown += c;
        }
    }
    return shown;
}

void DesignLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    setText(displayText(caption));
    if (!m_autoSize)
        return;
    const QRect before = geometry();
    const QSize wanted = sizeHint();
    const int left =
        m_growth == Growth::AroundCentre ? (m_doubleCentre - wanted.width()) / 2 : before.left();
    setGeometry(left, before.top(), wanted.width(), wanted.height());
}
