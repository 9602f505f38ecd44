#include "gui/application.h"

#include "core/platform/log.h"
#include "gui/style.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>

namespace tavrisk::gui {

void configureApplication()
{
    // Fusion paints the palette's button faces and colours on every platform.
    auto *style = new Style;
    style->setParent(qApp); // as setStyle() would: the application owns its style
    QApplication::setStyle(style);
    // Only endProgram ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // The style caches pixmaps keyed by palette, and every window built anew
    // brings new palettes: a small cache keeps a long session from growing.
    QPixmapCache::setCacheLimit(2048);
}

QString installTranslations()
{
    static QTranslator own;
    static QTranslator qt;
    const QLocale locale;
    // An English system loads nothing: no file is read, Qt's texts stay English.
    if (!own.load(locale, QStringLiteral("tavrisk"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return QString();
    QCoreApplication::installTranslator(&own);
    // Qt's own texts: the system's Qt translations on Linux, the copies beside
    // the program on Windows.
    const QString name = QStringLiteral("qtbase");
    const QString prefix = QStringLiteral("_");
    if (qt.load(locale, name, prefix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt.load(locale, name, prefix,
                QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(&qt);
    qCDebug(lcApp) << "language" << own.language() << "Qt's texts" << qt.language();
    return own.language();
}

} // namespace tavrisk::gui
