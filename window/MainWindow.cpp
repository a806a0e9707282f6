#include "MainWindow.h"

#include "AnswerBox.h"
#include "Backdrop.h"
#include "Design.h"
#include "DesignLabel.h"
#include "PictureButton.h"
#include "Pictures.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

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
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    m_backdrop = new Backdrop(this);
    m_backdrop->setObjectName(QStringLiteral("clientArea"));
    m_backdrop->setFixedSize(design::clientSize());
    m_backdrop->setPlainColour(design::colour(design::DesignBackground));
    m_backdrop->setCursor(pictures::windowPointer());
    setCentralWidget(m_backdrop);

    buildControls();
    buildMenus();
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::prepareApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
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
                button->setIconSize(QSize(32, 32));
                applyColours(button, c, QPalette::ButtonText, QPalette::Button);
                button->setAutoFillBackground(true);
                w = button;
            }
            break;
        case design::Kind::Image: {
            auto* image = new QLabel(m_backdrop);
            image->setPixmap(pictures::pixmap(QStringLiteral("orologio"), 32));
            w = image;
            break;
        }
        }
        w->setObjectName(QLatin1String(c.name));
        if (c.face[0] != '\0')
            w->setFont(design::font(c.face, c.points, c.bold, c.italic));
        w->setGeometry(design::pixelRect(c));
        if (c.toolTip)
            w->setToolTip(QString::fromUtf16(c.toolTip));
        w->setAccessibleDescription(QString::fromUtf16(c.description));
        if (c.iconPointer)
            w->setCursor(pictures::iconPointer());
        w->setEnabled(c.enabled);
        w->setVisible(c.visible);
        if (auto* label = qobject_cast<DesignLabel*>(w)) {
            label->setCaption(caption);
            // The round's number grows both ways, never under the "+".
            label->setAutoSize(c.autoSize, label->objectName() == QLatin1String("lblNum1")
                                               ? DesignLabel::Growth::AroundCentre
                                               : DesignLabel::Growth::FromLeft);
        }
    }

    m_next = findChild<PictureButton*>(QStringLiteral("cmdNext"));
    m_exit = findChild<PictureButton*>(QStringLiteral("cmdExit"));
    m_next->setIcon(pictures::icon(QStringLiteral("avanti")));
    QIcon nextIcon = m_next->icon();
    for (int size : {16, 32, 64})
        nextIcon.addPixmap(pictures::pixmap(QStringLiteral("avanti-spento"), size),
                           QIcon::Disabled);
    m_next->setIcon(nextIcon);
    m_next->setPressedIcon(pictures::icon(QStringLiteral("avanti-premuto")));
    m_next->setAccessibleName(QStringLiteral("Nuovo calcolo"));
    m_exit->setIcon(pictures::icon(QStringLiteral("uscita")));
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
