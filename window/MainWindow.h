#pragma once

#include <QMainWindow>

class AnswerBox;
class Backdrop;
class DesignLabel;
class PictureButton;
class QAction;
class QLabel;
class QPushButton;

// The window "Tavola" built from its design: it shows what the game tells it
// and reports what the child does. It keeps no game state.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The look the design needs: Fusion honours the buttons' face colours.
    static void prepareApplication();

    DesignLabel* label(const QString& name) const;
    QString caption(const QString& labelName) const;
    void setCaption(const QString& labelName, const QString& text);

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

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void setTabOrder();

    Backdrop* m_backdrop = nullptr;
    AnswerBox* m_answer = nullptr;
    PictureButton* m_next = nullptr;
    PictureButton* m_exit = nullptr;
    QPushButton* m_command1 = nullptr;
    QAction* m_newContest = nullptr;
};
