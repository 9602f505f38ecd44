// Takes the program's instance lock and holds it until its input closes,
// so tests can race and kill real processes over it.
#include "core/platform/instancelock.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    tavrisk::SystemInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    const bool mine = lock.acquire();
    std::printf("%s\n", mine ? "locked" : "refused");
    std::fflush(stdout);
    if (!mine)
        return 1;
    while (std::getchar() != EOF) {
    }
    lock.release();
    return 0;
}
