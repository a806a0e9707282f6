#pragma once

#include "Design.h"

#include <QLabel>
#include <climits>

// A label that keeps its caption exactly as written (line ends included) and,
// when auto-sized, takes the size of its caption. Given a space to stay in,
// a caption too wide for it first widens the label, then shrinks its font
// just enough, and only below a readable size is it elided.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    using Growth = design::Growth;

    explicit DesignLabel(QWidget* parent = nullptr);

    void setAutoSize(bool on, Growth growth = Growth::FromLeft);
    bool autoSize() const { return m_autoSize; }

    // Where the design puts the label at the scene's zoom, and in which font;
    // the caption is fitted again at once. A caption may take the space from
    // left to right (in the parent's pixels) and no more; with two lines, a
    // caption too wide for one is broken at a blank before it shrinks.
    void place(const QRect& rect, const QFont& font, int left = INT_MIN, int right = INT_MAX,
               int lines = 1);

    // Whether letters that stand out of their advance (an Arabic alef, an
    // italic "f") get room inside the label, so that none is cut.
    void setInkInside(bool on) { m_inkInside = on; }

    // How wide the label would be with this text in this font, frame included.
    int widthFor(const QString& text, const QFont& font);

    // The caption exactly as set; what is drawn shows CR LF as a line break.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Whether the caption is drawn elided; its whole text is then the tooltip.
    bool shortened() const { return m_shortened; }

    // What the label draws for a caption: line ends become line breaks, other
    // control characters are left out.
    static QString displayText(const QString& caption);

private:
    bool limited() const { return m_right != INT_MAX; }
    void fitInto(int room, QString shown);
    // The caption on two lines, broken at the blank that keeps the wider
    // line narrowest; unchanged when it has no blank.
    QString brokenInTwo(const QString& shown) const;

    QString m_caption;
    bool m_autoSize = false;
    Growth m_growth = Growth::FromLeft;
    bool m_shortened = false;
    QRect m_rect;
    QFont m_font;
    int m_left = INT_MIN;
    int m_right = INT_MAX;
    int m_lines = 1;
    bool m_inkInside = false;
};
