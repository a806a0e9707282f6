#include "MainWindow.h"

#include "Announcer.h"
#include "AnswerBox.h"
#include "Backdrop.h"
#include "Design.h"
#include "DesignLabel.h"
#include "Keypad.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "SceneLayout.h"
#include "Unheard.h"

#include <QEvent>
#include <QInputDevice>
#include <QMenuBar>
#include <QPixmapCache>
#include <QScreen>
#include <QTimer>
#include <malloc.h>

namespace {

bool touchScreenPresent()
{
    for (const QInputDevice* device : QInputDevice::devices()) {
        if (device->type() == QInputDevice::DeviceType::TouchScreen)
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(const GameOptions& options, QWidget* parent)
    : QMainWindow(parent), m_options(options)
{
    const Unheard quiet;
    setObjectName(QStringLiteral("Tavola"));
    setWindowTitle(design::windowCaption(m_options.game.upTo));
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

bool MainWindow::keypadWanted() const
{
    return m_options.keypad.value_or(touchScreenPresent());
}

int MainWindow::minimumKeySide() const
{
    if (m_options.minimumKeySide)
        return *m_options.minimumKeySide;
    const QScreen* screen = this->screen();
    return screen ? SceneLayout::minimumKeySide(screen->physicalSize(), screen->geometry().size())
                  : SceneLayout::minimumKeySide({}, {});
}

void MainWindow::toggleKeypad()
{
    m_options.keypad = !keypadWanted();
    layoutScene();
}

DesignLabel* MainWindow::label(const char* name) const
{
    return findChild<DesignLabel*>(QLatin1String(name));
}

void MainWindow::showPlayer(const QString& name)
{
    label("lblnome1")->setCaption(name);
}

void MainWindow::showRecord(const QString& score, const QString& holder, const QString& note)
{
    DesignLabel* points = label("lblpunti");
    points->setCaption(score);
    label("lblnome")->setCaption(holder);
    // Quietly: the child sees the record, a screen reader hears where it is from.
    const QVariant own = points->property("ownDescription");
    if (!own.isValid())
        points->setProperty("ownDescription", points->accessibleDescription());
    const QString described = points->property("ownDescription").toString();
    points->setToolTip(note);
    points->setAccessibleDescription(note.isEmpty() ? described : described + u' ' + note);
}

MainWindow::~MainWindow()
{
    QPixmapCache::clear();
    // Once the event loop is back: a window that takes this one's place is
    // built and painted by then.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { malloc_trim(0); });
}

QString MainWindow::holderShown() const
{
    return DesignLabel::displayText(label("lblnome")->caption());
}

void MainWindow::showTimeLeft(const QString& text)
{
    label("lblconto")->setCaption(text);
}

void MainWindow::showRound(int tint, const QString& number, const QString& spoken)
{
    m_answer->clearUnheard();
    label("lblMessage")->setCaption(QString());
    label("lblNum1")->setCaption(number);
    // Said as the focus comes to the answer box, which happens as the next
    // button is disabled: the sum must be there before.
    m_answer->setAccessibleDescription(spoken);
    m_next->setEnabled(false);
    m_backdrop->paintRamp(tint);
    m_answer->setFocus(Qt::OtherFocusReason);
}

QString MainWindow::answer() const
{
    return m_answer->text();
}

void MainWindow::showVerdict(const Verdict& verdict)
{
    label("lblMessage")->setCaption(verdict.message);
    if (verdict.wrong) {
        m_backdrop->setPlainColour(Qt::black);
        label("lblScore1")->setCaption(verdict.wrongs);
    }
    label("lblScore")->setCaption(verdict.right);
    label("lblScore2")->setCaption(verdict.total);
    // A child who cannot see the screen hears the verdict and the counters
    // as the focus comes to the next button.
    m_next->setAccessibleDescription(verdict.message + u' ' + verdict.spoken);
    m_next->setEnabled(true);
    m_next->setFocus(Qt::OtherFocusReason);
}

void MainWindow::say(const QString& text)
{
    m_announcer->say(text);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        setWindowTitle(design::MinimisedCaption);
    QMainWindow::changeEvent(event);
}
