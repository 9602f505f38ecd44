#include "gui/linklabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

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
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LinkLabel *>(widget())->activate();
    }
};

QAccessibleInterface *accessibleFor(const QString & /*className*/, QObject *object)
{
    if (auto *link = qobject_cast<LinkLabel *>(object))
        return new AccessibleLink(link);
    if (auto *group = qobject_cast<Group *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    return nullptr;
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent) : Label(parent)
{
    installAccessibility();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        activate();
}

Group::Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect)
    : QWidget(parent)
{
    installAccessibility();
    setObjectName(QLatin1String(name));
    setAccessibleName(accessibleName);
    setGeometry(rect);
}

LinkLabel *addLink(QWidget *parent, const char *name, const QString &text, const QRect &rect,
                   const QFont &font, const QColor &foreground, bool autoSize)
{
    auto *label = new LinkLabel(parent);
    label->place(name, text, rect, font, foreground, !autoSize, autoSize);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace tavrisk::gui
