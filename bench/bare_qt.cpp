// Anchor: the least a Qt Widgets program does to show a window of our size.
// With any argument it also shows one line of text, which brings in the font
// machinery that a window without text never loads.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(524, 457);
    if (argc > 1)
        new QLabel(QStringLiteral("QV Tavrisk"), &window);
    window.show();
    return QApplication::exec();
}
