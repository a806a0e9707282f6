// The window on its screen: its first size, the scene zoomed into the client
// area beside the keypad, full screen, colours that stay visible on black.
#include "MainWindow.h"

#include "Backdrop.h"
#include "Contrast.h"
#include "Design.h"
#include "DesignLabel.h"
#include "Keypad.h"
#include "Pictures.h"
#include "SceneLayout.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>

void MainWindow::prepareApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // On a 4K screen the sum's figures reach 465 pixels. Qt keeps glyphs up to
    // 64 pixels as images and draws larger ones from their outlines at every
    // paint: there, let it keep the scene's glyphs too. Smaller screens draw
    // exactly as before. Qt reads this once, at the first text it draws.
    int widest = 0;
    for (const QScreen* screen : QGuiApplication::screens())
        widest = std::max(widest, int(screen->geometry().width() * screen->devicePixelRatio()));
    if (widest >= 2560 && !qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "512");
}

QSize MainWindow::startSize(const QRect& available, const QMargins& frame) const
{
    const QSize room = available.size().shrunkBy(frame);
    // A narrower window may wrap the menu bar onto another line: try again
    // with the taller bar until it fits.
    int menu = menuBar()->heightForWidth(design::clientSize().width());
    for (;;) {
        const double zoom = std::min(1.0, design::zoomToFit(room - QSize(0, std::max(0, menu))));
        const QSize client = design::clientSize(zoom);
        const int needed = menuBar()->heightForWidth(client.width());
        if (needed <= menu || zoom <= 0.25)
            return QSize(client.width(), client.height() + needed);
        menu = needed;
    }
}

void MainWindow::fitToScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Before the first showing the window manager has not framed the window
    // yet: allow for a usual title bar and border.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() && !QGuiApplication::platformName().startsWith(QLatin1String("offscreen")))
        frame = QMargins(4, 32, 4, 4);
    resize(startSize(available, frame));
    const QSize outer = size().grownBy(frame);
    // Wholly on the screen, the record line included.
    QPoint corner = geometry().topLeft() - QPoint(frame.left(), frame.top());
    corner.setX(std::clamp(corner.x(), available.left(),
                           std::max(available.left(), available.right() + 1 - outer.width())));
    corner.setY(std::clamp(corner.y(), available.top(),
                           std::max(available.top(), available.bottom() + 1 - outer.height())));
    move(corner);
}

void MainWindow::layoutScene()
{
    const bool withKeypad = keypadWanted();
    const SceneLayout layout =
        SceneLayout::compute(m_backdrop->size(), withKeypad, minimumKeySide());
    if (layout.zoom != m_zoom || layout.origin != m_origin) {
        m_zoom = layout.zoom;
        m_origin = layout.origin;
        m_backdrop->setCursor(pictures::windowPointer(m_zoom));
        for (const Placed& placed : m_placed)
            placeControl(placed);
    }
    m_keypad->setVisible(withKeypad);
    if (withKeypad) {
        m_keypad->fit(layout.keySide, layout.gap);
        m_keypad->move(layout.keypad.topLeft());
    }
}

QRect MainWindow::designRect(const char* name) const
{
    for (const Placed& placed : m_placed) {
        if (qstrcmp(placed.design->name, name) == 0)
            return design::pixelRect(*placed.design, m_zoom).translated(m_origin);
    }
    return QRect();
}

void MainWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        if (m_maximisedBeforeFullScreen)
            showMaximized();
        else
            showNormal();
    } else {
        m_maximisedBeforeFullScreen = isMaximized();
        showFullScreen();
    }
}

void MainWindow::fitColoursToBackdrop()
{
    for (const Placed& placed : m_placed) {
        auto* label = qobject_cast<DesignLabel*>(placed.widget);
        if (!label || placed.design->foreground == design::NoColour)
            continue;
        QColor colour = placed.colour;
        // The ramp keeps the design's colours; only a plain backdrop, the
        // black after a wrong answer, changes what cannot be seen on it.
        if (!m_backdrop->showsRamp() && !placed.design->opaque)
            colour = contrast::visible(colour, m_backdrop->plainColour());
        QPalette palette = label->palette();
        if (palette.color(QPalette::WindowText) != colour) {
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_backdrop && event->type() == QEvent::Resize && m_keypad)
        layoutScene();
    return QMainWindow::eventFilter(watched, event);
}
