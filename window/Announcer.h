#pragma once

#include <QWidget>

// What a screen reader says whatever has the focus: the time left, the
// record. It draws nothing; to a screen reader it is a notification, which
// Orca speaks as it appears.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent = nullptr);

    void say(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override {}
};
