#pragma once

#include <QLabel>

// A label that keeps its caption exactly as written (line ends included) and,
// when auto-sized, takes the size of its caption.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    enum class Growth { FromLeft, AroundCentre };

    explicit DesignLabel(QWidget* parent = nullptr);

    // Call after the design geometry and caption are set: the label fits its
    // caption at once; growth around the centre keeps the design centre.
    void setAutoSize(bool on, Growth growth = Growth::FromLeft);
    bool autoSize() const { return m_autoSize; }

    // The caption exactly as set; what is drawn shows CR LF as a line break.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // What the label draws for a caption: line ends become line breaks, other
    // control characters are left out.
    static QString displayText(const QString& caption);

private:
    QString m_caption;
    bool m_autoSize = false;
    Growth m_growth = Growth::FromLeft;
    int m_doubleCentre = 0; // twice the design centre's x, to stay whole
};
