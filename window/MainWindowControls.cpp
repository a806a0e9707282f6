// The window's controls, menus and tab order as designed, and each control
// placed and drawn at the scene's zoom.
#include "MainWindow.h"
#include "Settings.h"

#include "AnswerBox.h"
#include "Backdrop.h"
#include "Design.h"
#include "DesignLabel.h"
#include "PictureButton.h"
#include "Pictures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// Room kept between a caption that grows and the scene's edge, in twips.
constexpr int EdgeMargin = 120;

// How many lines of this font the designed height holds.
int linesIn(const QRect& rect, const QFont& font)
{
    return std::max(1, rect.height() / QFontMetrics(font).lineSpacing());
}

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

QWidget* MainWindow::makeControl(const design::Control& c)
{
    const QString caption = design::text(c.caption);
    switch (c.kind) {
    case design::Kind::Label: {
        auto* label = new DesignLabel(m_backdrop);
        applyColours(label, c, QPalette::WindowText, QPalette::Window);
        label->setAutoFillBackground(c.opaque);
        if (c.bordered) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        // No indent: a framed label would otherwise add one on its aligned
        // sides, and the counters would grow taller than designed.
        label->setIndent(0);
        label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }
    case design::Kind::TextBox:
        m_answer = new AnswerBox(m_backdrop);
        // The highest answer's digits, and not one more.
        m_answer->setMaxLength(settings::digits(m_options.game.upTo));
        applyColours(m_answer, c, QPalette::Text, QPalette::Base);
        m_answer->setAccessibleName(tr("Risposta"));
        connect(m_answer, &AnswerBox::enterPressed, this, &MainWindow::answerEntered);
        return m_answer;
    case design::Kind::Button:
        if (!c.picture) {
            m_command1 = new QPushButton(caption, m_backdrop);
            m_command1->setAutoDefault(false);
            m_command1->setAccessibleName(caption);
            return m_command1;
        } else {
            auto* button = new PictureButton(m_backdrop);
            button->setText(caption);
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            applyColours(button, c, QPalette::ButtonText, QPalette::Button);
            button->setAutoFillBackground(true);
            return button;
        }
    case design::Kind::Image:
        break;
    }
    return new QLabel(m_backdrop);
}

void MainWindow::buildControls()
{
    for (const design::Control& c : design::controls()) {
        QWidget* w = makeControl(c);
        w->setObjectName(QLatin1String(c.name));
        if (c.toolTip)
            w->setToolTip(design::text(c.toolTip));
        w->setAccessibleDescription(design::text(c.description));
        w->setEnabled(c.enabled);
        w->setVisible(c.visible);
        if (auto* label = qobject_cast<DesignLabel*>(w)) {
            label->setCaption(design::text(c.caption));
            label->setAutoSize(c.autoSize, c.growth);
        }
        m_placed.push_back({w, &c, w->palette().color(QPalette::WindowText)});
    }

    m_next = findChild<PictureButton*>(QStringLiteral("cmdNext"));
    m_exit = findChild<PictureButton*>(QStringLiteral("cmdExit"));
    m_next->setAccessibleName(tr("Nuovo calcolo"));
    m_exit->setAccessibleName(tr("Esci"));
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
    QMenu* credits = bar->addMenu(tr("Realizzato dalle maestre e dai maestri"));
    credits->setObjectName(QStringLiteral("Ciao"));
    credits->addAction(item("wp", QStringLiteral("www.scuola-girasole.example.org")));
    credits->addAction(item("v", tr("Scuola Primaria Girasole")));
    bar->addAction(item("a", QStringLiteral("maestri@scuola-girasole.example.org")));
    m_newContest = item("Next", tr("nuovo"));
    bar->addAction(m_newContest);
    bar->addAction(item("agli", tr("Per le bambine e i bambini della quinta")));
    connect(m_newContest, &QAction::triggered, this, &MainWindow::newContestRequested);

    // Not on the menu bar: F11 works from every control, the answer box too.
    m_fullScreen = new QAction(tr("Schermo intero"), this);
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
    connect(key("tastierino", tr("Tastierino"), Qt::Key_F9), &QAction::triggered, this,
            &MainWindow::toggleKeypad);
    connect(key("tempoRecord", tr("Tempo e record"), Qt::Key_F2), &QAction::triggered, this,
            &MainWindow::timeAndRecordRequested);
}

void MainWindow::setTabOrder()
{
    // The only controls that take the focus, in the design's tab order.
    QWidget::setTabOrder(m_exit, m_next);
    QWidget::setTabOrder(m_next, m_answer);
    QWidget::setTabOrder(m_answer, m_command1);
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
    if (c.iconPointer)
        w->setCursor(pictures::iconPointer(m_zoom));
    if (auto* label = qobject_cast<DesignLabel*>(w)) {
        label->setLineWidth(std::max(1, int(std::lround(m_zoom))));
        if (!c.room.any()) {
            // A title in another language has the room the design's own
            // takes, no more, and fits it as names do: nothing it could run
            // into is nearer. The design's own is placed as designed.
            const QString own = QString::fromUtf8(c.caption);
            const bool words =
                std::any_of(own.begin(), own.end(), [](QChar ch) { return ch.isLetter(); });
            if (!words || design::text(c.caption) == own) {
                label->place(rect, font);
                return;
            }
            const int width = label->widthFor(own, font);
            // Where it grows from: its left edge, or its centre.
            const bool around = c.autoSize ? c.growth == design::Growth::AroundCentre : c.centred;
            const int left = around ? rect.center().x() + 1 - width / 2 : rect.left();
            label->setInkInside(true);
            label->place(rect, font, left, left + width, linesIn(rect, font));
            return;
        }
        // Names and praise of any length stay whole on screen, and never
        // run under another control or off the scene.
        const int margin = design::pixels(EdgeMargin, m_zoom);
        const int left = c.room.after
                             ? std::min(rect.left(), designRect(c.room.after).right() + 1 + margin)
                             : rect.left();
        const int right = c.room.before
                              ? designRect(c.room.before).left()
                              : m_origin.x() + design::clientSize(m_zoom).width() - margin;
        label->place(rect, font, left, right, c.room.lines);
        return;
    }
    w->setFont(font);
    w->setGeometry(rect);
    if (c.picture)
        showPicture(w, c);
}

void MainWindow::showPicture(QWidget* w, const design::Control& c)
{
    const int picture = std::max(1, int(std::lround(32 * m_zoom)));
    const QString name = QLatin1String(c.picture);
    if (auto* image = qobject_cast<QLabel*>(w)) {
        image->setPixmap(pictures::pixmap(name, picture));
        return;
    }
    auto* button = qobject_cast<PictureButton*>(w);
    QIcon icon = pictures::icon(name, picture);
    if (c.pictureDisabled) {
        for (int size : {16, 32, 64, picture})
            icon.addPixmap(pictures::pixmap(QLatin1String(c.pictureDisabled), size),
                           QIcon::Disabled);
    }
    button->setIcon(icon);
    if (c.picturePressed)
        button->setPressedIcon(pictures::icon(QLatin1String(c.picturePressed), picture));
    button->setIconSize(QSize(picture, picture));
}
