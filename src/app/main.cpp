#include "app/controller.h"
#include "core/platform/log.h"
#include "core/platform/platform.h"
#include "core/platform/random.h"
#include "core/platform/settings.h"
#include "gui/qtservices.h"
#include "gui/style.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char *argv[])
{
    using namespace tavrisk;
    using namespace tavrisk::app;
    // Proof, for whoever reads the log, that the program ended the ordinary way.
    lcApp();
    std::atexit([] { qCDebug(lcApp, "exit handlers ran"); });

    QApplication app(argc, argv);
    gui::configureApplication();

    const QString name = applicationNameFromPath(QCoreApplication::applicationFilePath());
    gui::DesktopOpener opener;
    gui::QtMessageBoxes messages;
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
