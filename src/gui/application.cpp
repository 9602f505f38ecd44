#include "gui/application.h"

#include "core/platform/log.h"
#include "gui/look.h"
#include "gui/pseudolanguage.h"
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

namespace {

QTranslator &ownTexts()
{
    static QTranslator translator;
    return translator;
}

QTranslator &qtTexts()
{
    static QTranslator translator;
    return translator;
}

PseudoTranslator &pseudoTexts()
{
    static PseudoTranslator translator;
    return translator;
}

} // namespace

void removeTranslations()
{
    QCoreApplication::removeTranslator(&pseudoTexts());
    QCoreApplication::removeTranslator(&qtTexts());
    QCoreApplication::removeTranslator(&ownTexts());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    useFontsFor(QLocale::c());
}

QString installLanguage(const QLocale &locale)
{
    removeTranslations();
    QTranslator &own = ownTexts();
    // An English system loads nothing: no file is read, Qt's texts stay English.
    if (!own.load(locale, QStringLiteral("tavrisk"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return QString();
    QCoreApplication::installTranslator(&own);
    // Qt's own texts in the language chosen, not in the next one the system
    // lists: the system's Qt translations on Linux, the copies beside the
    // program on Windows.
    const QLocale chosen(own.language());
    QTranslator &qt = qtTexts();
    const QString name = QStringLiteral("qtbase");
    const QString prefix = QStringLiteral("_");
    if (qt.load(chosen, name, prefix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt.load(chosen, name, prefix,
                QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QCoreApplication::installTranslator(&qt);
    // Set, not left to Qt's guess from its own texts, which may be missing.
    QGuiApplication::setLayoutDirection(chosen.textDirection());
    useFontsFor(chosen);
    qCDebug(lcApp) << "language" << own.language() << "Qt's texts" << qt.language()
                   << QGuiApplication::layoutDirection();
    return own.language();
}

void installPseudoLanguage()
{
    removeTranslations();
    QCoreApplication::installTranslator(&pseudoTexts());
    qCDebug(lcApp) << "language pseudo";
}

void installTranslations()
{
    if (qEnvironmentVariableIntValue("TAVRISK_PSEUDO_LANGUAGE") == 1)
        installPseudoLanguage();
    else
        installLanguage(QLocale());
}

} // namespace tavrisk::gui
