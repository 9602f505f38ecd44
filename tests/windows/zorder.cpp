// Lists the visible top-level windows from top to bottom, as Windows stacks
// them, one title a line, marked where the window stays on top. Wine's X11
// desktop draws a window made later above the others whatever its place, so
// the tests ask Windows' own order here rather than the X server's.
// With "texts", each window's title is followed by the texts of its visible
// controls, indented: what a message box says, for one.
#include <windows.h>

#include <cstdio>
#include <cstring>

static void print(HWND window, const char *indent, const char *mark)
{
    wchar_t title[1024];
    if (!IsWindowVisible(window) || GetWindowTextW(window, title, 1024) == 0)
        return;
    char text[4096];
    WideCharToMultiByte(CP_UTF8, 0, title, -1, text, sizeof text, nullptr, nullptr);
    std::printf("%s%s%s\n", indent, text, mark);
}

static BOOL CALLBACK control(HWND window, LPARAM)
{
    print(window, "  ", "");
    return TRUE;
}

static BOOL CALLBACK list(HWND window, LPARAM texts)
{
    const bool topmost = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
    print(window, "", topmost ? " (topmost)" : "");
    if (texts && IsWindowVisible(window))
        EnumChildWindows(window, control, 0);
    return TRUE;
}

int main(int argc, char **argv)
{
    EnumWindows(list, argc > 1 && std::strcmp(argv[1], "texts") == 0);
    return 0;
}
