#pragma once

#include <QString>

class QWidget;

namespace tavrisk::gui {

// A refusal raised by a window: a modal box with the stop icon, OK and the
// application's title, kept above `owner`.
class Refusals
{
public:
    virtual ~Refusals() = default;
    virtual void refuse(QWidget *owner, const QString &text) = 0;
};

} // namespace tavrisk::gui
