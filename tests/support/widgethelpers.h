#pragma once

#include "gui/application.h"

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace tavrisk::testing {

// Widget tests use the program's style, so what they measure is what users see.
inline void useProgramStyle()
{
    gui::configureApplication();
}

// Every window's caption.
inline QString expectedCaption()
{
    return QStringLiteral("QV Tavrisk v" TAVRISK_VERSION);
}

// Activates the window and waits until it is active.
inline bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Clicks the middle of `target` as the user sees it, through whatever lies
// on top: false, and no click, when another widget covers that point.
inline bool clickWhereSeen(QWidget *window, QWidget *target)
{
    const QPoint centre = target->rect().center();
    QWidget *hit = window->childAt(target->mapTo(window, centre));
    if (hit != target)
        return false;
    QTest::mouseClick(hit, Qt::LeftButton, {}, centre);
    return true;
}

template <typename T = QWidget> T *child(const QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning("no child named %s", name);
    return w;
}

inline QStringList visibleTopLevels()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty())
            names << w->objectName();
    }
    names.sort();
    return names;
}

// Records what screen readers are told while it lives: each accessibility
// event's type and object, and the object's name and role at that moment.
class AccessibleEvents
{
public:
    struct Event
    {
        QAccessible::Event type;
        QPointer<QObject> object; // null once the object is gone
        QString name;
        QAccessible::Role role;
    };
    AccessibleEvents()
    {
        s_current = this;
        m_previous = QAccessible::installUpdateHandler(&AccessibleEvents::record);
    }
    ~AccessibleEvents()
    {
        QAccessible::installUpdateHandler(m_previous);
        s_current = nullptr;
    }
    AccessibleEvents(const AccessibleEvents &) = delete;
    AccessibleEvents &operator=(const AccessibleEvents &) = delete;

    const QList<Event> &events() const { return m_events; }
    void clear() { m_events.clear(); }
    // Where the first event of `type` for `object` came, or -1.
    qsizetype indexOf(QAccessible::Event type, const QObject *object) const
    {
        for (qsizetype i = 0; i < m_events.size(); ++i) {
            if (m_events[i].type == type && m_events[i].object == object)
                return i;
        }
        return -1;
    }
    qsizetype lastIndexOf(QAccessible::Event type, const QObject *object) const
    {
        for (qsizetype i = m_events.size() - 1; i >= 0; --i) {
            if (m_events[i].type == type && m_events[i].object == object)
                return i;
        }
        return -1;
    }
    // The events of `type`, in order, for objects of role `role`.
    QList<Event> of(QAccessible::Event type, QAccessible::Role role) const
    {
        QList<Event> found;
        for (const Event &e : m_events) {
            if (e.type == type && e.role == role)
                found << e;
        }
        return found;
    }

private:
    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *i = event->accessibleInterface();
        s_current->m_events.append({event->type(), event->object(),
                                    i ? i->text(QAccessible::Name) : QString(),
                                    i ? i->role() : QAccessible::NoRole});
    }
    static inline AccessibleEvents *s_current = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
    QList<Event> m_events;
};

// Counts the show events of top-level windows, by object name, while it lives.
class ShowCounter : public QObject
{
public:
    ShowCounter() { QApplication::instance()->installEventFilter(this); }
    int count(const QString &name) const { return m_shows.value(name); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            ++m_shows[watched->objectName()];
        return false;
    }

private:
    QHash<QString, int> m_shows;
};

// Whether the label shows all of its text.
inline bool textFits(const QLabel *label, QString *why = nullptr)
{
    // Asked of the label itself, not measured again the way it fits its font:
    // its height for its width when it wraps, its size hint when it does not.
    const QSize has = label->size();
    const QSize needs = label->wordWrap() ? QSize(has.width(), label->heightForWidth(has.width()))
                                          : label->sizeHint();
    const bool fits = needs.width() <= has.width() && needs.height() <= has.height();
    if (!fits && why)
        *why = QStringLiteral("%1 needs %2x%3, has %4x%5")
                   .arg(label->objectName())
                   .arg(needs.width())
                   .arg(needs.height())
                   .arg(has.width())
                   .arg(has.height());
    return fits;
}

} // namespace tavrisk::testing
