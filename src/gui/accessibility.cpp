#include "gui/accessibility.h"

#include "gui/controls.h"
#include "gui/linklabel.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QVariant>

namespace tavrisk::gui {

namespace {

class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        s.focusable = true; // by Tab, though it has no focus policy (focusNextStop)
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
    }
};

const char NoticeProperty[] = "tavriskNotice";

// UI Automation has no notification role (Qt makes it a custom control, read
// as "custom"): on Windows a notice keeps the role of what it is.
QAccessible::Role noticeRole(const QObject *notice)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return QAccessible::Notification;
    return qobject_cast<const QGroupBox *>(notice) ? QAccessible::Grouping
                                                   : QAccessible::StaticText;
}

class AccessibleNotice : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(QWidget *w) : QAccessibleWidget(w, noticeRole(w)) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (auto *label = qobject_cast<QLabel *>(widget()))
                return label->text();
            if (auto *frame = qobject_cast<QGroupBox *>(widget()))
                return QString(frame->title()).remove(u'&');
        }
        return QAccessibleWidget::text(t);
    }
};

// A line of a notice: plain text, with no relation to the frame around it
// (Qt makes a frame the label of what it holds, and screen readers leave
// out labels that label something when they read a notice's lines).
class AccessibleNoticeLine : public QAccessibleWidget
{
public:
    explicit AccessibleNoticeLine(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation /*match*/) const override
    {
        return {};
    }
};

QAccessibleInterface *accessibleFor(const QString & /*className*/, QObject *object)
{
    if (object->property(NoticeProperty).toBool())
        return new AccessibleNotice(static_cast<QWidget *>(object));
    if (auto *label = qobject_cast<QLabel *>(object)) {
        if (label->parent() && label->parent()->property(NoticeProperty).toBool() &&
            !qobject_cast<LinkLabel *>(label))
            return new AccessibleNoticeLine(label);
    }
    if (auto *link = qobject_cast<LinkLabel *>(object))
        return new AccessibleLink(link);
    if (auto *group = qobject_cast<Group *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    // A band or frame without a caption only lays out what it holds: a pane,
    // which screen readers pass over, not a group that should have a name.
    const QMetaObject *type = object->metaObject();
    if (type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Pane);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void makeNotice(QWidget *notice)
{
    installAccessibility();
    notice->setProperty(NoticeProperty, true);
    // With a screen reader about, setting a text or title may already have
    // made and kept Qt's own interface; without one, none is made before it asks.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(notice);
    if (made && !dynamic_cast<AccessibleNotice *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void announce(QWidget *notice)
{
    if (!notice->isVisible() || !QAccessible::isActive())
        return;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void reportShown(QWidget *window)
{
    if (!QAccessible::isActive())
        return;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *w : children)
        announce(w); // reported shown again, as a notice is
}

// A focus event for the same object is dropped as a repeat, and Qt 6.4
// reports the new name in a form Orca cannot speak: the widget gets a new
// interface, so the focus comes from an object not heard before.
void reportFocusRenamed(QWidget *focused)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(focused))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(heard));
    QAccessibleEvent focus(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace tavrisk::gui
