// The smallest Qt Widgets program with a window of MainWindow's size: the
// baseline against which scripts/measure_startup.sh puts the program's
// start-up time, memory and idle CPU.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare_window"));
    window.setFixedSize(451, 451);
    auto *label = new QLabel(QStringLiteral("Zorvik baseline"), &window);
    label->move(20, 20);
    window.show();
    return application.exec();
}
