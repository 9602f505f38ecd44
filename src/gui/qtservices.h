#pragma once

#include "core/platform/services.h"

// The services that show something, on Qt Widgets and the desktop.
namespace tavrisk::gui {

class DesktopOpener : public UrlOpener
{
public:
    void open(const QUrl &address) override;
};

class QtMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *owner, const QString &text, const QString &title, Icon icon,
                Buttons buttons) override;
};

} // namespace tavrisk::gui
