// Anchor: a raw Xlib window of the same size, painted on each expose.
#include <X11/Xlib.h>

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 524, 457, 0,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    const GC gc = DefaultGC(display, screen);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0)
            XFillRectangle(display, window, gc, 10, 10, 100, 20);
    }
}
