// Lists the visible top-level windows from top to bottom, as Windows stacks
// them, one title a line, marked where the window stays on top. Wine's X11
// desktop draws a window made later above the others whatever its place, so
// the tests ask Windows' own order here rather than the X server's.
#include <windows.h>

#include <cstdio>

static BOOL CALLBACK list(HWND window, LPARAM)
{
    wchar_t title[256];
    if (!IsWindowVisible(window) || GetWindowTextW(window, title, 256) == 0)
        return TRUE;
    char text[1024];
    WideCharToMultiByte(CP_UTF8, 0, title, -1, text, sizeof text, nullptr, nullptr);
    const bool topmost = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
    std::printf("%s%s\n", text, topmost ? " (topmost)" : "");
    return TRUE;
}

int main()
{
    EnumWindows(list, 0);
    return 0;
}
