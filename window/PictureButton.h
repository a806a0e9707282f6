#pragma once

#include <QIcon>
#include <QToolButton>

// A button with its picture centred above its caption, as on the platform the
// game comes from: Enter and Space press it while it has the focus.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // The picture shown while the button is held down.
    void setPressedIcon(const QIcon& icon) { m_pressedIcon = icon; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_pressedIcon;
};
