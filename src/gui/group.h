#pragma once

#include <QWidget>

namespace tavrisk::gui {

// A widget that only groups others, named for screen readers.
class Group : public QWidget
{
    Q_OBJECT
public:
    Group(QWidget *parent, const char *name, const QString &accessibleName, const QRect &rect);
};

} // namespace tavrisk::gui
