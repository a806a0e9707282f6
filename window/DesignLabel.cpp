#include "DesignLabel.h"

#include <algorithm>

namespace {

int widest(const QFontMetrics& metrics, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(u'\n'))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

// Below this a child can no longer read it from the back of the class.
int readableSize(int designSize)
{
    return std::min(designSize, std::max(12, designSize / 2));
}

} // namespace

DesignLabel::DesignLabel(QWidget* parent) : QLabel(parent)
{
    // Captions hold names typed by children: plain text, never markup.
    setTextFormat(Qt::PlainText);
}

void DesignLabel::setAutoSize(bool on, Growth growth)
{
    m_autoSize = on;
    m_growth = growth;
    // The design sizes were measured in the original fonts; ours differ a
    // little, so fit the caption now rather than clip it.
    if (on)
        setCaption(m_caption);
}

int DesignLabel::widthFor(const QString& text, const QFont& font)
{
    const QFont before = this->font();
    const QString shown = this->text();
    setFont(font);
    setText(displayText(text));
    const int width = sizeHint().width();
    setFont(before);
    setText(shown);
    return width;
}

void DesignLabel::place(const QRect& rect, const QFont& font, int left, int right, int lines)
{
    m_rect = rect;
    m_font = font;
    m_left = left;
    m_right = right;
    m_lines = lines;
    setFont(font);
    // QLabel keeps an empty label's size across a change of font; this
    // makes it measure again.
    setIndent(indent());
    setGeometry(rect);
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

QString DesignLabel::brokenInTwo(const QString& shown) const
{
    const QFontMetrics metrics(m_font);
    QString best = shown;
    int narrowest = INT_MAX;
    for (qsizetype at = shown.indexOf(u' '); at > 0; at = shown.indexOf(u' ', at + 1)) {
        const QString first = shown.left(at).trimmed(), second = shown.mid(at + 1).trimmed();
        if (first.isEmpty() || second.isEmpty())
            continue;
        const int wider =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (wider < narrowest) {
            narrowest = wider;
            best = first + u'\n' + second;
        }
    }
    return best;
}

void DesignLabel::fitInto(int room, QString shown)
{
    if (font() != m_font)
        setFont(m_font);
    if (sizeHint().width() <= room)
        return;
    if (m_lines > 1 && !shown.contains(u'\n')) {
        shown = brokenInTwo(shown);
        setText(shown);
        if (sizeHint().width() <= room)
            return;
    }
    const int frame = 2 * (frameWidth() + margin());
    const int designSize = m_font.pixelSize();
    const int smallest = readableSize(designSize);
    QFont smaller = m_font;
    int size = std::clamp(designSize * (room - frame) / std::max(1, widest(fontMetrics(), shown)),
                          smallest, designSize);
    // What the label asks for is what it draws: measure that.
    for (;; --size) {
        smaller.setPixelSize(size);
        setFont(smaller);
        if (size == smallest || sizeHint().width() <= room)
            break;
    }
    for (int target = room - frame; sizeHint().width() > room && target > 0;) {
        QStringList lines = shown.split(u'\n');
        for (QString& line : lines)
            line = fontMetrics().elidedText(line, Qt::ElideRight, target);
        setText(lines.join(u'\n'));
        m_shortened = true;
        target -= std::max(1, sizeHint().width() - room);
    }
}

void DesignLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    const QString shown = displayText(caption);
    if (m_inkInside) {
        const QFontMetrics metrics(m_font);
        int left = 0, right = 0;
        for (const QString& line : shown.split(u'\n')) {
            const QRect ink = metrics.tightBoundingRect(line);
            left = std::max(left, -ink.left());
            right = std::max(right, ink.right() + 1 - metrics.horizontalAdvance(line));
        }
        setContentsMargins(left, 0, right, 0);
    }
    setText(shown);
    m_shortened = false;
    if (limited()) {
        const bool fromLeft = m_autoSize && m_growth == Growth::FromLeft;
        fitInto(fromLeft ? m_right - m_rect.left() : m_right - m_left, shown);
        // A screen reader always has the whole text.
        setAccessibleName(shown);
        setToolTip(m_shortened ? shown : QString());
    }
    // Not placed yet: the layout sizes the label when it places it.
    if (m_rect.isNull())
        return;
    if (m_autoSize) {
        const QSize wanted = sizeHint();
        const int left = m_growth == Growth::AroundCentre
                             ? (2 * m_rect.x() + m_rect.width() - wanted.width()) / 2
                             : m_rect.left();
        setGeometry(left, m_rect.top(), wanted.width(), wanted.height());
    } else if (limited()) {
        // Wider than designed only when the caption needs it, around the
        // design centre, and never past the space; taller for a second line.
        const int width = std::min(std::max(m_rect.width(), sizeHint().width()), m_right - m_left);
        const int left =
            std::clamp((2 * m_rect.x() + m_rect.width() - width) / 2, m_left, m_right - width);
        setGeometry(left, m_rect.top(), width, std::max(m_rect.height(), sizeHint().height()));
    }
}
