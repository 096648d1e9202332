#include "WindowQuery.h"

namespace {

struct TopLevelSearch {
    DWORD processId = 0;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) {
        search->found.push_back(window);
    }
    return TRUE;
}

struct ChildSearch {
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectChild(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (windowClass(window) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows(DWORD processId)
{
    TopLevelSearch search;
    search.processId = processId;
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findTopLevel(DWORD processId, const char* className)
{
    for (HWND window : topLevelWindows(processId)) {
        if (windowClass(window) == className) {
            return window;
        }
    }
    return nullptr;
}

std::vector<HWND> visibleDialogs(DWORD processId)
{
    std::vector<HWND> dialogs;
    for (HWND window : topLevelWindows(processId)) {
        if (IsWindowVisible(window) && windowClass(window) == DIALOG_CLASS) {
            dialogs.push_back(window);
        }
    }
    return dialogs;
}

HWND activeDialog(DWORD processId, const std::set<HWND>& dismissed)
{
    for (HWND dialog : visibleDialogs(processId)) {
        if (IsWindowEnabled(dialog) && dismissed.count(dialog) == 0) {
            return dialog;
        }
    }
    return nullptr;
}

std::string windowText(HWND window)
{
    // WM_GETTEXT is marshalled across processes and asks the control itself; the caption kept
    // by the window manager can lag behind for an edit field.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return "<no answer to WM_GETTEXTLENGTH>";
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::string windowClass(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool isMessageBox(HWND dialog)
{
    // Other dialogs may use the identifier too, typically for an icon (SS_ICON).
    HWND text = GetDlgItem(dialog, MESSAGE_BOX_TEXT_ID);
    if (text == nullptr || windowClass(text) != "Static") {
        return false;
    }
    const LONG_PTR type = GetWindowLongPtrA(text, GWL_STYLE) & SS_TYPEMASK;
    return type != SS_ICON && type != SS_BITMAP;
}

std::vector<HWND> childrenOfClass(HWND parent, const char* className)
{
    ChildSearch search;
    search.className = className;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND focusedWindow(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::string describeWindow(HWND window)
{
    std::string text = windowClass(window) + " caption " + quoted(windowText(window));
    if (windowClass(window) == DIALOG_CLASS && isMessageBox(window)) {
        text += " text " + quoted(windowText(GetDlgItem(window, MESSAGE_BOX_TEXT_ID)));
    }
    return text;
}
