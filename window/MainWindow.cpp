#include "MainWindow.h"

#include "Announcer.h"
#include "AnswerBox.h"
#include "Backdrop.h"
#include "Contrast.h"
#include "Design.h"
#include "DesignLabel.h"
#include "Keypad.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "SceneLayout.h"

#include <QApplication>
#include <QEvent>
#include <QInputDevice>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Set by --tastierino or F9; otherwise the keypad follows the touch screen.
std::optional<bool> keypadChoice;
std::optional<int> keySideChoice;

bool touchScreenPresent()
{
    for (const QInputDevice* device : QInputDevice::devices()) {
        if (device->type() == QInputDevice::DeviceType::TouchScreen)
            return true;
    }
    return false;
}

// Room kept between a caption that grows and the scene's edge, in twips.
constexpr int EdgeMargin = 120;

void applyColours(QWidget* w, const design::Control& c, QPalette::ColorRole front,
                  QPalette::ColorRole back)
{
    QPalette palette = w->palette();
    if (c.foreground == design::ButtonTextColour)
        palette.setColor(front, palette.color(QPalette::ButtonText));
    else if (c.foreground != design::NoColour)
        palette.setColor(front, design::colour(c.foreground));
    if (c.background != design::NoColour)
        palette.setColor(back, design::colour(c.background));
    w->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Tavola"));
    setWindowTitle(design::WindowCaption);
    setWindowIcon(pictures::icon(QStringLiteral("corvalesta")));

    m_backdrop = new Backdrop(this);
    m_backdrop->setObjectName(QStringLiteral("clientArea"));
    m_backdrop->setPlainColour(design::colour(design::DesignBackground));
    m_backdrop->installEventFilter(this);
    setCentralWidget(m_backdrop);

    buildControls();
    buildMenus();
    setTabOrder();
    m_keypad = new Keypad(m_backdrop);
    m_keypad->hide();
    m_announcer = new Announcer(m_backdrop);
    connect(m_backdrop, &Backdrop::changed, this, &MainWindow::fitColoursToBackdrop);

    // Any screen: the scene zooms with the window, down to a quarter.
    m_backdrop->setMinimumSize(design::clientSize(0.25));
    const QSize client = design::clientSize();
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));
    // The layout sizes the client area only when the window is shown; the
    // scene stands as designed from the start.
    m_backdrop->resize(client);
    layoutScene();
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

void MainWindow::buildControls()
{
    for (const design::Control& c : design::controls()) {
        QWidget* w = nullptr;
        const QString caption = QString::fromUtf16(c.caption);
        switch (c.kind) {
        case design::Kind::Label: {
            auto* label = new DesignLabel(m_backdrop);
            applyColours(label, c, QPalette::WindowText, QPalette::Window);
            label->setAutoFillBackground(c.opaque);
            if (c.bordered) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            // No indent: a framed label would otherwise add one on its
            // aligned sides, and the counters would grow taller than designed.
            label->setIndent(0);
            label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            w = label;
            break;
        }
        case design::Kind::TextBox:
            m_answer = new AnswerBox(m_backdrop);
            applyColours(m_answer, c, QPalette::Text, QPalette::Base);
            m_answer->setAccessibleName(QStringLiteral("Risposta"));
            connect(m_answer, &AnswerBox::enterPressed, this, &MainWindow::answerEntered);
            w = m_answer;
            break;
        case design::Kind::Button:
            if (caption == QLatin1String("Command1")) {
                m_command1 = new QPushButton(caption, m_backdrop);
                m_command1->setAutoDefault(false);
                m_command1->setAccessibleName(caption);
                w = m_command1;
            } else {
                auto* button = new PictureButton(m_backdrop);
                button->setText(caption);
                button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
                applyColours(button, c, QPalette::ButtonText, QPalette::Button);
                button->setAutoFillBackground(true);
                w = button;
            }
            break;
        case design::Kind::Image: {
            w = new QLabel(m_backdrop);
            break;
        }
        }
        w->setObjectName(QLatin1String(c.name));
        if (c.toolTip)
            w->setToolTip(QString::fromUtf16(c.toolTip));
        w->setAccessibleDescription(QString::fromUtf16(c.description));
        w->setEnabled(c.enabled);
        w->setVisible(c.visible);
        if (auto* label = qobject_cast<DesignLabel*>(w)) {
            label->setCaption(caption);
            // The round's number grows both ways, never under the "+".
            label->setAutoSize(c.autoSize, label->objectName() == QLatin1String("lblNum1")
                                               ? DesignLabel::Growth::AroundCentre
                                               : DesignLabel::Growth::FromLeft);
        }
        m_placed.push_back({w, &c, w->palette().color(QPalette::WindowText)});
    }

    m_next = findChild<PictureButton*>(QStringLiteral("cmdNext"));
    m_exit = findChild<PictureButton*>(QStringLiteral("cmdExit"));
    m_next->setAccessibleName(QStringLiteral("Nuovo calcolo"));
    m_exit->setAccessibleName(QStringLiteral("Esci"));
    // Command1 lies inside cmdNext; the child must see the next button whole.
    m_next->raise();

    connect(m_next, &QAbstractButton::clicked, this, &MainWindow::nextRequested);
    connect(m_exit, &QAbstractButton::clicked, this, &MainWindow::exitRequested);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [this](const char* name, const QString& text) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* credits = bar->addMenu(QStringLiteral("Realizzato dalle maestre e dai maestri"));
    credits->setObjectName(QStringLiteral("Ciao"));
    credits->addAction(item("wp", QStringLiteral("www.scuola-girasole.example.org")));
    credits->addAction(item("v", QStringLiteral("Scuola Primaria Girasole")));
    bar->addAction(item("a", QStringLiteral("maestri@scuola-girasole.example.org")));
    m_newContest = item("Next", QStringLiteral("nuovo"));
    bar->addAction(m_newContest);
    bar->addAction(item("agli", QStringLiteral("Per le bambine e i bambini della quinta")));
    connect(m_newContest, &QAction::triggered, this, &MainWindow::newContestRequested);

    // Not on the menu bar: F11 works from every control, the answer box too.
    m_fullScreen = new QAction(QStringLiteral("Schermo intero"), this);
    m_fullScreen->setObjectName(QStringLiteral("fullScreen"));
    m_fullScreen->setShortcut(Qt::Key_F11);
    m_fullScreen->setShortcutContext(Qt::WindowShortcut);
    addAction(m_fullScreen);
    connect(m_fullScreen, &QAction::triggered, this, &MainWindow::toggleFullScreen);

    const auto key = [this](const char* name, const QString& text, Qt::Key shortcut) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    connect(key("tastierino", QStringLiteral("Tastierino"), Qt::Key_F9), &QAction::triggered, this,
            &MainWindow::toggleKeypad);
    connect(key("tempoRecord", QStringLiteral("Tempo e record"), Qt::Key_F2), &QAction::triggered,
            this, &MainWindow::timeAndRecordRequested);
}

bool MainWindow::keypadWanted()
{
    return keypadChoice.value_or(touchScreenPresent());
}

void MainWindow::setKeypadWanted(bool on)
{
    keypadChoice = on;
}

int MainWindow::minimumKeySide() const
{
    if (keySideChoice)
        return *keySideChoice;
    const QScreen* screen = this->screen();
    return screen ? SceneLayout::minimumKeySide(screen->physicalSize(), screen->geometry().size())
                  : SceneLayout::minimumKeySide({}, {});
}

void MainWindow::setMinimumKeySide(int side)
{
    keySideChoice = side;
}

void MainWindow::toggleKeypad()
{
    setKeypadWanted(!keypadWanted());
    layoutScene();
}

void MainWindow::announce(const QString& text)
{
    m_announcer->say(text);
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_backdrop && event->type() == QEvent::Resize && m_keypad)
        layoutScene();
    return QMainWindow::eventFilter(watched, event);
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

void MainWindow::placeControl(const Placed& placed)
{
    const design::Control& c = *placed.design;
    QWidget* w = placed.widget;
    const QRect rect = design::pixelRect(c, m_zoom).translated(m_origin);
    QFont font = QApplication::font();
    if (c.face[0] != '\0')
        font = design::font(c.face, c.points, c.bold, c.italic, m_zoom);
    else
        font.setPointSizeF(font.pointSizeF() * m_zoom);
    const int picture = std::max(1, int(std::lround(32 * m_zoom)));
    if (c.iconPointer)
        w->setCursor(pictures::iconPointer(m_zoom));
    if (auto* label = qobject_cast<DesignLabel*>(w)) {
        label->setLineWidth(std::max(1, int(std::lround(m_zoom))));
        const QString name = label->objectName();
        // Names and praise of any length stay whole on screen, and never
        // run under another control or off the scene: the praise has the
        // width between the clock and the scene's edge, and two lines.
        const int sceneRight =
            m_origin.x() + design::clientSize(m_zoom).width() - design::pixels(EdgeMargin, m_zoom);
        if (name == QLatin1String("lblMessage"))
            label->place(rect, font,
                         std::min(rect.left(), designRect("lblconto").right() + 1 +
                                                   design::pixels(EdgeMargin, m_zoom)),
                         sceneRight, 2);
        else if (name == QLatin1String("lblnome"))
            label->place(rect, font, rect.left(), designRect("Label13").left());
        else if (name == QLatin1String("lblnome1"))
            label->place(rect, font, rect.left(), sceneRight);
        else
            label->place(rect, font);
        return;
    }
    w->setFont(font);
    w->setGeometry(rect);
    if (w == m_next) {
        QIcon icon = pictures::icon(QStringLiteral("avanti"), picture);
        for (int size : {16, 32, 64, picture})
            icon.addPixmap(pictures::pixmap(QStringLiteral("avanti-spento"), size),
                           QIcon::Disabled);
        m_next->setIcon(icon);
        m_next->setPressedIcon(pictures::icon(QStringLiteral("avanti-premuto"), picture));
    } else if (w == m_exit) {
        m_exit->setIcon(pictures::icon(QStringLiteral("uscita"), picture));
    } else if (auto* image = qobject_cast<QLabel*>(w)) {
        image->setPixmap(pictures::pixmap(QStringLiteral("orologio"), picture));
    }
    if (auto* button = qobject_cast<PictureButton*>(w))
        button->setIconSize(QSize(picture, picture));
}

void MainWindow::setTabOrder()
{
    // The only controls that take the focus, in the design's tab order.
    QWidget::setTabOrder(m_exit, m_next);
    QWidget::setTabOrder(m_next, m_answer);
    QWidget::setTabOrder(m_answer, m_command1);
}

DesignLabel* MainWindow::label(const QString& name) const
{
    return findChild<DesignLabel*>(name);
}

QString MainWindow::caption(const QString& labelName) const
{
    return label(labelName)->caption();
}

void MainWindow::setCaption(const QString& labelName, const QString& text)
{
    label(labelName)->setCaption(text);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        setWindowTitle(design::MinimisedCaption);
    QMainWindow::changeEvent(event);
}
