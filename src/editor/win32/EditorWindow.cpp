#include "editor/win32/EditorWindow.h"

#include "ui/win32/DcSurface.h"
#include "ui/win32/GuardedCall.h"
#include "ui/win32/Pens.h"

namespace {

constexpr char EDITOR_CLASS[] = "MorlandoCutEditor";
constexpr UINT_PTR TICK_TIMER = 1;  // the panel's clock while it asks for one (the play line)

HWND editor = nullptr;
PanelHandler* panel = nullptr;
PanelPens pens{};

bool down(int key) { return GetKeyState(key) < 0; }

void updateScrollBar(HWND window)
{
    const PanelScroll bar = panel->scrollBar();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    // The bar stays in place when there is nothing to scroll, so the client area keeps its size.
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = bar.max;
    info.nPage = static_cast<UINT>(bar.page);
    info.nPos = bar.position;
    SetScrollInfo(window, SB_HORZ, &info, TRUE);
}

void changed(HWND window)
{
    if (editor == window) {
        updateScrollBar(window);
        InvalidateRect(window, nullptr, FALSE);
    }
}

// The whole picture drawn into a bitmap, then copied to the window in one step: no flicker.
void paint(HWND window)
{
    PAINTSTRUCT paintInfo{};
    HDC dc = BeginPaint(window, &paintInfo);
    RECT rect{};
    GetClientRect(window, &rect);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, rect.right, rect.bottom);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    FillRect(memory, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        DcSurface surface(memory);
        panel->onPaint(surface, {rect.left, rect.top, rect.right, rect.bottom}, pens);
    }
    BitBlt(dc, 0, 0, rect.right, rect.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(window, &paintInfo);
}

PanelKey keyOf(WPARAM key)
{
    switch (key) {
    case VK_LEFT: return PanelKey::Left;
    case VK_RIGHT: return PanelKey::Right;
    case VK_HOME: return PanelKey::Home;
    case VK_END: return PanelKey::End;
    case VK_TAB: return PanelKey::Tab;
    case VK_INSERT: return PanelKey::Insert;
    case VK_DELETE: return PanelKey::Delete;
    case VK_ESCAPE: return PanelKey::Escape;
    case VK_F2: return PanelKey::F2;
    case VK_ADD:
    case VK_OEM_PLUS: return PanelKey::Plus;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: return PanelKey::Minus;
    case 'M': return PanelKey::M;
    case 'Z': return PanelKey::Z;
    case 'Y': return PanelKey::Y;
    case VK_SPACE: return PanelKey::Space;
    case VK_OEM_COMMA: return PanelKey::Comma;
    case VK_OEM_PERIOD: return PanelKey::Period;
    default: return PanelKey::Other;
    }
}

MouseEvent mouseAt(MouseAction action, LPARAM lParam)
{
    return {action,        static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), 0, down(VK_CONTROL),
            down(VK_SHIFT)};
}

void onScroll(HWND window, WPARAM wParam)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS | SIF_POS;
    GetScrollInfo(window, SB_HORZ, &info);
    switch (LOWORD(wParam)) {
    case SB_LINELEFT: panel->onScroll(ScrollMove::LineBack, 0); break;
    case SB_LINERIGHT: panel->onScroll(ScrollMove::LineOn, 0); break;
    case SB_PAGELEFT: panel->onScroll(ScrollMove::PageBack, 0); break;
    case SB_PAGERIGHT: panel->onScroll(ScrollMove::PageOn, 0); break;
    // The 32-bit track position, not the message's 16 bits.
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: panel->onScroll(ScrollMove::To, info.nTrackPos); break;
    default: return;
    }
}

LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (panel == nullptr || window != editor) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_ERASEBKGND: return 1;  // the painting covers every pixel
    case WM_PAINT: paint(window); return 0;
    case WM_SIZE: {
        RECT rect{};
        GetClientRect(window, &rect);
        panel->onResize({rect.left, rect.top, rect.right, rect.bottom});
        changed(window);
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    // An accelerator lands on the window with the focus: the menu's commands are the main window's.
    case WM_COMMAND: return SendMessageA(GetParent(window), message, wParam, lParam);
    case WM_KEYDOWN:
        panel->onKey({keyOf(wParam), down(VK_SHIFT), down(VK_CONTROL)});
        changed(window);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        SetCapture(window);
        panel->onMouse(mouseAt(MouseAction::Press, lParam));
        changed(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        panel->onMouse(mouseAt(MouseAction::DoubleClick, lParam));
        changed(window);
        return 0;
    case WM_RBUTTONDOWN:
        panel->onMouse(mouseAt(MouseAction::RightClick, lParam));
        changed(window);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window) {
            panel->onMouse(mouseAt(MouseAction::Move, lParam));
            changed(window);
        }
        return 0;
    case WM_LBUTTONUP:
        panel->onMouse(mouseAt(MouseAction::Release, lParam));
        if (GetCapture() == window) {
            ReleaseCapture();
        }
        changed(window);
        return 0;
    case WM_CAPTURECHANGED:
        panel->onCaptureLost();
        changed(window);
        return 0;
    case WM_MOUSEWHEEL: {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(window, &point);
        MouseEvent event{MouseAction::Wheel,
                         point.x,
                         point.y,
                         GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA,
                         (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0,
                         (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0};
        panel->onMouse(event);
        changed(window);
        return 0;
    }
    case WM_HSCROLL:
        onScroll(window, wParam);
        changed(window);
        return 0;
    case WM_TIMER:
        if (wParam == TICK_TIMER) {
            panel->onTick();
            changed(window);
        }
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            const bool across = panel->cursorAt(point.x, point.y) == PanelCursor::LeftRight;
            SetCursor(LoadCursorA(nullptr, across ? IDC_SIZEWE : IDC_ARROW));
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK editorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return guardedCall(
        window, [&] { return handle(window, message, wParam, lParam); }, LRESULT{0});
}

void registerClass(HINSTANCE instance)
{
    WNDCLASSEXA windowClass{};
    if (GetClassInfoExA(instance, EDITOR_CLASS, &windowClass)) {
        return;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = editorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = EDITOR_CLASS;
    RegisterClassExA(&windowClass);
}

}  // namespace

void openEditorWindow(HINSTANCE instance, HWND owner, PanelHandler& handler)
{
    if (editor != nullptr) {
        return;
    }
    registerClass(instance);
    panel = &handler;
    pens = {createPen(EDITOR_BLACK_PEN), createPen(EDITOR_RED_PEN), createPen(EDITOR_GREY_PEN)};
    RECT rect{};
    GetClientRect(owner, &rect);
    editor = CreateWindowExA(0, EDITOR_CLASS, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_CLIPSIBLINGS, 0, 0,
                             rect.right, rect.bottom, owner, nullptr, instance, nullptr);
    if (editor == nullptr) {
        panel = nullptr;
        return;
    }
    // The sizes the window was made with: WM_SIZE came before the window was known.
    RECT client{};
    GetClientRect(editor, &client);
    panel->onResize({client.left, client.top, client.right, client.bottom});
    updateScrollBar(editor);
    SetFocus(editor);
}

void closeEditorWindow(HWND owner)
{
    if (editor == nullptr) {
        return;
    }
    HWND closing = editor;
    editor = nullptr;
    panel = nullptr;
    DestroyWindow(closing);
    for (HPEN pen : {static_cast<HPEN>(pens.black), static_cast<HPEN>(pens.red), static_cast<HPEN>(pens.grey)}) {
        DeleteObject(pen);
    }
    pens = {};
    // What lies under the editor is the main window's own: its background, as after any repaint.
    InvalidateRect(owner, nullptr, TRUE);
    SetFocus(owner);
}

bool editorWindowOpen() { return editor != nullptr; }

void tickEditorWindow(unsigned everyMs)
{
    if (editor == nullptr) {
        return;
    }
    if (everyMs == 0) {
        KillTimer(editor, TICK_TIMER);
    } else {
        SetTimer(editor, TICK_TIMER, everyMs, nullptr);
    }
}

void repaintEditorWindow()
{
    if (editor != nullptr) {
        changed(editor);
    }
}

void fitEditorWindow(HWND owner)
{
    if (editor != nullptr) {
        RECT rect{};
        GetClientRect(owner, &rect);
        MoveWindow(editor, 0, 0, rect.right, rect.bottom, TRUE);
    }
}

void focusEditorWindow()
{
    if (editor != nullptr) {
        SetFocus(editor);
    }
}
