#include "app/controller.h"
#include "core/platform/applicationname.h"
#include "core/platform/clock.h"
#include "core/platform/instancelock.h"
#include "core/platform/log.h"
#include "core/platform/processend.h"
#include "core/platform/random.h"
#include "core/platform/session.h"
#include "core/platform/settings.h"
#include "gui/application.h"
#include "gui/qtservices.h"

#include <QApplication>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    using namespace tavrisk;
    using namespace tavrisk::app;
    // Proof, for whoever reads the log, that the program ended the ordinary way.
    lcApp();
    std::atexit([] { qCDebug(lcApp, "exit handlers ran"); });

    // The platform goes in as an argument rather than the environment, so
    // the browser and anything else the program starts keep the user's own.
    std::vector<char *> args(argv, argv + argc);
    char platformOption[] = "-platform";
    QByteArray platform =
        preferredPlatform(qEnvironmentVariable("QT_QPA_PLATFORM"),
                          qEnvironmentVariable("WAYLAND_DISPLAY"),
                          qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("DISPLAY"))
            .toLocal8Bit();
    if (!platform.isEmpty())
        args.insert(args.begin() + 1, {platformOption, platform.data()});
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    QApplication app(count, args.data());
    qCDebug(lcApp) << "platform" << QGuiApplication::platformName();
    gui::configureApplication();
    gui::installTranslations();

    const QString name = applicationNameFromPath(QCoreApplication::applicationFilePath());
    gui::DesktopOpener opener;
    gui::QtMessageBoxes messages;
    NativeSettingsStore settings(name);
    SystemClock clock;
    SystemInstanceLock instance(name);
    ClockSeededRandom random;
    EventLoopEnd end(instance);
    Services services{opener, messages, settings, clock, instance, random, end};

    Controller controller(services, messages);
    controller.startup();
    const int status = end.ended() ? 0 : QApplication::exec();
    // Windows closed on the way out are deleted later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
