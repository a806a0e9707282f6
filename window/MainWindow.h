#pragma once

#include "GameOptions.h"

#include <QColor>
#include <QMainWindow>
#include <vector>

namespace design {
struct Control;
}

class Announcer;
class AnswerBox;
class Backdrop;
class DesignLabel;
class Keypad;
class PictureButton;
class QAction;
class QLabel;
class QPushButton;

// The window "Tavola" built from its design: it shows what the game tells it
// and reports what the child does. It keeps no game state; the design's
// control names stay inside it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Built quietly: a screen reader presenting a box meanwhile is not told
    // of every control made.
    explicit MainWindow(const GameOptions& options = {}, QWidget* parent = nullptr);
    // Hands back what the window kept: the style's pictures of its buttons,
    // keyed on palettes that die with it, and then the memory itself, or a
    // day of new contests would leave the game larger than it needs to be.
    ~MainWindow() override;

    // The look the design needs: Fusion honours the buttons' face colours.
    static void prepareApplication();

    // The window's size when shown on a screen with this free area (panels
    // left out) and window frame: the design size when it fits, else the
    // largest smaller zoom that does.
    QSize startSize(const QRect& available, const QMargins& frame) const;
    // Sized and placed for its screen before it is first shown.
    void fitToScreen();

    // Whether the touch keypad stands beside the scene: as the options say,
    // else when Qt lists a touch screen; F9 turns it on or off.
    bool keypadWanted() const;
    // The options as they stand, F9 included: a later contest's window
    // starts from them.
    const GameOptions& options() const { return m_options; }
    // The smallest key a finger hits on this window's screen (SceneLayout),
    // unless the options choose one.
    int minimumKeySide() const;

    // What the game shows, in its words.
    void showPlayer(const QString& name);
    // The record as its two files hold it, line ends and all.
    // The note says where the record comes from, for a screen reader and a
    // tooltip only.
    void showRecord(const QString& score, const QString& holder, const QString& note = {});
    // The record's holder as the window draws it (DesignLabel::displayText).
    QString holderShown() const;
    void showTimeLeft(const QString& text);
    // A new round: the backdrop's tint, the number, and what a screen reader
    // says as the focus comes to the empty answer box.
    void showRound(int tint, const QString& number, const QString& spoken);
    QString answer() const;
    struct Verdict {
        QString message; // the praise, or the right answer
        bool wrong = false;
        QString right, wrongs, total; // the counters as shown
        QString spoken;               // said with the message
    };
    // The verdict and the counters; a wrong answer blackens the window. The
    // next button then has the focus.
    void showVerdict(const Verdict& verdict);
    // Says this to a screen reader, whatever has the focus.
    void say(const QString& text);

    // The scene's zoom and where its top-left corner stands in the client area.
    double zoom() const { return m_zoom; }
    QPoint sceneOrigin() const { return m_origin; }
    Keypad* keypad() const { return m_keypad; }
    QAction* fullScreenAction() const { return m_fullScreen; }

    AnswerBox* answerBox() const { return m_answer; }
    PictureButton* nextButton() const { return m_next; }
    PictureButton* exitButton() const { return m_exit; }
    Backdrop* backdrop() const { return m_backdrop; }
    QAction* newContestAction() const { return m_newContest; }

signals:
    void answerEntered();
    void nextRequested();
    void exitRequested();
    void newContestRequested();
    // F2: the time left and the record, said aloud.
    void timeAndRecordRequested();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QWidget* widget;
        const design::Control* design;
        QColor colour; // the design's, for a label's text
    };

    void buildControls();
    // The widget a designed control is, before its common settings.
    QWidget* makeControl(const design::Control& c);
    void buildMenus();
    void setTabOrder();
    // Puts every control where the design wants it at the zoom that fits
    // the client area, the scene centred in it.
    void layoutScene();
    void placeControl(const Placed& placed);
    void showPicture(QWidget* w, const design::Control& c);
    // Where the design puts a control at the present zoom.
    QRect designRect(const char* name) const;
    void toggleFullScreen();
    void toggleKeypad();
    // After a wrong answer the window is black: a label drawn in black or blue
    // would vanish into it, so it gets a colour that stands out.
    void fitColoursToBackdrop();

    DesignLabel* label(const char* name) const;

    GameOptions m_options;
    Backdrop* m_backdrop = nullptr;
    AnswerBox* m_answer = nullptr;
    PictureButton* m_next = nullptr;
    PictureButton* m_exit = nullptr;
    QPushButton* m_command1 = nullptr;
    QAction* m_newContest = nullptr;
    QAction* m_fullScreen = nullptr;
    Keypad* m_keypad = nullptr;
    Announcer* m_announcer = nullptr;
    std::vector<Placed> m_placed;
    double m_zoom = 0;
    QPoint m_origin;
    bool m_maximisedBeforeFullScreen = false;
};
