#pragma once

#include "core/platform/services.h"
#include "gui/refusals.h"

// The services that show something, on Qt Widgets and the desktop.
namespace tavrisk::gui {

class DesktopOpener : public UrlOpener
{
public:
    void open(const QUrl &address) override;
};

// Message boxes: those of start-up, owned by nothing and kept above every
// window, and the refusals of a window, kept above that window.
class QtMessageBoxes : public MessageBoxes, public Refusals
{
public:
    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) override;
    void refuse(QWidget *owner, const QString &text) override;
};

} // namespace tavrisk::gui
