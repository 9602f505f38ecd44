#include "app/controller.h"
#include "app/log.h"
#include "app/platform.h"
#include "app/qtservices.h"
#include "app/random.h"
#include "app/settings.h"
#include "ui/form.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char *argv[])
{
    using namespace tavrisk;
    // Proof, for whoever reads the log, that the program ended the ordinary way.
    lcApp();
    std::atexit([] { qCDebug(lcApp, "exit handlers ran"); });

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
    const int status = end.ended() ? 0 : QApplication::exec();
    // Windows closed on the way out are deleted later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
