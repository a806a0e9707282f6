#include "QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSoundEffect>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

quint32 clockSeed()
{
    return quint32(QDateTime::currentMSecsSinceEpoch());
}

// A box takes the activation and the focus away from the main window; without
// a window manager nobody gives them back, and typing would go nowhere.
class FocusKeeper {
public:
    FocusKeeper() : m_window(QApplication::activeWindow()), m_focus(QApplication::focusWidget()) {}
    ~FocusKeeper()
    {
        if (m_window) {
            m_window->activateWindow();
            QApplication::setActiveWindow(m_window);
        }
        if (m_focus)
            m_focus->setFocus(Qt::OtherFocusReason);
    }
    QWidget* parent() const { return m_window; }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

// A word too long for any screen (a name of sixty letters without a blank, a
// long path) may break between any two letters, so that a box shows it whole
// on more lines rather than cut at its edge; a zero-width space marks where,
// unseen and unspoken. Shorter words break only at blanks, as ever.
QString breakable(const QString& text)
{
    constexpr qsizetype LongWord = 16;
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].isSpace()) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const QString word = text.mid(i, end - i);
        i = end;
        if (word.size() <= LongWord) {
            out += word;
            continue;
        }
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word);
        qsizetype from = 0;
        for (qsizetype to = letters.toNextBoundary(); to > 0; to = letters.toNextBoundary()) {
            if (from > 0)
                out += QChar(0x200B);
            out += word.mid(from, to - from);
            from = to;
        }
    }
    return out;
}

} // namespace

QtPlatform::QtPlatform() : m_random(clockSeed()) {}

QtPlatform::~QtPlatform() = default;

int QtPlatform::messageBox(const QString& prompt, int buttons, const QString& title,
                           const QString& spoken)
{
    FocusKeeper keeper;
    QMessageBox box(keeper.parent());
    box.setAccessibleDescription(spoken);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    // Names come from the keyboard: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(breakable(prompt));
    // A screen reader reads the text as typed: unseen breaks would have it
    // spell a long name letter by letter.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(prompt);
    if (buttons == YesNoQuestionDefaultNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtPlatform", "&Sì"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtPlatform", "&No"));
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    // Qt has no catalogue of its own for every language the game speaks.
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("QtPlatform", "OK"));
    box.exec();
    return AnswerOk;
}

int QtPlatform::choose(const QString& prompt, const QStringList& choices)
{
    FocusKeeper keeper;
    QMessageBox box(keeper.parent());
    box.setWindowTitle(applicationTitle());
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::Question);
    box.setText(prompt);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

QString QtPlatform::inputBox(const QString& prompt, const QStringList& choices)
{
    FocusKeeper keeper;
    QInputDialog dialog(keeper.parent());
    dialog.setWindowTitle(applicationTitle());
    dialog.setLabelText(prompt);
    if (!choices.isEmpty()) {
        dialog.setComboBoxItems(choices);
        dialog.setComboBoxEditable(true);
        // Enter on an untouched box must not play as the list's first child,
        // and the first Down picks the first name, not the second.
        if (auto* box = dialog.findChild<QComboBox*>()) {
            box->setCurrentIndex(-1);
            box->setEditText(QString());
        }
    }
    dialog.setOkButtonText(QCoreApplication::translate("QtPlatform", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtPlatform", "Annulla"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

double QtPlatform::random()
{
    return m_random.generateDouble();
}

void QtPlatform::reseed()
{
    m_random.seed(clockSeed());
}

namespace {
// Installed with the package beside the program; systemd starts it on the
// first connection to its socket.
const QString ServiceName = QStringLiteral("corvalesta-record");

bool sharedFolderInstalled(const QString& program)
{
    return QtPlatform::packaged(program) &&
           QFileInfo(QStringLiteral(CORVALESTA_SHARED_DIR)).isDir() &&
           QFileInfo(program + u'/' + ServiceName).isExecutable();
}
} // namespace

bool QtPlatform::packaged(const QString& programFolder)
{
    return QDir::cleanPath(programFolder) == QStringLiteral(CORVALESTA_PACKAGE_DIR);
}

QString QtPlatform::recordService()
{
    return sharedFolderInstalled(programFolder()) ? QStringLiteral(CORVALESTA_RECORD_SOCKET)
                                                  : QString();
}

QString QtPlatform::recordDirectory()
{
    // The computer's record, where the package has installed it; else each
    // account keeps its own.
    if (sharedFolderInstalled(programFolder()))
        return QStringLiteral(CORVALESTA_SHARED_DIR);
    return accountDirectory();
}

QString QtPlatform::accountDirectory()
{
    // The same folder wherever the game is started from: a relative
    // XDG_DATA_HOME is ignored, as the XDG rules say, and so is a relative HOME.
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome + QStringLiteral("/corvalesta"));
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        const passwd* entry = getpwuid(getuid());
        home = entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
        if (!QDir::isAbsolutePath(home))
            return QString();
    }
    return QDir::cleanPath(home + QStringLiteral("/.local/share/corvalesta"));
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QSoundEffect* QtPlatform::effect(const QString& path)
{
    auto it = m_effects.find(path);
    if (it != m_effects.end())
        return it.value();
    auto* sound = new QSoundEffect(qApp);
    sound->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(path, sound);
    return sound;
}

void QtPlatform::preloadWave(const QString& path)
{
    effect(path);
}

void QtPlatform::playWave(const QString& path)
{
    QSoundEffect* wanted = effect(path);
    for (QSoundEffect* other : std::as_const(m_effects)) {
        if (other != wanted && other->isPlaying())
            other->stop();
    }
    // A missing or broken file ends in the Error status and stays silent.
    if (wanted->status() == QSoundEffect::Error)
        return;
    wanted->stop();
    wanted->play();
}

void QtPlatform::endProgram(int status)
{
    // Stop at once: no further handler may run, not even in an open box.
    std::fflush(nullptr);
    std::_Exit(status);
}
