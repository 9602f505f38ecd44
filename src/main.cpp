#include "app/controller.h"
#include "app/platform.h"
#include "app/qtservices.h"
#include "app/random.h"
#include "app/settings.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    using namespace tavrisk;
    QApplication app(argc, argv);
    // Fusion paints the palette's button faces and colours on every platform.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Only EndProgram ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString name = applicationNameFromPath(QCoreApplication::applicationFilePath());
    DesktopOpener opener;
    QtMessageBoxes messages;
    QSettingsStore settings(name);
    SystemClock clock;
    LockFileInstance instance(name);
    ClockSeededRandom random;
    ExitProcess end(instance);
    Services services{opener, messages, settings, clock, instance, random, end};

    Controller controller(services);
    controller.startup();
    return QApplication::exec();
}
