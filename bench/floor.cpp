// The floor for the start-up benchmark: the least a Qt Widgets program does
// to put the same name prompt on screen. With --tick, the least a program
// does to show a label that changes once a second.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--tick"))) {
        QLabel label;
        label.setWindowTitle(QStringLiteral("Orologio"));
        int seconds = 300;
        label.setText(QString::number(seconds));
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout,
                         [&] { label.setText(QString::number(--seconds)); });
        timer.start(1000);
        label.show();
        return app.exec();
    }
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Corvalesta"));
    dialog.setLabelText(QStringLiteral("Come ti chiami?"));
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
