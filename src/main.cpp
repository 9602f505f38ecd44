#include "app/controller.h"
#include "app/platform.h"
#include "app/qtservices.h"
#include "app/random.h"
#include "app/settings.h"
#include "ui/form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace tavrisk;
    QApplication app(argc, argv);
    ui::configureApplication();

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
