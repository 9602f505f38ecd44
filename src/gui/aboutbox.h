#pragma once

#include "core/web/addresses.h"

#include <QDialog>

namespace tavrisk::gui {

// aboutBox: names the program, repeats the branding offer and links to the site.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void pageRequested(tavrisk::Page page);

protected:
    bool focusNextPrevChild(bool next) override;
};

QString aboutText();
QString homePageLinkText();

} // namespace tavrisk::gui
