// Anchor: a representative Qt form with the program's controls and nothing
// else: a 524 x 457 main window with a menu bar (File; Help with five items;
// Donate), three coloured frames, fifteen word-wrapped labels in Verdana
// falling back to DejaVu Sans, five radio buttons and two push buttons.
// No settings, no lock, no icon.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

QFrame *frame(QWidget *parent, const QRect &rect, const QColor &colour)
{
    auto *f = new QFrame(parent);
    f->setGeometry(rect);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, colour);
    f->setPalette(pal);
    f->setAutoFillBackground(true);
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    for (const char *item : {"&Online Help", "&Visit Us Online", "Check for Software &Update",
                             "&About Software", "&Contents"})
        help->addAction(QString::fromLatin1(item));
    window.menuBar()->addAction(QStringLiteral("&Donate"));

    auto *client = new QWidget;
    client->setFixedSize(524, 457);
    window.setCentralWidget(client);
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    font.setBold(true);
    client->setFont(font);

    QFrame *top = frame(client, QRect(0, 0, 524, 41), QColor(245, 167, 179));
    QFrame *panel = frame(client, QRect(0, 40, 524, 353), QColor(240, 156, 72));
    QFrame *bottom = frame(client, QRect(0, 392, 524, 57), QColor(245, 167, 179));
    const QString text = QStringLiteral(
        "Imagine you are traveling in a desert with five animals. You are tired and have very "
        "less water.");
    for (int i = 0; i < 15; ++i) {
        QWidget *parent = i < 2 ? top : i < 12 ? panel : bottom;
        auto *label = new QLabel(text, parent);
        label->setWordWrap(true);
        label->setGeometry(8, 4 + (i % 10) * 14, 449, 28);
    }
    for (int i = 0; i < 5; ++i)
        (new QRadioButton(QStringLiteral("Animal %1").arg(i), panel))
            ->setGeometry(32, 160 + 32 * i, 457, 25);
    (new QPushButton(QStringLiteral("&Next"), panel))->setGeometry(336, 320, 153, 25);
    (new QPushButton(QStringLiteral("&Exit"), bottom))->setGeometry(432, 16, 84, 31);
    window.show();
    return QApplication::exec();
}
