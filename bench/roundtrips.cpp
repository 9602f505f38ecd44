// Show Result / Back round trips inside one process (offscreen), 1,000 by
// default (BLOCKS of 100), with resident memory and the time per 100 trips.
#include "app/controller.h"
#include "gui/application.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"

#include "programtest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <cstdio>

namespace {
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tavrisk::gui::configureApplication();
    tavrisk::testing::FakeServices fakes;
    tavrisk::testing::FakeRefusals refusals(fakes.messages);
    tavrisk::app::Controller controller(fakes.services, refusals);
    controller.startup();

    auto trip = [&] {
        for (int i = 0; i < 5; ++i)
            controller.question()->nextButton()->click();
        controller.result()->backButton()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    // Warm the caches (fonts, glyphs, the style's pixmaps) until they are full.
    for (int i = 0; i < 100; ++i)
        trip();
    const long start = residentKb();
    std::printf("trips  rss_kb  ms_per_100\n");
    const int blocks =
        qEnvironmentVariableIsSet("BLOCKS") ? qEnvironmentVariableIntValue("BLOCKS") : 10;
    for (int block = 1; block <= blocks; ++block) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 100; ++i)
            trip();
        std::printf("%5d  %6ld  %10.1f\n", block * 100, residentKb(), timer.nsecsElapsed() / 1e6);
    }
    std::printf("rss growth over %d trips: %ld kB\n", blocks * 100, residentKb() - start);
    return 0;
}
