// Anchor: the least a Qt Widgets program does to show a window of our size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(524, 457);
    window.show();
    return QApplication::exec();
}
