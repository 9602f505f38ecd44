#pragma once

class QWidget;

namespace tavrisk::gui {

// How screen readers see the program's own widgets: a link label as a link
// whose press action clicks it, a group by its name. Installed once, by the
// first such widget made.
void installAccessibility();

// A label, or a frame with its lines, that screen readers speak whenever it
// is announced: a notification, named by its text or title, whose lines
// follow as items of their own.
void makeNotice(QWidget *notice);
// Has screen readers speak a notice now, as when it first came on screen.
void announce(QWidget *notice);

// After a hidden window is shown, its widgets are reported on screen again:
// screen readers keep the state they last heard of, and a child's state does
// not change when its window's does.
void reportShown(QWidget *window);

// The focused widget took another name: screen readers hear it as newly
// focused, since they speak no name change of what they already announced.
void reportFocusRenamed(QWidget *focused);

} // namespace tavrisk::gui
