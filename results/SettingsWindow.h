#pragma once

#include "SettingsText.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The teacher's window on the class's settings: each choice, what it means,
// where the one in force comes from, and what is wrong in the files. A key
// the administrator fixed cannot be changed here; an account that may not
// change the settings sees them read-only and is told who may.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // The files as read at start; recordDir is where the teachers' file lives
    // (beside the record), service the record service that writes it for the
    // computer's shared folder (empty: the account writes its own).
    SettingsWindow(const settingsText::Files& files, const QString& recordDir,
                   const QString& service, bool mayChange, QWidget* parent = nullptr);

    // The settings the choices make, and the class list as written.
    settings::Settings chosen() const;
    QString classText() const;
    // Saves them; the outcome is shown, and true when saved.
    bool save();

    // Whether this account may change the computer's shared settings: root,
    // or a member of the teachers' group.
    static bool teacher();
    static inline const char TeachersGroup[] = "corvalesta-maestri";

private:
    void showInForce();
    QByteArray readClassFile() const;

    settingsText::Files m_files;
    QString m_recordDir;
    QString m_service;
    bool m_mayChange;
    settings::InForce m_in;
    std::array<QComboBox*, settings::KeyCount> m_choices{};
    std::array<QLabel*, settings::KeyCount> m_from{};
    QPlainTextEdit* m_class = nullptr;
    QLabel* m_problems = nullptr;
    QLabel* m_outcome = nullptr;
    QPushButton* m_save = nullptr;
};
