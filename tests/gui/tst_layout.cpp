// Every window's controls where the layout puts them, and no text clipped:
// in English, or in the language TAVRISK_TEST_LANGUAGE names ("pseudo" for
// the development language), at the scale QT_SCALE_FACTOR gives. With
// TAVRISK_SCREENSHOTS set, each window is saved there as a picture.
#include "gui/aboutbox.h"
#include "gui/application.h"
#include "gui/controls.h"
#include "gui/exitwindow.h"
#include "gui/icon.h"
#include "gui/label.h"
#include "gui/look.h"
#include "gui/questionwindow.h"
#include "gui/resultwindow.h"
#include "programtest.h"

#include "widgethelpers.h"

#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace tavrisk;
using namespace tavrisk::testing;

// Below this a fitted text no longer reads well.
constexpr qreal MinimumPoints = 7.5;
using tavrisk::gui::twipsRect;

static QString testLanguage()
{
    return qEnvironmentVariable("TAVRISK_TEST_LANGUAGE");
}

static qreal scale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// The boxes the layout leaves no room in for a text 40% longer than their
// own: in the development language their text may step lower, and the one-line
// link of the exit window may run past its panel. Every real translation
// fits them at the readable size.
static qreal readablePoints(const QString &label)
{
    static const QStringList tight{"coBrandLink", "goToHomeLink", "detailsLink",
                                   "introText",   "meaningsList", "chosenList"};
    return testLanguage() == QLatin1String("pseudo") && tight.contains(label)
               ? gui::MinimumFittedPoints
               : MinimumPoints;
}

static const char *const AllWindows[] = {"questionWindow", "resultWindow", "aboutBox",
                                         "exitWindow-0",   "exitWindow-1", "exitWindow-2",
                                         "exitWindow-3"};

// The room a button's caption has inside its frame and beside its indicator.
static QRect captionRoom(const QAbstractButton *b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.iconSize = b->iconSize();
    if (qobject_cast<const QCheckBox *>(b))
        return b->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, b);
    if (qobject_cast<const QRadioButton *>(b))
        return b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b);
    return b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
}

// Where a group box draws its title.
static QRect titleRect(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = box->alignment();
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void twipsToPixels_data();
    void twipsToPixels();
    void clientSizes_data();
    void clientSizes();
    void geometry_data();
    void geometry();
    void noTextClipped_data();
    void noTextClipped();
    void fittedFontsStayReadable_data();
    void fittedFontsStayReadable();
    void everyPromptFits_data();
    void everyPromptFits();
    void iconShowsItsPicture_data();
    void iconShowsItsPicture();
    void offerShowsOneAmpersand();
    void buttonsFitTheirCaptions();
    void textStandsOutFromItsBackground();
    void scaledWithTheDisplay();
    void colours_data();
    void colours();
    void accessKeysAreUnique_data();
    void accessKeysAreUnique();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void mirroredRightToLeft();
    void everyCharacterHasAGlyph_data();
    void everyCharacterHasAGlyph();

private:
    QWidget *window(const QString &which) const;
    FakeMessages m_messages;
    FakeRefusals m_refusals{m_messages};
    std::unique_ptr<gui::QuestionWindow> m_question;
    std::unique_ptr<gui::ResultWindow> m_result;
    std::unique_ptr<gui::AboutBox> m_about;
    std::unique_ptr<gui::ExitWindow> m_exit[4];
};

void TestLayout::initTestCase()
{
    useProgramStyle();
    if (testLanguage() == QLatin1String("pseudo"))
        gui::installPseudoLanguage();
    else if (!testLanguage().isEmpty())
        QVERIFY(!gui::installLanguage(QLocale(testLanguage())).isEmpty());
    m_question = std::make_unique<gui::QuestionWindow>();
    m_result = std::make_unique<gui::ResultWindow>();
    m_about = std::make_unique<gui::AboutBox>();
    for (int i = 0; i < 4; ++i)
        m_exit[i] = std::make_unique<gui::ExitWindow>(i, m_refusals);
    // The result window as a real test leaves it: the widest lines there are.
    ResultLines lines;
    const int order[] = {3, 0, 4, 1, 2}; // Sheep, Monkey, Horse, Lion, Cow
    for (int i = 0; i < 5; ++i) {
        lines.order[i] = resultLine(i + 1, animalCaption(order[i]));
        lines.value[i] = resultLine(5 - i, meaningOf(animalCaption(order[4 - i])));
    }
    m_result->setLines(lines);
    for (QWidget *w :
         {static_cast<QWidget *>(m_question.get()), static_cast<QWidget *>(m_result.get()),
          static_cast<QWidget *>(m_about.get())})
        w->show();
    for (auto &e : m_exit)
        e->show();
}

void TestLayout::cleanupTestCase()
{
    gui::removeTranslations();
    m_question.reset();
    m_result.reset();
    m_about.reset();
    for (auto &e : m_exit)
        e.reset();
}

QWidget *TestLayout::window(const QString &which) const
{
    if (which == QLatin1String("questionWindow"))
        return m_question.get();
    if (which == QLatin1String("resultWindow"))
        return m_result.get();
    if (which == QLatin1String("aboutBox"))
        return m_about.get();
    return m_exit[which.right(1).toInt()].get();
}

void TestLayout::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("15") << 15 << 1;
    QTest::newRow("7860") << 7860 << 524;
    QTest::newRow("6855") << 6855 << 457;
    QTest::newRow("195 rounds up") << 195 << 13;
    QTest::newRow("7 rounds down") << 7 << 0;
    QTest::newRow("8 rounds up") << 8 << 1;
    QTest::newRow("-60") << -60 << -4;
}

void TestLayout::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(gui::px(twips), pixels);
}

void TestLayout::clientSizes_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QSize>("client");
    QTest::newRow("question") << "questionWindow" << QSize(524, 457);
    QTest::newRow("result") << "resultWindow" << QSize(609, 433);
    QTest::newRow("about") << "aboutBox" << QSize(423, 264);
    QTest::newRow("exit") << "exitWindow-0" << QSize(741, 315);
}

void TestLayout::clientSizes()
{
    QFETCH(QString, which);
    QFETCH(QSize, client);
    QWidget *w = window(which);
    if (auto *form = qobject_cast<gui::FormWindow *>(w)) {
        QCOMPARE(form->client()->size(), client);
        // The client lies below the menu bar, which takes none of it.
        QCOMPARE(form->size().height(),
                 client.height() + (form->menuWidget() ? form->menuWidget()->height() : 0));
    } else {
        QCOMPARE(w->size(), client);
    }
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(w->windowTitle(), expectedCaption());
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w->windowIcon().isNull());
}

void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("sizedToText");
    auto row = [](const char *which, const char *name, int l, int t, int w, int h,
                  bool sized = false) {
        QTest::addRow("%s %s", which, name)
            << QString::fromLatin1(which) << QString::fromLatin1(name) << twipsRect(l, t, w, h)
            << sized;
    };
    row("questionWindow", "topBand", 0, 0, 7860, 615);
    row("questionWindow", "bannerLink", 120, 135, 7560, 585);
    row("questionWindow", "storyPanel", 0, 600, 7860, 5295);
    row("questionWindow", "titleLink", 120, 240, 7575, 375);
    row("questionWindow", "storyText", 480, 720, 6735, 615);
    row("questionWindow", "givenUpPrompt", 480, 1560, 6735, 855);
    for (int i = 0; i < 5; ++i)
        row("questionWindow", qPrintable(QStringLiteral("animalOption%1").arg(i)), 480,
            2400 + 480 * i, 6855, 375);
    row("questionWindow", "nextButton", 5040, 4800, 2295, 375);
    row("questionWindow", "bottomBand", 0, 5880, 7860, 855);
    row("questionWindow", "exitButton", 6480, 240, 1260, 465);
    row("questionWindow", "fullBrandLink", 120, 160, 5985, 615);
    row("questionWindow", "coBrandLink", 120, 160, 5985, 615);

    row("resultWindow", "topBand", 0, 0, 9135, 735);
    row("resultWindow", "bannerLink", 120, 160, 8880, 555);
    row("resultWindow", "resultFrame", 0, 720, 9135, 4935);
    row("resultWindow", "introText", 120, 240, 8895, 855);
    row("resultWindow", "meaningsList", 120, 1200, 4095, 1695);
    row("resultWindow", "chosenList", 4320, 1200, 4695, 1695);
    row("resultWindow", "valuedList", 120, 3000, 8895, 1815);
    const char *numbers[] = {"One", "Two", "Three", "Four", "Five"};
    for (int i = 0; i < 5; ++i) {
        row("resultWindow",
            qPrintable(QStringLiteral("meaningLine%1").arg(QLatin1String(numbers[i]))), 480,
            360 + 240 * i, 0, 195, true);
        row("resultWindow",
            qPrintable(QStringLiteral("chosenLine%1").arg(QLatin1String(numbers[i]))), 480,
            360 + 240 * i, 0, 195, true);
        row("resultWindow",
            qPrintable(QStringLiteral("valuedLine%1").arg(QLatin1String(numbers[4 - i]))), 480,
            360 + 240 * i, 0, 195, true);
    }
    row("resultWindow", "bottomBand", 0, 5640, 9135, 855);
    row("resultWindow", "exitButton", 6600, 240, 1140, 465);
    row("resultWindow", "backButton", 7800, 240, 1140, 465);
    row("resultWindow", "fullBrandLink", 120, 160, 5985, 615);
    row("resultWindow", "coBrandLink", 120, 160, 5985, 615);

    row("aboutBox", "programIcon", 150, 150, 510, 510);
    row("aboutBox", "okButton", 4920, 3480, 1260, 345);
    row("aboutBox", "homePageLink", 1560, 2040, 0, 195, true);
    row("aboutBox", "detailsLink", 3600, 3120, 0, 195, true);
    row("aboutBox", "opportunityText", 240, 2430, 5775, 615);
    row("aboutBox", "captionText", 960, 240, 0, 240, true);
    row("aboutBox", "aboutText", 210, 960, 5745, 855);

    row("exitWindow-0", "downloadPanel", 7320, 120, 3735, 4575);
    row("exitWindow-0", "goToHomeLink", 75, 4250, 0, 210, true);
    row("exitWindow-0", "promotionText", 120, 360, 3495, 3855);
    row("exitWindow-0", "referralPanel", 120, 3240, 7065, 1455);
    row("exitWindow-0", "messageField", 4800, 3600, 1815, 495);
    row("exitWindow-0", "friendNameField", 85, 720, 3375, 285);
    row("exitWindow-0", "friendEmailField", 3600, 720, 3375, 285);
    row("exitWindow-0", "emailField", 3600, 360, 3375, 285);
    row("exitWindow-0", "submitButton", 1920, 1080, 3375, 285);
    row("exitWindow-0", "nameField", 85, 360, 3375, 285);
    row("exitWindow-0", "closeButton", 6000, 2760, 1245, 375);
    row("exitWindow-0", "visitSiteCheck", 30, 2040, 7185, 555);
    row("exitWindow-0", "exitIcon", 360, 120, 540, 540);
    row("exitWindow-0", "supportText", 120, 840, 6975, 1095);
    row("exitWindow-0", "exitCaption", 1080, 240, 0, 0, true);
}

void TestLayout::geometry()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(bool, sizedToText);
    QWidget *w = window(which)->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    // Places count within the panel that holds a control; a group that only
    // names its controls for screen readers is not such a panel.
    QPoint at = w->pos();
    const QWidget *panel = w->parentWidget();
    if (auto *group = qobject_cast<gui::Group *>(w->parentWidget())) {
        panel = group->parentWidget();
        at = w->mapTo(panel, QPoint());
    }
    // Right to left, each place is mirrored within its panel: a control
    // sized to its text keeps its right edge where the left one was.
    if (w->isRightToLeft()) {
        const int leading = panel->width() - rect.x();
        if (!sizedToText) {
            QCOMPARE(QRect(at, w->size()),
                     QRect(leading - rect.width(), rect.y(), rect.width(), rect.height()));
            return;
        }
        QCOMPARE(QPoint(at.x() + w->width(), at.y()), QPoint(leading, rect.y()));
        QCOMPARE(w->size(), w->sizeHint());
        return;
    }
    if (!sizedToText) {
        QCOMPARE(QRect(at, w->size()), rect);
        return;
    }
    QCOMPARE(at, rect.topLeft());
    QCOMPARE(w->size(), w->sizeHint());
}

void TestLayout::noTextClipped_data()
{
    QTest::addColumn<QString>("which");
    for (const char *w : AllWindows)
        QTest::newRow(w) << QString::fromLatin1(w);
}

void TestLayout::noTextClipped()
{
    QFETCH(QString, which);
    QWidget *w = window(which);
    const auto labels = w->findChildren<QLabel *>();
    QVERIFY(!labels.isEmpty());
    for (QLabel *label : labels) {
        if (label->text().isEmpty() || !label->isVisibleTo(w))
            continue;
        QString why;
        QVERIFY2(textFits(label, &why), qPrintable(why));
        // A stand-in font may step down a little to fit, never out of reach.
        QVERIFY2(label->font().pointSizeF() >= readablePoints(label->objectName()),
                 qPrintable(QStringLiteral("%1 at %2 pt")
                                .arg(label->objectName())
                                .arg(label->font().pointSizeF())));
        // Nor does a label run past the panel that holds it.
        const QRect inParent = label->geometry();
        QVERIFY2(label->parentWidget()->rect().contains(inParent) ||
                     label->objectName() == QLatin1String("bannerLink") ||
                     readablePoints(label->objectName()) < MinimumPoints,
                 qPrintable(label->objectName() + QStringLiteral(" leaves its panel")));
    }
    // Panel titles fit their panels; the hints in the fields fit the fields.
    for (QGroupBox *box : w->findChildren<QGroupBox *>()) {
        const QRect title = titleRect(box);
        const QString shown = gui::labelDisplayText(box->title());
        QVERIFY2(box->rect().contains(title) &&
                     QFontMetrics(box->font()).horizontalAdvance(shown) <= title.width(),
                 qPrintable(box->objectName()));
        QVERIFY2(box->font().pointSizeF() >= readablePoints(box->objectName()),
                 qPrintable(box->objectName()));
    }
    for (QLineEdit *e : w->findChildren<QLineEdit *>()) {
        // Qt keeps two pixels clear on each side of the text.
        const int room = e->contentsRect().width() - 4 -
                         2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        QVERIFY2(QFontMetrics(e->font()).horizontalAdvance(e->text()) <= room,
                 qPrintable(e->objectName()));
    }
}

void TestLayout::fittedFontsStayReadable_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("label");
    QTest::addColumn<qreal>("design");
    QTest::newRow("question title") << "questionWindow"
                                    << "titleLink" << 8.25;
    QTest::newRow("question banner") << "questionWindow"
                                     << "bannerLink" << 9.0;
    QTest::newRow("question story") << "questionWindow"
                                    << "storyText" << 8.25;
    QTest::newRow("question offer") << "questionWindow"
                                    << "coBrandLink" << 8.25;
    QTest::newRow("result banner") << "resultWindow"
                                   << "bannerLink" << 9.0;
    QTest::newRow("result legend") << "resultWindow"
                                   << "introText" << 8.25;
    QTest::newRow("result value line") << "resultWindow"
                                       << "valuedLineOne" << 8.25;
    QTest::newRow("about title") << "aboutBox"
                                 << "captionText" << 9.75;
    QTest::newRow("about text") << "aboutBox"
                                << "aboutText" << 8.25;
    QTest::newRow("about link") << "aboutBox"
                                << "homePageLink" << 8.25;
    for (int i = 0; i < 4; ++i) {
        const QString w = QStringLiteral("exitWindow-%1").arg(i);
        QTest::addRow("exit %d software link", i) << w << "goToHomeLink" << 9.0;
        QTest::addRow("exit %d promotion", i) << w << "promotionText" << 9.0;
        QTest::addRow("exit %d support text", i) << w << "supportText" << 9.75;
        QTest::addRow("exit %d caption", i) << w << "exitCaption" << 18.0;
    }
}

// A label steps down from its design size only as far as it must to fit,
// and never below what still reads well, whatever the font and scale.
void TestLayout::fittedFontsStayReadable()
{
    QFETCH(QString, which);
    QFETCH(QString, label);
    QFETCH(qreal, design);
    auto *l = child<QLabel>(window(which), qPrintable(label));
    QVERIFY(l);
    QVERIFY(l->font().pointSizeF() <= design);
    QVERIFY(l->font().pointSizeF() >= readablePoints(label));
}

void TestLayout::everyPromptFits_data()
{
    QTest::addColumn<int>("screen");
    for (int s = 1; s <= 5; ++s)
        QTest::addRow("screen %d", s) << s;
}

void TestLayout::everyPromptFits()
{
    QFETCH(int, screen);
    gui::QuestionWindow window;
    QuestionScreen shown = QuestionScreen::design();
    shown.message = prompt(screen);
    window.display(shown);
    QString why;
    QVERIFY2(textFits(window.messageLabel(), &why), qPrintable(why));
    QVERIFY(window.messageLabel()->font().pointSizeF() >= MinimumPoints);
}

void TestLayout::iconShowsItsPicture_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64})
        QTest::addRow("%d px", size) << size;
}

// The program embeds raw pixels; they must be those of the PNG beside them.
void TestLayout::iconShowsItsPicture()
{
    QFETCH(int, size);
    const QImage png = QImage(QStringLiteral(ASSETS_DIR "/tavrisk-%1.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(png.size(), QSize(size, size));
    const QImage shown = gui::programIcon()
                             .pixmap(QSize(size, size), 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown.size(), png.size());
    // The PNGs hold 16 bits a channel; 8-bit rounding may differ by one.
    int worst = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = shown.pixel(x, y), b = png.pixel(x, y);
            for (int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b),
                          qAlpha(a) - qAlpha(b)})
                worst = std::max(worst, std::abs(d));
        }
    }
    QVERIFY2(worst <= 1, qPrintable(QStringLiteral("a channel differs by %1").arg(worst)));
}

void TestLayout::offerShowsOneAmpersand()
{
    auto *offer = child<QLabel>(m_question.get(), "coBrandLink");
    QVERIFY(offer);
    QCOMPARE(offer->text().count(u'&'), 1);
    // Plain text: the one ampersand is drawn, not taken as an access key.
    QCOMPARE(offer->textFormat(), Qt::PlainText);
    QVERIFY(!offer->buddy());
    if (!testLanguage().isEmpty())
        return;
    QVERIFY(offer->text().contains(QStringLiteral("name &  link")));
    QVERIFY(offer->text().contains(QStringLiteral("site.  Increase")));
    QVERIFY(offer->text().contains(QStringLiteral("details.    Click Here")));
}

void TestLayout::buttonsFitTheirCaptions()
{
    for (const char *which : AllWindows) {
        for (QAbstractButton *b : window(QLatin1String(which))->findChildren<QAbstractButton *>()) {
            const QSize needs =
                QFontMetrics(b->font()).size(Qt::TextShowMnemonic | Qt::TextSingleLine, b->text());
            const QRect room = captionRoom(b);
            QVERIFY2(needs.width() <= room.width() && needs.height() <= b->height(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(b->objectName())
                                    .arg(needs.width())
                                    .arg(room.width())));
            QVERIFY2(b->font().pointSizeF() >= MinimumPoints, qPrintable(b->objectName()));
        }
    }
}

void TestLayout::textStandsOutFromItsBackground()
{
    // Panels set their own colours; fields and buttons inside them keep readable ones.
    for (QWidget *w :
         {window(QStringLiteral("questionWindow")), window(QStringLiteral("resultWindow")),
          window(QStringLiteral("exitWindow-0"))}) {
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            QVERIFY2(e->palette().color(QPalette::Text) != e->palette().color(QPalette::Base),
                     qPrintable(e->objectName()));
        for (QPushButton *b : w->findChildren<QPushButton *>())
            QVERIFY2(b->palette().color(QPalette::ButtonText) !=
                         b->palette().color(QPalette::Button),
                     qPrintable(b->objectName()));
    }
}

void TestLayout::scaledWithTheDisplay()
{
    // Run at several QT_SCALE_FACTOR values: every window keeps its layout in
    // proportion, and the icon has an image for the scaled size.
    const qreal factor = scale();
    const QString shots = qEnvironmentVariable("TAVRISK_SCREENSHOTS");
    const QString language = testLanguage().isEmpty() ? QStringLiteral("en") : testLanguage();
    for (const char *which : AllWindows) {
        QWidget *w = window(QLatin1String(which));
        QCOMPARE(w->devicePixelRatioF(), factor);
        const QPixmap picture = w->grab();
        if (!shots.isEmpty()) {
            const QDir dir(shots + u'/' + language);
            QVERIFY(dir.mkpath(QStringLiteral(".")));
            QVERIFY(picture.save(
                dir.filePath(QStringLiteral("%1@%2x.png").arg(QLatin1String(which)).arg(factor))));
        }
        const QSize pixels = picture.size();
        QVERIFY2(qAbs(pixels.width() - w->width() * factor) <= 1 &&
                     qAbs(pixels.height() - w->height() * factor) <= 1,
                 which);
    }
    const int iconPixels = qCeil(32 * factor);
    bool sharp = false;
    for (const QSize &size : gui::programIcon().availableSizes())
        sharp = sharp || size.width() == iconPixels || size.width() == 2 * iconPixels;
    QVERIFY2(sharp, "no icon image for this scale");
}

void TestLayout::colours_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor pink(245, 167, 179), orange(240, 156, 72), maroon(128, 0, 0), blue(0, 0, 255);
    const QColor navy(0, 0, 128), none;
    QTest::newRow("main top band") << "questionWindow"
                                   << "topBand" << pink << none;
    QTest::newRow("main panel") << "questionWindow"
                                << "storyPanel" << orange << none;
    QTest::newRow("an animal") << "questionWindow"
                               << "animalOption2" << pink << maroon;
    QTest::newRow("story") << "questionWindow"
                           << "storyText" << none << blue;
    QTest::newRow("offer") << "questionWindow"
                           << "coBrandLink" << pink << maroon;
    QTest::newRow("Next") << "questionWindow"
                          << "nextButton" << QColor(192, 192, 192) << none;
    QTest::newRow("legend") << "resultWindow"
                            << "meaningsList" << pink << QColor(128, 64, 0);
    QTest::newRow("result text") << "resultWindow"
                                 << "introText" << none << blue;
    QTest::newRow("about") << "aboutBox"
                           << "homePageLink" << pink << maroon;
    QTest::newRow("exit panel") << "exitWindow-0"
                                << "referralPanel" << navy << QColor(Qt::white);
    QTest::newRow("exit check") << "exitWindow-0"
                                << "visitSiteCheck" << none << QColor(0, 0, 192);
}

void TestLayout::colours()
{
    QFETCH(QString, which);
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QWidget *w = window(which)->findChild<QWidget *>(name);
    QVERIFY(w);
    if (background.isValid()) {
        // Push buttons have their face painted by the style; the rest fill their background.
        QVERIFY(qobject_cast<QPushButton *>(w) || w->autoFillBackground());
        QCOMPARE(w->palette().color(w->backgroundRole()), background);
    }
    if (text.isValid())
        QCOMPARE(w->palette().color(w->foregroundRole()), text);
}

static QString accessKey(const QString &text)
{
    return QKeySequence::mnemonic(text).toString();
}

// The keys a user can press in one place, each with what it would reach.
static void collectKeys(const QList<QAction *> &actions, QMultiHash<QString, QString> &into)
{
    for (const QAction *a : actions) {
        if (a->isVisible() && !a->isSeparator() && !accessKey(a->text()).isEmpty())
            into.insert(accessKey(a->text()), a->text());
    }
}

static QString repeatedKey(const QMultiHash<QString, QString> &keys)
{
    for (const QString &key : keys.uniqueKeys()) {
        if (keys.count(key) > 1)
            return key + QStringLiteral(" for ") + QStringList(keys.values(key)).join(u',');
    }
    return QString();
}

void TestLayout::accessKeysAreUnique_data()
{
    noTextClipped_data();
}

// Alt and a letter reach one control in a window, and one item in a menu.
void TestLayout::accessKeysAreUnique()
{
    QFETCH(QString, which);
    QWidget *w = window(which);
    QMultiHash<QString, QString> windowKeys;
    for (const QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (b->isVisibleTo(w) && !accessKey(b->text()).isEmpty())
            windowKeys.insert(accessKey(b->text()), b->text());
    }
    if (auto *bar = w->findChild<QMenuBar *>()) {
        collectKeys(bar->actions(), windowKeys);
        for (const QAction *top : bar->actions()) {
            if (!top->menu())
                continue;
            QMultiHash<QString, QString> menuKeys;
            collectKeys(top->menu()->actions(), menuKeys);
            QVERIFY2(repeatedKey(menuKeys).isEmpty(), qPrintable(repeatedKey(menuKeys)));
        }
    }
    QVERIFY2(repeatedKey(windowKeys).isEmpty(), qPrintable(repeatedKey(windowKeys)));
}

void TestLayout::everyTextTranslated_data()
{
    noTextClipped_data();
}

// In the development language every text is bracketed: one shown plain
// never went through the translation functions.
void TestLayout::everyTextTranslated()
{
    if (testLanguage() != QLatin1String("pseudo"))
        QSKIP("for the development language");
    QFETCH(QString, which);
    QWidget *w = window(which);
    QStringList texts;
    for (const QLabel *l : w->findChildren<QLabel *>()) {
        // The program's name and version are the same in every language.
        if (l->isVisibleTo(w) && l->text() != expectedCaption())
            texts << l->text();
    }
    for (const QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
        if (b->isVisibleTo(w))
            texts << b->text();
    }
    for (const QGroupBox *g : w->findChildren<QGroupBox *>())
        texts << g->title();
    for (const QLineEdit *e : w->findChildren<QLineEdit *>())
        texts << e->text();
    for (const QMenuBar *bar : w->findChildren<QMenuBar *>()) {
        for (const QAction *a : bar->actions()) {
            texts << a->text();
            if (a->menu()) {
                for (const QAction *item : a->menu()->actions())
                    texts << item->text();
            }
        }
    }
    texts.removeAll(QString());
    QVERIFY(!texts.isEmpty());
    for (const QString &text : texts)
        QVERIFY2(text.contains(u'['), qPrintable(which + QStringLiteral(": ") + text));
}

// A window's tab stops in order, each with where it stands in the window.
static QList<std::pair<QString, QRect>> tabStops(QWidget *w)
{
    QList<std::pair<QString, QRect>> stops;
    for (QWidget *s = w->nextInFocusChain(); s != w; s = s->nextInFocusChain()) {
        if ((s->focusPolicy() & Qt::TabFocus) && s->isVisibleTo(w) && !s->focusProxy())
            stops.append({s->objectName(), QRect(s->mapTo(w, QPoint()), s->size())});
    }
    return stops;
}

// Right to left, text runs from the right, the options' marks stand on the
// right, and the keyboard follows the reading order: the same stops as left
// to right, in the same order, each step along a row going the other way.
void TestLayout::mirroredRightToLeft()
{
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    QCOMPARE(rightToLeft, testLanguage() == QLatin1String("ar"));
    for (const char *which : AllWindows) {
        QWidget *w = window(QLatin1String(which));
        QCOMPARE(w->isRightToLeft(), rightToLeft);
        for (const QLabel *l : w->findChildren<QLabel *>()) {
            const Qt::Alignment shown =
                QStyle::visualAlignment(l->layoutDirection(), l->alignment());
            if (l->alignment() & Qt::AlignLeft)
                QVERIFY2(shown & (rightToLeft ? Qt::AlignRight : Qt::AlignLeft),
                         qPrintable(l->objectName()));
            // A wrapped paragraph takes its direction from its first letter:
            // an Arabic one must not open with a Latin name.
            const QString text = l->text();
            const bool hasRightToLeft = std::any_of(text.begin(), text.end(), [](QChar c) {
                return c.direction() == QChar::DirAL || c.direction() == QChar::DirR;
            });
            if (rightToLeft && hasRightToLeft)
                QVERIFY2(text.isRightToLeft(), qPrintable(text));
        }
        for (const QRadioButton *r : w->findChildren<QRadioButton *>()) {
            QStyleOptionButton option;
            option.initFrom(r);
            const QRect mark =
                r->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, r);
            QCOMPARE(mark.center().x() > r->width() / 2, rightToLeft);
        }
    }
    // The same windows built the other way round.
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::LeftToRight : Qt::RightToLeft);
    FakeMessages messages;
    FakeRefusals refusals{messages};
    gui::QuestionWindow question;
    gui::ResultWindow result;
    gui::ExitWindow exit(0, refusals);
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const std::pair<QWidget *, QWidget *> pairs[] = {
        {m_question.get(), &question}, {m_result.get(), &result}, {m_exit[0].get(), &exit}};
    for (const auto &[shown, other] : pairs) {
        const auto stops = tabStops(shown);
        const auto otherStops = tabStops(other);
        QVERIFY(!stops.isEmpty());
        QCOMPARE(stops.size(), otherStops.size());
        for (qsizetype i = 0; i < stops.size(); ++i) {
            QCOMPARE(stops[i].first, otherStops[i].first);
            const int width = shown->width();
            QCOMPARE(stops[i].second.left(), width - 1 - otherStops[i].second.right());
            if (i > 0 && stops[i].second.top() == stops[i - 1].second.top())
                QCOMPARE(stops[i].second.left() < stops[i - 1].second.left(),
                         otherStops[i].second.left() > otherStops[i - 1].second.left());
        }
    }
}

// The characters of `text` that `font` and its fallbacks have no glyph for.
static QString missingGlyphs(QString text, const QFont &font)
{
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QString missing;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            missing += run.rawFont().familyName() + u' ';
    }
    return missing;
}

void TestLayout::everyCharacterHasAGlyph_data()
{
    noTextClipped_data();
}

// Japanese and Arabic need fonts of their own: every text is drawn, none
// as empty boxes.
void TestLayout::everyCharacterHasAGlyph()
{
    QFETCH(QString, which);
    QWidget *w = window(which);
    QList<std::pair<QString, QFont>> texts;
    for (const QLabel *l : w->findChildren<QLabel *>())
        texts.append({l->text(), l->font()});
    for (const QAbstractButton *b : w->findChildren<QAbstractButton *>())
        texts.append({gui::labelDisplayText(b->text()), b->font()});
    for (const QGroupBox *g : w->findChildren<QGroupBox *>())
        texts.append({g->title(), g->font()});
    for (const QLineEdit *e : w->findChildren<QLineEdit *>())
        texts.append({e->text(), e->font()});
    for (const auto &[text, font] : texts) {
        const QString missing = missingGlyphs(text, font);
        QVERIFY2(missing.isEmpty(), qPrintable(text + QStringLiteral(": none in ") + missing));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
