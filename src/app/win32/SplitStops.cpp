#include "app/win32/SplitStops.h"

#include "writing/SplitStopRequest.h"

namespace {

constexpr ULONGLONG POLL_MILLISECONDS = 50;
constexpr UINT ENDING_STATUS = 0;

}  // namespace

void takeEndingMessages()
{
    static ULONGLONG lastLook = 0;
    const ULONGLONG now = GetTickCount64();
    if (now - lastLook < POLL_MILLISECONDS) {
        return;
    }
    lastLook = now;
    MSG message{};
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // sent messages are answered inside
    while (PeekMessageA(&message, nullptr, WM_CLOSE, WM_CLOSE, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

LRESULT onQueryEndSession()
{
    SplitStopRequest& stop = splitStopRequest();
    if (stop.splitRuns()) {
        stop.request(1);
    }
    return TRUE;
}

LRESULT onEndSession(WPARAM ending)
{
    if (!ending) {
        return 0;
    }
    SplitStopRequest& stop = splitStopRequest();
    if (stop.splitRuns()) {
        stop.request(1);
        stop.abandon();
    }
    ExitProcess(ENDING_STATUS);
}

bool closeAfterSplit(HWND window)
{
    SplitStopRequest& stop = splitStopRequest();
    if (!stop.splitRuns()) {
        return false;
    }
    stop.request(1);
    PostMessageA(window, WM_CLOSE_AFTER_SPLIT, 0, 0);
    return true;
}
