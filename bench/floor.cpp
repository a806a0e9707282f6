// The floor for the start-up benchmark: the least a Qt Widgets program does
// to put the same name prompt on screen.
#include <QApplication>
#include <QInputDialog>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Corvalesta"));
    dialog.setLabelText(QStringLiteral("Come ti chiami?"));
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
