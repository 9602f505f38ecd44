// A UI Automation client, as a Windows screen reader is one: reads the
// program's windows through UI Automation and reports every focus change.
// Commands on standard input, one a line:
//   tree   each top-level window titled "QV Tavrisk..." and everything in it,
//          one element a line, indented by depth, then "end"
//   wait N answers "count C" once C, the focus changes reported so far, is at
//          least N, or after 20 seconds without
//   quit   ends the client
// Focus changes of the program's elements arrive on their own, as
// "focus <type> "<name>"".
// Written for Wine 10, which lacks some of the interface: the tree is walked
// with a walker made from the raw-view condition, properties are read with
// GetCurrentPropertyValueEx, and the focus comes only from the events.
#include <windows.h>

#include <ole2.h>
#include <uiautomationclient.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <string>
#include <vector>

namespace {

std::mutex outputMutex;
std::condition_variable focusReported;
int focusCount = 0;

void say(const std::string &line)
{
    std::lock_guard<std::mutex> lock(outputMutex);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string utf8(const wchar_t *text)
{
    if (!text || !*text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

const char *typeName(int id)
{
    static const char *const names[] = {
        "Button",      "Calendar",    "CheckBox",  "ComboBox",     "Edit",     "Hyperlink",
        "Image",       "ListItem",    "List",      "Menu",         "MenuBar",  "MenuItem",
        "ProgressBar", "RadioButton", "ScrollBar", "Slider",       "Spinner",  "StatusBar",
        "Tab",         "TabItem",     "Text",      "ToolBar",      "ToolTip",  "Tree",
        "TreeItem",    "Custom",      "Group",     "Thumb",        "DataGrid", "DataItem",
        "Document",    "SplitButton", "Window",    "Pane",         "Header",   "HeaderItem",
        "Table",       "TitleBar",    "Separator", "SemanticZoom", "AppBar"};
    const int index = id - UIA_ButtonControlTypeId;
    return index >= 0 && index < int(sizeof names / sizeof *names) ? names[index] : "Unknown";
}

VARIANT property(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    if (FAILED(element->GetCurrentPropertyValueEx(id, FALSE, &value)))
        VariantInit(&value);
    return value;
}

std::string stringProperty(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    std::string out = value.vt == VT_BSTR ? utf8(value.bstrVal) : std::string();
    VariantClear(&value);
    return out;
}

bool boolProperty(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    const bool out = value.vt == VT_BOOL && value.boolVal != VARIANT_FALSE;
    VariantClear(&value);
    return out;
}

int intProperty(IUIAutomationElement *element, PROPERTYID id)
{
    VARIANT value = property(element, id);
    const int out = value.vt == VT_I4 ? value.lVal : 0;
    VariantClear(&value);
    return out;
}

// The description of one element: type, name and the states that matter here.
std::string describe(IUIAutomationElement *element)
{
    std::string line = typeName(intProperty(element, UIA_ControlTypePropertyId));
    // One element a line: line breaks in a name written as \n.
    std::string name;
    for (char c : stringProperty(element, UIA_NamePropertyId)) {
        if (c == '\n')
            name += "\\n";
        else if (c != '\r')
            name += c;
    }
    line += " \"" + name + "\"";
    if (boolProperty(element, UIA_IsKeyboardFocusablePropertyId))
        line += " focusable";
    if (boolProperty(element, UIA_IsOffscreenPropertyId))
        line += " offscreen";
    if (!boolProperty(element, UIA_IsEnabledPropertyId))
        line += " disabled";
    return line;
}

void dump(IUIAutomationTreeWalker *walker, IUIAutomationElement *element, int depth)
{
    say(std::string(2 * depth, ' ') + describe(element));
    IUIAutomationElement *child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child) {
        dump(walker, child, depth + 1);
        IUIAutomationElement *next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

BOOL CALLBACK collectProgramWindow(HWND window, LPARAM windows)
{
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (IsWindowVisible(window) && std::wcsncmp(title, L"QV Tavrisk", 10) == 0)
        reinterpret_cast<std::vector<HWND> *>(windows)->push_back(window);
    return TRUE;
}

// The program's visible top-level windows, from their handles: Wine's desktop
// element lists no children.
void dumpProgramWindows(IUIAutomation *automation, IUIAutomationTreeWalker *walker)
{
    std::vector<HWND> windows;
    EnumWindows(collectProgramWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND handle : windows) {
        IUIAutomationElement *window = nullptr;
        if (SUCCEEDED(automation->ElementFromHandle(handle, &window)) && window) {
            dump(walker, window, 0);
            window->Release();
        }
    }
    say("end");
}

class FocusReporter : public IUIAutomationFocusChangedEventHandler
{
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&m_references); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = static_cast<IUIAutomationFocusChangedEventHandler *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement *sender) override
    {
        // Wine's own elements (a frame's buttons) report focus too: only Qt's count.
        if (!sender || stringProperty(sender, UIA_FrameworkIdPropertyId) != "Qt")
            return S_OK;
        const std::string line = "focus " + describe(sender);
        {
            // Counted as it is written, so that a count answered follows its lines.
            std::lock_guard<std::mutex> lock(outputMutex);
            std::fputs((line + '\n').c_str(), stdout);
            std::fflush(stdout);
            ++focusCount;
        }
        focusReported.notify_all();
        return S_OK;
    }

private:
    LONG m_references = 1;
};

} // namespace

int main()
{
    // Events arrive on COM's own threads; output is serialised by say().
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const CLSID automationClass = {
        0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
    IUIAutomation *automation = nullptr;
    if (FAILED(CoCreateInstance(automationClass, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IUIAutomation), reinterpret_cast<void **>(&automation)))) {
        say("error: no UI Automation");
        return 1;
    }
    IUIAutomationCondition *raw = nullptr;
    IUIAutomationTreeWalker *walker = nullptr;
    automation->get_RawViewCondition(&raw);
    if (!raw || FAILED(automation->CreateTreeWalker(raw, &walker)) || !walker) {
        say("error: no tree walker");
        return 1;
    }
    FocusReporter reporter;
    if (FAILED(automation->AddFocusChangedEventHandler(nullptr, &reporter))) {
        say("error: no focus events");
        return 1;
    }
    say("ready");
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strncmp(line, "tree", 4) == 0)
            dumpProgramWindows(automation, walker);
        else if (std::strncmp(line, "wait ", 5) == 0) {
            const int wanted = std::atoi(line + 5);
            std::unique_lock<std::mutex> lock(outputMutex);
            focusReported.wait_for(lock, std::chrono::seconds(20),
                                   [wanted] { return focusCount >= wanted; });
            std::printf("count %d\n", focusCount);
            std::fflush(stdout);
        } else if (std::strncmp(line, "quit", 4) == 0)
            break;
    }
    // Wine may block in the handlers' removal: the process ends as it is.
    std::fflush(stdout);
    ExitProcess(0);
}
